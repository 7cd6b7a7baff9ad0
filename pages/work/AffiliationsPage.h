// CAffiliationsPage: the owner's "Affiliations" tab: three organizations, affiliations or groups
// and three kinds of past background, each a category of the host's "group" or "pastbg" list
// with the names or keywords that go with it. A row counts only while its box is ticked.
#pragma once

#include <array>
#include <string>

#include "pages/RecordPage.h"

class CAffiliationsPage final : public CRecordPage {
public:
    CAffiliationsPage(BCUserInfo* user, MCVariantPropertySet* data, CWnd* parent);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

    int PageCommit() override;
    void PageClear() override;
    // Asks once, for the first ticked row with a category and no keywords, whether the owner
    // goes back to it (0) or saves it so (1); -1 when nothing changed.
    int PageValidate() override;
    void PageReload() override;

    std::optional<LRESULT> OnMessage(const winport::Message& m) override;

    static constexpr int kRows = 6;  // The three affiliations, then the three past backgrounds.

private:
    static const winport::Route<CAffiliationsPage> kRoutes[];

    std::optional<LRESULT> OnCommand(const winport::Message& m);
    void EnableRow(int row, bool enable);
    // The row's category: 0 unless ticked; the selected entry's code, or the stored one while
    // the list shows none (a list the host could not give, or a code it does not hold).
    short Category(int row) const;
    void FillLists();

    std::array<std::string, kRows> m_keywords;
    std::array<short, kRows> m_storedCategories{};
};
