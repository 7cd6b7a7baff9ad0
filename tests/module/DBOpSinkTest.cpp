// Where database results arrive: results posted from any thread handled on the sink's thread
// exactly once, and nothing handled once flushed or closed.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "details/DBOpSink.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"

namespace {

class RecordingSink final : public MTDBOpSink {
public:
    struct Handled {
        int code;
        std::string text;  // an error's text, "" for a success
        int errorCode;
        bool operator==(const Handled&) const = default;
    };

    LRESULT OnResult(int code, DBOpResult* result) override {
        const auto* error = dynamic_cast<DBOpErrorResult*>(result);
        handled.push_back({code, error ? error->Text() : "", error ? error->Code() : 0});
        return 7;
    }

    std::vector<Handled> handled;
};

TEST(DBOpSinkTest, ResultsAreHandledOnceOnTheSinksThreadInOrder) {
    RecordingSink sink;
    std::thread worker([&] {
        sink.Post(0, nullptr);
        sink.Post(1, std::make_unique<DBOpErrorResult>("Κάτι πήγε στραβά", -3));
    });
    worker.join();
    EXPECT_TRUE(sink.handled.empty()) << "nothing is handled before the thread takes messages";
    EXPECT_EQ(sink.PendingCount(), 2u);
    winport::PumpMessages();
    EXPECT_EQ(sink.handled,
              (std::vector<RecordingSink::Handled>{{0, "", 0}, {1, "Κάτι πήγε στραβά", -3}}));
    EXPECT_EQ(sink.PendingCount(), 0u);
    winport::PumpMessages();
    EXPECT_EQ(sink.handled.size(), 2u);
}

TEST(DBOpSinkTest, FlushedAndClosedResultsAreNeverHandled) {
    RecordingSink sink;
    sink.Post(0, nullptr);
    sink.Post(1, std::make_unique<DBOpErrorResult>("late", 1));
    sink.Flush();
    EXPECT_EQ(sink.PendingCount(), 0u);
    winport::PumpMessages();
    EXPECT_TRUE(sink.handled.empty());

    // A message whose result is not pending, as one left over from a flush would be.
    DBOpResult stray;
    EXPECT_EQ(
        SendMessage(sink.GetSafeHwnd(), kDBOpResultMessage, 0, reinterpret_cast<LPARAM>(&stray)),
        0);
    EXPECT_TRUE(sink.handled.empty());

    sink.Post(0, nullptr);
    sink.Close();
    sink.Post(0, nullptr);
    EXPECT_EQ(sink.PendingCount(), 0u);
    winport::PumpMessages();
    EXPECT_TRUE(sink.handled.empty());
}

// Workers post while the sink's thread handles and flushes: every result is handled at most
// once, those of one worker in its order, and none after the last flush.
TEST(DBOpSinkTest, WorkersPostingWhileTheSinkHandlesAndFlushes) {
    RecordingSink sink;
    constexpr int kWorkers = 4;
    constexpr int kPosts = 2000;
    std::atomic<int> running{kWorkers};
    std::vector<std::thread> workers;
    for (int w = 0; w < kWorkers; ++w) {
        workers.emplace_back([&, w] {
            for (int i = 0; i < kPosts; ++i) {
                sink.Post(1, std::make_unique<DBOpErrorResult>(std::to_string(i), w));
            }
            --running;
        });
    }
    int rounds = 0;
    while (running > 0) {
        winport::PumpMessages();
        if (++rounds % 7 == 0) sink.Flush();
    }
    for (std::thread& worker : workers) worker.join();
    winport::PumpMessages();
    sink.Flush();
    const size_t handled = sink.handled.size();
    std::vector<int> last(kWorkers, -1);
    for (const auto& result : sink.handled) {
        const int index = std::stoi(result.text);
        EXPECT_GT(index, last[static_cast<size_t>(result.errorCode)]) << "out of order";
        last[static_cast<size_t>(result.errorCode)] = index;
    }
    EXPECT_LE(handled, static_cast<size_t>(kWorkers * kPosts));
    EXPECT_EQ(sink.PendingCount(), 0u);
    winport::PumpMessages();
    EXPECT_EQ(sink.handled.size(), handled);
}

}  // namespace
