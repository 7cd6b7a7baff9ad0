// The controls the details windows do not show yet, in a form of the host's own: a check box,
// a spin button beside its field, a list box, a tree, a drop-down list, an etched line, a
// multi-line field and rich text, each drawn with its Qt widget and used with Qt's test input,
// the platform answering through the agent.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <cstdlib>

#include "ViewTestSupport.h"
#include "platform/controls/ComboBoxApi.h"
#include "platform/controls/ListBoxApi.h"
#include "platform/controls/RichEditApi.h"
#include "platform/controls/TreeViewApi.h"
#include "platform/controls/UpDownApi.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"

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
        TVINSERTSTRUCTA insert;
        insert.hParent = parent;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT;
        insert.item.pszText = const_cast<char*>(text);
        return reinterpret_cast<HTREEITEM>(
            SendMessage(tree, TVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&insert)));
    }

    HWND form = nullptr;
    HWND check = nullptr;
    HWND field = nullptr;
    HWND spin = nullptr;
    HWND list = nullptr;
    HWND tree = nullptr;
    HWND choice = nullptr;
    HWND notes = nullptr;
    HWND about = nullptr;
    HTREEITEM hobbies = nullptr;
    HTREEITEM chess = nullptr;
};

TEST_F(ViewControlsTest, EachControlIsDrawnWithItsQtWidget) {
    nuvview::View view(form, &agent);
    view.Sync();
    ExpectMirrors(view, form);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(qobject_cast<QTextEdit*>(view.WidgetFor(about))->toPlainText(), "Rich\ntext");
    EXPECT_TRUE(qobject_cast<QTextEdit*>(view.WidgetFor(about))->isReadOnly());
    EXPECT_EQ(qobject_cast<QPlainTextEdit*>(view.WidgetFor(notes))->toPlainText(),
              "first line\nsecond");
    auto* items = qobject_cast<QListWidget*>(view.WidgetFor(list));
    ASSERT_NE(items, nullptr);
    ASSERT_EQ(items->count(), 3);
    EXPECT_EQ(items->item(2)->text(), "gamma");
    auto* branches = qobject_cast<QTreeWidget*>(view.WidgetFor(tree));
    ASSERT_NE(branches, nullptr);
    ASSERT_EQ(branches->topLevelItemCount(), 1);
    EXPECT_EQ(branches->topLevelItem(0)->text(0), "Hobbies");
    EXPECT_EQ(branches->topLevelItem(0)->child(0)->text(0), "Chess");
    auto* often = qobject_cast<QComboBox*>(view.WidgetFor(choice));
    ASSERT_NE(often, nullptr);
    EXPECT_FALSE(often->isEditable()) << "a drop-down list takes no typing";
    EXPECT_EQ(often->count(), 3);
    EXPECT_EQ(view.WidgetFor(spin)->findChildren<QToolButton*>().size(), 2);
    // Beside the field, over its border as the platform places it.
    const QRect arrowsAt = view.WidgetFor(spin)->geometry();
    const QRect fieldAt = view.WidgetFor(field)->geometry();
    EXPECT_EQ(arrowsAt.top(), fieldAt.top());
    EXPECT_LE(std::abs(arrowsAt.left() - fieldAt.right() - 1), 2);
}

TEST_F(ViewControlsTest, QtInputReachesEachControlThroughTheAgent) {
    nuvview::View view(form, &agent);
    view.Sync();
    auto* box = qobject_cast<QCheckBox*>(view.WidgetFor(check));
    ASSERT_NE(box, nullptr);
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
    EXPECT_EQ(qobject_cast<QLineEdit*>(view.WidgetFor(field))->text(), "6");

    auto* items = qobject_cast<QListWidget*>(view.WidgetFor(list));
    ASSERT_NE(items, nullptr);
    QTest::mouseClick(items->viewport(), Qt::LeftButton, {},
                      items->visualItemRect(items->item(1)).center());
    EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(items->currentRow(), 1);

    auto* branches = qobject_cast<QTreeWidget*>(view.WidgetFor(tree));
    ASSERT_NE(branches, nullptr);
    QTest::mouseClick(branches->viewport(), Qt::LeftButton, {},
                      branches->visualItemRect(branches->topLevelItem(0)).center());
    EXPECT_EQ(SendMessage(tree, TVM_GETNEXTITEM, TVGN_CARET, 0),
              reinterpret_cast<LRESULT>(hobbies));
    EXPECT_TRUE(branches->topLevelItem(0)->isSelected());

    auto* often = qobject_cast<QComboBox*>(view.WidgetFor(choice));
    ASSERT_NE(often, nullptr);
    often->showPopup();
    QAbstractItemView* popup = often->view();
    QTest::mouseClick(popup->viewport(), Qt::LeftButton, {},
                      popup->visualRect(popup->model()->index(2, 0)).center());
    EXPECT_EQ(SendMessage(choice, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(often->currentText(), "Weekly");
    EXPECT_EQ(agent.LastError(), "");
}

}  // namespace
}  // namespace viewtest
