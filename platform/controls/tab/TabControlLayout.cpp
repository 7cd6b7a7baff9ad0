// Where the tabs lie: one row along the top, each as wide as its caption in the control's font,
// plus its icon and the padding, and what a person sees of them.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "platform/controls/tab/TabControl.h"
#include "platform/window/StateDescription.h"
#include "platform/window/WindowApi.h"

namespace winport {
namespace {

constexpr LONG kSelectedOffset = 2;  // The selected tab grows by this much on each side.
constexpr LONG kFrame = 4;           // The border and the padding around the display area.
constexpr int kMinimumCharacters = 6;
constexpr int kFontHeightMargin = 2;

}  // namespace

HFONT TabControl::MeasuringFont() const {
    // Without WM_SETFONT, or with a font since deleted, the tabs measure in the system font.
    const auto font = reinterpret_cast<HFONT>(DefWindowProc(m_hwnd, WM_GETFONT, 0, 0));
    return GetFontMetrics(font) ? font : nullptr;
}

FontMetrics TabControl::Metrics() const {
    return GetFontMetrics(MeasuringFont()).value_or(FontMetrics{});
}

int TabControl::TabHeight() const {
    int iconWidth = 0;
    int iconHeight = 0;
    if (m_images) ImageList_GetIconSize(m_images, &iconWidth, &iconHeight);
    const int fontHeight = Metrics().height;
    const int content = fontHeight > iconHeight ? fontHeight + kFontHeightMargin : iconHeight;
    return content + m_paddingY;
}

int TabControl::TabWidth(const Tab& tab) const {
    const FontMetrics metrics = Metrics();
    int iconWidth = 0;
    int iconHeight = 0;
    // With an image list every tab leaves room for an icon and the padding after it.
    if (m_images && ImageList_GetIconSize(m_images, &iconWidth, &iconHeight)) {
        iconWidth += m_paddingX;
    }
    const LONG textWidth = EstimateTextExtent(MeasuringFont(), tab.text).cx;
    const int width = static_cast<int>(textWidth) + iconWidth + 2 * m_paddingX;
    const int minimum = metrics.averageCharWidth * kMinimumCharacters + 2 * m_paddingX;
    return std::max(width, minimum);
}

RECT TabControl::ItemRect(int index) const {
    LONG left = kSelectedOffset;
    for (int i = 0; i < index; ++i) left += TabWidth(m_tabs[static_cast<std::size_t>(i)]);
    const LONG width = TabWidth(m_tabs[static_cast<std::size_t>(index)]);
    return RECT{left, kSelectedOffset, left + width, kSelectedOffset + TabHeight()};
}

int TabControl::HitTest(POINT point) const {
    for (int i = 0; i < static_cast<int>(m_tabs.size()); ++i) {
        const RECT rect = ItemRect(i);
        if (point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
            point.y < rect.bottom) {
            return i;
        }
    }
    return -1;
}

LRESULT TabControl::OnGetItemRect(int index, RECT* rect) const {
    if (!rect || !ValidIndex(index)) return FALSE;
    *rect = ItemRect(index);
    return TRUE;
}

LRESULT TabControl::OnAdjustRect(bool larger, RECT* rect) const {
    if (!rect) return -1;
    const LONG tabs = m_tabs.empty() ? 0 : TabHeight();
    if (larger) {
        // From a display area to the window that holds it.
        rect->top -= tabs;
        rect->left -= kFrame;
        rect->top -= kFrame;
        rect->right += kFrame;
        rect->bottom += kFrame;
    } else {
        rect->left += kFrame;
        rect->top += kFrame;
        rect->right -= kFrame;
        rect->bottom -= kFrame;
        rect->top += tabs;
    }
    return 0;
}

LRESULT TabControl::OnHitTest(TCHITTESTINFO* info) const {
    if (!info) return -1;
    const int index = HitTest(info->pt);
    info->flags = index == -1 ? TCHT_NOWHERE : TCHT_ONITEM;
    return index;
}

// Each tab's caption in order, marked when selected, with its image index when it has one.
std::vector<std::string> TabControl::DescribeState(HWND) const {
    std::vector<std::string> tabs;
    for (int i = 0; i < static_cast<int>(m_tabs.size()); ++i) {
        const Tab& tab = m_tabs[static_cast<std::size_t>(i)];
        std::string entry = QuoteText(tab.text);
        if (i == m_selected) entry += " selected";
        if (tab.image >= 0) entry += " image=" + std::to_string(tab.image);
        tabs.push_back(std::move(entry));
    }
    return tabs;
}

}  // namespace winport
