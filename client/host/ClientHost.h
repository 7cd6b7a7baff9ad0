// The running host: the reference tables and host strings given to the host library, the
// services and application objects, and the user details module loaded and initialised.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>

#include "client/directory/DirectoryOptions.h"
#include "client/directory/DirectoryService.h"
#include "client/host/DataLists.h"
#include "client/host/HostApplication.h"
#include "client/host/HostDialogs.h"
#include "client/host/HostServices.h"
#include "client/host/HostStrings.h"
#include "client/module/LoadedModule.h"
#include "client/reference/ReferenceData.h"
#include "client/store/Store.h"
#include "hostlib/framework/UserInfo.h"
#include "platform/com/ComPtr.h"

namespace nuvclient {

struct ClientOptions {
    // The user details module to load.
    std::filesystem::path module;
    HostServicesOptions services;
    DirectoryOptions directory;
};

class ClientHost {
public:
    // Throws ReferenceDataError, ModuleError or std::runtime_error naming what failed, also when
    // another host is running in the process.
    ClientHost(Store& store, ClientOptions options);
    // Closes the module's windows and unloads it first, then takes the host's parts away.
    ~ClientHost();
    ClientHost(const ClientHost&) = delete;
    ClientHost& operator=(const ClientHost&) = delete;

    MIUserDetailsModule& Module() { return m_module.Module(); }
    LoadedModule& Loaded() { return m_module; }
    HostApplication& Application() { return *m_application.Get(); }
    HostServices& Services() { return *m_services.Get(); }
    Store& UserStore() { return m_store; }
    DirectoryService& Directory() { return m_directory; }
    DataListServiceClass& DataLists() { return m_dataLists; }
    // The host's user-information object for |user|, kept for as long as the host runs.
    BCUserInfo* UserInfo(const User& user);
    // Handles the windows' messages until no directory operation is left to report and its
    // result has reached its window; false when one still runs after |timeout|.
    bool Settle(std::chrono::milliseconds timeout = std::chrono::seconds(30));

private:
    // Hands the reference tables and the services object to the host library for as long as
    // the host runs, and writes the preferences the module reads.
    class HostEnvironment {
    public:
        HostEnvironment(const ReferenceData& reference, MIHostServices& services);
        ~HostEnvironment();
        HostEnvironment(const HostEnvironment&) = delete;
        HostEnvironment& operator=(const HostEnvironment&) = delete;
    };

    Store& m_store;
    // The directory operations; their files lie in the store's folder.
    DirectoryService m_directory;
    ReferenceData m_reference;
    HostStrings m_strings;
    // The host's dialogs component, created by class id.
    HostDialogsClass m_dialogs;
    // The category data lists, created by class id.
    DataListServiceClass m_dataLists;
    winport::ComPtr<HostServices> m_services;
    winport::ComPtr<HostApplication> m_application;
    HostEnvironment m_binding;
    std::map<std::uint32_t, std::unique_ptr<BCUserInfo>> m_userInfos;
    LoadedModule m_module;
};

}  // namespace nuvclient
