#include <algorithm>
#include <tuple>

#include "ControlTestSupport.h"
#include "DialogTestSupport.h"
#include "platform/dialog/DialogApi.h"

namespace winport::test {
namespace {

class AgentTest : public ShownFormTest {
protected:
    HWND Item(int id) const { return GetDlgItem(dialog.m_hWnd, id); }
    HWND AddControl(const char* className, DWORD style) {
        return CreateChild(dialog.m_hWnd, className, style, 1200, {5, 5, 80, 60});
    }

    Agent agent;
};

TEST_F(AgentTest, DumpShowsWhatAPersonSeesAndIsTheSameEveryTime) {
    SetWindowText(Item(kCityEdit), "Zürich \"Nord\"");
    SendMessage(Item(kNameEdit), EM_SETPASSWORDCHAR, '*', 0);
    SetWindowText(Item(kNameEdit), "secret");
    const std::string dump = DumpWindowTree(dialog.m_hWnd);
    EXPECT_EQ(dump,
              "#32770 \"Form\"\n"
              "  Static -1 \"&Name:\"\n"
              "  Edit 1001 \"******\" [focus, tabstop, password]\n"
              "  Edit 1002 \"Zürich \\\"Nord\\\"\" [tabstop]\n"
              "  Edit 1003 \"\" [disabled, tabstop]\n"
              "  Button 1004 \"&Inner\" [tabstop]\n"
              "  Button 1005 \"&Answer\" [tabstop]\n"
              "  Button 1 \"OK\" [tabstop, default]\n"
              "  Button 2 \"Cancel\" [tabstop]\n");
    EXPECT_EQ(DumpWindowTree(dialog.m_hWnd), dump);
    EXPECT_EQ(DumpWindowTree(reinterpret_cast<HWND>(0x42)), "");

    // A frame's maximize box shares its bit with a control's tab stop.
    HWND frame = CreateWindowEx(0, "Static", "Frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100,
                                100, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(DumpWindowTree(frame), "Static \"Frame\"\n");
    DestroyWindow(frame);
}

TEST_F(AgentTest, ARightClickAsksForAMenuButAPersonCannotReachDisabledHiddenOrMissingWindows) {
    MessageSpy spy;
    spy.Watch(Item(kCityEdit), "city");
    spy.Only({WM_CONTEXTMENU});
    ASSERT_TRUE(agent.RightClick(Item(kCityEdit)));
    EXPECT_TRUE(SequenceIs(spy, {"city WM_CONTEXTMENU"}));
    EXPECT_REFUSED(agent, Type(Item(kDisabledEdit), "x"), "Edit 1003 is disabled");
    ShowWindow(Item(kCityEdit), SW_HIDE);
    EXPECT_REFUSED(agent, Click(Item(kCityEdit)), "Edit 1002 is not visible");
    EnableWindow(dialog.m_hWnd, FALSE);
    EXPECT_REFUSED(agent, Click(Item(IDOK)), "Button 1 is disabled");
    EXPECT_REFUSED(agent, Click(reinterpret_cast<HWND>(0x42)), "no such window");
}

TEST_F(AgentTest, TypingSendsOneChangePerCharacterReplacesOrAppendsAndReachesAComboEdit) {
    MessageSpy spy;
    spy.Watch(dialog.m_hWnd, "dialog");
    SetWindowText(Item(kCityEdit), "Old");
    spy.Only({WM_COMMAND});
    ASSERT_TRUE(agent.Type(Item(kCityEdit), "Οδός"));
    EXPECT_EQ(GetWindowTextUtf8(Item(kCityEdit)), "Οδός");
    EXPECT_EQ(
        std::count(spy.Lines().begin(), spy.Lines().end(), "dialog WM_COMMAND EN_CHANGE 1002"), 4);
    ASSERT_TRUE(agent.Type(Item(kCityEdit), " 5", TypeMode::Append));
    EXPECT_EQ(GetWindowTextUtf8(Item(kCityEdit)), "Οδός 5");
    ASSERT_TRUE(agent.Type(Item(kCityEdit), ""));
    EXPECT_EQ(GetWindowTextUtf8(Item(kCityEdit)), "");

    const HWND combo = AddControl("ComboBox", CBS_DROPDOWN);
    ASSERT_TRUE(agent.Type(combo, "Bern"));
    EXPECT_EQ(GetWindowTextUtf8(combo), "Bern");
    ASSERT_TRUE(agent.Type(combo, "e", TypeMode::Append));
    EXPECT_EQ(GetWindowTextUtf8(combo), "Berne");
}

TEST_F(AgentTest, TickClicksACheckBoxOnlyWhenItMustChangeAndNeverUnticksARadioButton) {
    const HWND box = AddControl("Button", BS_AUTOCHECKBOX);
    MessageSpy spy;
    spy.Watch(dialog.m_hWnd, "dialog");
    spy.Only({WM_COMMAND});
    ASSERT_TRUE(agent.Tick(box));
    ASSERT_TRUE(agent.Tick(box));
    EXPECT_EQ(SendMessage(box, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED));
    ASSERT_TRUE(agent.Tick(box, CheckState::Unchecked));
    EXPECT_EQ(SendMessage(box, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_UNCHECKED));
    // The first click also takes the focus from the name edit.
    EXPECT_TRUE(
        SequenceIs(spy, {"dialog WM_COMMAND EN_KILLFOCUS 1001", "dialog WM_COMMAND BN_CLICKED 1200",
                         "dialog WM_COMMAND BN_CLICKED 1200"}));

    const HWND radio = AddControl("Button", BS_AUTORADIOBUTTON);
    ASSERT_TRUE(agent.Tick(radio));
    EXPECT_REFUSED(agent, Tick(radio, CheckState::Unchecked),
                   "Button 1200 is a radio button: ticking another unticks it");
    EXPECT_EQ(SendMessage(radio, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED));
}

TEST_F(AgentTest, ActionsAControlCannotTakeAreRefusedWithTheReasonAndSendNothing) {
    using Action = std::function<bool(Agent&, HWND)>;
    const Action type = [](Agent& agent, HWND hwnd) { return agent.Type(hwnd, "12a"); };
    const std::tuple<const char*, DWORD, Action, const char*> cases[] = {
        {"Edit", ES_READONLY, type, "Edit 1200 is read-only"},
        {"Edit", ES_NUMBER, type, "Edit 1200 takes digits only"},
        {"Button", BS_PUSHBUTTON, type, "Button 1200 does not take text"},
        {"ComboBox", CBS_DROPDOWNLIST, type, "ComboBox 1200 is a drop-down list: it has no edit"},
        {"Static", 0, [](Agent& agent, HWND hwnd) { return agent.Click(hwnd); },
         "Static 1200 does not take clicks"},
        {"Button", BS_GROUPBOX, [](Agent& agent, HWND hwnd) { return agent.DoubleClick(hwnd); },
         "Button 1200 does not take clicks"},
        {"Button", BS_PUSHBUTTON,
         [](Agent& agent, HWND hwnd) { return agent.Tick(hwnd, CheckState::Unchecked); },
         "Button 1200 is not a check box"},
        {"Button", BS_AUTOCHECKBOX | WS_DISABLED,
         [](Agent& agent, HWND hwnd) { return agent.Tick(hwnd, CheckState::Unchecked); },
         "Button 1200 is disabled"},
        {"Edit", 0, [](Agent& agent, HWND hwnd) { return agent.PickComboItem(hwnd, "x"); },
         "Edit 1200 is not a combo box"},
        {"ListBox", 0, [](Agent& agent, HWND hwnd) { return agent.SelectListViewRow(hwnd, 0); },
         "ListBox 1200 is not a list view"},
    };
    for (const auto& [className, style, action, reason] : cases) {
        SCOPED_TRACE(reason);
        const HWND control = AddControl(className, style);
        MessageSpy spy;
        spy.Watch(dialog.m_hWnd, "dialog");
        spy.Only({WM_COMMAND});
        EXPECT_FALSE(action(agent, control));
        EXPECT_EQ(agent.LastError(), reason);
        EXPECT_EQ(GetWindowTextUtf8(control), "");
        EXPECT_TRUE(SequenceIs(spy, {}));
        DestroyWindow(control);
    }
}

}  // namespace
}  // namespace winport::test
