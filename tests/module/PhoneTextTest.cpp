// The phone text form: reading a stored or typed number with its location prefix into its
// parts, and joining the parts back, over the reference client's country tables (calling code
// 1 is the United States, 33 France, 44 the United Kingdom, 212 Morocco; 555 is no country).
#include <gtest/gtest.h>

#include <ostream>
#include <random>

#include "client/reference/ReferenceData.h"
#include "pages/personal/PhoneText.h"

void PrintTo(const PhoneParts& parts, std::ostream* out) {
    *out << '"' << parts.location << "|" << parts.country << "|" << parts.area << "|" << parts.local
         << "|" << parts.extension << '"';
}

namespace {

class PhoneTextTest : public ::testing::Test {
protected:
    void SetUp() override { SetHostReferenceData(&m_reference); }
    void TearDown() override { SetHostReferenceData(nullptr); }

private:
    nuvclient::ReferenceData m_reference;
};

struct ReadCase {
    const char* text;
    PhoneTextSource source;
    PhoneParts parts;
};

constexpr PhoneTextSource kStored = PhoneTextSource::Stored;
constexpr PhoneTextSource kTyped = PhoneTextSource::Typed;

TEST_F(PhoneTextTest, ReadsTheLocationCountryAreaLocalNumberAndExtension) {
    const ReadCase cases[] = {
        // By the markers: "+" the country, "( )" the area code, "/" the extension, the rest the
        // local number, whatever its groups.
        {"Home: +1 (212) 9876 / 12", kStored, {"Home", "United States", "212", "9876", "12"}},
        {"Work: +33 (4) 72 00 11 22 / 305", kTyped, {"Work", "France", "4", "72 00 11 22", "305"}},
        {"Home: +7 (495) 123-45-67",
         kStored,
         {"Home", "Russian Federation", "495", "123-45-67", ""}},
        {"Home:9876 / 12", kStored, {"Home", "", "", "9876", "12"}},
        {"Home: +44 9876 / 12", kStored, {"Home", "United Kingdom", "", "9876", "12"}},
        {"Home: (44) 1234", kTyped, {"Home", "", "44", "1234", ""}},
        {"Home: (212) 555 1234 / 56", kStored, {"Home", "", "212", "555 1234", "56"}},
        // A calling code the host does not know, or one that does not lead, stays with the local
        // number.
        {"Fax: +999 (12) 345", kStored, {"Fax", "", "12", "+999   345", ""}},
        {"Fax: +033 1", kStored, {"Fax", "", "", "+033 1", ""}},
        // Brackets around nothing are separators; the location is before the first colon.
        {" -Home::  (+1)--(212)  9876", kStored, {"Home", "United States", "212", "9876", ""}},
        {"(1 +44) 3", kStored, {"", "", "1 +44", "3", ""}},
        {"5+2(9)33 +1", kStored, {"", "", "9", "5+2 33 +1", ""}},
        {"Cell: 98() 76 /", kStored, {"Cell", "", "", "98() 76", ""}},
        // A stored number without markers is one local number.
        {"Home: 72 00 11 22", kStored, {"Home", "", "", "72 00 11 22", ""}},
        // Typed without markers: [country] [area] local [extension], nothing dropped.
        {"555-1234", kTyped, {"", "", "555", "1234", ""}},
        {"Cellular: 1", kTyped, {"Cellular", "", "", "1", ""}},
        {"Work: 555 1234 ext12x", kTyped, {"Work", "", "555", "1234", "ext12x"}},
        {"44 20 79a46 - ", kTyped, {"", "United Kingdom", "20", "79a46", ""}},
        {"555 20 7946 12 34", kTyped, {"", "", "555", "20", "7946 12 34"}},
        {"33 4 72 00 11", kTyped, {"", "France", "4", "72", "00 11"}},
        // A group too long for a calling code is no country.
        {"99999999999 1234", kTyped, {"", "", "99999999999", "1234", ""}},
        {"WorkFax: ", kTyped, {"WorkFax", "", "", "", ""}},
        {":-( )/", kStored, {}},
        {"", kTyped, {}},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ReadPhoneText(c.text, c.source), c.parts);
    }
}

TEST_F(PhoneTextTest, JoinsThePartsWithTheCountrysCallingCode) {
    EXPECT_EQ(JoinPhoneText({"Home", "United States", "212", "9876", "12"}), " +1 (212) 9876 / 12");
    EXPECT_EQ(JoinPhoneText({"", "", "212", "9876", ""}), " (212) 9876");
    EXPECT_EQ(JoinPhoneText({"", "", "", "9876", ""}), " 9876");
    // With a country the area code loses its leading zeros, and goes when nothing is left.
    EXPECT_EQ(JoinPhoneText({"", "United Kingdom", "020", "7946", ""}), " +44 (20) 7946");
    EXPECT_EQ(JoinPhoneText({"", "Morocco", "0", "9876", ""}), " +212 9876");
    EXPECT_EQ(JoinPhoneText({"", "", "0", "9876", ""}), " (0) 9876");
    EXPECT_EQ(JoinPhoneText({"Home", "", "", "", ""}), "");
    // A bracket in the local number would be read back as the area code if the zeros went.
    const std::string bracketed = JoinPhoneText({"", "United States", "0", "555 (12) 34", ""});
    EXPECT_EQ(bracketed, " +1 (0) 555 (12) 34");
    EXPECT_EQ(JoinPhoneText(ReadPhoneText("Home:" + bracketed, kStored)), bracketed);
}

// Every stored number, with or without the blank the joined text begins with, reads into the
// parts that join back into it.
TEST_F(PhoneTextTest, EveryStoredFormAndAnyTypedTextReadBackUnchanged) {
    const char* locals[] = {"9876", "72 00", "72 00 11", "72 00 11 22"};
    int checked = 0;
    for (const char* country : {"", "France"}) {
        for (const char* area : {"", "4"}) {
            for (const char* extension : {"", "305"}) {
                for (const char* local : locals) {
                    const std::string text = JoinPhoneText({"", country, area, local, extension});
                    SCOPED_TRACE(text);
                    for (const std::string& stored : {text, text.substr(1)}) {
                        const PhoneParts parts = ReadPhoneText("Work:" + stored, kStored);
                        EXPECT_EQ(parts, (PhoneParts{"Work", country, area, local, extension}));
                        EXPECT_EQ(JoinPhoneText(parts), text);
                        ++checked;
                    }
                }
            }
        }
    }
    EXPECT_EQ(checked, 64);

    // Random texts of digits, letters and separators, read as typed: nothing crashes, no digit but
    // an area code's trunk zeros is lost, and the joined text reads back unchanged.
    constexpr int kRounds = 20000;
    constexpr std::string_view kAlphabet = "0123456789012345678933 :/-+()x";
    std::mt19937 random(20261207);
    std::uniform_int_distribution<std::size_t> length(0, 24);
    std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);
    const auto digitCounts = [](std::string_view text) {
        std::array<int, 10> counts{};
        for (const char c : text)
            if (c >= '0' && c <= '9') ++counts[static_cast<std::size_t>(c - '0')];
        return counts;
    };
    for (int round = 0; round < kRounds; ++round) {
        std::string typed;
        for (std::size_t n = length(random); n > 0; --n) typed += kAlphabet[pick(random)];
        SCOPED_TRACE("\"" + typed + "\"");
        const std::string joined = JoinPhoneText(ReadPhoneText("Home:" + typed, kTyped));
        EXPECT_EQ(JoinPhoneText(ReadPhoneText("Home:" + joined, kStored)), joined);
        const auto before = digitCounts(typed);
        const auto after = digitCounts(joined);
        EXPECT_LE(after[0], before[0]);
        for (std::size_t digit = 1; digit < 10; ++digit) EXPECT_EQ(after[digit], before[digit]);
        if (HasFailure()) break;
    }
}

}  // namespace
