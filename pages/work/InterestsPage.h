// CInterestsPage: the owner's "Interests" tab: four slots, each a category of the host's
// "interest" list with the keywords that go with it, chosen in the host's interest picker. A
// slot counts only while its box is ticked; unticked, it keeps its choice until the page saves.
#pragma once

#include <array>
#include <string>

#include "hostlib/controls/BCStaticBitmap.h"
#include "module/host/MINUVDataList.h"
#include "pages/RecordPage.h"
#include "platform/com/ComPtr.h"
#include "platform/gdi/ImageList.h"

class CInterestsPage final : public CRecordPage {
public:
    CInterestsPage(BCUserInfo* user, MCVariantPropertySet* data, CWnd* parent);
    ~CInterestsPage() override;

    BOOL OnInitDialog() override;

    int PageCommit() override;
    void PageClear() override;
    // Asks once, for the first ticked slot with a category and no keywords, whether the owner
    // goes back to it (0) or saves it so (1); -1 when nothing changed.
    int PageValidate() override;
    // Takes the slots from the record, the boxes and the lines alike.
    void PageReload() override;

    std::optional<LRESULT> OnMessage(const winport::Message& m) override;

    static constexpr int kSlots = 4;

private:
    struct Slot {
        long category = 0;
        std::string keywords;
    };

    std::optional<LRESULT> OnCommand(const winport::Message& m);
    // The check box or "Edit" of |slot|: a ticked slot goes to the picker.
    void OnSlotClicked(int slot);
    bool Ticked(int slot) const;
    // The slot's keywords as they count: none unless it is ticked with a category.
    std::string EffectiveKeywords(int slot) const;
    void ShowLine(int slot);

    std::array<Slot, kSlots> m_slots;
    std::array<BCStaticBitmap, kSlots> m_lines;
    winport::ComPtr<MINUVDataList> m_interests;
    HIMAGELIST m_images = nullptr;  // Owned: the page's copy of the list's icons.
};
