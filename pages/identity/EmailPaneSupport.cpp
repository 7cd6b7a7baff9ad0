#include "pages/identity/EmailPaneSupport.h"

#include <string>

#include "hostlib/property/MCVariantPropertySet.h"
#include "hostlib/util/HostStrings.h"
#include "platform/shell/MessageBox.h"
#include "platform/window/WindowApi.h"

void ShowPlainEmailMessage(HWND owner, const char* text) {
    const std::string caption = BRCString(AFX_IDS_APP_TITLE);
    MessageBox(owner, text, caption.c_str(), MB_OK);
}

void EnableEmailPaneButton(HWND pane, HWND list, int id, bool enable) {
    const HWND button = ::GetDlgItem(pane, id);
    if (!button) return;
    if (!enable && ::GetFocus() == button) ::SetFocus(list);
    ::EnableWindow(button, enable ? TRUE : FALSE);
}
