// Prints the client's country codes with their names as one JSON object, {"33": "France", ...},
// made from the iso-codes table and the telephone numbering metadata as the client makes them: a
// country that owns its calling code has that code, every other one 1000 + its ISO 3166 number.
#include <phonenumbers/phonenumberutil.h>

#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " iso_3166-1.json\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    const nlohmann::json table = nlohmann::json::parse(in, nullptr, false);
    if (table.is_discarded() || !table.contains("3166-1")) {
        std::cerr << argv[1] << ": no country table\n";
        return 1;
    }
    const auto* util = i18n::phonenumbers::PhoneNumberUtil::GetInstance();
    nlohmann::json names = nlohmann::json::object();
    for (const nlohmann::json& entry : table["3166-1"]) {
        const std::string region = entry.at("alpha_2");
        const std::string name = entry.value("common_name", entry.value("name", ""));
        const int callingCode = util->GetCountryCodeForRegion(region);
        std::string owner;
        if (callingCode != 0) util->GetRegionCodeForCountryCode(callingCode, &owner);
        const int code = owner == region ? callingCode
                                         : 1000 + std::stoi(entry.at("numeric").get<std::string>());
        names[std::to_string(code)] = name;
    }
    std::cout << names.dump(1) << '\n';
    return 0;
}
