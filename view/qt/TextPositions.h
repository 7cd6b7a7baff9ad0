// Caret and selection positions between the platform's edit controls and Qt's text widgets. The
// platform counts code points in its own text, where a multi-line edit ends its lines with
// "\r\n"; Qt counts UTF-16 units in the text it shows, where a line ends with "\n".
#pragma once

#include <QString>

#include "platform/core/WinTypes.h"

namespace nuvview {

struct TextSelection {
    qsizetype start = 0;
    qsizetype end = 0;
};

// |platformText| as a Qt text widget shows it: each "\r\n" a single "\n".
QString ShownText(QString platformText);
// A position in the shown text of |platformText| as a platform position, and back.
qsizetype PlatformPosition(const QString& platformText, qsizetype shownPosition);
qsizetype ShownPosition(const QString& platformText, qsizetype platformPosition);
// The platform's selection of edit |hwnd| (holding |platformText|) in the shown text.
TextSelection PlatformSelection(HWND hwnd, const QString& platformText);

}  // namespace nuvview
