#include "client/directory/DirectoryWork.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <new>
#include <string>

#include "client/directory/PublishedKeys.h"
#include "client/store/DataFolder.h"
#include "client/store/StoreError.h"

namespace nuvclient {
namespace {

std::uint32_t Now() {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(
        std::chrono::system_clock::now().time_since_epoch());
    return static_cast<std::uint32_t>(seconds.count());
}

DirectoryFailure UnknownUser(std::uint32_t user, const std::string& problem) {
    return {kDirectoryUnknownUser, "User " + std::to_string(user) + " " + problem + "."};
}

// The store and the directory, opened on the calling thread; the user as the store knows him.
struct Files {
    explicit Files(const DirectoryPlace& place)
        : store(place.storeFile), directory(OpenDirectory(place.dataFolder, place.sampleData)) {}
    Store store;
    std::unique_ptr<Store> directory;
};

// Runs |work| over the opened files; a file that fails is reported with its name.
DirectoryOutcome WithFiles(const DirectoryPlace& place,
                           const std::function<DirectoryOutcome(Files&)>& work) {
    try {
        Files files(place);
        return work(files);
    } catch (const StoreError& error) {
        return DirectoryFailure{kDirectoryFileFailed, error.what()};
    } catch (const std::bad_alloc&) {
        return DirectoryFailure{kDirectoryFileFailed, "out of memory"};
    }
}

// |user| when the store knows him as |kind| (any kind when none is given) and the directory
// lists him.
DirectoryOutcome CheckUser(Files& files, std::uint32_t user, std::optional<UserKind> kind,
                           UserKind& found) {
    const std::optional<User> known = files.store.FindUser(user);
    if (!known) return UnknownUser(user, "is not in the client's store");
    if (kind && known->kind != *kind)
        return UnknownUser(user, "is not the " + std::string(UserKindName(*kind)));
    if (!files.directory->FindUser(user))
        return UnknownUser(user, "is not listed in the directory");
    found = known->kind;
    return std::nullopt;
}

// Whether |a| and |b| hold the same value, whatever integer types they were written with.
bool SameValue(const Value* a, const Value* b) {
    if (!a || !b) return a == b;
    const bool integers = a->IsScalar() && b->IsScalar() && a->Type() != ValueType::Text &&
                          b->Type() != ValueType::Text;
    return integers ? a->Integer() == b->Integer() : *a == *b;
}

// Notes in |record| when its published details were fetched, and which of them |published|
// changes, unless the owner turned the history off.
void NoteChanges(const Record& published, UserKind kind, Record& record, std::uint32_t now) {
    if (record.IntegerOf(kKeepHistory, 1) == 0) return;
    std::string changed;
    for (const std::string_view key : RetrievedKeys(kind)) {
        const Value* value = published.Find(key);
        if (!value || SameValue(value, record.Find(key))) continue;
        if (!changed.empty()) changed += ", ";
        changed += key;
    }
    record.Set(kFetchedDate, Value::UInt32(now));
    record.Set(kFetchedChanges, Value::Text(changed));
}

void ApplyPublished(const Record& published, UserKind kind, Record& record) {
    NoteChanges(published, kind, record, Now());
    // The owner's override of a contact's time zone outlives a retrieval.
    const Value* ownZone = record.Find("TimeZone");
    const bool keepTimeZone =
        kind == UserKind::Contact && ownZone && record.IntegerOf("DontUpdateGMT", 0) != 0;
    const std::optional<Value> timeZone = keepTimeZone ? std::optional(*ownZone) : std::nullopt;
    CopyKeys(published, record, RetrievedKeys(kind));
    if (timeZone) record.Set("TimeZone", *timeZone);
    if (!published.Find(kLastUpdateDate)) return;
    const std::int64_t date = published.IntegerOf(kLastUpdateDate, 0);
    record.Set(kLastUpdateDate, Value::UInt32(static_cast<std::uint32_t>(date)));
    const std::int64_t known = record.IntegerOf(kLastKnownUpdateDate, 0);
    record.Set(kLastKnownUpdateDate,
               Value::UInt32(static_cast<std::uint32_t>(std::max(known, date))));
}

DirectoryOutcome CopyFromDirectory(const DirectoryPlace& place, std::uint32_t user,
                                   std::optional<UserKind> kind) {
    return WithFiles(place, [&](Files& files) -> DirectoryOutcome {
        UserKind found = UserKind::Contact;
        if (DirectoryOutcome failure = CheckUser(files, user, kind, found)) return failure;
        const Record published = files.directory->ReadRecord(user);
        files.store.UpdateRecord(user, [&](Record& record) {
            ApplyPublished(published, found, record);
            if (found == UserKind::Owner)
                record.Set(kUpdateInfoStatus, Value::UInt16(kNothingToUpload));
        });
        return std::nullopt;
    });
}

}  // namespace

DirectoryOutcome RetrieveDetails(const DirectoryPlace& place, std::uint32_t user) {
    return CopyFromDirectory(place, user, std::nullopt);
}

DirectoryOutcome RefreshOwnerDetails(const DirectoryPlace& place, std::uint32_t owner) {
    return CopyFromDirectory(place, owner, UserKind::Owner);
}

DirectoryOutcome UploadOwnerDetails(const DirectoryPlace& place, std::uint32_t owner) {
    return WithFiles(place, [&](Files& files) -> DirectoryOutcome {
        UserKind found = UserKind::Owner;
        if (DirectoryOutcome failure = CheckUser(files, owner, UserKind::Owner, found))
            return failure;
        const Record record = files.store.ReadRecord(owner);
        const auto pending =
            static_cast<std::uint16_t>(~record.IntegerOf(kUpdateInfoStatus, 0) & kNothingToUpload);
        files.directory->UpdateRecord(owner, [&](Record& published) {
            for (const PublishedSection& section : OwnerSections())
                if (pending & section.bit) CopyKeys(record, published, section.keys);
            published.Set(kLastUpdateDate, Value::UInt32(Now()));
        });
        // Only the bits read above: a section committed meanwhile still waits.
        files.store.UpdateRecord(owner, [&](Record& current) {
            const auto status =
                static_cast<std::uint16_t>(current.IntegerOf(kUpdateInfoStatus, 0) | pending);
            current.Set(kUpdateInfoStatus, Value::UInt16(status));
        });
        return std::nullopt;
    });
}

}  // namespace nuvclient
