// Caret and selection positions between the platform's edit controls (code points) and Qt's
// text widgets (UTF-16 units).
#pragma once

#include <QString>

#include "platform/core/WinTypes.h"

namespace nuvview {

struct TextSelection {
    qsizetype start = 0;
    qsizetype end = 0;
};

// The platform's selection of edit |hwnd| (showing |text|) in UTF-16 units of |text|.
TextSelection PlatformSelection(HWND hwnd, const QString& text);
// A UTF-16 position of |text| as a code point count, and back.
qsizetype CodePointsBefore(const QString& text, qsizetype utf16Position);
qsizetype Utf16Position(const QString& text, qsizetype codePoints);

}  // namespace nuvview
