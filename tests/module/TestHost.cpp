#include "TestHost.h"

#include "TestOperations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "hostlib/com/ComUtils.h"
#include "hostlib/util/HostStrings.h"
#include "module/HostNumbers.h"
#include "module/host/HostIds.h"
#include "module/host/HostPreferenceKeys.h"
#include "module/host/HostStringIds.h"
#include "platform/core/LastError.h"
#include "platform/gdi/Icon.h"
#include "platform/resources/ResourceChain.h"
#include "platform/shell/Registry.h"
#include "platform/text/Utf16.h"
#include "platform/window/WindowApi.h"

namespace testhost {
namespace {

int g_liveHostObjects = 0;

constexpr int kIconSize = 16;
// Enough images for every index the module's pages name.
constexpr UINT kImageCount = 210;

constexpr winport::StringResource kHostStrings[] = {
    {kOwnerTitleString, kOwnerTitleFormat},   {kContactTitleString, kContactTitleFormat},
    {kUpdateWarningCaption, kWarningCaption}, {kUpdateWarningText, kWarningText},
    {AFX_IDS_APP_TITLE, kApplicationTitle},
};
constexpr winport::ResourceTable kHostResources{"test host", {}, {}, {}, kHostStrings};

std::string NumberOf(const BCUserInfo* user) {
    return user ? std::to_string(user->GetNumber()) : "null";
}

std::string NumberOf(MIUserObject* user) {
    auto* known = dynamic_cast<TestUser*>(user);
    return known ? std::to_string(known->Number()) : "unknown";
}

// The host's busy animation, as the reference client ships it.
std::string BusyClipPath() {
    return (std::filesystem::path(NUV_CLIENT_DATA_DIR) / "busy.avi").string();
}

void SetDispatcherValue() {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, kHostPrefsFullKey, 0, nullptr,
                             REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueEx(key, kDispatcherValueName, 0, REG_SZ,
                  reinterpret_cast<const BYTE*>(kDispatcherTitle), sizeof kDispatcherTitle);
    RegCloseKey(key);
}

void RemoveDispatcherValue() {
    HKEY key = nullptr;
    if (RegOpenKeyEx(HKEY_CURRENT_USER, kHostPrefsFullKey, 0, KEY_ALL_ACCESS, &key) !=
        ERROR_SUCCESS)
        return;
    RegDeleteValue(key, kDispatcherValueName);
    RegCloseKey(key);
}

// |object| is held by its one owner inside the host.
template <class T>
void ExpectHeldBy(ULONG holders, const std::string& name, const winport::ComPtr<T>& object) {
    if (!object) return;
    EXPECT_EQ(object->RefCount(), holders) << name << " is still referenced outside the host";
}

}  // namespace

int LiveHostObjects() {
    return g_liveHostObjects;
}

Counted::Counted() {
    ++g_liveHostObjects;
}

Counted::~Counted() {
    --g_liveHostObjects;
}

class TestServices final : public winport::ComObject<MIHostServices>, Counted {
public:
    TestServices(CallLog log, std::shared_ptr<TestOperations> operations)
        : m_log(std::move(log)),
          m_operations(std::move(operations)),
          m_images(ImageList_Create(kIconSize, kIconSize, ILC_COLOR32, 0, 16)),
          m_icon(winport::CreateIconFromPixels(
              kIconSize, kIconSize, std::vector<std::uint32_t>(kIconSize * kIconSize, 0xFF2060D0))),
          m_clip(BusyClipPath()) {
        ImageList_SetImageCount(m_images, kImageCount);
    }
    ~TestServices() override {
        ImageList_Destroy(m_images);
        DestroyIcon(m_icon);
    }

    bool GetRegisteredAddress(const char* key, std::string* address) override {
        const auto found = m_addresses.find(key ? key : "");
        if (found == m_addresses.end()) return false;
        *address = found->second;
        return true;
    }
    void OpenAddress(const char* address) override {
        m_log->push_back("OpenAddress " + std::string(address));
    }
    HRESULT CreateHostObject(REFCLSID clsid, IUnknown** object) override {
        m_log->push_back("CreateHostObject");
        return m_operations->Create(clsid, object);
    }
    bool IsSendMailUnavailable() override { return false; }
    HIMAGELIST GetSmallImageList() override {
        m_log->push_back("GetSmallImageList");
        return m_images;
    }
    HICON GetIcon(int number) override {
        m_log->push_back("GetIcon " + std::to_string(number));
        return number == kDetailsIconNumber ? m_icon : nullptr;
    }
    void GetAnimationClipPath(std::string* path) override {
        m_log->push_back("GetAnimationClipPath");
        *path = m_clip;
    }

    HIMAGELIST Images() const { return m_images; }
    const std::string& Clip() const { return m_clip; }
    void RegisterAddress(std::string key, std::string address) {
        m_addresses[std::move(key)] = std::move(address);
    }

private:
    CallLog m_log;
    std::shared_ptr<TestOperations> m_operations;
    HIMAGELIST m_images;
    HICON m_icon;
    std::string m_clip;
    std::map<std::string, std::string> m_addresses;
};

class TestApplication final : public winport::ComObject<MIHostApplication>, Counted {
public:
    explicit TestApplication(CallLog log) : m_log(std::move(log)) {}

    MIHostServices* GetServices() override { return services.Get(); }
    bool GetTabProvider(MITabProvider** result) override {
        m_log->push_back("GetTabProvider");
        if (!provider) return false;
        *result = provider.Get();
        (*result)->AddRef();
        return true;
    }
    HRESULT GetUserObject(BCUserInfo* user, MIUserObject** object) override {
        m_log->push_back("GetUserObject " + NumberOf(user));
        *object = nullptr;
        const auto found = users.find(user);
        if (found == users.end()) return E_INVALIDARG;
        *object = found->second.Get();
        (*object)->AddRef();
        return S_OK;
    }
    void OpenWhitePages() override { m_log->push_back("OpenWhitePages"); }
    BOOL MayRetrieveNow(int reserved) override {
        m_log->push_back("MayRetrieveNow " + std::to_string(reserved));
        return mayRetrieve ? TRUE : FALSE;
    }
    void SendEmail(const char* address) override {
        m_log->push_back("SendEmail " + std::string(address ? address : ""));
    }
    void ContactCommitted(BCUserInfo* user) override {
        m_log->push_back("ContactCommitted " + NumberOf(user));
    }

    winport::ComPtr<TestServices> services;
    winport::ComPtr<TestTabProvider> provider;
    std::map<const BCUserInfo*, winport::ComPtr<TestUser>> users;
    bool mayRetrieve = true;

private:
    CallLog m_log;
};

TestUser::TestUser(CallLog log, int number, UserView view)
    : m_log(std::move(log)),
      m_number(number),
      m_view(view),
      m_record(MCMemoryPropertySet::Create()) {}

HRESULT TestUser::GetPropertySet(const char* viewName, MINUVPropertySet** set) {
    const std::string view = viewName ? viewName : "";
    const bool ownerView = view == ComUtils::CLSIDToString(OwnerDetailsView);
    const bool contactView = view == ComUtils::CLSIDToString(ContactDetailsView);
    m_log->push_back("GetPropertySet " + std::to_string(m_number) +
                     (ownerView     ? " owner"
                      : contactView ? " contact"
                                    : " unknown"));
    *set = nullptr;
    const bool answered = m_view == UserView::Owner ? ownerView : contactView;
    if (!readable || !answered) return E_ACCESSDENIED;
    *set = m_record.Get();
    (*set)->AddRef();
    return S_OK;
}

TestExternalPage::TestExternalPage(CallLog log, std::string caption)
    : m_log(std::move(log)), m_caption(std::move(caption)) {}

TestExternalPage::~TestExternalPage() {
    if (IsWindow(m_window)) DestroyWindow(m_window);
}

HRESULT TestExternalPage::Log(const std::string& call, HRESULT result) {
    m_log->push_back("page " + m_caption + " " + call);
    return result;
}

HRESULT TestExternalPage::CreatePageWindow(HWND, const RECT* client, LONG flags) {
    Log("CreatePageWindow " + std::to_string(flags));
    if (!client) return E_POINTER;
    // The component makes its window on its own; the pane takes it in.
    m_window = CreateWindowEx(0, "Static", m_caption.c_str(), WS_POPUP | WS_VISIBLE, client->left,
                              client->top, client->right - client->left,
                              client->bottom - client->top, nullptr, nullptr, nullptr, nullptr);
    if (handsOutDeadWindow) DestroyWindow(m_window);
    return S_OK;
}

HRESULT TestExternalPage::ResizePage(int width, int height) {
    Log("ResizePage " + std::to_string(width) + "x" + std::to_string(height));
    if (IsWindow(m_window)) MoveWindow(m_window, 0, 0, width, height, TRUE);
    return S_OK;
}

HRESULT TestTabProvider::RegisterContactPages(MIUserObject* user, MIPageSite* site,
                                              MITabConnection** connection) {
    return Register("RegisterContactPages", user, site, connection);
}

HRESULT TestTabProvider::RegisterOwnerPages(MIUserObject* user, MIPageSite* site,
                                            MITabConnection** connection) {
    return Register("RegisterOwnerPages", user, site, connection);
}

// A window's registration; it hears when the window's pages have committed.
class TestConnection final : public winport::ComObject<MITabConnection>, Counted {
public:
    explicit TestConnection(CallLog log) : m_log(std::move(log)) {}
    HRESULT PagesCommitted() override {
        m_log->push_back("PagesCommitted");
        return S_OK;
    }

private:
    CallLog m_log;
};

HRESULT TestTabProvider::Register(const char* call, MIUserObject* user, MIPageSite* site,
                                  MITabConnection** connection) {
    m_log->push_back(std::string(call) + " " + NumberOf(user));
    if (!site || !connection) return E_POINTER;
    for (const auto& page : m_pages) {
        const std::u16string caption = winport::Utf8ToUtf16(page->Caption());
        site->AddPage(caption.c_str(), nullptr, page.Get(), 0);
    }
    if (keepSite) keptSite = site;
    *connection = winport::MakeComObject<TestConnection>(m_log).Detach();
    return S_OK;
}

TestExternalPage& TestTabProvider::AddPage(std::string caption) {
    m_pages.push_back(winport::MakeComObject<TestExternalPage>(m_log, std::move(caption)));
    return *m_pages.back().Get();
}

TestHost::TestHost()
    : m_operations(std::make_shared<TestOperations>(m_log)),
      m_services(winport::MakeComObject<TestServices>(m_log, m_operations)),
      m_application(winport::MakeComObject<TestApplication>(m_log)) {
    m_application->services = m_services;
    EXPECT_TRUE(winport::AddResourceTable(kHostResources));
    SetDispatcherValue();
}

TestHost::~TestHost() {
    RemoveDispatcherValue();
    winport::RemoveResourceTable(kHostResources);
    m_application->users.clear();
    m_application->services.Reset();
    m_application->provider.Reset();
}

MIHostApplication* TestHost::Application() const {
    return m_application.Get();
}

BCUserInfo* TestHost::AddUser(int number, std::string_view name, UserView view) {
    BCUserInfo* info = &m_userInfos.emplace_back(number, std::string(name));
    auto user = winport::MakeComObject<TestUser>(m_log, number, view);
    MCVariantPropertySet record(&user->Record());
    record["DefinedHandle"] = name;
    m_application->users[info] = user;
    return info;
}

BCUserInfo* TestHost::AddOwner(int number, std::string_view name) {
    return AddUser(number, name, UserView::Owner);
}

BCUserInfo* TestHost::AddContact(int number, std::string_view name) {
    return AddUser(number, name, UserView::Contact);
}

TestUser& TestHost::User(const BCUserInfo* user) {
    return *m_application->users.at(user).Get();
}

MCVariantPropertySet TestHost::Record(const BCUserInfo* user) {
    return MCVariantPropertySet(&User(user).Record());
}

TestTabProvider& TestHost::InstallTabProvider() {
    if (!m_application->provider) {
        m_application->provider = winport::MakeComObject<TestTabProvider>(m_log);
    }
    return *m_application->provider.Get();
}

void TestHost::DropServices() {
    m_application->services.Reset();
}

void TestHost::AllowRetrieval(bool allow) {
    m_application->mayRetrieve = allow;
}

HIMAGELIST TestHost::ImageList() const {
    return m_services->Images();
}

void TestHost::RegisterAddress(std::string key, std::string address) {
    m_services->RegisterAddress(std::move(key), std::move(address));
}

const std::string& TestHost::ClipPath() const {
    return m_services->Clip();
}

int TestHost::Count(std::string_view call) const {
    return static_cast<int>(std::count(m_log->begin(), m_log->end(), call));
}

void TestHost::ExpectOnlyHostReferences() const {
    // The host and its application object hold the services object.
    ExpectHeldBy(m_application->services ? 2 : 1, "the services object", m_services);
    ExpectHeldBy(1, "the application object", m_application);
    for (const auto& [info, user] : m_application->users) {
        const std::string name = "user " + std::to_string(info->GetNumber());
        ExpectHeldBy(1, name, user);
        EXPECT_EQ(user->Record().RefCount(), 1u)
            << "the record of " << name << " is still referenced outside the host";
    }
    if (const auto& provider = m_application->provider) {
        ExpectHeldBy(1, "the tab provider", provider);
        for (size_t i = 0; i < provider->PageCount(); ++i) {
            EXPECT_EQ(provider->Page(i).RefCount(), 1u)
                << "outside page " << provider->Page(i).Caption() << " is still referenced";
        }
    }
}

}  // namespace testhost
