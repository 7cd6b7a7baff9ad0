#include <atomic>
#include <thread>

#include "ControlTestSupport.h"
#include "platform/message/TimerApi.h"

namespace winport::test {
namespace {

class MessageQueueTest : public ::testing::Test {
protected:
    void SetUp() override { PumpMessages(); }
    void TearDown() override { PumpMessages(); }

    MessageSpy spy;
    const HWND top = spy.CreateSpyWindow("top");
    const HWND child = spy.CreateSpyWindow("child", top, 1);
    const HWND other = spy.CreateSpyWindow("other");
};

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

}  // namespace
}  // namespace winport::test
