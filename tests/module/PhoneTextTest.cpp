// The phone text form: reading a stored number with its location prefix into its parts, and
// joining the parts back, over the reference client's country tables (calling code 1 is the
// United States, 44 the United Kingdom, 212 Morocco; 555 is no country).
#include <gtest/gtest.h>

#include "client/reference/ReferenceData.h"
#include "pages/personal/PhoneText.h"

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
    PhoneParts parts;
};

TEST_F(PhoneTextTest, ReadsTheLocationCountryAreaLocalNumberAndExtension) {
    const ReadCase cases[] = {
        {"Home: +1 (212) 9876 / 12", {"Home", "United States", "212", "9876", "12"}},
        // Two groups: the first is the area code unless it is a country's code.
        {"555-1234", {"", "", "555", "1234", ""}},
        {"(212) 9876", {"", "Morocco", "", "9876", ""}},
        {"(555) 9876", {"", "", "555", "9876", ""}},
        // One group is the local number, whatever its digits.
        {"Cellular: 1", {"Cellular", "", "", "1", ""}},
        // Three groups: an extension typed with letters keeps its first digits.
        {"Work: 555 1234 ext12x", {"Work", "", "555", "1234", "12"}},
        {"+44 20 79a46", {"", "United Kingdom", "20", "79a46", ""}},
        // Only separators after the third group: the local number keeps its first digits.
        {"+44 20 79a46 - ", {"", "United Kingdom", "20", "79", ""}},
        // A rest after the third group is the extension; a first group that is no country is
        // dropped.
        {"+44 20 7946 / 0", {"", "United Kingdom", "20", "7946", "0"}},
        {"555 20 7946 12 34", {"", "", "20", "7946", "12"}},
        // A first group too long for a number is no country.
        {"99999999999 1234", {"", "", "99999999999", "1234", ""}},
        // Runs of separators count as one; the location is everything before the first colon.
        {" -Home::  (+1)--(212)  9876", {"Home", "United States", "212", "9876", ""}},
        {"WorkFax: ", {"WorkFax", "", "", "", ""}},
        {":-( )/", {}},
        {"", {}},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ReadPhoneText(c.text), c.parts);
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
}

TEST_F(PhoneTextTest, AJoinedNumberReadsBackToTheSameParts) {
    const PhoneParts numbers[] = {
        {"Home", "United States", "212", "9876", "12"},
        {"Work", "United Kingdom", "20", "7946", ""},
        {"Cellular", "", "555", "1234", "7"},
        {"HomeFax", "", "", "9876", ""},
    };
    for (const PhoneParts& parts : numbers) {
        SCOPED_TRACE(parts.location);
        EXPECT_EQ(ReadPhoneText(parts.location + ":" + JoinPhoneText(parts)), parts);
    }
}

}  // namespace
