#include "hostlib/util/Astrology.h"

namespace {

// The day each month's second sign begins, and the sign that holds the month's first days.
constexpr int kCuspDay[12] = {20, 19, 21, 20, 21, 21, 23, 23, 23, 23, 22, 22};
constexpr int kEarlySign[12] = {10, 11, 12, 1, 2, 3, 4, 5, 6, 7, 8, 9};
constexpr int kDaysInMonth[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

}  // namespace

int FindAstrologySign(int day, int month) {
    if (month < 1 || month > 12 || day < 1 || day > kDaysInMonth[month - 1]) return 0;
    const int early = kEarlySign[month - 1];
    return day < kCuspDay[month - 1] ? early : early % 12 + 1;
}
