// Checks a call's answer together with the last error it left, read at once after the call:
// EXPECT_TRUE(FailsWith(OpenClipboard(window), ERROR_ACCESS_DENIED)); and unwraps a query's
// answer that must be there.
#pragma once

#include <gtest/gtest.h>

#include <optional>

#include "platform/core/LastError.h"

// |result| equals |expected| and the last error is |error|.
template <class Result, class Expected>
::testing::AssertionResult AnswersWith(const Result& result, const Expected& expected,
                                       DWORD error) {
    const DWORD last = GetLastError();
    if (result == expected && last == error) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "answered " << ::testing::PrintToString(result) << " with last error " << last
           << ", expected " << ::testing::PrintToString(expected) << " with " << error;
}

// |result| is false, zero, null or empty and the last error is |error|.
template <class Result>
::testing::AssertionResult FailsWith(const Result& result, DWORD error) {
    return AnswersWith(static_cast<bool>(result), false, error);
}

// What a query that must answer answered; a default value, and a failure naming the last error,
// when it did not.
template <class T>
T Must(const std::optional<T>& answer) {
    EXPECT_TRUE(answer.has_value()) << winport::GetLastErrorText();
    return answer.value_or(T{});
}
