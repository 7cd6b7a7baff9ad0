#include "client/store/Database.h"

#include "tests/client/ClientTestSupport.h"

namespace nuvclient {
namespace {

class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_db.Execute("PRAGMA journal_mode = WAL; CREATE TABLE notes (text TEXT)");
    }

    std::filesystem::path File() const { return m_temp.Path() / "notes.db"; }

    test::TempFolder m_temp;
    Database m_db{File(), OpenMode::Create};
};

// Checked again and again, as the store does on every read, the version moves exactly when
// another connection or process has committed since the last look.
TEST_F(DatabaseTest, DataVersionMovesWithEveryCommitOfAnotherConnectionOnly) {
    Database other(File(), OpenMode::ExistingOnly);
    std::int64_t version = m_db.DataVersion();
    for (int round = 0; round < 3; ++round) {
        EXPECT_EQ(m_db.DataVersion(), version) << round;
        EXPECT_EQ(m_db.DataVersion(), version) << round;

        other.Execute("INSERT INTO notes VALUES ('other')");
        const std::int64_t afterOther = m_db.DataVersion();
        EXPECT_NE(afterOther, version) << round;
        EXPECT_EQ(m_db.DataVersion(), afterOther) << round;

        ASSERT_EQ(test::RunSqliteProgram(File(), "INSERT INTO notes VALUES ('process')"), 0);
        const std::int64_t afterProcess = m_db.DataVersion();
        EXPECT_NE(afterProcess, afterOther) << round;

        m_db.Execute("INSERT INTO notes VALUES ('own')");
        EXPECT_EQ(other.QueryInteger("SELECT count(*) FROM notes"), 3 * (round + 1));
        EXPECT_EQ(m_db.DataVersion(), afterProcess) << round << ": own commits do not count";
        version = afterProcess;
    }
}

}  // namespace
}  // namespace nuvclient
