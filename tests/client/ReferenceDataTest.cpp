#include "client/reference/ReferenceData.h"

#include <limits>
#include <map>
#include <set>

#include "ClientTestSupport.h"
#include "client/reference/CallingCodes.h"
#include "client/store/Store.h"
#include "hostlib/reference/ReferenceCombos.h"
#include "platform/controls/ComboBoxApi.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"
#include "tests/hostlib/BCDialogTestSupport.h"

namespace nuvclient::test {
namespace {

class ReferenceDataTest : public ::testing::Test {
protected:
    void SetUp() override { SetHostReferenceData(&data); }
    void TearDown() override { SetHostReferenceData(nullptr); }

    // Read once for the whole suite.
    static const ReferenceData& Load() {
        static const ReferenceData loaded;
        return loaded;
    }
    const ReferenceData& data = Load();
};

TEST_F(ReferenceDataTest, TheSampleUsersSpeakRealLanguages) {
    TempFolder folder;
    const std::unique_ptr<Store> store =
        OpenDataFolder(folder.Path() / "data", NUV_CLIENT_DATA_DIR);
    const std::optional<Value> languages =
        store->ReadKey(store->Users().front().number, "Language");
    ASSERT_TRUE(languages);
    std::vector<std::string> names;
    for (const Value& language : languages->Elements()) {
        names.push_back(GetLanguageName(static_cast<int>(language.Integer())));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"English", "French", "German"}));
}

TEST_F(ReferenceDataTest, KnownCountriesHaveTheirCodes) {
    struct Known {
        const char* name;
        int code;
        int callingCode;
    };
    // Canada shares calling code 1 with its owner, so its code is 1000 + ISO numeric 124.
    for (const Known& known : {Known{"France", 33, 33}, Known{"Greece", 30, 30},
                               Known{"Japan", 81, 81}, Known{"Russian Federation", 7, 7},
                               Known{"United States", 1, 1}, Known{"United Kingdom", 44, 44},
                               Known{"Canada", 1124, 1}, Known{"Kazakhstan", 1398, 7}}) {
        SCOPED_TRACE(known.name);
        EXPECT_STREQ(GetCountryName(known.code), known.name);
        EXPECT_EQ(GetTelephonyCountryCode(known.name), known.callingCode);
    }
    // 42 is no country's calling code; Antarctica has none, and its code is 1000 + 010.
    for (const int none : {0, 42, 1000}) EXPECT_EQ(GetCountryName(none), nullptr) << none;
    EXPECT_STREQ(GetCountryName(212), "Morocco");
    EXPECT_STREQ(GetCountryName(1010), "Antarctica");
    EXPECT_EQ(GetTelephonyCountryCode("Unknown") + GetTelephonyCountryCode("Antarctica"), 0);
}

// The table written at build time: every region found by its code, and every calling code owned
// by exactly one region.
TEST(CallingCodeTable, EveryRegionIsFoundAndEveryCodeHasOneOwner) {
    std::map<int, int> owners;
    ASSERT_GT(RegionCallingCodes().size(), 240u);
    for (const RegionCallingCode& entry : RegionCallingCodes()) {
        EXPECT_EQ(FindCallingCode(entry.region), &entry) << entry.region;
        owners[entry.callingCode] += entry.ownsCode ? 1 : 0;
    }
    for (const auto& [code, count] : owners) EXPECT_EQ(count, 1) << code;
    for (const char* none : {"", "A", "AQ", "ZZ", "FRA", "fr"}) {
        EXPECT_EQ(FindCallingCode(none), nullptr) << none;
    }
}

TEST_F(ReferenceDataTest, CountryAndLanguageCodesAreUniqueAndFitTheirTypes) {
    std::set<int> codes;
    std::set<std::string> names;
    ASSERT_GT(data.Countries().size(), 240u);
    for (const HostCountry& country : data.Countries()) {
        EXPECT_GT(country.code, 0) << country.name;
        EXPECT_TRUE(codes.insert(country.code).second) << country.name << " " << country.code;
        EXPECT_TRUE(names.insert(country.name).second) << country.name;
        // A code below 1000 is the country's own calling code.
        if (country.code < 1000) {
            EXPECT_EQ(country.code, country.callingCode) << country.name;
        }
    }
    EXPECT_LE(*codes.rbegin(), std::numeric_limits<short>::max());

    // Languages have unique codes of one byte and plain names; genders and months are read
    // through the pages (MorePageTest).
    std::set<int> languages;
    bool spanish = false;
    for (const HostLanguage& language : data.Languages()) {
        EXPECT_GE(language.code, 1);
        EXPECT_LE(language.code, 255);
        EXPECT_TRUE(languages.insert(language.code).second) << language.name;
        EXPECT_EQ(language.name.find(';'), std::string::npos) << language.name;
        spanish = spanish || language.name == "Spanish";
    }
    EXPECT_GT(languages.size(), 150u);
    EXPECT_TRUE(spanish);
}

// How the combos are filled is the host library's (HostReferenceDataTest); the real countries
// come sorted as a person reads them, accents and all.
TEST_F(ReferenceDataTest, CombosShowTheRealTablesInOrder) {
    const HWND combo = CreateWindowEx(0, kComboBoxClassName, "", WS_POPUP | CBS_DROPDOWNLIST, 0, 0,
                                      120, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(SetCountriesCombo(combo), static_cast<int>(data.Countries().size()));
    const bctest::ComboItems entries = bctest::ComboEntries(combo);
    EXPECT_EQ(entries[static_cast<size_t>(GetCountryComboIndex(combo, 33))].first, "France");
    // Accents do not send Åland to the end.
    EXPECT_EQ(entries[0].first + "|" + entries[1].first, "Afghanistan|Åland Islands");
    EXPECT_GT(SetLanguagesCombo(combo), 150);
    DestroyWindow(combo);
}

TEST(ReferenceDataFiles, MissingOrBrokenTablesNameTheFile) {
    TempFolder folder;
    EXPECT_THAT([&] { ReferenceData data(folder.Path()); },
                ::testing::ThrowsMessage<ReferenceDataError>(
                    ::testing::HasSubstr("iso_3166-1.json: cannot be opened")));
    WriteBytes(folder.Path() / "iso_3166-1.json", "{\"3166-1\": [{\"alpha_2\": \"FR\"");
    EXPECT_THROW(ReferenceData{folder.Path()}, ReferenceDataError);
    WriteBytes(folder.Path() / "iso_3166-1.json", "{\"3166-1\": [{\"alpha_2\": \"FR\"}]}");
    EXPECT_THROW(ReferenceData{folder.Path()}, ReferenceDataError);  // No name, no number.
}

}  // namespace
}  // namespace nuvclient::test
