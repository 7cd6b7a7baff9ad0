#include "hostlib/util/Validators.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <string>
#include <string_view>

#include "hostlib/util/HostStrings.h"
#include "hostlib/util/UtilityStrings.h"
#include "platform/shell/MessageBox.h"
#include "platform/text/Utf8.h"

namespace {

// Replaces "%1", "%2" and "%3" in a host string; the values are never read as formats.
std::string Substitute(std::string text, std::string_view first, std::string_view second = {},
                       std::string_view third = {}) {
    const std::string_view values[] = {first, second, third};
    for (size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at)) {
        const char digit = at + 1 < text.size() ? text[at + 1] : '\0';
        if (digit < '1' || digit > '3') {
            ++at;
            continue;
        }
        const std::string_view value = values[digit - '1'];
        text.replace(at, 2, value);
        at += value.size();
    }
    return text;
}

void Tell(HWND owner, const std::string& text) {
    const std::string caption = BRCString(AFX_IDS_APP_TITLE);
    MessageBox(owner, text.c_str(), caption.c_str(), MB_OK | MB_ICONEXCLAMATION);
}

bool HasControlCharacter(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
    }
    return false;
}

bool IsDomainCharacter(unsigned char c) {
    return std::isalnum(c) || c == '-' || c >= 0x80;
}

bool IsLocalCharacter(unsigned char c) {
    return std::isalnum(c) || c >= 0x80 ||
           std::string_view("!#$%&'*+-/=?^_`{|}~.").find(static_cast<char>(c)) !=
               std::string_view::npos;
}

}  // namespace

bool BIsValidEntry(const char* text, UINT fieldNameId, int maxLength, int flags, HWND owner) {
    const std::string_view entry = text ? text : "";
    const std::string field = BRCString(fieldNameId);
    if ((flags & kEntryRequired) && entry.empty()) {
        Tell(owner, Substitute(BRCString(kEntryEmptyText), field));
        return false;
    }
    if (maxLength >= 0 && winport::CodePointCount(entry) > static_cast<size_t>(maxLength)) {
        Tell(owner, Substitute(BRCString(kEntryTooLongText), field, std::to_string(maxLength)));
        return false;
    }
    if (HasControlCharacter(entry)) {
        Tell(owner, Substitute(BRCString(kEntryBadCharacterText), field));
        return false;
    }
    return true;
}

bool BIsValidIntegerEntry(const char* text, const char* fieldName, long minimum, long maximum,
                          HWND owner) {
    std::string_view entry = text ? text : "";
    while (!entry.empty() && (entry.front() == ' ' || entry.front() == '\t'))
        entry.remove_prefix(1);
    while (!entry.empty() && (entry.back() == ' ' || entry.back() == '\t')) entry.remove_suffix(1);
    const std::string digits(entry);
    char* end = nullptr;
    errno = 0;
    const long value = digits.empty() ? 0 : std::strtol(digits.c_str(), &end, 10);
    const bool whole = !digits.empty() && end && *end == '\0' && errno == 0;
    if (whole && value >= minimum && value <= maximum) return true;
    if (owner) {
        const UINT textId = fieldName && *fieldName ? kIntegerRangeText : kIntegerRangeUnnamedText;
        Tell(owner, Substitute(BRCString(textId), fieldName ? fieldName : "",
                               std::to_string(minimum), std::to_string(maximum)));
    }
    return false;
}

bool BIsValidEmail(const char* text) {
    const std::string_view address = text ? text : "";
    const size_t at = address.find('@');
    if (at == std::string_view::npos || at == 0 ||
        address.find('@', at + 1) != std::string_view::npos) {
        return false;
    }
    const std::string_view local = address.substr(0, at);
    const std::string_view domain = address.substr(at + 1);
    if (local.front() == '.' || local.back() == '.' || local.find("..") != std::string_view::npos) {
        return false;
    }
    for (const char c : local) {
        if (!IsLocalCharacter(static_cast<unsigned char>(c))) return false;
    }
    // The domain: labels of letters, digits and hyphens, at least two, none empty.
    int labels = 0;
    size_t start = 0;
    while (start <= domain.size()) {
        const size_t dot = domain.find('.', start);
        const std::string_view label = domain.substr(
            start, dot == std::string_view::npos ? std::string_view::npos : dot - start);
        if (label.empty() || label.front() == '-' || label.back() == '-') return false;
        for (const char c : label) {
            if (!IsDomainCharacter(static_cast<unsigned char>(c))) return false;
        }
        ++labels;
        if (dot == std::string_view::npos) break;
        start = dot + 1;
    }
    return labels >= 2;
}
