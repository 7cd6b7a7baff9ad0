// The phone location dialog as the owner uses it (and as a contact's number is shown): the
// number read into its fields, the joined number shown as he edits, the home country for a
// number without one, and the length check of OK.
#include "PageTestSupport.h"
#include "pages/personal/PhoneLocationDialog.h"

namespace moduletest {
namespace {

constexpr winport::StringResource kStrings[] = {{kPhoneLocationCaption, "Where the phone is"}};
constexpr winport::ResourceTable kTable{"phone strings", {}, {}, {}, kStrings};
constexpr int kMaxLength = 30;
constexpr int kPartEdits[] = {IDC_PHONE_LOCATION_NAME, IDC_PHONE_AREA, IDC_PHONE_LOCAL,
                              IDC_PHONE_EXTENSION};

class PhoneLocationDialogTest : public PageFixture {
protected:
    void SetUp() override {
        PageFixture::SetUp();
        UseStrings(kTable);
    }

    // Runs the dialog over the owner's record with |person| acting in it; answers how it ended
    // and the number it gives.
    std::pair<INT_PTR, std::string> Run(const std::string& text, bool editable,
                                        const std::function<void(HWND)>& person,
                                        PhoneTextSource source = PhoneTextSource::Typed) {
        agent.QueueDialogHandler(static_cast<int>(IDD_PHONE_LOCATION), person);
        MCVariantPropertySet record = host->Record(owner);
        CPhoneLocationDialog dialog(owner, editable, &record, text, source, kMaxLength, nullptr);
        const INT_PTR result = dialog.DoModal();
        return {result, dialog.GetPhoneText()};
    }
    // What a person reads in the dialog: preview, location, country, area, local, extension.
    static std::string Fields(HWND dialog) {
        return Texts(dialog, {IDC_PHONE_PREVIEW, IDC_PHONE_LOCATION_NAME, IDC_PHONE_COUNTRY,
                              IDC_PHONE_AREA, IDC_PHONE_LOCAL, IDC_PHONE_EXTENSION});
    }
};

TEST_F(PhoneLocationDialogTest, OpensWithTheNumberReadIntoItsFieldsAndShowsTheOwnersEdits) {
    std::string seen;
    const auto [cancelled, unchanged] = Run("Home: +1 (212) 9876 / 12", true, [&](HWND dialog) {
        seen = Text(dialog) + "#" + Fields(dialog);
        for (const int id : kPartEdits) EXPECT_FALSE(ReadOnly(Item(dialog, id)));
        EXPECT_TRUE(IsWindowEnabled(Item(dialog, IDC_PHONE_COUNTRY)));
        // The location takes at most 20 characters, the extension 4.
        agent.Type(Item(dialog, IDC_PHONE_LOCATION_NAME), "A long name for a location");
        agent.Type(Item(dialog, IDC_PHONE_EXTENSION), "123456");
        EXPECT_EQ(Texts(dialog, {IDC_PHONE_LOCATION_NAME, IDC_PHONE_EXTENSION}),
                  "A long name for a lo|1234");
        agent.Click(Item(dialog, IDCANCEL));
    });
    EXPECT_EQ(seen, "Where the phone is#Home: +1 (212) 9876 / 12|Home|United States|212|9876|12");
    EXPECT_EQ(cancelled, IDCANCEL);

    // The owner's edits show the joined number.
    std::vector<std::string> previews;
    const auto [result, number] = Run("Work: 555-1234", true, [&](HWND dialog) {
        const auto preview = [&] { previews.push_back(Text(Item(dialog, IDC_PHONE_PREVIEW))); };
        preview();
        agent.PickComboItem(Item(dialog, IDC_PHONE_COUNTRY), "United Kingdom");
        preview();
        agent.Type(Item(dialog, IDC_PHONE_AREA), " 020 ");
        preview();
        agent.Type(Item(dialog, IDC_PHONE_EXTENSION), "7");
        preview();
        // The location is no part of the number; what the program writes is no edit of his.
        agent.Type(Item(dialog, IDC_PHONE_LOCATION_NAME), "Office");
        SetWindowText(Item(dialog, IDC_PHONE_LOCAL), "4321");
        preview();
        agent.Click(Item(dialog, IDOK));
    });
    EXPECT_EQ(previews,
              (std::vector<std::string>{"Work: 555-1234", " +44 (555) 1234", " +44 (20) 1234",
                                        " +44 (20) 1234 / 7", " +44 (20) 1234 / 7"}));
    // OK takes the fields as they stand, blanks around them dropped as while typing.
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(number, " +44 (20) 4321 / 7");
}

// A typed number without a country takes the home country; a stored number has none to guess,
// and OK gives it back exactly as it was.
TEST_F(PhoneLocationDialogTest, ANumberWithoutACountryTakesTheHomeCountryUnlessStored) {
    for (const auto& [homeCountry, text, source, country, joined] : std::initializer_list<
             std::tuple<int, const char*, PhoneTextSource, const char*, const char*>>{
             {44, "Cellular: 9876", PhoneTextSource::Typed, "United Kingdom", " +44 9876"},
             {0, "Cellular: 9876", PhoneTextSource::Typed, "United States", " +1 9876"},
             {-1, "Cellular: 9876", PhoneTextSource::Typed, "United States", " +1 9876"},
             {44, "Work: +33 (4) 72 00 11 22 / 305", PhoneTextSource::Stored, "France",
              " +33 (4) 72 00 11 22 / 305"},
             {44, "Work:9876 / 12", PhoneTextSource::Stored, "", " 9876 / 12"},
             {44, "Work: (44) 1234", PhoneTextSource::Stored, "", " (44) 1234"}}) {
        SCOPED_TRACE(text);
        host->Record(owner)["HomeCountry"] = homeCountry;
        std::string shown;
        const auto [result, number] = Run(
            text, true,
            [&](HWND dialog) {
                shown = Text(Item(dialog, IDC_PHONE_COUNTRY));
                agent.Click(Item(dialog, IDOK));
            },
            source);
        EXPECT_EQ(std::tie(result, shown, number), std::tuple(IDOK, country, joined));
    }
}

TEST_F(PhoneLocationDialogTest, OkRefusesANumberLongerThanTheMaximumAndKeepsTheDialogOpen) {
    bool stayed = false;
    const auto [result, number] =
        Run("Home: +212 (2125) 98765432101 / 1234", true, [&](HWND dialog) {
            agent.Click(Item(dialog, IDOK));
            stayed = IsWindowVisible(dialog);
            // One digit less makes 30 characters, the leading blank counted: accepted.
            agent.Type(Item(dialog, IDC_PHONE_LOCAL), "9876543210");
            agent.Click(Item(dialog, IDOK));
        });
    ASSERT_EQ(agent.MessageBoxes().size(), 1u);
    const winport::MessageBoxRequest& box = agent.MessageBoxes()[0].request;
    EXPECT_EQ(box.text + "|" + box.caption,
              "Phone number length is 31. It should be between 0 and 30|Phone Number Length");
    EXPECT_EQ(box.style & (MB_ICONMASK | MB_TYPEMASK), MB_ICONEXCLAMATION | MB_OK);
    EXPECT_TRUE(stayed);
    EXPECT_EQ(std::pair(result, number),
              std::pair(INT_PTR{IDOK}, std::string(" +212 (2125) 9876543210 / 1234")));

    // The length counts characters, not the bytes of their UTF-8.
    const auto [wideResult, wideNumber] =
        Run("Home: +212 (2125) 9876543210 / 1234", true, [&](HWND dialog) {
            agent.Type(Item(dialog, IDC_PHONE_LOCAL), "９８７６５４３２１０");
            agent.Click(Item(dialog, IDOK));
        });
    EXPECT_EQ(agent.MessageBoxes().size(), 1u);
    EXPECT_EQ(std::pair(wideResult, wideNumber),
              std::pair(INT_PTR{IDOK}, std::string(" +212 (2125) ９８７６５４３２１０ / 1234")));
}

TEST_F(PhoneLocationDialogTest, AContactsNumberIsShownReadOnly) {
    std::string seen;
    const auto [result, number] = Run("Home: +1 (212) 9876", false, [&](HWND dialog) {
        for (const int id : kPartEdits) EXPECT_TRUE(ReadOnly(Item(dialog, id)));
        EXPECT_FALSE(IsWindowEnabled(Item(dialog, IDC_PHONE_COUNTRY)));
        agent.Type(Item(dialog, IDC_PHONE_LOCAL), "1111");
        seen = Fields(dialog);
        agent.Click(Item(dialog, IDOK));
    });
    EXPECT_EQ(seen, "Home: +1 (212) 9876|Home|United States|212|9876|");
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(number, " +1 (212) 9876");
}

}  // namespace
}  // namespace moduletest
