// `nuvclient gui` on a real X display (Xvfb) with a window manager, driven by X input events
// as a person drives it; what he did is read back from the store and the directory.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>
#include <thread>

#include "ViewTestSupport.h"
#include "client/store/DataFolder.h"
#include "platform/dialog/DialogApi.h"
#include "platform/window/WindowClass.h"
#include "tests/client/ClientTestSupport.h"

extern char** environ;

namespace viewtest {

using namespace std::chrono_literals;

inline constexpr std::uint32_t kOwner = 1234567;

inline bool OnPath(const char* program) {
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
        if (m_pid <= 0 || m_status) return;
        // Asked to end first, so that a server takes its lock file and socket away.
        kill(m_pid, SIGTERM);
        if (!Wait(std::chrono::seconds(2))) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
    }
    bool Started() const { return m_pid > 0; }
    // The exit status once the process ended within |timeout|.
    std::optional<int> Wait(std::chrono::milliseconds timeout) {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        for (;;) {
            int status = 0;
            if (!m_status && waitpid(m_pid, &status, WNOHANG) == m_pid)
                m_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            if (m_status || std::chrono::steady_clock::now() >= deadline) return m_status;
            std::this_thread::sleep_for(20ms);
        }
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
        ASSERT_TRUE(StartServer()) << "Xvfb did not start";
        // A real window manager frames, places, stacks and closes the windows, when there is one.
        if (OnPath("openbox")) {
            m_windowManager =
                std::make_unique<Child>(std::vector<std::string>{"openbox"},
                                        std::vector<std::string>{"DISPLAY=" + m_display});
            std::this_thread::sleep_for(300ms);
        }
        m_data = m_temp.Path() / "data";
        nuvclient::OpenDataFolder(m_data, NUV_CLIENT_DATA_DIR)
            ->WriteKey(kOwner, "ShowUpdateInfoWarning", nuvclient::Value::Bool(false));
    }
    // Starts Xvfb on a display no other server holds (its lock file marks a held one), and
    // tries the next one when another test took it first.
    bool StartServer() {
        int display = 200 + getpid() % 500;
        for (int attempt = 0; attempt < 500; ++attempt, display = 200 + (display - 199) % 500) {
            const std::string number = std::to_string(display);
            if (std::filesystem::exists("/tmp/.X" + number + "-lock")) continue;
            m_display = ":" + number;
            m_server =
                std::make_unique<Child>(std::vector<std::string>{"Xvfb", m_display, "-screen", "0",
                                                                 "1024x768x24", "-nolisten", "tcp"},
                                        std::vector<std::string>{});
            if (!m_server->Started()) return false;
            const std::string socket = "/tmp/.X11-unix/X" + number;
            const auto deadline = std::chrono::steady_clock::now() + 5s;
            while (!std::filesystem::exists(socket) &&
                   std::chrono::steady_clock::now() < deadline && !m_server->Wait(20ms)) {
            }
            // Still running a moment after the socket is there: the display is ours, not
            // another test's that took the number first.
            if (std::filesystem::exists(socket) && !m_server->Wait(100ms)) return true;
        }
        return false;
    }
    // Starts `nuvclient gui` with |args| on the display; answers the X window whose title holds
    // |title| once it shows, and fails the test when none does.
    std::string StartGui(const std::vector<std::string>& args, const std::string& title) {
        std::vector<std::string> command{NUVCLIENT_PATH, "--data", m_data.string(), "gui"};
        command.insert(command.end(), args.begin(), args.end());
        m_gui = std::make_unique<Child>(
            command, std::vector<std::string>{"DISPLAY=" + m_display, "QT_QPA_PLATFORM=xcb",
                                              "LSAN_OPTIONS=suppressions=" NUV_VIEW_TESTS_DIR
                                              "/desktop-leaks.supp"});
        EXPECT_TRUE(m_gui->Started());
        const std::string window = WindowNamed(title);
        if (window.empty()) throw std::runtime_error("no window \"" + title + "\" on the display");
        return window;
    }
    // The X window whose title holds |title|, once it shows.
    std::string WindowNamed(const std::string& title) {
        return Xdotool("search --sync --onlyvisible --name \"" + title + "\" | head -n 1");
    }
    // Whether X window |window| is there and comes to have the keyboard.
    bool Active(const std::string& window) {
        return !window.empty() && WaitUntil([&] { return Xdotool("getactivewindow") == window; });
    }
    // Whether the program ends with status 0 within 20 seconds.
    ::testing::AssertionResult Exited() {
        const std::optional<int> status = m_gui->Wait(20s);
        if (status == 0) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << (status ? "status " + std::to_string(*status) : std::string("still running"));
    }
    // Whether |done| came true within |timeout|.
    static bool WaitUntil(const std::function<bool()>& done,
                          std::chrono::milliseconds timeout = 20s) {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        while (!done() && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(100ms);
        return done();
    }
    // Alt+F4 on X window |window| until |answered| (the program asks or ends): under load the
    // window manager's binding can miss a press, which then reaches the window as plain keys,
    // and a person presses again.
    bool PressAltF4(const std::string& window, const std::function<bool()>& answered) {
        for (int press = 0; press < 3; ++press) {
            Xdotool("windowactivate --sync " + window + " key alt+F4");
            if (WaitUntil(answered, 8s)) return true;
        }
        return false;
    }
    bool Ended() { return m_gui->Wait(0ms).has_value(); }
    std::optional<nuvclient::Value> Stored(std::uint32_t user, std::string_view key) const {
        return nuvclient::OpenDataFolder(m_data, NUV_CLIENT_DATA_DIR)->ReadKey(user, key);
    }
    std::optional<nuvclient::Value> Published(std::uint32_t user, std::string_view key) const {
        return nuvclient::OpenDirectory(m_data, NUV_CLIENT_DATA_DIR)->ReadKey(user, key);
    }
    // Whether the directory comes to hold |text|, or |number|, as the owner's |key|.
    bool Publishes(std::string_view key, const std::string& text) {
        return WaitUntil([&] {
            const auto value = Published(kOwner, key);
            return value && value->Text() == text;
        });
    }
    bool Publishes(std::string_view key, std::int64_t number) {
        return WaitUntil([&] {
            const auto value = Published(kOwner, key);
            return value && value->Integer() == number;
        });
    }
    // Runs |command| on the test's display; answers what it printed.
    std::string Shell(const std::string& command) {
        const std::string line = "DISPLAY=" + m_display + " " + command + " 2>/dev/null";
        std::string printed;
        if (FILE* pipe = popen(line.c_str(), "r")) {
            char buffer[512];
            while (fgets(buffer, sizeof buffer, pipe)) printed += buffer;
            pclose(pipe);
        }
        while (!printed.empty() && printed.back() == '\n') printed.pop_back();
        return printed;
    }
    std::string Xdotool(const std::string& args) { return Shell("timeout 20 xdotool " + args); }
    // Where |id| lies in the client area of the owner's window, as the platform lays it out.
    POINT Centre(HWND window, HWND control) {
        RECT rect{};
        GetWindowRect(control, &rect);
        POINT centre = CentreOf(rect);
        ScreenToClient(window, &centre);
        return centre;
    }
    // Where the window manager shows X window |window|: its frame's top left and its size.
    RECT Placement(const std::string& window) {
        std::map<std::string, LONG> values;
        std::istringstream lines(Xdotool("getwindowgeometry --shell " + window));
        for (std::string line; std::getline(lines, line);) {
            if (const size_t equals = line.find('='); equals != std::string::npos)
                values[line.substr(0, equals)] = std::atoi(line.c_str() + equals + 1);
        }
        return {values["X"], values["Y"], values["X"] + values["WIDTH"],
                values["Y"] + values["HEIGHT"]};
    }
    // The X window on top of all others the window manager shows.
    std::string Topmost() {
        const std::string printed = Shell("xprop -root _NET_CLIENT_LIST_STACKING");
        const size_t last = printed.find_last_of("x");
        if (last == std::string::npos || last == 0) return "";
        return std::to_string(std::strtoul(printed.c_str() + last - 1, nullptr, 16));
    }
    static POINT CentreOf(const RECT& rect) {
        return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }
    // Whether |inner| is centred on |outer| (the frame's title bar aside).
    static bool CentredOn(const RECT& inner, const RECT& outer) {
        const POINT a = CentreOf(inner);
        const POINT b = CentreOf(outer);
        return std::abs(a.x - b.x) <= 30 && std::abs(a.y - b.y) <= 30;
    }
    bool Shown(const std::string& title) {
        return !Xdotool("search --onlyvisible --name \"" + title + "\"").empty();
    }
    // The "Add" button of the e-mail pane on Main page |main|.
    static HWND EmailAddButton(HWND main) {
        const HWND pane = GetWindow(GetDlgItem(main, IDC_MAIN_EMAIL_GROUP), GW_HWNDNEXT);
        for (HWND child : winport::ChildWindows(pane)) {
            if (winport::GetWindowTextUtf8(child) == "Add") return child;
        }
        return nullptr;
    }
    void ClickAt(const std::string& window, POINT point) {
        Xdotool("mousemove --window " + window + " " + std::to_string(point.x) + " " +
                std::to_string(point.y) + " click 1");
        std::this_thread::sleep_for(200ms);
    }

    nuvclient::test::TempFolder m_temp;
    std::filesystem::path m_data;
    std::string m_display;
    // Ended in reverse: the program, the window manager, the server.
    std::unique_ptr<Child> m_server;
    std::unique_ptr<Child> m_windowManager;
    std::unique_ptr<Child> m_gui;
};

}  // namespace viewtest
