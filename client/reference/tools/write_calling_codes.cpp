// Writes the C++ source of the client's calling code table (CallingCodes.h) from the telephone
// numbering metadata: every region the metadata knows, by region code, with its calling code and
// whether it is the region that owns that code. Run when the client is built.
//   write_calling_codes OUTPUT.cpp
#include <phonenumbers/phonenumberutil.h>

#include <fstream>
#include <iostream>
#include <set>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " OUTPUT.cpp\n";
        return 2;
    }
    const auto* util = i18n::phonenumbers::PhoneNumberUtil::GetInstance();
    std::set<std::string> regions;
    util->GetSupportedRegions(&regions);
    std::ofstream out(argv[1]);
    out << "// Written by write_calling_codes from the telephone numbering metadata.\n"
           "#include \"client/reference/CallingCodes.h\"\n\n"
           "namespace nuvclient {\n\n"
           "std::span<const RegionCallingCode> RegionCallingCodes() {\n"
           "    static constexpr RegionCallingCode kCodes[] = {\n";
    for (const std::string& region : regions) {
        const int callingCode = util->GetCountryCodeForRegion(region);
        if (region.size() != 2 || callingCode <= 0) {
            std::cerr << argv[0] << ": region \"" << region << "\" has no calling code\n";
            return 1;
        }
        std::string owner;
        util->GetRegionCodeForCountryCode(callingCode, &owner);
        out << "        {\"" << region << "\", " << callingCode << ", "
            << (owner == region ? "true" : "false") << "},\n";
    }
    out << "    };\n    return kCodes;\n}\n\n}  // namespace nuvclient\n";
    out.close();
    if (!out) {
        std::cerr << argv[0] << ": " << argv[1] << ": cannot be written\n";
        return 1;
    }
    return 0;
}
