// The owner's upload over the reference client and its directory service, as a person makes it:
// what it publishes, the confirmation it needs at high security levels, and a failure told. (The
// shipped scripts make the other round trips: contact-retrieve.nuv and owner-refresh.nuv.)
#include "ClientOperationsSupport.h"
#include "client/host/HostDialogTemplates.h"
#include "hostlib/util/HostStrings.h"
#include "platform/shell/MessageBox.h"

namespace moduletest {
namespace {

using nuvclient::Value;
using nuvclient::WindowKind;

class ClientOperationsTest : public ClientOperationsFixture {
protected:
    std::unique_ptr<nuvclient::Store> Directory() {
        return nuvclient::OpenDirectory(m_temp.Path() / "data", NUV_CLIENT_DATA_DIR);
    }
    // The owner's window with |nickname| typed and Save pressed.
    HWND SaveNickname(const std::string& nickname) {
        const HWND owner = Open(WindowKind::Owner);
        if (!owner) return nullptr;
        EXPECT_TRUE(agent.Type(GetDlgItem(MainPage(owner), IDC_MAIN_NICKNAME), nickname));
        EXPECT_TRUE(agent.Click(GetDlgItem(owner, IDC_DETAILS_SAVE)));
        return owner;
    }
};

TEST_F(ClientOperationsTest, UploadPublishesExactlyWhatTheOwnerCommitted) {
    StartHost({std::chrono::milliseconds(5), std::nullopt});
    const nuvclient::Record publishedBefore = Directory()->ReadRecord(kSampleOwner);
    const HWND owner = SaveNickname("Lodie la navigatrice");
    ASSERT_NE(owner, nullptr);
    EXPECT_TRUE(Busy(owner));
    EXPECT_EQ(winport::GetWindowTextUtf8(GetDlgItem(owner, IDC_DETAILS_CLOSE)), "Cancel");
    ASSERT_TRUE(WaitWhileBusy(owner));

    EXPECT_EQ(winport::GetWindowTextUtf8(GetDlgItem(owner, IDC_DETAILS_CLOSE)), "Done");
    EXPECT_TRUE(agent.MessageBoxes().empty());
    EXPECT_EQ(StoredNumber(kSampleOwner, "UpdateInfoStatus"), 0xFFFF);
    nuvclient::Record expected = publishedBefore;
    expected.Set("NickName", Value::Text("Lodie la navigatrice"));
    nuvclient::Record published = Directory()->ReadRecord(kSampleOwner);
    EXPECT_GT(published.Find("LastUpdateDate")->Integer(),
              publishedBefore.Find("LastUpdateDate")->Integer());
    published.Set("LastUpdateDate", *publishedBefore.Find("LastUpdateDate"));
    EXPECT_EQ(published, expected) << "only the names section was published";
}

struct SecurityCase {
    const char* label;
    std::uint8_t level;
    std::optional<int> answer;  // the owner's button, when he is asked
    bool uploads;
};

class SecurityLevelTest : public ClientOperationsTest,
                          public ::testing::WithParamInterface<SecurityCase> {};

// From security level 20 the owner confirms each upload in the host's dialog; only Yes uploads.
TEST_P(SecurityLevelTest, HighLevelsAskTheOwnerFirst) {
    m_store->WriteKey(kSampleOwner, "SecurityLevel", Value::UInt8(GetParam().level));
    StartHost();
    std::vector<std::string> asked;
    if (GetParam().answer) {
        agent.QueueDialogHandler(nuvclient::IDD_SAVE_CONFIRMATION, [&](HWND dialog) {
            asked.push_back(winport::GetWindowTextUtf8(
                GetDlgItem(dialog, nuvclient::IDC_SAVE_CONFIRMATION_QUESTION)));
            agent.Click(GetDlgItem(dialog, *GetParam().answer));
        });
    }
    const HWND owner = SaveNickname("Lodie ✓");
    ASSERT_NE(owner, nullptr);
    const bool confirmed = std::count(agent.ModalDialogs().begin(), agent.ModalDialogs().end(),
                                      nuvclient::IDD_SAVE_CONFIRMATION) == 1;
    EXPECT_EQ(confirmed, GetParam().level >= 20);
    if (GetParam().answer) {
        EXPECT_EQ(asked, std::vector<std::string>{BRCString(29041)});
    }
    EXPECT_EQ(Busy(owner), GetParam().uploads);
    ASSERT_TRUE(WaitWhileBusy(owner));
    const std::string published = GetParam().uploads ? "Lodie ✓" : "Lodie M.";
    EXPECT_EQ(Directory()->ReadKey(kSampleOwner, "NickName")->Text(), published);
}

INSTANTIATE_TEST_SUITE_P(Levels, SecurityLevelTest,
                         ::testing::Values(SecurityCase{"Level19", 19, std::nullopt, true},
                                           SecurityCase{"Level20Yes", 20, IDYES, true},
                                           SecurityCase{"Level20No", 20, IDNO, false},
                                           SecurityCase{"Level20Closed", 20, std::nullopt, false},
                                           SecurityCase{"Level255Yes", 255, IDYES, true}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(ClientOperationsTest, FailedUploadIsToldAndKeepsTheOwnersEdits) {
    StartHost({std::chrono::milliseconds(0),
               nuvclient::DirectoryFailure{-7, "Service de répertoire indisponible"}});
    const nuvclient::Record publishedBefore = Directory()->ReadRecord(kSampleOwner);
    const HWND owner = SaveNickname("Lodie M.");
    ASSERT_NE(owner, nullptr);
    ASSERT_TRUE(WaitWhileBusy(owner));

    ASSERT_EQ(agent.MessageBoxes().size(), 1u);
    EXPECT_EQ(agent.MessageBoxes()[0].request.text, "Service de répertoire indisponible");
    EXPECT_EQ(agent.MessageBoxes()[0].request.caption, "NUV");
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(owner, IDC_DETAILS_SAVE)));
    EXPECT_EQ(Stored(kSampleOwner, "NickName"), "Lodie M.");
    EXPECT_NE(StoredNumber(kSampleOwner, "UpdateInfoStatus"), 0xFFFF) << "still to upload";
    EXPECT_EQ(Directory()->ReadRecord(kSampleOwner), publishedBefore);
}

}  // namespace
}  // namespace moduletest
