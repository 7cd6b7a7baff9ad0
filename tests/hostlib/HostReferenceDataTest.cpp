#include "hostlib/reference/HostReferenceData.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "BCDialogTestSupport.h"
#include "hostlib/reference/ImageLists.h"
#include "hostlib/reference/ReferenceCombos.h"
#include "module/host/MINUVDataList.h"
#include "platform/com/ComObject.h"
#include "platform/core/LastError.h"

namespace {

class TestReferenceData final : public HostReferenceData {
public:
    std::span<const HostCountry> Countries() const override { return m_countries; }
    std::span<const HostLanguage> Languages() const override { return m_languages; }
    std::span<const std::string> Genders() const override { return m_genders; }
    std::span<const std::string> MonthNames() const override { return m_months; }

private:
    std::vector<HostCountry> m_countries = {
        {1124, "Canada", 1}, {33, "France", 33}, {30, "Greece", 30}, {1, "United States", 1}};
    std::vector<HostLanguage> m_languages = {{12, "English"}, {40, "French"}, {30, "Greek"}};
    std::vector<std::string> m_genders = {"Female", "Male"};
    std::vector<std::string> m_months = {"January",   "February", "March",    "April",
                                         "May",       "June",     "July",     "August",
                                         "September", "October",  "November", "December"};
};

// A data list of rows (code, name, level); row 2 has no name.
class TestDataList final : public winport::ComObject<MINUVDataList> {
public:
    struct Row {
        LONG code;
        const char* name;
        LONG level;
    };
    explicit TestDataList(std::vector<Row> rows) : m_rows(std::move(rows)) {}

    HRESULT GetCount(LONG* count) override {
        *count = static_cast<LONG>(m_rows.size());
        return S_OK;
    }
    HRESULT GetLong(LONG row, const char* field, LONG* value) override {
        const std::string name = field;
        if (!Valid(row) || (name != "code" && name != "level")) return E_INVALIDARG;
        *value = name == "code" ? At(row).code : At(row).level;
        return S_OK;
    }
    HRESULT GetString(LONG row, const char* field, const char** text) override {
        if (!Valid(row) || std::string(field) != "name" || !At(row).name) return E_FAIL;
        *text = At(row).name;
        return S_OK;
    }
    HRESULT GetHandle(LONG, const char*, void**) override { return E_NOTIMPL; }
    HRESULT FindRow(const char*, LONG, LONG*) override { return E_NOTIMPL; }

private:
    bool Valid(LONG row) const { return row >= 0 && row < static_cast<LONG>(m_rows.size()); }
    const Row& At(LONG row) const { return m_rows[static_cast<std::size_t>(row)]; }
    std::vector<Row> m_rows;
};

using Entries = bctest::ComboItems;

class HostReferenceDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetHostReferenceData(&data);
        parent = CreateWindowEx(0, "Static", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr,
                                nullptr, nullptr);
        ASSERT_NE(parent, nullptr);
        combo = CreateWindowEx(0, kComboBoxClassName, "", WS_CHILD | CBS_DROPDOWNLIST, 0, 0, 120,
                               100, parent, nullptr, nullptr, nullptr);
        ASSERT_NE(combo, nullptr);
    }
    void TearDown() override {
        DestroyWindow(parent);
        SetHostReferenceData(nullptr);
    }

    Entries Seen() const { return bctest::ComboEntries(combo); }
    LRESULT Selection() const { return SendMessage(combo, CB_GETCURSEL, 0, 0); }

    TestReferenceData data;
    HWND parent = nullptr;
    HWND combo = nullptr;
};

TEST_F(HostReferenceDataTest, NamesAndCodesAreLookedUpBothWays) {
    EXPECT_STREQ(GetCountryName(33), "France");
    EXPECT_STREQ(GetCountryName(1124), "Canada");
    EXPECT_EQ(GetCountryName(0), nullptr);
    EXPECT_EQ(GetCountryName(999), nullptr);
    char buffer[5];
    EXPECT_EQ(GetCountryName(30, buffer, sizeof(buffer)), buffer);
    EXPECT_STREQ(buffer, "Gree");  // Cut to fit.
    EXPECT_EQ(GetTelephonyCountryCode("Canada"), 1);
    EXPECT_EQ(GetTelephonyCountryCode("GREECE"), 30);
    EXPECT_EQ(GetTelephonyCountryCode("Atlantis"), 0);
    EXPECT_EQ(GetTelephonyCountryCode(nullptr), 0);

    SetHostReferenceData(nullptr);
    EXPECT_EQ(GetCountryName(33), nullptr);
    EXPECT_EQ(GetTelephonyCountryCode("France"), 0);
    EXPECT_STREQ(GetMonthString(1), "");
    SetHostReferenceData(&data);

    const std::pair<const char*, const char*> names[] = {
        {GetLanguageName(40), "French"}, {GetLanguageName(0), ""},
        {GetLanguageName(41), ""},       {GetGenderName(1), "Female"},
        {GetGenderName(2), "Male"},      {GetGenderName(0), ""},
        {GetGenderName(3), ""},          {GetMonthString(0), ""},
        {GetMonthString(13), ""},        {GetMonthString(12), "December"},
        {GetMonthString(2), "February"}, {GetMonthString(-1), ""}};
    for (size_t i = 0; i < std::size(names); ++i)
        EXPECT_STREQ(names[i].first, names[i].second) << "name " << i;
}

TEST_F(HostReferenceDataTest, CombosShowNamesWithCodesTheLanguagesAndGendersAfterNone) {
    SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("stale"));
    EXPECT_EQ(SetCountriesCombo(combo), 4);
    EXPECT_EQ(Seen(),
              (Entries{{"Canada", 1124}, {"France", 33}, {"Greece", 30}, {"United States", 1}}));
    EXPECT_EQ(GetCountryComboIndex(combo, 30), 2);
    EXPECT_EQ(GetCountryComboIndex(combo, 44), CB_ERR);
    for (const auto& [code, index, value] : {std::tuple{1, 3, 1}, {7, CB_ERR, 0}}) {
        EXPECT_EQ(SelectComboByItemData(combo, code), index);
        EXPECT_EQ(Selection(), index);
        EXPECT_EQ(GetComboCurSelValue(combo), value);
    }

    // The language and gender combos start with an entry for none.
    EXPECT_EQ(SetLanguagesCombo(combo), 4);
    EXPECT_EQ(Seen(), (Entries{{"", 0}, {"English", 12}, {"French", 40}, {"Greek", 30}}));
    EXPECT_EQ(GetLanguageComboIndex(combo, 30), 3);
    EXPECT_EQ(GetLanguageComboIndex(combo, 0), 0);
    EXPECT_EQ(GetLanguageComboIndex(combo, 99), CB_ERR);

    EXPECT_EQ(SetGenderCombo(combo), 3);
    EXPECT_EQ(Seen(), (Entries{{"", 0}, {"Female", 1}, {"Male", 2}}));

    SetHostReferenceData(nullptr);
    EXPECT_EQ(SetCountriesCombo(combo), 0);
    EXPECT_TRUE(Seen().empty());
}

// An empty entry, then the month's days; a day the month lacks selects the empty entry.
TEST_F(HostReferenceDataTest, DayListFollowsMonthAndYear) {
    for (const auto& [day, month, year, days, selected] : {
             std::tuple{29, 2, 2024, 29, 29},
             {29, 2, 2023, 28, 0},
             {28, 2, 2023, 28, 28},
             {5, 2, 1900, 28, 5},  // Century years are leap only by 400.
             {5, 2, 2000, 29, 5},
             {29, 2, 0, 29, 29},  // No year: 29 February can be.
             {31, 4, 2024, 30, 0},
             {31, 0, 2024, 31, 31},
             {CB_ERR, 1, 2024, 31, CB_ERR},
         }) {
        SCOPED_TRACE(std::to_string(day) + "/" + std::to_string(month) + "/" +
                     std::to_string(year));
        EXPECT_EQ(SetDaysCombo(combo, day, month, year), days);
        const Entries seen = Seen();
        ASSERT_EQ(seen.size(), static_cast<size_t>(days) + 1);
        EXPECT_EQ(seen.front(), (std::pair<std::string, LRESULT>{"", 0}));
        EXPECT_EQ(seen.back(), (std::pair<std::string, LRESULT>{std::to_string(days), days}));
        EXPECT_EQ(Selection(), selected);
    }
}

TEST_F(HostReferenceDataTest, NumberStringComboAppendsNamedRows) {
    auto list = winport::MakeComObject<TestDataList>(std::vector<TestDataList::Row>{
        {5, "Engineering", 0}, {9, "Software", 1}, {11, nullptr, 0}, {3, "Arts", 0}});
    SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(""));
    EXPECT_EQ(SetNumberStringCombo(combo, list.Get(), 0), 3);
    EXPECT_EQ(Seen(), (Entries{{"", 0}, {"Engineering", 5}, {"Software", 9}, {"Arts", 3}}));
    EXPECT_EQ(SelectComboByItemData(combo, 9), 2);

    SendMessage(combo, CB_RESETCONTENT, 0, 0);
    EXPECT_EQ(SetNumberStringCombo(combo, list.Get(), 1), 2);  // Top entries only.
    EXPECT_EQ(Seen(), (Entries{{"Engineering", 5}, {"Arts", 3}}));
    EXPECT_EQ(SetNumberStringCombo(combo, nullptr, 0), -1);
    EXPECT_EQ(list->RefCount(), 1u);
}

TEST_F(HostReferenceDataTest, ZodiacImageListHasThirteenDistinctImages) {
    const HIMAGELIST list = CreateImageList(1056, 13);
    ASSERT_NE(list, nullptr) << winport::GetLastErrorText();
    EXPECT_EQ(ImageList_GetImageCount(list), 13);
    int cx = 0;
    int cy = 0;
    ASSERT_TRUE(ImageList_GetIconSize(list, &cx, &cy));
    EXPECT_EQ(std::pair(cx, cy), std::pair(16, 16));
    std::set<std::vector<std::uint32_t>> images;
    for (int i = 0; i < 13; ++i) {
        const winport::PixelImagePtr pixels = winport::ImageListImagePixels(list, i);
        ASSERT_NE(pixels, nullptr);
        images.insert(pixels->pixels);
        std::set<std::uint32_t> colours(pixels->pixels.begin(), pixels->pixels.end());
        EXPECT_GE(colours.size(), 2u) << "image " << i << " is blank";
    }
    EXPECT_EQ(images.size(), 13u);
    ImageList_Destroy(list);

    EXPECT_EQ(CreateImageList(1056, 5), nullptr);  // 208 pixels are not five equal images.
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(CreateImageList(1056, 0), nullptr);
    EXPECT_EQ(CreateImageList(31999, 13), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_RESOURCE_NAME_NOT_FOUND);
}

}  // namespace
