#include "client/directory/PublishedKeys.h"

#include <array>

namespace nuvclient {
namespace {

constexpr std::string_view kIdentityKeys[] = {
    "FirstName",   "LastName", "NickName",  "PrimaryEmail", "DontPublishEmail",
    "HomeAddress", "HomeCity", "HomeState", "HomeZipCode",  "HomeCountry",
    "HomePhone",   "HomeFax",  "HomeCell",  "TimeZone"};
constexpr std::string_view kPersonalKeys[] = {"HomeHomepage", "Gender",    "Age",     "BirthDay",
                                              "BirthMonth",   "BirthYear", "Language"};
constexpr std::string_view kHomepageKeys[] = {"HomepageCategory", "HomepageDescription"};
constexpr std::string_view kWorkKeys[] = {
    "WorkCompany", "WorkDepartment", "WorkJobTitle", "Occupation",  "WorkPhone",   "WorkFax",
    "WorkAddress", "WorkCity",       "WorkState",    "WorkZipCode", "WorkCountry", "WorkHomepage"};
constexpr std::string_view kAboutKeys[] = {"About"};
constexpr std::string_view kInterestKeys[] = {"InterestCategory", "InterestText"};
constexpr std::string_view kBackgroundKeys[] = {"GroupCategory", "GroupText", "PastCategory",
                                                "PastText"};
constexpr std::string_view kOwnerEmailKeys[] = {"AdditionalOwnerEmails"};

constexpr std::array<PublishedSection, 8> kOwnerSections = {{
    {0x04, kIdentityKeys},
    {0x08, kPersonalKeys},
    {0x10, kHomepageKeys},
    {0x20, kWorkKeys},
    {0x40, kAboutKeys},
    {0x80, kInterestKeys},
    {0x100, kBackgroundKeys},
    {0x200, kOwnerEmailKeys},
}};

template <size_t N>
constexpr auto AllOwnerKeys() {
    std::array<std::string_view, N> keys{};
    size_t next = 0;
    for (const PublishedSection& section : kOwnerSections)
        for (std::string_view key : section.keys) keys[next++] = key;
    return keys;
}

constexpr size_t CountOwnerKeys() {
    size_t count = 0;
    for (const PublishedSection& section : kOwnerSections) count += section.keys.size();
    return count;
}

constexpr auto kOwnerKeys = AllOwnerKeys<CountOwnerKeys()>();

// Others see a contact's primary address only when he publishes it, and his other published
// addresses as "MoreEmails".
constexpr auto ContactKeys() {
    std::array<std::string_view, kOwnerKeys.size() - 1> keys{};
    size_t next = 0;
    for (std::string_view key : kOwnerKeys) {
        if (key == "DontPublishEmail") continue;
        keys[next++] = key == "AdditionalOwnerEmails" ? std::string_view("MoreEmails") : key;
    }
    return keys;
}

constexpr auto kContactKeys = ContactKeys();
constexpr std::string_view kGroupKeys[] = {"HomeHomepage", "About"};

}  // namespace

std::span<const PublishedSection> OwnerSections() {
    return kOwnerSections;
}

std::span<const std::string_view> RetrievedKeys(UserKind kind) {
    switch (kind) {
        case UserKind::Owner: return kOwnerKeys;
        case UserKind::Contact: return kContactKeys;
        case UserKind::Group: return kGroupKeys;
    }
    return {};
}

void CopyKeys(const Record& from, Record& to, std::span<const std::string_view> keys) {
    for (std::string_view key : keys) {
        if (const Value* value = from.Find(key)) {
            to.Set(key, *value);
        } else {
            to.Remove(key);
        }
    }
}

}  // namespace nuvclient
