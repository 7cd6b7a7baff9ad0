// BCRichEditCtrl: the host's rich edit wrapper, with the user it belongs to and an option to
// keep the insertion point after the last character whenever its text is set.
#pragma once

#include <string>

#include "hostlib/framework/UserInfo.h"
#include "platform/mfc/Wnd.h"

class BCRichEditCtrl : public CWnd {
public:
    // |user| may be null; a nonzero |caretToEnd| moves the insertion point to the end after
    // each SetText.
    BCRichEditCtrl(BCUserInfo* user, int caretToEnd);

    void SetText(const std::string& text);
    // Places the insertion point after the last character, nothing selected.
    void MoveToEnd();

    BCUserInfo* GetUserInfo() const { return m_pUserInfo; }

private:
    BCUserInfo* m_pUserInfo;
    bool m_caretToEnd;
};
