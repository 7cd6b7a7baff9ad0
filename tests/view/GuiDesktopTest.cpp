// `nuvclient gui` on a real X display (Xvfb): a person's clicks and keys, sent as X input events,
// reach the owner's window, and what he did is in the store and the directory afterwards.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "ViewTestSupport.h"
#include "client/store/DataFolder.h"
#include "res/ResourceIds.h"
#include "tests/client/ClientTestSupport.h"

extern char** environ;

namespace viewtest {
namespace {

using namespace std::chrono_literals;

constexpr std::uint32_t kOwner = 1234567;

bool OnPath(const char* program) {
    const std::string command = std::string("command -v ") + program + " >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

// A child process with its output thrown away, killed if it is still running at the end.
class Child {
public:
    Child(std::vector<std::string> args, const std::vector<std::string>& environment) {
        std::vector<char*> argv;
        for (std::string& arg : args) argv.push_back(arg.data());
        argv.push_back(nullptr);
        std::vector<std::string> env(environment);
        for (char** entry = environ; *entry; ++entry) env.emplace_back(*entry);
        std::vector<char*> envp;
        for (std::string& entry : env) envp.push_back(entry.data());
        envp.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        if (posix_spawnp(&m_pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0)
            m_pid = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~Child() {
        if (m_pid > 0 && !m_status) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
    }
    bool Started() const { return m_pid > 0; }
    // The exit status once the process ended within |timeout|.
    std::optional<int> Wait(std::chrono::milliseconds timeout) {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        while (!m_status && std::chrono::steady_clock::now() < deadline) {
            int status = 0;
            if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
                m_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            } else {
                std::this_thread::sleep_for(20ms);
            }
        }
        return m_status;
    }

private:
    pid_t m_pid = -1;
    std::optional<int> m_status;
};

class GuiDesktopTest : public ViewFixture {
protected:
    void SetUp() override {
        ViewFixture::SetUp();
        if (!OnPath("Xvfb") || !OnPath("xdotool")) GTEST_SKIP() << "Xvfb or xdotool is missing";
        // A display number of this process's own.
        m_display = ":" + std::to_string(200 + getpid() % 500);
        m_server =
            std::make_unique<Child>(std::vector<std::string>{"Xvfb", m_display, "-screen", "0",
                                                             "1024x768x24", "-nolisten", "tcp"},
                                    std::vector<std::string>{});
        ASSERT_TRUE(m_server->Started());
        const std::string socket = "/tmp/.X11-unix/X" + m_display.substr(1);
        for (int i = 0; i < 250 && !std::filesystem::exists(socket); ++i)
            std::this_thread::sleep_for(20ms);
        ASSERT_TRUE(std::filesystem::exists(socket)) << "Xvfb did not start";
    }
    // Runs xdotool on the test's display; answers what it printed.
    std::string Xdotool(const std::string& args) {
        const std::string command =
            "DISPLAY=" + m_display + " timeout 20 xdotool " + args + " 2>/dev/null";
        std::string printed;
        if (FILE* pipe = popen(command.c_str(), "r")) {
            char buffer[256];
            while (fgets(buffer, sizeof buffer, pipe)) printed += buffer;
            pclose(pipe);
        }
        while (!printed.empty() && printed.back() == '\n') printed.pop_back();
        return printed;
    }
    // Where |id| lies in the client area of the owner's window, as the platform lays it out.
    POINT Centre(HWND window, HWND control) {
        RECT rect{};
        GetWindowRect(control, &rect);
        POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        ScreenToClient(window, &centre);
        return centre;
    }
    void ClickAt(const std::string& window, POINT point) {
        Xdotool("mousemove --window " + window + " " + std::to_string(point.x) + " " +
                std::to_string(point.y) + " click 1");
        std::this_thread::sleep_for(200ms);
    }

    std::string m_display;
    std::unique_ptr<Child> m_server;
    nuvclient::test::TempFolder m_temp;
};

TEST_F(GuiDesktopTest, OwnerChangesHisNicknameAndSavesWithRealInput) {
    // The places of the controls, from the same window laid out here.
    const HWND layout = OpenOwner();
    ASSERT_NE(layout, nullptr);
    const POINT nickname = Centre(layout, GetDlgItem(MainPage(layout), IDC_MAIN_NICKNAME));
    const POINT save = Centre(layout, GetDlgItem(layout, IDC_DETAILS_SAVE));
    const POINT close = Centre(layout, GetDlgItem(layout, IDC_DETAILS_CLOSE));

    const std::filesystem::path data = m_temp.Path() / "data";
    nuvclient::OpenDataFolder(data, NUV_CLIENT_DATA_DIR)
        ->WriteKey(kOwner, "ShowUpdateInfoWarning", nuvclient::Value::Bool(false));
    Child gui({NUVCLIENT_PATH, "--data", data.string(), "gui", "owner"},
              {"DISPLAY=" + m_display, "QT_QPA_PLATFORM=xcb",
               "LSAN_OPTIONS=suppressions=" NUV_VIEW_TESTS_DIR "/desktop-leaks.supp"});
    ASSERT_TRUE(gui.Started());
    const std::string window =
        Xdotool("search --sync --onlyvisible --name \"My Info\" | head -n 1");
    ASSERT_FALSE(window.empty()) << "no window on the display";

    ClickAt(window, nickname);
    Xdotool("key --window " + window + " End");
    Xdotool("type --delay 30 \" au port\"");
    std::this_thread::sleep_for(300ms);
    ClickAt(window, save);
    // Once the directory has the new nickname, Close reads "Done" and closes the window,
    // ending the program.
    const auto published = [&] {
        const auto value =
            nuvclient::OpenDirectory(data, NUV_CLIENT_DATA_DIR)->ReadKey(kOwner, "NickName");
        return value && value->Text() == "Lodie au port";
    };
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    while (!published() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(100ms);
    ASSERT_TRUE(published()) << "the upload did not reach the directory";
    std::this_thread::sleep_for(300ms);
    ClickAt(window, close);
    const std::optional<int> status = gui.Wait(20s);
    ASSERT_TRUE(status) << "the window did not close";
    EXPECT_EQ(*status, 0);

    const auto store = nuvclient::OpenDataFolder(data, NUV_CLIENT_DATA_DIR);
    EXPECT_EQ(store->ReadKey(kOwner, "NickName")->Text(), "Lodie au port");
    EXPECT_EQ(store->ReadKey(kOwner, "UpdateInfoStatus")->Integer(), 0xFFFF);
}

// The More page's spins, pressed with the mouse: the birth year steps, the age follows, and Save
// keeps the year.
TEST_F(GuiDesktopTest, OwnerStepsHisBirthYearWithTheSpinWithRealInput) {
    constexpr int kMoreTab = 3;
    const HWND layout = OpenOwner(kMoreTab);
    ASSERT_NE(layout, nullptr);
    const HWND more = Dialog(layout)->GetPage(kMoreTab)->m_hWnd;
    RECT spin{};
    GetWindowRect(GetDlgItem(more, IDC_MORE_YEAR_SPIN), &spin);
    POINT upArrow{(spin.left + spin.right) / 2, spin.top + (spin.bottom - spin.top) / 4};
    ScreenToClient(layout, &upArrow);
    const POINT save = Centre(layout, GetDlgItem(layout, IDC_DETAILS_SAVE));

    const std::filesystem::path data = m_temp.Path() / "data";
    nuvclient::OpenDataFolder(data, NUV_CLIENT_DATA_DIR)
        ->WriteKey(kOwner, "ShowUpdateInfoWarning", nuvclient::Value::Bool(false));
    Child gui({NUVCLIENT_PATH, "--data", data.string(), "gui", "owner", "--tab", "3"},
              {"DISPLAY=" + m_display, "QT_QPA_PLATFORM=xcb",
               "LSAN_OPTIONS=suppressions=" NUV_VIEW_TESTS_DIR "/desktop-leaks.supp"});
    ASSERT_TRUE(gui.Started());
    const std::string window =
        Xdotool("search --sync --onlyvisible --name \"My Info\" | head -n 1");
    ASSERT_FALSE(window.empty()) << "no window on the display";

    ClickAt(window, upArrow);
    ClickAt(window, upArrow);
    ClickAt(window, save);
    const auto saved = [&] {
        const auto year =
            nuvclient::OpenDirectory(data, NUV_CLIENT_DATA_DIR)->ReadKey(kOwner, "BirthYear");
        return year && year->Integer() == 1993;
    };
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    while (!saved() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(100ms);
    EXPECT_TRUE(saved()) << "the stepped year did not reach the directory";
}

}  // namespace
}  // namespace viewtest
