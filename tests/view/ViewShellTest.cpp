// The real window's questions and loop: a message box the module shows is a Qt dialog whose
// button answers it, a popup menu is a Qt menu whose item is the command chosen, and the loop
// of `gui` shows the windows until the person has closed the last one.
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "ViewTestSupport.h"
#include "platform/controls/AnimationApi.h"
#include "platform/window/WindowClass.h"
#include "view/qt/ControlState.h"
#include "view/qt/Gui.h"
#include "view/qt/QtShellUi.h"

namespace viewtest {
namespace {

using ViewShellTest = ViewFixture;

// What a person saw of a question before answering it.
struct Seen {
    QString caption;
    QString text;
    QStringList choices;
};

// Runs |person| once Qt's loop runs next (inside the dialog or menu that waits for the person);
// never after the test, as the timer goes with it.
template <class Person>
void WhenShown(QTimer& timer, Person person) {
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, person);
    timer.start(0);
}

// Answers the message box that comes up next with its button |answer|.
void AnswerBoxWith(QTimer& timer, const QString& answer, Seen& seen) {
    WhenShown(timer, [answer, &seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr) << "no message box is shown";
        seen.caption = box->windowTitle();
        seen.text = box->text();
        for (QAbstractButton* button : box->buttons()) {
            seen.choices.push_back(button->text());
            if (button->text() == answer) QTest::mouseClick(button, Qt::LeftButton);
        }
    });
}

TEST_F(ViewShellTest, MessageBoxIsAQtDialogWhoseButtonAnswersIt) {
    const HWND window = OpenContact(contact);
    const HWND combo = Item(MainPage(window), IDC_MAIN_DISPLAY);
    const HWND close = Item(window, IDC_DETAILS_CLOSE);
    // An empty display name is refused with a box: first answered by the agent.
    ASSERT_TRUE(agent.TypeInCombo(combo, "x"));
    ASSERT_TRUE(agent.TypeInCombo(combo, ""));
    ASSERT_TRUE(agent.Click(close));
    ASSERT_EQ(agent.MessageBoxes().size(), 1u);
    const winport::MessageBoxRequest asked = agent.MessageBoxes()[0].request;
    ASSERT_TRUE(IsWindow(window));

    nuvview::View& view = ViewOf(window);
    const nuvview::QtShellUi shell(view);
    Seen seen;
    QTimer person;
    AnswerBoxWith(person, "OK", seen);
    QTest::mouseClick(view.WidgetFor(close), Qt::LeftButton);
    EXPECT_EQ(seen.text.toStdString(), asked.text);
    EXPECT_EQ(seen.caption.toStdString(), asked.caption);
    EXPECT_EQ(seen.choices, QStringList{"OK"});
    EXPECT_EQ(agent.MessageBoxes().size(), 1u) << "the person answered, not the agent";
    EXPECT_TRUE(IsWindow(window)) << "the refused name keeps the window open";
    EXPECT_EQ(host->Count("ContactCommitted 1002"), 0);
}

TEST_F(ViewShellTest, PopupMenuIsAQtMenuWhoseItemIsTheCommand) {
    host->Record(contact)["PrimaryEmail"] = "boris@example.org";
    const HWND window = OpenContact(contact);
    nuvview::View& view = ViewOf(window);
    const nuvview::QtShellUi shell(view);
    QTreeWidget* rows = nullptr;
    for (QTreeWidget* tree : view.WidgetFor(window)->findChildren<QTreeWidget*>()) {
        if (tree->topLevelItemCount() > 0) rows = tree;
    }
    ASSERT_NE(rows, nullptr);
    ASSERT_EQ(rows->topLevelItem(0)->text(2), "boris@example.org");

    QStringList items;
    QTimer person;
    WhenShown(person, [&items] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr) << "no menu is shown";
        for (QAction* action : menu->actions()) {
            items.push_back(action->text());
            if (action->text() == "Send Email")
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        }
    });
    // A right click on the row, as Qt hands it to the list.
    const QPoint row = rows->visualItemRect(rows->topLevelItem(0)).center();
    QContextMenuEvent click(QContextMenuEvent::Mouse, row, rows->viewport()->mapToGlobal(row));
    QApplication::sendEvent(rows->viewport(), &click);
    EXPECT_EQ(items, QStringList({"Copy Email Address", "Send Email"}));
    EXPECT_EQ(host->Count("SendEmail boris@example.org"), 1);
    EXPECT_TRUE(agent.PopupMenus().empty()) << "the person chose, not the agent";
}

// The shown top-level widget titled |title|, or, with |other|, the shown one not so titled.
QWidget* ShownWindow(const QString& title, bool other = false) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isHidden() && (top->windowTitle() == title) != other) return top;
    }
    return nullptr;
}

QPushButton* ButtonIn(QWidget* window, const QString& text) {
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        if (button->text() == text && button->isVisible()) return button;
    }
    return nullptr;
}

// The loop of `gui` shows the windows until the person has closed the last one, and takes his
// input in a modal dialog while it runs.
TEST_F(ViewShellTest, LoopTakesInputInAModalDialogWhileItRuns) {
    host->Record(owner)["PrimaryEmail"] = "ann@example.org";
    const HWND window = OpenOwner();
    const QString title = QString::fromStdString(Text(window));
    bool answered = false;
    int rows = 0;
    // The person in the dialog, once it is up (the owner's click is still running).
    QTimer inDialog;
    inDialog.setInterval(5);
    QObject::connect(&inDialog, &QTimer::timeout, [&] {
        QWidget* dialog = ShownWindow(title, true);
        if (!dialog || answered) return;
        answered = true;
        QTest::mouseClick(ButtonIn(ShownWindow(title), "Cancel"), Qt::LeftButton);
        EXPECT_TRUE(IsWindowVisible(window)) << "the owner refuses clicks while its dialog is up";
        TypeWithQt(dialog->findChild<QLineEdit*>(), "ann.new@example.org");
        QTest::mouseClick(ButtonIn(dialog, "Add"), Qt::LeftButton);
    });
    QTimer person;
    WhenShown(person, [&] {
        QWidget* details = ShownWindow(title);
        ASSERT_NE(details, nullptr);
        inDialog.start();
        QTest::mouseClick(ButtonIn(details, "Add"), Qt::LeftButton);
        for (QTreeWidget* list : details->findChildren<QTreeWidget*>())
            rows += list->topLevelItemCount();
        QTest::mouseClick(ButtonIn(details, "Cancel"), Qt::LeftButton);
    });
    EXPECT_EQ(nuvview::RunWindows(agent), 0);
    EXPECT_TRUE(answered);
    EXPECT_EQ(rows, 2) << "the address typed in the dialog is listed";
    EXPECT_FALSE(IsWindow(window)) << "the loop ran until the person closed the last window";
    EXPECT_TRUE(agent.ModalDialogs().empty()) << "the person answered, not the agent";
    EXPECT_NE(dynamic_cast<winport::AnswerQueue*>(&winport::GetShellUi()), nullptr)
        << "the agent answers again: the Qt dialogs are gone with the loop";
}

// The widget the loop's view shows |hwnd| with.
QWidget* ShownWidgetOf(HWND hwnd) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        for (QWidget* widget : top->findChildren<QWidget*>()) {
            if (nuvview::View::WindowOf(widget) == hwnd) return widget;
        }
    }
    return nullptr;
}

TEST_F(ViewShellTest, TheBusyAnimationMovesOnItsTimerWhileTheLoopRuns) {
    const HWND window = OpenOwner();
    const HWND animation = Item(window, IDC_DETAILS_ANIMATION);
    ASSERT_TRUE(agent.Click(Item(window, IDC_DETAILS_SAVE)));
    ASSERT_TRUE(Animate_IsPlaying(animation));
    const UINT first = winport::GetAnimationState(animation)->frame;
    const QImage firstFrame = nuvview::PixmapOf(winport::GetAnimationFrame(animation)).toImage();
    QImage shown;
    QImage expected;
    // The person watches the animation until it has moved on (ten seconds at most), then
    // cancels the upload and closes the window.
    int ticks = 0;
    bool done = false;
    QTimer person;
    QObject::connect(&person, &QTimer::timeout, [&] {
        if (done || (winport::GetAnimationState(animation)->frame == first && ++ticks < 1000))
            return;
        done = true;
        if (auto* label = qobject_cast<QLabel*>(ShownWidgetOf(animation)))
            shown = label->pixmap().toImage();
        expected = nuvview::PixmapOf(winport::GetAnimationFrame(animation)).toImage();
        const QString title = QString::fromStdString(Text(window));
        for (const char* caption : {"Cancel", "&Close"}) {
            QWidget* top = ShownWindow(title);
            if (QPushButton* button = top ? ButtonIn(top, caption) : nullptr)
                QTest::mouseClick(button, Qt::LeftButton);
        }
    });
    person.start(10);
    EXPECT_EQ(nuvview::RunWindows(agent), 0);
    EXPECT_LT(ticks, 1000) << "the animation never moved";
    EXPECT_FALSE(shown.isNull()) << "the animation is drawn";
    EXPECT_EQ(shown, expected) << "the widget shows the frame on show";
    EXPECT_NE(shown, firstFrame);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(host->Count("End save"), 1);
}

}  // namespace
}  // namespace viewtest
