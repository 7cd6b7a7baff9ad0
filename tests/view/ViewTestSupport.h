// The view's tests: one QApplication on Qt's offscreen platform for the whole program, and a
// fixture that opens the module's windows (as tests/module does) and checks the widget tree
// against the window tree a person would compare it with.
#pragma once

#include <QWidget>
#include <list>
#include <stdexcept>

#include "ModuleTestSupport.h"
#include "view/qt/View.h"

namespace viewtest {

class ViewFixture : public moduletest::ModuleFixture {
protected:
    void TearDown() override;

    // A view of |root| (of every window when null), synced once; it lives as long as the test.
    nuvview::View& ViewOf(HWND root);

    // Fails, naming the window, wherever the widgets under |view| differ from the window tree
    // under |root|: a window without a widget or with the wrong kind of widget, another text,
    // visibility, enabled state, position or size.
    static void ExpectMirrors(const nuvview::View& view, HWND root);
    // Deletes the widgets the view dropped, as the event loop would.
    static void DeleteDropped();
    // Types |text| on |widget| with Qt's test input, one key a character (any script).
    static void TypeWithQt(QWidget* widget, const QString& text);
    // Makes |window| the active window, so it takes the keyboard focus as a person's would.
    static bool Activate(QWidget* window);
    // The widget |view| shows |hwnd| with, as a W; the test fails when there is none such.
    template <class W>
    static W* WidgetOf(const nuvview::View& view, HWND hwnd) {
        if (auto* widget = qobject_cast<W*>(view.WidgetFor(hwnd))) return widget;
        throw std::runtime_error(std::string("no ") + W::staticMetaObject.className() + " for " +
                                 winport::GetWindowTextUtf8(hwnd));
    }

private:
    std::list<nuvview::View> m_views;
};

}  // namespace viewtest
