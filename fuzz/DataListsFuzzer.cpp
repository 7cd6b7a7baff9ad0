// Any file is read as the data lists or refused with a message that names it; no other
// exception, crash or leak.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "client/host/DataLists.h"

namespace {

// The file each input is written to, removed when the run ends.
struct InputFile {
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("fuzz-datalists-" + std::to_string(getpid()) + ".json");
    ~InputFile() { std::filesystem::remove(path); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const InputFile input;
    const std::filesystem::path& file = input.path;
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    try {
        nuvclient::ReadDataLists(file);
    } catch (const std::runtime_error& error) {
        if (std::string(error.what()).rfind(file.string(), 0) != 0) {
            std::fprintf(stderr, "a message without the file's name: %s\n", error.what());
            std::abort();
        }
    }
    return 0;
}
