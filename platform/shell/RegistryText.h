// The registry's text form, one item a line:
//
//   winport registry 1
//   [HKEY_CURRENT_USER\Software\Example]
//   "Name"=sz:"Ada Lovelace%00"
//   "Count"=dword:0000002a
//   "Blob"=binary:00ff7f
//   "Other"=hex(b):0100000000000000
//
// Every key has a "[path]" line, followed by its values in their order. Names and string data are
// written byte for byte, with "%XX" for control bytes, '%' and '"', so that any byte, a zero
// included, survives; string data keeps exactly the terminating zeros it was stored with. Other
// types are hex bytes: "dword" a 4-byte value as a number, "binary" and "none" their bytes, and
// "hex(T)" any other type or size. Blank lines and lines starting with ';' are ignored.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/shell/RegistryTree.h"

namespace winport {

std::string FormatRegistryText(const RegistryRoots& roots);

struct RegistryTextError {
    std::size_t line = 0;
    std::string message;
};

// A new tree built from |text|; nullopt when the text is malformed, with |error| saying where.
std::optional<RegistryRoots> ParseRegistryText(std::string_view text, RegistryTextError& error);

}  // namespace winport
