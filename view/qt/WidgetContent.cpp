// Bringing each kind of widget in line with its control's state.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QTreeWidget>

#include "platform/controls/AnimationApi.h"
#include "platform/controls/ComboBoxApi.h"
#include "platform/controls/ComboBoxState.h"
#include "platform/controls/ListBoxApi.h"
#include "platform/controls/ListBoxState.h"
#include "platform/controls/ListViewApi.h"
#include "platform/controls/RichEditApi.h"
#include "platform/controls/TabControlApi.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinStyles.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"
#include "view/qt/ControlState.h"
#include "view/qt/DrawnPictures.h"
#include "view/qt/SimpleComboWidget.h"
#include "view/qt/TabControlWidget.h"
#include "view/qt/TextPositions.h"
#include "view/qt/Widgets.h"

namespace nuvview {
namespace {

template <class Widget>
Widget* As(QWidget* widget) {
    return static_cast<Widget*>(widget);
}

// Whether |state| differs from what |widget| shows last; remembers it. Lists are rebuilt only
// when their content changed, so a sync of an unchanged window costs no widget work.
bool Changed(QWidget* widget, const QString& state) {
    static const char* const kShown = "nuvShownState";
    if (widget->property(kShown).toString() == state && widget->property(kShown).isValid())
        return false;
    widget->setProperty(kShown, state);
    return true;
}

Qt::Alignment StaticAlignment(DWORD style) {
    switch (style & SS_TYPEMASK) {
        case SS_CENTER: return Qt::AlignHCenter | Qt::AlignTop;
        case SS_RIGHT: return Qt::AlignRight | Qt::AlignTop;
        default: return Qt::AlignLeft | Qt::AlignTop;
    }
}

void UpdateLabel(HWND hwnd, QLabel* label) {
    // A label that draws itself shows what it draws.
    if (const QPixmap drawn = DrawnWindow(hwnd, label->font()); !drawn.isNull()) {
        label->setPixmap(drawn);
        return;
    }
    const DWORD style = WindowStyle(hwnd);
    const QString text = WindowText(hwnd);
    label->setText((style & SS_NOPREFIX) ? text : WithoutMnemonics(text));
    label->setAlignment(StaticAlignment(style));
}

void UpdatePicture(HWND hwnd, QLabel* label) {
    const UINT kind = (WindowStyle(hwnd) & SS_TYPEMASK) == SS_ICON ? IMAGE_ICON : IMAGE_BITMAP;
    label->setPixmap(ControlImage(hwnd, STM_GETIMAGE, kind));
}

void UpdateAnimation(HWND hwnd, QLabel* label) {
    const std::optional<winport::AnimationState> state = winport::GetAnimationState(hwnd);
    const bool open = state && state->open;
    if (!Changed(label,
                 open ? QString::fromStdString(state->clip) + u'#' + QString::number(state->frame)
                      : QString())) {
        return;
    }
    label->setAlignment((WindowStyle(hwnd) & ACS_CENTER) ? Qt::AlignCenter
                                                         : Qt::AlignLeft | Qt::AlignTop);
    if (open) {
        label->setPixmap(PixmapOf(winport::GetAnimationFrame(hwnd)));
    } else {
        label->clear();
    }
}

void UpdatePushButton(HWND hwnd, QPushButton* button) {
    const DWORD style = WindowStyle(hwnd);
    button->setText(WindowText(hwnd));
    button->setDefault((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
    const QPixmap image =
        ControlImage(hwnd, BM_GETIMAGE, (style & BS_BITMAP) ? IMAGE_BITMAP : IMAGE_ICON);
    button->setIcon(image.isNull() ? QIcon() : QIcon(image));
    if (!image.isNull()) button->setIconSize(image.size());
}

void UpdateCheck(HWND hwnd, QAbstractButton* button) {
    button->setText(WindowText(hwnd));
    const auto state = static_cast<WPARAM>(SendMessage(hwnd, BM_GETCHECK, 0, 0));
    if (auto* box = qobject_cast<QCheckBox*>(button)) {
        box->setTristate(state == BST_INDETERMINATE);
        box->setCheckState(state == BST_CHECKED         ? Qt::Checked
                           : state == BST_INDETERMINATE ? Qt::PartiallyChecked
                                                        : Qt::Unchecked);
    } else {
        // A radio button keeps its own group out of the way: the platform decides.
        button->setAutoExclusive(false);
        button->setChecked(state == BST_CHECKED);
    }
}

// The platform's selection of edit |hwnd| as a person sees it: an edit without the focus hides
// its selection unless its style keeps it on show.
TextSelection ShownSelection(HWND hwnd, const QString& platformText) {
    TextSelection selection = PlatformSelection(hwnd, platformText);
    if (GetFocus() != hwnd && !(WindowStyle(hwnd) & ES_NOHIDESEL)) selection.start = selection.end;
    return selection;
}

// A read-only field shows the window's colour inside, as the platform draws it, so that nobody
// takes it for a field to type in.
void ShowReadOnly(QWidget* edit, bool readOnly) {
    QPalette palette = edit->palette();
    const QPalette standard = QApplication::palette(edit);
    palette.setBrush(QPalette::Base, readOnly ? standard.window() : standard.base());
    if (palette != edit->palette()) edit->setPalette(palette);
}

void UpdateLineEdit(HWND hwnd, QLineEdit* edit) {
    const DWORD style = WindowStyle(hwnd);
    const bool password = SendMessage(hwnd, EM_GETPASSWORDCHAR, 0, 0) != 0;
    edit->setEchoMode(password ? QLineEdit::Password : QLineEdit::Normal);
    edit->setReadOnly((style & ES_READONLY) != 0);
    ShowReadOnly(edit, edit->isReadOnly());
    edit->setAlignment((style & ES_RIGHT) ? Qt::AlignRight : Qt::AlignLeft);
    const QString text = WindowText(hwnd);
    if (edit->text() != text) edit->setText(text);
    const TextSelection selection = ShownSelection(hwnd, text);
    if (selection.start == selection.end) {
        edit->setCursorPosition(static_cast<int>(selection.end));
    } else {
        edit->setSelection(static_cast<int>(selection.start),
                           static_cast<int>(selection.end - selection.start));
    }
}

// Puts Qt's caret and selection where the platform's are.
void ShowSelection(HWND hwnd, const QString& platformText, QPlainTextEdit* edit) {
    const TextSelection selection = ShownSelection(hwnd, platformText);
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(static_cast<int>(selection.start));
    cursor.setPosition(static_cast<int>(selection.end), QTextCursor::KeepAnchor);
    // Cursors compare by position alone: the anchor is compared too.
    const QTextCursor shown = edit->textCursor();
    if (shown.anchor() != cursor.anchor() || shown.position() != cursor.position())
        edit->setTextCursor(cursor);
}

void UpdateTextArea(HWND hwnd, QPlainTextEdit* edit) {
    const DWORD style = WindowStyle(hwnd);
    edit->setReadOnly((style & ES_READONLY) != 0);
    ShowReadOnly(edit, edit->isReadOnly());
    // Lines wrap at the field's edge unless it scrolls sideways; scroll bars as the style asks.
    edit->setLineWrapMode((style & (ES_AUTOHSCROLL | WS_HSCROLL)) ? QPlainTextEdit::NoWrap
                                                                  : QPlainTextEdit::WidgetWidth);
    edit->setHorizontalScrollBarPolicy((style & WS_HSCROLL) ? Qt::ScrollBarAsNeeded
                                                            : Qt::ScrollBarAlwaysOff);
    edit->setVerticalScrollBarPolicy((style & WS_VSCROLL) ? Qt::ScrollBarAsNeeded
                                                          : Qt::ScrollBarAlwaysOff);
    const QString text = WindowText(hwnd);
    if (const QString shown = ShownText(text); edit->toPlainText() != shown)
        edit->setPlainText(shown);
    ShowSelection(hwnd, text, edit);
}

QTextCharFormat QtCharFormat(const winport::RichEditFormat& format) {
    QTextCharFormat shown;
    shown.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    shown.setFontItalic(format.italic);
    shown.setFontUnderline(format.underline || format.link);
    shown.setFontStrikeOut(format.strikeout);
    if (!format.autoColor) {
        shown.setForeground(
            QColor(GetRValue(format.color), GetGValue(format.color), GetBValue(format.color)));
    }
    return shown;
}

// The text in its runs' formats; the runs count code points, a line break as one.
void UpdateRichText(HWND hwnd, QTextEdit* edit) {
    ShowReadOnly(edit, (WindowStyle(hwnd) & ES_READONLY) != 0);
    const QList<uint> text = ShownText(WindowText(hwnd)).toUcs4();
    const std::vector<winport::RichEditRun> runs =
        winport::RichEditRuns(hwnd).value_or(std::vector<winport::RichEditRun>{});
    QString state = QString::fromUcs4(reinterpret_cast<const char32_t*>(text.data()), text.size());
    for (const winport::RichEditRun& run : runs) {
        state += u'|' + QString::number(run.start) + u'+' + QString::number(run.length) +
                 (run.format.bold ? u'b' : u'-') + (run.format.italic ? u'i' : u'-') +
                 QString::number(run.format.autoColor ? -1 : static_cast<qint64>(run.format.color));
    }
    if (!Changed(edit, state)) return;
    edit->clear();
    QTextCursor cursor(edit->document());
    for (const winport::RichEditRun& run : runs) {
        const auto start = static_cast<qsizetype>(std::min<size_t>(run.start, text.size()));
        const auto length = static_cast<qsizetype>(
            std::min<size_t>(run.length, static_cast<size_t>(text.size() - start)));
        cursor.insertText(
            QString::fromUcs4(reinterpret_cast<const char32_t*>(text.data() + start), length),
            QtCharFormat(run.format));
    }
}

// Shows |items| on |list|, rebuilt only when they changed, with row |current| the current one.
void ShowListRows(QListWidget* list, const QStringList& items, int current) {
    QStringList shown;
    for (int i = 0; i < list->count(); ++i) shown.push_back(list->item(i)->text());
    if (shown != items) {
        list->clear();
        list->addItems(items);
    }
    list->setCurrentRow(current);
}

void UpdateCombo(HWND hwnd, QWidget* widget) {
    const QStringList items = ComboItems(hwnd);
    const int selection = static_cast<int>(SendMessage(hwnd, CB_GETCURSEL, 0, 0));
    if (auto* simple = qobject_cast<SimpleComboWidget*>(widget)) {
        // The platform's list begins right below its field.
        if (const auto state = winport::GetComboBoxState(hwnd))
            simple->SetFieldHeight(static_cast<int>(state->listRect.top));
        ShowListRows(simple->List(), items, selection);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i) shown.push_back(combo->itemText(i));
        if (shown != items) {
            combo->clear();
            combo->addItems(items);
        }
        combo->setCurrentIndex(selection);
    }
    if (QLineEdit* edit = ComboLineEdit(widget)) {
        const QString text = WindowText(hwnd);
        if (edit->text() != text) edit->setText(text);
    }
}

// An owner-drawn list shows each row as its parent draws it.
void ShowDrawnRows(HWND hwnd, QListWidget* list, const QStringList& texts, int current) {
    if (!Changed(list, texts.join(u'\n') + u'|' + QString::number(current) + u'|' +
                           QString::number(IsWindowEnabled(hwnd)))) {
        return;
    }
    list->clear();
    // The rows are as wide as the list: it scrolls sideways only when its style says so.
    list->setHorizontalScrollBarPolicy((WindowStyle(hwnd) & WS_HSCROLL) ? Qt::ScrollBarAsNeeded
                                                                        : Qt::ScrollBarAlwaysOff);
    for (int index = 0; index < texts.size(); ++index) {
        const QPixmap row = DrawnListBoxRow(hwnd, index, list->font());
        auto* item = new QListWidgetItem(list);
        QIcon icon(row);
        // A disabled list shows its rows as drawn, not greyed.
        icon.addPixmap(row, QIcon::Disabled);
        item->setIcon(icon);
        item->setSizeHint(row.size());
        list->setIconSize(row.size());
    }
    list->setCurrentRow(current);
}

void UpdateListBox(HWND hwnd, QListWidget* list) {
    const QStringList items = ListBoxItems(hwnd);
    const int current = static_cast<int>(SendMessage(hwnd, LB_GETCURSEL, 0, 0));
    const std::optional<winport::ListBoxState> state = winport::GetListBoxState(hwnd);
    if (state && state->ownerDrawn) {
        ShowDrawnRows(hwnd, list, items, current);
    } else {
        ShowListRows(list, items, current);
    }
}

void UpdateListView(HWND hwnd, QTreeWidget* tree) {
    const std::vector<ListViewColumn> columns = ListViewColumns(hwnd);
    QStringList titles;
    for (const ListViewColumn& column : columns) titles.push_back(column.title);
    tree->setColumnCount(std::max<int>(static_cast<int>(columns.size()), 1));
    tree->setHeaderLabels(titles);
    tree->setHeaderHidden(columns.empty() || (WindowStyle(hwnd) & LVS_NOCOLUMNHEADER));
    int widths = 0;
    for (size_t i = 0; i < columns.size(); ++i) {
        tree->setColumnWidth(static_cast<int>(i), columns[i].width);
        widths += columns[i].width;
    }
    // Columns that fit need no scroll bar.
    RECT client{};
    GetClientRect(hwnd, &client);
    tree->setHorizontalScrollBarPolicy(widths <= client.right ? Qt::ScrollBarAlwaysOff
                                                              : Qt::ScrollBarAsNeeded);
    const auto images = reinterpret_cast<HIMAGELIST>(
        SendMessage(hwnd, LVM_GETIMAGELIST, static_cast<WPARAM>(LVSIL_SMALL), 0));
    const std::vector<ListViewRow> rows = ListViewRows(hwnd, static_cast<int>(columns.size()));
    QString state = titles.join(u'\t');
    for (const ListViewRow& row : rows) {
        state += u'\n' + row.cells.join(u'\t') + u'\t' + QString::number(row.image) +
                 (row.selected ? u'*' : u' ');
    }
    if (!Changed(tree, state)) return;
    tree->clear();
    for (const ListViewRow& row : rows) {
        auto* item = new QTreeWidgetItem(tree, row.cells);
        const QPixmap image = ImageListPixmap(images, row.image);
        if (!image.isNull()) item->setIcon(0, QIcon(image));
        item->setSelected(row.selected);
    }
}

void AddTreeNodes(const std::vector<TreeNode>& nodes, QTreeWidgetItem* parent, QTreeWidget* tree) {
    for (const TreeNode& node : nodes) {
        auto* item = parent ? new QTreeWidgetItem(parent, QStringList{node.text})
                            : new QTreeWidgetItem(tree, QStringList{node.text});
        AddTreeNodes(node.children, item, tree);
        item->setExpanded(node.expanded);
        item->setSelected(node.selected);
    }
}

void DescribeNodes(const std::vector<TreeNode>& nodes, QString& out) {
    for (const TreeNode& node : nodes) {
        out += node.text + (node.expanded ? u'+' : u'-') + (node.selected ? u'*' : u' ') + u'(';
        DescribeNodes(node.children, out);
        out += u')';
    }
}

void UpdateTreeView(HWND hwnd, QTreeWidget* tree) {
    const std::vector<TreeNode> nodes = TreeItems(hwnd);
    QString state;
    DescribeNodes(nodes, state);
    if (!Changed(tree, state)) return;
    tree->clear();
    tree->setHeaderHidden(true);
    AddTreeNodes(nodes, nullptr, tree);
}

void ShowTabItems(QTabBar* bar, HIMAGELIST images, const std::vector<TabItem>& items) {
    while (bar->count() > static_cast<int>(items.size())) bar->removeTab(bar->count() - 1);
    for (size_t i = 0; i < items.size(); ++i) {
        const int index = static_cast<int>(i);
        if (index >= bar->count()) bar->addTab(QString());
        bar->setTabText(index, items[i].caption);
        const QPixmap image = ImageListPixmap(images, items[i].image);
        bar->setTabIcon(index, image.isNull() ? QIcon() : QIcon(image));
    }
}

void UpdateTabs(HWND hwnd, TabControlWidget* tabs) {
    QTabBar* bar = tabs->Bar();
    const auto images = reinterpret_cast<HIMAGELIST>(SendMessage(hwnd, TCM_GETIMAGELIST, 0, 0));
    const std::vector<TabItem> items = TabItems(hwnd);
    QString state = QString::number(reinterpret_cast<quintptr>(images));
    for (const TabItem& item : items)
        state += u'\n' + item.caption + u'\t' + QString::number(item.image);
    int height = 0;
    std::vector<int> widths;
    for (size_t i = 0; i < items.size(); ++i) {
        RECT item{};
        SendMessage(hwnd, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item));
        height = static_cast<int>(item.bottom - item.top);
        widths.push_back(static_cast<int>(item.right - item.left));
    }
    // Tabs that run past the control's edge keep the widths Qt gives them, so all stay in sight.
    RECT client{};
    GetClientRect(hwnd, &client);
    int total = 0;
    for (const int width : widths) total += width;
    if (total > client.right) widths.clear();
    // The sizes first: a tab added knowing them costs the bar no layout of its own.
    tabs->SetTabSizes(height, std::move(widths));
    if (Changed(tabs, state)) ShowTabItems(bar, images, items);
    bar->setCurrentIndex(static_cast<int>(SendMessage(hwnd, TCM_GETCURSEL, 0, 0)));
}

}  // namespace

void UpdateControlWidget(ControlKind kind, HWND hwnd, QWidget* widget) {
    const QSignalBlocker blocker(widget);
    switch (kind) {
        case ControlKind::Label: return UpdateLabel(hwnd, As<QLabel>(widget));
        case ControlKind::Picture: return UpdatePicture(hwnd, As<QLabel>(widget));
        case ControlKind::PushButton: return UpdatePushButton(hwnd, As<QPushButton>(widget));
        case ControlKind::CheckBox:
        case ControlKind::RadioButton: return UpdateCheck(hwnd, As<QAbstractButton>(widget));
        case ControlKind::GroupBox: return As<QGroupBox>(widget)->setTitle(WindowText(hwnd));
        case ControlKind::LineEdit: return UpdateLineEdit(hwnd, As<QLineEdit>(widget));
        case ControlKind::TextArea: return UpdateTextArea(hwnd, As<QPlainTextEdit>(widget));
        case ControlKind::RichText: return UpdateRichText(hwnd, As<QTextEdit>(widget));
        case ControlKind::ComboBox: return UpdateCombo(hwnd, widget);
        case ControlKind::ListBox: return UpdateListBox(hwnd, As<QListWidget>(widget));
        case ControlKind::ListView: return UpdateListView(hwnd, As<QTreeWidget>(widget));
        case ControlKind::TreeView: return UpdateTreeView(hwnd, As<QTreeWidget>(widget));
        case ControlKind::TabControl: {
            const QSignalBlocker barBlocker(As<TabControlWidget>(widget)->Bar());
            return UpdateTabs(hwnd, As<TabControlWidget>(widget));
        }
        case ControlKind::Container:
            if (widget->isWindow()) widget->setWindowTitle(WindowText(hwnd));
            return;
        case ControlKind::Animation: return UpdateAnimation(hwnd, As<QLabel>(widget));
        case ControlKind::Etched:
        case ControlKind::UpDown:
        case ControlKind::NotShown: return;
    }
}

}  // namespace nuvview
