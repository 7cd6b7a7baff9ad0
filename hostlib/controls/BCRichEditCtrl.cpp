#include "hostlib/controls/BCRichEditCtrl.h"

BCRichEditCtrl::BCRichEditCtrl(BCUserInfo* user, int caretToEnd)
    : m_pUserInfo(user), m_caretToEnd(caretToEnd != 0) {}

void BCRichEditCtrl::SetText(const std::string& text) {
    SetWindowText(text);
    if (m_caretToEnd) MoveToEnd();
}

void BCRichEditCtrl::MoveToEnd() {
    // A position past the end is taken as the end, so the text length in bytes is enough.
    const LRESULT length = SendMessage(WM_GETTEXTLENGTH);
    SendMessage(EM_SETSEL, static_cast<WPARAM>(length), length);
}
