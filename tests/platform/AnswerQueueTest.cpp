#include <gmock/gmock.h>

#include <tuple>

#include "DialogTestSupport.h"
#include "MessageSpy.h"
#include "platform/automation/AnswerQueue.h"
#include "platform/mfc/FileDialog.h"
#include "platform/shell/MenuApi.h"
#include "platform/shell/MessageBox.h"
#include "platform/shell/SaveAsDialog.h"

namespace winport::test {
namespace {

class AnswerQueueTest : public ShownFormTest {
protected:
    AnswerQueue answers;
};

TEST_F(AnswerQueueTest, IsTheShellUiWhileItLivesAndAnswersMessageBoxesFromTheQueue) {
    answers.QueueMessageBoxAnswer(IDYES);
    EXPECT_EQ(MessageBox(dialog.m_hWnd, "Save?", "Details", MB_YESNO | MB_ICONQUESTION), IDYES);
    EXPECT_EQ(MessageBox(dialog.m_hWnd, "Really?", "Details", MB_YESNO), IDNO);
    ASSERT_EQ(answers.MessageBoxes().size(), 2u);
    const MessageBoxRequest& asked = answers.MessageBoxes()[0].request;
    EXPECT_EQ(std::tie(asked.text, asked.caption, asked.style),
              std::make_tuple("Save?", "Details", UINT{MB_YESNO | MB_ICONQUESTION}));
    EXPECT_EQ(answers.MessageBoxes()[1].answer, IDNO);
    EXPECT_EQ(answers.PendingAnswers(), 0u);

    EXPECT_EQ(&GetShellUi(), &answers);
    {
        AnswerQueue inner;
        EXPECT_EQ(&GetShellUi(), &inner);
    }
    EXPECT_EQ(&GetShellUi(), &answers);
}

TEST_F(AnswerQueueTest, PopupMenusAreLoggedTheChosenCommandPostedAndAnImpossibleAnswerRecorded) {
    HMENU menu = CreatePopupMenu();
    AppendMenu(menu, MF_STRING, 49607, "Copy Email Address");
    AppendMenu(menu, MF_STRING | MF_GRAYED, 49608, "Send Email");
    MessageSpy spy;
    spy.Watch(dialog.m_hWnd, "dialog");
    spy.Only({WM_COMMAND});
    answers.QueueMenuAnswer(49607);
    EXPECT_TRUE(
        TrackPopupMenu(menu, TPM_CENTERALIGN | TPM_RIGHTBUTTON, 30, 40, 0, dialog.m_hWnd, nullptr));
    PumpMessages();
    EXPECT_TRUE(SequenceIs(spy, {"dialog WM_COMMAND BN_CLICKED 49607"}));
    ASSERT_EQ(answers.PopupMenus().size(), 1u);
    const PopupMenuRequest& shown = answers.PopupMenus()[0].request;
    ASSERT_EQ(shown.items.size(), 2u);
    EXPECT_EQ(std::tie(shown.items[1].text, shown.items[1].flags, shown.position, shown.flags),
              std::make_tuple("Send Email", UINT{MF_GRAYED}, POINT{30, 40},
                              UINT{TPM_CENTERALIGN | TPM_RIGHTBUTTON}));

    answers.QueueMessageBoxAnswer(IDYES);
    EXPECT_EQ(answers.PendingAnswers(AnswerKind::MessageBox), 1u);
    EXPECT_EQ(MessageBox(dialog.m_hWnd, "Saved.", "Details", MB_OK), IDOK);
    answers.QueueMenuAnswer(49608);
    answers.QueueMenuAnswer(4711);
    EXPECT_EQ(answers.PendingAnswers(AnswerKind::PopupMenu), 2u);
    for (int shown = 0; shown < 2; ++shown) {
        EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 0, 0, 0, dialog.m_hWnd, nullptr), FALSE);
    }
    DestroyMenu(menu);
    EXPECT_THAT(answers.AnswerFailures(),
                ::testing::ElementsAre("the message box \"Saved.\" has no button Yes",
                                       "the popup menu offers no command 49608",
                                       "the popup menu offers no command 4711"));
    EXPECT_EQ(answers.MessageBoxes().at(0).answer, IDOK);
    EXPECT_EQ(answers.PopupMenus().at(1).answer, 0u);
    EXPECT_EQ(answers.PendingAnswers(), 0u);
}

TEST_F(AnswerQueueTest, SaveAsIsAnsweredWithAPathOrCancelledAndAFileDialogKeepsThePath) {
    answers.QueueSaveAsAnswer("/tmp/ann");
    answers.QueueSaveAsAnswer(std::nullopt);
    const SaveAsRequest request{
        .owner = dialog.m_hWnd, .fileName = "Ann.vcf", .defaultExtension = "vcf"};
    EXPECT_EQ(ShowSaveAsDialog(request), "/tmp/ann.vcf");
    EXPECT_EQ(ShowSaveAsDialog(request), std::nullopt);
    ASSERT_EQ(answers.SaveAsDialogs().size(), 2u);
    EXPECT_EQ(answers.SaveAsDialogs()[0].request.fileName, "Ann.vcf");

    answers.QueueSaveAsAnswer("/home/ann/Ελένη");
    CFileDialog save(FALSE, "vcf", "Ελένη.vcf", OFN_OVERWRITEPROMPT, "vCard Files (*.vcf)|*.vcf||",
                     &dialog);
    ASSERT_EQ(save.DoModal(), IDOK);
    EXPECT_EQ(std::tuple(save.GetPathName(), save.GetFileName(), save.GetFileExt()),
              std::tuple("/home/ann/Ελένη.vcf", "Ελένη.vcf", "vcf"));
    const SaveAsRequest& asked = answers.SaveAsDialogs().back().request;
    EXPECT_EQ(std::tie(asked.owner, asked.flags), std::tuple(dialog.m_hWnd, OFN_OVERWRITEPROMPT));
    EXPECT_EQ(save.DoModal(), IDCANCEL);  // Nothing queued: the person cancels.
}

TEST_F(AnswerQueueTest, ModalDialogsRunTheirTemplatesHandlersInOrderAndAreCancelledWithoutOne) {
    std::vector<std::string> handled;
    const auto press = [&](const char* name, int button) {
        return [&handled, name, button](HWND modal) {
            handled.push_back(name);
            SendMessage(modal, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                        reinterpret_cast<LPARAM>(GetDlgItem(modal, button)));
        };
    };
    answers.QueueDialogHandler(kInnerDialog, press("inner", IDOK));
    answers.QueueDialogHandler(kFormDialog, press("first", IDOK));
    answers.QueueDialogHandler(kFormDialog, press("second", IDCANCEL));
    EXPECT_EQ(answers.PendingAnswers(AnswerKind::Dialog), 3u);
    for (const INT_PTR result : {IDOK, IDCANCEL, IDCANCEL}) {  // The last one unanswered.
        CDialog modal(kFormDialog, &dialog);
        EXPECT_EQ(modal.DoModal(), result);
    }
    EXPECT_EQ(handled, (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(answers.ModalDialogs(), (std::vector<int>{kFormDialog, kFormDialog, kFormDialog}));
    EXPECT_EQ(answers.PendingAnswers(AnswerKind::Dialog), 1u) << "the inner dialog never ran";
    EXPECT_EQ(answers.PendingAnswers(), 1u);
}

}  // namespace
}  // namespace winport::test
