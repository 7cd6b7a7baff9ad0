#include "client/host/HostServices.h"

#include <signal.h>

#include <chrono>
#include <optional>
#include <sstream>

#include "platform/com/ComRuntime.h"
#include "platform/core/LastError.h"
#include "platform/gdi/Icon.h"
#include "platform/gdi/ImageList.h"
#include "platform/window/WindowApi.h"
#include "tests/client/BuildTreeHost.h"
#include "tests/client/ClientTestSupport.h"
#include "tests/platform/HResultAssert.h"

namespace nuvclient {
namespace {

// Collects what the code under test writes to std::cerr.
class CapturedErrors {
public:
    CapturedErrors() : m_previous(std::cerr.rdbuf(m_text.rdbuf())) {}
    ~CapturedErrors() { std::cerr.rdbuf(m_previous); }
    CapturedErrors(const CapturedErrors&) = delete;
    CapturedErrors& operator=(const CapturedErrors&) = delete;

    std::string Text() const { return m_text.str(); }

private:
    std::ostringstream m_text;
    std::streambuf* m_previous;
};

class HostServicesTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_liveBefore = LiveHostObjects::Count();
        m_imageListsBefore = winport::LiveImageListCount();
        m_iconsBefore = winport::LiveIconCount();
    }
    // Releasing the services object frees everything it made.
    void TearDown() override {
        m_services.Reset();
        EXPECT_EQ(LiveHostObjects::Count(), m_liveBefore);
        EXPECT_EQ(winport::LiveImageListCount(), m_imageListsBefore);
        EXPECT_EQ(winport::LiveIconCount(), m_iconsBefore);
    }

    HostServices& Services(HostServicesOptions options = test::BuildTreeServices()) {
        m_services = winport::MakeComObject<HostServices>(std::move(options));
        return *m_services.Get();
    }

    // A browser program that runs |body| as a shell script; $1 is the address.
    HostServicesOptions WithBrowser(const std::string& body) {
        const std::filesystem::path program = m_temp.Path() / "browser";
        test::WriteBytes(program, "#!/bin/sh\n" + body + "\n");
        chmod(program.c_str(), 0755);
        // The wait ends as soon as the program does.
        return {.browser = program.string(),
                .browserWait = std::chrono::seconds(10),
                .dataFolder = NUV_CLIENT_DATA_DIR};
    }
    std::filesystem::path Opened() const { return m_temp.Path() / "opened"; }

    test::TempFolder m_temp;
    winport::ComPtr<HostServices> m_services;
    long m_liveBefore = 0;
    std::size_t m_imageListsBefore = 0;
    std::size_t m_iconsBefore = 0;
};

TEST_F(HostServicesTest, AnswersTheAddressesTheModuleAsksForAndNoOthers) {
    HostServices& services = Services();
    EXPECT_EQ(LiveHostObjects::Count(), m_liveBefore + 1);
    for (const char* key : {"Map", "Zodiac", "Homepage Directory", "Web Directories Update"}) {
        std::string address;
        ASSERT_TRUE(services.GetRegisteredAddress(key, &address)) << key;
        EXPECT_EQ(address.rfind("https://", 0), 0u) << key << ": " << address;
        // The map and the horoscope append "?..." to the address.
        EXPECT_EQ(address.find('?'), std::string::npos) << key << ": " << address;
    }
    std::string address = "unchanged";
    EXPECT_FALSE(services.GetRegisteredAddress("map", &address));
    EXPECT_FALSE(services.GetRegisteredAddress("", &address));
    EXPECT_FALSE(services.GetRegisteredAddress("Nowhere", &address));
    EXPECT_EQ(address, "unchanged");
    EXPECT_FALSE(services.GetRegisteredAddress(nullptr, &address));
    EXPECT_FALSE(services.GetRegisteredAddress("Map", nullptr));
}

TEST_F(HostServicesTest, OpenedAddressesAreLoggedAndGoToABrowserAsOneArgumentUntouchedByAShell) {
    HostServicesOptions options = WithBrowser("printf '%s' \"$1\" > '" + Opened().string() + "'");
    options.browser.clear();
    HostServices& services = Services(options);
    services.OpenAddress("https://a.example/1");
    services.OpenAddress(nullptr);
    services.OpenAddress("https://b.example/2");
    EXPECT_EQ(services.OpenedAddresses(),
              (std::vector<std::string>{"https://a.example/1", "https://b.example/2"}));
    EXPECT_FALSE(std::filesystem::exists(Opened()));

    // With a browser, it gets the address as one argument, untouched by a shell.
    HostServices& launching =
        Services(WithBrowser("printf '%s' \"$1\" > '" + Opened().string() + "'"));
    const std::string address =
        "https://nuv.example.org/map?city=São Paulo&zip=01310 $(touch pwned);'x\"";
    CapturedErrors errors;
    launching.OpenAddress(address.c_str());
    EXPECT_EQ(test::ReadBytes(Opened()), address);
    EXPECT_FALSE(std::filesystem::exists(m_temp.Path() / "pwned"));
    EXPECT_EQ(errors.Text(), "");
}

TEST_F(HostServicesTest, BrowserFailuresAreToldAndTheAddressIsStillLogged) {
    const std::string missing = (m_temp.Path() / "no-such-browser").string();
    const struct {
        std::optional<std::string> script;  // None: the browser program does not exist.
        const char* address;
        std::string complaint;
    } cases[] = {
        {std::nullopt, "https://a.example/", "cannot start the browser \"" + missing + "\""},
        {"exit 3", "https://b.example/", "failed to open \"https://b.example/\" (exit status 3)"},
        {"touch '" + Opened().string() + "'", "--version", "not a web address"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.address);
        HostServicesOptions options = WithBrowser(c.script.value_or(""));
        if (!c.script) options.browser = missing;
        HostServices& services = Services(options);
        CapturedErrors errors;
        services.OpenAddress(c.address);
        EXPECT_THAT(errors.Text(), ::testing::HasSubstr(c.complaint));
        EXPECT_EQ(services.OpenedAddresses(), std::vector<std::string>{c.address});
        EXPECT_FALSE(std::filesystem::exists(Opened()));
    }
}

TEST_F(HostServicesTest, ABrowserThatKeepsRunningDoesNotHoldTheCaller) {
    const std::filesystem::path pidFile = m_temp.Path() / "pid";
    HostServicesOptions options =
        WithBrowser("echo $$ > '" + pidFile.string() + "'; exec sleep 30");
    options.browserWait = std::chrono::milliseconds(200);
    HostServices& services = Services(options);
    CapturedErrors errors;
    const auto start = std::chrono::steady_clock::now();
    services.OpenAddress("https://slow.example/");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    EXPECT_EQ(errors.Text(), "");
    const pid_t browser = std::stoi("0" + test::ReadBytes(pidFile));
    ASSERT_GT(browser, 0);
    EXPECT_EQ(kill(browser, SIGKILL), 0);
    waitpid(browser, nullptr, 0);
}

// How the runtime makes and counts objects is the platform's (ComRuntimeTest); a registered class
// is handed out as DirectoryTest's operations are, and nothing for another.
TEST_F(HostServicesTest, CreatesNothingOfAnUnregisteredClass) {
    HostServices& services = Services();
    constexpr CLSID kUnknown = winport::MakeGuid("{0E5C1F40-2B7A-4D43-9C11-6F5B0A7E2D12}");
    IUnknown* object = reinterpret_cast<IUnknown*>(&services);  // Must be cleared.
    EXPECT_HRESULT(REGDB_E_CLASSNOTREG, services.CreateHostObject(kUnknown, &object));
    EXPECT_EQ(object, nullptr);
    EXPECT_HRESULT(E_POINTER, services.CreateHostObject(kUnknown, nullptr));
}

// The pictures themselves are the host library's (HostImagesTest); the services make each once
// and free them with themselves (TearDown).
TEST_F(HostServicesTest, ImagesAreMadeOnceAndKeptAndTheBusyClipIsTheDataFolders) {
    HostServices& services = Services();
    const HIMAGELIST list = services.GetSmallImageList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(services.GetSmallImageList(), list);
    EXPECT_EQ(winport::LiveImageListCount(), m_imageListsBefore + 1);

    const HICON webPage = services.GetIcon(6);
    const HICON details = services.GetIcon(7);
    ASSERT_NE(webPage, nullptr);
    ASSERT_NE(details, nullptr);
    EXPECT_EQ(services.GetIcon(7), details);
    EXPECT_EQ(services.GetIcon(8), nullptr);
    EXPECT_EQ(winport::LiveIconCount(), m_iconsBefore + 2);

    // The clip is the data folder's; that the animation control opens and plays it is
    // UserDetailsDialogTest's and ViewShellTest's (the module's test host hands out the same file).
    std::string path;
    Services().GetAnimationClipPath(&path);
    EXPECT_EQ(path, (std::filesystem::path(NUV_CLIENT_DATA_DIR) / kBusyClipName).string());
    HostServicesOptions options;
    options.dataFolder = m_temp.Path();
    std::filesystem::copy_file(path, m_temp.Path() / kBusyClipName);
    Services(options).GetAnimationClipPath(&path);
    EXPECT_EQ(path, (m_temp.Path() / kBusyClipName).string());
}

}  // namespace
}  // namespace nuvclient
