// The client's host string table: the texts the module and the host library name by id. It is
// in the resource chain while a HostStrings object lives.
#pragma once

#include "platform/core/WinTypes.h"

namespace nuvclient {

inline constexpr UINT IDS_OWNER_DETAILS_TITLE = 6734;
inline constexpr UINT IDS_CONTACT_DETAILS_TITLE = 6735;
inline constexpr UINT IDS_UPDATE_WARNING_CAPTION = 29115;
inline constexpr UINT IDS_UPDATE_WARNING_TEXT = 29116;

class HostStrings {
public:
    // Throws std::runtime_error when the table cannot join the chain (the error names it).
    HostStrings();
    ~HostStrings();
    HostStrings(const HostStrings&) = delete;
    HostStrings& operator=(const HostStrings&) = delete;
};

}  // namespace nuvclient
