#include "client/cli/UsersCommand.h"

#include <string>

namespace nuvclient {

void PrintUsers(Store& store, std::ostream& out) {
    // Written a block at a time: one write per line is slow, and one per list holds all of it.
    constexpr size_t kBlock = 64 * 1024;
    std::string text;
    text.reserve(kBlock + 256);
    for (const User& user : store.Users()) {
        text += std::to_string(user.number);
        text += '\t';
        text += UserKindName(user.kind);
        text += '\t';
        text += user.name;
        text += '\n';
        if (text.size() >= kBlock) {
            out << text;
            text.clear();
        }
    }
    out << text;
}

}  // namespace nuvclient
