// A contact's Interests / Past page: his interests as drawn lines with their icons, and his
// affiliations and past background with the category names in bold, named by the host's lists.
#include "PageTestSupport.h"
#include "platform/controls/ListBoxState.h"
#include "platform/controls/RichEditApi.h"
#include "platform/text/Utf16.h"

namespace moduletest {
namespace {

constexpr int kInterestsViewTab = 5;

class InterestsViewPageTest : public PageFixture {
protected:
    void SetUp() override {
        PageFixture::SetUp();
        MCVariantPropertySet record = host->Record(contact);
        const std::tuple<int, const char*, int, const char*> slots[] = {
            {0, "never shown", 0, "hidden"},
            {kMusic, "ρεμπέτικο", kAlumni, ""},
            {4242, "unknown", kSportsClub, "Tennis"},
            {kTravel, "", kUniversity, "Lyon 2"}};
        for (int i = 0; i < 4; ++i) {
            const auto& [interest, interestText, category, categoryText] = slots[i];
            record["InterestCategory"][i] = interest;
            record["InterestText"][i] = std::string(interestText);
            if (i == 3) break;
            record["GroupCategory"][i] = category;
            record["GroupText"][i] = std::string(categoryText);
            record["PastCategory"][i] = i == 0 ? kUniversity : 0;
            record["PastText"][i] = std::string(i == 0 ? "Lycée du Parc" : "");
        }
    }
    // The rows as drawn: text, then "#" and the image drawn beside it.
    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        const HWND list = Control(IDC_INTERESTS_VIEW_LIST);
        for (int i = 0; i < SendMessage(list, LB_GETCOUNT, 0, 0); ++i) {
            std::string row = winport::ListBoxRowText(list, i);
            for (const auto& shape :
                 winport::DrawListBoxRow(list, i).value_or(std::vector<winport::DrawnShape>{})) {
                if (const auto* image = std::get_if<winport::DrawnImage>(&shape))
                    row += "#" + std::to_string(image->index);
            }
            rows.push_back(row);
        }
        return rows;
    }
    // The box's text with its bold runs in brackets; the control counts a line break as one
    // character.
    std::string Formatted(int id) const {
        std::u16string text = winport::Utf8ToUtf16(Shown(id));
        for (size_t at; (at = text.find(u"\r\n")) != std::u16string::npos;) text.erase(at + 1, 1);
        std::string out;
        for (const auto& run :
             winport::RichEditRuns(Control(id)).value_or(std::vector<winport::RichEditRun>{})) {
            const std::string part = winport::Utf16ToUtf8(text.substr(run.start, run.length));
            out += run.format.bold ? "[" + part + "]" : part;
        }
        return out;
    }
};

class InterestsViewPageWithListsTest : public InterestsViewPageTest {
protected:
    nuvclient::DataListServiceClass lists{NUV_CLIENT_DATA_DIR};
};

// Slots stand alone: an empty or unknown one leaves no line and no line break; a code without
// keywords still shows its name; the list ends with a blank line. Clearing empties the boxes.
TEST_F(InterestsViewPageWithListsTest, FilledSlotsShowAndAMissingListLeavesItsBoxEmpty) {
    OpenPage(contact, kInterestsViewTab);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Music : ρεμπέτικο#" + std::to_string(kMusicIcon),
                                                "Travel : #19", ""}));
    EXPECT_EQ(Formatted(IDC_INTERESTS_VIEW_GROUPS),
              "[Alumni Association: ]\r[Sports Club: ]Tennis");
    EXPECT_EQ(Formatted(IDC_INTERESTS_VIEW_PAST), "[University: ]Lycée du Parc");
    EXPECT_FALSE(IsWindowEnabled(Control(IDC_INTERESTS_VIEW_LIST)));

    Dialog(window)->GetPage(kInterestsViewTab)->PageClear();
    EXPECT_EQ(Shown({IDC_INTERESTS_VIEW_GROUPS, IDC_INTERESTS_VIEW_PAST}), "|");
    EXPECT_EQ(Rows().size(), 3u) << "the interests stay";

    // New details reload every box.
    host->Record(contact)["GroupCategory"][1] = 0;
    host->Record(contact)["InterestCategory"][1] = 0;
    Dialog(window)->DoRefresh();
    EXPECT_EQ(Formatted(IDC_INTERESTS_VIEW_GROUPS), "[Sports Club: ]Tennis");
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Travel : #19", ""}));
    // Without a list, or without the service, its box stays empty; the interests keep their blank
    // line. Lists once withheld stay so.
    for (const std::string missing : {"interest", "group", "all"}) {
        SCOPED_TRACE(missing);
        ASSERT_TRUE(lists.Withhold(missing));
        OpenPage(contact, kInterestsViewTab);
        EXPECT_EQ(Rows(), std::vector<std::string>{""});
        EXPECT_EQ(Shown(IDC_INTERESTS_VIEW_GROUPS).empty(), missing != "interest");
        EXPECT_EQ(Shown(IDC_INTERESTS_VIEW_PAST).empty(), missing == "all");
        DestroyWindow(window);
    }
}

}  // namespace
}  // namespace moduletest
