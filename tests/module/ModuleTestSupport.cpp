#include "ModuleTestSupport.h"

#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "platform/core/LastError.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/shell/Clipboard.h"
#include "platform/shell/GlobalMemory.h"
#include "platform/system/DynamicLibrary.h"

namespace moduletest {
namespace {

HMODULE g_library = nullptr;

// Loads the module once for the whole program, so its resources join the chain at attach.
class ModuleEnvironment final : public ::testing::Environment {
public:
    void SetUp() override {
        g_library = LoadLibrary(NUV_MODULE_PATH);
        ASSERT_NE(g_library, nullptr) << winport::GetLastErrorText();
    }
    void TearDown() override { EXPECT_TRUE(FreeLibrary(g_library)); }
};

[[maybe_unused]] const ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new ModuleEnvironment);

// The handle of |window|; the test fails here when the module opened none.
HWND Opened(CWnd* window, const char* what) {
    if (!window) throw std::runtime_error(std::string("the module opened no ") + what);
    return window->m_hWnd;
}

template <class Proc>
Proc Export(const char* name) {
    return reinterpret_cast<Proc>(GetProcAddress(g_library, name));
}

}  // namespace

void PutTextOnClipboard(const std::string& text) {
    ASSERT_TRUE(OpenClipboard(nullptr) && EmptyClipboard());
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    ASSERT_NE(SetClipboardData(CF_TEXT, block), nullptr);
    CloseClipboard();
}

MIUserDetailsModule* Module() {
    const auto entry = Export<NUVModuleGetEntryPointProc>(kNUVModuleGetEntryPointName);
    return entry ? dynamic_cast<MIUserDetailsModule*>(entry()) : nullptr;
}

bool CanUnload() {
    const auto canUnload = Export<NUVModuleCanUnloadProc>(kNUVModuleCanUnloadName);
    return canUnload && canUnload();
}

void ModuleFixture::SetUp() {
    module = Module();
    ASSERT_NE(module, nullptr);
    module->Initialize(host->Application());
    owner = host->AddOwner(1001, "Ann");
    contact = host->AddContact(1002, "Boris");
    // Up to date: a contact's window fetches nothing as it opens unless a test makes it stale.
    host->Record(contact)["LastUpdateDate"] = kUpToDate;
    host->Record(contact)["LastKnownUpdateDate"] = kUpToDate;
}

void ModuleFixture::TearDown() {
    for (HWND window : winport::TopLevelWindows()) {
        if (IsWindow(window)) DestroyWindow(window);
    }
    winport::PumpMessages();
    EXPECT_TRUE(CanUnload()) << "a details dialog outlived its window";
    host->ExpectOnlyHostReferences();
    if (module) module->Initialize(nullptr);
    host.reset();
    EXPECT_EQ(testhost::LiveHostObjects(), 0) << "a host object was never released";
    for (const winport::ResourceTable* strings : m_strings) winport::RemoveResourceTable(*strings);
}

void ModuleFixture::UseStrings(const winport::ResourceTable& strings) {
    ASSERT_TRUE(winport::AddResourceTable(strings));
    m_strings.push_back(&strings);
}

HWND ModuleFixture::OpenOwner(int initialTab, bool openHomepageCategory) {
    return Opened(module->OpenOwnerDetails(host->UserObject(owner), owner, initialTab,
                                           openHomepageCategory, nullptr),
                  "owner's window");
}

HWND ModuleFixture::OpenContact(BCUserInfo* user, int initialTab, bool limited,
                                bool openHomepageCategory) {
    return Opened(module->OpenUserDetails(host->UserObject(user), user, initialTab,
                                          openHomepageCategory, limited, nullptr),
                  "contact's window");
}

HWND ModuleFixture::OpenPane() {
    paneHost = CreateWindowEx(0, "Static", "Contact List", WS_POPUP | WS_VISIBLE, 0, 0, 700, 520,
                              nullptr, nullptr, nullptr, nullptr);
    return Opened(module->CreateDetailsPane(CWnd::FromHandle(paneHost)), "pane");
}

CUserDetailsDialog* ModuleFixture::Dialog(HWND window) {
    return dynamic_cast<CUserDetailsDialog*>(CWnd::FromHandlePermanent(window));
}

HWND ModuleFixture::EmailPane(HWND window, int listId) {
    for (HWND child : winport::ChildWindows(MainPage(window))) {
        if (GetDlgItem(child, listId)) return child;
    }
    return nullptr;
}

std::string ModuleFixture::Text(HWND window) {
    return winport::GetWindowTextUtf8(window);
}

std::string ModuleFixture::Texts(HWND dialog, std::initializer_list<int> ids) {
    std::string texts;
    const char* separator = "";
    for (const int id : ids) {
        texts += separator + Text(Item(dialog, id));
        separator = "|";
    }
    return texts;
}

int ModuleFixture::FontWeight(HWND control) {
    LOGFONT font{};
    GetObject(reinterpret_cast<HFONT>(SendMessage(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfWeight;
}

std::string ModuleFixture::Keys(BCUserInfo* user, std::initializer_list<std::string_view> keys) {
    MCVariantPropertySet record = host->Record(user);
    std::string shown;
    const char* separator = "";
    for (const std::string_view key : keys) {
        const size_t bracket = key.find('[');
        const MCVariantProperty value = record[key.substr(0, bracket)];
        shown += separator;
        shown += bracket == key.npos ? std::string(value)
                                     : std::string(value[std::atoi(key.data() + bracket + 1)]);
        separator = "|";
    }
    return shown;
}

std::vector<std::string> ModuleFixture::TabCaptions(HWND dialog) {
    return bctest::TabCaptions(Item(dialog, IDC_DETAILS_TAB));
}

std::vector<int> ModuleFixture::TabImages(HWND dialog) {
    const HWND tab = Item(dialog, IDC_DETAILS_TAB);
    std::vector<int> images;
    const auto count = static_cast<int>(SendMessage(tab, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TCITEM item;
        item.mask = TCIF_IMAGE;
        SendMessage(tab, TCM_GETITEM, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        images.push_back(item.iImage);
    }
    return images;
}

int ModuleFixture::ShownPage(HWND dialog) {
    const auto selected =
        static_cast<int>(SendMessage(Item(dialog, IDC_DETAILS_TAB), TCM_GETCURSEL, 0, 0));
    const CUserDetailsDialog* details = Dialog(dialog);
    for (int i = 0; details && i < details->GetPageCount(); ++i) {
        if ((IsWindowVisible(details->GetPage(i)->m_hWnd) != FALSE) != (i == selected)) return -1;
    }
    return selected;
}

std::string ModuleFixture::Buttons(HWND dialog) {
    std::string shown;
    for (const int id :
         {IDC_DETAILS_SAVE, IDC_DETAILS_UPDATE, IDC_DETAILS_MORE_OPTIONS, IDC_DETAILS_CLOSE}) {
        const HWND button = Item(dialog, id);
        shown += std::string(shown.empty() ? "" : "|") + (!IsWindowVisible(button) ? "-"
                                                          : IsWindowEnabled(button)
                                                              ? Text(button)
                                                              : "(" + Text(button) + ")");
    }
    return shown;
}

std::vector<std::string> ModuleFixture::OpenedAddresses() const {
    constexpr std::string_view kCall = "OpenAddress ";
    std::vector<std::string> opened;
    for (const std::string& call : host->Calls()) {
        if (call.starts_with(kCall)) opened.push_back(call.substr(kCall.size()));
    }
    return opened;
}

bool ModuleFixture::SaveOwnerWindow(HWND window) {
    const size_t started = host->Operations().Started().size();
    if (!agent.Click(Item(window, IDC_DETAILS_SAVE))) return false;
    if (host->Operations().Started().size() > started) {
        EXPECT_EQ(host->Operations().Last().callback->OnDone(), S_OK);
    }
    winport::PumpMessages();
    return true;
}

}  // namespace moduletest
