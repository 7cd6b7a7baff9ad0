// The "Static" system class: a label, frame or picture. It keeps one image handle (an icon, a
// bitmap or a metafile, whichever its kind shows) and, with SS_NOTIFY, reports clicks.
#pragma once

#include "platform/core/WinTypes.h"
#include "platform/window/StateDescription.h"
#include "platform/window/WindowProcedure.h"

namespace winport {

class StaticControl final : public WindowProcedure, public DescribesState {
public:
    explicit StaticControl(HWND hwnd) : m_hwnd(hwnd) {}
    StaticControl(const StaticControl&) = delete;
    StaticControl& operator=(const StaticControl&) = delete;

    LRESULT HandleMessage(const Message& m) override;
    std::vector<std::string> DescribeState(HWND hwnd) const override;

private:
    LRESULT OnNcCreate(const Message& m);
    LRESULT OnSetImage(UINT type, void* image);
    LRESULT OnGetImage(UINT type) const;
    LRESULT OnMouse(WORD code);
    LRESULT OnEnable(bool enabled);
    DWORD Kind() const;

    HWND m_hwnd;
    void* m_image = nullptr;  // Images are opaque handles; the control only keeps them.
};

}  // namespace winport
