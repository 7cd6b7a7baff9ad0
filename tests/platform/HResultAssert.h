// EXPECT_HRESULT(expected, expr): compares status codes and prints both by name on failure.
#pragma once

#include <gtest/gtest.h>

#include "platform/com/HResult.h"

namespace winport::test {

inline testing::AssertionResult HResultIs(const char*, const char* actualText, HRESULT expected,
                                          HRESULT actual) {
    if (expected == actual) return testing::AssertionSuccess();
    return testing::AssertionFailure() << actualText << " returned " << FormatHResult(actual)
                                       << ", expected " << FormatHResult(expected);
}

}  // namespace winport::test

#define EXPECT_HRESULT(expected, actual) \
    EXPECT_PRED_FORMAT2(::winport::test::HResultIs, expected, actual)
