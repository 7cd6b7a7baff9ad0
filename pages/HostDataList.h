// The host's category tables (occupations, topics, affiliations, ...) as the pages open them.
#pragma once

#include "module/host/MINUVDataList.h"
#include "platform/com/ComPtr.h"

// The host's data list |name|, from its data-list service; null when the service or the list
// is not available.
winport::ComPtr<MINUVDataList> OpenHostDataList(const char* name);
