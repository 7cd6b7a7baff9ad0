// The details window's title made from a host format and a user's name.
#include "details/DetailsTitle.h"

#include <gtest/gtest.h>

namespace {

struct TitleCase {
    const char* label;
    std::string format;
    std::string name;
    std::string expected;
};

class DetailsTitleTest : public ::testing::TestWithParam<TitleCase> {};

TEST_P(DetailsTitleTest, PutsTheNameInThePlaceholder) {
    EXPECT_EQ(FormatDetailsTitle(GetParam().format, GetParam().name), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, DetailsTitleTest,
    ::testing::Values(
        TitleCase{"NameInTheMiddle", "Info on %s (contact)", "Ann", "Info on Ann (contact)"},
        TitleCase{"OnlyTheFirstPlaceholder", "%s and %s", "Ann", "Ann and %s"},
        TitleCase{"EscapedPercent", "100%% %s", "Ann", "100% Ann"},
        TitleCase{"LoneTrailingPercent", "%s %", "Ann", "Ann %"},
        TitleCase{"NameIsNeverAFormat", "%s", "%d%n%s%%", "%d%n%s%%"},
        TitleCase{"NoPlaceholder", "User Details", "Ann", "User Details"},
        TitleCase{"MissingHostString", "", "Ann", "Ann"},
        TitleCase{"MissingHostStringLongName", "", std::string(300, 'y'), std::string(255, 'y')},
        // A cut never splits a character: 254 letters and a three-byte one fill the title.
        TitleCase{"CutOnACharacter", "%s", std::string(254, 'a') + "漢字",
                  std::string(254, 'a') + "漢"}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
