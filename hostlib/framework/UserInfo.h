// BCUserInfo: the host's user-information object every framework dialog takes. The module
// treats it as opaque; the host fills in the user's number and display name.
#pragma once

#include <string>
#include <utility>

class BCUserInfo {
public:
    BCUserInfo() = default;
    BCUserInfo(int number, std::string name) : m_number(number), m_name(std::move(name)) {}

    int GetNumber() const { return m_number; }
    const std::string& GetName() const { return m_name; }

private:
    int m_number = 0;
    std::string m_name;
};
