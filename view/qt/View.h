// The real window: a tree of Qt widgets kept in line with the platform's window tree. One widget
// per window, keyed by its handle, created, re-parented, moved, sized, shown, enabled, re-texted
// and destroyed as the tree changes, each control drawn with its native Qt widget. The view keeps
// no state of its own: what a person does on a widget goes to the platform through the
// automation agent, and the next Sync() shows the platform's answer.
#pragma once

#include <QFont>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/core/WinTypes.h"
#include "view/qt/ControlKind.h"
#include "view/qt/TopLevelWindows.h"

namespace winport {
class Agent;
}

namespace nuvview {

class View {
public:
    // Mirrors |root| and its descendants, or every top-level window when |root| is null. Without
    // an agent the widgets only show the windows (a picture); with one they take input.
    explicit View(HWND root = nullptr, winport::Agent* agent = nullptr);
    ~View();
    View(const View&) = delete;
    View& operator=(const View&) = delete;

    // Brings the widgets in line with the window tree now.
    void Sync();

    // The widget showing |hwnd|, null when it has none.
    QWidget* WidgetFor(HWND hwnd) const;
    // The window a widget shows, null for a widget of no window.
    static HWND WindowOf(const QWidget* widget);
    // The top-level widgets, in the platform's order of top-level windows.
    std::vector<QWidget*> TopLevelWidgets() const;
    winport::Agent* GetAgent() const { return m_agent; }
    // The kind of widget |hwnd| has; Container for a window without one.
    ControlKind KindOf(HWND hwnd) const;
    bool IsSyncing() const { return m_syncing; }

    // Called at the end of every sync (a loop's check whether windows are left).
    void OnSynced(std::function<void()> callback) { m_onSynced = std::move(callback); }

    // Runs |action| (an input handed to the agent), then pumps the platform's messages and
    // syncs; the widgets of windows the action destroyed are deleted later, not under the
    // caller's feet.
    void AfterInput(const std::function<void()>& action);

private:
    struct Entry {
        QPointer<QWidget> widget;
        ControlKind kind = ControlKind::Container;
        HFONT font = nullptr;  // The font shown, once fontShown.
        bool fontShown = false;
        // The children in the platform's z-order as last stacked, topmost first.
        std::vector<HWND> stacking;
        TopLevelGeometry topLevel;  // a top-level window's
    };

    // Answers whether a top-level window showed for the first time.
    bool SyncWindow(HWND hwnd, QWidget* parent, std::map<HWND, Entry>& seen);
    void SyncChildGeometry(HWND hwnd, QWidget* widget);
    // The widget and geometry of the owner of top-level window |hwnd|, synced before it.
    static std::pair<QWidget*, const TopLevelGeometry*> OwnerEntry(
        HWND hwnd, const std::map<HWND, Entry>& seen);
    // Stacks the plain windows among the children as the platform orders them, so that the one
    // on top takes the clicks there.
    void SyncStacking(Entry& entry, const std::vector<HWND>& children,
                      const std::map<HWND, Entry>& seen);
    void SyncFocus();
    void Drop(Entry& entry);

    HWND m_root;
    winport::Agent* m_agent;
    std::unique_ptr<QObject> m_input;
    std::unique_ptr<QObject> m_guard;
    QFont m_dialogFont;
    std::map<HWND, Entry> m_entries;
    bool m_syncing = false;
    // While the children of a window whose font changed are synced.
    bool m_parentFontChanged = false;
    std::function<void()> m_onSynced;
};

}  // namespace nuvview
