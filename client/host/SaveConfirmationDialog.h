// The modal dialog that asks the owner to confirm an upload: the question above its
// explanation, Yes and No. Escape and closing the dialog answer No.
#pragma once

#include <string>

#include "platform/mfc/Dialog.h"

namespace nuvclient {

class SaveConfirmationDialog final : public CDialog {
public:
    // Made from IDD_SAVE_CONFIRMATION (HostDialogTemplates.h), owned by |parent|.
    SaveConfirmationDialog(CWnd* parent, std::string question, std::string explanation);

    // DoModal answers IDYES for Yes, IDNO for No, IDCANCEL for Escape or closing, and -1 when
    // the dialog could not be made.
    BOOL OnInitDialog() override;
    std::optional<LRESULT> OnMessage(const winport::Message& m) override;

private:
    static const winport::Route<SaveConfirmationDialog> kRoutes[];

    void OnYes();
    void OnNo();

    std::string m_question;
    std::string m_explanation;
};

}  // namespace nuvclient
