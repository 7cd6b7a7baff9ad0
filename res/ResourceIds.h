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
// The home page's category and the choice of a topic.
inline constexpr unsigned IDD_HOMEPAGE_CATEGORY = 8518;
inline constexpr unsigned IDD_SELECT_TOPIC = 8519;
inline constexpr unsigned IDD_EXTERNAL_PAGE = 8546;
// E-mail panes and address dialogs.
inline constexpr unsigned IDD_OWNER_EMAIL_PANE = 8543;
inline constexpr unsigned IDD_CONTACT_EMAIL_PANE = 8544;
inline constexpr unsigned IDD_CONTACT_EMAIL_DIALOG = 8545;
inline constexpr unsigned IDD_OWNER_EMAIL_DIALOG = 8547;
// The phone location dialog.
inline constexpr unsigned IDD_PHONE_LOCATION = 8553;

// Controls of the user details window (templates 8506 and 8509).
inline constexpr int IDC_DETAILS_TAB = 1000;
inline constexpr int IDC_DETAILS_MORE_OPTIONS = 1034;
inline constexpr int IDC_DETAILS_UPDATE = 1035;
inline constexpr int IDC_DETAILS_CLOSE = 1172;
inline constexpr int IDC_DETAILS_SAVE = 1173;
inline constexpr int IDC_DETAILS_ANIMATION = 1174;
// Save as vCard, as a button command of its own.
inline constexpr int IDC_DETAILS_SAVE_VCARD = 1006;
// The More Options menus of the owner's window and of a contact's, each one popup.
inline constexpr int IDR_OWNER_MORE_MENU = 8549;
inline constexpr int IDR_CONTACT_MORE_MENU = 8550;
inline constexpr unsigned ID_OWNER_SAVE_VCARD = 49609;
inline constexpr unsigned ID_OWNER_UNLIST = 49610;
inline constexpr unsigned ID_OWNER_PUBLICIZE = 49611;
inline constexpr unsigned ID_CONTACT_SAVE_VCARD = 49614;
inline constexpr unsigned ID_CONTACT_WHITE_PAGES = 49616;

// Controls of the pages that other windows reach.
inline constexpr int IDC_MORE_HOMEPAGE_CATEGORY = 1001;

// Controls of the Main page (8505).
inline constexpr int IDC_MAIN_NUMBER = 1175;
inline constexpr int IDC_MAIN_FIRST_NAME = 1178;
inline constexpr int IDC_MAIN_LAST_NAME = 1179;
inline constexpr int IDC_MAIN_NICKNAME = 1176;
inline constexpr int IDC_MAIN_DISPLAY = 1031;
inline constexpr int IDC_MAIN_COPY_SUMMARY = 1002;
inline constexpr int IDC_MAIN_ADDRESS = 1180;
inline constexpr int IDC_MAIN_NUMBER_LABEL = 2034;
inline constexpr int IDC_MAIN_ADDRESS_LABEL = 2035;
inline constexpr int IDC_MAIN_FIRST_NAME_LABEL = 1554;
inline constexpr int IDC_MAIN_NICKNAME_LABEL = 1553;
inline constexpr int IDC_MAIN_LAST_NAME_LABEL = 1555;
inline constexpr int IDC_MAIN_DISPLAY_LABEL = 2029;
inline constexpr int IDC_MAIN_EMAIL_GROUP = 1012;

// E-mail panes, address dialogs and the list's menus and symbols.
inline constexpr int IDC_CONTACT_EMAIL_LIST = 3000;
inline constexpr int IDC_CONTACT_EMAIL_ADD = 1009;
inline constexpr int IDC_CONTACT_EMAIL_EDIT = 1010;
inline constexpr int IDC_CONTACT_EMAIL_REMOVE = 1018;
inline constexpr int IDC_CONTACT_EMAIL_DEFAULT = 1019;
inline constexpr int IDC_OWNER_EMAIL_PRIMARY_LABEL = 2036;
inline constexpr int IDC_OWNER_EMAIL_PRIMARY = 1177;
inline constexpr int IDC_OWNER_EMAIL_LIST = 3001;
inline constexpr int IDC_OWNER_EMAIL_ADD = 1034;
inline constexpr int IDC_OWNER_EMAIL_EDIT = 1033;
inline constexpr int IDC_OWNER_EMAIL_REMOVE = 1032;
inline constexpr int IDC_OWNER_EMAIL_PRIMARY_BUTTON = 1031;
inline constexpr int IDC_CONTACT_EMAIL_ADDRESS = 1003;
inline constexpr int IDC_CONTACT_EMAIL_IS_DEFAULT = 1011;
inline constexpr int IDC_OWNER_EMAIL_ADDRESS = 1032;
inline constexpr int IDC_OWNER_EMAIL_DONT_PUBLISH = 1033;
inline constexpr int IDR_EMAIL_MENU = 8545;
inline constexpr int IDR_EMAIL_MENU_NO_SEND = 8554;
inline constexpr unsigned ID_COPY_EMAIL_ADDRESS = 49607;
inline constexpr unsigned ID_SEND_EMAIL = 49608;
inline constexpr int IDB_PUBLISHED_ADDRESS = 8551;
inline constexpr int IDB_DEFAULT_ADDRESS = 8552;

// Controls of the Home page (8507).
inline constexpr int IDC_HOME_ADDRESS = 1069;
inline constexpr int IDC_HOME_MAP = 1004;
inline constexpr int IDC_HOME_CITY = 1180;
inline constexpr int IDC_HOME_STATE = 1182;
inline constexpr int IDC_HOME_ZIP = 1547;
inline constexpr int IDC_HOME_COUNTRY_NAME = 1181;
inline constexpr int IDC_HOME_COUNTRY = 1188;
inline constexpr int IDC_HOME_PHONE = 1185;
inline constexpr int IDC_HOME_PHONE_BUTTON = 1001;
inline constexpr int IDC_HOME_FAX = 1024;
inline constexpr int IDC_HOME_FAX_BUTTON = 1002;
inline constexpr int IDC_HOME_CELL = 1025;
inline constexpr int IDC_HOME_CELL_BUTTON = 1003;
inline constexpr int IDC_HOME_TIME_ZONE = 1018;
inline constexpr int IDC_HOME_OVERRIDE_GMT = 2033;
inline constexpr int IDC_HOME_YOUR_TIME = 1183;
inline constexpr int IDC_HOME_USER_TIME = 1077;
inline constexpr int IDC_HOME_ADDRESS_LABEL = 2039;
inline constexpr int IDC_HOME_CITY_LABEL = 2040;
inline constexpr int IDC_HOME_STATE_LABEL = 2041;
inline constexpr int IDC_HOME_ZIP_LABEL = 2042;
inline constexpr int IDC_HOME_COUNTRY_LABEL = 2043;
inline constexpr int IDC_HOME_PHONE_LABEL = 2044;
inline constexpr int IDC_HOME_FAX_LABEL = 2045;
inline constexpr int IDC_HOME_CELL_LABEL = 2046;
inline constexpr int IDC_HOME_GMT_LABEL = 2030;
inline constexpr int IDC_HOME_USER_TIME_LABEL = 2047;
inline constexpr int IDC_HOME_YOUR_TIME_LABEL = 2048;

// Controls of the Work page (8512).
inline constexpr int IDC_WORK_COMPANY = 1040;
inline constexpr int IDC_WORK_DEPARTMENT = 1041;
inline constexpr int IDC_WORK_POSITION = 1042;
inline constexpr int IDC_WORK_OCCUPATION = 1043;
inline constexpr int IDC_WORK_OCCUPATION_NAME = 1044;
inline constexpr int IDC_WORK_PHONE = 1074;
inline constexpr int IDC_WORK_PHONE_BUTTON = 1002;
inline constexpr int IDC_WORK_FAX = 2016;
inline constexpr int IDC_WORK_FAX_BUTTON = 1004;
inline constexpr int IDC_WORK_ADDRESS = 2014;
inline constexpr int IDC_WORK_MAP = 1003;
inline constexpr int IDC_WORK_HOMEPAGE = 1014;
inline constexpr int IDC_WORK_HOMEPAGE_BUTTON = 1006;
inline constexpr int IDC_WORK_CITY = 1070;
inline constexpr int IDC_WORK_STATE = 1071;
inline constexpr int IDC_WORK_ZIP = 1072;
inline constexpr int IDC_WORK_COUNTRY = 1032;
inline constexpr int IDC_WORK_COUNTRY_NAME = 1073;
inline constexpr int IDC_WORK_COMPANY_LABEL = 2049;
inline constexpr int IDC_WORK_DEPARTMENT_LABEL = 2050;
inline constexpr int IDC_WORK_POSITION_LABEL = 2051;
inline constexpr int IDC_WORK_OCCUPATION_LABEL = 2052;
inline constexpr int IDC_WORK_PHONE_LABEL = 2053;
inline constexpr int IDC_WORK_FAX_LABEL = 2054;
inline constexpr int IDC_WORK_ADDRESS_LABEL = 2055;
inline constexpr int IDC_WORK_HOMEPAGE_LABEL = 2056;
inline constexpr int IDC_WORK_CITY_LABEL = 2057;
inline constexpr int IDC_WORK_STATE_LABEL = 2058;
inline constexpr int IDC_WORK_ZIP_LABEL = 2059;
inline constexpr int IDC_WORK_COUNTRY_LABEL = 2060;

// Controls of the About page (8508).
inline constexpr int IDC_ABOUT_TEXT = 1001;
inline constexpr int IDC_ABOUT_NOTES = 1002;
inline constexpr int IDC_ABOUT_FRAME = 2072;
inline constexpr int IDC_ABOUT_EXPLANATION = 2073;
inline constexpr int IDC_ABOUT_NOTES_FRAME = 2071;

// The More page (8504). The read-only texts lie over the lists of the owner's form.
inline constexpr int IDC_MORE_HOMEPAGE = 1183;
inline constexpr int IDC_MORE_HOMEPAGE_BUTTON = 1002;
inline constexpr int IDC_MORE_GENDER = 1187;
inline constexpr int IDC_MORE_GENDER_NAME = 1186;
inline constexpr int IDC_MORE_AGE = 1184;
inline constexpr int IDC_MORE_AGE_SPIN = 1009;
inline constexpr int IDC_MORE_MONTH = 1011;
inline constexpr int IDC_MORE_DAY = 1012;
inline constexpr int IDC_MORE_MONTH_NAME = 2015;
inline constexpr int IDC_MORE_DAY_TEXT = 2016;
inline constexpr int IDC_MORE_YEAR = 1016;
inline constexpr int IDC_MORE_YEAR_SPIN = 1008;
inline constexpr int IDC_MORE_ZODIAC = 2031;
inline constexpr int IDC_MORE_HOROSCOPE = 2032;
inline constexpr int IDC_MORE_NOTIFY_BIRTHDAY = 1018;
inline constexpr int IDC_MORE_REMIND = 1014;
inline constexpr int IDC_MORE_REMIND_DAYS = 1004;
inline constexpr int IDC_MORE_REMIND_SPIN = 1010;
inline constexpr int IDC_MORE_REMIND_LABEL = 2012;
inline constexpr int IDC_MORE_LANGUAGE1 = 1005;
inline constexpr int IDC_MORE_LANGUAGE2 = 1006;
inline constexpr int IDC_MORE_LANGUAGE3 = 1007;
inline constexpr int IDC_MORE_LANGUAGE1_NAME = 2017;
inline constexpr int IDC_MORE_LANGUAGE2_NAME = 2018;
inline constexpr int IDC_MORE_LANGUAGE3_NAME = 2019;
inline constexpr int IDC_MORE_HOMEPAGE_LABEL = 2061;
inline constexpr int IDC_MORE_GENDER_LABEL = 2062;
inline constexpr int IDC_MORE_AGE_LABEL = 2063;
inline constexpr int IDC_MORE_MONTH_LABEL = 2064;
inline constexpr int IDC_MORE_DAY_LABEL = 2065;
inline constexpr int IDC_MORE_YEAR_LABEL = 2066;
inline constexpr int IDC_MORE_ZODIAC_LABEL = 2067;

// The Affiliations page (8514): three rows of affiliations and three of past background, each a
// check box, a category list and a keyword edit.
inline constexpr int IDC_AFFIL_GROUP_CHECK1 = 1006;
inline constexpr int IDC_AFFIL_GROUP_CHECK2 = 1007;
inline constexpr int IDC_AFFIL_GROUP_CHECK3 = 1008;
inline constexpr int IDC_AFFIL_GROUP_LIST1 = 1013;
inline constexpr int IDC_AFFIL_GROUP_LIST2 = 1014;
inline constexpr int IDC_AFFIL_GROUP_LIST3 = 1015;
inline constexpr int IDC_AFFIL_GROUP_TEXT1 = 1010;
inline constexpr int IDC_AFFIL_GROUP_TEXT2 = 1016;
inline constexpr int IDC_AFFIL_GROUP_TEXT3 = 1017;
inline constexpr int IDC_AFFIL_PAST_CHECK1 = 1030;
inline constexpr int IDC_AFFIL_PAST_CHECK2 = 1031;
inline constexpr int IDC_AFFIL_PAST_CHECK3 = 1032;
inline constexpr int IDC_AFFIL_PAST_LIST1 = 2025;
inline constexpr int IDC_AFFIL_PAST_LIST2 = 2026;
inline constexpr int IDC_AFFIL_PAST_LIST3 = 2027;
inline constexpr int IDC_AFFIL_PAST_TEXT1 = 1025;
inline constexpr int IDC_AFFIL_PAST_TEXT2 = 1027;
inline constexpr int IDC_AFFIL_PAST_TEXT3 = 1029;
inline constexpr int IDC_AFFIL_HINT = 2023;

// The owner's Interests page (8517): four slots, each a check box, an "Edit" button and a line
// with the category's icon, its name and the keywords.
inline constexpr int IDC_INTERESTS_CHECK1 = 1006;
inline constexpr int IDC_INTERESTS_CHECK2 = 1007;
inline constexpr int IDC_INTERESTS_CHECK3 = 1008;
inline constexpr int IDC_INTERESTS_CHECK4 = 1009;
inline constexpr int IDC_INTERESTS_EDIT1 = 1001;
inline constexpr int IDC_INTERESTS_EDIT2 = 1002;
inline constexpr int IDC_INTERESTS_EDIT3 = 1003;
inline constexpr int IDC_INTERESTS_EDIT4 = 1004;
inline constexpr int IDC_INTERESTS_LINE1 = 1005;
inline constexpr int IDC_INTERESTS_LINE2 = 1010;
inline constexpr int IDC_INTERESTS_LINE3 = 1011;
inline constexpr int IDC_INTERESTS_LINE4 = 1012;
inline constexpr int IDC_INTERESTS_HINT = 2022;

// A contact's Interests / Past page (8516): the interests with their icons, and the
// affiliations and past background with their category names in bold.
inline constexpr int IDC_INTERESTS_VIEW_LIST = 1008;
inline constexpr int IDC_INTERESTS_VIEW_GROUPS = 1005;
inline constexpr int IDC_INTERESTS_VIEW_PAST = 1007;

// The e-mail group dialog (8501).
inline constexpr int IDC_EGROUP_UPDATE = 1000;
inline constexpr int IDC_EGROUP_PUBLISH = 1010;
inline constexpr int IDC_EGROUP_NAME = 1012;
inline constexpr int IDC_EGROUP_NUMBER = 1013;
inline constexpr int IDC_EGROUP_PAGE = 1014;
inline constexpr int IDC_EGROUP_DESCRIPTION = 1015;
inline constexpr int IDC_EGROUP_GOTO = 1030;
inline constexpr int IDC_EGROUP_ANIMATION = 1174;

// The homepage category dialog (8518).
inline constexpr int IDC_CATEGORY_ADDRESS = 1003;
inline constexpr int IDC_CATEGORY_GOTO_HOMEPAGE = 1009;
inline constexpr int IDC_CATEGORY_DEFINE = 1010;
inline constexpr int IDC_CATEGORY_TREE = 1012;
inline constexpr int IDC_CATEGORY_DESCRIPTION = 1011;
inline constexpr int IDC_CATEGORY_DIRECTORY = 1007;

// The topic selection (8519).
inline constexpr int IDC_TOPIC_TREE = 1010;
inline constexpr int IDC_TOPIC_NONE = 1005;

// The phone location dialog (8553).
inline constexpr int IDC_PHONE_PREVIEW = 1014;
inline constexpr int IDC_PHONE_LOCATION_NAME = 1000;
inline constexpr int IDC_PHONE_COUNTRY = 1009;
inline constexpr int IDC_PHONE_AREA = 1005;
inline constexpr int IDC_PHONE_LOCAL = 1006;
inline constexpr int IDC_PHONE_EXTENSION = 1007;

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
inline constexpr unsigned IDS_OPERATION_NOT_STARTED = 24215;
inline constexpr unsigned IDS_VCARD_NOT_WRITTEN = 24216;
inline constexpr unsigned IDS_VCARD_CAPTION = 24217;
inline constexpr unsigned IDS_UNSAVED_EDITS = 24218;
inline constexpr unsigned IDS_UNSAVED_EDITS_CAPTION = 24219;
// Every string of the module's own table that the module names.
inline constexpr unsigned kModuleStringIds[] = {
    IDS_ADD_EMAIL_ADDRESS,
    IDS_EDIT_EMAIL_ADDRESS,
    IDS_NO_DEFAULT_EMAIL,
    IDS_NO_DEFAULT_EMAIL_CAPTION,
    IDS_EMAIL_OK,
    IDS_EMAIL_ADD,
    IDS_NO_PRIMARY_EMAIL,
    IDS_NO_PRIMARY_EMAIL_CAPTION,
    IDS_EMAIL_LIMIT,
    IDS_EMAIL_LIMIT_CAPTION,
    IDS_PHONE_LENGTH,
    IDS_PHONE_LENGTH_CAPTION,
    IDS_OPERATION_NOT_STARTED,
    IDS_VCARD_NOT_WRITTEN,
    IDS_VCARD_CAPTION,
    IDS_UNSAVED_EDITS,
    IDS_UNSAVED_EDITS_CAPTION,
};
