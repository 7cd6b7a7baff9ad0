#include "client/cli/OpenCommand.h"

#include <optional>
#include <string>

#include "client/cli/CommandLine.h"
#include "client/host/UserObject.h"
#include "module/host/DetailsWindowMessages.h"
#include "platform/automation/WindowDump.h"
#include "platform/com/ComPtr.h"
#include "platform/core/WinStyles.h"
#include "platform/dialog/DialogApi.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowClass.h"

namespace nuvclient {

namespace {

std::optional<User> FindRequestedUser(Store& store, const OpenRequest& request,
                                      std::string& problem) {
    if (request.kind == WindowKind::Owner) {
        for (const User& user : store.Users()) {
            if (user.kind == UserKind::Owner) return user;
        }
        problem = "the store has no owner";
        return std::nullopt;
    }
    std::optional<User> user = store.FindUser(request.number);
    if (!user) {
        problem = "no user has the number " + std::to_string(request.number);
        return std::nullopt;
    }
    const bool wantsGroup = request.kind == WindowKind::Group;
    if (user->kind == UserKind::Owner || (user->kind == UserKind::Group) != wantsGroup) {
        problem = "user " + std::to_string(request.number) + " is " +
                  std::string(UserKindName(user->kind)) + ", not " +
                  (wantsGroup ? "a group" : "a contact");
        return std::nullopt;
    }
    return user;
}

HWND HandleOf(CWnd* window) {
    return window ? window->GetSafeHwnd() : nullptr;
}

// A plain window: closing one destroys it, as the desktop's close asks.
constexpr char kContactsFrameClass[] = "NUVContactsFrame";

// A host window of the client's own, as a contact list would be, holding the pane. Its size
// is the pane's: it has no sizing border.
HWND OpenPane(ClientHost& host, BCUserInfo* user) {
    HWND frame =
        CreateWindowEx(0, winport::PlainWindowClass(kContactsFrameClass), "NUV Contacts",
                       WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE, 0, 0,
                       520, 420, nullptr, nullptr, nullptr, nullptr);
    if (!frame) return nullptr;
    HWND pane = HandleOf(host.Module().CreateDetailsPane(CWnd::FromHandle(frame)));
    if (!pane) {
        DestroyWindow(frame);
        return nullptr;
    }
    SendMessage(pane, NUVM_SHOWUSER, reinterpret_cast<WPARAM>(user), 0);
    return frame;
}

}  // namespace

HWND OpenWindowUnhandled(ClientHost& host, const OpenRequest& request, std::string& problem) {
    const std::optional<User> user = FindRequestedUser(host.UserStore(), request, problem);
    if (!user) return nullptr;
    BCUserInfo* info = host.UserInfo(*user);
    HWND window = nullptr;
    if (request.kind == WindowKind::Pane) {
        window = OpenPane(host, info);
    } else {
        winport::ComPtr<MIUserObject> object;
        const HRESULT hr = CreateUserObject(host.UserStore(), user->number, object.GetAddressOf());
        if (FAILED(hr)) {
            problem = "cannot make the user object of " + std::to_string(user->number);
            return nullptr;
        }
        MIUserDetailsModule& module = host.Module();
        window =
            HandleOf(request.kind == WindowKind::Owner
                         ? module.OpenOwnerDetails(object.Get(), info, request.tab, false, nullptr)
                         : module.OpenUserDetails(object.Get(), info, request.tab, false,
                                                  request.limited, nullptr));
    }
    if (!window) problem = "the module opened no window for " + std::to_string(user->number);
    return window;
}

HWND OpenWindow(ClientHost& host, const OpenRequest& request, std::string& problem) {
    const HWND window = OpenWindowUnhandled(host, request, problem);
    winport::PumpMessages();
    return window;
}

int RunOpenCommand(ClientHost& host, const OpenRequest& request, std::ostream& out,
                   std::ostream& err) {
    std::string problem;
    HWND window = OpenWindow(host, request, problem);
    if (!window) {
        err << "nuvclient: " << problem << '\n';
        return kExitFailure;
    }
    // What a person sees once a fetch the window started has come back.
    if (!host.Settle()) err << "nuvclient: the directory has not answered yet\n";
    out << winport::DumpWindowTree(window);
    return kExitSuccess;
}

}  // namespace nuvclient
