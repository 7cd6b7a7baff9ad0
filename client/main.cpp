#include <iostream>

#include "client/cli/CommandLine.h"

int main(int argc, char** argv) {
    return nuvclient::RunCommandLine(argc, argv, NUV_CLIENT_DATA_DIR, std::cout, std::cerr);
}
