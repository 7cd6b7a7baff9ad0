#include "hostlib/reference/HostReferenceData.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <string_view>

namespace {

std::atomic<const HostReferenceData*> g_data{nullptr};

const HostCountry* FindCountry(int code) {
    const HostReferenceData* data = g_data.load();
    if (!data || code == 0) return nullptr;
    const auto countries = data->Countries();
    const auto found = std::ranges::find(countries, code, &HostCountry::code);
    return found == countries.end() ? nullptr : &*found;
}

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

// Entry |index| of |names| counted from |first|; the empty text outside it.
const char* NameAt(std::span<const std::string> names, int index, int first) {
    if (index < first || index - first >= static_cast<int>(names.size())) return "";
    return names[static_cast<std::size_t>(index - first)].c_str();
}

}  // namespace

void SetHostReferenceData(const HostReferenceData* data) {
    g_data.store(data);
}

const HostReferenceData* GetHostReferenceData() {
    return g_data.load();
}

const char* GetCountryName(int code, char* buffer, int size) {
    const HostCountry* country = FindCountry(code);
    if (!country) return nullptr;
    if (!buffer || size <= 0) return country->name.c_str();
    const std::size_t length = std::min(country->name.size(), static_cast<std::size_t>(size) - 1);
    std::memcpy(buffer, country->name.data(), length);
    buffer[length] = '\0';
    return buffer;
}

int GetTelephonyCountryCode(const char* name) {
    const HostReferenceData* data = g_data.load();
    if (!data || !name) return 0;
    for (const HostCountry& country : data->Countries()) {
        if (EqualIgnoringAsciiCase(country.name, name)) return country.callingCode;
    }
    return 0;
}

const char* GetLanguageName(int code) {
    const HostReferenceData* data = g_data.load();
    if (!data || code == 0) return "";
    const auto languages = data->Languages();
    const auto found = std::ranges::find(languages, code, &HostLanguage::code);
    return found == languages.end() ? "" : found->name.c_str();
}

const char* GetGenderName(int value) {
    const HostReferenceData* data = g_data.load();
    return data ? NameAt(data->Genders(), value, 1) : "";
}

const char* GetMonthString(int month) {
    const HostReferenceData* data = g_data.load();
    return data ? NameAt(data->MonthNames(), month, 1) : "";
}
