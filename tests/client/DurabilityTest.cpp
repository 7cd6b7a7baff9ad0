// The power lost at each disk sync of a session of writes to the store and the directory, in
// turn, and once after the session: every write that returned is found whole, and the write
// under way when the power went is found whole or not at all.
#include <map>

#include "client/store/StoreError.h"
#include "tests/client/ClientTestSupport.h"
#include "tests/client/PowerLossVfs.h"

namespace nuvclient {
namespace {

using test::kGeorge;
using test::kOwner;

constexpr std::uint32_t kNikos = 3000000;

struct Stores {
    std::unique_ptr<Store> store;
    std::unique_ptr<Store> directory;
};

// What the records of the users written to are, as far as the writes that returned tell.
struct Place {
    bool directory;
    std::uint32_t user;
    auto operator<=>(const Place&) const = default;
};
using Model = std::map<Place, std::optional<Record>>;

struct Write {
    Place place;
    std::function<void(Store&)> run;
    std::function<void(std::optional<Record>&)> apply;
};

Value Text(const char* text) {
    return Value::Text(text);
}

std::vector<Write> Session() {
    Record nikos;
    nikos.Set("FirstName", Text("Νίκος"));
    nikos.Set("Language", Value::OfList({Value::UInt8(14), Value::UInt8(12)}));
    const Value emails = Value::OfList({Text("a@example.org"), Text("b@example.org")});
    const Record everything = test::EveryKindOfValue();
    const auto set = [](const char* key, Value value) {
        return [key, value](std::optional<Record>& record) { record->Set(key, value); };
    };
    return {
        {{false, kOwner},
         [](Store& s) { s.WriteKey(kOwner, "HomeCity", Text("Θεσσαλονίκη")); },
         set("HomeCity", Text("Θεσσαλονίκη"))},
        {{false, kNikos},
         [nikos](Store& s) {
             s.AddUsers({{{kNikos, UserKind::Contact, "Νίκος"}, nikos}});
         },
         [nikos](std::optional<Record>& record) { record = nikos; }},
        {{false, kNikos},
         [emails](Store& s) { s.WriteKey(kNikos, "AdditionalEmails", emails); },
         set("AdditionalEmails", emails)},
        {{false, kOwner},
         [](Store& s) {
             s.UpdateRecord(kOwner, [](Record& r) {
                 r.Set("HomeZipCode", Text("54621"));
                 r.Set("TimeZone", Value::Int8(-4));
             });
         },
         [](std::optional<Record>& record) {
             record->Set("HomeZipCode", Text("54621"));
             record->Set("TimeZone", Value::Int8(-4));
         }},
        {{false, kOwner},
         [](Store& s) { s.RemoveKey(kOwner, "HomeCity"); },
         [](std::optional<Record>& record) { record->Remove("HomeCity"); }},
        {{true, kOwner},
         [](Store& s) { s.WriteKey(kOwner, "NickName", Text("Nikos")); },
         set("NickName", Text("Nikos"))},
        {{true, kGeorge},
         [everything](Store& s) { s.WriteRecord(kGeorge, everything); },
         [everything](std::optional<Record>& record) { record = everything; }},
        {{false, kGeorge},
         [everything](Store& s) { s.WriteRecord(kGeorge, everything); },
         [everything](std::optional<Record>& record) { record = everything; }},
    };
}

Stores Open(const std::filesystem::path& folder) {
    return {OpenDataFolder(folder, NUV_CLIENT_DATA_DIR),
            OpenDirectory(folder, NUV_CLIENT_DATA_DIR)};
}

Model Read(const std::filesystem::path& folder, const std::vector<Write>& session) {
    Stores stores = Open(folder);
    Model model;
    for (const Write& write : session) {
        Store& store = write.place.directory ? *stores.directory : *stores.store;
        model[write.place] = store.FindUser(write.place.user)
                                 ? std::optional<Record>(store.ReadRecord(write.place.user))
                                 : std::nullopt;
    }
    return model;
}

class DurabilityTest : public ::testing::Test {
protected:
    void SetUp() override { Open(Pristine()); }

    std::filesystem::path Pristine() const { return m_temp.Path() / "pristine"; }

    // Runs the session on a copy of the pristine folder with the power going off at sync
    // |powerOffAt| (or after the session, when it comes to fewer syncs), and tells what was
    // lost or half-written. |syncs| is set to the number of syncs the session came to.
    std::string LosePowerAt(int powerOffAt, bool synchronousOff, int* syncs = nullptr) {
        const std::filesystem::path folder = m_temp.Path() / ("run-" + std::to_string(++m_runs));
        std::filesystem::copy(Pristine(), folder, std::filesystem::copy_options::recursive);
        const std::vector<Write> session = Session();
        Model returned = Read(folder, session);
        Model underWay;
        {
            test::PowerLossVfs vfs;
            if (synchronousOff) vfs.ForceSynchronousOff();
            vfs.PowerOffAtSync(powerOffAt);
            try {
                Stores stores = Open(folder);
                for (const Write& write : session) {
                    underWay = returned;
                    write.apply(underWay[write.place]);
                    write.run(write.place.directory ? *stores.directory : *stores.store);
                    returned = underWay;
                }
                // Closing checkpoints the log into the files: its syncs are lost too in turn.
            } catch (const StoreError&) {
            }
            if (syncs) *syncs = vfs.Syncs();
            vfs.PowerOff();
            vfs.DropUnsyncedWrites();
        }
        const Model found = Read(folder, session);
        if (found == returned || found == underWay) return "";
        std::string lost;
        for (const auto& [place, record] : returned) {
            if (found.at(place) != record)
                lost += (place.directory ? " directory " : " store ") + std::to_string(place.user);
        }
        return "power off at sync " + std::to_string(powerOffAt) + ":" + lost;
    }

    // Every crash point of the session in turn; what each lost.
    std::vector<std::string> LosePowerEverywhere(bool synchronousOff) {
        int syncs = 0;
        std::vector<std::string> losses;
        const auto note = [&](std::string loss) {
            if (!loss.empty()) losses.push_back(std::move(loss));
        };
        note(LosePowerAt(0, synchronousOff, &syncs));
        for (int sync = 1; sync <= syncs; ++sync) note(LosePowerAt(sync, synchronousOff));
        return losses;
    }

    test::TempFolder m_temp;
    int m_runs = 0;
};

TEST_F(DurabilityTest, EveryReturnedWriteSurvivesAPowerLossAtAnySyncButNotWithoutSyncs) {
    int syncs = 0;
    EXPECT_EQ(LosePowerAt(0, false, &syncs), "");
    EXPECT_GT(syncs, 8) << "every commit syncs the log";
    EXPECT_EQ(LosePowerEverywhere(false), std::vector<std::string>{});

    // The same session with the store's synchronous setting forced OFF loses what returned.
    const std::vector<std::string> losses = LosePowerEverywhere(true);
    ASSERT_FALSE(losses.empty());
    EXPECT_THAT(losses.back(), ::testing::HasSubstr("store " + std::to_string(kOwner)));
}

}  // namespace
}  // namespace nuvclient
