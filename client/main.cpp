#include <iostream>

#include "client/cli/CommandLine.h"
#ifdef NUV_WITH_VIEW
#include "client/view/QtViewCommands.h"
#endif

int main(int argc, char** argv) {
#ifdef NUV_WITH_VIEW
    const nuvclient::ViewCommands* view = &nuvclient::kQtViewCommands;
#else
    const nuvclient::ViewCommands* view = nullptr;
#endif
    return nuvclient::RunCommandLine(argc, argv, NUV_CLIENT_DATA_DIR, std::cout, std::cerr, view);
}
