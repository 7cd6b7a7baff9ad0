// The owner's window driven by the keyboard alone, with X key events on a real display: Tab and
// Shift+Tab, Enter on the focused button and on the window, the e-mail dialog, an arrow to change
// tabs, a letter and arrows to pick a country, and Escape to close.
#include "GuiDesktopFixture.h"

namespace viewtest {
namespace {

class GuiKeyboardTest : public GuiDesktopTest {
protected:
    // Presses |key| |times| times.
    void Keys(const std::string& key, int times) {
        std::string keys;
        for (int i = 0; i < times; ++i) keys += key + " ";
        Xdotool("key --delay 40 " + keys);
        std::this_thread::sleep_for(200ms);
    }
};

TEST_F(GuiKeyboardTest, OwnerAddsAnAddressPicksACountryAndSavesWithTheKeyboardAlone) {
    const std::string window = StartGui({"owner"}, "My Info");
    ASSERT_TRUE(Active(window)) << "no window on the display";
    // From the tabs: the four buttons, the six fields of the Main page before the e-mail list,
    // the list, then Add, which Enter presses.
    Keys("Tab", 11);
    Xdotool("key Return");
    const std::string dialog = WindowNamed("Email Address");
    ASSERT_TRUE(Active(dialog)) << "Enter on Add opened no dialog";
    Xdotool("type --delay 30 \"elodie@clavier.example\"");
    Xdotool("key Return");
    ASSERT_TRUE(WaitUntil([&] { return !Shown("Email Address"); }));
    ASSERT_TRUE(Active(window));
    // Back from Add to the tabs, on to the Home page, and through it to the country.
    Keys("shift+Tab", 11);
    Keys("Right", 1);
    Keys("Tab", 10);
    Keys("b", 1);
    Keys("Down", 5);
    Xdotool("key Return");  // The window's default button: Save.
    ASSERT_TRUE(Publishes("HomeCountry", 32)) << "Belgium did not reach the directory";
    std::this_thread::sleep_for(300ms);
    Xdotool("key Escape");
    ASSERT_TRUE(Exited()) << "Escape did not close the window";
    const auto emails = Stored(kOwner, "AdditionalOwnerEmails");
    ASSERT_TRUE(emails && emails->Type() == nuvclient::ValueType::List);
    ASSERT_EQ(emails->Elements().size(), 3u);
    const nuvclient::Value* added = emails->Elements()[2].Members().Find("Email");
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->Text(), "elodie@clavier.example");
}

}  // namespace
}  // namespace viewtest
