// The "msctls_updown32" system class: a position within a range (the lower end may be the greater
// one, and then the up arrow decreases), stepped by a person's press on an arrow, and a buddy
// window beside it. Created with UDS_SETBUDDYINT, the control writes its position into the
// buddy's text and reads it back before each step. A press sends UDN_DELTAPOS, whose nonzero
// answer refuses the step, then WM_VSCROLL; the release sends WM_VSCROLL with SB_ENDSCROLL.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/controls/UpDownApi.h"
#include "platform/window/StateDescription.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowProcedure.h"

namespace winport {

class UpDownControl final : public WindowProcedure, public DescribesState {
public:
    explicit UpDownControl(HWND hwnd) : m_hwnd(hwnd) {}
    UpDownControl(const UpDownControl&) = delete;
    UpDownControl& operator=(const UpDownControl&) = delete;

    LRESULT HandleMessage(const Message& m) override;
    std::vector<std::string> DescribeState(HWND hwnd) const override;

private:
    enum class Arrow { None, Up, Down };
    static constexpr int kWidth = 14;  // A vertical up-down is always this wide.

    LRESULT OnCreate(const CREATESTRUCT* create);
    LRESULT OnSetRange(int lower, int upper);
    LRESULT OnGetRange32(int* lower, int* upper) const;
    LRESULT OnSetPos(int position);
    LRESULT OnGetPos(BOOL* error);
    LRESULT OnGetPos16();
    LRESULT OnSetBuddy(HWND buddy);
    LRESULT OnSetBase(WPARAM base);
    LRESULT OnButtonDown(POINT point);
    LRESULT OnButtonUp(POINT point);
    LRESULT OnKeyDown(UINT key, LPARAM keyData);
    LRESULT OnEnable(bool enabled);

    // The one path to UDN_DELTAPOS: a step in |arrow|'s direction.
    void Step(Arrow arrow);
    // Moves the position by |delta|, clamped to the range or wrapped with UDS_WRAP; answers
    // whether it changed.
    bool Offset(int delta);
    bool InRange(long long value) const;
    int Clamped(long long value) const;
    Arrow ArrowAt(POINT point) const;
    bool Enabled() const;
    void SendScroll(WORD code);

    // The buddy (UpDownBuddy.cpp).
    // The number the buddy's text holds, in or out of the range.
    std::optional<long long> BuddyNumber() const;
    // The buddy's number when it lies within the range.
    std::optional<int> BuddyValue() const;
    bool ReadBuddy();
    void WriteBuddy();
    void PlaceBesideBuddy();
    std::string Format(int value) const;

    HWND m_hwnd;
    HWND m_buddy = nullptr;
    bool m_buddyIsEdit = false;
    // UDS_SETBUDDYINT as the control was created; later style changes do not count.
    bool m_buddyInt = false;
    int m_position = 0;
    int m_lower = 100;  // The range starts as 100 to 0, so up decreases.
    int m_upper = 0;
    int m_base = 10;
    Arrow m_pressed = Arrow::None;
};

}  // namespace winport
