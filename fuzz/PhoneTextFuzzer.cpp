// Any text in a phone field, stored or typed, read as the pages read it (after the field's
// location and a colon) joins to a stored form that reads back and joins to the same text.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "hostlib/reference/HostReferenceData.h"
#include "pages/personal/PhoneText.h"

namespace {

class CountryTable final : public HostReferenceData {
public:
    std::span<const HostCountry> Countries() const override { return m_countries; }
    std::span<const HostLanguage> Languages() const override { return {}; }
    std::span<const std::string> Genders() const override { return {}; }
    std::span<const std::string> MonthNames() const override { return {}; }

private:
    const HostCountry m_countries[5] = {{1, "United States", 1},
                                        {7, "Russia", 7},
                                        {33, "France", 33},
                                        {44, "United Kingdom", 44},
                                        {358, "Finland", 358}};
};

void Check(const std::string& text, PhoneTextSource source) {
    const std::string joined = JoinPhoneText(ReadPhoneText("Home:" + text, source));
    const PhoneParts again = ReadPhoneText("Home:" + joined, PhoneTextSource::Stored);
    if (const std::string rejoined = JoinPhoneText(again); rejoined != joined) {
        std::fprintf(stderr, "read as %s, joined \"%s\", read again and joined \"%s\"\n",
                     source == PhoneTextSource::Stored ? "stored" : "typed", joined.c_str(),
                     rejoined.c_str());
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const CountryTable countries;
    SetHostReferenceData(&countries);
    const std::string text(reinterpret_cast<const char*>(data), size);
    Check(text, PhoneTextSource::Stored);
    Check(text, PhoneTextSource::Typed);
    return 0;
}
