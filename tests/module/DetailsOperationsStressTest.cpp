// Many details windows and group dialogs over the reference client, each starting a database
// operation and closed at a random moment while the directory's worker reports: nothing races,
// nothing leaks, and every dialog is gone at the end.
#include <random>

#include "ClientOperationsSupport.h"
#include "ModuleTestSupport.h"
#include "module/host/DetailsWindowMessages.h"

namespace moduletest {
namespace {

using nuvclient::Value;
using nuvclient::WindowKind;

constexpr std::uint32_t kSampleGroup = 9000001;

class DetailsOperationsStressTest : public ClientOperationsFixture {
protected:
    struct Opened {
        HWND window;  // what the host closes
        HWND dialog;  // the details dialog in it
    };
    // Opens a window in one of the ways an operation starts, and starts it.
    Opened OpenAndStart(std::mt19937& random) {
        switch (random() % 5) {
            case 0: {
                // A stale contact's window fetches as it opens; one up to date on request.
                const HWND contact = Open(WindowKind::Contact, kSampleGreek);
                const HWND retrieve = contact ? GetDlgItem(contact, IDC_DETAILS_SAVE) : nullptr;
                if (IsWindowEnabled(retrieve)) agent.Click(retrieve);
                return {contact, contact};
            }
            case 1: {
                const HWND owner = Open(WindowKind::Owner);
                if (!owner) return {};
                agent.Type(GetDlgItem(MainPage(owner), IDC_MAIN_NICKNAME),
                           "Lodie " + std::to_string(random()));
                agent.Click(GetDlgItem(owner, IDC_DETAILS_SAVE));
                return {owner, owner};
            }
            case 2: {
                const HWND owner = Open(WindowKind::Owner);
                agent.QueueMessageBoxAnswer(IDYES);
                if (owner) agent.Click(GetDlgItem(owner, IDC_DETAILS_UPDATE));
                return {owner, owner};
            }
            case 3: {
                const HWND group = Open(WindowKind::Group, kSampleGroup);
                if (group) agent.Click(GetDlgItem(group, IDC_EGROUP_UPDATE));
                return {group, group};
            }
            default: {
                const HWND frame = Open(WindowKind::Pane, kSampleGreek);
                const HWND pane = frame ? GetWindow(frame, GW_CHILD) : nullptr;
                if (pane) agent.Click(GetDlgItem(pane, IDC_DETAILS_SAVE));
                return {frame, pane};
            }
        }
    }
};

TEST_F(DetailsOperationsStressTest, ThousandWindowsClosedAtRandomMomentsWhileTheWorkerReports) {
    m_store->WriteKey(kSampleGreek, "LastUpdateDate", Value::UInt32(0));
    StartHost({std::chrono::milliseconds(1), std::nullopt});
    std::mt19937 random(20261207);
    int closedBusy = 0;
    for (int i = 0; i < 1000; ++i) {
        const auto [window, dialog] = OpenAndStart(random);
        ASSERT_TRUE(window && dialog);
        switch (random() % 3) {
            case 0: break;
            case 1: std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000)); break;
            case 2: winport::PumpMessages(); break;
        }
        if (Busy(dialog)) ++closedBusy;
        // Closed as a person or the host would: the close request, or the window destroyed
        // (the pane always so, by its host).
        if (window == dialog && random() % 2) {
            SendMessage(window, WM_CLOSE, 0, 0);
        } else {
            DestroyWindow(window);
        }
        ASSERT_FALSE(IsWindow(window));
    }
    winport::PumpMessages();
    EXPECT_GT(closedBusy, 100) << "most windows should close while their operation runs";
    EXPECT_TRUE(CanUnload()) << "a details dialog outlived its window";
    m_host.reset();
    EXPECT_TRUE(CanUnload());
}

}  // namespace
}  // namespace moduletest
