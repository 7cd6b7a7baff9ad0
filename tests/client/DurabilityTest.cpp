#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "client/store/DataFolder.h"
#include "client/store/Store.h"
#include "tests/client/ClientTestSupport.h"

namespace nuvclient {
namespace {

using test::kOwner;

// A write that returned is committed: the next process finds it whole after the writer is
// killed right after it. (The operating system keeps what was written, so this is a crash of
// the process, not a loss of power.)
TEST(DurabilityTest, ReturnedWriteIsCommittedWhenTheWriterIsKilled) {
    test::TempFolder temp;
    std::filesystem::path folder = temp.Path() / "data";
    OpenDataFolder(folder, NUV_CLIENT_DATA_DIR);
    const Value city = Value::Text("Θεσσαλονίκη");
    Record record;
    record.Set("FirstName", Value::Text("Νίκος"));
    record.Set("Language", Value::OfList({Value::UInt8(14), Value::UInt8(12)}));
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        Store store(StoreFileIn(folder));
        store.WriteKey(kOwner, "HomeCity", city);
        store.AddUsers({{{3000000, UserKind::Contact, "Νίκος"}, record}});
        kill(getpid(), SIGKILL);
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGKILL);
    Store store(StoreFileIn(folder));
    EXPECT_EQ(store.ReadKey(kOwner, "HomeCity"), city);
    EXPECT_EQ(store.ReadRecord(3000000), record);
}

}  // namespace
}  // namespace nuvclient
