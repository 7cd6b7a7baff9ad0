#include "pages/identity/MainPageText.h"

namespace {

// A name that says no name was given.
bool IsOffered(const std::string& name) {
    return !name.empty() && name != "N\\A" && name != "Not Entered";
}

}  // namespace

std::vector<DisplayChoice> DisplayChoices(const std::string& nickname, const std::string& firstName,
                                          const std::string& lastName,
                                          const std::string& primaryEmail) {
    std::vector<DisplayChoice> choices;
    if (IsOffered(nickname)) choices.push_back({nickname, 0});
    if (IsOffered(firstName)) choices.push_back({firstName, 1});
    if (IsOffered(lastName)) choices.push_back({lastName, 2});
    if (IsOffered(firstName) && IsOffered(lastName)) {
        choices.push_back({firstName + " " + lastName, 3});
        choices.push_back({lastName + ", " + firstName, 4});
    }
    if (!primaryEmail.empty()) choices.push_back({primaryEmail, 5});
    return choices;
}

std::string NetworkAddressText(unsigned int address) {
    std::string text;
    for (int byte = 0; byte < 4; ++byte) {
        if (byte > 0) text += '.';
        text += std::to_string((address >> (8 * byte)) & 0xFFu);
    }
    return text;
}

std::string UserSummaryText(const std::string& number, const std::string& firstName,
                            const std::string& lastName, const std::string& nickname,
                            const std::string& primaryEmail) {
    return "NUV #           : " + number + "\r\n" + "First Name      : " + firstName + "\r\n" +
           "Last Name       : " + lastName + "\r\n" + "Nickname        : " + nickname + "\r\n" +
           "Email     : " + primaryEmail + "\r\n";
}
