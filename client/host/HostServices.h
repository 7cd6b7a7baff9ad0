// The client's host services object: the web addresses it registers and opens, the host
// components it creates, and the host's pictures (the shared small image list, icons and the
// busy animation clip), which it owns and frees with itself.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "client/host/HostValues.h"
#include "module/host/MIHostServices.h"
#include "platform/com/ComObject.h"

namespace nuvclient {

// The program that hands an address to the desktop's browser.
inline constexpr char kDefaultBrowser[] = "xdg-open";
// The busy animation, in the folder of the shipped data.
inline constexpr char kBusyClipName[] = "busy.avi";

struct HostServicesOptions {
    // The program an opened address is handed to (looked up on PATH), or empty to only log it.
    std::string browser;
    // How long OpenAddress waits for that program to finish before leaving it running.
    std::chrono::milliseconds browserWait{1000};
    bool sendMailUnavailable = false;
    // The folder of the shipped data, which holds the busy animation.
    std::filesystem::path dataFolder;
};

class HostServices final : public winport::ComObject<MIHostServices>, private LiveHostObjects {
public:
    // Throws std::runtime_error naming the busy clip of |options| when it cannot be played: the
    // clip is part of the installation, and a damaged one is told before any window opens.
    explicit HostServices(HostServicesOptions options);

    // Knows "Map", "Zodiac", "Homepage Directory", "Web Directories Update" and "White Pages";
    // the map and horoscope addresses carry no query, as the caller appends one.
    bool GetRegisteredAddress(const char* key, std::string* address) override;
    // Logs |address| and, with a browser program, hands it over as one argument without a
    // shell. A failure to start it, its failing, or an address that reads as an option is told
    // on standard error.
    void OpenAddress(const char* address) override;
    // The registered in-process class |clsid| through CoCreateInstance: S_OK and its IUnknown,
    // or REGDB_E_CLASSNOTREG (or the class's own failure) and null.
    HRESULT CreateHostObject(REFCLSID clsid, IUnknown** object) override;
    bool IsSendMailUnavailable() override { return m_options.sendMailUnavailable; }
    // Made on first use: the host's small images 0 to kHostLastImage.
    HIMAGELIST GetSmallImageList() override;
    // Icons 6 (web page) and 7 (user details), made on first use; null for any other number.
    HICON GetIcon(int number) override;
    void GetAnimationClipPath(std::string* path) override;

    // Every address asked to open, oldest first.
    const std::vector<std::string>& OpenedAddresses() const { return m_opened; }

private:
    ~HostServices() override;

    void Launch(const std::string& address);
    // Collects the browser programs that have finished since; never waits.
    void ReapFinishedBrowsers();

    HostServicesOptions m_options;
    std::vector<std::string> m_opened;
    std::vector<pid_t> m_runningBrowsers;
    HIMAGELIST m_smallImages = nullptr;
    std::map<int, HICON> m_icons;
};

}  // namespace nuvclient
