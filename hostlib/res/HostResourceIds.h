// Ids of the host library's own resources.
#pragma once

inline constexpr int IDD_BC_WARNING = 30600;
inline constexpr int IDC_BC_WARNING_ICON = 1001;
inline constexpr int IDC_BC_WARNING_TEXT = 1002;
inline constexpr int IDC_BC_WARNING_DONTSHOW = 1003;
// The zodiac strip the image list of zodiac signs is cut from.
inline constexpr int IDB_BC_ZODIAC = 1056;
