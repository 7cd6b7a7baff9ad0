#include "platform/shell/SaveAsDialog.h"

#include <gtest/gtest.h>

#include <tuple>

#include "ShellUiTestSupport.h"
#include "platform/core/LastError.h"

namespace {

using shelltest::ScriptedShellUi;
using shelltest::TestWindow;

winport::SaveAsRequest Request(HWND owner) {
    return {owner,
            "Export",
            "Ann Smith",
            "vcf",
            "vCard files (*.vcf)|*.vcf||",
            OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY};
}

TEST(SaveAsDialogTest,
     ChosenNameGetsTheExtensionIfItHasNoneTheOwnerIsDisabledAndCancelAnswersNothing) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"/tmp/card", "vcf", "/tmp/card.vcf"},
        {"/tmp/card.txt", "vcf", "/tmp/card.txt"},
        {"/tmp/my.dir/card", "vcf", "/tmp/my.dir/card.vcf"},
        {"card", ".vcf", "card.vcf"},
        {"card", "", "card"}};
    for (const auto& [path, extension, expected] : cases) {
        EXPECT_EQ(winport::WithDefaultExtension(path, extension), expected) << path << extension;
    }

    TestWindow owner;
    ScriptedShellUi ui;
    ui.saveAsAnswers = {"/tmp/out/ann"};
    EXPECT_EQ(winport::ShowSaveAsDialog(Request(owner.Handle())), "/tmp/out/ann.vcf");
    EXPECT_EQ(ui.ownerEnabled, std::vector<bool>{false});
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
    ASSERT_EQ(ui.saveAsRequests.size(), 1u);
    const winport::SaveAsRequest& asked = ui.saveAsRequests[0];
    EXPECT_EQ(std::tie(asked.owner, asked.title, asked.fileName, asked.filter, asked.flags),
              std::make_tuple(owner.Handle(), "Export", "Ann Smith", "vCard files (*.vcf)|*.vcf||",
                              DWORD{OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY}));

    ScriptedShellUi cancelling;
    cancelling.saveAsAnswers = {std::nullopt, ""};
    SetLastError(ERROR_INVALID_DATA);
    EXPECT_EQ(winport::ShowSaveAsDialog(Request(nullptr)), std::nullopt);
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
    EXPECT_EQ(winport::ShowSaveAsDialog(Request(nullptr)), std::nullopt);  // An empty name.
    EXPECT_EQ(winport::ShowSaveAsDialog(Request(nullptr)), std::nullopt);  // The headless answer.
    EXPECT_EQ(winport::ShowSaveAsDialog(Request(reinterpret_cast<HWND>(0x1234))), std::nullopt);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
    EXPECT_EQ(cancelling.saveAsRequests.size(), 3u) << "a bad owner is not asked";
}

}  // namespace
