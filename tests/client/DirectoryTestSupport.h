// What the directory tests share: a callback that records each report with the thread it came
// from, and a fixture owning a data folder, its store and a running directory service.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <type_traits>

#include "client/directory/DirectoryService.h"
#include "client/host/UserObject.h"
#include "module/host/MIRetrieveDetailsOp.h"
#include "module/host/MISaveDetailsOp.h"
#include "module/host/MIUpdateDetailsOp.h"
#include "platform/com/ComObject.h"
#include "platform/text/Utf16.h"
#include "tests/client/ClientTestSupport.h"

namespace nuvclient::test {

struct Report {
    bool done = false;
    int code = 0;
    std::string text;
    std::thread::id thread;
};

class RecordingCallback final : public winport::ComObject<MIDBOpCallback> {
public:
    // Each report takes |delay| before it is recorded.
    explicit RecordingCallback(std::chrono::microseconds delay = {}) : m_delay(delay) {}

    HRESULT OnError(const DBOpErrorRecord* error) override {
        if (!error) return E_POINTER;
        Add({false, error->code, winport::Utf16ToUtf8(error->text), std::this_thread::get_id()});
        return S_OK;
    }
    HRESULT OnDone() override {
        Add({true, 0, {}, std::this_thread::get_id()});
        return S_OK;
    }

    // Waits up to |timeout| for |count| reports; true when they came.
    bool WaitFor(size_t count, std::chrono::milliseconds timeout = std::chrono::seconds(20)) {
        std::unique_lock lock(m_mutex);
        return m_arrived.wait_for(lock, timeout, [&] { return m_reports.size() >= count; });
    }
    std::vector<Report> Reports() {
        std::lock_guard lock(m_mutex);
        return m_reports;
    }
    size_t Count() {
        std::lock_guard lock(m_mutex);
        return m_reports.size();
    }

private:
    void Add(Report report) {
        std::this_thread::sleep_for(m_delay);
        {
            std::lock_guard lock(m_mutex);
            m_reports.push_back(std::move(report));
        }
        m_arrived.notify_all();
    }

    const std::chrono::microseconds m_delay;
    std::mutex m_mutex;
    std::condition_variable m_arrived;
    std::vector<Report> m_reports;
};

class DirectoryFixture : public StoreFixture {
protected:
    void TearDown() override {
        m_service.reset();
        StoreFixture::TearDown();
    }

    DirectoryService& Service(DirectoryOptions options = {}) {
        m_service.reset();
        m_service = std::make_unique<DirectoryService>(
            DirectoryPlace{StoreFileIn(Folder()), Folder(), NUV_CLIENT_DATA_DIR},
            std::move(options));
        return *m_service;
    }
    // The store's connection serves one thread at a time, as the client's user-interface thread.
    winport::ComPtr<MIUserObject> User(std::uint32_t number) {
        std::lock_guard lock(m_storeMutex);
        winport::ComPtr<MIUserObject> user;
        EXPECT_EQ(CreateUserObject(*m_store, number, user.GetAddressOf()), S_OK);
        return user;
    }
    // The registered class |Op|, created as the module creates it.
    template <class Op>
    winport::ComPtr<Op> Create() {
        winport::ComPtr<Op> op;
        EXPECT_EQ(CoCreateInstance(Op::kIid, nullptr, CLSCTX_INPROC_SERVER, Op::kIid,
                                   reinterpret_cast<void**>(op.GetAddressOf())),
                  S_OK);
        return op;
    }
    // Starts |Op| for |user| as the module does, reporting to |callback|.
    template <class Op>
    winport::ComPtr<MIDBOperation> Start(const winport::ComPtr<Op>& op, std::uint32_t user,
                                         RecordingCallback& callback) {
        winport::ComPtr<MIDBOperation> operation;
        const winport::ComPtr<MIUserObject> object = User(user);
        HRESULT started = E_FAIL;
        if constexpr (std::is_same_v<Op, MISaveDetailsOp>) {
            started = op->Start(object.Get(), 0, &callback, operation.GetAddressOf());
        } else if constexpr (std::is_same_v<Op, MIRetrieveDetailsOp>) {
            started = op->Start(object.Get(), &callback, 0, operation.GetAddressOf());
        } else {
            started = op->Start(object.Get(), &callback, operation.GetAddressOf());
        }
        EXPECT_EQ(started, S_OK);
        return operation;
    }
    // Runs |Op| for |user| to its report and ends it, as the module does on the result.
    template <class Op>
    Report Run(std::uint32_t user) {
        auto callback = winport::MakeComObject<RecordingCallback>();
        auto operation = Start(Create<Op>(), user, *callback.Get());
        EXPECT_TRUE(callback->WaitFor(1));
        EXPECT_EQ(operation->End(), S_OK);
        operation.Reset();
        EXPECT_EQ(callback->RefCount(), 1u) << "the operation kept the callback";
        const std::vector<Report> reports = callback->Reports();
        EXPECT_EQ(reports.size(), 1u);
        return reports.empty() ? Report{} : reports.front();
    }

    std::unique_ptr<Store> Directory() { return OpenDirectory(Folder(), NUV_CLIENT_DATA_DIR); }
    std::string Text(Store& store, std::uint32_t user, std::string_view key) {
        const std::optional<Value> value = store.ReadKey(user, key);
        return value && value->Type() == ValueType::Text ? value->Text() : "(missing)";
    }
    std::int64_t Integer(Store& store, std::uint32_t user, std::string_view key) {
        const std::optional<Value> value = store.ReadKey(user, key);
        return value && value->Type() != ValueType::Text ? value->Integer() : -999;
    }

    std::mutex m_storeMutex;
    std::unique_ptr<DirectoryService> m_service;
};

}  // namespace nuvclient::test
