#include "platform/controls/edit/EditState.h"

#include "platform/controls/ControlSupport.h"
#include "platform/controls/edit/EditControl.h"
#include "platform/core/LastError.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowClass.h"

namespace winport {

std::optional<EditState> GetEditState(HWND edit) {
    if (!IsWindow(edit)) {
        SetLastErrorText(ERROR_INVALID_WINDOW_HANDLE, "GetEditState: the handle is not a window");
        return std::nullopt;
    }
    const auto* control = dynamic_cast<const EditControl*>(ClassProcedureOf(edit));
    if (!control) {
        SetLastErrorText(ERROR_INVALID_PARAMETER, "GetEditState: the window is a \"" +
                                                      GetClassNameOf(edit) + "\", not an edit");
        return std::nullopt;
    }
    return control->State();
}

}  // namespace winport
