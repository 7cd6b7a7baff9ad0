#include "client/cli/CommandLine.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <functional>

#include "client/store/DataFolder.h"
#include "client/store/Store.h"
#include "tests/client/ClientTestSupport.h"

namespace nuvclient {
namespace {

using test::RunAs;
using test::RunClient;
using test::TempFolder;

class CommandLineTest : public ::testing::Test {
protected:
    std::filesystem::path Folder() const { return m_temp.Path() / "data"; }
    std::filesystem::path File() const { return StoreFileIn(Folder()); }
    void CreateStore() { OpenDataFolder(Folder(), NUV_CLIENT_DATA_DIR); }
    test::RunResult Users(RunAs who = RunAs::Me) {
        return RunClient({"--data", Folder().string(), "users"}, who);
    }

    TempFolder m_temp;
};

TEST_F(CommandLineTest, UsersOnAFreshFolderListsTheSampleUsers) {
    test::RunResult result = Users();
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out.substr(0, result.out.find('\n') + 1), "1234567\towner\tÉlodie Mercier\n");
    for (const char* line :
         {"2000001\tcontact\tΓιώργος Παπαδόπουλος\n", "2000002\tcontact\tАнна Кузнецова\n",
          "2000003\tcontact\t山田 太郎\n", "9000001\tgroup\tAmis de la poésie · Поэзия · 詩\n"})
        EXPECT_NE(result.out.find(line), std::string::npos) << line;
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 15);
    // The second run reads the same file.
    EXPECT_EQ(Users().out, result.out);
}

TEST_F(CommandLineTest, DefaultFolderFollowsTheDataHome) {
    setenv("XDG_DATA_HOME", m_temp.Path().c_str(), 1);
    test::RunResult result = RunClient({"users"});
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(std::filesystem::exists(m_temp.Path() / "nuvclient" / "nuvclient.db"));
}

TEST_F(CommandLineTest, HelpAndVersionSucceed) {
    test::RunResult help = RunClient({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--data"), std::string::npos);
    EXPECT_NE(help.out.find("users"), std::string::npos);
    test::RunResult version = RunClient({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("nuvclient ") + NUV_VERSION + "\n");
}

class BadUsageTest : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(BadUsageTest, ExitsWithStatusTwo) {
    test::RunResult result = RunClient(GetParam());
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err, "");
    EXPECT_EQ(result.out, "");
}

INSTANTIATE_TEST_SUITE_P(CommandLine, BadUsageTest,
                         ::testing::Values(std::vector<std::string>{},
                                           std::vector<std::string>{"open", "owner", "5"},
                                           std::vector<std::string>{"open", "contact"},
                                           std::vector<std::string>{"open", "window", "3"},
                                           std::vector<std::string>{"open", "pane", "x"},
                                           std::vector<std::string>{"gui", "contact"},
                                           std::vector<std::string>{"gui", "owner", "5"},
                                           std::vector<std::string>{"shot", "owner"},
                                           std::vector<std::string>{"shot", "contact", "a.png"},
                                           std::vector<std::string>{"shot", "owner", "5", "a.png"},
                                           std::vector<std::string>{"shot", "desk", "a.png"},
                                           std::vector<std::string>{"shot", "pane", "x", "a.png"},
                                           std::vector<std::string>{"--frobnicate", "users"},
                                           std::vector<std::string>{"--data"},
                                           std::vector<std::string>{"users", "extra"}));

// Each broken store gives status 1 and a message naming the file and the problem, and
// leaves the file exactly as it was.
struct BrokenStore {
    const char* name;
    std::function<void(const std::filesystem::path&)> damage;
    const char* problem;
};

void PrintTo(const BrokenStore& store, std::ostream* out) {
    *out << store.name;
}

class BrokenStoreTest : public CommandLineTest,
                        public ::testing::WithParamInterface<BrokenStore> {};

TEST_P(BrokenStoreTest, FailsWithStatusOneAndLeavesTheFileAlone) {
    CreateStore();
    GetParam().damage(File());
    std::string bytes = test::ReadBytes(File());
    test::RunResult result = Users();
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find(File().string()), std::string::npos) << result.err;
    EXPECT_NE(result.err.find(GetParam().problem), std::string::npos) << result.err;
    EXPECT_EQ(test::ReadBytes(File()), bytes);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, BrokenStoreTest,
    ::testing::Values(BrokenStore{"GarbledHeader",
                                  [](const std::filesystem::path& file) {
                                      std::string bytes = test::ReadBytes(file);
                                      bytes.replace(0, 16, "garbage garbage!");
                                      test::WriteBytes(file, bytes);
                                  },
                                  "not a database"},
                      // The last page is not one that listing the users reads.
                      BrokenStore{"GarbledLastPage",
                                  [](const std::filesystem::path& file) {
                                      std::string bytes = test::ReadBytes(file);
                                      for (size_t k = bytes.size() - 4088; k < bytes.size(); k += 5)
                                          bytes[k] = '\xA5';
                                      test::WriteBytes(file, bytes);
                                  },
                                  "the database is corrupt"},
                      BrokenStore{"Truncated",
                                  [](const std::filesystem::path& file) {
                                      std::filesystem::resize_file(
                                          file, std::filesystem::file_size(file) / 2);
                                  },
                                  "truncated"},
                      BrokenStore{"Empty",
                                  [](const std::filesystem::path& file) {
                                      std::filesystem::resize_file(file, 0);
                                  },
                                  "not a nuvclient store"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CommandLineTest, ReadOnlyFolderFailsWithStatusOne) {
    CreateStore();
    std::string bytes = test::ReadBytes(File());
    chmod(m_temp.Path().c_str(), 0755);
    chmod(Folder().c_str(), 0555);
    test::RunResult result = Users(RunAs::Unprivileged);
    EXPECT_EQ(result.status, 1) << result.err;
    EXPECT_NE(result.err.find(Folder().string()), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("read-only"), std::string::npos) << result.err;
    EXPECT_EQ(test::ReadBytes(File()), bytes);
}

TEST_F(CommandLineTest, ReadOnlyFolderOnFirstRunFailsWithStatusOne) {
    std::filesystem::create_directory(Folder());
    chmod(m_temp.Path().c_str(), 0755);
    chmod(Folder().c_str(), 0555);
    test::RunResult result = Users(RunAs::Unprivileged);
    EXPECT_EQ(result.status, 1) << result.err;
    EXPECT_NE(result.err.find(Folder().string() + ": the data folder is read-only"),
              std::string::npos)
        << result.err;
    EXPECT_TRUE(std::filesystem::is_empty(Folder()));
}

TEST_F(CommandLineTest, LockedDatabaseFailsWithStatusOne) {
    CreateStore();
    std::string bytes = test::ReadBytes(File());
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(File().c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE", nullptr,
                           nullptr, nullptr),
              SQLITE_OK);
    test::RunResult result = Users();
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find(File().string() + ": the database is locked"), std::string::npos)
        << result.err;
    EXPECT_EQ(test::ReadBytes(File()), bytes);
}

TEST_F(CommandLineTest, FolderThatCannotBeCreatedFailsWithStatusOne) {
    test::WriteBytes(m_temp.Path() / "plain-file", "not a folder");
    std::filesystem::path folder = m_temp.Path() / "plain-file" / "data";
    test::RunResult result = RunClient({"--data", folder.string(), "users"});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find(folder.string() + ": cannot create the data folder"),
              std::string::npos)
        << result.err;
    EXPECT_EQ(test::ReadBytes(m_temp.Path() / "plain-file"), "not a folder");
}

}  // namespace
}  // namespace nuvclient
