#include "client/store/CommitWatch.h"

#include "client/store/Database.h"
#include "tests/client/ClientTestSupport.h"

namespace nuvclient {
namespace {

class CommitWatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_db.Execute("PRAGMA journal_mode = WAL; CREATE TABLE notes (text TEXT)");
        m_db.QueryInteger("SELECT count(*) FROM notes");
        m_watch.Locate(m_db.Handle());
    }

    std::filesystem::path File() const { return m_temp.Path() / "notes.db"; }

    test::TempFolder m_temp;
    Database m_db{File(), OpenMode::Create};
    CommitWatch m_watch;
};

TEST_F(CommitWatchTest, EveryCommitByAnyConnectionEndsTheMark) {
    EXPECT_FALSE(m_watch.Unchanged()) << "nothing marked yet";
    m_watch.Mark();
    EXPECT_TRUE(m_watch.Unchanged());

    Database other(File(), OpenMode::ExistingOnly);
    other.Execute("INSERT INTO notes VALUES ('other connection')");
    EXPECT_FALSE(m_watch.Unchanged());
    EXPECT_FALSE(m_watch.Unchanged()) << "a later look does not forget the commit";

    m_watch.Mark();
    m_db.Execute("INSERT INTO notes VALUES ('own connection')");
    EXPECT_FALSE(m_watch.Unchanged());

    m_watch.Mark();
    ASSERT_EQ(test::RunSqliteProgram(File(), "INSERT INTO notes VALUES ('other process')"), 0);
    EXPECT_FALSE(m_watch.Unchanged());

    m_watch.Mark();  // Reads by any connection keep it.
    EXPECT_EQ(other.QueryInteger("SELECT count(*) FROM notes"), 3);
    EXPECT_EQ(m_db.QueryInteger("SELECT count(*) FROM notes"), 3);
    EXPECT_TRUE(m_watch.Unchanged());
}

TEST(CommitWatchModeTest, ConnectionOutsideTheLogModeHasNothingToWatch) {
    test::TempFolder temp;
    Database db(temp.Path() / "plain.db", OpenMode::Create);
    db.Execute("CREATE TABLE notes (text TEXT)");
    CommitWatch watch;
    watch.Locate(db.Handle());
    watch.Mark();
    EXPECT_FALSE(watch.Unchanged());
    EXPECT_FALSE(std::filesystem::exists(temp.Path() / "plain.db-shm"));
}

}  // namespace
}  // namespace nuvclient
