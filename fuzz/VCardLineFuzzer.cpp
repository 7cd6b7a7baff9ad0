// Any values make a well-formed vCard property line: CR LF only at the ends of physical lines,
// at most 76 characters on each line of a quoted-printable value, and the values read back
// exactly, part for part, as address books read them.
//
// Input: one byte of flags (1: a structured value, 2: quoted-printable always), then the value;
// a structured value's parts are separated by the byte 0xFF.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "export/VCardLine.h"

namespace {

[[noreturn]] void Fail(const char* problem, const std::string& line) {
    std::fprintf(stderr, "%s in: %s\n", problem, line.c_str());
    std::abort();
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The parts the logical value |value| holds, read as the common readers do: "=XX" a byte in a
// quoted-printable value, "\" an escape, ";" a separator of a structured value; no bare ",".
std::vector<std::string> ReadParts(std::string_view value, bool quoted, bool structured,
                                   const std::string& line) {
    std::vector<std::string> parts(1);
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (quoted && c == '=') {
            if (i + 2 >= value.size()) Fail("a cut =XX", line);
            const int high = HexDigit(value[i + 1]);
            const int low = HexDigit(value[i + 2]);
            if (high < 0 || low < 0) Fail("bad =XX", line);
            parts.back() += static_cast<char>(high * 16 + low);
            i += 2;
        } else if (c == '\\') {
            if (i + 1 == value.size()) Fail("a trailing backslash", line);
            parts.back() += value[++i];
        } else if (c == ';' && structured) {
            parts.emplace_back();
        } else if (c == ';' || c == ',' || c == '\r' || c == '\n') {
            // One common reader ends a value at a bare comma.
            Fail("a bare separator, comma or line break in a value", line);
        } else {
            parts.back() += c;
        }
    }
    return parts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const bool structured = data[0] & 1;
    const VCardEncoding encoding = (data[0] & 2) ? VCardEncoding::Always : VCardEncoding::AsNeeded;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    std::vector<std::string> parts(1);
    for (const char c : text) {
        if (structured && static_cast<unsigned char>(c) == 0xFF) {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    const std::string name = structured ? "ADR;HOME" : "NOTE";
    const std::string line =
        VCardLine(name, parts, structured ? VCardValue::Structured : VCardValue::Text, encoding);

    // Physical lines, each ended by CR LF and holding no other CR or LF.
    std::vector<std::string_view> physical;
    std::string_view rest = line;
    while (!rest.empty()) {
        const std::size_t end = rest.find("\r\n");
        if (end == std::string_view::npos) Fail("no CR LF at the end", line);
        physical.push_back(rest.substr(0, end));
        if (physical.back().find_first_of("\r\n") != std::string_view::npos)
            Fail("a bare CR or LF", line);
        rest.remove_prefix(end + 2);
    }
    if (physical.empty()) Fail("no line", line);
    const std::size_t colon = physical[0].find(':');
    if (colon == std::string_view::npos || physical[0].substr(0, name.size()) != name)
        Fail("no property name", line);
    const std::string_view head = physical[0].substr(0, colon);
    const bool quoted = head.find("ENCODING=QUOTED-PRINTABLE") != std::string_view::npos;
    if (encoding == VCardEncoding::Always && !quoted) Fail("not quoted-printable", line);

    // The logical value: soft line breaks ("=" at the end of a line) joined.
    std::string value;
    for (std::size_t n = 0; n < physical.size(); ++n) {
        std::string_view piece = n == 0 ? physical[0].substr(colon + 1) : physical[n];
        if (quoted && physical[n].size() > 76) Fail("a line over 76 characters", line);
        const bool last = n + 1 == physical.size();
        if (!last) {
            if (!quoted || piece.empty() || piece.back() != '=') Fail("a line break", line);
            piece.remove_suffix(1);
        }
        value += piece;
    }
    if (ReadParts(value, quoted, structured, line) != parts) Fail("other values read back", line);
    return 0;
}
