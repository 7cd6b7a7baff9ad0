#include "client/cli/ExportCommand.h"

#include <string>

#include "client/cli/CommandLine.h"
#include "client/host/StorePropertySet.h"
#include "hostlib/util/ReplacingFile.h"

namespace nuvclient {

int RunExportCommand(ClientHost& host, std::uint32_t number, const std::filesystem::path& target,
                     std::ostream& out, std::ostream& err) {
    if (!host.UserStore().FindUser(number)) {
        err << "nuvclient: no user " << number << '\n';
        return kExitFailure;
    }
    const auto record = StorePropertySet::Create(host.UserStore(), number);
    const std::string card = host.Loaded().VCardOf(record.Get());
    if (target == "-") {
        out << card;
        return kExitSuccess;
    }
    const std::error_code error = WriteFileReplacing(target, card);
    if (!error) return kExitSuccess;
    err << "nuvclient: the vCard could not be written to " << target.string() << ": "
        << error.message() << '\n';
    return kExitFailure;
}

}  // namespace nuvclient
