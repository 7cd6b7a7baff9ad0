// CUserDetailsDialog: the tabbed window showing one user's details, in its contact, owner and
// embedded-pane forms.
#pragma once

#include <string>

#include "details/DetailsOperations.h"
#include "details/PageSite.h"
#include "hostlib/framework/BCTabbedDialog.h"
#include "hostlib/property/MCVariantPropertySet.h"
#include "module/ModuleState.h"
#include "module/host/DetailsWindowMessages.h"
#include "module/host/MIExternalPage.h"
#include "module/host/MITabConnection.h"
#include "platform/com/ComPtr.h"
#include "platform/com/Unknown.h"

// Posted by the owner's window to itself once it is built: show the update warning.
inline constexpr UINT kUpdateWarningMessage = WM_USER + 0x2B;

// One tab of the window's tab sets (UserDetailsBuild.cpp).
struct DetailsTab;

class CUserDetailsDialog : public BCTabbedDialog, private CDetailsOperations::Window {
public:
    // A contact's details: a window of its own, or a pane inside a host window.
    enum class Form { Window, Pane };

    // The "More" tab, at the same place in every form.
    static constexpr int kMoreTab = 3;

    // Contact form.
    CUserDetailsDialog(IUnknown* userObject, BCUserInfo* user, int initialTab,
                       bool openHomepageCategory, bool limited, Form form, CWnd* parent);
    // Owner form.
    CUserDetailsDialog(IUnknown* userObject, BCUserInfo* user, int initialTab,
                       bool openHomepageCategory, CWnd* parent);
    ~CUserDetailsDialog() override;

    // Creates the pane form as a child of |parent|; once created, the object is deleted when its
    // window is gone. FALSE leaves the object to the caller.
    BOOL CreatePane(CWnd* parent);

    // Whether a contact's window fetches the contact's details from the directory as it opens:
    // not limited, details never fetched or older than the directory's, and the host allows it
    // now (asked only when the details call for it).
    bool RetrievesOnOpen();

    // Appends a tab carrying an outside component's |page|; false when no tab could be made.
    bool AddExternalPage(const std::string& caption, HICON icon, MIExternalPage* page);

    // The user's details, shared by every page.
    MCVariantPropertySet& GetPropertySet() { return m_propertySet; }

    // The callback the window's database operations report to.
    MIDBOpCallback* GetOperationCallback() const { return m_operations.Callback(); }

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    LRESULT OnLabelDone() override;
    LRESULT OnLabelCancel() override;
    std::optional<LRESULT> OnMessage(const winport::Message& m) override;

private:
    static const winport::Route<CUserDetailsDialog> kRoutes[];

    // Whose details the window is for.
    enum class Subject { Contact, Owner };

    CUserDetailsDialog(IUnknown* userObject, BCUserInfo* user, int initialTab,
                       bool openHomepageCategory, bool limited, Form form, Subject subject,
                       CWnd* parent);

    // Attaches the record of |user| (may be null) in the form's view. In a contact form the
    // owner's own object refuses the contact view and answers the owner view: it marks the
    // owner shown.
    void AttachRecord(IUnknown* user);

    // Build steps (UserDetailsBuild.cpp).
    void AddTab(const DetailsTab& tab);
    void AddTabs();
    void RegisterOutsidePages();
    void SetUpButtons();
    void OpenAnimation();
    void SetTitle();
    void PlaceAnimation();
    void BringToTopIfDispatcherShown();
    void OpenHomepageCategory();

    // The buttons that start database operations.
    void OnSaveOrRetrieve();

    // More Options and its commands (UserDetailsMoreOptions.cpp).
    void OnMoreOptions();
    void OnSaveAsVCard();
    void OnUnlist();
    void OnPublicize();
    // Update From Database in the owner's window; White Pages in every other form.
    void OnUpdateOrWhitePages();
    std::optional<LRESULT> OnDestroyMessage(const winport::Message& m);

    void OnCloseButton();
    LRESULT OnShowUser(WPARAM wParam, LPARAM);
    LRESULT OnUpdateWarning(WPARAM, LPARAM);

    // What the database operations ask of the window.
    HWND QuestionOwner() const override { return m_hWnd; }
    std::string ItemText(int id) const override { return GetDlgItemText(id); }
    void SetItemText(int id, const char* text) override;
    void EnableItem(int id, ItemState state) override;
    void PlayAnimation() override;
    void StopAnimation() override;
    bool ValidatePages() override { return CheckNext() != FALSE; }
    void CommitPages() override { DoNext(); }
    void ReportPagesCommitted() override;
    void ReloadPages() override { DoRefresh(); }
    void EnablePages(ItemState state) override;
    void UploadEnded(bool saved) override;

    // Whether the window may close now: the owner with changes not yet saved is asked whether
    // to save them first (the window then closes once they are uploaded), to discard them, or
    // to go back to them.
    bool ConfirmClose();
    bool HasUnsavedChanges() const;

    CLiveDialogCount m_live;
    winport::ComPtr<CPageSite> m_pageSite;
    bool m_embedded;
    bool m_owner;
    bool m_limited;
    bool m_openHomepageCategory;
    int m_initialTab;
    // The user shown: the contact (contact form and pane) or the owner (owner form); either may
    // be null.
    winport::ComPtr<IUnknown> m_contactUser;
    winport::ComPtr<IUnknown> m_ownerUser;
    // A contact form shows the owner (AttachRecord). It offers no Retrieve: the directory's
    // copy would replace his own record, edits not uploaded yet included, without a word.
    bool m_showsOwner = false;
    // The owner chose to save his changes as the window closed: it closes once they are up.
    bool m_closeWhenSaved = false;
    MCVariantPropertySet m_propertySet;
    winport::ComPtr<MITabConnection> m_connection;
    // Declared last, so it goes first: the running operation ends while the rest of the window
    // is still whole.
    CDetailsOperations m_operations;
};
