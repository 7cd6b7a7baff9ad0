// A minimal host of the installed NUVInfo plug-in: it loads the plug-in, opens the owner's details
// window headless over a record of its own, prints what a person would see in it, closes the
// window and unloads the plug-in. Exit status 0 when all of that went as it should.
#include <iostream>

#include "MinimalHost.h"
#include "hostlib/property/MCVariantPropertySet.h"
#include "hostlib/util/HostStrings.h"
#include "module/host/HostStringIds.h"
#include "module/host/MINUVModule.h"
#include "platform/automation/WindowDump.h"
#include "platform/core/LastError.h"
#include "platform/message/MessageApi.h"
#include "platform/resources/ResourceChain.h"
#include "platform/system/DynamicLibrary.h"
#include "platform/window/WindowApi.h"

namespace {

// The host strings the owner's window shows; the plug-in brings its own.
constexpr winport::StringResource kStrings[] = {
    {AFX_IDS_APP_TITLE, "Minimal Host"}, {kOwnerTitleString, "My Details: %s"},
    {kPersonNameLabels, "Nickname:"},    {kPersonNameLabels + 1, "First:"},
    {kPersonNameLabels + 2, "Last:"},
};
constexpr winport::ResourceTable kHostResources{"minimal host", {}, {}, {}, kStrings};

void FillOwnerRecord(MCMemoryPropertySet& set) {
    MCVariantPropertySet record(&set);
    record["UIN"] = 1001u;
    record["DefinedHandle"] = "Ada";
    record["NickName"] = "Ada";
    record["FirstName"] = "Ada";
    record["LastName"] = "Lovelace";
    record["PrimaryEmail"] = "ada@example.org";
    record["HomeCity"] = "London";
    // Else the window opens with its notice about published details in front.
    record["ShowUpdateInfoWarning"] = false;
}

int Fail(const std::string& what) {
    std::cerr << "minimal-host: " << what << '\n';
    return 1;
}

template <class Proc>
Proc Export(HMODULE library, const char* name) {
    return reinterpret_cast<Proc>(GetProcAddress(library, name));
}

}  // namespace

int main() {
    if (!winport::AddResourceTable(kHostResources)) return Fail("cannot add the host strings");
    HMODULE library = LoadLibrary(NUVINFO_PLUGIN);
    if (!library) return Fail(NUVINFO_PLUGIN ": " + winport::GetLastErrorText());
    const auto getEntryPoint =
        Export<NUVModuleGetEntryPointProc>(library, kNUVModuleGetEntryPointName);
    const auto canUnload = Export<NUVModuleCanUnloadProc>(library, kNUVModuleCanUnloadName);
    if (!getEntryPoint || !canUnload) return Fail("not the user details plug-in");
    auto* module = static_cast<MIUserDetailsModule*>(getEntryPoint());

    winport::ComPtr<MinimalHost> host = winport::MakeComObject<MinimalHost>();
    FillOwnerRecord(host->Owner().Record());
    module->Initialize(host.Get());
    CWnd* window =
        module->OpenOwnerDetails(host->Owner().Unknown(), host->OwnerInfo(), 0, false, nullptr);
    if (!window) return Fail("the plug-in opened no window");
    const HWND handle = window->GetSafeHwnd();
    winport::PumpMessages();
    std::cout << winport::DumpWindowTree(handle);

    // Closed as the window's close box closes it: the window deletes itself.
    SendMessage(handle, WM_CLOSE, 0, 0);
    winport::PumpMessages();
    if (IsWindow(handle)) return Fail("the window did not close");
    if (!canUnload()) return Fail("the plug-in still holds a window");
    module->Initialize(nullptr);
    delete module;
    if (!FreeLibrary(library)) return Fail("cannot unload the plug-in");
    winport::RemoveResourceTable(kHostResources);
    std::cout << "closed and unloaded\n";
    return 0;
}
