// Saving a card: the owner's card built from his stored record, and a card written to its file
// (a new file synced to the disk, then renamed over the old one).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench/SampleData.h"
#include "client/host/StorePropertySet.h"
#include "client/reference/ReferenceData.h"
#include "export/VCardWriter.h"
#include "hostlib/reference/HostReferenceData.h"
#include "hostlib/util/ReplacingFile.h"

namespace nuvclient {
namespace {

void BM_OwnersCardFromTheStore(benchmark::State& state) {
    SampleData data;
    ReferenceData reference;
    SetHostReferenceData(&reference);
    MCVariantPropertySet record(
        StorePropertySet::Create(data.UserStore(), SampleData::kOwner).Get());
    for (auto _ : state) benchmark::DoNotOptimize(CVCardWriter(&record).CardText());
    SetHostReferenceData(nullptr);
}
BENCHMARK(BM_OwnersCardFromTheStore)->Unit(benchmark::kMicrosecond);

void BM_CardWrittenToItsFile(benchmark::State& state) {
    SampleData data;
    MCVariantPropertySet record(
        StorePropertySet::Create(data.UserStore(), SampleData::kOwner).Get());
    const std::string card = CVCardWriter(&record).CardText();
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "nuvinfo-bench.vcf";
    for (auto _ : state) {
        if (WriteFileReplacing(file, card)) state.SkipWithError("the card was not written");
    }
    std::filesystem::remove(file);
}
BENCHMARK(BM_CardWrittenToItsFile)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace nuvclient
