// The client's own dialog templates, with the ids of their controls. They are in the resource
// chain while a HostDialogTemplates object lives. The client's template ids lie from 31000 on,
// apart from the module's and the host library's.
#pragma once

namespace nuvclient {

// The upload confirmation: the question, its explanation, and the Yes (IDYES) and No (IDNO)
// buttons.
inline constexpr int IDD_SAVE_CONFIRMATION = 31001;
inline constexpr int IDC_SAVE_CONFIRMATION_QUESTION = 1001;
inline constexpr int IDC_SAVE_CONFIRMATION_EXPLANATION = 1002;

// The interest picker: a category of the host's "interest" list (an empty entry for none) and
// the keywords, OK (IDOK) and Cancel (IDCANCEL).
inline constexpr int IDD_INTEREST_PICKER = 31002;
inline constexpr int IDC_INTEREST_PICKER_CATEGORY = 1001;
inline constexpr int IDC_INTEREST_PICKER_KEYWORDS = 1002;

// The History tab the client adds to details windows: when the details were published or the
// contact added, when they were last fetched and what changed then, and whether to keep track.
inline constexpr int IDD_HISTORY_PAGE = 31003;
inline constexpr int IDC_HISTORY_FIRST_LABEL = 1001;
inline constexpr int IDC_HISTORY_FIRST = 1002;
inline constexpr int IDC_HISTORY_FETCHED = 1003;
inline constexpr int IDC_HISTORY_CHANGES = 1004;
inline constexpr int IDC_HISTORY_KEEP = 1005;

class HostDialogTemplates {
public:
    // Throws std::runtime_error when the templates cannot join the chain (the error names them).
    HostDialogTemplates();
    ~HostDialogTemplates();
    HostDialogTemplates(const HostDialogTemplates&) = delete;
    HostDialogTemplates& operator=(const HostDialogTemplates&) = delete;
};

}  // namespace nuvclient
