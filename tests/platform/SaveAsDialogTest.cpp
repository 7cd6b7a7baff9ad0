#include "platform/shell/SaveAsDialog.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "ShellUiTestSupport.h"
#include "platform/core/LastError.h"

namespace {

using shelltest::ScriptedShellUi;
using shelltest::TestWindow;

struct ExtensionCase {
    const char* path;
    const char* extension;
    const char* expected;
    friend void PrintTo(const ExtensionCase& c, std::ostream* out) {
        *out << c.path << " + " << c.extension;
    }
};

class DefaultExtensionTest : public testing::TestWithParam<ExtensionCase> {};

TEST_P(DefaultExtensionTest, IsAppendedOnlyToANameWithoutOne) {
    EXPECT_EQ(winport::WithDefaultExtension(GetParam().path, GetParam().extension),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    SaveAsDialogTest, DefaultExtensionTest,
    testing::Values(ExtensionCase{"/tmp/card", "vcf", "/tmp/card.vcf"},
                    ExtensionCase{"/tmp/card.txt", "vcf", "/tmp/card.txt"},
                    ExtensionCase{"/tmp/my.dir/card", "vcf", "/tmp/my.dir/card.vcf"},
                    ExtensionCase{"card", ".vcf", "card.vcf"}, ExtensionCase{"card", "", "card"}));

winport::SaveAsRequest Request(HWND owner) {
    return {owner,
            "Export",
            "Ann Smith",
            "vcf",
            "vCard files (*.vcf)|*.vcf||",
            OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY};
}

TEST(SaveAsDialogTest, ChosenNameGetsTheDefaultExtensionAndTheOwnerIsDisabledMeanwhile) {
    TestWindow owner;
    ScriptedShellUi ui;
    ui.saveAsAnswers = {"/tmp/out/ann"};
    EXPECT_EQ(winport::ShowSaveAsDialog(Request(owner.Handle())), "/tmp/out/ann.vcf");
    EXPECT_EQ(ui.ownerEnabled, std::vector<bool>{false});
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
    ASSERT_EQ(ui.saveAsRequests.size(), 1u);
    const winport::SaveAsRequest& asked = ui.saveAsRequests[0];
    EXPECT_EQ(asked.owner, owner.Handle());
    EXPECT_EQ(asked.title, "Export");
    EXPECT_EQ(asked.fileName, "Ann Smith");
    EXPECT_EQ(asked.filter, "vCard files (*.vcf)|*.vcf||");
    EXPECT_EQ(asked.flags, OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY);
}

TEST(SaveAsDialogTest, CancelAnswersNothingWithoutAnErrorAndABadOwnerIsNotAsked) {
    ScriptedShellUi ui;
    ui.saveAsAnswers = {std::nullopt, ""};
    SetLastError(ERROR_INVALID_DATA);
    EXPECT_EQ(winport::ShowSaveAsDialog(Request(nullptr)), std::nullopt);
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
    EXPECT_EQ(winport::ShowSaveAsDialog(Request(nullptr)), std::nullopt);  // An empty name.
    EXPECT_EQ(winport::ShowSaveAsDialog(Request(nullptr)), std::nullopt);  // The headless answer.
    EXPECT_EQ(winport::ShowSaveAsDialog(Request(reinterpret_cast<HWND>(0x1234))), std::nullopt);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
    EXPECT_EQ(ui.saveAsRequests.size(), 3u) << "a bad owner is not asked";
}

}  // namespace
