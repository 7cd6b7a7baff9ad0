// The owner's upload over the reference client and its directory service, as a person makes it:
// the confirmation it needs at high security levels. (The shipped scripts make the round trips:
// owner-save.nuv, contact-retrieve.nuv and owner-refresh.nuv; what an upload publishes is
// DirectoryTest's, a failure told DetailsOperationsTest's.)
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
                                           SecurityCase{"Level255No", 255, IDNO, false}),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace moduletest
