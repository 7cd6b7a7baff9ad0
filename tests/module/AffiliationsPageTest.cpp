// The Affiliations page: rows of a category from the host's "group" or "pastbg" list and their
// keywords, counted only while ticked; a category without keywords asked about once.
#include "PageTestSupport.h"

namespace moduletest {
namespace {

constexpr int kAffiliationsTab = 5;

class AffiliationsPageTest : public PageFixture {
protected:
    void SetUp() override {
        PageFixture::SetUp();
        UseStrings(kMissingKeywordsTable);
        MCVariantPropertySet record = host->Record(owner);
        for (const auto& [i, code, text] :
             {std::tuple{0, kSportsClub, "Tennis à Lyon"}, {1, 0, ""}, {2, 4242, "Stars"}}) {
            record["GroupCategory"][i] = code;
            record["GroupText"][i] = std::string(text);
            record["PastCategory"][i] = 0;
            record["PastText"][i] = std::string();
        }
        record["UpdateInfoStatus"] = 0x01C1;
    }
    std::string Selected(int list) const {
        const LRESULT index = SendMessage(Control(list), CB_GETCURSEL, 0, 0);
        return index == CB_ERR
                   ? "(none)"
                   : bctest::ComboEntries(Control(list))[static_cast<size_t>(index)].first;
    }
};

using AffiliationsPageWithListsTest = WithShippedLists<AffiliationsPageTest>;

TEST_F(AffiliationsPageWithListsTest, RowsShowTheRecordAndSaveOnlyWhatIsTicked) {
    OpenPage(owner, kAffiliationsTab);
    EXPECT_EQ(Selected(IDC_AFFIL_GROUP_LIST1), "Sports Club");
    EXPECT_EQ(Shown(IDC_AFFIL_GROUP_TEXT1), "Tennis à Lyon");
    EXPECT_TRUE(Enabled(IDC_AFFIL_GROUP_TEXT1));
    EXPECT_FALSE(Enabled(IDC_AFFIL_GROUP_LIST2));
    // A code the list does not hold: ticked, no entry shown.
    EXPECT_EQ(Selected(IDC_AFFIL_GROUP_LIST3), "(none)");
    EXPECT_EQ(SendMessage(Control(IDC_AFFIL_GROUP_CHECK3), BM_GETCHECK, 0, 0), BST_CHECKED);

    // A new past background; 60 characters at most.
    ASSERT_TRUE(agent.Tick(Control(IDC_AFFIL_PAST_CHECK1)));
    EXPECT_TRUE(Enabled(IDC_AFFIL_PAST_LIST1));
    ASSERT_TRUE(agent.PickComboItem(Control(IDC_AFFIL_PAST_LIST1), "University"));
    EXPECT_EQ(GetFocus(), Control(IDC_AFFIL_PAST_TEXT1)) << "the pick moves on to the keywords";
    ASSERT_TRUE(agent.Type(Control(IDC_AFFIL_PAST_TEXT1), "Λυών " + std::string(70, 'x')));
    EXPECT_EQ(Shown(IDC_AFFIL_PAST_TEXT1).size(), std::string("Λυών ").size() + 55);
    ASSERT_TRUE(agent.Type(Control(IDC_AFFIL_PAST_TEXT1), "Université Lyon 2"));
    // The first row unticked is saved empty, whatever it still shows.
    ASSERT_TRUE(agent.Tick(Control(IDC_AFFIL_GROUP_CHECK1), winport::CheckState::Unchecked));
    EXPECT_EQ(Shown(IDC_AFFIL_GROUP_TEXT1), "Tennis à Lyon");
    Save();
    EXPECT_EQ(BoxTexts(), Lines{});
    // The code the list lacks is kept.
    EXPECT_EQ(Keys(owner, {"GroupCategory[0]", "GroupText[0]", "GroupCategory[2]", "GroupText[2]",
                           "PastCategory[0]", "PastText[0]", "UpdateInfoStatus"}),
              "0||4242|Stars|" + std::to_string(kUniversity) + "|Université Lyon 2|" +
                  std::to_string(0x00C1));
}

// A ticked row with a category and no keywords: one question, the affiliations first. Yes goes
// back to the page and saves nothing; No saves the category without keywords.
TEST_F(AffiliationsPageWithListsTest, ACategoryWithoutKeywordsIsAskedAboutOnce) {
    OpenPage(owner, kAffiliationsTab);
    ASSERT_TRUE(agent.Tick(Control(IDC_AFFIL_GROUP_CHECK2)));
    ASSERT_TRUE(agent.PickComboItem(Control(IDC_AFFIL_GROUP_LIST2), "Alumni Association"));
    ASSERT_TRUE(agent.Tick(Control(IDC_AFFIL_PAST_CHECK2)));
    ASSERT_TRUE(agent.PickComboItem(Control(IDC_AFFIL_PAST_LIST2), "University"));
    for (const int answer : {IDYES, IDNO}) {
        SCOPED_TRACE(answer == IDYES ? "Yes" : "No");
        const size_t boxes = agent.MessageBoxes().size();
        agent.QueueMessageBoxAnswer(answer);
        Save();
        ASSERT_EQ(agent.MessageBoxes().size(), boxes + 1);
        EXPECT_EQ(agent.MessageBoxes().back().request.caption, "Keywords Missing");
        EXPECT_EQ(agent.MessageBoxes().back().request.style & MB_TYPEMASK, MB_YESNO);
        EXPECT_EQ(
            Keys(owner, {"GroupCategory[1]", "PastCategory[1]"}),
            answer == IDYES ? "0|0" : std::to_string(kAlumni) + "|" + std::to_string(kUniversity));
    }
}

}  // namespace
}  // namespace moduletest
