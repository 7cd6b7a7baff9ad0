// Checks of what a person typed; the entry checks tell the person what is wrong.
#pragma once

#include "platform/core/WinTypes.h"

// BIsValidEntry flags.
inline constexpr int kEntryMayBeEmpty = 0;
inline constexpr int kEntryRequired = 1;

// |text| has at most |maxLength| characters, no control characters, and with kEntryRequired
// is not empty. On failure tells the person, naming the field by the host string
// |fieldNameId|, in a box owned by |owner|.
bool BIsValidEntry(const char* text, UINT fieldNameId, int maxLength, int flags, HWND owner);

// |text| (blanks around it allowed) is a whole decimal number from |minimum| to |maximum|. On
// failure tells the person, naming |fieldName| if given, unless there is no |owner|: a check
// without an owner window is silent.
bool BIsValidIntegerEntry(const char* text, const char* fieldName, long minimum, long maximum,
                          HWND owner);

// |text| is one e-mail address: a local part, "@", and a domain of at least two labels.
// Silent: the caller says what is wrong.
bool BIsValidEmail(const char* text);
