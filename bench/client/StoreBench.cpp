#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>

#include "client/cli/CommandLine.h"
#include "client/store/DataFolder.h"
#include "client/store/Store.h"

namespace nuvclient {
namespace {

constexpr std::uint32_t kOwner = 1234567;

// A data folder under the temporary folder, filled with the sample data and |contacts| more
// contacts; removed at exit.
class BenchFolder {
public:
    explicit BenchFolder(int contacts) {
        std::string pattern = (std::filesystem::temp_directory_path() / "nuvclient-bench-XXXXXX");
        if (!mkdtemp(pattern.data())) std::abort();
        m_path = pattern;
        auto store = OpenDataFolder(m_path, NUV_CLIENT_DATA_DIR);
        std::vector<UserRecord> users;
        for (int k = 0; k < contacts; ++k) {
            std::uint32_t number = 10000000 + k;
            std::string name = "Контакт " + std::to_string(k);
            Record record;
            record.Set("UINString", Value::Text(std::to_string(number)));
            record.Set("DefinedHandle", Value::Text(name));
            record.Set("PrimaryEmail", Value::Text("c" + std::to_string(k) + "@example.org"));
            record.Set("TimeZone", Value::Int8(-2));
            users.push_back({{number, UserKind::Contact, name}, std::move(record)});
        }
        store->AddUsers(users);
    }
    ~BenchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

BenchFolder& FolderWith(int contacts) {
    static std::map<int, std::unique_ptr<BenchFolder>> folders;
    auto& folder = folders[contacts];
    if (!folder) folder = std::make_unique<BenchFolder>(contacts);
    return *folder;
}

// The owner's record holds every key and list the windows read.
void BM_ReadOwnerRecord(benchmark::State& state) {
    auto store = OpenDataFolder(FolderWith(0).Path(), NUV_CLIENT_DATA_DIR);
    for (auto _ : state) benchmark::DoNotOptimize(store->ReadRecord(kOwner));
}
BENCHMARK(BM_ReadOwnerRecord)->Unit(benchmark::kMicrosecond);

// `nuvclient users`, from opening and checking the store to the printed list.
void BM_UsersCommand(benchmark::State& state) {
    std::string folder = FolderWith(static_cast<int>(state.range(0))).Path().string();
    const char* argv[] = {"nuvclient", "--data", folder.c_str(), "users"};
    for (auto _ : state) {
        std::ostringstream out, err;
        if (RunCommandLine(4, argv, {NUV_MODULE_PATH, NUV_CLIENT_DATA_DIR}, out, err) !=
            kExitSuccess)
            state.SkipWithError(err.str().c_str());
        benchmark::DoNotOptimize(out.str().size());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_UsersCommand)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace
}  // namespace nuvclient
