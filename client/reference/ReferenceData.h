// The client's reference tables for the host library: country and language names from the
// iso-codes tables, calling codes from the telephone numbering metadata (CallingCodes.h), and
// the gender and month names of the client.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "hostlib/reference/HostReferenceData.h"

namespace nuvclient {

// Reference data that could not be read. The message names the file and the problem.
class ReferenceDataError : public std::runtime_error {
public:
    ReferenceDataError(const std::filesystem::path& path, const std::string& problem)
        : std::runtime_error(path.string() + ": " + problem) {}
};

// The folder the iso-codes tables are installed in.
inline const std::filesystem::path kIsoCodesFolder = "/usr/share/iso-codes/json";

class ReferenceData final : public HostReferenceData {
public:
    // Reads iso_3166-1.json and iso_639-2.json from |isoCodesFolder|; throws
    // ReferenceDataError when a table is missing or malformed.
    explicit ReferenceData(const std::filesystem::path& isoCodesFolder = kIsoCodesFolder);

    std::span<const HostCountry> Countries() const override { return m_countries; }
    std::span<const HostLanguage> Languages() const override { return m_languages; }
    std::span<const std::string> Genders() const override { return m_genders; }
    std::span<const std::string> MonthNames() const override { return m_months; }

private:
    std::vector<HostCountry> m_countries;   // By name.
    std::vector<HostLanguage> m_languages;  // By name.
    std::vector<std::string> m_genders;
    std::vector<std::string> m_months;
};

}  // namespace nuvclient
