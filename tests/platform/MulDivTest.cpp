#include "platform/gdi/MulDiv.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct MulDivCase {
    int number;
    int numerator;
    int denominator;
    int expected;
};

class MulDivTest : public ::testing::TestWithParam<MulDivCase> {};

TEST_P(MulDivTest, RoundsHalfAwayFromZeroAndReportsOverflowAsMinusOne) {
    const MulDivCase& c = GetParam();
    EXPECT_EQ(MulDiv(c.number, c.numerator, c.denominator), c.expected)
        << c.number << " * " << c.numerator << " / " << c.denominator;
}

INSTANTIATE_TEST_SUITE_P(
    WindowsResults, MulDivTest,
    ::testing::Values(MulDivCase{8, 96, 72, 11},  // 10.67: 8 points at 96 dpi
                      MulDivCase{8, 120, 72, 13}, MulDivCase{7, 6, 4, 11},  // 10.5 rounds up
                      MulDivCase{14, 13, 8, 23},                            // 22.75
                      MulDivCase{1, 3, 2, 2}, MulDivCase{-1, 3, 2, -2},     // away from zero
                      MulDivCase{1, -3, 2, -2}, MulDivCase{1, 3, -2, -2},
                      MulDivCase{-1, -3, -2, -2}, MulDivCase{-1, -3, 2, 2}, MulDivCase{5, 1, 3, 2},
                      MulDivCase{0, 5, 3, 0}, MulDivCase{5, 7, 0, -1},  // no divisor
                      MulDivCase{INT_MAX, 2, 1, -1},                    // overflow
                      MulDivCase{INT_MIN, 1, 1, -1},  // outside the symmetric range
                      MulDivCase{INT_MAX, INT_MAX, INT_MAX, INT_MAX},  // 64-bit intermediate
                      MulDivCase{-INT_MAX, 1, 1, -INT_MAX}));

}  // namespace
