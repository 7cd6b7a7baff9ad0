// The host's category tables (occupations, topics, affiliations, ...) as the pages open them.
#pragma once

#include "module/host/MINUVDataList.h"
#include "platform/com/ComPtr.h"
#include "platform/gdi/ImageList.h"

// The host's data list |name|, from its data-list service; null when the service or the list
// is not available.
winport::ComPtr<MINUVDataList> OpenHostDataList(const char* name);

// A copy of the image list |list| keeps for its rows (row 0's "imagelist"), for the caller to
// destroy; null when the list has none.
HIMAGELIST CopyListImages(MINUVDataList* list);
