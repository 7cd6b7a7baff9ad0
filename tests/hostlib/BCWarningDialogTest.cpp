#include "hostlib/framework/BCWarningDialog.h"

#include <gtest/gtest.h>

#include <optional>

#include "BCDialogTestSupport.h"
#include "RecordingServices.h"
#include "hostlib/res/HostResourceIds.h"
#include "hostlib/util/Browser.h"
#include "platform/gdi/Icon.h"

namespace {

constexpr UINT kText = bctest::kWarningText;
constexpr UINT kCaption = bctest::kWarningCaption;

// What a person saw in the warning, "caption|text|" then C for Cancel shown, B for the box shown
// and T for the box ticked at the start, and what the caller reads back after the loop.
TEST(BCWarningDialogTest, ShowsItsTextsAndIconAndReportsTheButtonAndTheBox) {
    bctest::ScopedResources resources;
    winport::Agent agent;
    BCUserInfo user{1, "Owner"};
    const struct {
        UINT textId;
        UINT captionId;
        int checkedInitially, okOnly, hideCheckBox, cancelIsDefault;
        const char* text;
        std::optional<std::pair<bool, int>> answer;  // Tick or clear the box, then press.
        std::string seen;
        INT_PTR result;
        bool dontShowAgain;
    } cases[] = {
        {kText, kCaption, 0, 0, 0, 0, nullptr, std::pair{true, IDOK},
         "Update Details|Your details will be published.|CB", IDOK, true},
        {kText, kCaption, 0, 0, 0, 1, nullptr, std::pair{false, IDCANCEL},
         "Update Details|Your details will be published.|CB", IDCANCEL, false},
        // Cancelling keeps the tick; no caption string: the template's title.
        {kText, 0, 0, 0, 0, 0, nullptr, std::pair{true, IDCANCEL},
         "Warning|Your details will be published.|CB", IDCANCEL, true},
        // OK only: Cancel hidden, the box ticked at the start.
        {kText, kCaption, 1, 1, 0, 0, nullptr, std::pair{true, IDOK},
         "Update Details|Your details will be published.|BT", IDOK, true},
        // The given text stands in for a missing string.
        {0, 0, 0, 0, 1, 0, "Plain words", std::pair{false, IDOK}, "Warning|Plain words|C", IDOK,
         false},
        {7698, 0, 0, 0, 0, 0, "Fallback", std::pair{false, IDOK}, "Warning|Fallback|CB", IDOK,
         false},
        // Unanswered: cancelled, the box clear.
        {kText, 0, 0, 0, 0, 0, nullptr, std::nullopt, "", IDCANCEL, false},
    };
    size_t shown = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.seen);
        std::string seen;
        ++shown;  // Answered or not, the warning is shown.
        if (c.answer) {
            agent.QueueDialogHandler(IDD_BC_WARNING, [&](HWND dialog) {
                const HWND box = GetDlgItem(dialog, IDC_BC_WARNING_DONTSHOW);
                seen = winport::GetWindowTextUtf8(dialog) + "|" +
                       winport::GetWindowTextUtf8(GetDlgItem(dialog, IDC_BC_WARNING_TEXT)) + "|" +
                       (IsWindowVisible(GetDlgItem(dialog, IDCANCEL)) ? "C" : "") +
                       (IsWindowVisible(box) ? "B" : "") +
                       (SendMessage(box, BM_GETCHECK, 0, 0) == BST_CHECKED ? "T" : "");
                if (IsWindowVisible(box)) {
                    agent.Tick(box, c.answer->first ? winport::CheckState::Checked
                                                    : winport::CheckState::Unchecked);
                }
                agent.Click(GetDlgItem(dialog, c.answer->second));
            });
        }
        BCWarningDialog warning(&user, c.textId, c.captionId, 7, 0, c.checkedInitially, c.okOnly,
                                c.hideCheckBox, c.cancelIsDefault, 0, c.text, nullptr, nullptr, 0);
        EXPECT_EQ(warning.DoModal(), c.result);
        EXPECT_EQ(seen, c.seen);
        EXPECT_EQ(warning.GetDontShowAgain() != 0, c.dontShowAgain);
        EXPECT_EQ(agent.ModalDialogs(), std::vector<int>(shown, IDD_BC_WARNING));
    }

    // Without an icon of the caller's, the warning shows the host's icon of the number it is given.
    const std::uint32_t pixels[4] = {0xFF0000FF, 0xFF00FF00, 0xFFFF0000, 0xFFFFFFFF};
    winport::ComPtr<bctest::RecordingServices> host =
        winport::MakeComObject<bctest::RecordingServices>();
    host->iconNumber = 7;
    host->icon = winport::CreateIconFromPixels(2, 2, pixels);
    SetHostServices(host.Get());
    for (const int number : {7, 3}) {
        SCOPED_TRACE(number);
        HICON shown = nullptr;
        agent.QueueDialogHandler(IDD_BC_WARNING, [&](HWND dialog) {
            shown = reinterpret_cast<HICON>(
                SendMessage(GetDlgItem(dialog, IDC_BC_WARNING_ICON), STM_GETICON, 0, 0));
            agent.Click(GetDlgItem(dialog, IDOK));
        });
        BCWarningDialog warning(&user, kText, kCaption, number, 0, 0, 1, 0, 0, 0, nullptr, nullptr,
                                nullptr, 0);
        EXPECT_EQ(warning.DoModal(), IDOK);
        EXPECT_EQ(shown, number == 7 ? host->icon : nullptr);
    }
    SetHostServices(nullptr);
    DestroyIcon(host->icon);
}

}  // namespace
