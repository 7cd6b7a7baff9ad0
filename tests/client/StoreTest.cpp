#include "client/store/Store.h"

#include "client/store/CommitWatch.h"
#include "client/store/Database.h"
#include "client/store/StoreError.h"
#include "tests/client/ClientTestSupport.h"

namespace nuvclient {
namespace {

using test::kGeorge;
using test::kGroup;
using test::kOwner;
using test::OwnerEmail;
using test::TempFolder;
using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::ThrowsMessage;

constexpr std::uint32_t kZoe = 2000006;

class StoreTest : public ::testing::Test {
protected:
    std::filesystem::path Folder() const { return m_temp.Path() / "data"; }
    std::unique_ptr<Store> Open() { return OpenDataFolder(Folder(), NUV_CLIENT_DATA_DIR); }

    TempFolder m_temp;
};

TEST_F(StoreTest, SampleRecordsKeepTheirTypes) {
    auto store = Open();
    Record owner = store->ReadRecord(kOwner);
    ASSERT_NE(owner.Find("UpdateInfoStatus"), nullptr);
    EXPECT_EQ(owner.Find("UpdateInfoStatus")->Type(), ValueType::UInt16);
    EXPECT_EQ(owner.Find("TimeZone")->Type(), ValueType::Int8);
    EXPECT_EQ(owner.Find("HomeZipCode")->Type(), ValueType::Text);  // digits stay text
    const Value* emails = owner.Find("AdditionalOwnerEmails");
    ASSERT_NE(emails, nullptr);
    ASSERT_EQ(emails->Type(), ValueType::List);
    ASSERT_EQ(emails->Elements().size(), 2u);
    EXPECT_EQ(emails->Elements()[1].Members().Find("HideEmail")->Integer(), 1);
    EXPECT_EQ(store->ReadRecord(kGeorge).Find("Display")->Integer(), 4294967295);
    // A sparse contact has few keys; what it lacks is simply absent.
    Record zoe = store->ReadRecord(kZoe);
    EXPECT_LT(zoe.Fields().size(), 12u);
    EXPECT_EQ(zoe.Find("HomeCity"), nullptr);
}

TEST_F(StoreTest, WholeRecordsAndSingleKeysAreReadWrittenAndRemoved) {
    Record written = test::EveryKindOfValue();
    Open()->WriteRecord(kZoe, written);
    Record read = Open()->ReadRecord(kZoe);
    EXPECT_EQ(read, written);

    // Single keys are read, written and removed.
    auto store = Open();
    Record before = store->ReadRecord(kGeorge);
    Value list = Value::OfList({OwnerEmail("x@example.org", true)});
    store->WriteKey(kGeorge, "AdditionalOwnerEmails", list);
    EXPECT_EQ(store->ReadKey(kGeorge, "AdditionalOwnerEmails"), list);
    // Rewriting a list with fewer elements leaves none of the old ones behind.
    store->WriteKey(kGeorge, "AdditionalEmails", Value::OfList({Value::Text("один")}));
    EXPECT_EQ(store->ReadKey(kGeorge, "AdditionalEmails")->Elements().size(), 1u);
    store->WriteKey(kGeorge, "TimeZone", Value::Int8(-100));
    EXPECT_EQ(store->ReadKey(kGeorge, "TimeZone"), Value::Int8(-100));
    EXPECT_TRUE(store->RemoveKey(kGeorge, "AdditionalOwnerEmails"));
    EXPECT_FALSE(store->RemoveKey(kGeorge, "AdditionalOwnerEmails"));
    EXPECT_EQ(store->ReadKey(kGeorge, "AdditionalOwnerEmails"), std::nullopt);
    Record after = store->ReadRecord(kGeorge);
    before.Set("AdditionalEmails", Value::OfList({Value::Text("один")}));
    before.Set("TimeZone", Value::Int8(-100));
    EXPECT_EQ(after, before);
    EXPECT_EQ(store->ReadRecord(kOwner).Find("AdditionalEmails"), nullptr);
}

// Reads served from the kept record still see, at once, every commit another connection or
// another process makes, however many reads came before it.
TEST_F(StoreTest, KeptRecordGivesWayToEveryOutsideCommit) {
    auto store = Open();
    auto other = Open();
    for (int round = 0; round < 3; ++round) {
        const std::string city = "Lyon " + std::to_string(round);
        for (int k = 0; k < 3; ++k)
            EXPECT_NE(store->ReadKey(kGeorge, "HomeCity"), Value::Text(city));
        other->WriteKey(kGeorge, "HomeCity", Value::Text(city));
        EXPECT_EQ(store->ReadKey(kGeorge, "HomeCity"), Value::Text(city));
        EXPECT_EQ(store->CurrentRecord(kGeorge).Find("HomeCity")->Text(), city);

        const std::string sql = "UPDATE fields SET value = 'Process " + std::to_string(round) +
                                "' WHERE user = 2000001 AND parent IS NULL AND name = 'HomeCity'";
        ASSERT_EQ(test::RunSqliteProgram(StoreFileIn(Folder()), sql), 0);
        EXPECT_EQ(store->ReadKey(kGeorge, "HomeCity"),
                  Value::Text("Process " + std::to_string(round)));
    }
    EXPECT_EQ(store->ReadRecord(kGeorge), other->ReadRecord(kGeorge));

    // Each connection's writes and removals show in the other's next read.
    store->WriteKey(kGeorge, "TimeZone", Value::Int8(6));
    EXPECT_EQ(store->ReadKey(kGeorge, "TimeZone"), Value::Int8(6));
    EXPECT_EQ(other->ReadKey(kGeorge, "TimeZone"), Value::Int8(6));
    other->RemoveKey(kGeorge, "TimeZone");
    EXPECT_EQ(store->ReadKey(kGeorge, "TimeZone"), std::nullopt);
    store->WriteRecord(kGeorge, Record{});
    EXPECT_EQ(store->ReadKey(kGeorge, "FirstName"), std::nullopt);
    EXPECT_EQ(other->ReadKey(kGeorge, "FirstName"), std::nullopt);
}

// A store holds a lock on its file for as long as it is open, so that nobody takes the file out
// of write-ahead-log mode or removes the log under it. Opening a second store on the file, whose
// checks read the file's header, must leave that lock in place.
TEST_F(StoreTest, SecondStoreOnTheFileLeavesTheFirstOnesLockInPlace) {
    auto store = Open();
    ASSERT_TRUE(store->ReadKey(kOwner, "FirstName"));
    Database(StoreFileIn(Folder()), OpenMode::ExistingOnly)
        .Execute("PRAGMA wal_checkpoint(TRUNCATE)");
    ASSERT_EQ(std::filesystem::file_size(StoreFileIn(Folder()).string() + "-wal"), 0u);
    auto second = Open();
    EXPECT_NE(test::RunSqliteProgram(StoreFileIn(Folder()), "PRAGMA journal_mode = DELETE"), 0);
    second.reset();
    EXPECT_NE(test::RunSqliteProgram(StoreFileIn(Folder()), "PRAGMA journal_mode = DELETE"), 0);
    store->WriteKey(kOwner, "FirstName", Value::Text("Élo"));
    EXPECT_EQ(Open()->ReadKey(kOwner, "FirstName"), Value::Text("Élo"));
}

TEST_F(StoreTest, UnknownUserIsAnErrorNamingTheFile) {
    auto store = Open();
    EXPECT_THAT([&] { store->WriteKey(42, "HomeCity", Value::Text("Nowhere")); },
                ThrowsMessage<StoreError>(
                    AllOf(HasSubstr(store->File().string()), HasSubstr("no user 42"))));
    EXPECT_THROW(store->ReadRecord(42), StoreError);
}

TEST_F(StoreTest, AddedUsersAreListedInOrderOfKindAndNumber) {
    auto store = Open();
    Record record;
    record.Set("FirstName", Value::Text("Ἀθηνᾶ"));
    store->AddUsers(
        {{{1000, UserKind::Contact, "Ἀθηνᾶ"}, record}, {{9999999, UserKind::Group, "Ομάδα"}, {}}});
    std::vector<User> users = store->Users();
    EXPECT_EQ(users[0].kind, UserKind::Owner);
    EXPECT_EQ(users[1], (User{1000, UserKind::Contact, "Ἀθηνᾶ"}));
    EXPECT_EQ(users.back(), (User{9999999, UserKind::Group, "Ομάδα"}));
    EXPECT_EQ(store->ReadRecord(1000), record);
    // A batch with a clash adds nothing at all.
    EXPECT_THROW(store->AddUsers({{{1001, UserKind::Contact, "new"}, {}},
                                  {{1000, UserKind::Contact, "again"}, {}}}),
                 StoreError);
    EXPECT_EQ(store->FindUser(1001), std::nullopt);
}

TEST_F(StoreTest, FailedFirstLoadLeavesNoStoreBehind) {
    std::filesystem::path broken = m_temp.Path() / "broken";
    std::filesystem::create_directory(broken);
    std::filesystem::copy_file(std::filesystem::path(NUV_CLIENT_DATA_DIR) / "schema.sql",
                               broken / "schema.sql");
    std::string sample = test::ReadBytes(std::filesystem::path(NUV_CLIENT_DATA_DIR) / "sample.sql");
    test::WriteBytes(
        broken / "sample.sql",
        sample + "\nINSERT INTO fields VALUES (100000, 1234567, NULL, 'Bad', 0, 'u8', 256);\n");
    EXPECT_THROW(OpenDataFolder(Folder(), broken), StoreError);
    EXPECT_TRUE(std::filesystem::is_empty(Folder()));
    EXPECT_EQ(Open()->Users().size(), 16u);
}

TEST_F(StoreTest, FileOfAnotherKindOrANewerSchemaVersionIsRefused) {
    std::filesystem::create_directory(Folder());
    {
        Database other(StoreFileIn(Folder()), OpenMode::Create);
        other.Execute("CREATE TABLE notes (text TEXT); PRAGMA journal_mode = WAL");
    }
    std::string bytes = test::ReadBytes(StoreFileIn(Folder()));
    EXPECT_THAT([&] { Open(); }, ThrowsMessage<StoreError>(HasSubstr("not a nuvclient store")));
    EXPECT_EQ(test::ReadBytes(StoreFileIn(Folder())), bytes);

    std::filesystem::remove_all(Folder());
    Open();
    Database(StoreFileIn(Folder()), OpenMode::ExistingOnly).Execute("PRAGMA user_version = 2");
    EXPECT_THAT([&] { Open(); }, ThrowsMessage<StoreError>(HasSubstr("schema version 2")));
}

TEST(ValueTest, FromIntegerRejectsValuesOutsideTheType) {
    Value value;
    EXPECT_TRUE(Value::FromInteger(ValueType::Int8, -128, value));
    EXPECT_EQ(value, Value::Int8(-128));
    for (const auto& [type, number] :
         std::initializer_list<std::pair<ValueType, std::int64_t>>{{ValueType::Int8, 128},
                                                                   {ValueType::UInt8, -1},
                                                                   {ValueType::UInt16, 65536},
                                                                   {ValueType::UInt32, 4294967296},
                                                                   {ValueType::Bool, 2},
                                                                   {ValueType::Text, 0}})
        EXPECT_FALSE(Value::FromInteger(type, number, value)) << number;
    // Equal numbers of different widths are different values.
    EXPECT_NE(Value::Int16(5), Value::Int32(5));
}

// A write that changes nothing commits nothing (no disk sync); one that changes the record does.
TEST_F(StoreTest, AWriteThatChangesNothingCommitsNothing) {
    struct Case {
        const char* name;
        std::function<void(Store&)> write;
        bool commits;
    };
    const Value zone = Value::Int8(-5);
    const std::vector<Case> cases = {
        {"same key value", [&](Store& s) { s.WriteKey(kGeorge, "TimeZone", zone); }, false},
        {"same record", [](Store& s) { s.WriteRecord(kGeorge, s.ReadRecord(kGeorge)); }, false},
        {"update changing nothing", [](Store& s) { s.UpdateRecord(kGeorge, [](Record&) {}); },
         false},
        {"missing key removed", [](Store& s) { s.RemoveKey(kGeorge, "NoSuchKey"); }, false},
        {"same value, other width",
         [](Store& s) { s.WriteKey(kGeorge, "TimeZone", Value::Int16(-5)); }, true},
        {"update changing a key",
         [](Store& s) {
             s.UpdateRecord(kGeorge, [](Record& r) { r.Set("HomeCity", Value::Text("Oslo")); });
         },
         true},
        {"key removed", [](Store& s) { s.RemoveKey(kGeorge, "HomeCity"); }, true},
    };
    auto store = Open();
    store->WriteKey(kGeorge, "HomeCity", Value::Text("Bergen"));
    Database watcher(StoreFileIn(Folder()), OpenMode::ExistingOnly);
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        store->WriteKey(kGeorge, "TimeZone", zone);
        const std::int64_t before = watcher.QueryInteger("PRAGMA data_version");
        test.write(*store);
        EXPECT_EQ(watcher.QueryInteger("PRAGMA data_version") != before, test.commits);
    }
    EXPECT_EQ(store->ReadKey(kGeorge, "HomeCity"), std::nullopt);
}

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

// A connection keeps its statements prepared; the same text used again while a use of it is
// still stepping gets a statement of its own, and neither disturbs the other.
TEST(DatabaseTest, SameStatementUsedWhileInUseStepsOnItsOwn) {
    test::TempFolder temp;
    Database db(temp.Path() / "numbers.db", OpenMode::Create);
    db.Execute("CREATE TABLE numbers (n INTEGER); INSERT INTO numbers VALUES (1), (2), (3)");
    const char* const sql = "SELECT n FROM numbers WHERE n >= ?1 ORDER BY n";
    std::vector<std::pair<std::int64_t, std::int64_t>> pairs;
    for (int round = 0; round < 2; ++round) {
        Statement outer(db, sql);
        outer.Bind(1, 2);
        while (outer.Step()) {
            Statement inner(db, sql);
            inner.Bind(1, outer.Integer(0));
            while (inner.Step()) pairs.emplace_back(outer.Integer(0), inner.Integer(0));
        }
    }
    const std::vector<std::pair<std::int64_t, std::int64_t>> once{{2, 2}, {2, 3}, {3, 3}};
    std::vector<std::pair<std::int64_t, std::int64_t>> twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(pairs, twice);
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
