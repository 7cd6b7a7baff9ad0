// Any values in a record give a card of well-formed lines: BEGIN and END around it, every
// logical line a property name, its parameters and a value, CR LF only at the ends of physical
// lines, and a line continued only by a quoted-printable soft break.
//
// Input: records of one byte choosing the key, then the value up to the byte 0xFF.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "export/VCardWriter.h"
#include "hostlib/property/MCMemoryPropertySet.h"
#include "hostlib/property/MCVariantPropertySet.h"

namespace {

constexpr const char* kTextKeys[] = {
    "UINString",      "DefinedHandle", "FirstName",   "LastName",    "PrimaryEmail", "WorkCompany",
    "WorkDepartment", "WorkJobTitle",  "WorkAddress", "WorkCity",    "WorkState",    "WorkZipCode",
    "HomeAddress",    "HomeCity",      "HomeState",   "HomeZipCode", "HomeHomepage", "WorkHomepage",
    "HomePhone",      "HomeFax",       "WorkPhone",   "WorkFax",     "HomeCell"};
constexpr const char* kIntegerKeys[] = {"WorkCountry", "HomeCountry", "Gender"};

[[noreturn]] void Fail(const char* problem, std::string_view line) {
    std::fprintf(stderr, "%s: %.*s\n", problem, static_cast<int>(line.size()), line.data());
    std::abort();
}

bool IsName(std::string_view name) {
    if (name.empty()) return false;
    for (const char c : name)
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == ';' ||
              c == '=' || c == '_'))
            return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const winport::ComPtr<MCMemoryPropertySet> set = MCMemoryPropertySet::Create();
    MCVariantPropertySet record(set.Get());
    for (std::size_t at = 0; at < size;) {
        const std::uint8_t choice = data[at++];
        std::string value;
        while (at < size && data[at] != 0xFF) value += static_cast<char>(data[at++]);
        ++at;
        constexpr std::size_t kTexts = sizeof kTextKeys / sizeof *kTextKeys;
        if (choice < kTexts) {
            record[kTextKeys[choice]] = value;
        } else {
            std::uint32_t number = 0;
            for (const char c : value) number = number * 31 + static_cast<unsigned char>(c);
            record[kIntegerKeys[choice % 3]] = static_cast<short>(number);
        }
    }
    const std::string card = CVCardWriter(&record).CardText();

    std::vector<std::string> logical;
    bool continued = false;
    std::string_view rest = card;
    while (!rest.empty()) {
        const std::size_t end = rest.find("\r\n");
        if (end == std::string_view::npos) Fail("no CR LF at the end", rest);
        const std::string_view physical = rest.substr(0, end);
        rest.remove_prefix(end + 2);
        if (physical.find_first_of("\r\n") != std::string_view::npos)
            Fail("a bare CR or LF", physical);
        if (continued) {
            logical.back() += physical;
        } else {
            logical.emplace_back(physical);
        }
        const bool quoted =
            logical.back().find("ENCODING=QUOTED-PRINTABLE") < logical.back().find(':');
        if (quoted && physical.size() > 76) Fail("a line over 76 characters", physical);
        continued = quoted && !physical.empty() && physical.back() == '=';
        if (continued) logical.back().pop_back();
    }
    if (continued) Fail("a soft break at the end", card);
    if (logical.size() < 3 || logical.front() != "BEGIN:VCARD" || logical.back() != "END:VCARD")
        Fail("no BEGIN and END around the card", card);
    for (const std::string& line : logical) {
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos || !IsName(std::string_view(line).substr(0, colon)))
            Fail("not a property line", line);
    }
    return 0;
}
