#include <string_view>
#include <tuple>

#include "ControlTestSupport.h"
#include "platform/com/HResult.h"
#include "platform/controls/RichEditApi.h"
#include "platform/dialog/DialogApi.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/SystemColors.h"

namespace winport::test {
namespace {

constexpr int kRichId = 40;
const std::string kUpdate = "parent WM_COMMAND EN_UPDATE 40";
const std::string kChange = "parent WM_COMMAND EN_CHANGE 40";
const std::string kSetFocus = "parent WM_COMMAND EN_SETFOCUS 40";

CHARFORMAT2A Format(DWORD mask, DWORD effects) {
    return {{sizeof(CHARFORMAT2A), mask, effects}};
}

const CHARFORMAT2A kBold = Format(CFM_BOLD, CFE_BOLD);
const CHARFORMAT2A kItalic = Format(CFM_ITALIC, CFE_ITALIC);

class RichEditControlTest : public ControlParentTest {
protected:
    HWND CreateRichEdit(DWORD style = ES_MULTILINE, const char* text = "") {
        return CreateControl(RICHEDIT_CLASS, style, kRichId, "rich", text);
    }
    static void Type(HWND rich, std::u32string_view characters) {
        for (const char32_t c : characters) SendMessage(rich, WM_CHAR, c, 1);
    }
    static LRESULT Select(HWND rich, LONG from, LONG to) {
        const CHARRANGE range{from, to};
        return SendMessage(rich, EM_EXSETSEL, 0, Ptr(&range));
    }
    static CHARRANGE Selection(HWND rich) {
        CHARRANGE range{-5, -5};
        EXPECT_EQ(SendMessage(rich, EM_EXGETSEL, 0, Ptr(&range)), 0);
        return range;
    }
    static LRESULT SetFormat(HWND rich, WPARAM scope, const CHARFORMAT2A& format) {
        return SendMessage(rich, EM_SETCHARFORMAT, scope, Ptr(&format));
    }
    static CHARFORMAT2A GetFormat(HWND rich, WPARAM scope, LRESULT* mask = nullptr) {
        CHARFORMAT2A format = Format(0, 0);
        const LRESULT answer = SendMessage(rich, EM_GETCHARFORMAT, scope, Ptr(&format));
        if (mask) *mask = answer;
        return format;
    }
    static LRESULT LengthEx(HWND rich, DWORD flags) {
        const GETTEXTLENGTHEX how{flags};
        return SendMessage(rich, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&how), 0);
    }
    static LRESULT Modified(HWND rich) { return SendMessage(rich, EM_GETMODIFY, 0, 0); }
    // The runs as "start-end" and what differs from plain text: "0-5 bold", "5-11".
    static Lines Runs(HWND rich) {
        Lines lines;
        for (const RichEditRun& run : RichEditRuns(rich).value_or(std::vector<RichEditRun>{})) {
            std::string line =
                std::to_string(run.start) + "-" + std::to_string(run.start + run.length);
            if (run.format.bold) line += " bold";
            if (run.format.italic) line += " italic";
            if (run.format.link) line += " link";
            lines.push_back(line);
        }
        return lines;
    }
    // What EM_GETTEXTRANGE copies into a buffer of '?', and its answer.
    static std::pair<std::string, LRESULT> RangeText(HWND rich, LONG from, LONG to) {
        std::string buffer(64, '?');
        const TEXTRANGEA range{{from, to}, buffer.data()};
        const LRESULT answer = SendMessage(rich, EM_GETTEXTRANGE, 0, Ptr(&range));
        return {buffer.substr(0, buffer.find('\0')), answer};
    }
    // "Hello world" with "Hello" bold.
    HWND BoldHelloWorld() {
        const HWND rich = CreateRichEdit(ES_MULTILINE, "Hello world");
        Select(rich, 0, 5);
        SetFormat(rich, SCF_SELECTION, kBold);
        return rich;
    }
};

TEST_F(RichEditControlTest, TextChangesNotifyOnlyWhenTheEventMaskAsksAndFormattingNever) {
    const HWND rich = CreateRichEdit();
    spy.Only({WM_COMMAND});
    Agent agent;
    agent.Type(rich, "ab", TypeMode::Append);
    EXPECT_EQ(GetWindowTextUtf8(rich), "ab");
    EXPECT_TRUE(SequenceIs(spy, {kSetFocus}));  // Focus is told always; the changes were not.

    spy.Clear();
    EXPECT_EQ(SendMessage(rich, EM_SETEVENTMASK, 0, ENM_CHANGE), ENM_NONE);
    agent.Type(rich, "c", TypeMode::Append);
    EXPECT_EQ(SendMessage(rich, EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_UPDATE), ENM_CHANGE);
    agent.Type(rich, "d", TypeMode::Append);
    EXPECT_EQ(GetWindowTextUtf8(rich), "abcd");
    EXPECT_TRUE(SequenceIs(spy, {kChange, kUpdate, kChange}));

    const HWND program = CreateRichEdit();
    spy.Only({WM_COMMAND});
    SetWindowText(program, "quiet");
    SendMessage(program, EM_REPLACESEL, FALSE, Ptr("still "));
    EXPECT_TRUE(SequenceIs(spy, {}));

    SendMessage(program, EM_SETEVENTMASK, 0, ENM_CHANGE);
    SetWindowText(program, "text");
    EXPECT_EQ(Modified(program), FALSE);
    SendMessage(program, EM_REPLACESEL, FALSE, Ptr("more "));
    EXPECT_EQ(Modified(program), TRUE);
    Select(program, 0, 4);
    SetFormat(program, SCF_SELECTION, kBold);
    SetFormat(program, SCF_ALL, kItalic);
    EXPECT_EQ(GetWindowTextUtf8(program), "more text");
    EXPECT_TRUE(SequenceIs(spy, {kChange, kChange}));
}

TEST_F(RichEditControlTest, TheChangeBitIsOffWhileTheParentIsTold) {
    const HWND rich = CreateRichEdit();
    SendMessage(rich, EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_UPDATE);
    spy.Only({WM_COMMAND});
    LRESULT maskSeen = -1;
    {
        // Reads the event mask and rewrites the text while it is told of a change.
        const MessageHook rewriter(parent, [&maskSeen](const Message& m) -> std::optional<LRESULT> {
            if (m.id == WM_COMMAND && HIWORD(m.wParam) == EN_CHANGE) {
                const auto control = reinterpret_cast<HWND>(m.lParam);
                maskSeen = SendMessage(control, EM_GETEVENTMASK, 0, 0);
                SetWindowText(control, "rewritten");
            }
            return std::nullopt;
        });
        Type(rich, U"x");
    }
    EXPECT_EQ(maskSeen, static_cast<LRESULT>(ENM_UPDATE));
    EXPECT_EQ(GetWindowTextUtf8(rich), "rewritten");
    // The nested WM_SETTEXT told of its update only: its change bit was off.
    EXPECT_TRUE(SequenceIs(spy, {kUpdate, kChange, kUpdate}));
    EXPECT_EQ(SendMessage(rich, EM_GETEVENTMASK, 0, 0), ENM_CHANGE | ENM_UPDATE);
}

TEST_F(RichEditControlTest, AParagraphBreakIsOneCharacterReadAsCrLfAndRangesCountAsWindows) {
    const HWND rich = CreateRichEdit(ES_MULTILINE, "foo bar\r\nfoo bar\nend");
    EXPECT_EQ(GetWindowTextUtf8(rich), "foo bar\r\nfoo bar\r\nend");
    EXPECT_EQ(GetWindowTextLength(rich), 21);
    EXPECT_EQ(SendMessage(rich, EM_GETLINECOUNT, 0, 0), 3);
    EXPECT_EQ(LengthEx(rich, GTL_DEFAULT), 19);
    EXPECT_EQ(LengthEx(rich, GTL_USECRLF), 21);
    EXPECT_EQ(LengthEx(rich, GTL_NUMCHARS | GTL_NUMBYTES), E_INVALIDARG);
    SetWindowText(rich, "ναι\rno");  // Counts characters; with GTL_NUMBYTES, bytes.
    EXPECT_EQ(LengthEx(rich, GTL_DEFAULT), 6);
    EXPECT_EQ(LengthEx(rich, GTL_NUMBYTES), 9);

    // A single-line control keeps the first line.
    const HWND single = CreateRichEdit(0, "one\r\ntwo");
    Type(single, U"\r");
    EXPECT_EQ(GetWindowTextUtf8(single), "one");
    EXPECT_EQ(SendMessage(single, EM_GETLINECOUNT, 0, 0), 1);

    const HWND ranged = CreateRichEdit(ES_MULTILINE, "foo bar\r\nfoo bar");
    EXPECT_EQ(RangeText(ranged, 4, 11), std::pair(std::string("bar\rfoo"), LRESULT{7}));
    EXPECT_EQ(RangeText(ranged, 0, -1).first, "foo bar\rfoo bar");
    EXPECT_EQ(RangeText(ranged, 0, 1000).first, "foo bar\rfoo bar");
    // A negative start, -1 as the end of a range not from the start, or an empty range copy
    // nothing, not even the terminating zero.
    for (const auto& [from, to] :
         std::vector<std::pair<LONG, LONG>>{{-1, 1}, {1, -1}, {5, 5}, {9, 3}}) {
        EXPECT_EQ(RangeText(ranged, from, to), std::pair(std::string(64, '?'), LRESULT{0}));
    }
    EXPECT_TRUE(FailsWith(SendMessage(ranged, EM_GETTEXTRANGE, 0, 0), ERROR_INVALID_PARAMETER));

    const HWND replacing = CreateRichEdit();
    EXPECT_EQ(SendMessage(replacing, EM_REPLACESEL, 0, Ptr("RichEdit1\r\n")), 11);
    EXPECT_EQ(Selection(replacing).cpMin, 10);
    EXPECT_EQ(GetWindowTextUtf8(replacing), "RichEdit1\r\n");
    SetWindowText(replacing, "");
    EXPECT_EQ(SendMessage(replacing, EM_REPLACESEL, 0, Ptr("\r\r\n\n")), 4);
    EXPECT_EQ(GetWindowTextUtf8(replacing), " \r\n");  // "\r\r\n" is a soft break: a space.
    SetWindowText(replacing, "testing selection");
    Select(replacing, 7, 17);
    EXPECT_EQ(SendMessage(replacing, EM_REPLACESEL, 0, 0), 0);
    EXPECT_EQ(GetWindowTextUtf8(replacing), "testing");
}

TEST_F(RichEditControlTest, ExSetSelOrdersClampsAndAnswersTheEnd) {
    const HWND rich = CreateRichEdit(ES_MULTILINE, "testing selection");
    const std::tuple<LONG, LONG, LONG, LONG, LONG> cases[] = {
        {15, 17, 17, 15, 17}, {0, 100, 17, 0, 17},  {5, 5, 5, 5, 5},
        {-1, 0, 10, 10, 10},  // Drops the selection.
        {-1, -1, 17, 17, 17}, {-4, -5, 17, 17, 17}, {0, -1, 17, 0, 17},
        {17, -5, 17, 17, 17}, {18, -3, 17, 17, 17}, {19, 15, 17, 15, 17}};
    for (const auto& [from, to, answer, start, end] : cases) {
        SCOPED_TRACE(std::to_string(from) + ", " + std::to_string(to));
        Select(rich, 5, 10);
        EXPECT_EQ(Select(rich, from, to), answer);
        EXPECT_EQ(std::pair(Selection(rich).cpMin, Selection(rich).cpMax), std::pair(start, end));
        EXPECT_EQ(SendMessage(rich, EM_GETSEL, 0, 0),
                  MAKELONG(static_cast<WORD>(start), static_cast<WORD>(end)));
        EXPECT_EQ(EditSelection(rich), std::pair(DWORD(start), DWORD(end)));
    }
    EXPECT_TRUE(SequenceIs(spy, {}));
}

TEST_F(RichEditControlTest, SelectionFormatReportsWhatTheWholeSelectionShares) {
    const HWND rich = BoldHelloWorld();
    EXPECT_EQ(Runs(rich), (Lines{"0-5 bold", "5-11"}));
    LRESULT mask = 0;
    Select(rich, 1, 4);
    CHARFORMAT2A format = GetFormat(rich, SCF_SELECTION, &mask);
    EXPECT_TRUE(mask & CFM_BOLD);
    EXPECT_TRUE(format.dwEffects & CFE_BOLD);
    EXPECT_EQ(static_cast<DWORD>(mask), format.dwMask);
    Select(rich, 3, 8);
    format = GetFormat(rich, SCF_SELECTION, &mask);
    EXPECT_FALSE(mask & CFM_BOLD);  // Part bold, part not.
    EXPECT_TRUE(mask & CFM_ITALIC);
    EXPECT_TRUE(mask & CFM_FACE);
    EXPECT_STREQ(format.szFaceName, "MS Shell Dlg");
    EXPECT_EQ(format.yHeight, 160);
    EXPECT_TRUE(DumpShows(parent, "[multiline, bold 0-5]"));
}

TEST_F(RichEditControlTest, TheTypedCharacterTakesTheFormatBeforeItOrAtALineStartTheNextOnes) {
    const Lines grew = {"0-6 bold", "6-12"};
    const Lines kept = {"0-5 bold", "5-12"};
    const std::pair<LONG, Lines> cases[] = {{0, grew}, {2, grew}, {5, grew}, {6, kept}, {11, kept}};
    for (const auto& [caret, runs] : cases) {
        const HWND rich = BoldHelloWorld();
        Select(rich, caret, caret);
        Type(rich, U"X");
        EXPECT_EQ(Runs(rich), runs) << "caret " << caret;
        DestroyWindow(rich);
    }
}

TEST_F(RichEditControlTest, EditingMovesAndMergesRunsAndAppendingInFormatsSetAtTheCaretBuildsThem) {
    const HWND rich = BoldHelloWorld();
    Select(rich, 3, 8);  // "lo wo": typed over, it takes the format of its first character.
    Type(rich, U"Z");
    EXPECT_EQ(GetWindowTextUtf8(rich), "HelZrld");
    EXPECT_EQ(Runs(rich), (Lines{"0-4 bold", "4-7"}));
    Select(rich, 6, 7);
    SetFormat(rich, SCF_SELECTION, kBold);
    EXPECT_EQ(Runs(rich), (Lines{"0-4 bold", "4-6", "6-7 bold"}));
    Select(rich, 4, 6);
    SendMessage(rich, WM_CHAR, 0x08, 1);  // Deleting the plain middle joins the bold runs.
    EXPECT_EQ(GetWindowTextUtf8(rich), "HelZd");
    EXPECT_EQ(Runs(rich), (Lines{"0-5 bold"}));
    SendMessage(rich, WM_KEYDOWN, VK_DELETE, 1);
    EXPECT_EQ(GetWindowTextUtf8(rich), "HelZ");
    Select(rich, 1, 3);
    SendMessage(rich, WM_CLEAR, 0, 0);
    EXPECT_EQ(GetWindowTextUtf8(rich), "HZ");
    EXPECT_EQ(Runs(rich), (Lines{"0-2 bold"}));
    SetWindowText(rich, "");
    EXPECT_TRUE(Runs(rich).empty());

    const HWND appended = CreateRichEdit(ES_MULTILINE | ES_READONLY);
    const auto append = [appended](const CHARFORMAT2A& format, const char* text) {
        Select(appended, -1, -1);
        SetFormat(appended, SCF_SELECTION, format);
        SendMessage(appended, EM_REPLACESEL, FALSE, Ptr(text));
    };
    Select(appended, -1, -1);
    CHARFORMAT2A plain = GetFormat(appended, SCF_SELECTION);
    CHARFORMAT2A bold = plain;
    bold.dwMask |= CFM_BOLD;
    bold.dwEffects |= CFE_BOLD;
    append(bold, "Name: ");
    append(plain, "keywords");
    append(plain, "\r\n");
    append(bold, "Second: ");
    EXPECT_EQ(GetWindowTextUtf8(appended), "Name: keywords\r\nSecond: ");
    EXPECT_EQ(Runs(appended), (Lines{"0-6 bold", "6-15", "15-23 bold"}));

    // Moving the caret forgets a format set for it.
    Select(appended, 0, 0);
    SetFormat(appended, SCF_SELECTION, kItalic);
    Select(appended, 6, 6);
    SendMessage(appended, EM_REPLACESEL, FALSE, Ptr("!"));
    EXPECT_EQ(Runs(appended), (Lines{"0-7 bold", "7-16", "16-24 bold"}));
}

TEST_F(RichEditControlTest, AllAndDefaultFormatsReachTheirText) {
    const HWND rich = CreateRichEdit(ES_MULTILINE, "abc def");
    Select(rich, 0, 3);
    SetFormat(rich, SCF_SELECTION, kItalic);
    EXPECT_EQ(Modified(rich), TRUE);
    SendMessage(rich, EM_SETMODIFY, FALSE, 0);
    // The default format changes the text that is still in it, not "abc".
    EXPECT_EQ(SetFormat(rich, SCF_DEFAULT, kBold), TRUE);
    EXPECT_EQ(Runs(rich), (Lines{"0-3 italic", "3-7 bold"}));
    LRESULT mask = 0;
    EXPECT_TRUE(GetFormat(rich, SCF_DEFAULT, &mask).dwEffects & CFE_BOLD);
    EXPECT_TRUE(mask & CFM_BOLD);
    EXPECT_EQ(Modified(rich), FALSE);
    SetFormat(rich, SCF_ALL, Format(CFM_ITALIC | CFM_BOLD, CFE_ITALIC));
    EXPECT_EQ(Runs(rich), (Lines{"0-7 italic"}));
    EXPECT_EQ(Modified(rich), TRUE);
    // SCF_ALL also formats what is typed into the emptied control.
    SetWindowText(rich, "");
    Type(rich, U"n");
    EXPECT_EQ(Runs(rich), (Lines{"0-1 italic"}));

    // A font formats all the text and becomes the default.
    const HWND fonted = CreateRichEdit(ES_MULTILINE, "text");
    const HFONT font = CreateFont(-16, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    SendMessage(fonted, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessage(fonted, WM_GETFONT, 0, 0)), font);
    const CHARFORMAT2A format = GetFormat(fonted, SCF_DEFAULT);
    EXPECT_STREQ(format.szFaceName, "Arial");
    EXPECT_EQ(format.yHeight, 240);  // 16 pixels at 96 per inch: 12 points.
    EXPECT_TRUE(format.dwEffects & CFE_BOLD);
    EXPECT_EQ(Runs(fonted), (Lines{"0-4 bold"}));
    DeleteObject(font);
}

TEST_F(RichEditControlTest, BadCharFormatsSelectionsAndLengthsAreRefused) {
    const HWND rich = CreateRichEdit(ES_MULTILINE, "text");
    EXPECT_TRUE(
        FailsWith(SendMessage(rich, EM_SETCHARFORMAT, SCF_ALL, 0), ERROR_INVALID_PARAMETER));
    EXPECT_EQ(SendMessage(rich, EM_GETCHARFORMAT, SCF_DEFAULT, 0), 0);
    for (const UINT size : {0u, 92u, 116u}) {  // 92 and 116: the wide forms, not handled.
        CHARFORMAT2A format = kBold;
        format.cbSize = size;
        EXPECT_EQ(SetFormat(rich, SCF_ALL, format), 0) << size;
        EXPECT_EQ(SendMessage(rich, EM_GETCHARFORMAT, SCF_DEFAULT, Ptr(&format)), 0);
    }
    EXPECT_EQ(Runs(rich), (Lines{"0-4"}));
    CHARFORMATA small{sizeof small, CFM_BOLD, CFE_BOLD};  // The first version is enough.
    EXPECT_EQ(SendMessage(rich, EM_SETCHARFORMAT, SCF_ALL, Ptr(&small)), TRUE);
    EXPECT_EQ(Runs(rich), (Lines{"0-4 bold"}));
    EXPECT_EQ(SendMessage(rich, EM_EXSETSEL, 0, 0), 0);
    EXPECT_EQ(SendMessage(rich, EM_EXGETSEL, 0, 0), 0);
    EXPECT_EQ(SendMessage(rich, EM_GETTEXTLENGTHEX, 0, 0), E_INVALIDARG);
}

TEST_F(RichEditControlTest, BackgroundColourAnswersThePreviousOneAndBothClassNamesMakeARichEdit) {
    const HWND rich = CreateRichEdit();
    const COLORREF face = RGB(0x12, 0x34, 0x56);
    EXPECT_EQ(SendMessage(rich, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(face)),
              static_cast<LRESULT>(GetSysColor(COLOR_WINDOW)));
    EXPECT_TRUE(DumpShows(parent, "background=#123456"));
    EXPECT_EQ(SendMessage(rich, EM_SETBKGNDCOLOR, TRUE, RGB(1, 2, 3)), static_cast<LRESULT>(face));
    EXPECT_EQ(SendMessage(rich, EM_SETBKGNDCOLOR, 0, 0),
              static_cast<LRESULT>(GetSysColor(COLOR_WINDOW)));

    const HWND wide = CreateControl(MSFTEDIT_CLASS, ES_MULTILINE, 41, "wide", "w");
    EXPECT_EQ(Runs(wide), (Lines{"0-1"}));
    EXPECT_TRUE(FailsWith(RichEditRuns(parent), ERROR_INVALID_PARAMETER));
    EXPECT_TRUE(
        FailsWith(RichEditRuns(reinterpret_cast<HWND>(0x4321)), ERROR_INVALID_WINDOW_HANDLE));
}

TEST_F(RichEditControlTest, ReadOnlyRefusesThePersonNotTheProgramAndKeysMoveWithinTheLine) {
    const HWND rich = CreateRichEdit(ES_MULTILINE, "fixed");
    SendMessage(rich, EM_SETEVENTMASK, 0, ENM_CHANGE);
    EXPECT_EQ(SendMessage(rich, EM_SETREADONLY, TRUE, 0), TRUE);
    EXPECT_TRUE(GetWindowLongPtr(rich, GWL_STYLE) & ES_READONLY);
    spy.Only({WM_COMMAND});
    Select(rich, 0, -1);
    Type(rich, U"x\b");
    SendMessage(rich, WM_KEYDOWN, VK_DELETE, 1);
    SendMessage(rich, WM_CLEAR, 0, 0);
    EXPECT_EQ(GetWindowTextUtf8(rich), "fixed");
    EXPECT_TRUE(SequenceIs(spy, {}));
    SendMessage(rich, EM_REPLACESEL, FALSE, Ptr("set"));
    EXPECT_EQ(GetWindowTextUtf8(rich), "set");
    EXPECT_TRUE(SequenceIs(spy, {kChange}));
    EXPECT_TRUE(DumpShows(parent, "[multiline, readonly]"));

    const HWND keyed = CreateRichEdit(ES_MULTILINE, "first\r\nsecond");
    Select(keyed, 8, 8);
    SendMessage(keyed, WM_KEYDOWN, VK_HOME, 1);
    EXPECT_EQ(Selection(keyed).cpMin, 6);
    SetKeyDown(VK_SHIFT, true);
    SendMessage(keyed, WM_KEYDOWN, VK_END, 1);
    SendMessage(keyed, WM_KEYDOWN, VK_LEFT, 1);
    SetKeyDown(VK_SHIFT, false);
    EXPECT_EQ(Selection(keyed).cpMin, 6);
    EXPECT_EQ(Selection(keyed).cpMax, 11);
}

TEST_F(RichEditControlTest, AutomaticUrlDetectionMarksLinks) {
    const HWND rich = CreateRichEdit();
    EXPECT_EQ(SendMessage(rich, EM_AUTOURLDETECT, 8, 0), E_INVALIDARG);
    EXPECT_EQ(SendMessage(rich, EM_AUTOURLDETECT, AURL_ENABLEURL, 0), 0);
    EXPECT_EQ(SendMessage(rich, EM_GETAUTOURLDETECT, 0, 0), TRUE);
    SetWindowText(rich, "see www.example.org, or HTTP://x.y/z");
    EXPECT_EQ(Runs(rich), (Lines{"0-4", "4-19 link", "19-24", "24-36 link"}));
    Select(rich, 5, 6);
    EXPECT_TRUE(GetFormat(rich, SCF_SELECTION).dwEffects & CFE_LINK);
    Select(rich, 19, 19);
    Type(rich, U"/a");  // Typed onto the end of a link, the text joins it.
    EXPECT_EQ(Runs(rich), (Lines{"0-4", "4-21 link", "21-26", "26-38 link"}));
    SendMessage(rich, EM_AUTOURLDETECT, 0, 0);
    EXPECT_EQ(Runs(rich), (Lines{"0-38"}));
}

TEST_F(RichEditControlTest, ParentDestroyingTheControlInsideANotificationEndsTheEdit) {
    for (const WORD code : {EN_UPDATE, EN_CHANGE, EN_SETFOCUS}) {
        const HWND rich = CreateRichEdit(ES_MULTILINE, "x");
        SendMessage(rich, EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_UPDATE);
        spy.Only({WM_COMMAND});
        const MessageHook destroyer = DestroyOnNotification(parent, code);
        SetFocus(rich);
        if (IsWindow(rich)) Type(rich, U"y");
        EXPECT_FALSE(IsWindow(rich)) << code;
    }
}

}  // namespace
}  // namespace winport::test
