#include <cstddef>

#include "client/cli/OpenCommand.h"
#include "client/host/ClientHost.h"
#include "client/host/HostDialogTemplates.h"
#include "client/host/UserObject.h"
#include "hostlib/util/HostStrings.h"
#include "module/host/HostIds.h"
#include "module/host/HostStringIds.h"
#include "module/host/MIInterestPicker.h"
#include "module/host/MISaveConfirmation.h"
#include "platform/automation/Agent.h"
#include "platform/com/ComRuntime.h"
#include "platform/com/TaskMemory.h"
#include "platform/dialog/DialogApi.h"
#include "platform/message/MessageApi.h"
#include "platform/resources/ResourceChain.h"
#include "platform/text/Utf16.h"
#include "platform/window/WindowApi.h"
#include "tests/client/BuildTreeHost.h"
#include "tests/client/ClientTestSupport.h"

namespace nuvclient {
namespace {

class SaveConfirmationTest : public test::StoreFixture {
protected:
    void SetUp() override {
        StoreFixture::SetUp();
        m_host = std::make_unique<ClientHost>(*m_store, test::BuildTreeHost());
        std::string problem;
        m_parent = OpenWindow(*m_host, {WindowKind::Owner}, problem);
        ASSERT_NE(m_parent, nullptr) << problem;
        ASSERT_EQ(CreateUserObject(*m_store, test::kOwner, m_owner.GetAddressOf()), S_OK);
        ASSERT_EQ(CoCreateInstance(kHostDialogsClsid, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_PPV_ARGS(m_confirmation.GetAddressOf())),
                  S_OK);
        m_question = winport::Utf8ToUtf16(BRCString(kSaveConfirmationQuestion));
        m_explanation = winport::Utf8ToUtf16(BRCString(kSaveConfirmationExplanation));
        // Opening the owner's window may have shown its own warning.
        m_dialogsBefore = m_agent.ModalDialogs().size();
    }
    void TearDown() override {
        m_confirmation.Reset();
        m_owner.Reset();
        m_host.reset();
        StoreFixture::TearDown();
        EXPECT_EQ(m_agent.PendingAnswers(), 0u) << "a queued answer was never asked for";
    }

    // Queues a handler that records what a person sees in the dialog, "caption|question|
    // explanation|buttons", and its owner, and then does |act| as a person would.
    void QueueAnswer(std::function<void(HWND dialog)> act) {
        m_agent.QueueDialogHandler(IDD_SAVE_CONFIRMATION, [this, act](HWND dialog) {
            m_seen = winport::GetWindowTextUtf8(dialog);
            for (const int id :
                 {IDC_SAVE_CONFIRMATION_QUESTION, IDC_SAVE_CONFIRMATION_EXPLANATION, IDYES, IDNO})
                m_seen += "|" + winport::GetWindowTextUtf8(GetDlgItem(dialog, id));
            m_seenOwner = GetWindow(dialog, GW_OWNER);
            m_parentEnabledMeanwhile = IsWindowEnabled(m_parent);
            act(dialog);
        });
    }
    void ClickButton(HWND dialog, int id) { EXPECT_TRUE(m_agent.Click(GetDlgItem(dialog, id))); }

    // The template ids of the modal dialogs shown since the set-up.
    std::vector<int> DialogsShown() const {
        const std::vector<int>& all = m_agent.ModalDialogs();
        return {all.begin() + static_cast<std::ptrdiff_t>(m_dialogsBefore), all.end()};
    }

    HRESULT Confirm(int* answer) {
        return m_confirmation->Confirm(m_parent, m_owner.Get(), m_question.c_str(),
                                       m_explanation.c_str(), answer);
    }

    winport::Agent m_agent;
    std::unique_ptr<ClientHost> m_host;
    HWND m_parent = nullptr;
    winport::ComPtr<MIUserObject> m_owner;
    winport::ComPtr<MISaveConfirmation> m_confirmation;
    std::u16string m_question;
    std::u16string m_explanation;
    std::string m_seen;
    HWND m_seenOwner = nullptr;
    bool m_parentEnabledMeanwhile = true;
    size_t m_dialogsBefore = 0;
};

TEST_F(SaveConfirmationTest, OnlyYesAnswersOne) {
    struct Case {
        const char* name;
        std::function<void(HWND dialog)> act;  // Null: nobody answers.
        int expected;
    };
    const Case cases[] = {
        {"Yes", [this](HWND d) { ClickButton(d, IDYES); }, 1},
        {"No", [this](HWND d) { ClickButton(d, IDNO); }, 0},
        {"Enter on the default button", [this](HWND) { EXPECT_TRUE(m_agent.PressKey(VK_RETURN)); },
         1},
        {"Escape", [this](HWND) { EXPECT_TRUE(m_agent.PressKey(VK_ESCAPE)); }, 0},
        {"closing the window", [](HWND d) { SendMessage(d, WM_CLOSE, 0, 0); }, 0},
        {"nobody answers", nullptr, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.act) QueueAnswer(c.act);
        int answer = -1;
        EXPECT_EQ(Confirm(&answer), S_OK);
        EXPECT_EQ(answer, c.expected);
        EXPECT_TRUE(IsWindowEnabled(m_parent)) << "the parent stays disabled";
    }
    const std::vector<int> shown(std::size(cases), IDD_SAVE_CONFIRMATION);
    EXPECT_EQ(DialogsShown(), shown);
}

TEST_F(SaveConfirmationTest, ShowsBothTextsOverItsDisabledParent) {
    m_question = u"Ανέβασμα τώρα;";
    QueueAnswer([this](HWND dialog) { ClickButton(dialog, IDNO); });
    int answer = -1;
    ASSERT_EQ(Confirm(&answer), S_OK);

    EXPECT_EQ(m_seen, "Confirm Upload|Ανέβασμα τώρα;|" + BRCString(kSaveConfirmationExplanation) +
                          "|Yes|No");
    EXPECT_EQ(std::pair(m_seenOwner, m_parentEnabledMeanwhile), std::pair(m_parent, false));
    EXPECT_TRUE(IsWindowEnabled(m_parent));
}

TEST_F(SaveConfirmationTest, BadArgumentsFailWithoutADialog) {
    EXPECT_EQ(Confirm(nullptr), E_POINTER);
    int answer = -1;
    EXPECT_EQ(m_confirmation->Confirm(reinterpret_cast<HWND>(0x7fff0001), m_owner.Get(),
                                      m_question.c_str(), m_explanation.c_str(), &answer),
              E_INVALIDARG);
    EXPECT_EQ(answer, 0);
    EXPECT_TRUE(DialogsShown().empty());
    // Null texts read as empty ones.
    QueueAnswer([this](HWND dialog) { ClickButton(dialog, IDYES); });
    EXPECT_EQ(m_confirmation->Confirm(m_parent, nullptr, nullptr, nullptr, &answer), S_OK);
    EXPECT_EQ(answer, 1);
    EXPECT_EQ(m_seen, "Confirm Upload|||Yes|No");
}

// How a COM object answers its interfaces is the platform's (ComObjectTest); which ones it
// answers, and what its creation leaves behind, are the host's.
TEST_F(SaveConfirmationTest, AnswersItsInterfacesCountsItsReferencesAndLastsAsLongAsTheHost) {
    const long live = LiveHostObjects::Count();
    winport::ComPtr<MIInterestPicker> picker;
    EXPECT_EQ(m_confirmation->QueryInterface(IID_PPV_ARGS(picker.GetAddressOf())), S_OK);
    EXPECT_NE(picker, nullptr);
    picker.Reset();
    winport::ComPtr<MIUserObject> foreign;
    EXPECT_EQ(CoCreateInstance(kHostDialogsClsid, nullptr, CLSCTX_INPROC_SERVER,
                               IID_PPV_ARGS(foreign.GetAddressOf())),
              E_NOINTERFACE);
    EXPECT_EQ(foreign, nullptr);
    EXPECT_EQ(LiveHostObjects::Count(), live);
    m_confirmation.Reset();
    EXPECT_EQ(LiveHostObjects::Count(), live - 1);

    // The class and the dialog last as long as the host.
    EXPECT_NE(winport::FindDialogTemplate(IDD_SAVE_CONFIRMATION), nullptr);
    m_owner.Reset();
    m_host.reset();
    winport::ComPtr<MISaveConfirmation> late;
    EXPECT_EQ(CoCreateInstance(kHostDialogsClsid, nullptr, CLSCTX_INPROC_SERVER,
                               IID_PPV_ARGS(late.GetAddressOf())),
              REGDB_E_CLASSNOTREG);
    EXPECT_EQ(winport::FindDialogTemplate(IDD_SAVE_CONFIRMATION), nullptr);
}

// The interest picker over the owner's window: the category and keywords it is given shown, a
// person's choice answered with 1 and the keywords in new task memory, Cancel changing nothing.
TEST_F(SaveConfirmationTest, TheInterestPickerAnswersWhatThePersonChose) {
    winport::ComPtr<MIInterestPicker> picker;
    ASSERT_EQ(m_confirmation->QueryInterface(IID_PPV_ARGS(picker.GetAddressOf())), S_OK);
    const struct {
        const char* name;
        LONG category;
        std::function<void(HWND)> act;
        LONG result;
        LONG chosen;
        std::string keywords;
        std::string shown;
    } cases[] = {
        {"OK", 120,
         [this](HWND dialog) {
             ASSERT_TRUE(
                 m_agent.PickComboItem(GetDlgItem(dialog, IDC_INTEREST_PICKER_CATEGORY), "Music"));
             ASSERT_TRUE(
                 m_agent.Type(GetDlgItem(dialog, IDC_INTEREST_PICKER_KEYWORDS), "ρεμπέτικο"));
             m_agent.Click(GetDlgItem(dialog, IDOK));
         },
         1, 117, "ρεμπέτικο", "Travel|onsen"},
        {"Cancel", 120, [this](HWND dialog) { m_agent.Click(GetDlgItem(dialog, IDCANCEL)); }, 0,
         120, "onsen", "Travel|onsen"},
        {"unknown code", 4242, [this](HWND dialog) { m_agent.Click(GetDlgItem(dialog, IDOK)); }, 1,
         0, "onsen", "|onsen"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string shown;
        m_agent.QueueDialogHandler(IDD_INTEREST_PICKER, [&](HWND dialog) {
            shown = winport::GetWindowTextUtf8(GetDlgItem(dialog, IDC_INTEREST_PICKER_CATEGORY)) +
                    "|" +
                    winport::GetWindowTextUtf8(GetDlgItem(dialog, IDC_INTEREST_PICKER_KEYWORDS));
            c.act(dialog);
        });
        LONG category = c.category;
        char* keywords = winport::CopyToTaskMemory("onsen");
        LONG result = -1;
        EXPECT_EQ(picker->Pick(m_parent, &category, &keywords, &result), S_OK);
        EXPECT_EQ(std::tuple(shown, result, category, std::string(keywords)),
                  std::tuple(c.shown, c.result, c.chosen, c.keywords));
        CoTaskMemFree(keywords);
        EXPECT_TRUE(IsWindowEnabled(m_parent));
    }
    LONG category = 0;
    char* keywords = nullptr;
    LONG result = 0;
    EXPECT_EQ(picker->Pick(m_parent, &category, &keywords, nullptr), E_POINTER);
    EXPECT_EQ(picker->Pick(reinterpret_cast<HWND>(0x777), &category, &keywords, &result),
              E_INVALIDARG);
}

}  // namespace
}  // namespace nuvclient
