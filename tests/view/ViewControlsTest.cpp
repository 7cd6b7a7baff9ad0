// The controls the details windows do not show yet, in a form of the host's own: a check box,
// a spin button beside its field, a list box, a tree, a drop-down list, an etched line, a
// multi-line field, rich text and simple combo boxes, each drawn with its Qt widget and used with
// Qt's test input, the platform answering through the agent.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>
#include <cstdlib>
#include <map>

#include "ViewTestSupport.h"
#include "platform/controls/ComboBoxState.h"
#include "platform/controls/RichEditApi.h"
#include "platform/controls/TreeViewApi.h"
#include "platform/controls/UpDownApi.h"
#include "platform/window/WindowProcedure.h"
#include "view/qt/SimpleComboWidget.h"

namespace viewtest {
namespace {

class ViewControlsTest : public ViewFixture {
protected:
    void SetUp() override {
        ViewFixture::SetUp();
        form = CreateWindowEx(0, "Static", "Preferences", WS_POPUP | WS_VISIBLE, 40, 30, 320, 220,
                              nullptr, nullptr, nullptr, nullptr);
        check = Control("Button", "&Remember me", BS_AUTOCHECKBOX, 10, 10, 140, 16, 101);
        field = Control("Edit", "5", ES_NUMBER | WS_BORDER, 10, 34, 50, 20, 102);
        spin = Control(UPDOWN_CLASS, "", UDS_SETBUDDYINT | UDS_ALIGNRIGHT, 0, 0, 16, 20, 103);
        SendMessage(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(field), 0);
        SendMessage(spin, UDM_SETRANGE32, 0, 10);
        SendMessage(spin, UDM_SETPOS32, 0, 5);
        list =
            Control("ListBox", "", LBS_NOTIFY | LBS_HASSTRINGS | WS_BORDER, 10, 64, 100, 70, 104);
        for (const char* text : {"alpha", "beta", "gamma"})
            SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        tree = Control(WC_TREEVIEW, "", TVS_HASBUTTONS | WS_BORDER, 120, 64, 180, 100, 105);
        hobbies = Insert(TVI_ROOT, "Hobbies");
        chess = Insert(hobbies, "Chess");
        Control("Static", "", SS_ETCHEDHORZ, 10, 160, 290, 2, 107);
        notes = Control("Edit", "first line\r\nsecond", ES_MULTILINE | WS_BORDER, 140, 170, 80, 40,
                        108);
        about = Control(RICHEDIT_CLASS, "Rich\r\ntext", ES_MULTILINE | ES_READONLY, 230, 170, 80,
                        40, 109);
        choice = Control("ComboBox", "", CBS_DROPDOWNLIST, 10, 170, 120, 22, 106);
        for (const char* text : {"Never", "Daily", "Weekly"})
            SendMessage(choice, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }

    HWND Control(const char* className, const char* text, DWORD style, int x, int y, int width,
                 int height, int id) {
        return CreateWindowEx(0, className, text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, x, y,
                              width, height, form, reinterpret_cast<HMENU>(id), nullptr, nullptr);
    }
    HTREEITEM Insert(HTREEITEM parent, const char* text) {
        const TVINSERTSTRUCTA insert{
            parent, TVI_LAST, {.mask = TVIF_TEXT, .pszText = const_cast<char*>(text)}};
        return reinterpret_cast<HTREEITEM>(
            SendMessage(tree, TVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&insert)));
    }

    HWND form{}, check{}, field{}, spin{}, list{}, tree{}, choice{}, notes{}, about{};
    HTREEITEM hobbies{}, chess{};
};

TEST_F(ViewControlsTest, EachControlIsDrawnWithItsQtWidgetAndTakesQtInput) {
    nuvview::View& view = ViewOf(form);
    ExpectMirrors(view, form);  // Each widget's kind and text among them.
    EXPECT_TRUE(WidgetOf<QTextEdit>(view, about)->isReadOnly());
    auto* lines = WidgetOf<QPlainTextEdit>(view, notes);
    // Without a sideways scroll its lines wrap at its edge, and it has no scroll bars.
    EXPECT_EQ(lines->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(lines->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(lines->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    SetWindowLongPtr(notes, GWL_STYLE,
                     GetWindowLongPtr(notes, GWL_STYLE) | WS_VSCROLL | ES_AUTOHSCROLL);
    view.Sync();
    EXPECT_EQ(lines->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(lines->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    auto* items = WidgetOf<QListWidget>(view, list);
    ASSERT_EQ(items->count(), 3);
    EXPECT_EQ(items->item(2)->text(), "gamma");
    auto* branches = WidgetOf<QTreeWidget>(view, tree);
    ASSERT_EQ(branches->topLevelItemCount(), 1);
    EXPECT_EQ(branches->topLevelItem(0)->text(0), "Hobbies");
    EXPECT_EQ(branches->topLevelItem(0)->child(0)->text(0), "Chess");
    auto* often = WidgetOf<QComboBox>(view, choice);
    EXPECT_FALSE(often->isEditable()) << "a drop-down list takes no typing";
    EXPECT_EQ(often->count(), 3);
    // The spin's arrows lie beside the field, over its border as the platform places it.
    const QRect arrowsAt = view.WidgetFor(spin)->geometry();
    const QRect fieldAt = view.WidgetFor(field)->geometry();
    EXPECT_EQ(arrowsAt.top(), fieldAt.top());
    EXPECT_LE(std::abs(arrowsAt.left() - fieldAt.right() - 1), 2);

    // Qt's input on each reaches the control through the agent.
    auto* box = WidgetOf<QCheckBox>(view, check);
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(SendMessage(check, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED));
    EXPECT_TRUE(box->isChecked());
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(SendMessage(check, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_UNCHECKED));
    EXPECT_FALSE(box->isChecked());

    const QList<QToolButton*> arrows = view.WidgetFor(spin)->findChildren<QToolButton*>();
    ASSERT_EQ(arrows.size(), 2);
    QTest::mouseClick(arrows[0], Qt::LeftButton);
    QTest::mouseClick(arrows[0], Qt::LeftButton);
    QTest::mouseClick(arrows[1], Qt::LeftButton);
    EXPECT_EQ(Text(field), "6");
    EXPECT_EQ(WidgetOf<QLineEdit>(view, field)->text(), "6");

    QTest::mouseClick(items->viewport(), Qt::LeftButton, {},
                      items->visualItemRect(items->item(1)).center());
    EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(items->currentRow(), 1);

    QTest::mouseClick(branches->viewport(), Qt::LeftButton, {},
                      branches->visualItemRect(branches->topLevelItem(0)).center());
    EXPECT_EQ(SendMessage(tree, TVM_GETNEXTITEM, TVGN_CARET, 0),
              reinterpret_cast<LRESULT>(hobbies));
    EXPECT_TRUE(branches->topLevelItem(0)->isSelected());

    often->showPopup();
    QAbstractItemView* popup = often->view();
    QTest::mouseClick(popup->viewport(), Qt::LeftButton, {},
                      popup->visualRect(popup->model()->index(2, 0)).center());
    EXPECT_EQ(SendMessage(choice, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(often->currentText(), "Weekly");
    EXPECT_EQ(agent.LastError(), "");
}

// The notification codes each control sends the window it subclasses, as its host receives them.
class NotificationLog final : public winport::WindowProcedure {
public:
    explicit NotificationLog(HWND parent) : m_parent(parent), m_next(winport::GetSubclass(parent)) {
        winport::SetSubclass(parent, this);
    }
    ~NotificationLog() override {
        if (IsWindow(m_parent)) winport::SetSubclass(m_parent, m_next);
    }
    NotificationLog(const NotificationLog&) = delete;
    NotificationLog& operator=(const NotificationLog&) = delete;

    LRESULT HandleMessage(const winport::Message& m) override {
        if (m.id == WM_COMMAND)
            m_codes[reinterpret_cast<HWND>(m.lParam)].push_back(HIWORD(m.wParam));
        return m_next ? m_next->HandleMessage(m)
                      : winport::CallClassProcedure(m.hwnd, m.id, m.wParam, m.lParam);
    }
    std::vector<WORD> CodesOf(HWND control) const {
        const auto found = m_codes.find(control);
        return found == m_codes.end() ? std::vector<WORD>{} : found->second;
    }
    void Clear() { m_codes.clear(); }

private:
    HWND m_parent;
    winport::WindowProcedure* m_next;
    std::map<HWND, std::vector<WORD>> m_codes;
};

// Two simple combo boxes of the same colours in a form of their own: one used with Qt's input,
// its twin by the agent.
class ViewSimpleComboTest : public ViewFixture {
protected:
    void SetUp() override {
        ViewFixture::SetUp();
        form = CreateWindowEx(0, "Static", "Colours", WS_POPUP | WS_VISIBLE, 60, 40, 300, 150,
                              nullptr, nullptr, nullptr, nullptr);
        shown = Combo(10, 201);
        twin = Combo(150, 202);
        log = std::make_unique<NotificationLog>(form);
    }

    HWND Combo(int x, int id) {
        const HWND combo =
            CreateWindowEx(0, "ComboBox", "", WS_CHILD | WS_VISIBLE | CBS_SIMPLE, x, 10, 120, 110,
                           form, reinterpret_cast<HMENU>(id), nullptr, nullptr);
        for (const char* text : {"Red", "Green", "Blue", "Cyan"})
            SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        return combo;
    }

    // What the person and the host see of a combo after |action|: its text, its selection
    // and the notifications it sent meanwhile.
    using Seen = std::tuple<std::string, LRESULT, std::vector<WORD>>;
    Seen After(HWND combo, const std::function<void()>& action) {
        log->Clear();
        action();
        return {Text(combo), SendMessage(combo, CB_GETCURSEL, 0, 0), log->CodesOf(combo)};
    }

    HWND form = nullptr;
    HWND shown = nullptr;
    HWND twin = nullptr;
    std::unique_ptr<NotificationLog> log;
};

// Where |hwnd| lies in its parent's client area.
QRect PlacedRect(HWND hwnd) {
    RECT rect;
    GetWindowRect(hwnd, &rect);
    POINT origin{0, 0};
    ClientToScreen(GetParent(hwnd), &origin);
    return QRect(rect.left - origin.x, rect.top - origin.y, rect.right - rect.left,
                 rect.bottom - rect.top);
}

TEST_F(ViewSimpleComboTest, ShowsItsFieldAboveItsListWhereThePlatformHasThem) {
    nuvview::View& view = ViewOf(form);
    ExpectMirrors(view, form);
    auto* combo = WidgetOf<nuvview::SimpleComboWidget>(view, shown);
    EXPECT_TRUE(combo->Edit()->isVisibleTo(combo));
    EXPECT_TRUE(combo->List()->isVisibleTo(combo)) << "its list is always shown";
    ASSERT_EQ(combo->List()->count(), 4);
    EXPECT_EQ(combo->List()->item(3)->text(), "Cyan");
    EXPECT_EQ(combo->List()->currentRow(), -1);

    SendMessage(shown, CB_SETCURSEL, 2, 0);
    view.Sync();
    EXPECT_EQ(combo->List()->currentRow(), 2);
    EXPECT_EQ(Text(shown), "Blue");
    EXPECT_EQ(combo->Edit()->text(), "Blue");
    SetWindowText(shown, "Magenta");
    view.Sync();
    EXPECT_EQ(combo->Edit()->text(), "Magenta");

    for (const int height : {110, 140}) {
        SCOPED_TRACE(height);
        MoveWindow(shown, 10, 10, 130, height, TRUE);
        view.Sync();
        EXPECT_EQ(combo->geometry(), PlacedRect(shown));
        // The platform's edit lies inside the field, its list begins right below it.
        const std::optional<winport::ComboBoxState> state = winport::GetComboBoxState(shown);
        ASSERT_TRUE(state.has_value());
        const QRect field = combo->Edit()->geometry();
        EXPECT_TRUE(field.contains(PlacedRect(state->edit)));
        const QRect list = combo->List()->geometry();
        EXPECT_EQ(field.topLeft(), QPoint(0, 0));
        EXPECT_EQ(list.top(), state->listRect.top);
        EXPECT_EQ(list.top(), field.bottom() + 1);
        EXPECT_EQ(list.bottom(), height - 1) << "the list fills the rest";
        EXPECT_EQ(list.width(), 130);
        EXPECT_EQ(field.width(), 130);
    }
}

TEST_F(ViewSimpleComboTest, QtInputDoesWhatTheAgentDoesOnTheTwin) {
    nuvview::View& view = ViewOf(form);
    ExpectMirrors(view, form);
    auto* combo = WidgetOf<nuvview::SimpleComboWidget>(view, shown);
    QListWidget* list = combo->List();

    // Typing goes where a person's focus is, in the field; Home puts its caret first and Delete
    // takes the letter after it; Down moves to the next colour of the list.
    const struct {
        const char* what;
        std::function<void()> agentWay;
        std::function<void()> qtWay;
        std::string text;  // Empty: whatever the agent's twin shows.
        WORD sent;         // A notification the step must send, if any.
    } steps[] = {
        {"pick", [&] { ASSERT_TRUE(agent.PickComboItem(twin, 1)); },
         [&] {
             QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                               list->visualItemRect(list->item(1)).center());
         },
         "Green", CBN_SELCHANGE},
        {"type", [&] { ASSERT_TRUE(agent.TypeInCombo(twin, "ish", winport::TypeMode::Append)); },
         [&] { TypeWithQt(combo->Edit(), "ish"); }, "Greenish", CBN_EDITCHANGE},
        {"Home and Delete",
         [&] {
             ASSERT_TRUE(agent.Focus(twin));
             ASSERT_TRUE(agent.PressKey(VK_HOME));
             ASSERT_TRUE(agent.PressKey(VK_DELETE));
         },
         [&] {
             QTest::keyClick(combo->Edit(), Qt::Key_Home);
             QTest::keyClick(combo->Edit(), Qt::Key_Delete);
         },
         "reenish", 0},
        {"Down",
         [&] {
             ASSERT_TRUE(agent.Focus(twin));
             ASSERT_TRUE(agent.PressKey(VK_DOWN));
         },
         [&] { QTest::keyClick(combo->Edit(), Qt::Key_Down); }, "", CBN_SELCHANGE},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        const Seen agentSaw = After(twin, step.agentWay);
        const Seen qtSaw = After(shown, step.qtWay);
        EXPECT_EQ(qtSaw, agentSaw);
        const auto& [text, selection, codes] = qtSaw;
        EXPECT_TRUE(step.text.empty() || text == step.text) << text;
        EXPECT_TRUE(!step.sent || std::ranges::find(codes, step.sent) != codes.end());
        EXPECT_EQ(combo->Edit()->text().toStdString(), text);
        EXPECT_TRUE(step.sent != CBN_SELCHANGE || list->currentRow() == selection)
            << list->currentRow();
    }
    EXPECT_EQ(agent.LastError(), "");
}

}  // namespace
}  // namespace viewtest
