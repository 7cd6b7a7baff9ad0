// The view beside Qt on its own: the owner's window drawn by the view, and the same window built
// by hand from plain Qt widgets (every control at its place with its texts and fonts, the two
// country lists of the Home and Work pages filled, hidden pages hidden) and drawn the same way.
// Both are timed in one run, alternately; the counter "ratio" is the view's time over Qt's.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTreeWidget>
#include <chrono>
#include <memory>
#include <vector>

#include "bench/view/ViewBenchSupport.h"
#include "view/qt/ControlKind.h"
#include "view/qt/ControlState.h"
#include "view/qt/Render.h"

namespace nuvclient {
namespace {

using nuvview::ControlKind;

// What a person sees of one window, read once from the platform's window tree.
struct ControlCopy {
    ControlKind kind = ControlKind::Container;
    QRect rect;
    QString text;
    QFont font;
    bool visible = true;
    bool enabled = true;
    bool checked = false;
    QStringList items;  // combo and list items, tab captions, list view columns
    std::vector<QStringList> rows;
    std::vector<ControlCopy> children;
};

ControlCopy Copy(HWND window) {
    ControlCopy copy;
    copy.kind = nuvview::ClassifyWindow(window);
    RECT rect{};
    GetWindowRect(window, &rect);
    POINT corner{rect.left, rect.top};
    if (const HWND parent = GetAncestor(window, GA_PARENT)) ScreenToClient(parent, &corner);
    copy.rect = QRect(corner.x, corner.y, rect.right - rect.left, rect.bottom - rect.top);
    copy.text = nuvview::WithoutMnemonics(nuvview::WindowText(window));
    copy.font = nuvview::QtFont(reinterpret_cast<HFONT>(SendMessage(window, WM_GETFONT, 0, 0)),
                                QApplication::font());
    copy.visible = (nuvview::WindowStyle(window) & WS_VISIBLE) != 0;
    copy.enabled = IsWindowEnabled(window) != FALSE;
    copy.checked = SendMessage(window, BM_GETCHECK, 0, 0) == BST_CHECKED;
    switch (copy.kind) {
        case ControlKind::ComboBox: copy.items = nuvview::ComboItems(window); break;
        case ControlKind::ListBox: copy.items = nuvview::ListBoxItems(window); break;
        case ControlKind::TabControl:
            for (const nuvview::TabItem& tab : nuvview::TabItems(window)) copy.items << tab.caption;
            break;
        case ControlKind::ListView: {
            const auto columns = nuvview::ListViewColumns(window);
            for (const nuvview::ListViewColumn& column : columns) copy.items << column.title;
            for (const nuvview::ListViewRow& row :
                 nuvview::ListViewRows(window, static_cast<int>(columns.size())))
                copy.rows.push_back(row.cells);
            break;
        }
        default: break;
    }
    if (!nuvview::DrawsOwnChildren(copy.kind))
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            copy.children.push_back(Copy(child));
    return copy;
}

// The widget a Qt programmer writes for |copy|, with its children.
QWidget* BuildByHand(const ControlCopy& copy, QWidget* parent) {
    QWidget* widget = nullptr;
    switch (copy.kind) {
        case ControlKind::Label: widget = new QLabel(copy.text, parent); break;
        case ControlKind::PushButton: widget = new QPushButton(copy.text, parent); break;
        case ControlKind::CheckBox: {
            auto* box = new QCheckBox(copy.text, parent);
            box->setChecked(copy.checked);
            widget = box;
            break;
        }
        case ControlKind::RadioButton: {
            auto* button = new QRadioButton(copy.text, parent);
            button->setChecked(copy.checked);
            widget = button;
            break;
        }
        case ControlKind::GroupBox: widget = new QGroupBox(copy.text, parent); break;
        case ControlKind::LineEdit: widget = new QLineEdit(copy.text, parent); break;
        case ControlKind::TextArea:
        case ControlKind::RichText: widget = new QPlainTextEdit(copy.text, parent); break;
        case ControlKind::ComboBox: {
            auto* combo = new QComboBox(parent);
            combo->addItems(copy.items);
            combo->setCurrentIndex(static_cast<int>(copy.items.indexOf(copy.text)));
            widget = combo;
            break;
        }
        case ControlKind::ListBox: {
            auto* list = new QListWidget(parent);
            list->addItems(copy.items);
            widget = list;
            break;
        }
        case ControlKind::ListView: {
            auto* view = new QTreeWidget(parent);
            view->setRootIsDecorated(false);
            view->setHeaderLabels(copy.items);
            for (const QStringList& row : copy.rows) new QTreeWidgetItem(view, row);
            widget = view;
            break;
        }
        case ControlKind::TabControl: {
            auto* tabs = new QTabBar(parent);
            for (const QString& caption : copy.items) tabs->addTab(caption);
            widget = tabs;
            break;
        }
        default: widget = new QWidget(parent); break;
    }
    widget->setGeometry(copy.rect);
    // Set where it differs from the parent's, as a Qt programmer would; children inherit it.
    if (!parent || copy.font != parent->font()) widget->setFont(copy.font);
    widget->setEnabled(copy.enabled);
    for (const ControlCopy& child : copy.children) BuildByHand(child, widget);
    widget->setVisible(copy.visible || !parent);
    return widget;
}

double Seconds(std::chrono::steady_clock::duration elapsed) {
    return std::chrono::duration<double>(elapsed).count();
}

void BM_ViewBesideHandBuiltQt(benchmark::State& state) {
    Session();
    OwnerWindow owner;
    const ControlCopy copy = Copy(owner.Window());
    double viewSeconds = 0;
    double qtSeconds = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        const QImage drawn = nuvview::RenderImage(owner.Window());
        viewSeconds += Seconds(std::chrono::steady_clock::now() - start);

        start = std::chrono::steady_clock::now();
        const std::unique_ptr<QWidget> byHand(BuildByHand(copy, nullptr));
        const QImage peer = byHand->grab().toImage();
        qtSeconds += Seconds(std::chrono::steady_clock::now() - start);

        if (drawn.isNull() || peer.isNull()) std::abort();
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["view_ms"] = viewSeconds / runs * 1000;
    state.counters["qt_ms"] = qtSeconds / runs * 1000;
    state.counters["ratio"] = viewSeconds / qtSeconds;
}
BENCHMARK(BM_ViewBesideHandBuiltQt)->Unit(benchmark::kMillisecond)->MinTime(2);

}  // namespace
}  // namespace nuvclient
