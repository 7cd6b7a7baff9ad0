#include "view/qt/Gui.h"

#include <QApplication>
#include <QEvent>
#include <atomic>

#include "platform/message/MessageApi.h"
#include "view/qt/QtShellUi.h"
#include "view/qt/View.h"

namespace nuvview {
namespace {

bool AnyShown(const View& view) {
    for (QWidget* widget : view.TopLevelWidgets()) {
        if (!widget->isHidden()) return true;
    }
    return false;
}

// Handles the platform's posted messages on Qt's loop: a post (from any thread) wakes the loop,
// which dispatches the platform's messages and syncs the view. A modal loop of the platform
// waits for input here, with Qt painting and taking input meanwhile.
class MessagePump final : public QObject, public winport::InputWaiter {
public:
    explicit MessagePump(View& view) : m_view(view) { winport::SetInputWaiter(this); }
    ~MessagePump() override { winport::SetInputWaiter(nullptr); }
    MessagePump(const MessagePump&) = delete;
    MessagePump& operator=(const MessagePump&) = delete;

    void WaitForInput() override {
        m_view.Sync();
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    void Wake() override {
        if (!m_posted.exchange(true)) QCoreApplication::postEvent(this, new QEvent(QEvent::User));
    }

protected:
    bool event(QEvent* event) override {
        if (event->type() != QEvent::User) return QObject::event(event);
        m_posted = false;
        winport::PumpMessages();
        m_view.Sync();
        return true;
    }

private:
    View& m_view;
    std::atomic<bool> m_posted{false};
};

}  // namespace

int RunWindows(winport::Agent& agent) {
    View view(nullptr, &agent);
    const QtShellUi shell(view);
    MessagePump pump(view);
    winport::PumpMessages();
    view.Sync();
    if (!AnyShown(view)) return 0;
    view.OnSynced([&view] {
        if (!AnyShown(view)) QCoreApplication::exit(0);
    });
    return QApplication::exec();
}

}  // namespace nuvview
