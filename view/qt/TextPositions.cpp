#include "view/qt/TextPositions.h"

#include "platform/core/WinMessages.h"
#include "platform/message/MessageApi.h"

namespace nuvview {

qsizetype CodePointsBefore(const QString& text, qsizetype utf16Position) {
    qsizetype count = 0;
    for (qsizetype i = 0; i < utf16Position && i < text.size(); ++i) {
        if (!text[i].isLowSurrogate()) ++count;
    }
    return count;
}

qsizetype Utf16Position(const QString& text, qsizetype codePoints) {
    qsizetype i = 0;
    for (qsizetype seen = 0; i < text.size() && seen < codePoints; ++seen) {
        i += (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
    }
    return i;
}

TextSelection PlatformSelection(HWND hwnd, const QString& text) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessage(hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {Utf16Position(text, start), Utf16Position(text, end)};
}

}  // namespace nuvview
