// The modal dialog in which the owner picks an interest: a category of the host's "interest"
// list, or none, and the keywords that go with it.
#pragma once

#include <string>

#include "platform/mfc/Dialog.h"

namespace nuvclient {

class InterestPickerDialog final : public CDialog {
public:
    // Made from IDD_INTEREST_PICKER (HostDialogTemplates.h), owned by |parent|, showing
    // |category| (a code of the list; 0 or a code the list lacks: none) and |keywords|.
    InterestPickerDialog(CWnd* parent, long category, std::string keywords);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    // After DoModal answered IDOK: the choice.
    long Category() const { return m_category; }
    const std::string& Keywords() const { return m_keywords; }

private:
    long m_category;
    std::string m_keywords;
};

}  // namespace nuvclient
