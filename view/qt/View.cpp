#include "view/qt/View.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QTimer>
#include <QVariant>
#include <algorithm>
#include <cstdlib>
#include <utility>

#include "platform/core/WinStyles.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Font.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"
#include "view/qt/ControlState.h"
#include "view/qt/InputFilter.h"
#include "view/qt/Widgets.h"

namespace nuvview {
namespace {

constexpr char kWindowProperty[] = "nuvWindow";

// The dialog font's size at the platform's pixels per inch, in a narrow face like the
// platform's, so texts take the room the dialog units were measured for.
QFont DialogFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStretch(QFont::Condensed);
    font.setPixelSize(std::abs(winport::PointSizeToHeight(winport::kDialogFontPointSize,
                                                          winport::LogicalPixelsPerInch())));
    return font;
}

POINT ClientOrigin(HWND hwnd) {
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    return origin;
}

int OwnerDepth(HWND hwnd) {
    int depth = 0;
    for (HWND owner = GetWindow(hwnd, GW_OWNER); owner; owner = GetWindow(owner, GW_OWNER)) ++depth;
    return depth;
}

}  // namespace

View::View(HWND root, winport::Agent* agent)
    : m_root(root),
      m_agent(agent),
      m_input(std::make_unique<InputFilter>(*this)),
      m_dialogFont(DialogFont()) {
    if (m_agent) {
        m_guard = std::make_unique<DisabledWindowGuard>(*this);
        QCoreApplication::instance()->installEventFilter(m_guard.get());
    }
}

View::~View() {
    for (auto& [hwnd, entry] : m_entries) {
        if (entry.widget && entry.widget->isWindow()) delete entry.widget.data();
    }
}

QWidget* View::WidgetFor(HWND hwnd) const {
    const auto found = m_entries.find(hwnd);
    return found == m_entries.end() ? nullptr : found->second.widget.data();
}

HWND View::WindowOf(const QWidget* widget) {
    return widget ? reinterpret_cast<HWND>(widget->property(kWindowProperty).value<quintptr>())
                  : nullptr;
}

ControlKind View::KindOf(HWND hwnd) const {
    const auto found = m_entries.find(hwnd);
    return found == m_entries.end() ? ControlKind::Container : found->second.kind;
}

std::vector<QWidget*> View::TopLevelWidgets() const {
    std::vector<QWidget*> widgets;
    const std::vector<HWND> roots = m_root ? std::vector<HWND>{m_root} : winport::TopLevelWindows();
    for (HWND hwnd : roots) {
        if (QWidget* widget = WidgetFor(hwnd)) widgets.push_back(widget);
    }
    return widgets;
}

void View::AfterInput(const std::function<void()>& action) {
    if (m_syncing) return;
    action();
    winport::PumpMessages();
    Sync();
}

void View::Sync() {
    if (m_syncing) return;
    m_syncing = true;
    std::map<HWND, Entry> seen;
    std::vector<HWND> roots = m_root ? std::vector<HWND>{m_root} : winport::TopLevelWindows();
    // Owners first, so that an owned window finds its owner's widget.
    std::stable_sort(roots.begin(), roots.end(),
                     [](HWND a, HWND b) { return OwnerDepth(a) < OwnerDepth(b); });
    bool placed = false;
    for (HWND hwnd : roots) {
        if (IsWindow(hwnd)) placed = SyncWindow(hwnd, nullptr, seen) || placed;
    }
    for (auto& [hwnd, entry] : m_entries) {
        if (!seen.count(hwnd)) Drop(entry);
    }
    m_entries = std::move(seen);
    SyncFocus();
    m_syncing = false;
    // Where the window manager put a new window is told to the platform once it is there.
    if (placed && m_agent) QTimer::singleShot(100, m_input.get(), [this] { AfterInput([] {}); });
    if (m_onSynced) m_onSynced();
}

bool View::SyncWindow(HWND hwnd, QWidget* parent, std::map<HWND, Entry>& seen) {
    const ControlKind kind = ClassifyWindow(hwnd);
    if (kind == ControlKind::NotShown) return false;
    Entry entry;
    if (const auto found = m_entries.find(hwnd); found != m_entries.end() && found->second.widget) {
        entry = found->second;
        m_entries.erase(found);
    }
    if (!entry.widget || entry.kind != kind) {
        if (entry.widget) Drop(entry);
        entry = {CreateControlWidget(kind, hwnd, parent, *this), kind};
        entry.widget->setProperty(kWindowProperty,
                                  QVariant::fromValue(reinterpret_cast<quintptr>(hwnd)));
        entry.widget->installEventFilter(m_input.get());
        if (QWidget* proxy = entry.widget->focusProxy()) proxy->installEventFilter(m_input.get());
        if (!parent) PrepareTopLevel(hwnd, entry.widget, OwnerEntry(hwnd, seen).first);
    } else if (entry.widget->parentWidget() != parent) {
        entry.widget->setParent(parent);
        entry.widget->raise();
    }
    QWidget* widget = entry.widget;
    const DWORD style = WindowStyle(hwnd);
    bool placed = false;
    if (parent) {
        SyncChildGeometry(hwnd, widget);
        widget->setEnabled(!(style & WS_DISABLED));
    } else {
        const auto [owner, ownerGeometry] = OwnerEntry(hwnd, seen);
        placed = SyncTopLevelGeometry(hwnd, widget, entry.topLevel, owner, ownerGeometry) ==
                 TopLevelSync::Placed;
    }
    // Fonts are read once a handle: a window changes its font by taking another. A widget whose
    // parent's font changed looks again, as it may have been showing the parent's.
    const auto font = reinterpret_cast<HFONT>(SendMessage(hwnd, WM_GETFONT, 0, 0));
    bool fontChanged = false;
    if (!entry.fontShown || font != entry.font || m_parentFontChanged) {
        const QFont shown = QtFont(font, m_dialogFont);
        // The parent's font is inherited rather than set again: setting a font costs Qt a walk
        // over the widget and its children.
        if (!parent || widget->testAttribute(Qt::WA_SetFont) || shown != parent->font())
            widget->setFont(shown);
        fontChanged = entry.fontShown && (font != entry.font || m_parentFontChanged);
        entry.font = font;
        entry.fontShown = true;
    }
    // What nobody can see (a hidden tab's page) is brought up to date when it shows.
    if (IsWindowVisible(hwnd)) UpdateControlWidget(kind, hwnd, widget);
    if (!DrawsOwnChildren(kind)) {
        const std::vector<HWND> children = winport::ChildWindows(hwnd);
        const bool parentFontChanged = std::exchange(m_parentFontChanged, fontChanged);
        for (HWND child : children) SyncWindow(child, widget, seen);
        m_parentFontChanged = parentFontChanged;
        SyncStacking(entry, children, seen);
    }
    seen[hwnd] = entry;
    widget->setVisible((style & WS_VISIBLE) != 0);
    return placed;
}

void View::SyncStacking(Entry& entry, const std::vector<HWND>& children,
                        const std::map<HWND, Entry>& seen) {
    if (children == entry.stacking) return;
    entry.stacking = children;
    // Plain windows (pages, panes, covers) lie over the controls beside them, raised from the
    // bottom of the platform's order up, so the topmost is on top. Controls keep their order:
    // where one overlaps another (a group box its contents, a tab control its pages) Windows
    // lets the click through to what lies under it.
    for (auto child = children.rbegin(); child != children.rend(); ++child) {
        const auto found = seen.find(*child);
        if (found == seen.end() || !found->second.widget) continue;
        if (found->second.kind == ControlKind::Container) found->second.widget->raise();
    }
}

std::pair<QWidget*, const TopLevelGeometry*> View::OwnerEntry(HWND hwnd,
                                                              const std::map<HWND, Entry>& seen) {
    const auto found = seen.find(TopLevelOwner(hwnd));
    if (found == seen.end()) return {nullptr, nullptr};
    return {found->second.widget, &found->second.topLevel};
}

void View::SyncChildGeometry(HWND hwnd, QWidget* widget) {
    RECT rect;
    GetWindowRect(hwnd, &rect);
    // Children are placed in the parent widget, which covers the parent window (its client
    // area when the parent widget is a window).
    const HWND parent = View::WindowOf(widget->parentWidget());
    POINT origin = ClientOrigin(parent);
    if (!widget->parentWidget()->isWindow()) {
        RECT parentRect;
        GetWindowRect(parent, &parentRect);
        origin = {parentRect.left, parentRect.top};
    }
    widget->setGeometry(rect.left - origin.x, rect.top - origin.y, rect.right - rect.left,
                        rect.bottom - rect.top);
}

void View::SyncFocus() {
    // A button held down keeps the focus Qt gave it at the press: taking the focus away would
    // cancel the click. The platform's focus moves with the click itself.
    if (const auto* held = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
        held && held->isDown())
        return;
    QWidget* focus = WidgetFor(GetFocus());
    if (!focus || !focus->isVisible()) return;
    QWidget* target = focus->focusProxy() ? focus->focusProxy() : focus;
    if (target->window()->focusWidget() == target) return;
    // The focus is drawn as the style draws the keyboard's focus, on whatever control has it.
    target->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    target->setFocus(Qt::OtherFocusReason);
}

void View::Drop(Entry& entry) {
    if (!entry.widget) return;
    entry.widget->hide();
    entry.widget->removeEventFilter(m_input.get());
    entry.widget->deleteLater();
    entry.widget = nullptr;
}

}  // namespace nuvview
