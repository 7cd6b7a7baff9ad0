// The module over the reference client: its sample data in a fresh folder, its host objects, and
// its details windows with the directory service on worker threads and a wait that lasts as long
// as a window looks busy.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

#include "client/cli/OpenCommand.h"
#include "client/host/ClientHost.h"
#include "client/host/HostApplication.h"
#include "client/host/HostServices.h"
#include "client/host/HostValues.h"
#include "client/host/UserObject.h"
#include "client/store/DataFolder.h"
#include "details/UserDetailsDialog.h"
#include "module/UserDetailsModule.h"
#include "platform/automation/Agent.h"
#include "platform/controls/AnimationApi.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"
#include "res/ResourceIds.h"
#include "tests/client/BuildTreeHost.h"
#include "tests/client/ClientTestSupport.h"

namespace moduletest {

inline constexpr std::uint32_t kSampleOwner = 1234567;
inline constexpr std::uint32_t kSampleGreek = 2000001;

// The module initialised with the reference client's host objects (without its windows' host).
class ClientModuleFixture : public nuvclient::test::StoreFixture {
protected:
    void SetUp() override {
        StoreFixture::SetUp();
        Initialize(nuvclient::test::BuildTreeServices());
    }
    void TearDown() override {
        CUserDetailsModule::Instance()->Initialize(nullptr);
        m_application = nullptr;
        m_services = nullptr;
        StoreFixture::TearDown();
    }
    // Makes the host's objects anew with |options| and initialises the module with them.
    void Initialize(nuvclient::HostServicesOptions options) {
        m_services = winport::MakeComObject<nuvclient::HostServices>(std::move(options));
        m_application =
            winport::MakeComObject<nuvclient::HostApplication>(*m_store, *m_services.Get());
        CUserDetailsModule::Instance()->Initialize(m_application.Get());
    }
    winport::ComPtr<MIUserObject> UserObject(std::uint32_t number) {
        winport::ComPtr<MIUserObject> object;
        EXPECT_EQ(nuvclient::CreateUserObject(*m_store, number, object.GetAddressOf()), S_OK);
        return object;
    }

    winport::ComPtr<nuvclient::HostServices> m_services;
    winport::ComPtr<nuvclient::HostApplication> m_application;
};

class ClientOperationsFixture : public nuvclient::test::StoreFixture {
protected:
    void SetUp() override {
        StoreFixture::SetUp();
        // The owner's update warning would come up at every opening.
        m_store->WriteKey(kSampleOwner, "ShowUpdateInfoWarning", nuvclient::Value::Bool(false));
    }
    void TearDown() override {
        m_host.reset();
        StoreFixture::TearDown();
    }

    nuvclient::ClientHost& StartHost(nuvclient::DirectoryOptions directory = {}) {
        nuvclient::ClientOptions options = nuvclient::test::BuildTreeHost();
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

    winport::Agent agent;
    std::unique_ptr<nuvclient::ClientHost> m_host;
};

}  // namespace moduletest
