#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "ControlTestSupport.h"
#include "platform/automation/WindowDump.h"
#include "platform/controls/ToolTipApi.h"
#include "platform/message/MessageApi.h"
#include "platform/resources/ResourceChain.h"

namespace winport::test {
namespace {

constexpr int kButtonId = 1002;
constexpr UINT_PTR kRectTool = 7;
constexpr UINT kHelpString = 6476;
const std::string kAsked = "parent WM_NOTIFY -520 7";

constexpr StringResource kStrings[] = {{kHelpString, "Copy the summary"}};
constexpr ResourceTable kTipResources{"tool tip test", {}, {}, {}, kStrings};

char* ResourceText(UINT id) {
    return reinterpret_cast<char*>(static_cast<UINT_PTR>(id));
}

// Answers TTN_GETDISPINFO for the window it subclasses with |answer|, after the spy logged it.
class DispInfoAnswer final : public WindowProcedure {
public:
    using Answer = std::function<void(NMTTDISPINFOA&)>;
    DispInfoAnswer(HWND window, Answer answer) : m_window(window), m_answer(std::move(answer)) {
        SetSubclass(window, this);
    }
    ~DispInfoAnswer() override {
        if (IsWindow(m_window)) SetSubclass(m_window, nullptr);
    }
    DispInfoAnswer(const DispInfoAnswer&) = delete;
    DispInfoAnswer& operator=(const DispInfoAnswer&) = delete;

    LRESULT HandleMessage(const Message& m) override {
        const LRESULT result = CallClassProcedure(m.hwnd, m.id, m.wParam, m.lParam);
        if (m.id == WM_NOTIFY && reinterpret_cast<NMHDR*>(m.lParam)->code == TTN_GETDISPINFO) {
            asked.push_back(*reinterpret_cast<NMTTDISPINFOA*>(m.lParam));
            asked.back().hdr.idFrom = m.wParam;  // Keeps wParam to compare with the header.
            m_answer(*reinterpret_cast<NMTTDISPINFOA*>(m.lParam));
        }
        return result;
    }

    std::vector<NMTTDISPINFOA> asked;

private:
    HWND m_window;
    Answer m_answer;
};

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
        TTTOOLINFOA info;
        info.cbSize = sizeof info;
        info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        info.hwnd = parent;
        info.uId = reinterpret_cast<UINT_PTR>(control);
        info.lpszText = const_cast<char*>(text);
        return info;
    }
    // A tool for a rectangle of the parent.
    TTTOOLINFOA RectTool(char* text, LPARAM lParam = 0) const {
        TTTOOLINFOA info;
        info.cbSize = sizeof info;
        info.hwnd = parent;
        info.uId = kRectTool;
        info.rect = RECT{0, 0, 50, 20};
        info.lpszText = text;
        info.lParam = lParam;
        return info;
    }
    static LRESULT Add(HWND tip, const TTTOOLINFOA& info) {
        return SendMessage(tip, TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&info));
    }
    static std::string GetText(HWND tip, TTTOOLINFOA info, WPARAM size = 0) {
        std::string buffer(200, '?');
        info.lpszText = buffer.data();
        SendMessage(tip, TTM_GETTEXT, size, reinterpret_cast<LPARAM>(&info));
        return buffer.substr(0, buffer.find('\0'));
    }

    HWND button = CreateControl("Button", 0, kButtonId, "button", "Copy");
};

TEST_F(ToolTipControlTest, IsAHiddenTopLevelPopupOwnedByItsDialog) {
    const HWND dialog = spy.CreateSpyWindow("dialog");
    const HWND tip = CreateToolTip(TTS_ALWAYSTIP, dialog);
    EXPECT_EQ(GetWindow(tip, GW_OWNER), dialog);
    const auto style = static_cast<DWORD>(GetWindowLongPtr(tip, GWL_STYLE));
    EXPECT_EQ(style & (WS_POPUP | WS_BORDER | TTS_ALWAYSTIP), WS_POPUP | WS_BORDER | TTS_ALWAYSTIP);
    EXPECT_FALSE(IsWindowVisible(tip));
    EXPECT_TRUE(GetWindowLongPtr(tip, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(ChildWindows(dialog).empty());
    DestroyWindow(dialog);
    EXPECT_FALSE(IsWindow(tip));
}

// A page (a child window) that makes its tip names its top-level window as the tip's owner.
TEST_F(ToolTipControlTest, TipOfAChildWindowGoesWithItsTopLevelWindow) {
    const HWND dialog = spy.CreateSpyWindow("dialog");
    const HWND page = CreateWindowEx(0, "Static", "page", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10,
                                     dialog, nullptr, nullptr, nullptr);
    const HWND tip = CreateToolTip(TTS_ALWAYSTIP, page);
    EXPECT_EQ(GetWindow(tip, GW_OWNER), dialog);
    DestroyWindow(dialog);
    EXPECT_FALSE(IsWindow(page));
    EXPECT_FALSE(IsWindow(tip));
}

TEST_F(ToolTipControlTest, AToolPerControlShowsItsTextAndAsksNobody) {
    const HWND tip = CreateToolTip();
    const HWND other = CreateControl("Button", 0, 1003, "other", "Other");
    spy.Only({WM_NOTIFY});
    EXPECT_EQ(SendMessage(tip, TTM_ACTIVATE, TRUE, 0), 0);
    EXPECT_EQ(Add(tip, ControlTool(button, "Copy the summary")), TRUE);
    EXPECT_EQ(Add(tip, ControlTool(other, "Open\tCtrl+O")), TRUE);
    EXPECT_EQ(SendMessage(tip, TTM_GETTOOLCOUNT, 0, 0), 2);
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
}

TEST_F(ToolTipControlTest, UpdateDeleteAndEnumerateTools) {
    const HWND tip = CreateToolTip();
    Add(tip, ControlTool(button, "Copy"));
    Add(tip, RectTool(const_cast<char*>("Corner"), 42));
    TTTOOLINFOA update = ControlTool(button, "Copy all");
    SendMessage(tip, TTM_UPDATETIPTEXT, 0, reinterpret_cast<LPARAM>(&update));
    EXPECT_EQ(ToolTipText(tip, button), "Copy all");

    char text[80] = {};
    TTTOOLINFOA found;
    found.cbSize = sizeof found;
    found.lpszText = text;
    EXPECT_EQ(SendMessage(tip, TTM_ENUMTOOLS, 1, reinterpret_cast<LPARAM>(&found)), TRUE);
    EXPECT_EQ(found.uId, kRectTool);
    EXPECT_EQ(found.hwnd, parent);
    EXPECT_EQ(found.rect, (RECT{0, 0, 50, 20}));
    EXPECT_EQ(found.lParam, 42);
    EXPECT_STREQ(text, "Corner");
    EXPECT_EQ(SendMessage(tip, TTM_ENUMTOOLS, 2, reinterpret_cast<LPARAM>(&found)), FALSE);

    const TTTOOLINFOA gone = ControlTool(button, nullptr);
    EXPECT_EQ(SendMessage(tip, TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&gone)), 0);
    EXPECT_EQ(SendMessage(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
    EXPECT_FALSE(ToolTipText(tip, button).has_value());
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    // The rectangle tool is found by the window that holds it.
    EXPECT_EQ(ToolTipText(tip, parent), "Corner");
}

TEST_F(ToolTipControlTest, AStringResourceIsLoadedWhenTheTipIsAsked) {
    AddResourceTable(kTipResources);
    const HWND tip = CreateToolTip();
    Add(tip, ControlTool(button, ResourceText(kHelpString)));
    EXPECT_EQ(ToolTipText(tip, button), "Copy the summary");
    RemoveResourceTable(kTipResources);
    EXPECT_EQ(ToolTipText(tip, button), "");
}

TEST_F(ToolTipControlTest, ACallbackToolAsksItsWindowEachTime) {
    const HWND tip = CreateToolTip();
    Add(tip, RectTool(LPSTR_TEXTCALLBACK, 99));
    DispInfoAnswer answer(parent, [](NMTTDISPINFOA& info) {
        std::snprintf(info.szText, sizeof info.szText, "Asked");
    });
    spy.Only({WM_NOTIFY});
    EXPECT_EQ(ToolTipText(tip, parent), "Asked");
    EXPECT_EQ(GetText(tip, RectTool(nullptr)), "Asked");
    EXPECT_TRUE(SequenceIs(spy, {kAsked, kAsked}));
    ASSERT_EQ(answer.asked.size(), 2u);
    const NMTTDISPINFOA& asked = answer.asked.front();
    EXPECT_EQ(asked.hdr.hwndFrom, tip);
    EXPECT_EQ(asked.hdr.idFrom, kRectTool);  // wParam, as the spy saw it in the header.
    EXPECT_EQ(asked.lParam, 99);
    EXPECT_EQ(asked.uFlags, 0u);
    EXPECT_NE(DumpWindowTree(tip).find("tool #7 callback"), std::string::npos);
}

TEST_F(ToolTipControlTest, ACallbackAnswerKeptWithSetItemIsNotAskedForAgain) {
    const HWND tip = CreateToolTip();
    Add(tip, RectTool(LPSTR_TEXTCALLBACK));
    static char kept[] = "Kept";
    DispInfoAnswer answer(parent, [](NMTTDISPINFOA& info) {
        info.lpszText = kept;
        info.uFlags |= TTF_DI_SETITEM;
    });
    spy.Only({WM_NOTIFY});
    EXPECT_EQ(ToolTipText(tip, parent), "Kept");
    EXPECT_EQ(ToolTipText(tip, parent), "Kept");
    EXPECT_TRUE(SequenceIs(spy, {kAsked}));
}

TEST_F(ToolTipControlTest, ACallbackWithoutAnAnswerAsksTheParentOfTheToolWindow) {
    const HWND tip = CreateToolTip();
    const HWND pane = spy.CreateSpyWindow("pane", parent, 5);
    TTTOOLINFOA info = RectTool(LPSTR_TEXTCALLBACK);
    info.hwnd = pane;
    Add(tip, info);
    spy.Only({WM_NOTIFY});
    EXPECT_EQ(ToolTipText(tip, pane), "");
    EXPECT_TRUE(SequenceIs(spy, {"pane WM_NOTIFY -520 7", kAsked}));
}

TEST_F(ToolTipControlTest, BadToolInfoIsRefused) {
    const HWND tip = CreateToolTip();
    EXPECT_EQ(SendMessage(tip, TTM_ADDTOOL, 0, 0), FALSE);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    for (const UINT size : {0u, TTTOOLINFOA_V1_SIZE - 1, TTTOOLINFOA_V3_SIZE + 4}) {
        TTTOOLINFOA info = ControlTool(button, "Copy");
        info.cbSize = size;
        SetLastError(ERROR_SUCCESS);
        EXPECT_EQ(Add(tip, info), FALSE) << size;
        EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    }
    EXPECT_EQ(SendMessage(tip, TTM_GETTOOLCOUNT, 0, 0), 0);

    // The first version of the structure, without lParam, is enough.
    TTTOOLINFOA first = ControlTool(button, "Copy");
    first.cbSize = TTTOOLINFOA_V1_SIZE;
    first.lParam = 5;
    EXPECT_EQ(Add(tip, first), TRUE);
    TTTOOLINFOA read = ControlTool(button, nullptr);
    EXPECT_EQ(SendMessage(tip, TTM_GETTOOLINFO, 0, reinterpret_cast<LPARAM>(&read)), TRUE);
    EXPECT_EQ(read.lParam, 0);

    // Asking without a buffer, or for a tool that is not there, writes nothing.
    EXPECT_EQ(SendMessage(tip, TTM_GETTEXT, 0, reinterpret_cast<LPARAM>(&read)), 0);
    EXPECT_EQ(SendMessage(tip, TTM_GETTEXT, 0, 0), 0);
    EXPECT_EQ(GetText(tip, ControlTool(parent, nullptr)), std::string(200, '?'));
}

TEST_F(ToolTipControlTest, GetTextCutsToTheBufferSize) {
    const HWND tip = CreateToolTip();
    const std::string longText(100, 'x');
    Add(tip, ControlTool(button, longText.c_str()));
    EXPECT_EQ(GetText(tip, ControlTool(button, nullptr)), std::string(79, 'x'));
    EXPECT_EQ(GetText(tip, ControlTool(button, nullptr), 150), longText);
    EXPECT_EQ(ToolTipText(tip, button), longText);
}

TEST_F(ToolTipControlTest, MaxTipWidthAnswersThePreviousWidth) {
    const HWND tip = CreateToolTip();
    EXPECT_EQ(SendMessage(tip, TTM_SETMAXTIPWIDTH, 0, 300), -1);
    EXPECT_EQ(SendMessage(tip, TTM_SETMAXTIPWIDTH, 0, 200), 300);
    EXPECT_EQ(SendMessage(tip, TTM_GETMAXTIPWIDTH, 0, 0), 200);
}

TEST_F(ToolTipControlTest, ATipDestroyedOrEmptiedByTheCallbackHandlerIsSafe) {
    HWND tip = CreateToolTip();
    Add(tip, RectTool(LPSTR_TEXTCALLBACK));
    {
        DispInfoAnswer answer(parent, [this, &tip](NMTTDISPINFOA& info) {
            const TTTOOLINFOA gone = RectTool(nullptr);
            SendMessage(tip, TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&gone));
            info.uFlags |= TTF_DI_SETITEM;
            std::snprintf(info.szText, sizeof info.szText, "Late");
        });
        EXPECT_EQ(ToolTipText(tip, parent), "Late");
        EXPECT_EQ(SendMessage(tip, TTM_GETTOOLCOUNT, 0, 0), 0);
    }
    Add(tip, RectTool(LPSTR_TEXTCALLBACK));
    DispInfoAnswer answer(parent, [&tip](NMTTDISPINFOA&) { DestroyWindow(tip); });
    EXPECT_EQ(ToolTipText(tip, parent), "");
    EXPECT_FALSE(IsWindow(tip));
    EXPECT_FALSE(ToolTipText(tip, parent).has_value());
    EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
}

TEST_F(ToolTipControlTest, TextIsReadFromToolTipsOnly) {
    EXPECT_FALSE(ToolTipText(parent, button).has_value());
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

}  // namespace
}  // namespace winport::test
