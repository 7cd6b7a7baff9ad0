#include "client/directory/DirectoryService.h"

#include "client/directory/DirectoryOptions.h"
#include "client/host/ClientHost.h"
#include "client/store/StoreError.h"
#include "tests/client/BuildTreeHost.h"
#include "tests/client/DirectoryTestSupport.h"
#include "tests/client/PowerLossVfs.h"

namespace nuvclient {
namespace {

using namespace std::chrono_literals;
using test::kGeorge;
using test::kGroup;
using test::kOwner;

// Sample dates: what the store holds for George, and the date the directory's details carry.
constexpr std::int64_t kGeorgeHeld = 1761955200;
constexpr std::int64_t kGeorgePublished = 1764547200;

class DirectoryTest : public test::DirectoryFixture {};

class ForeignUser final : public winport::ComObject<MIUserObject> {};

// A detail removed from the directory is removed from the contact too.
TEST_F(DirectoryTest, RetrievalBringsNewerDetailsFromTheWorkerAndKeepsTheOwnersSettings) {
    ASSERT_EQ(Integer(*m_store, kGeorge, "LastUpdateDate"), kGeorgeHeld);
    m_store->WriteKey(kGeorge, "Remarks", Value::Text("Met again in Thessaloniki"));
    m_store->WriteKey(kGeorge, "MyDefinedHandle", Value::Text("Captain"));
    const Record before = m_store->ReadRecord(kGeorge);
    ASSERT_TRUE(Directory()->RemoveKey(kGeorge, "WorkFax"));
    Service();

    const test::Report report = Run<MIRetrieveDetailsOp>(kGeorge);
    EXPECT_TRUE(report.done);
    EXPECT_NE(report.thread, std::this_thread::get_id()) << "reported on the starting thread";

    EXPECT_EQ(Text(*m_store, kGeorge, "HomeCity"), "Θεσσαλονίκη");
    EXPECT_EQ(Text(*m_store, kGeorge, "WorkCompany"), "Λιμάνι Θεσσαλονίκης Α.Ε.");
    EXPECT_EQ(Integer(*m_store, kGeorge, "Age"), 42);
    EXPECT_EQ(Integer(*m_store, kGeorge, "LastUpdateDate"), kGeorgePublished);
    EXPECT_EQ(Integer(*m_store, kGeorge, "LastKnownUpdateDate"), kGeorgePublished);
    EXPECT_EQ(m_store->ReadKey(kGeorge, "WorkFax"), std::nullopt);
    const Record after = m_store->ReadRecord(kGeorge);
    for (const char* own :
         {"Remarks", "MyDefinedHandle", "Display", "AdditionalEmails", "DefaultEmailNum",
          "DontUpdateGMT", "BirthDayReminder", "BirthDayReminderDays", "AlreadyRemindedBirthday",
          "UserShowIP", "IP", "UINString", "DefinedHandle", "UserType"}) {
        ASSERT_NE(before.Find(own), nullptr) << own;
        ASSERT_NE(after.Find(own), nullptr) << own << " was removed";
        EXPECT_EQ(*after.Find(own), *before.Find(own)) << own << " was overwritten";
    }
    EXPECT_EQ(Text(*m_store, kGeorge, "Remarks"), "Met again in Thessaloniki");

    // The owner's time zone override survives a retrieval only while it is set.
    for (const bool overridden : {true, false}) {
        m_store->WriteKey(kGeorge, "DontUpdateGMT", Value::Bool(overridden));
        m_store->WriteKey(kGeorge, "TimeZone", Value::Int8(10));
        Service();
        EXPECT_TRUE(Run<MIRetrieveDetailsOp>(kGeorge).done);
        EXPECT_EQ(Integer(*m_store, kGeorge, "TimeZone"), overridden ? 10 : -4) << overridden;
    }
}

TEST_F(DirectoryTest, AGroupRetrievalRefreshesItsPageAndDescriptionOnly) {
    auto directory = Directory();
    directory->WriteKey(kGroup, "About", Value::Text("Deux poèmes par jour"));
    directory->WriteKey(kGroup, "HomeHomepage", Value::Text("https://poesie.exemple.org/v2"));
    m_store->WriteKey(kGroup, "Available", Value::UInt32(0));
    Service();
    EXPECT_TRUE(Run<MIRetrieveDetailsOp>(kGroup).done);
    EXPECT_EQ(Text(*m_store, kGroup, "About"), "Deux poèmes par jour");
    EXPECT_EQ(Text(*m_store, kGroup, "HomeHomepage"), "https://poesie.exemple.org/v2");
    EXPECT_EQ(Text(*m_store, kGroup, "MyDefinedHandle"), "Amis de la poésie · Поэзия · 詩");
    EXPECT_EQ(Integer(*m_store, kGroup, "Available"), 0);
}

// A user the directory does not list, and a contact to upload or refresh, are reported and left
// alone.
TEST_F(DirectoryTest, AUserTheDirectoryDoesNotListOrAContactToUploadIsReportedAndLeftAlone) {
    Record record;
    record.Set("FirstName", Value::Text("Nadia"));
    m_store->AddUsers({{nuvclient::User{2000099, UserKind::Contact, "Nadia"}, record}});
    const Record george = m_store->ReadRecord(kGeorge);
    Service();
    for (const auto& [report, text] :
         {std::pair{Run<MIRetrieveDetailsOp>(2000099),
                    "User 2000099 is not listed in the directory."},
          {Run<MISaveDetailsOp>(kGeorge), "User 2000001 is not the owner."},
          {Run<MIUpdateDetailsOp>(kGeorge), "User 2000001 is not the owner."}}) {
        EXPECT_FALSE(report.done);
        EXPECT_EQ(std::pair(report.code, report.text),
                  std::pair(kDirectoryUnknownUser, std::string(text)));
    }
    EXPECT_EQ(m_store->ReadRecord(2000099), record);
    EXPECT_EQ(m_store->ReadRecord(kGeorge), george);
}

// Each section whose bit is cleared publishes its keys, one removed from the record included,
// and none of the sections still to commit nor the owner's own settings; the status is cleared.
TEST_F(DirectoryTest, EachSectionBitPublishesItsOwnKeysAndClearsTheStatus) {
    const struct {
        std::uint16_t bit;
        const char* key;
    } sections[] = {{0x04, "NickName"},
                    {0x08, "HomeHomepage"},
                    {0x10, "HomepageDescription"},
                    {0x20, "WorkCity"},
                    {0x40, "About"}};
    const std::int64_t before = Integer(*Directory(), kOwner, "LastUpdateDate");
    ASSERT_NE(Directory()->ReadKey(kOwner, "HomeFax"), std::nullopt);
    m_store->RemoveKey(kOwner, "HomeFax");
    m_store->WriteKey(kOwner, "SecurityLevel", Value::UInt8(30));
    for (const auto& section : sections) {
        for (const auto& other : sections)
            m_store->WriteKey(kOwner, other.key, Value::Text(std::string("new ") + other.key));
        m_store->WriteKey(kOwner, "UpdateInfoStatus",
                          Value::UInt16(static_cast<std::uint16_t>(0xFFFF & ~section.bit)));
        Service();
        EXPECT_TRUE(Run<MISaveDetailsOp>(kOwner).done);
        EXPECT_EQ(Integer(*m_store, kOwner, "UpdateInfoStatus"), 0xFFFF);
        // The sections uploaded in earlier rounds stay published.
        auto directory = Directory();
        for (const auto& other : sections) {
            const bool published =
                Text(*directory, kOwner, other.key) == std::string("new ") + other.key;
            EXPECT_EQ(published, other.bit <= section.bit)
                << other.key << " after uploading section " << section.bit;
        }
        EXPECT_EQ(directory->ReadKey(kOwner, "HomeFax"), std::nullopt) << "with section 0x04";
        EXPECT_EQ(directory->ReadKey(kOwner, "SecurityLevel"), std::nullopt);
        EXPECT_GT(Integer(*directory, kOwner, "LastUpdateDate"), before);
    }
}

// A failed upload, the service's failure or a disk that fills up as the upload writes the
// directory, is reported from the worker and leaves the owner's record, his sections still to
// upload, and the published details as they were.
TEST_F(DirectoryTest, AFailedUploadLeavesTheRecordAndTheDirectoryAsTheyWere) {
    m_store->WriteKey(kOwner, "HomeCity", Value::Text("Grenoble"));
    m_store->WriteKey(kOwner, "UpdateInfoStatus", Value::UInt16(0xFFFB));
    const Record record = m_store->ReadRecord(kOwner);
    const Record published = Directory()->ReadRecord(kOwner);
    const std::string unavailable = "Le service est indisponible (服务不可用)";
    for (const bool diskFull : {false, true}) {
        SCOPED_TRACE(diskFull ? "disk full" : "service failure");
        Service(diskFull ? DirectoryOptions{}
                         : DirectoryOptions{0ms, DirectoryFailure{-17, unavailable}});
        std::optional<test::PowerLossVfs> disk;
        if (diskFull) disk.emplace().FillDisk();
        const test::Report report = Run<MISaveDetailsOp>(kOwner);
        disk.reset();
        EXPECT_FALSE(report.done);
        EXPECT_EQ(std::pair(report.code, report.text),
                  diskFull ? std::pair(kDirectoryFileFailed,
                                       DirectoryFileIn(Folder()).string() + ": the disk is full")
                           : std::pair(-17, unavailable));
        EXPECT_NE(report.thread, std::this_thread::get_id());
        EXPECT_EQ(m_store->ReadRecord(kOwner), record);
        EXPECT_EQ(Directory()->ReadRecord(kOwner), published);
    }
}

TEST_F(DirectoryTest, RefreshRestoresThePublishedDetailsAndKeepsTheOwnersPreferences) {
    m_store->WriteKey(kOwner, "HomeCity", Value::Text("Grenoble"));
    m_store->WriteKey(kOwner, "UpdateInfoStatus", Value::UInt16(0xFFFB));
    m_store->WriteKey(kOwner, "SecurityLevel", Value::UInt8(30));
    Service();
    EXPECT_TRUE(Run<MIUpdateDetailsOp>(kOwner).done);
    EXPECT_EQ(Text(*m_store, kOwner, "HomeCity"), "Lyon");
    EXPECT_EQ(Integer(*m_store, kOwner, "UpdateInfoStatus"), 0xFFFF);
    EXPECT_EQ(Integer(*m_store, kOwner, "SecurityLevel"), 30);
    EXPECT_EQ(Text(*m_store, kOwner, "PrimaryEmail"), "elodie@exemple.fr");
}

// A damaged directory file fails the operation with its name and the problem, and is left as
// it was, as is the contact.
TEST_F(DirectoryTest, ADamagedDirectoryIsReportedByNameAndLeftAsItWas) {
    Service();
    Directory();
    const std::string whole = test::ReadBytes(DirectoryFileIn(Folder()));
    const struct {
        std::string bytes;
        const char* problem;
    } cases[] = {
        {std::string(4096, 'x'), "not a database"},
        {whole.substr(0, whole.size() * 2 / 3), "the file is truncated"},
        {"", "not a nuvclient directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.problem);
        test::WriteBytes(DirectoryFileIn(Folder()), c.bytes);
        const test::Report report = Run<MIRetrieveDetailsOp>(kGeorge);
        EXPECT_EQ(report.code, kDirectoryFileFailed);
        EXPECT_THAT(report.text,
                    ::testing::HasSubstr(DirectoryFileIn(Folder()).string() + ": " + c.problem));
        EXPECT_EQ(test::ReadBytes(DirectoryFileIn(Folder())), c.bytes);
        EXPECT_EQ(Integer(*m_store, kGeorge, "LastUpdateDate"), kGeorgeHeld);
    }
}

// A directory file its reader may not open: the retrieval, run by "nobody" in a child process,
// fails with the file's name and the reason, and the file and the contact are left as they were.
TEST_F(DirectoryTest, AnUnreadableDirectoryIsReportedByNameAndLeftAsItWas) {
    Directory();
    const std::filesystem::path file = DirectoryFileIn(Folder());
    const std::string bytes = test::ReadBytes(file);
    test::GiveToNobody(m_temp.Path());
    ASSERT_EQ(chmod(file.c_str(), 0), 0);
    const test::RunResult result = test::RunChild(
        [&] {
            // The parent's connection stays untouched; the child reads through its own.
            static_cast<void>(m_store.release());
            m_store = OpenDataFolder(Folder(), NUV_CLIENT_DATA_DIR);
            Service();
            const test::Report report = Run<MIRetrieveDetailsOp>(kGeorge);
            m_service.reset();
            std::cout << report.code << ' ' << report.text << std::flush;
            return 0;
        },
        test::RunAs::Unprivileged);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, std::to_string(kDirectoryFileFailed) + ' ' + file.string() +
                              ": cannot open the nuvclient directory for reading and writing "
                              "(Permission denied)");
    struct stat status {};
    ASSERT_EQ(stat(file.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0u) << "the file's permissions changed";
    ASSERT_EQ(chmod(file.c_str(), 0644), 0);
    EXPECT_EQ(test::ReadBytes(file), bytes);
    EXPECT_EQ(Integer(*m_store, kGeorge, "LastUpdateDate"), kGeorgeHeld);
}

TEST_F(DirectoryTest, StartRefusesMissingArgumentsAndForeignUsers) {
    Service();
    auto op = Create<MIRetrieveDetailsOp>();
    auto callback = winport::MakeComObject<test::RecordingCallback>();
    winport::ComPtr<MIDBOperation> operation;
    EXPECT_EQ(op->Start(User(kGeorge).Get(), nullptr, 0, operation.GetAddressOf()), E_POINTER);
    EXPECT_EQ(op->Start(nullptr, callback.Get(), 0, operation.GetAddressOf()), E_POINTER);
    EXPECT_EQ(op->Start(User(kGeorge).Get(), callback.Get(), 0, nullptr), E_POINTER);
    EXPECT_EQ(operation, nullptr);
    // A user object that is no user of this client.
    auto stranger = winport::MakeComObject<ForeignUser>();
    EXPECT_EQ(op->Start(stranger.Get(), callback.Get(), 0, operation.GetAddressOf()), E_INVALIDARG);
    EXPECT_EQ(operation, nullptr);
    EXPECT_EQ(stranger->RefCount(), 1u);
    EXPECT_EQ(callback->RefCount(), 1u);
    EXPECT_FALSE(callback->WaitFor(1, 50ms));
}

TEST(DirectoryOptionsTest, AFailureIsACodeAColonAndAText) {
    EXPECT_EQ(ParseDirectoryFailure("42:Service down"), (DirectoryFailure{42, "Service down"}));
    EXPECT_EQ(ParseDirectoryFailure("-7:a:b"), (DirectoryFailure{-7, "a:b"}));
    EXPECT_EQ(ParseDirectoryFailure("+5:"), (DirectoryFailure{5, ""}));
    EXPECT_EQ(ParseDirectoryFailure("3:Ελληνικά"), (DirectoryFailure{3, "Ελληνικά"}));
    for (const char* bad :
         {"", ":text", "x:text", "42", "4 2:text", "+:text", "1e3:text", "99999999999:text"})
        EXPECT_EQ(ParseDirectoryFailure(bad), std::nullopt) << bad;
}

TEST_F(DirectoryTest, TheHostServesTheOperationsWithItsOptionsWhileItLives) {
    {
        ClientOptions options = test::BuildTreeHost();
        options.directory.failure = DirectoryFailure{12, "No network"};
        ClientHost host(*m_store, options);
        winport::ComPtr<IUnknown> object;
        ASSERT_EQ(
            host.Services().CreateHostObject(MIRetrieveDetailsOp::kIid, object.GetAddressOf()),
            S_OK);
        winport::ComPtr<MIRetrieveDetailsOp> retrieve;
        ASSERT_EQ(object.As(&retrieve), S_OK);
        const test::Report report = Run<MIRetrieveDetailsOp>(test::kGeorge);
        EXPECT_EQ(report.code, 12);
        EXPECT_EQ(report.text, "No network");
        EXPECT_THROW(ClientHost second(*m_store, test::BuildTreeHost()), std::runtime_error)
            << "a second host at once";
    }
    winport::ComPtr<IUnknown> object;
    for (const IID& iid :
         {MIRetrieveDetailsOp::kIid, MISaveDetailsOp::kIid, MIUpdateDetailsOp::kIid})
        EXPECT_EQ(CoCreateInstance(iid, nullptr, CLSCTX_INPROC_SERVER, IUnknown::kIid,
                                   reinterpret_cast<void**>(object.GetAddressOf())),
                  REGDB_E_CLASSNOTREG);
}

}  // namespace
}  // namespace nuvclient
