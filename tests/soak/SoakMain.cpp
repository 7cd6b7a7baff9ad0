// Opens every form of the details window over and over with a random person at the controls,
// random directory latencies and failures, and closes during operations. After every window no
// window is left; after every host no host object, image, icon, menu, string, registry handle or
// GDI object is left; resident memory stays flat. Exits 1 on the first thing left behind.
#include <stdlib.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <array>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <random>

#include "client/cli/OpenCommand.h"
#include "client/host/ClientHost.h"
#include "client/host/UserObject.h"
#include "client/store/DataFolder.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Icon.h"
#include "platform/gdi/ImageList.h"
#include "platform/message/MessageApi.h"
#include "platform/shell/MenuApi.h"
#include "platform/shell/Registry.h"
#include "platform/text/Bstr.h"
#include "platform/window/WindowApi.h"
#include "tests/client/BuildTreeHost.h"
#include "tests/soak/Monkey.h"

namespace nuvsoak {
namespace {

using nuvclient::WindowKind;

// The sanitizers hold freed memory back and map their own: resident size is no measure there.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kGrowthChecked = false;
#else
constexpr bool kGrowthChecked = true;
#endif

struct Settings {
    double seconds = 20;
    long hosts = 0;  // 0: as many as fit in |seconds|.
    std::uint32_t seed = 1;
    long windowsPerHost = 25;
    long maxGrowthKb = 16 * 1024;
};

enum Form { kOwner, kContact, kLimited, kPane, kGroup, kModal, kFormCount };
constexpr std::array<const char*, kFormCount> kFormNames = {"owner", "contact", "limited",
                                                            "pane",  "group",   "modal"};

// What is alive in the process that a closed window or host must not leave behind.
struct LiveCounts {
    std::size_t windows = winport::LiveWindowCount();
    long hostObjects = nuvclient::LiveHostObjects::Count();
    std::size_t gdiObjects = winport::LiveGdiObjectCount();
    std::size_t icons = winport::LiveIconCount();
    std::size_t imageLists = winport::LiveImageListCount();
    std::size_t menus = winport::LiveMenuCount();
    std::size_t strings = winport::LiveBstrCount();
    std::size_t registryHandles = winport::OpenRegistryHandleCount();
    bool operator==(const LiveCounts&) const = default;
};

std::ostream& operator<<(std::ostream& out, const LiveCounts& c) {
    return out << "windows " << c.windows << ", host objects " << c.hostObjects << ", GDI objects "
               << c.gdiObjects << ", icons " << c.icons << ", image lists " << c.imageLists
               << ", menus " << c.menus << ", strings " << c.strings << ", registry handles "
               << c.registryHandles;
}

long ResidentKb() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

struct Figures {
    std::array<long, kFormCount> opened{};
    long hosts = 0;
    long failingHosts = 0;
    long closesDuringWork = 0;
};

class Soak {
public:
    Soak(const Settings& settings, const std::filesystem::path& folder)
        : m_settings(settings),
          m_store(nuvclient::OpenDataFolder(folder / "data", NUV_CLIENT_DATA_DIR)),
          m_monkey(settings.seed, folder) {
        for (const nuvclient::User& user : m_store->Users()) {
            if (user.kind == nuvclient::UserKind::Contact) m_contacts.push_back(user.number);
            if (user.kind == nuvclient::UserKind::Group) m_groups.push_back(user.number);
        }
    }

    // One host with its own directory behaviour, and its windows; false once something is left.
    bool RunHost() {
        const LiveCounts before;
        {
            nuvclient::ClientOptions options = nuvclient::test::BuildTreeHost();
            options.directory.latency = std::chrono::milliseconds(m_monkey.Draw(0, 25));
            if (m_monkey.Draw(0, 4) == 0) {
                options.directory.failure =
                    nuvclient::DirectoryFailure{-m_monkey.Draw(1, 9999), "injected failure"};
                ++m_figures.failingHosts;
            }
            nuvclient::ClientHost host(*m_store, std::move(options));
            for (long i = 0; i < m_settings.windowsPerHost; ++i)
                if (!RunWindow(host)) return false;
        }
        ++m_figures.hosts;
        winport::PumpMessages();
        if (const LiveCounts after; after != before) {
            std::cerr << "nuvsoak: a host left things behind\n  before: " << before
                      << "\n  after:  " << after << '\n';
            return false;
        }
        return true;
    }

    const Figures& Results() const { return m_figures; }
    const MonkeyCounts& Actions() const { return m_monkey.Counts(); }

private:
    std::uint32_t AnyOf(const std::vector<std::uint32_t>& numbers) {
        return numbers[static_cast<std::size_t>(m_monkey.Draw(0, numbers.size() - 1))];
    }

    bool RunWindow(nuvclient::ClientHost& host) {
        const std::size_t windowsBefore = winport::LiveWindowCount();
        const auto form = static_cast<Form>(m_monkey.Draw(0, kFormCount - 1));
        ++m_figures.opened[form];
        if (form == kModal) {
            // The person plays inside the modal loop, as each dialog starts.
            const nuvclient::User user = *m_store->FindUser(AnyOf(m_contacts));
            winport::ComPtr<MIUserObject> object;
            nuvclient::CreateUserObject(*m_store, user.number, object.GetAddressOf());
            host.Module().OpenUserDetailsModal(object.Get(), host.UserInfo(user), 0, false,
                                               m_monkey.Draw(0, 1) == 1, nullptr);
        } else {
            nuvclient::OpenRequest request;
            request.kind = form == kOwner   ? WindowKind::Owner
                           : form == kPane  ? WindowKind::Pane
                           : form == kGroup ? WindowKind::Group
                                            : WindowKind::Contact;
            request.number = form == kGroup ? AnyOf(m_groups) : AnyOf(m_contacts);
            request.limited = form == kLimited;
            std::string problem;
            const HWND window = nuvclient::OpenWindow(host, request, problem);
            if (!window) {
                std::cerr << "nuvsoak: " << kFormNames[form] << ": " << problem << '\n';
                return false;
            }
            m_monkey.Play(window, m_monkey.Draw(0, 30));
            Close(host, window);
        }
        host.Settle();
        winport::PumpMessages();
        if (winport::LiveWindowCount() != windowsBefore) {
            std::cerr << "nuvsoak: a " << kFormNames[form] << " window left "
                      << winport::LiveWindowCount() - windowsBefore << " windows behind\n";
            return false;
        }
        return true;
    }

    // Closes as a person does, at once or once the directory has answered; a window that asks
    // and is told to stay is asked again, and a host closing takes what is left.
    void Close(nuvclient::ClientHost& host, HWND window) {
        if (m_monkey.Draw(0, 1) == 0)
            host.Settle();
        else if (!host.Settle(std::chrono::milliseconds(0)))
            ++m_figures.closesDuringWork;
        for (int attempt = 0; attempt < 4 && IsWindow(window); ++attempt) {
            SendMessage(window, WM_CLOSE, 0, 0);
            winport::PumpMessages();
        }
        if (IsWindow(window)) DestroyWindow(window);
    }

    Settings m_settings;
    std::unique_ptr<nuvclient::Store> m_store;
    Monkey m_monkey;
    std::vector<std::uint32_t> m_contacts;
    std::vector<std::uint32_t> m_groups;
    Figures m_figures;
};

int Run(const Settings& settings) {
    char pattern[] = "/tmp/nuvsoak-XXXXXX";
    if (!mkdtemp(pattern)) {
        std::perror("nuvsoak: mkdtemp");
        return 1;
    }
    const std::filesystem::path folder = pattern;
    int status = 0;
    {
        Soak soak(settings, folder);
        const auto start = std::chrono::steady_clock::now();
        const auto elapsed = [&] {
            return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        };
        // The first host fills the caches that live as long as the process.
        if (!soak.RunHost()) status = 1;
        const long residentFirst = ResidentKb();
        while (status == 0 && (settings.hosts ? soak.Results().hosts < settings.hosts
                                              : elapsed() < settings.seconds))
            if (!soak.RunHost()) status = 1;
        const long growth = ResidentKb() - residentFirst;
        const Figures& figures = soak.Results();
        const MonkeyCounts& actions = soak.Actions();
        std::cout << "nuvsoak: seed " << settings.seed << ", " << elapsed() << " s, "
                  << figures.hosts << " hosts (" << figures.failingHosts
                  << " with every directory operation failing)\n  windows:";
        long windows = 0;
        for (int form = 0; form < kFormCount; ++form) {
            std::cout << ' ' << kFormNames[form] << ' ' << figures.opened[form];
            windows += figures.opened[form];
        }
        std::cout << " (" << windows << " in all, " << figures.closesDuringWork
                  << " closed while the directory worked)\n  person: " << actions.actions
                  << " actions, " << actions.messageBoxes << " message boxes, " << actions.menus
                  << " menus, " << actions.saveAs << " Save As, " << actions.dialogs
                  << " dialogs\n  resident memory: " << residentFirst
                  << " KB after the first host, " << ResidentKb() << " KB at the end (growth "
                  << growth << " KB)\n";
        if (kGrowthChecked && status == 0 && growth > settings.maxGrowthKb) {
            std::cerr << "nuvsoak: resident memory grew by " << growth << " KB\n";
            status = 1;
        }
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return status;
}

}  // namespace
}  // namespace nuvsoak

int main(int argc, char** argv) {
    nuvsoak::Settings settings;
    CLI::App app{"nuvsoak: opens every details window form over and over with a random person"};
    app.add_option("--seconds", settings.seconds, "how long to run (when --hosts is not given)");
    app.add_option("--hosts", settings.hosts, "how many hosts to run, each with its windows");
    app.add_option("--windows", settings.windowsPerHost, "windows each host opens")
        ->check(CLI::PositiveNumber);
    app.add_option("--seed", settings.seed, "seed of the random person and directory");
    app.add_option("--max-growth-kb", settings.maxGrowthKb,
                   "resident memory growth that fails the run");
    CLI11_PARSE(app, argc, argv);
    return nuvsoak::Run(settings);
}
