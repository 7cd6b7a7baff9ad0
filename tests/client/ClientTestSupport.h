#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace nuvclient::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "nuvclient-test-XXXXXX");
        if (!mkdtemp(pattern.data())) ADD_FAILURE() << "mkdtemp failed";
        m_path = pattern;
    }
    ~TempFolder() {
        std::error_code ignored;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(m_path, ignored))
            if (entry.is_directory(ignored)) chmod(entry.path().c_str(), 0755);
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

inline std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
}

struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

enum class RunAs { Me, Unprivileged };

// Runs the real nuvclient program with |args| and collects its output and exit status.
// RunAs::Unprivileged drops root to "nobody", so that permission bits apply.
inline RunResult RunClient(const std::vector<std::string>& args, RunAs who = RunAs::Me) {
    int outPipe[2], errPipe[2];
    if (pipe(outPipe) != 0 || pipe(errPipe) != 0) return {};
    pid_t child = fork();
    if (child == 0) {
        dup2(outPipe[1], 1);
        dup2(errPipe[1], 2);
        close(outPipe[0]);
        close(errPipe[0]);
        if (who == RunAs::Unprivileged && geteuid() == 0 &&
            (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(120);
        std::vector<char*> argv{const_cast<char*>(NUVCLIENT_PATH)};
        for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execv(NUVCLIENT_PATH, argv.data());
        _exit(127);
    }
    close(outPipe[1]);
    close(errPipe[1]);
    RunResult result;
    auto drain = [](int fd, std::string& into) {
        char buffer[4096];
        ssize_t n;
        while ((n = read(fd, buffer, sizeof buffer)) > 0) into.append(buffer, n);
        close(fd);
    };
    // The outputs are small except the user list, read first; stderr stays within its pipe.
    drain(outPipe[0], result.out);
    drain(errPipe[0], result.err);
    int status = 0;
    waitpid(child, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

// Runs |sql| on |file| in another process (the sqlite3 program); answers its exit status.
inline int RunSqliteProgram(const std::filesystem::path& file, const std::string& sql) {
    pid_t child = fork();
    if (child == 0) {
        // Its complaints (a refused statement) are answered by the exit status.
        int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, 2);
        execlp("sqlite3", "sqlite3", file.c_str(), sql.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace nuvclient::test
