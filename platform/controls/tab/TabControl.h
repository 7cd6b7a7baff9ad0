// The "SysTabControl32" system class: one row of tabs, each a caption, an image index and item
// data. TCM_SETCURSEL changes the selection without a word to the parent; a person's pick (a click
// on a tab, the arrows or Ctrl+Tab) sends TCN_SELCHANGING, whose nonzero answer keeps the
// selection, then TCN_SELCHANGE.
#pragma once

#include <string>
#include <vector>

#include "platform/controls/TabControlApi.h"
#include "platform/gdi/Font.h"
#include "platform/window/StateDescription.h"
#include "platform/window/WindowProcedure.h"

namespace winport {

class TabControl final : public WindowProcedure, public DescribesState {
public:
    explicit TabControl(HWND hwnd) : m_hwnd(hwnd) {}
    TabControl(const TabControl&) = delete;
    TabControl& operator=(const TabControl&) = delete;

    LRESULT HandleMessage(const Message& m) override;
    std::vector<std::string> DescribeState(HWND hwnd) const override;

private:
    struct Tab {
        std::string text;
        int image = -1;
        LPARAM param = 0;
        DWORD state = 0;
    };

    LRESULT OnInsertItem(int index, const TCITEMA* item);
    LRESULT OnDeleteItem(int index);
    LRESULT OnDeleteAllItems();
    LRESULT OnGetItem(int index, TCITEMA* item) const;
    LRESULT OnSetItem(int index, const TCITEMA* item);
    LRESULT OnSetCurSel(int index);
    LRESULT OnSetCurFocus(int index);
    LRESULT OnSetImageList(HIMAGELIST list);
    LRESULT OnSetPadding(WORD horizontal, WORD vertical);
    LRESULT OnButtonDown(POINT point);
    LRESULT OnButtonUp();
    LRESULT OnRightButtonUp(POINT point);
    LRESULT OnKeyDown(UINT key, LPARAM keyData);
    LRESULT OnGetDlgCode(const MSG* msg) const;

    // The one path to TCN_SELCHANGING and TCN_SELCHANGE.
    void PickByUser(int index);
    LRESULT NotifySimple(UINT code);
    bool ValidIndex(int index) const;

    // Layout (TabControlLayout.cpp).
    HFONT MeasuringFont() const;
    FontMetrics Metrics() const;
    int TabHeight() const;
    int TabWidth(const Tab& tab) const;
    RECT ItemRect(int index) const;
    int HitTest(POINT point) const;
    LRESULT OnGetItemRect(int index, RECT* rect) const;
    LRESULT OnAdjustRect(bool larger, RECT* rect) const;
    LRESULT OnHitTest(TCHITTESTINFO* info) const;

    HWND m_hwnd;
    std::vector<Tab> m_tabs;
    int m_selected = -1;
    HIMAGELIST m_images = nullptr;
    int m_paddingX = 6;  // Around each tab's icon and caption, as TCM_SETPADDING sets it.
    int m_paddingY = 3;
};

}  // namespace winport
