// Where the program's own files lie: the module it loads unless told another, the shipped data a
// new data folder is filled from, and the library of the Qt view it loads to show windows. The
// installed program finds them relative to its own folder; the program in the build tree finds a
// file beside it that names them there.
#pragma once

#include <filesystem>

namespace nuvclient {

struct ProgramFiles {
    std::filesystem::path module;
    std::filesystem::path sampleData;
    std::filesystem::path view;
};

// The file beside the program in the build tree: lines "module=PATH", "data=PATH" and
// "view=PATH".
inline constexpr char kBuildTreeFilesName[] = "build-tree-files";

// The files of the program at |program|, its own path.
ProgramFiles LocateProgramFiles(const std::filesystem::path& program);

}  // namespace nuvclient
