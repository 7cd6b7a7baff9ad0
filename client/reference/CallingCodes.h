// The telephone calling codes of the numbering metadata. The table is written from the metadata
// when the client is built (tools/write_calling_codes.cpp), so that the client does not load the
// metadata and compile its patterns each time it starts only to learn some 250 numbers.
#pragma once

#include <span>
#include <string_view>

namespace nuvclient {

struct RegionCallingCode {
    char region[3];   // The ISO 3166 two-letter code: "FR".
    int callingCode;  // 33.
    bool ownsCode;    // The region the numbering plan lists first for its code: 1 is "US".
};

// Every region the metadata knows, by region code.
std::span<const RegionCallingCode> RegionCallingCodes();

// The region's entry, or nullptr for a region without a calling code (Antarctica).
const RegionCallingCode* FindCallingCode(std::string_view region);

}  // namespace nuvclient
