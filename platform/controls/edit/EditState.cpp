#include "platform/controls/edit/EditState.h"

#include "platform/controls/ControlSupport.h"
#include "platform/controls/edit/EditControl.h"
#include "platform/core/LastError.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowClass.h"

namespace winport {

std::optional<EditState> GetEditState(HWND edit) {
    const auto* control = ControlBehind<EditControl>(edit, "GetEditState", "an edit");
    if (!control) return std::nullopt;
    return control->State();
}

}  // namespace winport
