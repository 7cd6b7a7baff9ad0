// CHomepageCategoryDialog: a user's personal home page with its category in the host's
// home-page directory and a description. The category is shown as its path in the topic tree;
// the owner defines it in the topic selection, a contact's is only shown. Opens the home page
// and the directory in the browser. Run modally: the caller sets the values before and, after
// OK, takes them back.
#pragma once

#include <string>

#include "hostlib/framework/BCTaskDialog.h"
#include "hostlib/property/MCVariantPropertySet.h"
#include "pages/work/CoverWindow.h"
#include "pages/work/TopicTree.h"

class CHomepageCategoryDialog final : public BCTaskDialog {
public:
    // Borrows |data|, the user's record, which gives the title.
    CHomepageCategoryDialog(BCUserInfo* user, bool editable, MCVariantPropertySet* data,
                            CWnd* parent);

    // The values shown when the dialog runs; |category| is a topic code, 0 for none.
    void SetHomepage(const std::string& address, const std::string& description, int category);
    const std::string& GetAddress() const { return m_address; }
    const std::string& GetDescription() const { return m_description; }
    int GetCategory() const { return m_category; }

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    std::optional<LRESULT> OnMessage(const winport::Message& m) override;

private:
    static const winport::Route<CHomepageCategoryDialog> kRoutes[];

    CTopicTree Tree() const;
    // Shows the path to the category in the tree; a category the topic list does not know
    // becomes 0.
    void FillTree();
    void ReadAddress();
    void EnableItem(int id, bool enable) const;
    // "Goto HomePage", the tree and "Define Category" go with the address.
    void EnableForAddress() const;
    // The description goes with an address and a category shown.
    void EnableDescription() const;

    void OnAddressChanged();
    void OnGotoHomepage();
    void OnGotoDirectory();
    void OnDefineCategory();

    bool m_editable;
    MCVariantPropertySet* m_data;
    std::string m_address;
    std::string m_description;
    int m_category = 0;
    CCoverWindow m_cover;
};
