// Ids of the module's own resources: dialog templates, menus, bitmaps and strings.
#pragma once

// Dialog templates.
inline constexpr unsigned IDD_EGROUP_INFO = 8501;
inline constexpr unsigned IDD_MORE_PAGE = 8504;
inline constexpr unsigned IDD_MAIN_PAGE = 8505;
inline constexpr unsigned IDD_USER_DETAILS = 8506;
inline constexpr unsigned IDD_HOME_PAGE = 8507;
inline constexpr unsigned IDD_ABOUT_PAGE = 8508;
inline constexpr unsigned IDD_DETAILS_PANE = 8509;
inline constexpr unsigned IDD_WORK_PAGE = 8512;
inline constexpr unsigned IDD_AFFILIATIONS_PAGE = 8514;
inline constexpr unsigned IDD_INTERESTS_VIEW_PAGE = 8516;
inline constexpr unsigned IDD_INTERESTS_EDIT_PAGE = 8517;
inline constexpr unsigned IDD_EXTERNAL_PAGE = 8546;

// Controls of the user details window (templates 8506 and 8509).
inline constexpr int IDC_DETAILS_TAB = 1000;
inline constexpr int IDC_DETAILS_MORE_OPTIONS = 1034;
inline constexpr int IDC_DETAILS_UPDATE = 1035;
inline constexpr int IDC_DETAILS_CLOSE = 1172;
inline constexpr int IDC_DETAILS_SAVE = 1173;
inline constexpr int IDC_DETAILS_ANIMATION = 1174;

// Controls of the pages that other windows reach.
inline constexpr int IDC_MORE_HOMEPAGE_CATEGORY = 1001;

// Strings.
inline constexpr unsigned IDS_ADD_EMAIL_ADDRESS = 24203;
inline constexpr unsigned IDS_EDIT_EMAIL_ADDRESS = 24204;
inline constexpr unsigned IDS_NO_DEFAULT_EMAIL = 24205;
inline constexpr unsigned IDS_NO_DEFAULT_EMAIL_CAPTION = 24206;
inline constexpr unsigned IDS_EMAIL_OK = 24207;
inline constexpr unsigned IDS_EMAIL_ADD = 24208;
inline constexpr unsigned IDS_NO_PRIMARY_EMAIL = 24209;
inline constexpr unsigned IDS_NO_PRIMARY_EMAIL_CAPTION = 24210;
inline constexpr unsigned IDS_EMAIL_LIMIT = 24211;
inline constexpr unsigned IDS_EMAIL_LIMIT_CAPTION = 24212;
inline constexpr unsigned IDS_PHONE_LENGTH = 24213;
inline constexpr unsigned IDS_PHONE_LENGTH_CAPTION = 24214;
