// The question the category pages put when a ticked category has no names or keywords.
#pragma once

#include "platform/core/WinTypes.h"

// Asks over |page|: Yes goes back to the page (0), any other answer saves the category without
// keywords (1), as the pages' validation answers.
int AskAboutMissingKeywords(HWND page);
