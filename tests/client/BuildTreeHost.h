// The reference client's host as the tests and benchmarks make it: over the module built here and
// the data shipped in the sources.
#pragma once

#include "client/host/ClientHost.h"
#include "client/host/HostServices.h"

namespace nuvclient::test {

inline HostServicesOptions BuildTreeServices() {
    HostServicesOptions options;
    options.dataFolder = NUV_CLIENT_DATA_DIR;
    return options;
}

inline ClientOptions BuildTreeHost() {
    ClientOptions options;
    options.module = NUV_MODULE_PATH;
    options.services = BuildTreeServices();
    return options;
}

}  // namespace nuvclient::test
