// The "Button" system class: push buttons, check boxes, three-state boxes, radio buttons, group
// boxes and owner-drawn buttons. A person's click is a press (mouse down or the space key) and a
// release inside; only that path sends BN_CLICKED, and only a click toggles the automatic kinds.
#pragma once

#include "platform/core/WinTypes.h"
#include "platform/window/StateDescription.h"
#include "platform/window/WindowProcedure.h"

namespace winport {

class ButtonControl final : public WindowProcedure, public DescribesState {
public:
    explicit ButtonControl(HWND hwnd) : m_hwnd(hwnd) {}
    ButtonControl(const ButtonControl&) = delete;
    ButtonControl& operator=(const ButtonControl&) = delete;

    LRESULT HandleMessage(const Message& m) override;
    std::vector<std::string> DescribeState(HWND hwnd) const override;

private:
    enum class Release { Inside, Outside };

    LRESULT OnGetDlgCode() const;
    LRESULT OnSetCheck(WPARAM check);
    LRESULT OnSetState(bool pushed);
    LRESULT OnSetStyle(DWORD kind);
    LRESULT OnClick();
    LRESULT OnSetImage(UINT type, void* image);
    LRESULT OnButtonDown();
    LRESULT OnButtonUp(POINT point);
    LRESULT OnDoubleClick();
    LRESULT OnKeyDown(UINT key);
    LRESULT OnKeyUp(UINT key);
    LRESULT OnSetFocus();
    LRESULT OnKillFocus();

    void Press();
    void EndPress(Release release);
    void ToggleIfAutomatic();
    void CheckInGroup();
    DWORD Kind() const;

    HWND m_hwnd;
    // The check state bits, BST_PUSHED and BST_FOCUS, as BM_GETSTATE answers.
    LRESULT m_state = 0;
    bool m_pressed = false;  // A press is under way and its release will click.
    void* m_image = nullptr;
};

}  // namespace winport
