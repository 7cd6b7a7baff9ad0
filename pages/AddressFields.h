// What the Home and Work pages' address fields share: the zip code check and the street map.
#pragma once

#include <functional>
#include <string>

#include "platform/core/WinTypes.h"

// Where the street map is to show. The country's name sent is that of its code.
struct MapPlace {
    int countryCode = 0;
    std::string state;
    std::string city;
    std::string zipCode;
    std::string address;
};

// Takes the leading blanks off |zipCode|; then an empty one passes, and any other must be a
// number from 1 to 99999, or the host tells the person so in a box owned by |owner|. Answers
// as a page's validation does: 1 valid, 0 not.
int ValidateZipCode(std::string& zipCode, HWND owner);

// Opens the street map the host registers under "Map" at |place|, which is asked for only
// when there is one; each value is escaped to stay one value of the address.
void OpenStreetMap(const std::function<MapPlace()>& place);
