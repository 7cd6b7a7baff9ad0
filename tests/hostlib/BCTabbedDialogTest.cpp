#include "hostlib/framework/BCTabbedDialog.h"

#include <gtest/gtest.h>

#include "BCDialogTestSupport.h"
#include "hostlib/framework/FrameworkMessages.h"
#include "platform/core/LastError.h"

namespace {

using bctest::Lifetimes;
using bctest::RecordingPage;

// A tabbed dialog that adds three recording pages when its window is built.
class ThreePageDialog final : public BCTabbedDialog {
public:
    ThreePageDialog(Lifetimes& dialogs, Lifetimes& pages, std::vector<std::string>& log,
                    int initialTab)
        : BCTabbedDialog(nullptr, bctest::kTabControl, bctest::kTabbedDialog, nullptr, "Info", 33,
                         nullptr),
          m_life(dialogs),
          m_pages(pages),
          m_log(log),
          m_initialTab(initialTab) {}

    BOOL OnInitDialog() override {
        BCTabbedDialog::OnInitDialog();
        int image = 0;
        for (const char* caption : {"Main", "Home", "Work"}) {
            AddDialog(new RecordingPage(m_pages, m_log, caption), bctest::kPageDialog, caption,
                      image++, nullptr);
        }
        DoInitDialog(m_initialTab);
        return TRUE;
    }

    RecordingPage& Page(int index) { return static_cast<RecordingPage&>(*GetPage(index)); }

private:
    bctest::CountedLife m_life;
    Lifetimes& m_pages;
    std::vector<std::string>& m_log;
    int m_initialTab;
};

class BCTabbedDialogTest : public ::testing::Test {
protected:
    // Opens a modeless dialog that selects |initialTab| at the start.
    ThreePageDialog& Open(int initialTab = 0) {
        auto* dialog = new ThreePageDialog(m_dialogs, m_pages, m_log, initialTab);
        EXPECT_TRUE(dialog->MyCreate(bctest::kTabbedDialog));
        m_hwnd = dialog->m_hWnd;
        m_tab = GetDlgItem(m_hwnd, bctest::kTabControl);
        return *dialog;
    }
    void TearDown() override {
        if (IsWindow(m_hwnd)) DestroyWindow(m_hwnd);
    }
    // The active tab and which pages a person sees, with "." for a page not built: "1 .+-".
    std::string Shown(ThreePageDialog& dialog) {
        std::string shown = std::to_string(dialog.GetActiveTab()) + " ";
        for (int i = 0; i < dialog.GetPageCount(); ++i) {
            const HWND page = dialog.GetPage(i)->m_hWnd;
            shown += !page ? '.' : IsWindowVisible(page) ? '+' : '-';
        }
        return shown;
    }

    bctest::ScopedResources m_resources;
    winport::Agent m_agent;
    Lifetimes m_dialogs;
    Lifetimes m_pages;
    std::vector<std::string> m_log;
    HWND m_hwnd = nullptr;
    HWND m_tab = nullptr;
};

// A page is built when its tab is first shown.
TEST_F(BCTabbedDialogTest, TabsFollowTheOrderPagesWereAddedAndFrameThePages) {
    ThreePageDialog& dialog = Open();
    EXPECT_EQ(bctest::TabCaptions(m_tab), (std::vector<std::string>{"Main", "Home", "Work"}));
    EXPECT_EQ(dialog.GetPageCount(), 3);
    EXPECT_EQ(dialog.GetPage(3), nullptr);
    EXPECT_EQ(Shown(dialog), "0 +..");
    ASSERT_TRUE(m_agent.SelectTab(m_tab, "Home"));
    EXPECT_EQ(Shown(dialog), "1 -+.");
    EXPECT_EQ(GetParent(dialog.GetPage(1)->m_hWnd), m_hwnd);
    // The pages lie inside the tab control's display area.
    RECT tab{};
    RECT page{};
    GetWindowRect(m_tab, &tab);
    GetWindowRect(dialog.GetPage(1)->m_hWnd, &page);
    EXPECT_GE(page.left, tab.left);
    EXPECT_GT(page.top, tab.top);  // Below the row of tabs.
    EXPECT_LE(page.right, tab.right);
    EXPECT_LE(page.bottom, tab.bottom);
}

// A tab that does not exist is not selected. (An initial tab that does not exist selects the
// first: UserDetailsModuleTest.)
TEST_F(BCTabbedDialogTest, OnlyTheSelectedPageIsShown) {
    ThreePageDialog& dialog = Open(1);
    EXPECT_EQ(Shown(dialog), "1 -+.") << "the first tab is selected as it is inserted";
    ASSERT_TRUE(m_agent.SelectTab(m_tab, "Work"));
    EXPECT_EQ(Shown(dialog), "2 --+");
    EXPECT_FALSE(dialog.SetActiveTab(3));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_INDEX);
    EXPECT_FALSE(dialog.SetActiveTab(-1));
    EXPECT_EQ(Shown(dialog), "2 --+");
    EXPECT_TRUE(dialog.SetActiveTab(0));
    EXPECT_EQ(Shown(dialog), "0 +--");
    EXPECT_EQ(SendMessage(m_tab, TCM_GETCURSEL, 0, 0), 0);
}

TEST_F(BCTabbedDialogTest, ValidationAndSteppingBackShowThePageThatRefuses) {
    ThreePageDialog& dialog = Open(0);
    dialog.Page(0).validateAnswer = -1;  // Nothing changed counts as valid.
    dialog.Page(1).validateAnswer = 0;
    dialog.Page(2).validateAnswer = 0;
    m_log.clear();
    EXPECT_FALSE(dialog.CheckNext());
    EXPECT_EQ(m_log, (std::vector<std::string>{"Main.validate", "Home.validate"}));
    EXPECT_EQ(Shown(dialog), "1 -+-");

    dialog.Page(1).validateAnswer = 1;
    dialog.Page(2).validateAnswer = 1;
    m_log.clear();
    EXPECT_TRUE(dialog.CheckNext());
    EXPECT_EQ(m_log, (std::vector<std::string>{"Main.validate", "Home.validate", "Work.validate"}));
    EXPECT_EQ(dialog.GetActiveTab(), 1);

    // A page answers the validate message from PageValidate.
    const HWND page = dialog.GetPage(0)->m_hWnd;
    for (auto [answer, expected] : {std::pair{1, 1}, std::pair{-1, 1}, std::pair{0, 0}}) {
        dialog.Page(0).validateAnswer = answer;
        EXPECT_EQ(SendMessage(page, BCM_PAGEVALIDATE, 0, 0), expected) << answer;
    }
    EXPECT_EQ(SendMessage(page, BCM_PAGEFOCUSOUT, 0, 0), 1);

    // Stepping back shows the page that refuses it.
    EXPECT_TRUE(dialog.DoPrev());
    dialog.Page(2).allowPrev = FALSE;
    EXPECT_FALSE(dialog.DoPrev());
    EXPECT_EQ(dialog.GetActiveTab(), 2);
}

// Commit, refresh and custom data reach every page once in tab order, building the pages not
// shown yet as the dialog's state leaves them; a page's deferred action runs when its posted
// message is dispatched.
TEST_F(BCTabbedDialogTest, CommitRefreshCustomAndDeferredReachThePages) {
    ThreePageDialog& dialog = Open();
    dialog.EnableDialogs(FALSE);
    m_log.clear();
    EXPECT_TRUE(dialog.DoNext());
    EXPECT_EQ(m_log, (std::vector<std::string>{"Main.commit", "Home.commit", "Work.commit"}));
    EXPECT_EQ(Shown(dialog), "0 +--");
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(IsWindowEnabled(dialog.GetPage(i)->m_hWnd)) << i;
    int data = 0;
    m_log.clear();
    dialog.DoRefresh();
    dialog.DoCustom(7, &data);
    EXPECT_EQ(m_log, (std::vector<std::string>{"Main.reload", "Home.reload", "Work.reload",
                                               "Main.set 7", "Home.set 7", "Work.set 7"}));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(dialog.Page(i).lastValue, &data);

    m_log.clear();
    ASSERT_TRUE(dialog.GetPage(1)->PostMessage(BCM_PAGEDEFERRED));
    EXPECT_TRUE(m_log.empty());
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessage(&msg);
    EXPECT_EQ(m_log, std::vector<std::string>{"Home.deferred"});
}

// The pages read their state at the start and write it when the window closes.
TEST_F(BCTabbedDialogTest, ClosingTheWindowFreesTheDialogAndItsPagesAndModalRunsRebuildThem) {
    Open();
    EXPECT_EQ(m_pages.live, 3);
    EXPECT_EQ(m_log, (std::vector<std::string>{"Main.read", "Home.read", "Work.read"}));
    m_log.clear();
    ASSERT_TRUE(m_agent.Click(GetDlgItem(m_hwnd, IDCANCEL)));
    EXPECT_EQ(m_log, (std::vector<std::string>{"Main.write", "Home.write", "Work.write"}));
    EXPECT_FALSE(IsWindow(m_hwnd));
    EXPECT_EQ(std::tuple(m_dialogs.live, m_dialogs.deleted, m_pages.live, m_pages.deleted),
              std::tuple(0, 1, 0, 3));

    // Modal runs rebuild their pages each time.
    for (int run = 0; run < 2; ++run) {
        m_agent.QueueDialogHandler(bctest::kTabbedDialog, [this](HWND dialog) {
            EXPECT_EQ(bctest::TabCaptions(GetDlgItem(dialog, bctest::kTabControl)).size(), 3u);
            EXPECT_EQ(m_pages.live, 3);
            m_agent.Click(GetDlgItem(dialog, IDOK));
        });
    }
    ThreePageDialog dialog(m_dialogs, m_pages, m_log, 0);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetPageCount(), 3);
    EXPECT_EQ(m_pages.deleted, 6);  // The window's and the first run's pages.
}

// A page that cannot be built loses its tab and is freed when it would be shown, and the page
// now in its place is shown; one added before the dialog has its tabs is freed at once. A page
// added later lies hidden behind the selected one.
TEST_F(BCTabbedDialogTest, PagesAddedLaterAreHiddenOrFreedWhenTheyCannotBeBuilt) {
    ThreePageDialog& dialog = Open(1);
    const auto addBroken = [&] {
        return dialog.AddDialog(new RecordingPage(m_pages, m_log, "Broken"), bctest::kBrokenPage,
                                "Broken", 0, nullptr);
    };
    ASSERT_TRUE(addBroken());
    EXPECT_EQ(Shown(dialog), "1 -+..");
    EXPECT_FALSE(m_agent.SelectTab(m_tab, "Broken"));
    ASSERT_TRUE(addBroken());
    EXPECT_FALSE(dialog.SetActiveTab(3));
    EXPECT_NE(GetLastError(), 0u);
    EXPECT_EQ(bctest::TabCaptions(m_tab), (std::vector<std::string>{"Main", "Home", "Work"}));
    EXPECT_EQ(Shown(dialog), "2 --+");
    EXPECT_EQ(std::pair(m_pages.live, m_pages.deleted), std::pair(3, 2));
    ThreePageDialog unbuilt(m_dialogs, m_pages, m_log, 0);
    EXPECT_FALSE(unbuilt.AddDialog(new RecordingPage(m_pages, m_log, "Early"), bctest::kPageDialog,
                                   "Early", 0, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
    EXPECT_EQ(m_pages.deleted, 3);

    ASSERT_TRUE(dialog.AddDialog(new RecordingPage(m_pages, m_log, "Outside"), bctest::kPageDialog,
                                 "Outside", 34, nullptr));
    EXPECT_EQ(bctest::TabCaptions(m_tab).back(), "Outside");
    EXPECT_EQ(Shown(dialog), "2 --+.");
    ASSERT_TRUE(m_agent.SelectTab(m_tab, 3));
    EXPECT_EQ(Shown(dialog), "3 ---+");
}

}  // namespace
