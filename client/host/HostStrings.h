// The client's host string table: the texts the module and the host library name by id. It is
// in the resource chain while a HostStrings object lives.
#pragma once

namespace nuvclient {

class HostStrings {
public:
    // Throws std::runtime_error when the table cannot join the chain (the error names it).
    HostStrings();
    ~HostStrings();
    HostStrings(const HostStrings&) = delete;
    HostStrings& operator=(const HostStrings&) = delete;
};

}  // namespace nuvclient
