// CInterestsViewPage: a contact's "Interests / Past" tab, read-only: his interests as lines
// with the category's icon, name and keywords, and his affiliations and past background, each
// category's name in bold before its keywords. The host's data lists name the categories.
#pragma once

#include <string>
#include <vector>

#include "hostlib/controls/BCBmpListBox.h"
#include "hostlib/controls/BCRichEditCtrl.h"
#include "module/host/MINUVDataList.h"
#include "pages/RecordPage.h"
#include "platform/com/ComPtr.h"
#include "platform/controls/RichEditApi.h"

class CInterestsViewPage final : public CRecordPage {
public:
    CInterestsViewPage(BCUserInfo* user, MCVariantPropertySet* data, CWnd* parent);
    ~CInterestsViewPage() override;

    BOOL OnInitDialog() override;

    int PageCommit() override { return 1; }
    // Empties the two formatted boxes; the interests stay.
    void PageClear() override;
    int PageValidate() override { return 1; }
    void PageReload() override;

private:
    // The interest lines, kept by the page: a row's item data is its index in the two arrays.
    class CInterestList final : public BCBmpListBox {
    public:
        void AddLine(std::string text, int image);
        void RemoveAll();

    protected:
        std::string GetItemText(int index) const override;
        int GetItemImage(int index) const override;

    private:
        // The arrays' index of row |index|; -1 for a row the list does not have.
        int LineOf(int index) const;

        std::vector<std::string> m_texts;
        std::vector<int> m_images;
    };

    // Writes into |box| "name: " in bold, then the keywords, for each filled slot of
    // |categoryKey| that |list| names, one a line.
    void ShowCategories(BCRichEditCtrl& box, MINUVDataList* list, const char* categoryKey,
                        const char* textKey, int slots);
    void Append(BCRichEditCtrl& box, const std::string& text, const CHARFORMAT2& format);
    void ShowInterests();

    CInterestList m_interests;
    BCRichEditCtrl m_groups{nullptr, 1};
    BCRichEditCtrl m_past{nullptr, 1};
    winport::ComPtr<MINUVDataList> m_groupList;
    winport::ComPtr<MINUVDataList> m_pastList;
    winport::ComPtr<MINUVDataList> m_interestList;
    HIMAGELIST m_images = nullptr;  // Owned: the page's copy of the list's icons.
    CHARFORMAT2 m_plain{};
    CHARFORMAT2 m_bold{};
};
