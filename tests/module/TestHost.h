// An in-process host for the module's tests: the host application and services objects, user
// objects over in-memory records, a tab provider with outside pages, host strings, the registry
// value the details window reads, a real image list, icon and animation clip. Every object it
// makes is counted, and every call the module makes is logged ("MayRetrieveNow 0",
// "ContactCommitted 1002", ...), so a test asserts on what the host observed.
#pragma once

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "hostlib/framework/UserInfo.h"
#include "hostlib/property/MCMemoryPropertySet.h"
#include "hostlib/property/MCVariantPropertySet.h"
#include "module/host/MIExternalPage.h"
#include "module/host/MIHostApplication.h"
#include "module/host/MIPropertySetSource.h"
#include "platform/com/ComObject.h"

namespace testhost {

// The calls the module made, in order, shared by every object of one host.
using CallLog = std::shared_ptr<std::vector<std::string>>;

// Host objects that exist, of every host made so far.
int LiveHostObjects();

// Host strings and the registry value, as the host's set-up gives them.
inline constexpr char kOwnerTitleFormat[] = "My Details: %s";
inline constexpr char kContactTitleFormat[] = "Details of %s";
inline constexpr char kWarningCaption[] = "Update Your Details";
inline constexpr char kWarningText[] = "Your details are published in the directory.";
inline constexpr char kDispatcherTitle[] = "Homepage Factory";
inline constexpr char kApplicationTitle[] = "Test Host";

// Counts its object among the live host objects.
class Counted {
public:
    Counted();
    ~Counted();
    Counted(const Counted&) = delete;
    Counted& operator=(const Counted&) = delete;
};

enum class UserView { Owner, Contact };

// A user: its record in the one view its kind answers.
class TestUser final : public winport::ComObject<MIUserObject, MIPropertySetSource>, Counted {
public:
    TestUser(CallLog log, int number, UserView view);
    HRESULT GetPropertySet(const char* viewName, MINUVPropertySet** set) override;

    int Number() const { return m_number; }
    MCMemoryPropertySet& Record() { return *m_record.Get(); }
    // An unreadable user refuses every view.
    bool readable = true;

private:
    CallLog m_log;
    int m_number;
    UserView m_view;
    winport::ComPtr<MCMemoryPropertySet> m_record;
};

// An outside component's page: a window of its own, made when asked and re-parented by the
// module. Its answers can be set; its calls go to the log as "page <caption> <call>".
class TestExternalPage final : public winport::ComObject<MIExternalPage>, Counted {
public:
    TestExternalPage(CallLog log, std::string caption);
    ~TestExternalPage() override;

    HRESULT CreatePageWindow(HWND parent, const RECT* client, LONG flags) override;
    HRESULT GetPageWindow(HWND* window) override {
        *window = m_window;
        return Log("GetPageWindow");
    }
    HRESULT CompleteBuild(LONG reserved) override {
        return Log("CompleteBuild " + std::to_string(reserved));
    }
    HRESULT NotifyReparented(LONG flags) override {
        return Log("NotifyReparented " + std::to_string(flags));
    }
    HRESULT ResizePage(int width, int height) override;
    HRESULT ValidatePage() override { return Log("ValidatePage", valid); }
    HRESULT CanCommitPage() override { return Log("CanCommitPage", canCommit); }
    HRESULT CommitPage() override { return Log("CommitPage"); }

    const std::string& Caption() const { return m_caption; }
    HWND Window() const { return m_window; }
    HRESULT canCommit = S_OK;
    HRESULT valid = S_OK;
    // Hands out a window that is already gone, which cannot be re-parented.
    bool handsOutDeadWindow = false;

private:
    // Logs |call| and answers |result|.
    HRESULT Log(const std::string& call, HRESULT result = S_OK);

    CallLog m_log;
    std::string m_caption;
    HWND m_window = nullptr;
};

// The tab provider: adds its pages through the site it is given, and may keep the site.
class TestTabProvider final : public winport::ComObject<MITabProvider>, Counted {
public:
    explicit TestTabProvider(CallLog log) : m_log(std::move(log)) {}
    HRESULT RegisterContactPages(MIUserObject* user, MIPageSite* site,
                                 MITabConnection** connection) override;
    HRESULT RegisterOwnerPages(MIUserObject* user, MIPageSite* site,
                               MITabConnection** connection) override;

    TestExternalPage& AddPage(std::string caption);
    TestExternalPage& Page(size_t index) { return *m_pages[index].Get(); }
    size_t PageCount() const { return m_pages.size(); }
    // Keeps the last site given, as a provider that adds pages later would.
    bool keepSite = false;
    winport::ComPtr<MIPageSite> keptSite;

private:
    HRESULT Register(const char* call, MIUserObject* user, MIPageSite* site,
                     MITabConnection** connection);

    CallLog m_log;
    std::vector<winport::ComPtr<TestExternalPage>> m_pages;
};

class TestServices;
class TestApplication;
class TestOperations;

class TestHost {
public:
    TestHost();
    ~TestHost();
    TestHost(const TestHost&) = delete;
    TestHost& operator=(const TestHost&) = delete;

    MIHostApplication* Application() const;
    // The owner and contacts, each with the BCUserInfo the host knows them by.
    BCUserInfo* AddOwner(int number, std::string_view name);
    BCUserInfo* AddContact(int number, std::string_view name);
    TestUser& User(const BCUserInfo* user);
    // The user object as the host hands it to the module.
    IUnknown* UserObject(const BCUserInfo* user) { return User(user).Unknown(); }
    // The user's record, to set up and read back keys.
    MCVariantPropertySet Record(const BCUserInfo* user);
    // A BCUserInfo the host knows no user object for.
    BCUserInfo* Stranger() { return &m_stranger; }

    TestTabProvider& InstallTabProvider();
    // GetServices answers null from now on.
    void DropServices();
    void AllowRetrieval(bool allow);
    // The database operations the module starts through CreateHostObject.
    TestOperations& Operations() { return *m_operations; }
    HIMAGELIST ImageList() const;
    const std::string& ClipPath() const;
    // GetRegisteredAddress answers |address| for |key| from now on.
    void RegisterAddress(std::string key, std::string address);

    const std::vector<std::string>& Calls() const { return *m_log; }
    int Count(std::string_view call) const;
    void ClearCalls() { m_log->clear(); }

    // Fails the test, naming the object, for every host object that someone besides the host
    // still holds.
    void ExpectOnlyHostReferences() const;

private:
    BCUserInfo* AddUser(int number, std::string_view name, UserView view);

    CallLog m_log = std::make_shared<std::vector<std::string>>();
    std::shared_ptr<TestOperations> m_operations;
    winport::ComPtr<TestServices> m_services;
    winport::ComPtr<TestApplication> m_application;
    std::deque<BCUserInfo> m_userInfos;
    std::map<const BCUserInfo*, winport::ComPtr<TestUser>> m_users;
    BCUserInfo m_stranger{9999, "Stranger"};
};

}  // namespace testhost
