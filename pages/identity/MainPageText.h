// The texts the Main page makes from a user's record: the display choices, the network address
// and the summary it copies to the clipboard.
#pragma once

#include <string>
#include <vector>

// One entry of the display combo box: its text, and its code as the record's "Display" keeps it.
struct DisplayChoice {
    std::string text;
    int code;
};

// The entries offered for a contact's display name, in order: nickname (0), first name (1), last
// name (2), both names either way round (3, 4) and the primary e-mail address (5). A name that is
// empty or a placeholder ("N\A", "Not Entered") is not offered.
std::vector<DisplayChoice> DisplayChoices(const std::string& nickname, const std::string& firstName,
                                          const std::string& lastName,
                                          const std::string& primaryEmail);

// "IP" in dotted form: the lowest byte first, each byte unsigned.
std::string NetworkAddressText(unsigned int address);

// The summary a person pastes: one labelled line each, CR LF after every line.
std::string UserSummaryText(const std::string& number, const std::string& firstName,
                            const std::string& lastName, const std::string& nickname,
                            const std::string& primaryEmail);
