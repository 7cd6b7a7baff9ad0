#include "ViewTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>

#include "platform/window/WindowClass.h"
#include "view/qt/SimpleComboWidget.h"

namespace viewtest {
namespace {

// One application for the whole program, made before the first test and gone after the last.
class QtEnvironment final : public ::testing::Environment {
public:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        m_app = std::make_unique<QApplication>(m_argc, m_argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    int m_argc = 1;
    char m_name[16] = "view_tests";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QApplication> m_app;
};

[[maybe_unused]] const ::testing::Environment* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

DWORD Style(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongPtr(hwnd, GWL_STYLE));
}

// The Qt class a person would expect each control drawn with.
std::string ExpectedClass(HWND hwnd) {
    const std::string name = winport::GetClassNameOf(hwnd);
    const DWORD style = Style(hwnd);
    if (name == "Button") {
        switch (style & BS_TYPEMASK) {
            case BS_AUTOCHECKBOX:
            case BS_CHECKBOX: return "QCheckBox";
            case BS_AUTORADIOBUTTON:
            case BS_RADIOBUTTON: return "QRadioButton";
            case BS_GROUPBOX: return "QGroupBox";
            default: return "QPushButton";
        }
    }
    if (name == "Static") {
        const DWORD kind = style & SS_TYPEMASK;
        if (kind == SS_ETCHEDHORZ || kind == SS_ETCHEDVERT || kind == SS_ETCHEDFRAME)
            return "QFrame";
        return (style & WS_CHILD) ? "QLabel" : "QWidget";
    }
    if (name == "Edit") return (style & ES_MULTILINE) ? "QPlainTextEdit" : "QLineEdit";
    if (name == "ComboBox")
        return (style & 3) == CBS_SIMPLE ? "nuvview::SimpleComboWidget" : "QComboBox";
    if (name == "ListBox") return "QListWidget";
    if (name == "SysListView32" || name == "SysTreeView32") return "QTreeWidget";
    if (name == "SysAnimate32") return "QLabel";
    if (name == "RichEdit20A" || name == "RICHEDIT50W") return "QTextEdit";
    if (name == "SysTabControl32") return "nuvview::TabControlWidget";
    return "QWidget";
}

std::string WithoutAmpersands(std::string text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;
        out += text[i];
    }
    return out;
}

bool IsCombo(const QWidget* widget) {
    return qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const nuvview::SimpleComboWidget*>(widget);
}

// The text a person reads on |widget|, and what they would read on the window.
std::string ShownText(const QWidget* widget) {
    if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text().toStdString();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text().toStdString();
    if (auto* group = qobject_cast<const QGroupBox*>(widget)) return group->title().toStdString();
    if (auto* edit = qobject_cast<const QLineEdit*>(widget)) return edit->text().toStdString();
    if (auto* area = qobject_cast<const QPlainTextEdit*>(widget))
        return area->toPlainText().toStdString();
    if (auto* rich = qobject_cast<const QTextEdit*>(widget))
        return rich->toPlainText().toStdString();
    if (IsCombo(widget)) {
        const QLineEdit* edit = nuvview::ComboLineEdit(const_cast<QWidget*>(widget));
        return edit ? edit->text().toStdString() : "";
    }
    return "";
}

std::string ExpectedText(HWND hwnd, const QWidget* widget) {
    const std::string text = winport::GetWindowTextUtf8(hwnd);
    if (qobject_cast<const QLabel*>(widget)) return WithoutAmpersands(text);
    if (IsCombo(widget)) return nuvview::ComboLineEdit(const_cast<QWidget*>(widget)) ? text : "";
    if (qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QTextEdit*>(widget))
        return QString::fromStdString(text).replace("\r\n", "\n").toStdString();
    if (qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QGroupBox*>(widget) ||
        qobject_cast<const QLineEdit*>(widget))
        return text;
    return "";
}

// A disabled window refuses input without greying its controls: only disabled children grey
// what lies in them.
bool EnabledWithAncestors(HWND hwnd, HWND root) {
    for (HWND window = hwnd; window && window != root; window = GetParent(window)) {
        if (Style(window) & WS_DISABLED) return false;
    }
    return true;
}

void ExpectWindow(const nuvview::View& view, HWND hwnd, HWND root, QWidget* top) {
    const std::string name = winport::GetClassNameOf(hwnd) + " " +
                             std::to_string(GetDlgCtrlID(hwnd)) + " \"" +
                             winport::GetWindowTextUtf8(hwnd) + "\"";
    SCOPED_TRACE(name);
    QWidget* widget = view.WidgetFor(hwnd);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->metaObject()->className(), ExpectedClass(hwnd));
    // Texts as a person reads them: those of windows on show (a hidden tab's are read when it
    // shows).
    if (IsWindowVisible(hwnd)) {
        EXPECT_EQ(ShownText(widget), ExpectedText(hwnd, widget));
    }
    EXPECT_EQ(!widget->isHidden(), (Style(hwnd) & WS_VISIBLE) != 0);
    EXPECT_EQ(widget->isEnabled(), EnabledWithAncestors(hwnd, root));
    // Positions as a person measures them: from the top left corner of the window's inside.
    RECT rect;
    GetWindowRect(hwnd, &rect);
    POINT origin{0, 0};
    ClientToScreen(root, &origin);
    const QPoint at = widget->mapTo(top, QPoint(0, 0));
    EXPECT_EQ(at, QPoint(rect.left - origin.x, rect.top - origin.y));
    EXPECT_EQ(widget->size(), QSize(rect.right - rect.left, rect.bottom - rect.top));
    // A combo box draws its own edit.
    if (IsCombo(widget)) return;
    for (HWND child : winport::ChildWindows(hwnd)) ExpectWindow(view, child, root, top);
}

}  // namespace

void ViewFixture::TearDown() {
    m_views.clear();
    DeleteDropped();
    ModuleFixture::TearDown();
}

nuvview::View& ViewFixture::ViewOf(HWND root) {
    nuvview::View& view = m_views.emplace_back(root, &agent);
    view.Sync();
    return view;
}

void ViewFixture::DeleteDropped() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ViewFixture::TypeWithQt(QWidget* widget, const QString& text) {
    for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, c, {});
}

bool ViewFixture::Activate(QWidget* window) {
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

void ViewFixture::ExpectMirrors(const nuvview::View& view, HWND root) {
    QWidget* top = view.WidgetFor(root);
    ASSERT_NE(top, nullptr);
    EXPECT_TRUE(top->isWindow());
    EXPECT_EQ(top->windowTitle().toStdString(), winport::GetWindowTextUtf8(root));
    RECT client;
    GetClientRect(root, &client);
    EXPECT_EQ(top->size(), QSize(client.right, client.bottom));
    for (HWND child : winport::ChildWindows(root)) ExpectWindow(view, child, root, top);
}

}  // namespace viewtest
