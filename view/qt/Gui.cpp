#include "view/qt/Gui.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <atomic>
#include <chrono>

#include "platform/message/MessageApi.h"
#include "platform/message/TimerApi.h"
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

// Milliseconds from now until |due|, none when it has passed.
int MillisecondsUntil(winport::TimerClock::time_point due) {
    const auto left =
        std::chrono::ceil<std::chrono::milliseconds>(due - winport::TimerClock::now());
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
}

// Handles the platform's posted messages and timers on Qt's loop: a post (from any thread) wakes
// the loop, and a Qt timer set for the platform's next timer does too; either dispatches the
// platform's messages and syncs the view. A modal loop of the platform waits for input here,
// with Qt painting and taking input meanwhile.
class MessagePump final : public QObject, public winport::InputWaiter {
public:
    explicit MessagePump(View& view) : m_view(view) {
        m_timerDue.setSingleShot(true);
        m_timerDue.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timerDue, &QTimer::timeout, this, [this] { Pump(); });
        winport::SetInputWaiter(this);
    }
    ~MessagePump() override { winport::SetInputWaiter(nullptr); }
    MessagePump(const MessagePump&) = delete;
    MessagePump& operator=(const MessagePump&) = delete;

    void WaitForInput(std::optional<winport::TimerClock::time_point> until) override {
        m_view.Sync();
        // What the sync itself set off (layouts, paints) is done before the wait, so that only
        // input, a post or a timer ends it.
        QCoreApplication::processEvents();
        // The platform's timer wakes the wait as an event would.
        if (until) QTimer::singleShot(MillisecondsUntil(*until), Qt::PreciseTimer, this, [] {});
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    void Wake() override {
        if (!m_posted.exchange(true)) QCoreApplication::postEvent(this, new QEvent(QEvent::User));
    }

    void Pump() {
        winport::PumpMessages();
        m_view.Sync();
    }
    // Sets the Qt timer for the platform's next timer; called after every sync, as any input
    // may have started or ended one.
    void Arm() {
        if (const auto due = winport::NextTimerDue()) {
            m_timerDue.start(MillisecondsUntil(*due));
        } else {
            m_timerDue.stop();
        }
    }

protected:
    bool event(QEvent* event) override {
        if (event->type() != QEvent::User) return QObject::event(event);
        m_posted = false;
        Pump();
        return true;
    }

private:
    View& m_view;
    QTimer m_timerDue;
    std::atomic<bool> m_posted{false};
};

}  // namespace

int RunWindows(winport::Agent& agent) {
    View view(nullptr, &agent);
    const QtShellUi shell(view);
    MessagePump pump(view);
    view.OnSynced([&view, &pump] {
        pump.Arm();
        if (!AnyShown(view)) QCoreApplication::exit(0);
    });
    pump.Pump();
    if (!AnyShown(view)) return 0;
    return QApplication::exec();
}

}  // namespace nuvview
