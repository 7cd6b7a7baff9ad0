#include <atomic>
#include <chrono>
#include <thread>
#include <tuple>

#include "ControlTestSupport.h"
#include "platform/message/TimerApi.h"

namespace winport::test {
namespace {

using std::chrono::milliseconds;

// Windows that take posted messages and timers; none is left to them after a test.
class MessageQueueTest : public ::testing::Test {
protected:
    void SetUp() override { PumpMessages(); }
    void TearDown() override {
        spy.DestroyWindows();
        PumpMessages();
    }

    MessageSpy spy;
    const HWND top = spy.CreateSpyWindow("top");
    const HWND child = spy.CreateSpyWindow("child", top, 1);
    const HWND other = spy.CreateSpyWindow("other");
};
using TimerTest = MessageQueueTest;

TEST_F(MessageQueueTest, PeekFiltersByWindowAndRangeAndRemovesOnlyWithPmRemove) {
    PostMessage(other, WM_USER + 1, 0, 0);
    PostMessage(child, WM_USER + 2, 0, 0);
    PostMessage(top, WM_APP + 1, 0, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessage(&msg, top, WM_USER, WM_USER + 10, PM_NOREMOVE));
    EXPECT_EQ(msg.hwnd, child);  // A window filter takes its children's messages too.
    ASSERT_TRUE(PeekMessage(&msg, top, WM_USER, WM_USER + 10, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_USER + 2u);
    EXPECT_FALSE(PeekMessage(&msg, top, WM_USER, WM_USER + 10, PM_REMOVE));
    ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, other);
    ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_APP + 1u);
    EXPECT_FALSE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageQueueTest, MessagesForADestroyedWindowAreDroppedAndEditingKeysTranslateToCharacters) {
    PostMessage(child, WM_USER, 0, 0);
    PostMessage(other, WM_USER, 0, 0);
    DestroyWindow(child);
    spy.Only({WM_USER});
    EXPECT_EQ(PumpMessages(), 1);
    EXPECT_TRUE(SequenceIs(spy, {"other WM_USER"}));

    const MSG backspace{top, WM_KEYDOWN, VK_BACK, 0, 0, {}};
    const MSG left{top, WM_KEYDOWN, VK_LEFT, 0, 0, {}};
    EXPECT_TRUE(TranslateMessage(&backspace));
    EXPECT_FALSE(TranslateMessage(&left));
    MSG msg;
    ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_CHAR);
    EXPECT_EQ(msg.wParam, 0x08u);
}

TEST_F(MessageQueueTest, QuitArrivesAfterEveryOtherMessageAndGetMessageRefusesBadArguments) {
    PostQuitMessage(3);
    PostMessage(top, WM_USER, 0, 0);
    MSG msg;
    ASSERT_EQ(GetMessage(&msg, nullptr, 0, 0), TRUE);
    EXPECT_EQ(msg.message, WM_USER);
    ASSERT_EQ(GetMessage(&msg, nullptr, 0, 0), FALSE);
    EXPECT_EQ(msg.wParam, 3u);

    EXPECT_EQ(GetMessage(nullptr, nullptr, 0, 0), -1);
    EXPECT_EQ(GetMessage(&msg, reinterpret_cast<HWND>(0x99), 0, 0), -1);
}

TEST_F(MessageQueueTest, EightThreadsPostingAHundredThousandEachAreDeliveredOnceInOrder) {
    constexpr int kThreads = 8;
    constexpr int kPerThread = 100000;
    constexpr UINT kLast = WM_APP + 1;  // Posted once every poster has finished.
    std::atomic<int> failedPosts{0};
    std::atomic<bool> lastPosted{false};
    std::vector<std::thread> posters;
    for (int t = 0; t < kThreads; ++t) {
        posters.emplace_back([&, t] {
            for (int i = 0; i < kPerThread; ++i) {
                if (!PostMessage(other, WM_APP, static_cast<WPARAM>(t), i)) ++failedPosts;
            }
        });
    }
    std::thread finisher([&] {
        for (auto& poster : posters) poster.join();
        if (!PostMessage(other, kLast, 0, 0)) ++failedPosts;
        lastPosted = true;
    });
    // Each thread's messages must come in the order it posted them, the last after them all. A
    // watchdog timer, made only while the queue is empty, ends the wait if it never comes.
    SetTimer(other, 1, 1000, nullptr);
    std::vector<LPARAM> next(kThreads, 0);
    long delivered = 0;
    bool inOrder = true;
    MSG msg{};
    while (GetMessage(&msg, nullptr, 0, 0) > 0 && msg.message != kLast) {
        if (msg.message == WM_TIMER && lastPosted) break;
        if (msg.message != WM_APP) continue;
        inOrder = inOrder && next[msg.wParam] == msg.lParam;
        next[msg.wParam] = msg.lParam + 1;
        ++delivered;
    }
    finisher.join();
    KillTimer(other, 1);
    EXPECT_EQ(msg.message, kLast) << "the queue ran dry before the last message came";
    EXPECT_EQ(failedPosts, 0);
    EXPECT_EQ(delivered, kThreads * kPerThread) << "messages were lost or repeated";
    EXPECT_TRUE(inOrder);
}

TEST_F(TimerTest, GetMessageWaitsForTheTimerAndDeliversItToTheWindow) {
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(SetTimer(top, 7, 20, nullptr), 7u);
    MSG msg;
    ASSERT_EQ(GetMessage(&msg, nullptr, 0, 0), TRUE);
    EXPECT_GE(std::chrono::steady_clock::now() - start, milliseconds(20));
    EXPECT_EQ(std::tie(msg.hwnd, msg.message, msg.wParam),
              std::make_tuple(top, UINT{WM_TIMER}, 7u));
    spy.Only({WM_TIMER});
    DispatchMessage(&msg);
    EXPECT_TRUE(SequenceIs(spy, {"top WM_TIMER"}));
}

TEST_F(TimerTest, ADueTimerComesOnceAfterPostedMessagesAndPeekingWithoutRemovingLeavesItDue) {
    SetTimer(top, 1, USER_TIMER_MINIMUM, nullptr);
    std::this_thread::sleep_for(milliseconds(5 * USER_TIMER_MINIMUM));
    PostMessage(other, WM_USER, 0, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, WM_USER);
    // A filter that leaves out the timer's window or WM_TIMER does not see it.
    EXPECT_FALSE(PeekMessage(&msg, other, WM_TIMER, WM_TIMER, PM_REMOVE));
    EXPECT_FALSE(PeekMessage(&msg, nullptr, WM_USER + 1, WM_APP, PM_REMOVE));
    spy.Only({WM_USER, WM_TIMER});
    EXPECT_EQ(PumpMessages(), 2);
    EXPECT_TRUE(SequenceIs(spy, {"other WM_USER", "top WM_TIMER"}));
    // Taken, it starts over: nothing is due until the next interval.
    EXPECT_FALSE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));

    // Peeking without removing leaves it due.
    std::this_thread::sleep_for(milliseconds(2 * USER_TIMER_MINIMUM));
    ASSERT_TRUE(PeekMessage(&msg, top, 0, 0, PM_NOREMOVE));
    ASSERT_TRUE(PeekMessage(&msg, top, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 1u);
    EXPECT_FALSE(PeekMessage(&msg, top, 0, 0, PM_REMOVE));
}

TEST_F(TimerTest, KillingRestartingAndDestroyingEndTheTimerAndBadRequestsAreRefused) {
    SetTimer(top, 1, 50, nullptr);
    SetTimer(top, 2, 60000, nullptr);
    // The same id again restarts it with the new interval: one timer, far away.
    SetTimer(top, 1, 60000, nullptr);
    ASSERT_TRUE(NextTimerDue().has_value());
    EXPECT_GT(*NextTimerDue() - std::chrono::steady_clock::now(), milliseconds(50000));

    EXPECT_EQ(KillTimer(top, 1), TRUE);
    EXPECT_TRUE(FailsWith(KillTimer(top, 1), ERROR_INVALID_PARAMETER));
    EXPECT_EQ(KillTimer(other, 2), FALSE);
    EXPECT_TRUE(NextTimerDue().has_value());

    DestroyWindow(top);
    EXPECT_FALSE(NextTimerDue().has_value());
    EXPECT_TRUE(FailsWith(KillTimer(top, 2), ERROR_INVALID_WINDOW_HANDLE));

    EXPECT_TRUE(FailsWith(SetTimer(other, 1, 10, [](HWND, UINT, UINT_PTR, DWORD) {}),
                          ERROR_INVALID_PARAMETER));
    EXPECT_TRUE(FailsWith(SetTimer(reinterpret_cast<HWND>(0x4321), 1, 10, nullptr),
                          ERROR_INVALID_WINDOW_HANDLE));
    std::thread([this] {
        EXPECT_TRUE(FailsWith(SetTimer(other, 1, 10, nullptr), ERROR_ACCESS_DENIED));
    }).join();
    EXPECT_FALSE(NextTimerDue().has_value());
}

// A view's waiter is told when the next timer falls due, so its own loop can wake for it.
TEST_F(TimerTest, TheViewsWaiterLearnsWhenTheNextTimerIsDue) {
    std::optional<TimerClock::time_point> deadline;
    const ScopedInputWaiter waiter([&deadline](std::optional<TimerClock::time_point> until) {
        deadline = until;
        if (until) std::this_thread::sleep_until(*until);
    });
    SetTimer(top, 1, 30, nullptr);
    const auto due = NextTimerDue();
    MSG msg;
    GetMessage(&msg, nullptr, 0, 0);
    EXPECT_EQ(msg.message, WM_TIMER);
    EXPECT_EQ(deadline, due);
}

}  // namespace
}  // namespace winport::test
