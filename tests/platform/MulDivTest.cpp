#include "platform/gdi/MulDiv.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>

TEST(MulDivTest, RoundsHalfAwayFromZeroAndReportsOverflowAsMinusOne) {
    const std::tuple<int, int, int, int> cases[] = {
        {8, 96, 72, 11},  // 10.67: 8 points at 96 dpi
        {8, 120, 72, 13},
        {7, 6, 4, 11},    // 10.5 rounds up
        {14, 13, 8, 23},  // 22.75
        {1, 3, 2, 2},     // Away from zero, whichever sign is negative.
        {-1, 3, 2, -2},
        {1, -3, 2, -2},
        {1, 3, -2, -2},
        {-1, -3, -2, -2},
        {-1, -3, 2, 2},
        {5, 1, 3, 2},
        {0, 5, 3, 0},
        {5, 7, 0, -1},                         // No divisor.
        {INT_MAX, 2, 1, -1},                   // Overflow.
        {INT_MIN, 1, 1, -1},                   // Outside the symmetric range.
        {INT_MAX, INT_MAX, INT_MAX, INT_MAX},  // A 64-bit intermediate.
        {-INT_MAX, 1, 1, -INT_MAX},
    };
    for (const auto& [number, numerator, denominator, expected] : cases) {
        EXPECT_EQ(MulDiv(number, numerator, denominator), expected)
            << number << " * " << numerator << " / " << denominator;
    }
}
