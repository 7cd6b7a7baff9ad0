// The About page: the owner's text about himself, saved without trailing blanks, and in a
// contact's window the owner's notes, written as soon as he leaves them.
#include <gtest/gtest.h>

#include "PageTestSupport.h"
#include "TestOperations.h"
#include "module/host/HostStringIds.h"
#include "platform/message/MessageApi.h"
#include "platform/resources/ResourceChain.h"
#include "res/ResourceIds.h"

namespace moduletest {
namespace {

constexpr int kAboutTab = 4;
constexpr winport::StringResource kStrings[] = {{kContactAboutCaption, "In his own words"}};
constexpr winport::ResourceTable kTable{"about strings", {}, {}, {}, kStrings};

class AboutPageTest : public PageFixture {
protected:
    void SetUp() override {
        PageFixture::SetUp();
        UseStrings(kTable);
        for (BCUserInfo* user : {owner, contact}) {
            MCVariantPropertySet record = host->Record(user);
            record["About"] = "Tisseuse à Lyon.";
            record["Remarks"] = "Met at the silk fair.";
            record["UpdateInfoStatus"] = 0x00C1;
        }
    }
    RECT Placed(int id) const {
        RECT rect{};
        GetWindowRect(Control(id), &rect);
        return rect;
    }
};

TEST_F(AboutPageTest, TheOwnerWritesAboutHimselfAndSavesItWithoutTrailingBlanks) {
    const HWND about = OpenPage(owner, kAboutTab);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(Shown(IDC_ABOUT_TEXT), "Tisseuse à Lyon.");
    EXPECT_FALSE(ReadOnly(IDC_ABOUT_TEXT));
    EXPECT_TRUE(Visible(IDC_ABOUT_EXPLANATION));
    EXPECT_FALSE(Visible(IDC_ABOUT_NOTES));
    EXPECT_FALSE(Visible(IDC_ABOUT_NOTES_FRAME));
    // The text takes the notes' place, its size kept, under the explanation.
    const RECT text = Placed(IDC_ABOUT_TEXT);
    EXPECT_EQ(text.bottom, Placed(IDC_ABOUT_NOTES).bottom);
    EXPECT_EQ(Placed(IDC_ABOUT_FRAME).bottom, Placed(IDC_ABOUT_NOTES_FRAME).bottom);
    EXPECT_GE(text.top, Placed(IDC_ABOUT_EXPLANATION).bottom);
    // At most 470 characters.
    ASSERT_TRUE(agent.Type(Control(IDC_ABOUT_TEXT), std::string(500, 'x')));
    EXPECT_EQ(Shown(IDC_ABOUT_TEXT).size(), 470u);

    ASSERT_TRUE(agent.Type(Control(IDC_ABOUT_TEXT), "  Soie et velours.   "));
    Save();
    MCVariantPropertySet record = host->Record(owner);
    EXPECT_EQ(std::string(record["About"]), "  Soie et velours.");
    EXPECT_EQ(static_cast<unsigned short>(record["UpdateInfoStatus"]), 0x0081);

    // An unchanged page has nothing to check and its save writes nothing.
    EXPECT_EQ(Dialog(window)->GetPage(kAboutTab)->PageValidate(), -1);
    host->Record(owner)["About"] = "Changed behind the page";
    Save();
    EXPECT_EQ(std::string(host->Record(owner)["About"]), "Changed behind the page");
}

TEST_F(AboutPageTest, TheOwnersNotesAboutAContactAreKeptAsSoonAsHeLeavesThem) {
    ASSERT_NE(OpenPage(contact, kAboutTab), nullptr);
    EXPECT_EQ(Shown(IDC_ABOUT_FRAME), "In his own words");
    EXPECT_TRUE(ReadOnly(IDC_ABOUT_TEXT));
    EXPECT_FALSE(Visible(IDC_ABOUT_EXPLANATION));
    EXPECT_EQ(Shown(IDC_ABOUT_NOTES), "Met at the silk fair.");
    // Enter starts a new line, as in any multi-line field.
    ASSERT_TRUE(agent.Type(Control(IDC_ABOUT_NOTES), "Owes me a scarf.\rCall in May."));
    ASSERT_TRUE(agent.Focus(Control(IDC_ABOUT_TEXT)));
    EXPECT_EQ(std::string(host->Record(contact)["Remarks"]), "Owes me a scarf.\r\nCall in May.");

    // Clearing the page empties the contact's text only; the window then goes unsaved.
    Dialog(window)->GetPage(kAboutTab)->PageClear();
    EXPECT_EQ(Shown(IDC_ABOUT_TEXT), "");
    EXPECT_EQ(Shown(IDC_ABOUT_NOTES), "Owes me a scarf.\r\nCall in May.");
    DestroyWindow(window);
    EXPECT_EQ(std::string(host->Record(contact)["Remarks"]), "Owes me a scarf.\r\nCall in May.");
    EXPECT_EQ(std::string(host->Record(contact)["About"]), "Tisseuse à Lyon.");
}

TEST_F(AboutPageTest, NotesTypedWhileTheWindowFetchesOutliveTheFetch) {
    host->Record(contact)["LastUpdateDate"] = 0u;  // The window fetches as it opens.
    ASSERT_NE(OpenPage(contact, kAboutTab), nullptr);
    ASSERT_EQ(host->Operations().Running(), 1);
    ASSERT_TRUE(agent.Type(Control(IDC_ABOUT_NOTES), "Moved to Roubaix."));

    host->Record(contact)["About"] = "Tisseuse à Roubaix.";
    EXPECT_EQ(host->Operations().Last().callback->OnDone(), S_OK);
    winport::PumpMessages();
    EXPECT_EQ(Shown(IDC_ABOUT_TEXT), "Tisseuse à Roubaix.") << "the page reloaded";
    EXPECT_EQ(Shown(IDC_ABOUT_NOTES), "Moved to Roubaix.");
    EXPECT_EQ(std::string(host->Record(contact)["Remarks"]), "Moved to Roubaix.");
}

}  // namespace
}  // namespace moduletest
