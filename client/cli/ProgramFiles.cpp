#include "client/cli/ProgramFiles.h"

#include <fstream>
#include <string>

namespace nuvclient {

ProgramFiles LocateProgramFiles(const std::filesystem::path& program) {
    const std::filesystem::path folder = program.parent_path();
    std::ifstream buildTree(folder / kBuildTreeFilesName);
    if (!buildTree) {
        // The install places them relative to the program's folder.
        return {(folder / NUV_INSTALLED_MODULE).lexically_normal(),
                (folder / NUV_INSTALLED_DATA).lexically_normal(),
                (folder / NUV_INSTALLED_VIEW).lexically_normal()};
    }
    ProgramFiles files;
    for (std::string line; std::getline(buildTree, line);) {
        const auto equals = line.find('=');
        if (equals == std::string::npos) continue;
        const std::string key = line.substr(0, equals);
        if (key == "module") files.module = line.substr(equals + 1);
        if (key == "data") files.sampleData = line.substr(equals + 1);
        if (key == "view") files.view = line.substr(equals + 1);
    }
    return files;
}

}  // namespace nuvclient
