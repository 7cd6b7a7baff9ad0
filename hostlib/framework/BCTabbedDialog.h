// BCTabbedDialog: a task dialog whose tab control shows one page at a time. Pages are child
// dialogs placed over the tab control's display area, in tab order; the dialog owns them and
// runs the page operations over all of them. As in a property sheet, a page's window is built
// when its tab is first shown, or when an operation over every page needs them all; a page
// whose window cannot be built then loses its tab.
#pragma once

#include <memory>
#include <vector>

#include "hostlib/framework/BCInsideDialog.h"
#include "hostlib/framework/BCTaskDialog.h"

class BCTabbedDialog : public BCTaskDialog {
public:
    BCTabbedDialog(BCUserInfo* user, int tabControlId, UINT templateId, HICON icon,
                   const char* name, int contextNumber, CWnd* parent);
    ~BCTabbedDialog() override;

    // Appends |page|'s tab; its window is made from |templateId| when first needed. The dialog
    // owns the page whatever the outcome; FALSE, with the last error saying why, when the
    // dialog has no window or tab control yet, or the page is shown at once and cannot be made.
    BOOL AddDialog(BCInsideDialog* page, UINT templateId, const char* caption, int image,
                   HICON icon);
    // Finishes the tabs: the pages read their state and |initialTab| is selected; a tab that
    // does not exist (negative or past the last) selects the first.
    void DoInitDialog(int initialTab);
    // Selects tab |index| and shows its page alone; FALSE when there is no such tab or its page
    // cannot be built (its tab is gone, and the one now in its place is shown).
    BOOL SetActiveTab(int index);
    int GetActiveTab() const;
    // Pages built later follow the last call.
    void EnableDialogs(BOOL enable);
    // Builds the window of every page that has none yet; FALSE when one could not be built
    // (its tab is gone).
    BOOL MakeEveryPage();

    // Every page commits; TRUE when all of them did.
    BOOL DoNext();
    // Every page is asked whether the dialog may step back; the first that refuses is shown.
    BOOL DoPrev();
    // Every page validates in tab order; the first invalid one is shown and FALSE answered.
    BOOL CheckNext();
    // Every page reloads.
    void DoRefresh();
    // Every page gets |code| and |value| through PageSetData.
    void DoCustom(int code, void* value);

    CWnd& GetTabCtrl() { return m_tabCtrl; }
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    // The page object; its window exists once the page has been shown or made.
    BCInsideDialog* GetPage(int index) const;

    BOOL OnInitDialog() override;
    // Places every page over the tab control's display area.
    void Layout() override;

    std::optional<LRESULT> OnMessage(const winport::Message& m) override;

protected:
    struct Page {
        std::unique_ptr<BCInsideDialog> dialog;
        UINT templateId;
    };

    int m_tabControlId;
    CWnd m_tabCtrl;
    std::vector<Page> m_pages;

private:
    static const winport::Route<BCTabbedDialog> kRoutes[];

    BOOL m_pagesEnabled = TRUE;

    // Builds page |index|'s window if it has none; a page that cannot be built is removed with
    // its tab, FALSE.
    BOOL MakePage(int index);

    std::optional<LRESULT> OnNotifyMessage(const winport::Message& m);
    std::optional<LRESULT> OnDestroyMessage(const winport::Message& m);
    RECT DisplayArea() const;
    // Shows page |index| alone, building it first; FALSE when it could not be built.
    BOOL ShowPage(int index);
};
