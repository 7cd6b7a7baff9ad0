#include "platform/message/MessageApi.h"
#include "platform/shell/MenuApi.h"
#include "platform/shell/MenuStore.h"
#include "platform/shell/ShellUiOwner.h"
#include "platform/window/WindowApi.h"

BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner,
                      const TPMPARAMS* /*params*/) {
    if (!winport::MenuStore::Open().Find(menu, "TrackPopupMenu")) return FALSE;
    if (!winport::CheckShellUiOwner(owner, winport::OwnerRequired::Yes, "TrackPopupMenu")) {
        return FALSE;
    }
    // The owner may still change the menu, as a framework updates its command states here.
    if (!(flags & TPM_NONOTIFY)) {
        SendMessage(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(0, FALSE));
    }
    auto items = winport::SnapshotMenu(menu);
    if (!items) return FALSE;
    winport::PopupMenuRequest request{owner, std::move(*items), POINT{x, y}, flags};
    UINT command = winport::GetShellUi().ShowPopupMenu(request);
    if (!winport::IsChoosableCommand(request.items, command)) command = 0;
    if (flags & TPM_RETURNCMD) return static_cast<BOOL>(command);
    if (command == 0) return FALSE;
    // Windows posts the command rather than sending it.
    PostMessage(owner, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(command), 0), 0);
    return TRUE;
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int /*reserved*/, HWND owner,
                    const RECT* /*rect*/) {
    return TrackPopupMenuEx(menu, flags, x, y, owner, nullptr);
}
