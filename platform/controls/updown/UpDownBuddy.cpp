// The up-down's buddy: the number in its text, and its place beside the arrows.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "platform/controls/ControlSupport.h"
#include "platform/controls/updown/UpDownControl.h"

namespace winport {
namespace {

constexpr int kBuddyBorder = 2;  // An edit's border, which the arrows overlap.
constexpr char kThousandsSeparator = ',';

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

// The whole of |text| read as an integer in |base|, as wcstol reads it: blanks, a sign, for
// base 16 an optional "0x", then digits up to the end. Empty text reads as 0.
std::optional<long long> ParseInteger(std::string_view text, int base) {
    if (text.empty()) return 0;
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (base == 16 && text.size() - i > 2 && text[i] == '0' && (text[i + 1] | 0x20) == 'x') {
        i += 2;
    }
    if (i == text.size()) return std::nullopt;
    constexpr long long kLimit = 1LL << 40;  // Far outside any range; saves overflow checks.
    long long value = 0;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i]);
        if (digit >= base) return std::nullopt;
        value = std::min(value * base + digit, kLimit);
    }
    return negative ? -value : value;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

std::optional<long long> UpDownControl::BuddyNumber() const {
    if (!m_buddyInt || !IsWindow(m_buddy)) return std::nullopt;
    std::string text = GetWindowTextUtf8(m_buddy);
    std::erase(text, kThousandsSeparator);
    return ParseInteger(text, m_base);
}

std::optional<int> UpDownControl::BuddyValue() const {
    const std::optional<long long> value = BuddyNumber();
    if (!value || !InRange(*value)) return std::nullopt;
    return static_cast<int>(*value);
}

bool UpDownControl::ReadBuddy() {
    const std::optional<int> value = BuddyValue();
    if (value) m_position = *value;
    return value.has_value();
}

void UpDownControl::WriteBuddy() {
    if (!m_buddyInt || !IsWindow(m_buddy)) return;
    const std::string text = Format(m_position);
    // Windows leaves a buddy that already shows the number alone, so it sends no EN_CHANGE.
    if (EqualIgnoringCase(GetWindowTextUtf8(m_buddy), text)) return;
    SetWindowText(m_buddy, text.c_str());
}

std::string UpDownControl::Format(int value) const {
    char buffer[24];
    if (m_base == 16) {
        std::snprintf(buffer, sizeof buffer, "0x%04X", static_cast<unsigned>(value));
        return buffer;
    }
    std::snprintf(buffer, sizeof buffer, "%d", value);
    std::string text = buffer;
    if (WindowStyle(m_hwnd) & UDS_NOTHOUSANDS) return text;
    const std::size_t firstDigit = value < 0 ? 1 : 0;
    for (std::size_t at = text.size(); at > firstDigit + 3; at -= 3) {
        text.insert(at - 3, 1, kThousandsSeparator);
    }
    return text;
}

void UpDownControl::PlaceBesideBuddy() {
    const DWORD style = WindowStyle(m_hwnd);
    if (!(style & (UDS_ALIGNLEFT | UDS_ALIGNRIGHT))) return;
    // The buddy gives up the room the arrows take on its side.
    RECT window;
    GetWindowRect(m_buddy, &window);
    POINT corners[2] = {{window.left, window.top}, {window.right, window.bottom}};
    MapWindowPoints(nullptr, GetParent(m_buddy), corners, 2);
    RECT buddy{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
    LONG x = 0;
    if (style & UDS_ALIGNLEFT) {
        x = buddy.left;
        buddy.left += kWidth;
    } else {
        buddy.right -= kWidth;
        x = buddy.right;
    }
    SetWindowPos(m_buddy, nullptr, buddy.left, buddy.top, buddy.right - buddy.left,
                 buddy.bottom - buddy.top, SWP_NOACTIVATE | SWP_NOZORDER);
    // Beside an edit the arrows overlap its border, so the two look like one field.
    int width = kWidth;
    if (m_buddyIsEdit) {
        if (style & UDS_ALIGNLEFT) {
            width += kBuddyBorder;
        } else {
            x -= kBuddyBorder;
        }
    }
    SetWindowPos(m_hwnd, nullptr, x, buddy.top, width, buddy.bottom - buddy.top,
                 SWP_NOACTIVATE | SWP_NOZORDER);
}

}  // namespace winport
