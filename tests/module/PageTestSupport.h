// A page of the details window opened on its tab over the host's reference tables (the
// reference client's countries), and what a person reads of the page's controls.
#pragma once

#include "ModuleTestSupport.h"
#include "client/host/DataLists.h"
#include "client/reference/ReferenceData.h"

namespace moduletest {

// Codes of the lists the reference client ships: "interest" (with the icon of Music), "group"
// and "pastbg".
inline constexpr int kMusic = 117;
inline constexpr int kMusicIcon = 16;
inline constexpr int kTravel = 120;
inline constexpr int kGardening = 125;
inline constexpr int kSportsClub = 201;
inline constexpr int kAlumni = 202;
inline constexpr int kUniversity = 303;

// The question about a category without keywords.
inline constexpr winport::StringResource kMissingKeywordsStrings[] = {
    {kMissingKeywordsText, "Keywords?"}, {kMissingKeywordsCaption, "Keywords Missing"}};
inline constexpr winport::ResourceTable kMissingKeywordsTable{
    "missing keywords", {}, {}, {}, kMissingKeywordsStrings};

// |Fixture| over the host's lists as the reference client ships them.
template <class Fixture>
class WithShippedLists : public Fixture {
    const nuvclient::DataListServiceClass m_lists{NUV_CLIENT_DATA_DIR};
};

class PageFixture : public ModuleFixture {
protected:
    void SetUp() override {
        ModuleFixture::SetUp();
        SetHostReferenceData(&m_reference);
    }
    void TearDown() override {
        SetHostReferenceData(nullptr);
        ModuleFixture::TearDown();
    }

    // Opens |user|'s window (the owner's or a contact's) on tab |tab| and answers its page.
    HWND OpenPage(BCUserInfo* user, int tab) {
        window = user == owner ? OpenOwner(tab) : OpenContact(user, tab);
        return page = Dialog(window)->GetPage(tab)->m_hWnd;
    }
    HWND Control(int id) const { return GetDlgItem(page, id); }
    std::string Shown(int id) const { return Text(Control(id)); }
    std::string Shown(std::initializer_list<int> ids) const { return Texts(page, ids); }
    // Whether each of |ids| takes input, "+" or "-" each.
    std::string EnabledStates(std::initializer_list<int> ids) const {
        std::string states;
        for (const int id : ids) states += Enabled(id) ? "+" : "-";
        return states;
    }
    bool Visible(int id) const { return IsWindowVisible(Control(id)) != FALSE; }
    bool Enabled(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }
    using ModuleFixture::ReadOnly;
    bool ReadOnly(int id) const { return ReadOnly(Control(id)); }
    void Save() { ASSERT_TRUE(SaveOwnerWindow(window)); }

    HWND window = nullptr;
    HWND page = nullptr;

private:
    nuvclient::ReferenceData m_reference;
};

}  // namespace moduletest
