#include "view/qt/InputFilter.h"

#include <QAbstractButton>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <QToolTip>
#include <QWidget>

#include "platform/automation/Agent.h"
#include "platform/controls/ToolTipApi.h"
#include "platform/core/WinMessages.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"
#include "view/qt/ControlKind.h"
#include "view/qt/ControlState.h"
#include "view/qt/SimpleComboWidget.h"
#include "view/qt/TextPositions.h"
#include "view/qt/View.h"

namespace nuvview {
namespace {

UINT VirtualKey(const QKeyEvent& key) {
    const int code = key.key();
    if (code >= Qt::Key_A && code <= Qt::Key_Z) return static_cast<UINT>('A' + code - Qt::Key_A);
    if (code >= Qt::Key_0 && code <= Qt::Key_9) return static_cast<UINT>('0' + code - Qt::Key_0);
    switch (code) {
        case Qt::Key_Backspace: return VK_BACK;
        case Qt::Key_Tab:
        case Qt::Key_Backtab: return VK_TAB;
        case Qt::Key_Return:
        case Qt::Key_Enter: return VK_RETURN;
        case Qt::Key_Escape: return VK_ESCAPE;
        case Qt::Key_Space: return VK_SPACE;
        case Qt::Key_PageUp: return VK_PRIOR;
        case Qt::Key_PageDown: return VK_NEXT;
        case Qt::Key_End: return VK_END;
        case Qt::Key_Home: return VK_HOME;
        case Qt::Key_Left: return VK_LEFT;
        case Qt::Key_Up: return VK_UP;
        case Qt::Key_Right: return VK_RIGHT;
        case Qt::Key_Down: return VK_DOWN;
        case Qt::Key_Insert: return VK_INSERT;
        case Qt::Key_Delete: return VK_DELETE;
        case Qt::Key_F1: return VK_F1;
        case Qt::Key_F4: return VK_F4;
        case Qt::Key_Menu: return VK_APPS;
        default: return 0;
    }
}

winport::KeyModifier ModifierOf(const QKeyEvent& key) {
    if (key.modifiers() & Qt::ControlModifier) return winport::KeyModifier::Control;
    if ((key.modifiers() & Qt::ShiftModifier) || key.key() == Qt::Key_Backtab)
        return winport::KeyModifier::Shift;
    return winport::KeyModifier::None;
}

bool IsPrintable(const QString& text) {
    if (text.isEmpty()) return false;
    for (const QChar c : text) {
        if (!c.isPrint() && !c.isSurrogate()) return false;
    }
    return true;
}

// The Qt selection of a text widget, in UTF-16 units.
TextSelection QtSelection(QWidget* widget) {
    if (QLineEdit* edit = ComboLineEdit(widget)) widget = edit;
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        if (!line->hasSelectedText()) return {line->cursorPosition(), line->cursorPosition()};
        return {line->selectionStart(), line->selectionEnd()};
    }
    if (auto* area = qobject_cast<QPlainTextEdit*>(widget)) {
        const QTextCursor cursor = area->textCursor();
        return {cursor.selectionStart(), cursor.selectionEnd()};
    }
    return {};
}

// The platform's selection set to where the person left Qt's.
void PlaceCaret(HWND hwnd, QWidget* widget) {
    const QString text = WindowText(hwnd);
    const TextSelection selection = QtSelection(widget);
    SendMessage(hwnd, EM_SETSEL, static_cast<WPARAM>(PlatformPosition(text, selection.start)),
                static_cast<LPARAM>(PlatformPosition(text, selection.end)));
}

// Types |text| where the person's caret is: over the whole text, at its end, or in between.
void TypeText(winport::Agent& agent, HWND hwnd, ControlKind kind, QWidget* widget,
              const QString& text) {
    const QString shown = WindowText(hwnd);
    const TextSelection selection = QtSelection(widget);
    const qsizetype length = PlatformPosition(shown, shown.size());
    const qsizetype start = PlatformPosition(shown, selection.start);
    const qsizetype end = PlatformPosition(shown, selection.end);
    const std::string utf8 = text.toStdString();
    const bool replaceAll = start == 0 && end == length && length > 0;
    if (kind == ControlKind::ComboBox) {
        agent.TypeInCombo(hwnd, utf8,
                          replaceAll ? winport::TypeMode::Replace : winport::TypeMode::Append);
        return;
    }
    if (replaceAll) {
        agent.Type(hwnd, utf8, winport::TypeMode::Replace);
    } else if (start == length && end == length) {
        agent.Type(hwnd, utf8, winport::TypeMode::Append);
    } else if (agent.Focus(hwnd)) {
        // Within the text: the caret is put where the person put it, then the characters come
        // as the agent types them.
        PlaceCaret(hwnd, widget);
        for (const uint codePoint : text.toUcs4())
            PostMessage(hwnd, WM_CHAR, static_cast<WPARAM>(codePoint), 1);
        winport::PumpMessages();
    }
}

// Whether the platform's focus is in |hwnd| or in a part of it (a combo box's edit). Focusing
// it again would select its whole text.
bool HasFocus(HWND hwnd) {
    const HWND focus = GetFocus();
    return focus == hwnd || (focus && IsChild(hwnd, focus));
}

bool IsTextKind(ControlKind kind, QWidget* widget) {
    if (kind == ControlKind::ComboBox) return ComboLineEdit(widget) != nullptr;
    return kind == ControlKind::LineEdit || kind == ControlKind::TextArea;
}

// The mirrored widget |watched| belongs to (itself or the widget it is part of).
QWidget* MirroredWidget(QObject* watched) {
    for (auto* widget = qobject_cast<QWidget*>(watched); widget; widget = widget->parentWidget()) {
        if (View::WindowOf(widget)) return widget;
    }
    return nullptr;
}

// The platform's tip for |hwnd|, from the first tool tip window that has a tool for it.
std::optional<std::string> PlatformTip(HWND hwnd) {
    for (HWND top : winport::TopLevelWindows()) {
        if (ClassifyWindow(top) != ControlKind::NotShown) continue;
        if (auto text = winport::ToolTipText(top, hwnd); text && !text->empty()) return text;
    }
    return std::nullopt;
}

}  // namespace

bool InputFilter::ShowToolTip(QObject* watched, QHelpEvent* help) {
    QWidget* widget = MirroredWidget(watched);
    if (!widget) return false;
    // Asked as the platform's tip asks, when it is about to show.
    const std::optional<std::string> tip = PlatformTip(View::WindowOf(widget));
    if (!tip) {
        QToolTip::hideText();
        return true;
    }
    QToolTip::showText(help->globalPos(), QString::fromStdString(*tip), widget);
    return true;
}

bool InputFilter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::ToolTip) return ShowToolTip(watched, static_cast<QHelpEvent*>(event));
    if ((type == QEvent::Move || type == QEvent::Resize) && event->spontaneous()) {
        // The window manager moved or sized a window: the platform follows at the sync.
        if (auto* widget = qobject_cast<QWidget*>(watched); widget && widget->isWindow())
            m_view.AfterInput([] {});
        return false;
    }
    if (type == QEvent::MouseButtonRelease && qobject_cast<QAbstractButton*>(watched)) {
        // A button let go of away from itself clicked nothing: the focus it held goes back to
        // where the platform has it.
        QTimer::singleShot(0, this, [this] { m_view.AfterInput([] {}); });
        return false;
    }
    if (type != QEvent::KeyPress && type != QEvent::FocusIn && type != QEvent::Close &&
        type != QEvent::MouseButtonDblClick)
        return false;
    QWidget* widget = MirroredWidget(watched);
    winport::Agent* agent = m_view.GetAgent();
    if (!widget || !agent || m_view.IsSyncing()) return type == QEvent::KeyPress;
    const HWND hwnd = View::WindowOf(widget);
    const ControlKind kind = m_view.KindOf(hwnd);
    if (type == QEvent::Close) {
        event->ignore();
        m_view.AfterInput([hwnd] { PostMessage(hwnd, WM_CLOSE, 0, 0); });
        return true;
    }
    if (type == QEvent::MouseButtonDblClick) {
        // A field's double-click is the platform's to answer (a field may open a dialog on it).
        if (kind != ControlKind::LineEdit && kind != ControlKind::TextArea) return false;
        m_view.AfterInput([agent, hwnd] { agent->DoubleClick(hwnd); });
        return true;
    }
    if (type == QEvent::FocusIn) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        const bool button = kind == ControlKind::PushButton || kind == ControlKind::CheckBox ||
                            kind == ControlKind::RadioButton;
        // A click on a button moves the platform's focus itself; a window coming to the front
        // moves none.
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
        if (!HasFocus(hwnd) && !(button && reason == Qt::MouseFocusReason))
            m_view.AfterInput([agent, hwnd] { agent->Focus(hwnd); });
        return false;
    }
    const auto& key = *static_cast<QKeyEvent*>(event);
    const bool control = (key.modifiers() & Qt::ControlModifier) != 0;
    if (!control && IsPrintable(key.text()) && IsTextKind(kind, widget)) {
        m_view.AfterInput([&] { TypeText(*agent, hwnd, kind, widget, key.text()); });
        return true;
    }
    if (!control && IsPrintable(key.text()) && key.key() != Qt::Key_Space) {
        // A letter in a control without text (a drop-down list) picks by it, as typed there.
        m_view.AfterInput([&] {
            if (!HasFocus(hwnd)) agent->Focus(hwnd);
            agent->TypeKeys(key.text().toStdString());
        });
        return true;
    }
    if (const UINT virtualKey = VirtualKey(key)) {
        m_view.AfterInput([&] {
            if (!HasFocus(hwnd)) agent->Focus(hwnd);
            // The key acts where the person left the caret, which Qt moved without the platform.
            if (kind == ControlKind::LineEdit || kind == ControlKind::TextArea)
                PlaceCaret(hwnd, widget);
            agent->PressKey(virtualKey, ModifierOf(key));
        });
    }
    return true;
}

}  // namespace nuvview
