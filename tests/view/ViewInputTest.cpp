// What a person does on the view's widgets with Qt's own test input reaches the platform as the
// agent's actions do: the same calls to the host, the same texts and the same record, and the
// widgets then show the platform's answer.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "ViewTestSupport.h"
#include "platform/window/WindowClass.h"
#include "view/qt/TabControlWidget.h"

namespace viewtest {
namespace {

// What a person and the host observe after a session with a contact's window.
struct Outcome {
    std::vector<std::string> calls;  // what the module asked of the host
    std::string title;
    std::string record;  // the display name kept, "handle|code"
    bool open = true;
};

class ViewInputTest : public ViewFixture {
protected:
    using Session = std::function<void(HWND window, nuvview::View& view)>;

    void SetUp() override {
        ViewFixture::SetUp();
        // Two contacts alike in all but number: one for the agent, one for Qt's input.
        first = host->AddContact(1003, "Boris");
        twin = host->AddContact(1004, "Boris");
        for (BCUserInfo* user : {first, twin}) {
            MCVariantPropertySet record = host->Record(user);
            record["NickName"] = "Bob";
            record["FirstName"] = "Boris";
            record["LastName"] = "Petrov";
        }
    }

    // Opens |user|'s window in a view, runs |session| and reports what it came to; the window
    // is closed with the agent at the end when the session left it open.
    Outcome Run(BCUserInfo* user, const Session& session) {
        Outcome outcome;
        const HWND window = OpenContact(user);
        nuvview::View view(window, &agent);
        view.Sync();
        host->ClearCalls();
        session(window, view);
        // The host's log names the user by number; the twins differ only there.
        const std::string number = std::to_string(user->GetNumber());
        for (std::string call : host->Calls()) {
            for (size_t at = call.find(number); at != std::string::npos; at = call.find(number))
                call.replace(at, number.size(), "N");
            outcome.calls.push_back(call);
        }
        outcome.open = IsWindow(window);
        if (outcome.open) {
            outcome.title = Text(window);
            EXPECT_TRUE(agent.Click(Item(window, IDC_DETAILS_CLOSE)));
        }
        outcome.record = Keys(user, {"MyDefinedHandle", "Display"});
        return outcome;
    }

    static void ExpectSame(const Outcome& agentWay, const Outcome& qtWay) {
        const auto fields = [](const Outcome& o) {
            return std::tie(o.calls, o.title, o.record, o.open);
        };
        EXPECT_EQ(fields(qtWay), fields(agentWay));
    }

    BCUserInfo* first = nullptr;
    BCUserInfo* twin = nullptr;
};

TEST_F(ViewInputTest, TypingAndClickingMatchTheAgent) {
    const Outcome agentWay = Run(first, [this](HWND window, nuvview::View&) {
        const HWND display = Item(MainPage(window), IDC_MAIN_DISPLAY);
        ASSERT_TRUE(agent.TypeInCombo(display, " из Праги", winport::TypeMode::Append));
        ASSERT_TRUE(agent.Click(Item(window, IDC_DETAILS_CLOSE)));
    });
    const Outcome qtWay = Run(twin, [](HWND window, nuvview::View& view) {
        auto* display = WidgetOf<QComboBox>(view, Item(MainPage(window), IDC_MAIN_DISPLAY));
        TypeWithQt(display, " из Праги");
        EXPECT_EQ(display->currentText(),
                  QString::fromStdString(Text(Item(MainPage(window), IDC_MAIN_DISPLAY))));
        auto* close = WidgetOf<QPushButton>(view, Item(window, IDC_DETAILS_CLOSE));
        QTest::mouseClick(close, Qt::LeftButton);
    });
    EXPECT_FALSE(agentWay.open);
    EXPECT_FALSE(agentWay.record.starts_with("|")) << "a handle was kept";
    EXPECT_FALSE(agentWay.calls.empty());
    ExpectSame(agentWay, qtWay);
}

TEST_F(ViewInputTest, PickingAnEntryAndATabMatchTheAgent) {
    const Outcome agentWay = Run(first, [this](HWND window, nuvview::View&) {
        ASSERT_TRUE(agent.PickComboItem(Item(MainPage(window), IDC_MAIN_DISPLAY), 2));
        ASSERT_TRUE(agent.SelectTab(Item(window, IDC_DETAILS_TAB), 2));
    });
    const Outcome qtWay = Run(twin, [](HWND window, nuvview::View& view) {
        auto* display = WidgetOf<QComboBox>(view, Item(MainPage(window), IDC_MAIN_DISPLAY));
        display->showPopup();
        QAbstractItemView* list = display->view();
        const QRect row = list->visualRect(list->model()->index(2, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
        const HWND tab = Item(window, IDC_DETAILS_TAB);
        auto* tabs = WidgetOf<nuvview::TabControlWidget>(view, tab);
        QTest::mouseClick(tabs->Bar(), Qt::LeftButton, {}, tabs->Bar()->tabRect(2).center());
        EXPECT_EQ(SendMessage(tab, TCM_GETCURSEL, 0, 0), 2);
        EXPECT_EQ(tabs->Bar()->currentIndex(), 2);
        EXPECT_FALSE(view.WidgetFor(MainPage(window))->isVisible());
    });
    EXPECT_TRUE(agentWay.open);
    EXPECT_NE(agentWay.title, "");
    ExpectSame(agentWay, qtWay);
}

// A sync that comes while the person holds a button down (a timer, a post) leaves the press
// alone: letting go on the button clicks it; let go of elsewhere, it clicks nothing and the focus
// goes back to the field that has the platform's.
TEST_F(ViewInputTest, AButtonHeldDownThroughASyncClicksWhenLetGo) {
    const HWND window = OpenOwner();
    nuvview::View& view = ViewOf(window);
    ASSERT_TRUE(Activate(view.WidgetFor(window)));
    const HWND first = Item(MainPage(window), IDC_MAIN_FIRST_NAME);
    ASSERT_TRUE(agent.Focus(first));
    view.Sync();
    auto* close = WidgetOf<QPushButton>(view, Item(window, IDC_DETAILS_CLOSE));

    QTest::mousePress(close, Qt::LeftButton);
    view.Sync();
    QTest::mouseRelease(close, Qt::LeftButton, {}, QPoint(-20, -20));
    QCoreApplication::processEvents();
    ASSERT_TRUE(IsWindow(window)) << "let go of away from the button";
    EXPECT_EQ(QApplication::focusWidget(), view.WidgetFor(first));

    QTest::mousePress(close, Qt::LeftButton);
    view.Sync();
    QTest::mouseRelease(close, Qt::LeftButton);
    EXPECT_FALSE(IsWindow(window)) << "the click was lost to the sync";
}

// The platform's focus shows; only the field with the focus shows a selection; Ctrl+A selects a
// field's whole text; typing goes where the caret is; the focus moved with the keyboard shows on a
// button as the style draws it.
TEST_F(ViewInputTest, FieldsTakeTypingAtTheCaretAndShowFocusOnlyWhereThePlatformHasIt) {
    host->Record(owner)["FirstName"] = "Ann";
    host->Record(owner)["LastName"] = "Lee";
    const HWND window = OpenOwner();
    nuvview::View& view = ViewOf(window);
    ASSERT_TRUE(Activate(view.WidgetFor(window)));
    const HWND first = Item(MainPage(window), IDC_MAIN_FIRST_NAME);
    auto* firstEdit = WidgetOf<QLineEdit>(view, first);
    auto* lastEdit = WidgetOf<QLineEdit>(view, Item(MainPage(window), IDC_MAIN_LAST_NAME));

    ASSERT_TRUE(agent.Focus(first));
    view.Sync();
    EXPECT_EQ(firstEdit->window()->focusWidget(), firstEdit) << "the platform's focus shows";
    QTest::keyClick(firstEdit, Qt::Key_Tab);
    EXPECT_EQ(lastEdit->selectedText().toStdString(), "Lee")
        << "the dialog selects a field tabbed into";
    QTest::keyClick(lastEdit, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(firstEdit->selectedText().toStdString(), "Ann");
    EXPECT_FALSE(lastEdit->hasSelectedText()) << "a field without the focus hides its selection";

    firstEdit->setCursorPosition(1);
    QTest::keyClick(firstEdit, Qt::Key_Left);
    QTest::keyClick(firstEdit, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(SendMessage(GetFocus(), EM_GETSEL, 0, 0), MAKELONG(0, 3))
        << "Ctrl+A selects the whole text";
    EXPECT_EQ(firstEdit->selectedText().toStdString(), "Ann");

    // Typing goes where the caret is; a click gives the field the platform's focus.
    ASSERT_TRUE(agent.Focus(Item(MainPage(window), IDC_MAIN_LAST_NAME)));
    view.Sync();
    QTest::mouseClick(firstEdit, Qt::LeftButton);
    EXPECT_EQ(GetFocus(), first);
    firstEdit->setCursorPosition(1);
    TypeWithQt(firstEdit, "ë");
    EXPECT_EQ(Text(first) + "|" + firstEdit->text().toStdString(), "Aënn|Aënn");
    firstEdit->setCursorPosition(firstEdit->text().size());
    QTest::keyClick(firstEdit, Qt::Key_Backspace);
    TypeWithQt(firstEdit, "e");
    EXPECT_EQ(Text(first), "Aëne");
    firstEdit->selectAll();
    TypeWithQt(firstEdit, "Zoë");
    EXPECT_EQ(Text(first) + "|" + firstEdit->text().toStdString(), "Zoë|Zoë");

    for (int i = 0; i < 12 && winport::GetClassNameOf(GetFocus()) != "Button"; ++i)
        QTest::keyClick(view.WidgetFor(GetFocus()), Qt::Key_Tab);
    ASSERT_EQ(winport::GetClassNameOf(GetFocus()), "Button");
    QWidget* button = view.WidgetFor(GetFocus());
    EXPECT_TRUE(button->hasFocus());
    EXPECT_TRUE(button->window()->testAttribute(Qt::WA_KeyboardFocusChange))
        << "the style draws the focus where the keyboard put it";
}

// A field's limit stops typing, as on the platform; text the program put there past the limit
// is shown whole.
TEST_F(ViewInputTest, TextPastAFieldsLimitShowsWholeAndTypingStops) {
    constexpr int kHomeTab = 1;
    host->Record(owner)["HomeState"] = "Auvergne-Rhône-Alpes";
    const HWND window = OpenOwner(kHomeTab);
    nuvview::View& view = ViewOf(window);
    const HWND state = Item(Dialog(window)->GetPage(kHomeTab)->m_hWnd, IDC_HOME_STATE);
    ASSERT_EQ(SendMessage(state, EM_GETLIMITTEXT, 0, 0), 3);
    auto* edit = WidgetOf<QLineEdit>(view, state);
    EXPECT_EQ(edit->text().toStdString(), "Auvergne-Rhône-Alpes");
    ASSERT_TRUE(Activate(view.WidgetFor(window)));
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->setCursorPosition(static_cast<int>(edit->text().size()));
    TypeWithQt(edit, "X");
    EXPECT_EQ(Text(state), "Auvergne-Rhône-Alpes") << "the limit stops typing";
    EXPECT_EQ(edit->text().toStdString(), "Auvergne-Rhône-Alpes");
}

TEST_F(ViewInputTest, ListRowClickSelectsItAndTheButtonsFollow) {
    host->Record(owner)["PrimaryEmail"] = "ann@example.org";
    const HWND window = OpenOwner();
    nuvview::View& view = ViewOf(window);
    const HWND pane = EmailPane(window, IDC_OWNER_EMAIL_LIST);
    const HWND list = GetDlgItem(pane, IDC_OWNER_EMAIL_LIST);
    auto* rows = WidgetOf<QTreeWidget>(view, list);
    ASSERT_GE(rows->topLevelItemCount(), 1);
    EXPECT_EQ(rows->topLevelItem(0)->text(2), "ann@example.org");
    const HWND edit = GetDlgItem(pane, IDC_OWNER_EMAIL_EDIT);
    ASSERT_FALSE(IsWindowEnabled(edit)) << "Edit waits for a row";

    const QRect row = rows->visualItemRect(rows->topLevelItem(0));
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(SendMessage(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 0);
    EXPECT_TRUE(rows->topLevelItem(0)->isSelected());
    EXPECT_TRUE(IsWindowEnabled(edit) && view.WidgetFor(edit)->isEnabled())
        << "a selected row enables its buttons, on the platform and on screen";
}

TEST_F(ViewInputTest, ClosingTheRealWindowClosesItAsTheCloseBoxDoes) {
    const HWND window = OpenContact(contact);
    nuvview::View& view = ViewOf(window);
    host->ClearCalls();
    view.WidgetFor(window)->close();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(host->Count("ContactCommitted 1002"), 0) << "the close box keeps nothing";
    EXPECT_EQ(view.WidgetFor(window), nullptr);
}

}  // namespace
}  // namespace viewtest
