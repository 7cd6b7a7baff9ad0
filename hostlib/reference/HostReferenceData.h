// The reference tables the host hands to its library at start: countries, languages, genders
// and month names. The lookups below answer from the tables set last.
#pragma once

#include <span>
#include <string>

struct HostCountry {
    short code = 0;  // The number a record stores for the country; 0 stands for none.
    std::string name;
    int callingCode = 0;  // The telephone calling code; 0 when the country has none.
};

struct HostLanguage {
    int code = 0;  // The number a record stores (1 to 255); 0 stands for none.
    std::string name;
};

class HostReferenceData {
public:
    virtual ~HostReferenceData() = default;

    // Countries and languages in the order the combo boxes show them.
    virtual std::span<const HostCountry> Countries() const = 0;
    virtual std::span<const HostLanguage> Languages() const = 0;
    // The names of gender values 1, 2 and so on; value 0 stands for none.
    virtual std::span<const std::string> Genders() const = 0;
    // The names of months 1 to 12.
    virtual std::span<const std::string> MonthNames() const = 0;
};

// Makes |data| (not owned; it must outlive its use) the library's tables; null clears them,
// after which every lookup answers as for an unknown value. Thread-safe.
void SetHostReferenceData(const HostReferenceData* data);
const HostReferenceData* GetHostReferenceData();

// The name of country |code|; null when the code is unknown. With a |buffer| of |size| bytes
// the name is copied there (cut to fit) and the buffer is the answer.
const char* GetCountryName(int code, char* buffer = nullptr, int size = 0);
// The calling code of the country named |name| (ignoring ASCII case); 0 when unknown.
int GetTelephonyCountryCode(const char* name);
// The name of language |code|, gender |value| or |month| (1 to 12); the empty text for none
// and for an unknown value. The texts live as long as the tables.
const char* GetLanguageName(int code);
const char* GetGenderName(int value);
const char* GetMonthString(int month);
