#include "client/directory/DirectoryJob.h"

#include <atomic>
#include <random>

#include "tests/client/DirectoryTestSupport.h"

namespace nuvclient {
namespace {

using namespace std::chrono_literals;
using test::kGeorge;
using test::kOwner;

class DirectoryJobTest : public test::DirectoryFixture {};

// Ended while the worker waits, or still waiting when the service closes, an operation stops at
// once, reports nothing, changes nothing and lets go of its callback; End may come again, or after
// the service has gone.
TEST_F(DirectoryJobTest, AWaitingOperationEndsAtOnceAndQuietly) {
    const Record before = m_store->ReadRecord(kGeorge);
    for (const bool ended : {true, false}) {
        SCOPED_TRACE(ended ? "ended" : "service closed");
        Service({30s, std::nullopt});
        auto callback = winport::MakeComObject<test::RecordingCallback>();
        auto operation = ended ? Start(Create<MIRetrieveDetailsOp>(), kGeorge, *callback.Get())
                               : Start(Create<MISaveDetailsOp>(), kOwner, *callback.Get());
        std::this_thread::sleep_for(20ms);
        const auto started = std::chrono::steady_clock::now();
        if (ended) {
            EXPECT_EQ(operation->End(), S_OK);
            EXPECT_EQ(callback->RefCount(), 1u) << "End returned with the callback still held";
        }
        m_service.reset();  // Joins the worker, which must have stopped waiting.
        EXPECT_LT(std::chrono::steady_clock::now() - started, 2s);
        EXPECT_EQ(callback->RefCount(), 1u);
        EXPECT_EQ(operation->End(), S_OK) << "a second End, or one after the service has gone";
        EXPECT_EQ(callback->Count(), 0u);
    }
    EXPECT_EQ(m_store->ReadRecord(kGeorge), before);
}

TEST_F(DirectoryJobTest, AnOperationReleasedWithoutEndStillReports) {
    Service({20ms, std::nullopt});
    auto callback = winport::MakeComObject<test::RecordingCallback>();
    Start(Create<MIRetrieveDetailsOp>(), kGeorge, *callback.Get()).Reset();
    ASSERT_TRUE(callback->WaitFor(1));
    EXPECT_TRUE(callback->Reports()[0].done);
    m_service.reset();
    EXPECT_EQ(callback->RefCount(), 1u);
    EXPECT_EQ(Text(*m_store, kGeorge, "HomeCity"), "Θεσσαλονίκη");
}

// A callback that ends its operation from within the report, on the worker thread.
class EndingCallback final : public winport::ComObject<MIDBOpCallback> {
public:
    HRESULT OnError(const DBOpErrorRecord*) override { return OnDone(); }
    HRESULT OnDone() override {
        std::unique_lock lock(m_mutex);
        m_ready.wait(lock, [&] { return m_operation != nullptr; });
        m_ended = m_operation->End() == S_OK;
        m_operation.Reset();
        m_ready.notify_all();
        return S_OK;
    }
    void Give(winport::ComPtr<MIDBOperation> operation) {
        {
            std::lock_guard lock(m_mutex);
            m_operation = std::move(operation);
        }
        m_ready.notify_all();
    }
    bool WaitEnded() {
        std::unique_lock lock(m_mutex);
        return m_ready.wait_for(lock, 20s, [&] { return m_ended; });
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_ready;
    winport::ComPtr<MIDBOperation> m_operation;
    bool m_ended = false;
};

TEST_F(DirectoryJobTest, EndCalledFromWithinTheReportDoesNotWaitForItself) {
    Service();
    auto callback = winport::MakeComObject<EndingCallback>();
    winport::ComPtr<MIDBOperation> operation;
    ASSERT_EQ(Create<MIRetrieveDetailsOp>()->Start(User(kGeorge).Get(), callback.Get(), 0,
                                                   operation.GetAddressOf()),
              S_OK);
    callback->Give(std::move(operation));
    EXPECT_TRUE(callback->WaitEnded());
    m_service.reset();
    EXPECT_EQ(callback->RefCount(), 1u);
}

// Operations started and ended at random moments from several threads: every operation not
// ended reports exactly once, none reports or holds its callback after its End returned.
struct StressOutcome {
    std::atomic<int> lateReports{0};
    std::atomic<int> heldCallbacks{0};
    std::atomic<int> missingReports{0};
    std::atomic<int> extraReports{0};
    std::atomic<int> failedStarts{0};
};

class DirectoryStressTest : public test::DirectoryFixture,
                            public ::testing::WithParamInterface<bool> {
protected:
    void StartAndEndAtRandom(int seed, StressOutcome& outcome) {
        std::mt19937 random(seed);
        auto retrieve = Create<MIRetrieveDetailsOp>();
        auto save = Create<MISaveDetailsOp>();
        for (int k = 0; k < 40; ++k) {
            // Reports that take a while, so that some End calls land in one.
            auto callback = winport::MakeComObject<test::RecordingCallback>(500us);
            auto operation = random() % 2 ? Start(retrieve, kGeorge, *callback.Get())
                                          : Start(save, kOwner, *callback.Get());
            if (!operation) {
                ++outcome.failedStarts;
                continue;
            }
            const auto pause = [&] {
                std::this_thread::sleep_for(std::chrono::microseconds(random() % 4000));
            };
            switch (random() % 4) {
                case 0: break;
                case 1: pause(); break;
                case 2: callback->WaitFor(1); break;
                case 3:
                    // Never ended: it reports once.
                    operation.Reset();
                    if (!callback->WaitFor(1)) ++outcome.missingReports;
                    break;
            }
            if (operation) {
                operation->End();
                if (callback->RefCount() != 1) ++outcome.heldCallbacks;
                const size_t atEnd = callback->Count();
                pause();
                if (callback->Count() != atEnd) ++outcome.lateReports;
            }
            if (callback->Count() > 1) ++outcome.extraReports;
        }
    }
};

// With a failure injected the work is skipped, so the reports fall within the random pauses;
// without, the workers also write the store and the directory side by side.
TEST_P(DirectoryStressTest, ManyOperationsStartedAndEndedAtRandomFromSeveralThreads) {
    DirectoryOptions options{2ms, std::nullopt};
    if (GetParam()) options.failure = DirectoryFailure{1, "busy"};
    Service(options);
    StressOutcome outcome;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] { StartAndEndAtRandom(1234 + t, outcome); });
    for (std::thread& thread : threads) thread.join();
    m_service.reset();
    EXPECT_EQ(outcome.lateReports, 0);
    EXPECT_EQ(outcome.heldCallbacks, 0);
    EXPECT_EQ(outcome.missingReports, 0);
    EXPECT_EQ(outcome.extraReports, 0);
    EXPECT_EQ(outcome.failedStarts, 0);
}

INSTANTIATE_TEST_SUITE_P(Directory, DirectoryStressTest, ::testing::Bool());

}  // namespace
}  // namespace nuvclient
