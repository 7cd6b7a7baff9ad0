// How the emulated directory service behaves: how long each operation takes, and a failure it
// reports instead of doing its work.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace nuvclient {

struct DirectoryFailure {
    int code = 0;
    std::string text;
    bool operator==(const DirectoryFailure&) const = default;
};

struct DirectoryOptions {
    // Each operation waits this long on its worker before it does its work.
    std::chrono::milliseconds latency{0};
    // When set, every operation reports this failure after its latency and changes nothing.
    std::optional<DirectoryFailure> failure;
};

// Reads "CODE:TEXT": a decimal code (a sign allowed), a colon and the text, which may be empty
// and may hold colons. Nothing for any other form.
std::optional<DirectoryFailure> ParseDirectoryFailure(std::string_view text);

}  // namespace nuvclient
