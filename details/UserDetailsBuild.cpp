// Building the user details window once its window exists: the tab sets of the three forms,
// the buttons, the busy animation, the title and the outside components' tabs.
#include "details/DetailsTitle.h"
#include "details/DispatcherWindow.h"
#include "details/EmptyPage.h"
#include "details/UserDetailsDialog.h"
#include "hostlib/util/HostStrings.h"
#include "module/HostNumbers.h"
#include "module/host/HostStringIds.h"
#include "module/host/MIHostApplication.h"
#include "pages/identity/MainPage.h"
#include "pages/personal/AboutPage.h"
#include "pages/personal/HomePage.h"
#include "pages/personal/MorePage.h"
#include "pages/work/AffiliationsPage.h"
#include "pages/work/InterestsPage.h"
#include "pages/work/InterestsViewPage.h"
#include "pages/work/WorkPage.h"
#include "platform/controls/AnimationApi.h"
#include "platform/controls/TabControlApi.h"
#include "platform/window/WindowApi.h"
#include "res/ResourceIds.h"

struct DetailsTab {
    const char* caption;
    UINT templateId;
    int image;
};

namespace {

// Every form starts with these; a limited contact window has only them.
constexpr DetailsTab kBasicTabs[] = {
    {"Main", IDD_MAIN_PAGE, kMainTabImage},
    {"Home", IDD_HOME_PAGE, kHomeTabImage},
    {"Work", IDD_WORK_PAGE, kWorkTabImage},
    {"More", IDD_MORE_PAGE, kMoreTabImage},
};
constexpr DetailsTab kAboutTab{"Info/About", IDD_ABOUT_PAGE, kAboutTabImage};
constexpr DetailsTab kInterestsViewTab{"Interests / Past", IDD_INTERESTS_VIEW_PAGE,
                                       kAffiliationsTabImage};
constexpr DetailsTab kAffiliationsTab{"Affiliations", IDD_AFFILIATIONS_PAGE, kAffiliationsTabImage};
constexpr DetailsTab kInterestsEditTab{"Interests", IDD_INTERESTS_EDIT_PAGE, kInterestsTabImage};

// Space around each tab's icon and label.
constexpr WORD kTabPaddingX = 12;
constexpr WORD kTabPaddingY = 4;

// Outside tabs are asked for only for users of these kinds.
bool MayHaveOutsideTabs(unsigned short userType) {
    return userType == 0 || userType == 2;
}

RECT ItemRect(HWND dialog, int id) {
    RECT rect{};
    const HWND item = ::GetDlgItem(dialog, id);
    ::GetWindowRect(item, &rect);
    POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    ::MapWindowPoints(nullptr, dialog, corners, 2);
    return RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

}  // namespace

BOOL CUserDetailsDialog::OnInitDialog() {
    BCTabbedDialog::OnInitDialog();
    if (MIHostServices* services = ModuleState().hostServices) {
        GetTabCtrl().SendMessage(TCM_SETIMAGELIST, 0,
                                 reinterpret_cast<LPARAM>(services->GetSmallImageList()));
    }
    GetTabCtrl().SendMessage(TCM_SETPADDING, 0, MAKELPARAM(kTabPaddingX, kTabPaddingY));
    // The title goes up before the pages are built: a contact's Main page sets its own as it
    // loads, and that is the one the person sees.
    if (!m_embedded) SetTitle();
    AddTabs();
    SetUpButtons();
    OpenAnimation();
    if (RetrievesOnOpen()) m_operations.Retrieve(m_contactUser.Get());
    PlaceAnimation();
    if (m_embedded || m_limited || m_showsOwner) EnableItem(IDC_DETAILS_SAVE, ItemState::Disabled);
    if (m_pUserInfo) BringToTopIfDispatcherShown();
    if (m_openHomepageCategory) m_initialTab = kMoreTab;
    DoInitDialog(m_initialTab);
    if (m_openHomepageCategory) OpenHomepageCategory();
    return TRUE;
}

void CUserDetailsDialog::AddTab(const DetailsTab& tab) {
    // Pages of a window without a user receive the property set when one is shown.
    MCVariantPropertySet* data = m_pUserInfo ? &m_propertySet : nullptr;
    BCInsideDialog* page = nullptr;
    switch (tab.templateId) {
        case IDD_MAIN_PAGE: page = new CMainPage(m_pUserInfo, m_owner, data, this); break;
        case IDD_HOME_PAGE: page = new CHomePage(m_pUserInfo, m_owner, data, this); break;
        case IDD_WORK_PAGE: page = new CWorkPage(m_pUserInfo, m_owner, data, this); break;
        case IDD_MORE_PAGE: page = new CMorePage(m_pUserInfo, m_owner, data, this); break;
        case IDD_AFFILIATIONS_PAGE: page = new CAffiliationsPage(m_pUserInfo, data, this); break;
        case IDD_INTERESTS_EDIT_PAGE: page = new CInterestsPage(m_pUserInfo, data, this); break;
        case IDD_INTERESTS_VIEW_PAGE: page = new CInterestsViewPage(m_pUserInfo, data, this); break;
        case IDD_ABOUT_PAGE:
            page = new CAboutPage(m_pUserInfo, m_owner, data, !m_owner, this);
            break;
        default:
            page = new CEmptyPage(m_pUserInfo, tab.templateId, GetContextNumber(), data, this);
            break;
    }
    AddDialog(page, tab.templateId, tab.caption, tab.image, nullptr);
}

void CUserDetailsDialog::AddTabs() {
    for (const DetailsTab& tab : kBasicTabs) AddTab(tab);
    if (m_limited) return;
    AddTab(kAboutTab);
    if (m_owner) {
        AddTab(kAffiliationsTab);
        AddTab(kInterestsEditTab);
        if (!m_embedded) PostMessage(kUpdateWarningMessage);
        RegisterOutsidePages();
        return;
    }
    AddTab(kInterestsViewTab);
    const unsigned short userType = m_propertySet["UserType"];
    if (m_pUserInfo && MayHaveOutsideTabs(userType)) RegisterOutsidePages();
}

void CUserDetailsDialog::RegisterOutsidePages() {
    MIHostApplication* host = ModuleState().hostApplication;
    if (!host) return;
    winport::ComPtr<MITabProvider> provider;
    if (!host->GetTabProvider(provider.GetAddressOf()) || !provider) return;
    winport::ComPtr<MIUserObject> user;
    if (FAILED(host->GetUserObject(m_pUserInfo, user.GetAddressOf())) || !user) return;
    m_connection.Reset();
    const HRESULT result = m_owner ? provider->RegisterOwnerPages(user.Get(), m_pageSite.Get(),
                                                                  m_connection.GetAddressOf())
                                   : provider->RegisterContactPages(user.Get(), m_pageSite.Get(),
                                                                    m_connection.GetAddressOf());
    if (FAILED(result)) m_connection.Reset();
}

void CUserDetailsDialog::SetUpButtons() {
    const bool ownerWindow = m_owner && !m_embedded;
    SetItemText(IDC_DETAILS_SAVE, ownerWindow ? "Save" : "Retrieve");
    ::ShowWindow(::GetDlgItem(m_hWnd, IDC_DETAILS_UPDATE), ownerWindow ? SW_SHOW : SW_HIDE);
    // The owner's details are kept only by Save: closing the window cancels.
    if (ownerWindow) SetItemText(IDC_DETAILS_CLOSE, "Cancel");
}

void CUserDetailsDialog::OpenAnimation() {
    MIHostServices* services = ModuleState().hostServices;
    if (!services) return;
    std::string clip;
    services->GetAnimationClipPath(&clip);
    Animate_Open(::GetDlgItem(m_hWnd, IDC_DETAILS_ANIMATION), clip.c_str());
}

void CUserDetailsDialog::SetTitle() {
    const std::string name = m_propertySet["DefinedHandle"];
    const std::string format = BRCString(m_owner ? kOwnerTitleString : kContactTitleString);
    SetWindowText(FormatDetailsTitle(format, name));
}

void CUserDetailsDialog::PlaceAnimation() {
    const RECT animation = ItemRect(m_hWnd, IDC_DETAILS_ANIMATION);
    const RECT tabs = ItemRect(m_hWnd, IDC_DETAILS_TAB);
    const RECT save = ItemRect(m_hWnd, IDC_DETAILS_SAVE);
    const LONG width = animation.right - animation.left;
    const LONG height = animation.bottom - animation.top;
    ::SetWindowPos(::GetDlgItem(m_hWnd, IDC_DETAILS_ANIMATION), nullptr, tabs.right - width,
                   save.bottom - height, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void CUserDetailsDialog::BringToTopIfDispatcherShown() {
    if (IsDispatcherWindowShown()) {
        ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
}

void CUserDetailsDialog::OpenHomepageCategory() {
    BCInsideDialog* more = GetPage(kMoreTab);
    if (!more) return;
    const HWND button = ::GetDlgItem(more->m_hWnd, IDC_MORE_HOMEPAGE_CATEGORY);
    more->PostMessage(WM_COMMAND, MAKEWPARAM(IDC_MORE_HOMEPAGE_CATEGORY, BN_CLICKED),
                      reinterpret_cast<LPARAM>(button));
}
