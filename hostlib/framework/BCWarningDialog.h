// BCWarningDialog: a modal warning with a "don't show this message again" check box, made from
// the host library's own template. Texts given by string id come from the resource chain.
#pragma once

#include <string>

#include "hostlib/framework/BCTaskDialog.h"

class BCWarningDialog : public BCTaskDialog {
public:
    // |textId| and |captionId| name strings of the resource chain; a text id of 0 (or one no
    // table has) shows |text| instead, a caption id of 0 keeps the template's title.
    // |helpContext| is the dialog's context number. |checkedInitially| ticks the box at the
    // start; |okOnly| hides Cancel; |hideCheckBox| hides the box; |cancelIsDefault| makes
    // Cancel the default button. |iconNumber| is the host's number of the icon the caller
    // means, |icon| the icon shown (none: the host's icon of that number, when it has one).
    // |reserved1| and |reserved2| have no effect.
    BCWarningDialog(BCUserInfo* user, UINT textId, UINT captionId, int iconNumber,
                    unsigned long helpContext, int checkedInitially, int okOnly, int hideCheckBox,
                    int cancelIsDefault, unsigned int reserved1, const char* text, CWnd* parent,
                    HICON icon, unsigned int reserved2);

    // The state of the check box when the dialog went: nonzero when the user ticked it.
    int GetDontShowAgain() const { return m_dontShowAgain; }
    int GetIconNumber() const { return m_iconNumber; }
    const std::string& GetText() const { return m_text; }

    BOOL OnInitDialog() override;
    std::optional<LRESULT> OnMessage(const winport::Message& m) override;

private:
    static const winport::Route<BCWarningDialog> kRoutes[];

    std::optional<LRESULT> OnDestroyMessage(const winport::Message& m);

    UINT m_captionId;
    int m_iconNumber;
    bool m_checkedInitially;
    bool m_okOnly;
    bool m_hideCheckBox;
    bool m_cancelIsDefault;
    std::string m_text;
    int m_dontShowAgain = 0;
};
