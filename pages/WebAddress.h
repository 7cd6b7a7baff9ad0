// Web addresses that come from a user's record, where anyone may have written anything: only
// what a browser shows as a web page is opened, and values put into an address are escaped.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// |address| as the browser is to get it: an http, https or ftp address as it stands, one
// without a scheme ("www.example.org", "example.org:8080/a") as an http address. Nothing for
// the empty text, for any other scheme ("file:", "javascript:", "mailto:") and for a text with
// control characters. Blanks around the address are no part of it.
std::optional<std::string> BrowsableAddress(std::string_view address);

// Has the host's browser open BrowsableAddress(|address|); does nothing when there is none.
void OpenRecordAddress(std::string_view address);

// |value| as UTF-8 with every byte outside the unreserved letters, digits and "-._~" written as
// "%XX", so that it stays one value of a query.
std::string PercentEncoded(std::string_view value);
