// Making the widget of each control kind and wiring what a person does on it to the agent.
#include "view/qt/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <string>

#include "platform/automation/Agent.h"
#include "platform/controls/ComboBoxApi.h"
#include "platform/core/WinStyles.h"
#include "view/qt/ControlState.h"
#include "view/qt/SimpleComboWidget.h"
#include "view/qt/TabControlWidget.h"
#include "view/qt/View.h"

namespace nuvview {
namespace {

// Hands |action| on the agent to the view, when the view has an agent.
template <class Action>
auto Input(View& view, Action action) {
    return [&view, action](auto&&...) {
        if (winport::Agent* agent = view.GetAgent(); agent && !view.IsSyncing())
            view.AfterInput([agent, &action] { action(*agent); });
    };
}

QWidget* MakeEtched(HWND hwnd, QWidget* parent) {
    auto* frame = new QFrame(parent);
    switch (WindowStyle(hwnd) & SS_TYPEMASK) {
        case SS_ETCHEDHORZ: frame->setFrameShape(QFrame::HLine); break;
        case SS_ETCHEDVERT: frame->setFrameShape(QFrame::VLine); break;
        default: frame->setFrameShape(QFrame::Box); break;
    }
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

QWidget* MakeButton(ControlKind kind, HWND hwnd, QWidget* parent, View& view) {
    QAbstractButton* button = nullptr;
    if (kind == ControlKind::CheckBox) {
        button = new QCheckBox(parent);
    } else if (kind == ControlKind::RadioButton) {
        button = new QRadioButton(parent);
    } else {
        auto* push = new QPushButton(parent);
        push->setAutoDefault(false);
        button = push;
    }
    QObject::connect(button, &QAbstractButton::clicked,
                     Input(view, [hwnd](winport::Agent& agent) { agent.Click(hwnd); }));
    return button;
}

QWidget* MakeCombo(HWND hwnd, QWidget* parent, View& view) {
    const auto pick = [&view, hwnd](int index) {
        Input(view, [hwnd, index](winport::Agent& agent) { agent.PickComboItem(hwnd, index); })();
    };
    const DWORD kind = WindowStyle(hwnd) & 3;
    if (kind == CBS_SIMPLE) {
        auto* simple = new SimpleComboWidget(parent);
        QListWidget* list = simple->List();
        QObject::connect(list, &QListWidget::itemClicked,
                         [pick, list](QListWidgetItem* item) { pick(list->row(item)); });
        return simple;
    }
    auto* combo = new QComboBox(parent);
    combo->setEditable(kind != CBS_DROPDOWNLIST);
    QObject::connect(combo, &QComboBox::activated, pick);
    return combo;
}

QWidget* MakeListBox(HWND hwnd, QWidget* parent, View& view) {
    auto* list = new QListWidget(parent);
    QObject::connect(list, &QListWidget::itemClicked, [&view, hwnd, list](QListWidgetItem* item) {
        const int row = list->row(item);
        Input(view, [hwnd, row](winport::Agent& agent) { agent.SelectListBoxRow(hwnd, row); })();
    });
    QObject::connect(
        list, &QListWidget::itemDoubleClicked, [&view, hwnd, list](QListWidgetItem* item) {
            const int row = list->row(item);
            Input(view,
                  [hwnd, row](winport::Agent& agent) { agent.DoubleClickListBoxRow(hwnd, row); })();
        });
    return list;
}

QWidget* MakeListView(HWND hwnd, QWidget* parent, View& view) {
    auto* tree = new QTreeWidget(parent);
    tree->setRootIsDecorated(false);
    tree->setUniformRowHeights(true);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->setContextMenuPolicy(Qt::CustomContextMenu);
    tree->header()->setStretchLastSection(false);
    auto rowOf = [tree](QTreeWidgetItem* item) { return tree->indexOfTopLevelItem(item); };
    QObject::connect(tree, &QTreeWidget::itemClicked, [&view, hwnd, rowOf](QTreeWidgetItem* item) {
        const int row = rowOf(item);
        Input(view, [hwnd, row](winport::Agent& agent) { agent.SelectListViewRow(hwnd, row); })();
    });
    QObject::connect(tree, &QTreeWidget::itemDoubleClicked,
                     [&view, hwnd, rowOf](QTreeWidgetItem* item) {
                         const int row = rowOf(item);
                         Input(view, [hwnd, row](winport::Agent& agent) {
                             agent.DoubleClickListViewRow(hwnd, row);
                         })();
                     });
    QObject::connect(tree, &QWidget::customContextMenuRequested,
                     [&view, hwnd, tree, rowOf](const QPoint& point) {
                         const int row = rowOf(tree->itemAt(point));
                         Input(view, [hwnd, row](winport::Agent& agent) {
                             agent.RightClickListViewRow(hwnd, row);
                         })();
                     });
    return tree;
}

// The path the agent names a tree item by: the texts from the root down, joined by '/'.
std::string TreePath(QTreeWidgetItem* item) {
    QString path = item->text(0);
    for (QTreeWidgetItem* up = item->parent(); up; up = up->parent())
        path = up->text(0) + u'/' + path;
    return path.toStdString();
}

QWidget* MakeTreeView(HWND hwnd, QWidget* parent, View& view) {
    auto* tree = new QTreeWidget(parent);
    tree->setHeaderHidden(true);
    QObject::connect(tree, &QTreeWidget::itemClicked, [&view, hwnd](QTreeWidgetItem* item) {
        const std::string path = TreePath(item);
        Input(view, [hwnd, path](winport::Agent& agent) { agent.SelectTreeItem(hwnd, path); })();
    });
    return tree;
}

QWidget* MakeTabs(HWND hwnd, QWidget* parent, View& view) {
    auto* tabs = new TabControlWidget(parent);
    QObject::connect(tabs->Bar(), &QTabBar::tabBarClicked, [&view, hwnd](int index) {
        Input(view, [hwnd, index](winport::Agent& agent) { agent.SelectTab(hwnd, index); })();
    });
    return tabs;
}

QWidget* MakeUpDown(HWND hwnd, QWidget* parent, View& view) {
    auto* arrows = new QWidget(parent);
    auto* layout = new QVBoxLayout(arrows);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (const winport::SpinArrow arrow : {winport::SpinArrow::Up, winport::SpinArrow::Down}) {
        auto* button = new QToolButton(arrows);
        button->setArrowType(arrow == winport::SpinArrow::Up ? Qt::UpArrow : Qt::DownArrow);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        button->setFocusPolicy(Qt::NoFocus);
        QObject::connect(button, &QToolButton::clicked,
                         Input(view, [hwnd, arrow](winport::Agent& agent) {
                             agent.PressSpinArrow(hwnd, arrow);
                         }));
        layout->addWidget(button);
    }
    return arrows;
}

}  // namespace

QWidget* CreateControlWidget(ControlKind kind, HWND hwnd, QWidget* parent, View& view) {
    switch (kind) {
        case ControlKind::Label: {
            auto* label = new QLabel(parent);
            label->setWordWrap(true);
            return label;
        }
        case ControlKind::Picture:
        case ControlKind::Animation: return new QLabel(parent);
        case ControlKind::Etched: return MakeEtched(hwnd, parent);
        case ControlKind::PushButton:
        case ControlKind::CheckBox:
        case ControlKind::RadioButton: return MakeButton(kind, hwnd, parent, view);
        case ControlKind::GroupBox: return new QGroupBox(parent);
        case ControlKind::LineEdit: return new QLineEdit(parent);
        case ControlKind::TextArea: return new QPlainTextEdit(parent);
        case ControlKind::RichText: {
            auto* text = new QTextEdit(parent);
            text->setReadOnly(true);
            return text;
        }
        case ControlKind::ComboBox: return MakeCombo(hwnd, parent, view);
        case ControlKind::ListBox: return MakeListBox(hwnd, parent, view);
        case ControlKind::ListView: return MakeListView(hwnd, parent, view);
        case ControlKind::TreeView: return MakeTreeView(hwnd, parent, view);
        case ControlKind::TabControl: return MakeTabs(hwnd, parent, view);
        case ControlKind::UpDown: return MakeUpDown(hwnd, parent, view);
        case ControlKind::Container:
        case ControlKind::NotShown: return new QWidget(parent);
    }
    return new QWidget(parent);
}

}  // namespace nuvview
