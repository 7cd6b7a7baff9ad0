#include "client/host/HostServices.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <stdexcept>
#include <string_view>
#include <thread>
#include <utility>

#include "hostlib/util/HostImages.h"
#include "platform/com/ComRuntime.h"
#include "platform/controls/AnimationClip.h"
#include "platform/gdi/Icon.h"

namespace nuvclient {
namespace {

struct RegisteredAddress {
    std::string_view key;
    const char* address;
};

// The pages of the emulated directory service's web site.
constexpr RegisteredAddress kRegisteredAddresses[] = {
    {"Map", "https://nuv.example.org/map"},
    {"Zodiac", "https://nuv.example.org/horoscope"},
    {"Homepage Directory", "https://nuv.example.org/homepages"},
    {"Web Directories Update", "https://nuv.example.org/directories/update"},
    {"White Pages", "https://nuv.example.org/whitepages"},
};

constexpr std::chrono::milliseconds kPollInterval{10};

// How a finished browser program ended, when it did not succeed.
std::string Failure(int status) {
    if (WIFEXITED(status)) return "exit status " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status)) return "killed by signal " + std::to_string(WTERMSIG(status));
    return "status " + std::to_string(status);
}

bool Succeeded(int status) {
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

HostServices::HostServices(HostServicesOptions options) : m_options(std::move(options)) {
    // The clip as the animation control reads it.
    const std::string clip = (m_options.dataFolder / kBusyClipName).string();
    winport::ClipFileProblem problem;
    if (!winport::ReadAviClipFile(clip, problem))
        throw std::runtime_error(clip + ": " + problem.text);
}

HostServices::~HostServices() {
    ReapFinishedBrowsers();
    if (m_smallImages) ImageList_Destroy(m_smallImages);
    for (const auto& [number, icon] : m_icons) DestroyIcon(icon);
}

bool HostServices::GetRegisteredAddress(const char* key, std::string* address) {
    if (!key || !address) return false;
    for (const RegisteredAddress& entry : kRegisteredAddresses) {
        if (entry.key == key) {
            *address = entry.address;
            return true;
        }
    }
    return false;
}

void HostServices::OpenAddress(const char* address) {
    if (!address) return;
    m_opened.emplace_back(address);
    if (!m_options.browser.empty()) Launch(m_opened.back());
}

void HostServices::Launch(const std::string& address) {
    ReapFinishedBrowsers();
    const std::string& browser = m_options.browser;
    if (address.empty() || address.front() == '-') {
        std::cerr << "nuvclient: not opening \"" << address << "\": not a web address\n";
        return;
    }
    // The browser gets no input: a text-mode one must not take the client's terminal.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    std::string program = browser;
    std::string argument = address;
    char* argv[] = {program.data(), argument.data(), nullptr};
    pid_t pid = 0;
    const int error = posix_spawnp(&pid, browser.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        std::cerr << "nuvclient: cannot start the browser \"" << browser
                  << "\": " << std::strerror(error) << '\n';
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + m_options.browserWait;
    for (;;) {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done < 0 && errno == EINTR) continue;
        if (done == pid && !Succeeded(status)) {
            std::cerr << "nuvclient: the browser \"" << browser << "\" failed to open \"" << address
                      << "\" (" << Failure(status) << ")\n";
        }
        if (done != 0) return;  // Finished, or no longer ours to wait for.
        if (std::chrono::steady_clock::now() >= deadline) break;
        std::this_thread::sleep_for(kPollInterval);
    }
    m_runningBrowsers.push_back(pid);
}

void HostServices::ReapFinishedBrowsers() {
    std::erase_if(m_runningBrowsers, [](pid_t pid) {
        int status = 0;
        return waitpid(pid, &status, WNOHANG) != 0;
    });
}

HRESULT HostServices::CreateHostObject(REFCLSID clsid, IUnknown** object) {
    if (!object) return E_POINTER;
    return CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IUnknown::kIid,
                            reinterpret_cast<void**>(object));
}

HIMAGELIST HostServices::GetSmallImageList() {
    if (!m_smallImages) m_smallImages = CreateHostSmallImageList();
    return m_smallImages;
}

HICON HostServices::GetIcon(int number) {
    if (const auto found = m_icons.find(number); found != m_icons.end()) return found->second;
    const HICON icon = CreateHostIcon(number);
    if (icon) m_icons.emplace(number, icon);
    return icon;
}

void HostServices::GetAnimationClipPath(std::string* path) {
    if (path) *path = (m_options.dataFolder / kBusyClipName).string();
}

}  // namespace nuvclient
