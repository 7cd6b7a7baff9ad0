// CUserDetailsDialog: the tabbed window showing one user's details, in its contact, owner and
// embedded-pane forms.
#pragma once

#include <string>

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

class CUserDetailsDialog : public BCTabbedDialog {
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

    BOOL OnInitDialog() override;
    LRESULT OnLabelDone() override;
    LRESULT OnLabelCancel() override;
    std::optional<LRESULT> OnMessage(const winport::Message& m) override;

private:
    static const winport::Route<CUserDetailsDialog> kRoutes[3];

    CUserDetailsDialog(IUnknown* userObject, BCUserInfo* user, int initialTab,
                       bool openHomepageCategory, bool limited, bool embedded, bool owner,
                       CWnd* parent);

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

    void OnCloseButton();
    LRESULT OnShowUser(WPARAM wParam, LPARAM);
    LRESULT OnUpdateWarning(WPARAM, LPARAM);
    void SetItemText(int id, const char* text);
    void EnableItem(int id, bool enable);

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
    MCVariantPropertySet m_propertySet;
    winport::ComPtr<MITabConnection> m_connection;
};
