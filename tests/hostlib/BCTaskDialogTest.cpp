#include "hostlib/framework/BCTaskDialog.h"

#include <gtest/gtest.h>

#include "BCDialogTestSupport.h"
#include "platform/core/LastError.h"

namespace {

using bctest::Lifetimes;

// A task dialog that counts its life and can be told to refuse closing or to fail while it
// starts. (The framework's labels reach the details window's own handlers: UserDetailsDialogTest.)
class CountedTaskDialog final : public BCTaskDialog {
public:
    explicit CountedTaskDialog(Lifetimes& lifetimes)
        : BCTaskDialog(nullptr, bctest::kTaskDialog, nullptr, "Task", 33, nullptr),
          m_life(lifetimes) {}

    BOOL OnInitDialog() override {
        BCTaskDialog::OnInitDialog();
        if (destroyWhileStarting) DestroyWindow();
        return TRUE;
    }
    int OnCreate(CREATESTRUCT* create) override {
        ++creates;
        return refuseCreate ? -1 : BCTaskDialog::OnCreate(create);
    }
    BOOL CanKillDialog() override { return mayClose; }

    bool destroyWhileStarting = false;
    bool refuseCreate = false;
    BOOL mayClose = TRUE;
    int creates = 0;

private:
    bctest::CountedLife m_life;
};

class BCTaskDialogTest : public ::testing::Test {
protected:
    bctest::ScopedResources m_resources;
    winport::Agent m_agent;
    Lifetimes m_lifetimes;
};

TEST_F(BCTaskDialogTest, EveryWayOfClosingAModelessDialogFreesItOnce) {
    for (UINT how : {UINT{IDCANCEL}, UINT{IDOK}, UINT{WM_CLOSE}, UINT{WM_DESTROY}}) {
        auto* dialog = new CountedTaskDialog(m_lifetimes);
        ASSERT_TRUE(dialog->MyCreate(bctest::kTaskDialog));
        const HWND hwnd = dialog->m_hWnd;
        EXPECT_TRUE(IsWindowVisible(hwnd));
        EXPECT_TRUE(dialog->IsModeless());
        EXPECT_EQ(dialog->creates, 1);
        if (how == WM_CLOSE) {
            dialog->mayClose = FALSE;  // Refused while the dialog cannot be killed.
            SendMessage(hwnd, WM_CLOSE, 0, 0);
            EXPECT_TRUE(IsWindow(hwnd));
            dialog->mayClose = TRUE;
            SendMessage(hwnd, WM_CLOSE, 0, 0);
        } else if (how == WM_DESTROY) {
            DestroyWindow(hwnd);
        } else {
            ASSERT_TRUE(m_agent.Click(GetDlgItem(hwnd, static_cast<int>(how))));
        }
        EXPECT_FALSE(IsWindow(hwnd)) << how;
        EXPECT_EQ(m_lifetimes.live, 0) << how;
    }
    EXPECT_EQ(m_lifetimes.deleted, 4);
}

TEST_F(BCTaskDialogTest, FailedCreationLeavesExactlyOneDeleteToTheCaller) {
    struct Case {
        const char* what;
        UINT templateId;
        bool destroyWhileStarting;
        bool refuseCreate;
    };
    const Case cases[] = {
        {"missing template", 7699, false, false},
        {"control that cannot be made", bctest::kBrokenDialog, false, false},
        {"window destroyed while starting", bctest::kTaskDialog, true, false},
        {"creation refused", bctest::kTaskDialog, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Lifetimes before = m_lifetimes;
        auto* dialog = new CountedTaskDialog(m_lifetimes);
        dialog->destroyWhileStarting = c.destroyWhileStarting;
        dialog->refuseCreate = c.refuseCreate;
        EXPECT_FALSE(dialog->MyCreate(c.templateId));
        EXPECT_NE(GetLastError(), ERROR_SUCCESS);
        EXPECT_EQ(dialog->m_hWnd, nullptr);
        EXPECT_EQ(m_lifetimes.live, before.live + 1) << "the framework deleted the object";
        delete dialog;
        EXPECT_EQ(m_lifetimes.live, before.live);
        EXPECT_EQ(m_lifetimes.deleted, before.deleted + 1);
    }
}

TEST_F(BCTaskDialogTest, ModalDialogEndsWithTheButtonPressedAndStaysTheCallers) {
    m_agent.QueueDialogHandler(bctest::kTaskDialog,
                               [this](HWND dialog) { m_agent.Click(GetDlgItem(dialog, IDOK)); });
    {
        CountedTaskDialog dialog(m_lifetimes);
        EXPECT_EQ(dialog.DoModal(), IDOK);
        EXPECT_FALSE(dialog.IsModeless());
        EXPECT_EQ(m_lifetimes.live, 1);
    }
    EXPECT_EQ(m_lifetimes.deleted, 1);
    EXPECT_EQ(m_agent.ModalDialogs(), std::vector<int>{bctest::kTaskDialog});
}

}  // namespace
