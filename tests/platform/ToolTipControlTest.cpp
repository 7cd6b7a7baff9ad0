#include <cstdio>
#include <tuple>

#include "ControlTestSupport.h"
#include "platform/controls/ToolTipApi.h"
#include "platform/resources/ResourceChain.h"

namespace winport::test {
namespace {

constexpr int kButtonId = 1002;
constexpr UINT_PTR kRectTool = 7;
constexpr UINT kHelpString = 6476;
const std::string kAsked = "parent WM_NOTIFY -520 7";

constexpr StringResource kStrings[] = {{kHelpString, "Copy the summary"}};
constexpr ResourceTable kTipResources{"tool tip test", {}, {}, {}, kStrings};

// Answers TTN_GETDISPINFO sent to |window| through |answer|, after the spy logged it, and keeps
// what it was asked in |asked| (with wParam in place of the header's id, to compare them).
MessageHook AnswerDispInfo(HWND window, std::function<void(NMTTDISPINFOA&)> answer,
                           std::vector<NMTTDISPINFOA>* asked = nullptr) {
    return MessageHook(window, [answer, asked](const Message& m) -> std::optional<LRESULT> {
        if (m.id == WM_NOTIFY && reinterpret_cast<NMHDR*>(m.lParam)->code == TTN_GETDISPINFO) {
            auto& info = *reinterpret_cast<NMTTDISPINFOA*>(m.lParam);
            if (asked) {
                asked->push_back(info);
                asked->back().hdr.idFrom = m.wParam;
            }
            answer(info);
        }
        return std::nullopt;
    });
}

class ToolTipControlTest : public ControlParentTest {
protected:
    HWND CreateToolTip(DWORD style = TTS_ALWAYSTIP, HWND owner = nullptr) {
        const HWND tip = CreateWindowEx(WS_EX_TOPMOST, TOOLTIPS_CLASS, nullptr, WS_POPUP | style,
                                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                        owner ? owner : parent, nullptr, nullptr, nullptr);
        EXPECT_NE(tip, nullptr) << GetLastErrorText();
        spy.Name(tip, "tip");
        spy.Clear();
        return tip;
    }
    // A tool for a whole control, as a dialog adds one per control.
    TTTOOLINFOA ControlTool(HWND control, const char* text) const {
        return {.cbSize = sizeof(TTTOOLINFOA),
                .uFlags = TTF_IDISHWND | TTF_SUBCLASS,
                .hwnd = parent,
                .uId = reinterpret_cast<UINT_PTR>(control),
                .lpszText = const_cast<char*>(text)};
    }
    // A tool for a rectangle of the parent.
    TTTOOLINFOA RectTool(char* text, LPARAM lParam = 0) const {
        return {.cbSize = sizeof(TTTOOLINFOA),
                .hwnd = parent,
                .uId = kRectTool,
                .rect = RECT{0, 0, 50, 20},
                .lpszText = text,
                .lParam = lParam};
    }
    static LRESULT Add(HWND tip, const TTTOOLINFOA& info) {
        return SendMessage(tip, TTM_ADDTOOL, 0, Ptr(&info));
    }
    static LRESULT Count(HWND tip) { return SendMessage(tip, TTM_GETTOOLCOUNT, 0, 0); }
    static std::string GetText(HWND tip, TTTOOLINFOA info, WPARAM size = 0) {
        std::string buffer(200, '?');
        info.lpszText = buffer.data();
        SendMessage(tip, TTM_GETTEXT, size, Ptr(&info));
        return buffer.substr(0, buffer.find('\0'));
    }

    HWND button = CreateControl("Button", 0, kButtonId, "button", "Copy");
};

TEST_F(ToolTipControlTest, IsAHiddenPopupOwnedByTheTopLevelWindowAndGoesWithIt) {
    const HWND dialog = spy.CreateSpyWindow("dialog");
    const HWND tip = CreateToolTip(TTS_ALWAYSTIP, dialog);
    EXPECT_EQ(GetWindow(tip, GW_OWNER), dialog);
    EXPECT_FALSE(IsWindowVisible(tip));
    EXPECT_TRUE(ChildWindows(dialog).empty());
    // A page (a child window) that makes its tip names its top-level window as the owner.
    const HWND pageTip = CreateToolTip(TTS_ALWAYSTIP, CreateChild(dialog, "Static", 0, 0));
    EXPECT_EQ(GetWindow(pageTip, GW_OWNER), dialog);
    DestroyWindow(dialog);
    for (const HWND gone : {tip, pageTip}) EXPECT_FALSE(IsWindow(gone));
}

TEST_F(ToolTipControlTest, AToolPerControlShowsItsTextOrStringResourceAndAsksNobody) {
    const HWND tip = CreateToolTip();
    const HWND other = CreateControl("Button", 0, 1003, "other", "Other");
    spy.Only({WM_NOTIFY});
    EXPECT_EQ(SendMessage(tip, TTM_ACTIVATE, TRUE, 0), 0);
    EXPECT_EQ(Add(tip, ControlTool(button, "Copy the summary")), TRUE);
    EXPECT_EQ(Add(tip, ControlTool(other, "Open\tCtrl+O")), TRUE);
    EXPECT_EQ(Count(tip), 2);
    EXPECT_EQ(ToolTipText(tip, button), "Copy the summary");
    EXPECT_EQ(GetText(tip, ControlTool(button, nullptr)), "Copy the summary");
    // Without TTS_NOPREFIX a tab ends the tip.
    EXPECT_EQ(ToolTipText(tip, other), "Open");
    EXPECT_TRUE(SequenceIs(spy, {}));
    EXPECT_EQ(DumpWindowTree(tip),
              "tooltips_class32 \"\" [hidden, tool 1002 \"Copy the summary\", tool 1003 "
              "\"Open\tCtrl+O\"]\n");

    const HWND plain = CreateToolTip(TTS_NOPREFIX);
    Add(plain, ControlTool(other, "Open\tCtrl+O"));
    EXPECT_EQ(ToolTipText(plain, other), "Open\tCtrl+O");

    AddResourceTable(kTipResources);
    const HWND loaded = CreateToolTip();
    Add(loaded, ControlTool(button, reinterpret_cast<char*>(static_cast<UINT_PTR>(kHelpString))));
    EXPECT_EQ(ToolTipText(loaded, button), "Copy the summary");
    RemoveResourceTable(kTipResources);
    EXPECT_EQ(ToolTipText(loaded, button), "");
}

TEST_F(ToolTipControlTest, UpdateDeleteAndEnumerateTools) {
    const HWND tip = CreateToolTip();
    Add(tip, ControlTool(button, "Copy"));
    Add(tip, RectTool(const_cast<char*>("Corner"), 42));
    const TTTOOLINFOA update = ControlTool(button, "Copy all");
    SendMessage(tip, TTM_UPDATETIPTEXT, 0, Ptr(&update));
    EXPECT_EQ(ToolTipText(tip, button), "Copy all");

    char text[80] = {};
    TTTOOLINFOA found{.cbSize = sizeof(TTTOOLINFOA), .lpszText = text};
    EXPECT_EQ(SendMessage(tip, TTM_ENUMTOOLS, 1, Ptr(&found)), TRUE);
    EXPECT_EQ(std::tie(found.uId, found.hwnd, found.rect, found.lParam),
              std::make_tuple(kRectTool, parent, RECT{0, 0, 50, 20}, LPARAM{42}));
    EXPECT_STREQ(text, "Corner");
    EXPECT_EQ(SendMessage(tip, TTM_ENUMTOOLS, 2, Ptr(&found)), FALSE);

    const TTTOOLINFOA gone = ControlTool(button, nullptr);
    EXPECT_EQ(SendMessage(tip, TTM_DELTOOL, 0, Ptr(&gone)), 0);
    EXPECT_EQ(Count(tip), 1);
    EXPECT_TRUE(FailsWith(ToolTipText(tip, button), ERROR_INVALID_PARAMETER));
    // The rectangle tool is found by the window that holds it.
    EXPECT_EQ(ToolTipText(tip, parent), "Corner");
    // Text is read from tool tips only.
    EXPECT_TRUE(FailsWith(ToolTipText(parent, button), ERROR_INVALID_PARAMETER));
}

TEST_F(ToolTipControlTest, ACallbackToolAsksItsWindowOrItsParentEachTimeUnlessTheAnswerIsKept) {
    // Without an answer from its window, the tool's window's parent is asked too.
    const HWND pane = spy.CreateSpyWindow("pane", parent, 5);
    TTTOOLINFOA info = RectTool(LPSTR_TEXTCALLBACK);
    info.hwnd = pane;
    const HWND asking = CreateToolTip();
    Add(asking, info);
    spy.Only({WM_NOTIFY});
    EXPECT_EQ(ToolTipText(asking, pane), "");
    EXPECT_TRUE(SequenceIs(spy, {"pane WM_NOTIFY -520 7", kAsked}));

    const HWND tip = CreateToolTip();
    Add(tip, RectTool(LPSTR_TEXTCALLBACK, 99));
    std::vector<NMTTDISPINFOA> asked;
    {
        const MessageHook answer = AnswerDispInfo(
            parent,
            [](NMTTDISPINFOA& info) { std::snprintf(info.szText, sizeof info.szText, "Asked"); },
            &asked);
        spy.Only({WM_NOTIFY});
        EXPECT_EQ(ToolTipText(tip, parent), "Asked");
        EXPECT_EQ(GetText(tip, RectTool(nullptr)), "Asked");
        EXPECT_TRUE(SequenceIs(spy, {kAsked, kAsked}));
    }
    ASSERT_EQ(asked.size(), 2u);
    const NMTTDISPINFOA& first = asked.front();  // idFrom holds wParam, as the spy saw it.
    EXPECT_EQ(std::tie(first.hdr.hwndFrom, first.hdr.idFrom, first.lParam, first.uFlags),
              std::make_tuple(tip, kRectTool, LPARAM{99}, 0u));
    EXPECT_TRUE(DumpShows(tip, "tool #7 callback"));

    static char kept[] = "Kept";
    const MessageHook answer = AnswerDispInfo(parent, [](NMTTDISPINFOA& info) {
        info.lpszText = kept;
        info.uFlags |= TTF_DI_SETITEM;
    });
    spy.Clear();
    EXPECT_EQ(ToolTipText(tip, parent), "Kept");
    EXPECT_EQ(ToolTipText(tip, parent), "Kept");
    EXPECT_TRUE(SequenceIs(spy, {kAsked}));
}

TEST_F(ToolTipControlTest, BadToolInfoIsRefusedAndTextIsCutToTheBuffer) {
    const HWND tip = CreateToolTip();
    EXPECT_TRUE(FailsWith(SendMessage(tip, TTM_ADDTOOL, 0, 0), ERROR_INVALID_PARAMETER));
    for (const UINT size : {0u, TTTOOLINFOA_V1_SIZE - 1, TTTOOLINFOA_V3_SIZE + 4}) {
        TTTOOLINFOA info = ControlTool(button, "Copy");
        info.cbSize = size;
        SetLastError(ERROR_SUCCESS);
        EXPECT_TRUE(FailsWith(Add(tip, info), ERROR_INVALID_PARAMETER)) << size;
    }
    EXPECT_EQ(Count(tip), 0);

    // The first version of the structure, without lParam, is enough.
    TTTOOLINFOA first = ControlTool(button, "Copy");
    first.cbSize = TTTOOLINFOA_V1_SIZE;
    first.lParam = 5;
    EXPECT_EQ(Add(tip, first), TRUE);
    TTTOOLINFOA read = ControlTool(button, nullptr);
    EXPECT_EQ(SendMessage(tip, TTM_GETTOOLINFO, 0, Ptr(&read)), TRUE);
    EXPECT_EQ(read.lParam, 0);

    // Asking without a buffer, or for a tool that is not there, writes nothing.
    EXPECT_EQ(SendMessage(tip, TTM_GETTEXT, 0, Ptr(&read)), 0);
    EXPECT_EQ(SendMessage(tip, TTM_GETTEXT, 0, 0), 0);
    EXPECT_EQ(GetText(tip, ControlTool(parent, nullptr)), std::string(200, '?'));

    // TTM_GETTEXT cuts to the buffer size given, 80 without one.
    const std::string longText(100, 'x');
    const TTTOOLINFOA update = ControlTool(button, longText.c_str());
    SendMessage(tip, TTM_UPDATETIPTEXT, 0, Ptr(&update));
    EXPECT_EQ(GetText(tip, ControlTool(button, nullptr)), std::string(79, 'x'));
    EXPECT_EQ(GetText(tip, ControlTool(button, nullptr), 150), longText);
    EXPECT_EQ(ToolTipText(tip, button), longText);

    EXPECT_EQ(SendMessage(tip, TTM_SETMAXTIPWIDTH, 0, 300), -1);
    EXPECT_EQ(SendMessage(tip, TTM_SETMAXTIPWIDTH, 0, 200), 300);
}

TEST_F(ToolTipControlTest, ATipDestroyedOrEmptiedByTheCallbackHandlerIsSafe) {
    HWND tip = CreateToolTip();
    Add(tip, RectTool(LPSTR_TEXTCALLBACK));
    {
        const MessageHook answer = AnswerDispInfo(parent, [this, &tip](NMTTDISPINFOA& info) {
            const TTTOOLINFOA gone = RectTool(nullptr);
            SendMessage(tip, TTM_DELTOOL, 0, Ptr(&gone));
            info.uFlags |= TTF_DI_SETITEM;
            std::snprintf(info.szText, sizeof info.szText, "Late");
        });
        EXPECT_EQ(ToolTipText(tip, parent), "Late");
        EXPECT_EQ(Count(tip), 0);
    }
    Add(tip, RectTool(LPSTR_TEXTCALLBACK));
    const MessageHook answer =
        AnswerDispInfo(parent, [&tip](NMTTDISPINFOA&) { DestroyWindow(tip); });
    EXPECT_EQ(ToolTipText(tip, parent), "");
    EXPECT_FALSE(IsWindow(tip));
    EXPECT_TRUE(FailsWith(ToolTipText(tip, parent), ERROR_INVALID_WINDOW_HANDLE));
}

}  // namespace
}  // namespace winport::test
