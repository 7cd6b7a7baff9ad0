// The host's own pictures: the shared small image list the module's windows index into, and the
// host's numbered icons. Every picture is drawn by code, with transparency around its symbol.
#pragma once

#include "platform/core/WinTypes.h"
#include "platform/gdi/ImageList.h"

inline constexpr int kHostSmallImageSize = 16;
inline constexpr int kHostIconSize = 32;

// Indexes of the shared small image list that carry a symbol of their own. Every other index
// up to kHostLastImage holds a plain tile marked with its index's bits, so all differ.
inline constexpr int kHostImageWebPage = 6;
inline constexpr int kHostImageOutsidePage = 34;
inline constexpr int kHostImageCopySummary = 50;
inline constexpr int kHostImageHome = 53;
inline constexpr int kHostImageAffiliations = 54;
inline constexpr int kHostImageInterests = 55;
inline constexpr int kHostImageMore = 56;
inline constexpr int kHostImageWork = 58;
inline constexpr int kHostImageMain = 59;
inline constexpr int kHostImageAbout = 60;
inline constexpr int kHostImageFax = 67;
inline constexpr int kHostImageCellular = 68;
inline constexpr int kHostImageDefaultAddress = 89;
inline constexpr int kHostImagePhone = 133;
inline constexpr int kHostImagePublishedAddress = 203;
inline constexpr int kHostLastImage = kHostImagePublishedAddress;

// The host's icons: 6 the web page, 7 the user details.
inline constexpr int kHostIconWebPage = 6;
inline constexpr int kHostIconUserDetails = 7;

// A new 16 x 16, 32-bit image list holding images 0 to kHostLastImage; the caller destroys it.
// Null with the last error set when the list cannot be made.
HIMAGELIST CreateHostSmallImageList();

// A new 32 x 32 icon for host icon |number|; the caller destroys it. Null for a number the host
// has no icon for (ERROR_RESOURCE_NAME_NOT_FOUND).
HICON CreateHostIcon(int number);
