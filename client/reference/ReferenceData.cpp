#include "client/reference/ReferenceData.h"

#include <algorithm>
#include <fstream>
#include <limits>
#include <nlohmann/json.hpp>
#include <string_view>

#include "client/reference/CallingCodes.h"

namespace nuvclient {
namespace {

// The code base of countries that do not own their calling code (see CountryCode).
constexpr int kSharedCodeBase = 1000;

// The order a person expects a list of names in: ASCII case and the accents of Latin-1 letters
// are ignored ("Åland Islands" sorts with the A's), other characters sort by their bytes.
std::string SortKey(const std::string& name) {
    // The base letters of U+00C0 to U+00FF, the code points written as 0xC3 0x80 to 0xC3 0xBF.
    constexpr std::string_view kLatin1Bases =
        "aaaaaaaceeeeiiiidnooooo*ouuuuytsaaaaaaaceeeeiiiidnooooo/ouuuuyty";
    std::string key;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        if (byte == 0xC3 && i + 1 < name.size()) {
            const auto next = static_cast<unsigned char>(name[i + 1]);
            if (next >= 0x80 && next <= 0xBF) {
                key += kLatin1Bases[next - 0x80];
                ++i;
                continue;
            }
        }
        key += byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte - 'A' + 'a') : name[i];
    }
    return key;
}

template <typename Entry>
void SortByName(std::vector<Entry>& entries) {
    std::ranges::sort(entries, {}, [](const Entry& entry) { return SortKey(entry.name); });
}

nlohmann::json ReadTable(const std::filesystem::path& path, const char* key) {
    std::ifstream in(path);
    if (!in) throw ReferenceDataError(path, "cannot be opened");
    nlohmann::json table = nlohmann::json::parse(in, nullptr, false);
    if (table.is_discarded() || !table.contains(key) || !table[key].is_array()) {
        throw ReferenceDataError(path, std::string("has no valid \"") + key + "\" table");
    }
    return table[key];
}

// A country's code is its calling code when it is the country that owns that code (the first
// region the numbering plan lists for it: 1 is the United States, 7 Russia); every other
// country, including those without a calling code, gets 1000 + its ISO 3166 numeric code.
// Calling codes stay below 1000 and numeric codes are unique and below 1000, so codes never
// collide and fit a signed 16-bit value.
HostCountry MakeCountry(const RegionCallingCode* calling, int numeric, const std::string& name) {
    const int callingCode = calling ? calling->callingCode : 0;
    const int code = calling && calling->ownsCode ? callingCode : kSharedCodeBase + numeric;
    return {static_cast<short>(code), name, callingCode};
}

std::vector<HostCountry> ReadCountries(const std::filesystem::path& path) {
    const nlohmann::json table = ReadTable(path, "3166-1");
    std::vector<HostCountry> countries;
    for (const nlohmann::json& entry : table) {
        const std::string region = entry.value("alpha_2", "");
        const std::string numericText = entry.value("numeric", "");
        const std::string name = entry.value("common_name", entry.value("name", ""));
        int numeric = 0;
        try {
            numeric = std::stoi(numericText);
        } catch (const std::exception&) {
            numeric = -1;
        }
        if (region.size() != 2 || name.empty() || numeric <= 0 || numeric >= kSharedCodeBase) {
            throw ReferenceDataError(path, "country \"" + region + "\" is incomplete");
        }
        countries.push_back(MakeCountry(FindCallingCode(region), numeric, name));
    }
    SortByName(countries);
    return countries;
}

// A language's code is the place (from 1) of its two-letter code among the two-letter codes in
// alphabetical order; a record keeps it in one byte.
std::vector<HostLanguage> ReadLanguages(const std::filesystem::path& path) {
    std::vector<std::pair<std::string, std::string>> byTwoLetterCode;
    for (const nlohmann::json& entry : ReadTable(path, "639-2")) {
        const std::string twoLetterCode = entry.value("alpha_2", "");
        if (twoLetterCode.empty()) continue;
        const std::string name = entry.value("name", "");
        // Alternative names follow the first after semicolons: "Spanish; Castilian".
        byTwoLetterCode.emplace_back(twoLetterCode, name.substr(0, name.find(';')));
    }
    if (byTwoLetterCode.size() > std::numeric_limits<unsigned char>::max()) {
        throw ReferenceDataError(path, "has more languages than a byte can number");
    }
    std::ranges::sort(byTwoLetterCode);
    std::vector<HostLanguage> languages;
    for (std::size_t i = 0; i < byTwoLetterCode.size(); ++i) {
        languages.push_back({static_cast<int>(i + 1), byTwoLetterCode[i].second});
    }
    SortByName(languages);
    return languages;
}

}  // namespace

ReferenceData::ReferenceData(const std::filesystem::path& isoCodesFolder)
    : m_countries(ReadCountries(isoCodesFolder / "iso_3166-1.json")),
      m_languages(ReadLanguages(isoCodesFolder / "iso_639-2.json")),
      m_genders{"Female", "Male"},
      m_months{"January", "February", "March",     "April",   "May",      "June",
               "July",    "August",   "September", "October", "November", "December"} {}

}  // namespace nuvclient
