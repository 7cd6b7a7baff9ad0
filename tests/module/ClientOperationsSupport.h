// The details windows over the reference client: its sample data in a fresh folder, its
// directory service on worker threads, and a wait that lasts as long as a window looks busy.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

#include "client/cli/OpenCommand.h"
#include "client/host/ClientHost.h"
#include "client/host/HostValues.h"
#include "client/store/DataFolder.h"
#include "details/UserDetailsDialog.h"
#include "platform/automation/Agent.h"
#include "platform/controls/AnimationApi.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"
#include "res/ResourceIds.h"
#include "tests/client/ClientTestSupport.h"

namespace moduletest {

inline constexpr std::uint32_t kSampleOwner = 1234567;
inline constexpr std::uint32_t kSampleGreek = 2000001;

class ClientOperationsFixture : public ::testing::Test {
protected:
    void SetUp() override {
        m_liveBefore = nuvclient::LiveHostObjects::Count();
        m_store = nuvclient::OpenDataFolder(m_temp.Path() / "data", NUV_CLIENT_DATA_DIR);
        // The owner's update warning would come up at every opening.
        m_store->WriteKey(kSampleOwner, "ShowUpdateInfoWarning", nuvclient::Value::Bool(false));
    }
    void TearDown() override {
        m_host.reset();
        EXPECT_EQ(nuvclient::LiveHostObjects::Count(), m_liveBefore) << "a host object was kept";
    }

    nuvclient::ClientHost& StartHost(nuvclient::DirectoryOptions directory = {}) {
        nuvclient::ClientOptions options;
        options.directory = std::move(directory);
        m_host = std::make_unique<nuvclient::ClientHost>(*m_store, options);
        return *m_host;
    }
    HWND Open(nuvclient::WindowKind kind, std::uint32_t number = 0) {
        std::string problem;
        const HWND window = nuvclient::OpenWindow(*m_host, {kind, number}, problem);
        EXPECT_NE(window, nullptr) << problem;
        return window;
    }
    static HWND MainPage(HWND dialog) {
        auto* details = dynamic_cast<CUserDetailsDialog*>(CWnd::FromHandlePermanent(dialog));
        return details && details->GetPageCount() ? details->GetPage(0)->m_hWnd : nullptr;
    }
    static bool Busy(HWND dialog) {
        const auto state = winport::GetAnimationState(GetDlgItem(dialog, IDC_DETAILS_ANIMATION));
        return state && state->playing;
    }
    // Handles messages while |dialog| looks busy; false when it still does after 20 s.
    static bool WaitWhileBusy(HWND dialog) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (winport::PumpMessages(), IsWindow(dialog) && Busy(dialog)) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        return true;
    }
    std::string Stored(std::uint32_t user, std::string_view key) {
        const std::optional<nuvclient::Value> value = m_store->ReadKey(user, key);
        return value && value->Type() == nuvclient::ValueType::Text ? value->Text() : "(none)";
    }
    std::int64_t StoredNumber(std::uint32_t user, std::string_view key) {
        const std::optional<nuvclient::Value> value = m_store->ReadKey(user, key);
        return value && value->Type() != nuvclient::ValueType::Text ? value->Integer() : -1;
    }

    winport::Agent agent;
    nuvclient::test::TempFolder m_temp;
    std::unique_ptr<nuvclient::Store> m_store;
    std::unique_ptr<nuvclient::ClientHost> m_host;
    long m_liveBefore = 0;
};

}  // namespace moduletest
