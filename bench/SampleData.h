// What the benchmarks over the reference client share: a fresh copy of the sample data, removed
// afterwards, with the owner's update warning turned off so it does not come up each time.
#pragma once

#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "client/store/DataFolder.h"

namespace nuvclient {

class SampleData {
public:
    static constexpr std::uint32_t kOwner = 1234567;

    SampleData() {
        std::string pattern = (std::filesystem::temp_directory_path() / "nuvinfo-bench-XXXXXX");
        if (!mkdtemp(pattern.data())) std::abort();
        m_folder = pattern;
        m_store = OpenDataFolder(m_folder / "data", NUV_CLIENT_DATA_DIR);
        m_store->WriteKey(kOwner, "ShowUpdateInfoWarning", Value::Bool(false));
    }
    ~SampleData() {
        m_store.reset();
        std::filesystem::remove_all(m_folder);
    }
    SampleData(const SampleData&) = delete;
    SampleData& operator=(const SampleData&) = delete;

    Store& UserStore() { return *m_store; }

private:
    std::filesystem::path m_folder;
    std::unique_ptr<Store> m_store;
};

}  // namespace nuvclient
