#include "client/cli/CommandLine.h"

#include <sqlite3.h>

#include <sstream>

#include "client/store/Store.h"
#include "tests/client/ClientTestSupport.h"

namespace nuvclient {
namespace {

using test::RunAs;
using test::RunClient;
using test::TempFolder;
using ::testing::AllOf;
using ::testing::HasSubstr;

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
        EXPECT_THAT(result.out, HasSubstr(line));
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 16);
    // The second run reads the same file, whatever the directory service is told.
    EXPECT_EQ(RunClient({"--data", Folder().string(), "--directory-latency", "5",
                         "--directory-fail", "7:x", "users"})
                  .out,
              result.out);

    // Without --data the folder follows the data home.
    setenv("XDG_DATA_HOME", m_temp.Path().c_str(), 1);
    const test::RunResult home = RunClient({"users"});
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(home.status, 0) << home.err;
    EXPECT_TRUE(std::filesystem::exists(m_temp.Path() / "nuvclient" / "nuvclient.db"));
}

// A list longer than the blocks it is written in comes out whole, each user once, in order.
TEST_F(CommandLineTest, UsersListsALongListWhole) {
    const std::string padding(40, 'x');
    std::vector<UserRecord> added;
    for (std::uint32_t n = 1; n <= 3000; ++n) {
        added.push_back(
            {{3000000 + n, UserKind::Contact, "Contact " + std::to_string(n) + padding}, {}});
    }
    CreateStore();
    OpenDataFolder(Folder(), NUV_CLIENT_DATA_DIR)->AddUsers(added);
    const test::RunResult result = Users();
    ASSERT_EQ(result.status, 0) << result.err;
    std::istringstream lines(result.out);
    std::vector<std::string> numbers;
    for (std::string line; std::getline(lines, line);) numbers.push_back(line.substr(0, 7));
    ASSERT_EQ(numbers.size(), 3016u);
    EXPECT_EQ(numbers[13], "2000013");
    for (std::size_t i = 14; i < 3014; ++i) EXPECT_EQ(numbers[i], std::to_string(2999987 + i));
    EXPECT_EQ(numbers.back(), "9000002");
    EXPECT_THAT(result.out, HasSubstr("3003000\tcontact\tContact 3000" + padding + "\n"));
}

TEST_F(CommandLineTest, HelpAndVersionSucceed) {
    test::RunResult help = RunClient({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_THAT(help.out, AllOf(HasSubstr("--data"), HasSubstr("users")));
    test::RunResult version = RunClient({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("nuvclient ") + NUV_VERSION + "\n");
}

// Each command line, its words split at the blanks, is refused as bad usage; after a bar, what
// the complaint names.
TEST(CommandLineUsageTest, BadUsageExitsWithStatusTwo) {
    for (const std::string line : {"",
                                   "open owner 5",
                                   "open contact",
                                   "open window 3",
                                   "open pane x",
                                   "gui contact",
                                   "gui owner 5",
                                   "shot owner",
                                   "shot contact a.png",
                                   "shot owner 5 a.png",
                                   "shot desk a.png",
                                   "shot pane x a.png",
                                   "export",
                                   "export 5",
                                   "export x a.vcf",
                                   "--frobnicate users",
                                   "--data",
                                   "users extra",
                                   "--directory-fail down users|CODE:TEXT",
                                   "--directory-latency -5 users|--directory-latency"}) {
        SCOPED_TRACE(line);
        const size_t bar = std::min(line.find('|'), line.size());
        std::vector<std::string> args;
        std::istringstream words(line.substr(0, bar));
        for (std::string word; words >> word;) args.push_back(word);
        test::RunResult result = RunClient(args);
        EXPECT_EQ(result.status, 2);
        EXPECT_NE(result.err, "");
        EXPECT_THAT(result.err, HasSubstr(line.substr(std::min(bar + 1, line.size()))));
        EXPECT_EQ(result.out, "");
    }
}

// Each broken store gives status 1 and a message naming the file and the problem, and
// leaves the file exactly as it was.
TEST_F(CommandLineTest, BrokenStoreFailsWithStatusOneAndIsLeftAlone) {
    const struct {
        std::function<void(std::string& bytes)> damage;
        const char* problem;
    } cases[] = {
        {[](std::string& b) { b.replace(0, 16, "garbage garbage!"); }, "not a database"},
        // The last page is not one that listing the users reads.
        {[](std::string& b) {
             for (size_t k = b.size() - 4088; k < b.size(); k += 5) b[k] = '\xA5';
         },
         "the database is corrupt"},
        {[](std::string& b) { b.resize(b.size() / 2); }, "truncated"},
        {[](std::string& b) { b.clear(); }, "not a nuvclient store"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.problem);
        std::filesystem::remove_all(Folder());
        CreateStore();
        std::string bytes = test::ReadBytes(File());
        c.damage(bytes);
        test::WriteBytes(File(), bytes);
        test::RunResult result = Users();
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.out, "");
        EXPECT_THAT(result.err, AllOf(HasSubstr(File().string()), HasSubstr(c.problem)));
        EXPECT_EQ(test::ReadBytes(File()), bytes);
    }
}

// A read-only folder, with a store in it or on the first run, is left as it was.
TEST_F(CommandLineTest, ReadOnlyFolderFailsWithStatusOne) {
    for (const bool firstRun : {false, true}) {
        SCOPED_TRACE(firstRun ? "first run" : "with a store");
        chmod(Folder().c_str(), 0755);
        std::filesystem::remove_all(Folder());
        std::filesystem::create_directory(Folder());
        if (!firstRun) CreateStore();
        const std::string bytes = firstRun ? "" : test::ReadBytes(File());
        chmod(m_temp.Path().c_str(), 0755);
        chmod(Folder().c_str(), 0555);
        test::RunResult result = Users(RunAs::Unprivileged);
        EXPECT_EQ(result.status, 1) << result.err;
        EXPECT_THAT(result.err, HasSubstr(Folder().string() + ": the data folder is read-only"));
        EXPECT_TRUE(firstRun ? std::filesystem::is_empty(Folder())
                             : test::ReadBytes(File()) == bytes);
    }
}

TEST_F(CommandLineTest, ALockedDatabaseOrAFolderThatCannotBeMadeFailsWithStatusOne) {
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
    EXPECT_THAT(result.err, HasSubstr(File().string() + ": the database is locked"));
    EXPECT_EQ(test::ReadBytes(File()), bytes);

    // A folder that cannot be created is named, and what stands in its way left alone.
    test::WriteBytes(m_temp.Path() / "plain-file", "not a folder");
    std::filesystem::path folder = m_temp.Path() / "plain-file" / "data";
    const test::RunResult blocked = RunClient({"--data", folder.string(), "users"});
    EXPECT_EQ(blocked.status, 1);
    EXPECT_THAT(blocked.err, HasSubstr(folder.string() + ": cannot create the data folder"));
    EXPECT_EQ(test::ReadBytes(m_temp.Path() / "plain-file"), "not a folder");
}

// A user's card goes to a file or to standard output, the same bytes either way; a file that
// cannot be written is named and the card written before it stays whole.
TEST_F(CommandLineTest, ExportWritesTheCardToAFileOrStandardOutput) {
    const auto Export = [this](const std::string& number, const std::filesystem::path& file) {
        return RunClient({"--data", Folder().string(), "export", number, file.string()});
    };
    const test::RunResult printed = Export("2000005", "-");
    EXPECT_EQ(printed.status, 0) << printed.err;
    EXPECT_THAT(printed.out,
                AllOf(HasSubstr("BEGIN:VCARD\r\nVERSION:2.1\r\nNUV:2000005\r\n"),
                      HasSubstr("FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:N=C3=BA=C3=B1ez "
                                "Jos=C3=A9\r\n")));
    const std::filesystem::path card = m_temp.Path() / "jose.vcf";
    test::WriteBytes(card, "an older card");
    EXPECT_EQ(Export("2000005", card).status, 0);
    EXPECT_EQ(test::ReadBytes(card), printed.out);

    for (const auto& [number, file, complaint] :
         {std::tuple{"2000005", m_temp.Path() / "missing" / "a.vcf",
                     "the vCard could not be written to " +
                         (m_temp.Path() / "missing" / "a.vcf").string() +
                         ": No such file or directory"},
          std::tuple{"42", card, std::string("no user 42")}}) {
        const test::RunResult failed = Export(number, file);
        EXPECT_EQ(failed.status, 1);
        EXPECT_THAT(failed.err, HasSubstr(complaint));
    }
    EXPECT_EQ(test::ReadBytes(card), printed.out);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_temp.Path()),
                            std::filesystem::directory_iterator()),
              2);
}

}  // namespace
}  // namespace nuvclient
