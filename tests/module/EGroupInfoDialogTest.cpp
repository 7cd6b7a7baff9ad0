// The e-mail group dialog: the group's details, its registration page opened safely, Update
// through the directory, and the owner's choice stored only once he has confirmed it.
#include "ModuleTestSupport.h"
#include "hostlib/res/HostResourceIds.h"
#include "hostlib/util/Browser.h"
#include "module/host/HostIds.h"
#include "module/host/MIEmailGroup.h"
#include "module/host/MIPropertySetSource.h"
#include "platform/controls/AnimationApi.h"

namespace moduletest {
namespace {

// A group as a host hands it out: its record in the contact view.
class TestGroup final : public winport::ComObject<MIUserObject, MIPropertySetSource, MIEmailGroup> {
public:
    HRESULT GetPropertySet(const char*, MINUVPropertySet** set) override {
        *set = record.Get();
        (*set)->AddRef();
        return S_OK;
    }
    winport::ComPtr<MCMemoryPropertySet> record = MCMemoryPropertySet::Create();
};

class EGroupInfoDialogTest : public ModuleFixture {
protected:
    void SetUp() override {
        ModuleFixture::SetUp();
        MCVariantPropertySet record(group->record.Get());
        record["MyDefinedHandle"] = "Amis de la poésie";
        record["UINString"] = "9000001";
        record["About"] = "Un poème par jour.";
        record["HomeHomepage"] = "poesie.example.org/inscription";
        record["Available"] = 1u;
        record["ShowInfoOnEgroupInfo"] = true;
    }
    void TearDown() override {
        group.Reset();
        ModuleFixture::TearDown();
    }
    HWND Open() {
        return HandleOf(
            module->OpenUserDetails(group->Unknown(), contact, 0, false, false, nullptr));
    }
    static HWND HandleOf(CWnd* window) { return window ? window->m_hWnd : nullptr; }
    MCVariantPropertySet Record() { return MCVariantPropertySet(group->record.Get()); }
    // The notice, answered with |button| and its box ticked or not.
    void AnswerNotice(int button, bool dontShowAgain) {
        agent.QueueDialogHandler(IDD_BC_WARNING, [=, this](HWND notice) {
            if (dontShowAgain) agent.Tick(GetDlgItem(notice, IDC_BC_WARNING_DONTSHOW));
            agent.Click(GetDlgItem(notice, button));
        });
    }

    winport::ComPtr<TestGroup> group = winport::MakeComObject<TestGroup>();
};

TEST_F(EGroupInfoDialogTest, ShowsTheGroupAndOpensItsPageAsAWebPage) {
    const HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Text(dialog), "E-NUV Info");
    EXPECT_EQ(Texts(dialog, {IDC_EGROUP_NAME, IDC_EGROUP_NUMBER, IDC_EGROUP_DESCRIPTION}),
              "Amis de la poésie|9000001|Un poème par jour.");
    EXPECT_EQ(SendMessage(Item(dialog, IDC_EGROUP_PUBLISH), BM_GETCHECK, 0, 0), BST_CHECKED);
    ASSERT_TRUE(agent.Click(Item(dialog, IDC_EGROUP_GOTO)));
    EXPECT_EQ(OpenedAddresses(), std::vector<std::string>{"http://poesie.example.org/inscription"});
    DestroyWindow(dialog);

    // No page: no button. A page that is no web page is not opened.
    for (const char* page : {"", "javascript:alert(1)"}) {
        Record()["HomeHomepage"] = page;
        const HWND other = Open();
        EXPECT_EQ(IsWindowEnabled(Item(other, IDC_EGROUP_GOTO)) != FALSE, *page != '\0') << page;
        SendMessage(other, WM_COMMAND, IDC_EGROUP_GOTO, 0);
        DestroyWindow(other);
    }
    EXPECT_EQ(OpenedAddresses().size(), 1u);
}

// Clearing the box is confirmed in a notice first (group-publication.nuv backs out of one and
// accepts one with "don't show again"; ticking it stores 1 without a word). Cancel stores nothing,
// and a notice turned off is not shown.
TEST_F(EGroupInfoDialogTest, TheChoiceIsStoredOnlyOnceConfirmed) {
    HWND dialog = Open();
    ASSERT_TRUE(agent.Tick(Item(dialog, IDC_EGROUP_PUBLISH), winport::CheckState::Unchecked));
    ASSERT_TRUE(agent.Click(Item(dialog, IDCANCEL)));
    EXPECT_EQ(static_cast<unsigned>(Record()["Available"]), 1u) << "Cancel stores nothing";

    Record()["ShowInfoOnEgroupInfo"] = false;
    dialog = Open();
    ASSERT_TRUE(agent.Tick(Item(dialog, IDC_EGROUP_PUBLISH), winport::CheckState::Unchecked));
    ASSERT_TRUE(agent.Click(Item(dialog, IDOK)));
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_TRUE(agent.ModalDialogs().empty()) << "no notice";
    EXPECT_EQ(static_cast<unsigned>(Record()["Available"]), 0u);

    // Modal, as the host may ask for it.
    AnswerNotice(IDOK, false);
    agent.QueueDialogHandler(IDD_EGROUP_INFO,
                             [this](HWND modal) { agent.Click(GetDlgItem(modal, IDOK)); });
    EXPECT_EQ(module->OpenUserDetailsModal(group->Unknown(), contact, 0, false, false, nullptr),
              IDOK);
}

// Update fetches the group's details and shows them once; the dialog is busy meanwhile. An Update
// that cannot start, or a result after the dialog is gone, leaves nothing busy and nothing
// handled.
TEST_F(EGroupInfoDialogTest, UpdateShowsTheFetchedDetailsOnce) {
    HWND dialog = Open();
    const HWND update = Item(dialog, IDC_EGROUP_UPDATE);
    ASSERT_TRUE(agent.Click(update));
    ASSERT_EQ(host->Operations().Started().size(), 1u);
    EXPECT_EQ(host->Operations().Last().kind, "retrieve");
    EXPECT_FALSE(IsWindowEnabled(update));
    EXPECT_TRUE(winport::GetAnimationState(Item(dialog, IDC_EGROUP_ANIMATION))->playing);
    Record()["About"] = "Deux poèmes par jour.";
    const winport::ComPtr<MIDBOpCallback> callback = host->Operations().Last().callback;
    EXPECT_EQ(callback->OnDone(), S_OK);
    winport::PumpMessages();
    EXPECT_EQ(Text(Item(dialog, IDC_EGROUP_DESCRIPTION)), "Deux poèmes par jour.");
    EXPECT_TRUE(IsWindowEnabled(update));
    EXPECT_FALSE(winport::GetAnimationState(Item(dialog, IDC_EGROUP_ANIMATION))->playing);
    EXPECT_TRUE(host->Operations().Last().ended);

    host->Operations().startResult = E_FAIL;
    ASSERT_TRUE(agent.Click(update));
    EXPECT_TRUE(IsWindowEnabled(update)) << "not busy for good";
    EXPECT_EQ(agent.MessageBoxes().size(), 1u);
    host->Operations().startResult = S_OK;

    // Closed during an Update: the operation ends and its late result finds nothing.
    ASSERT_TRUE(agent.Click(update));
    const winport::ComPtr<MIDBOpCallback> late = host->Operations().Last().callback;
    ASSERT_TRUE(agent.Click(Item(dialog, IDCANCEL)));
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_TRUE(host->Operations().Last().ended);
    late->OnDone();
    winport::PumpMessages();
    EXPECT_EQ(host->Operations().Running(), 0);
}

}  // namespace
}  // namespace moduletest
