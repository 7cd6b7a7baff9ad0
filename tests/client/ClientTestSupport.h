#pragma once

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "client/host/HostValues.h"
#include "client/store/DataFolder.h"

namespace nuvclient::test {

// The sample data's owner, a contact of his and his e-mail group.
inline constexpr std::uint32_t kOwner = 1234567;
inline constexpr std::uint32_t kGeorge = 2000001;
inline constexpr std::uint32_t kGroup = 9000001;

// One text in each script of the sample data, with a combining accent, a four-byte sequence and
// an embedded zero.
inline const std::vector<std::string> kScriptTexts = {"Élodie Dupré-Ñúñez",
                                                      "Γιώργος Παπαδόπουλος",
                                                      "Ольга Шевченко",
                                                      "山田 太郎",
                                                      "김민준",
                                                      "e\xCC\x81t\xC3\xA9 \xF0\x9F\x98\x80",
                                                      std::string("nul\0inside", 10)};

// One of the owner's e-mail entries: a record of the address and whether it is hidden.
inline Value OwnerEmail(std::string address, bool hidden) {
    Record member;
    member.Set("Email", Value::Text(std::move(address)));
    member.Set("HideEmail", Value::Bool(hidden));
    return Value::OfRecord(std::move(member));
}

// A record with every type at its limits, lists of integers of mixed types, of texts and of
// records, an empty list, and a nested record holding lists.
inline Record EveryKindOfValue() {
    Record record;
    record.Set("TimeZone", Value::Int8(-128));
    record.Set("MaxInt8", Value::Int8(127));
    record.Set("SecurityLevel", Value::UInt8(255));
    record.Set("HomeCountry", Value::Int16(-32768));
    record.Set("UpdateInfoStatus", Value::UInt16(65535));
    record.Set("IP", Value::Int32(-2147483647 - 1));
    record.Set("Display", Value::UInt32(4294967295u));
    record.Set("DontPublishEmail", Value::Bool(true));
    record.Set("UserShowIP", Value::Bool(false));
    record.Set("Empty", Value::Text(""));
    record.Set("Language", Value::OfList({Value::UInt8(12), Value::UInt8(0), Value::Int16(-3),
                                          Value::UInt8(255)}));
    record.Set("MoreEmails", Value::OfList({}));
    List texts;
    for (const std::string& text : kScriptTexts) texts.push_back(Value::Text(text));
    record.Set("AdditionalEmails", Value::OfList(texts));
    record.Set("AdditionalOwnerEmails", Value::OfList({OwnerEmail("a@example.org", false),
                                                       OwnerEmail("ё@пример.рф", true)}));
    Record inner;
    inner.Set("Street", Value::Text("12, rue des Écoles"));
    inner.Set("Deep", Value::OfList({Value::OfList({Value::Text("二")}), OwnerEmail("", true)}));
    record.Set("Nested", Value::OfRecord(inner));
    return record;
}

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
// The user and group "nobody", whom RunAs::Unprivileged runs as.
inline constexpr uid_t kNobody = 65534;

// Gives |folder| and everything in it to "nobody", whom RunAs::Unprivileged runs as.
inline void GiveToNobody(const std::filesystem::path& folder) {
    ASSERT_EQ(chown(folder.c_str(), kNobody, kNobody), 0);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        ASSERT_EQ(chown(entry.path().c_str(), kNobody, kNobody), 0);
}

// Runs |body| in a child process and collects what it writes and its exit status (-1 when a
// signal ended it). RunAs::Unprivileged drops root to "nobody", so that permission bits apply.
inline RunResult RunChild(const std::function<int()>& body, RunAs who = RunAs::Me) {
    int outPipe[2], errPipe[2];
    if (pipe(outPipe) != 0 || pipe(errPipe) != 0) return {};
    // The child would write out again what this process still holds in its buffers.
    std::cout.flush();
    std::fflush(nullptr);
    pid_t child = fork();
    if (child == 0) {
        dup2(outPipe[1], 1);
        dup2(errPipe[1], 2);
        close(outPipe[0]);
        close(errPipe[0]);
        if (who == RunAs::Unprivileged && geteuid() == 0 &&
            (setgid(kNobody) != 0 || setuid(kNobody) != 0))
            _exit(120);
        _exit(body());
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

// Runs |program| (found on the path) with |args|.
inline RunResult Run(const std::string& program, const std::vector<std::string>& args,
                     RunAs who = RunAs::Me) {
    return RunChild(
        [&] {
            std::vector<char*> argv{const_cast<char*>(program.c_str())};
            for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
            argv.push_back(nullptr);
            execvp(program.c_str(), argv.data());
            return 127;
        },
        who);
}

// Runs the real nuvclient program.
inline RunResult RunClient(const std::vector<std::string>& args, RunAs who = RunAs::Me) {
    return Run(NUVCLIENT_PATH, args, who);
}

// Runs |sql| on |file| in another process (the sqlite3 program); answers its exit status.
inline int RunSqliteProgram(const std::filesystem::path& file, const std::string& sql) {
    return Run("sqlite3", {file.string(), sql}).status;
}

// Owns a data folder filled with the sample data and the store over it; TearDown fails when a
// host object made during the test is still alive.
class StoreFixture : public ::testing::Test {
protected:
    void SetUp() override {
        m_liveBefore = LiveHostObjects::Count();
        m_store = OpenDataFolder(Folder(), NUV_CLIENT_DATA_DIR);
    }
    void TearDown() override {
        EXPECT_EQ(LiveHostObjects::Count(), m_liveBefore) << "a host object was not released";
    }
    std::filesystem::path Folder() const { return m_temp.Path() / "data"; }

    TempFolder m_temp;
    std::unique_ptr<Store> m_store;
    long m_liveBefore = 0;
};

}  // namespace nuvclient::test
