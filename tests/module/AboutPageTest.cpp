// The About page: the owner's text about himself, saved without trailing blanks, and in a
// contact's window the owner's notes, written as soon as he leaves them.
#include "PageTestSupport.h"

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
};

TEST_F(AboutPageTest, TheOwnerWritesAboutHimselfAndSavesItWithoutTrailingBlanks) {
    OpenPage(owner, kAboutTab);
    EXPECT_EQ(Shown(IDC_ABOUT_TEXT), "Tisseuse à Lyon.");
    EXPECT_FALSE(ReadOnly(IDC_ABOUT_TEXT));
    EXPECT_TRUE(Visible(IDC_ABOUT_EXPLANATION));
    EXPECT_FALSE(Visible(IDC_ABOUT_NOTES) || Visible(IDC_ABOUT_NOTES_FRAME));
    // The text takes the notes' place, its size kept, under the explanation.
    const RECT text = bctest::ScreenRect(Control(IDC_ABOUT_TEXT));
    EXPECT_EQ(text.bottom, bctest::ScreenRect(Control(IDC_ABOUT_NOTES)).bottom);
    EXPECT_EQ(bctest::ScreenRect(Control(IDC_ABOUT_FRAME)).bottom,
              bctest::ScreenRect(Control(IDC_ABOUT_NOTES_FRAME)).bottom);
    EXPECT_GE(text.top, bctest::ScreenRect(Control(IDC_ABOUT_EXPLANATION)).bottom);
    // At most 470 characters.
    ASSERT_TRUE(agent.Type(Control(IDC_ABOUT_TEXT), std::string(500, 'x')));
    EXPECT_EQ(Shown(IDC_ABOUT_TEXT).size(), 470u);

    ASSERT_TRUE(agent.Type(Control(IDC_ABOUT_TEXT), "  Soie et velours.   "));
    Save();
    EXPECT_EQ(Keys(owner, {"About", "UpdateInfoStatus"}),
              "  Soie et velours.|" + std::to_string(0x81));

    // An unchanged page has nothing to check and its save writes nothing.
    EXPECT_EQ(Dialog(window)->GetPage(kAboutTab)->PageValidate(), -1);
    host->Record(owner)["About"] = "Changed behind the page";
    Save();
    EXPECT_EQ(Keys(owner, {"About"}), "Changed behind the page");
}

TEST_F(AboutPageTest, TheOwnersNotesAboutAContactAreKeptAndOutliveAFetch) {
    OpenPage(contact, kAboutTab);
    EXPECT_EQ(Shown({IDC_ABOUT_FRAME, IDC_ABOUT_NOTES}), "In his own words|Met at the silk fair.");
    EXPECT_TRUE(ReadOnly(IDC_ABOUT_TEXT) && !Visible(IDC_ABOUT_EXPLANATION));
    // Enter starts a new line, as in any multi-line field.
    ASSERT_TRUE(agent.Type(Control(IDC_ABOUT_NOTES), "Owes me a scarf.\rCall in May."));
    ASSERT_TRUE(agent.Focus(Control(IDC_ABOUT_TEXT)));
    EXPECT_EQ(Keys(contact, {"Remarks"}), "Owes me a scarf.\r\nCall in May.");

    // Clearing the page empties the contact's text only; the window then goes unsaved.
    Dialog(window)->GetPage(kAboutTab)->PageClear();
    EXPECT_EQ(Shown({IDC_ABOUT_TEXT, IDC_ABOUT_NOTES}), "|Owes me a scarf.\r\nCall in May.");
    DestroyWindow(window);
    EXPECT_EQ(Keys(contact, {"Remarks", "About"}),
              "Owes me a scarf.\r\nCall in May.|Tisseuse à Lyon.");

    // Notes typed while the window fetches outlive the fetch.
    host->Record(contact)["LastUpdateDate"] = 0u;  // The window fetches as it opens.
    OpenPage(contact, kAboutTab);
    ASSERT_EQ(host->Operations().Running(), 1);
    ASSERT_TRUE(agent.Type(Control(IDC_ABOUT_NOTES), "Moved to Roubaix."));

    host->Record(contact)["About"] = "Tisseuse à Roubaix.";
    EXPECT_EQ(host->Operations().Last().callback->OnDone(), S_OK);
    winport::PumpMessages();
    // The page reloaded; the notes stay.
    EXPECT_EQ(Shown({IDC_ABOUT_TEXT, IDC_ABOUT_NOTES}), "Tisseuse à Roubaix.|Moved to Roubaix.");
    EXPECT_EQ(Keys(contact, {"Remarks"}), "Moved to Roubaix.");
}

}  // namespace
}  // namespace moduletest
