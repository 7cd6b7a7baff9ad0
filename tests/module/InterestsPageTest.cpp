// The owner's Interests page: four slots chosen in the host's interest picker, counted while
// ticked, a category without keywords asked about once, and the slots read again whenever the
// page loads a record.
#include "PageTestSupport.h"
#include "client/host/HostDialogTemplates.h"
#include "client/host/HostDialogs.h"
#include "hostlib/controls/BCStaticBitmap.h"

namespace moduletest {
namespace {

constexpr int kInterestsTab = 6;

class InterestsPageTest : public PageFixture {
protected:
    void SetUp() override {
        PageFixture::SetUp();
        UseStrings(kMissingKeywordsTable);
        MCVariantPropertySet record = host->Record(owner);
        const std::pair<int, const char*> slots[] = {
            {kMusic, "ρεμπέτικο"}, {0, ""}, {kTravel, ""}, {0, ""}};
        for (int i = 0; i < 4; ++i) {
            record["InterestCategory"][i] = slots[i].first;
            record["InterestText"][i] = std::string(slots[i].second);
        }
        record["UpdateInfoStatus"] = 0x01C1;
    }
    bool Ticked(int id) const { return SendMessage(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    // What the picker showed, then the person's choice: a category and keywords, or Cancel.
    void AnswerPicker(const char* category, const char* keywords) {
        agent.QueueDialogHandler(nuvclient::IDD_INTEREST_PICKER, [=, this](HWND dialog) {
            if (!category) {
                agent.Click(GetDlgItem(dialog, IDCANCEL));
                return;
            }
            // The empty entry, first of the list, stands for no category.
            const HWND list = GetDlgItem(dialog, nuvclient::IDC_INTEREST_PICKER_CATEGORY);
            EXPECT_TRUE(*category ? agent.PickComboItem(list, category)
                                  : agent.PickComboItem(list, 0));
            agent.Type(GetDlgItem(dialog, nuvclient::IDC_INTEREST_PICKER_KEYWORDS), keywords);
            agent.Click(GetDlgItem(dialog, IDOK));
        });
    }
    // The four slots as saved, "category:keywords" each, and the status.
    std::string Slots() {
        return Keys(owner, {"InterestCategory[0]", "InterestText[0]", "InterestCategory[1]",
                            "InterestText[1]", "InterestCategory[2]", "InterestText[2]",
                            "InterestCategory[3]", "InterestText[3]", "UpdateInfoStatus"});
    }
};

class InterestsPageWithHostTest : public InterestsPageTest {
    const nuvclient::DataListServiceClass m_lists{NUV_CLIENT_DATA_DIR};
    const nuvclient::HostDialogsClass m_dialogs;
};

TEST_F(InterestsPageWithHostTest, SlotsArePickedCountedWhileTickedAndSaved) {
    OpenPage(owner, kInterestsTab);
    EXPECT_EQ(Shown(IDC_INTERESTS_LINE1), "Music - ρεμπέτικο");
    const auto* line =
        static_cast<BCStaticBitmap*>(CWnd::FromHandlePermanent(Control(IDC_INTERESTS_LINE1)));
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->GetImage(), kMusicIcon);
    EXPECT_NE(line->GetImageList(), nullptr);
    EXPECT_EQ(Shown(IDC_INTERESTS_LINE2), "");
    EXPECT_FALSE(Enabled(IDC_INTERESTS_EDIT2));
    EXPECT_EQ(Shown(IDC_INTERESTS_LINE3), "Travel - ");

    // Ticking an empty slot opens the picker; its choice fills the slot. Cancelled, the slot
    // stays empty and unticked.
    AnswerPicker("Gardening", "roses anciennes");
    ASSERT_TRUE(agent.Tick(Control(IDC_INTERESTS_CHECK2)));
    EXPECT_EQ(Shown(IDC_INTERESTS_LINE2), "Gardening - roses anciennes");
    EXPECT_TRUE(Enabled(IDC_INTERESTS_EDIT2));
    AnswerPicker(nullptr, nullptr);
    agent.Click(Control(IDC_INTERESTS_CHECK4));
    EXPECT_FALSE(Ticked(IDC_INTERESTS_CHECK4));
    EXPECT_FALSE(Enabled(IDC_INTERESTS_EDIT4));
    // Unticked, a slot keeps showing its choice, but saves as empty.
    ASSERT_TRUE(agent.Tick(Control(IDC_INTERESTS_CHECK1), winport::CheckState::Unchecked));
    EXPECT_EQ(Shown(IDC_INTERESTS_LINE1), "Music - ρεμπέτικο");

    // Travel has no keywords: one question; No saves it so.
    agent.QueueMessageBoxAnswer(IDNO);
    Save();
    ASSERT_EQ(agent.MessageBoxes().size(), 1u);
    EXPECT_EQ(agent.MessageBoxes()[0].request.caption, "Keywords Missing");
    EXPECT_EQ(Slots(), "0||125|roses anciennes|120||0||" + std::to_string(0x0141));

    // A record loaded again (after a retrieval) is what the slots show and what a later save
    // writes, never the slots of the record before.
    host->Record(owner)["InterestCategory"][0] = kTravel;
    host->Record(owner)["InterestText"][0] = std::string("onsen");
    Dialog(window)->GetPage(kInterestsTab)->PageReload();
    EXPECT_EQ(Shown(IDC_INTERESTS_LINE1), "Travel - onsen");
    AnswerPicker("Music", "fado");
    agent.Click(Control(IDC_INTERESTS_EDIT2));
    // The picker answering no category empties the slot and unticks it.
    AnswerPicker("", "");
    agent.Click(Control(IDC_INTERESTS_EDIT3));
    EXPECT_FALSE(Ticked(IDC_INTERESTS_CHECK3));
    EXPECT_EQ(Shown(IDC_INTERESTS_LINE3), "");
    Save();
    EXPECT_EQ(Slots(), "120|onsen|117|fado|0||0||" + std::to_string(0x0141));
}

// Without the host's picker and lists: ticking an empty slot leaves no trace, and the lines
// show the keywords without a name.
TEST_F(InterestsPageTest, WithoutThePickerAnEmptySlotCannotBeTicked) {
    OpenPage(owner, kInterestsTab);
    EXPECT_EQ(Shown(IDC_INTERESTS_LINE1), " - ρεμπέτικο");
    agent.Click(Control(IDC_INTERESTS_CHECK2));
    EXPECT_FALSE(Ticked(IDC_INTERESTS_CHECK2));
    agent.Click(Control(IDC_INTERESTS_EDIT1));
    EXPECT_TRUE(Ticked(IDC_INTERESTS_CHECK1));
    EXPECT_EQ(agent.ModalDialogs().size(), 0u);
}

}  // namespace
}  // namespace moduletest
