// The details window's title made from a host format and a user's name.
#include "details/DetailsTitle.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(DetailsTitleTest, PutsTheNameInThePlaceholder) {
    for (const auto& [format, name, expected] : {
             std::tuple<std::string, std::string, std::string>{"Info on %s (contact)", "Ann",
                                                               "Info on Ann (contact)"},
             {"%s and %s", "Ann", "Ann and %s"},  // Only the first placeholder.
             {"100%% %s", "Ann", "100% Ann"},
             {"%s %", "Ann", "Ann %"},                 // A lone trailing percent.
             {"%s", "%d%n%s%%", "%d%n%s%%"},           // The name is never a format.
             {"User Details", "Ann", "User Details"},  // No placeholder.
             {"", "Ann", "Ann"},                       // No host string.
             {"", std::string(300, 'y'), std::string(255, 'y')},
             // A cut never splits a character: 254 letters and a three-byte one fill the title.
             {"%s", std::string(254, 'a') + "漢字", std::string(254, 'a') + "漢"},
         }) {
        EXPECT_EQ(FormatDetailsTitle(format, name), expected) << format << " / " << name;
    }
}

}  // namespace
