#include "view/qt/TextPositions.h"

#include "platform/core/WinMessages.h"
#include "platform/message/MessageApi.h"

namespace nuvview {
namespace {

struct Position {
    qsizetype shown = 0;
    qsizetype platform = 0;
};

// Steps through |platformText| a character at a time (a line break "\r\n" is one shown character,
// a surrogate pair one code point) to the first position where |stop| holds, or to the end.
template <class Stop>
Position Walk(const QString& platformText, Stop stop) {
    Position at;
    for (qsizetype i = 0; i < platformText.size() && !stop(at);) {
        const bool lineBreak =
            platformText[i] == u'\r' && i + 1 < platformText.size() && platformText[i + 1] == u'\n';
        const bool pair = platformText[i].isHighSurrogate() && i + 1 < platformText.size();
        i += lineBreak || pair ? 2 : 1;
        at.shown += pair ? 2 : 1;
        at.platform += lineBreak ? 2 : 1;
    }
    return at;
}

}  // namespace

QString ShownText(QString platformText) {
    return platformText.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

qsizetype PlatformPosition(const QString& platformText, qsizetype shownPosition) {
    return Walk(platformText, [&](Position at) { return at.shown >= shownPosition; }).platform;
}

qsizetype ShownPosition(const QString& platformText, qsizetype platformPosition) {
    return Walk(platformText, [&](Position at) { return at.platform >= platformPosition; }).shown;
}

TextSelection PlatformSelection(HWND hwnd, const QString& platformText) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessage(hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {ShownPosition(platformText, start), ShownPosition(platformText, end)};
}

}  // namespace nuvview
