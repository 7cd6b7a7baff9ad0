// The files the client reads, damaged as disks and people damage files: a command that meets one
// stops with status 1 and a message naming it, leaves it byte for byte as it was, and never
// crashes. The directory's own file is DirectoryTest's.
#include <sys/mount.h>
#include <sys/resource.h>

#include <csignal>
#include <iostream>
#include <random>

#include "client/cli/CommandLine.h"
#include "client/cli/ProgramFiles.h"
#include "tests/client/ClientTestSupport.h"

namespace nuvclient {
namespace {

using test::GiveToNobody;
using test::RunAs;
using test::RunResult;
using ::testing::AllOf;
using ::testing::HasSubstr;

enum class Damage { Truncated, Empty, Unreadable };

struct DamagedFile {
    const char* what;
    // In the data folder, else in the folder of the shipped data.
    bool inDataFolder;
    const char* name;
};

constexpr DamagedFile kFiles[] = {
    {"store", true, "nuvclient.db"},
    {"data lists", false, "datalists.json"},
    {"busy clip", false, "busy.avi"},
};

// Changes |count| bytes of |bytes| at places drawn from |seed|.
void FlipBytes(std::string& bytes, unsigned seed, int count) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::size_t> place(0, bytes.size() - 1);
    for (int i = 0; i < count; ++i) bytes[place(random)] ^= static_cast<char>(1 + random() % 255);
}

class BadFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy(NUV_CLIENT_DATA_DIR, Shipped(),
                              std::filesystem::copy_options::recursive);
        ASSERT_EQ(OpenOwner(Data()).status, 0) << "the sample data does not open";
    }

    std::filesystem::path Shipped() const { return m_temp.Path() / "shipped"; }
    std::filesystem::path Data() const { return m_temp.Path() / "data"; }
    std::filesystem::path File(const DamagedFile& file) const {
        return (file.inDataFolder ? Data() : Shipped()) / file.name;
    }

    // "nuvclient --data FOLDER open owner" over the copy of the shipped data, in a child process
    // with at most |fileSizeLimit| bytes a file when it is given.
    RunResult OpenOwner(const std::filesystem::path& folder, RunAs who = RunAs::Me,
                        rlim_t fileSizeLimit = RLIM_INFINITY) {
        return test::RunChild(
            [&] {
                const rlimit limit{fileSizeLimit, fileSizeLimit};
                signal(SIGXFSZ, SIG_IGN);
                setrlimit(RLIMIT_FSIZE, &limit);
                const std::string data = folder.string();
                const char* argv[] = {"nuvclient", "--data", data.c_str(), "open", "owner"};
                const ProgramFiles files{NUV_MODULE_PATH, Shipped()};
                const int status = RunCommandLine(5, argv, files, std::cout, std::cerr);
                std::cout.flush();
                std::cerr.flush();
                return status;
            },
            who);
    }

    test::TempFolder m_temp;
};

TEST_F(BadFilesTest, ADamagedFileStopsTheCommandWithItsNameAndIsLeftAsItWas) {
    const struct {
        Damage damage;
        const char* name;
    } damages[] = {{Damage::Truncated, "truncated"},
                   {Damage::Empty, "empty"},
                   {Damage::Unreadable, "unreadable"}};
    for (const DamagedFile& file : kFiles) {
        const std::string original = test::ReadBytes(File(file));
        for (const auto& damage : damages) {
            SCOPED_TRACE(std::string(file.what) + ", " + damage.name);
            std::string bytes = original;
            if (damage.damage == Damage::Truncated) bytes.resize(bytes.size() * 2 / 3);
            if (damage.damage == Damage::Empty) bytes.clear();
            test::WriteBytes(File(file), bytes);
            RunAs who = RunAs::Me;
            if (damage.damage == Damage::Unreadable) {
                GiveToNobody(m_temp.Path());
                ASSERT_EQ(chmod(File(file).c_str(), 0), 0);
                who = RunAs::Unprivileged;
            }
            const RunResult result = OpenOwner(Data(), who);
            EXPECT_EQ(result.status, 1) << result.out;
            EXPECT_EQ(result.out, "");
            EXPECT_THAT(result.err, HasSubstr("nuvclient: " + File(file).string() + ": "));
            EXPECT_EQ(test::ReadBytes(File(file)), bytes);
            if (damage.damage == Damage::Unreadable) {
                struct stat status {};
                ASSERT_EQ(stat(File(file).c_str(), &status), 0);
                EXPECT_EQ(status.st_mode & 07777, 0u) << "the file's permissions changed";
                chmod(File(file).c_str(), 0644);
            }
        }
        test::WriteBytes(File(file), original);
    }
}

// Bytes changed anywhere: the command either works, when the change is where it does not look,
// or stops naming the file; it never crashes, and the file is left as it was.
TEST_F(BadFilesTest, ChangedBytesAreToldOrHarmlessAndNeverCrash) {
    for (const DamagedFile& file : kFiles) {
        const std::string original = test::ReadBytes(File(file));
        for (unsigned seed = 1; seed <= 12; ++seed) {
            SCOPED_TRACE(std::string(file.what) + ", seed " + std::to_string(seed));
            std::string bytes = original;
            FlipBytes(bytes, seed, 16);
            test::WriteBytes(File(file), bytes);
            const RunResult result = OpenOwner(Data());
            EXPECT_TRUE(result.status == 0 ||
                        (result.status == 1 &&
                         result.err.find(File(file).string() + ": ") != std::string::npos))
                << "status " << result.status << ": " << result.err;
            EXPECT_EQ(test::ReadBytes(File(file)), bytes);
        }
        test::WriteBytes(File(file), original);
    }
}

// A first run on a disk too small for the store: status 1, the disk named as full, and nothing
// left behind. The disk is a small tmpfs where the tests may mount one, else a limit on the size
// of the files the command writes.
TEST_F(BadFilesTest, AFullDiskOnTheFirstRunLeavesNothingBehind) {
    const std::filesystem::path disk = m_temp.Path() / "disk";
    std::filesystem::create_directory(disk);
    const bool mounted =
        mount("nuv-test", disk.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=48k") == 0;
    const RunResult result =
        OpenOwner(disk / "data", RunAs::Me, mounted ? RLIM_INFINITY : 48 * 1024);
    EXPECT_EQ(result.status, 1);
    EXPECT_THAT(result.err,
                AllOf(HasSubstr(StoreFileIn(disk / "data").string() + ": cannot be made"),
                      HasSubstr(mounted ? "(the disk is full)" : "cannot be read or written")));
    EXPECT_TRUE(std::filesystem::is_empty(disk / "data"));
    if (mounted) {
        EXPECT_EQ(umount2(disk.c_str(), MNT_DETACH), 0);
    }
}

}  // namespace
}  // namespace nuvclient
