#include <filesystem>
#include <iostream>
#include <system_error>

#include "client/cli/CommandLine.h"
#include "client/cli/ProgramFiles.h"
#ifdef NUV_WITH_VIEW
#include "client/view/QtViewCommands.h"
#endif

int main(int argc, char** argv) {
#ifdef NUV_WITH_VIEW
    const nuvclient::ViewCommands* view = &nuvclient::kQtViewCommands;
#else
    const nuvclient::ViewCommands* view = nullptr;
#endif
    std::error_code error;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) program = std::filesystem::absolute(argv[0]);
    return nuvclient::RunCommandLine(argc, argv, nuvclient::LocateProgramFiles(program), std::cout,
                                     std::cerr, view);
}
