// Which keys of a user's record the directory service holds: the owner's details by upload
// section ("UpdateInfoStatus" bits), and what a retrieval of a contact or an e-mail group
// copies. Every other key is the owner's own (his settings about a contact, the client's state)
// and no directory operation touches it.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "client/store/Store.h"
#include "client/store/Value.h"

namespace nuvclient {

// The date the details were published, in seconds since 1970; kept by the directory and, after
// a retrieval, in the user's record.
inline constexpr std::string_view kLastUpdateDate = "LastUpdateDate";
inline constexpr std::string_view kLastKnownUpdateDate = "LastKnownUpdateDate";
inline constexpr std::string_view kUpdateInfoStatus = "UpdateInfoStatus";
// The client's own history of a user's details: when they were last fetched from the directory
// and the keys that changed then (names joined by ", "), kept unless "KeepHistory" is false.
inline constexpr std::string_view kFetchedDate = "FetchedDate";
inline constexpr std::string_view kFetchedChanges = "FetchedChanges";
inline constexpr std::string_view kKeepHistory = "KeepHistory";
inline constexpr std::string_view kAddedDate = "AddedDate";
// Nothing is waiting to be uploaded.
inline constexpr std::uint16_t kNothingToUpload = 0xFFFF;

struct PublishedSection {
    std::uint16_t bit;
    std::span<const std::string_view> keys;
};

// The sections of the owner's details, each with the bit of "UpdateInfoStatus" that is clear
// while it waits to be uploaded.
std::span<const PublishedSection> OwnerSections();

// The keys a retrieval copies for a user of |kind|: a contact's details as others see them
// (his further addresses as "MoreEmails"), an e-mail group's page and description, or all of the
// owner's sections.
std::span<const std::string_view> RetrievedKeys(UserKind kind);

// Gives |to| the values |from| has for |keys|, and removes from |to| those |from| lacks.
void CopyKeys(const Record& from, Record& to, std::span<const std::string_view> keys);

}  // namespace nuvclient
