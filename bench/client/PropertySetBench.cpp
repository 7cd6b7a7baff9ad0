#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "client/host/UserObject.h"
#include "client/store/DataFolder.h"
#include "hostlib/property/MCVariantPropertySet.h"
#include "module/host/HostIds.h"

namespace nuvclient {
namespace {

constexpr std::uint32_t kOwner = 1234567;

// Reads |value| the way a window does: scalars by their type, lists element by element and
// nested records key by key.
void ReadAll(const MCVariantProperty& property, const Value& value) {
    switch (value.Type()) {
        case ValueType::Text: benchmark::DoNotOptimize(std::string(property)); break;
        case ValueType::Bool: benchmark::DoNotOptimize(static_cast<bool>(property)); break;
        case ValueType::List: {
            const int size = property.GetSize();
            for (int k = 0; k < size; ++k) ReadAll(property[k], value.Elements()[k]);
            break;
        }
        case ValueType::Record:
            for (const Field& field : value.Members().Fields())
                ReadAll(property[field.key], field.value);
            break;
        default: benchmark::DoNotOptimize(static_cast<long>(property)); break;
    }
}

// Every key and list of the owner's sample record, read through the owner view.
void BM_ReadOwnerRecordThroughPropertySet(benchmark::State& state) {
    std::string pattern = (std::filesystem::temp_directory_path() / "nuvclient-bench-XXXXXX");
    if (!mkdtemp(pattern.data())) std::abort();
    {
        auto store = OpenDataFolder(pattern, NUV_CLIENT_DATA_DIR);
        const Value owner = Value::OfRecord(store->ReadRecord(kOwner));
        winport::ComPtr<MIUserObject> object;
        winport::ComPtr<MIPropertySetSource> source;
        winport::ComPtr<MINUVPropertySet> set;
        if (FAILED(CreateUserObject(*store, kOwner, object.GetAddressOf())) ||
            FAILED(object->QueryInterface(MIPropertySetSource::kIid,
                                          reinterpret_cast<void**>(source.GetAddressOf()))) ||
            FAILED(source->GetPropertySet(winport::GuidToString(OwnerDetailsView).c_str(),
                                          set.GetAddressOf())))
            std::abort();
        MCVariantPropertySet record(set.Get());
        for (auto _ : state) {
            for (const Field& field : owner.Members().Fields())
                ReadAll(record[field.key], field.value);
        }
    }
    std::error_code ignored;
    std::filesystem::remove_all(pattern, ignored);
}
BENCHMARK(BM_ReadOwnerRecordThroughPropertySet)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace nuvclient
