// The e-mail list's menu commands: the selected address to the clipboard, or to the host to
// send mail to.
#include <cstring>

#include "module/ModuleState.h"
#include "pages/identity/EmailListCtrl.h"
#include "platform/shell/Clipboard.h"
#include "platform/shell/GlobalMemory.h"

namespace {

// Puts |text| on the clipboard as CF_TEXT. Emptying first makes |owner| the clipboard's owner;
// a block the clipboard refuses stays ours and is freed; the clipboard is closed on every path.
void CopyTextToClipboard(HWND owner, const std::string& text) {
    if (!OpenClipboard(owner)) return;
    if (EmptyClipboard()) {
        if (const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, text.size() + 1)) {
            if (void* bytes = GlobalLock(block)) {
                std::memcpy(bytes, text.c_str(), text.size() + 1);
                GlobalUnlock(block);
                if (!SetClipboardData(CF_TEXT, block)) GlobalFree(block);
            } else {
                GlobalFree(block);
            }
        }
    }
    CloseClipboard();
}

}  // namespace

void CEmailListCtrl::OnCopyAddress() {
    const EmailRecord* record = SelectedRecord();
    if (!record || record->address.empty()) return;
    CopyTextToClipboard(m_hWnd, record->address);
}

void CEmailListCtrl::OnSendEmail() {
    const EmailRecord* record = SelectedRecord();
    MIHostApplication* host = ModuleState().hostApplication;
    if (!record || record->address.empty() || !host) return;
    host->SendEmail(record->address.c_str());
}
