// The messages the dialog framework exchanges with its task dialogs and pages.
#pragma once

#include "platform/core/WinMessages.h"

// Sent to each page: answer 0 when the page's entries are invalid (the page has told the user).
inline constexpr UINT BCM_PAGEVALIDATE = WM_USER + 0x21;
// Sent to a task dialog: label the closing button "Done".
inline constexpr UINT BCM_LABELDONE = WM_USER + 0x2E;
// Sent to a task dialog: label the closing button "Cancel".
inline constexpr UINT BCM_LABELCANCEL = WM_USER + 0x30;
// Sent to a page: move the focus off a field that confirms its entry when left; answers 1.
inline constexpr UINT BCM_PAGEFOCUSOUT = WM_USER + 0x4C;
// Posted by a page to itself: run its deferred action.
inline constexpr UINT BCM_PAGEDEFERRED = WM_USER + 0x4E;
