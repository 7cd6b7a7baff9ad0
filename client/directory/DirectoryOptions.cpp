#include "client/directory/DirectoryOptions.h"

#include <charconv>

namespace nuvclient {

std::optional<DirectoryFailure> ParseDirectoryFailure(std::string_view text) {
    const size_t colon = text.find(':');
    if (colon == std::string_view::npos || colon == 0) return std::nullopt;
    std::string_view number = text.substr(0, colon);
    if (number.front() == '+') number.remove_prefix(1);
    DirectoryFailure failure;
    const auto [end, error] =
        std::from_chars(number.data(), number.data() + number.size(), failure.code);
    if (error != std::errc() || end != number.data() + number.size() || number.empty())
        return std::nullopt;
    failure.text = std::string(text.substr(colon + 1));
    return failure;
}

}  // namespace nuvclient
