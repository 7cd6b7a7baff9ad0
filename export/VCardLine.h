// One property line of a vCard 2.1 card, written so that the common address books read back the
// value as it stands. A value of printable ASCII goes on a plain line, "\", ";" and "," escaped
// with a backslash. Any other value goes as quoted-printable UTF-8 ("CHARSET=UTF-8;ENCODING=
// QUOTED-PRINTABLE"), in physical lines of at most 76 characters joined by soft line breaks;
// there "\", "," and a text property's ";" are encoded as bytes ("=5C", "=2C", "=3B"), which no
// reader takes for an escape or a separator, and only a ";" inside a part of a structured value
// stays escaped. A text property with "\" or ";" goes quoted-printable, as readers differ over
// escapes there.
#pragma once

#include <string>
#include <vector>

enum class VCardValue {
    Text,        // one value
    Structured,  // parts separated by ";" (N, ORG, ADR)
};

enum class VCardEncoding { AsNeeded, Always };

// The line |name| (with its parameters, e.g. "TEL;HOME;VOICE"), then |parts| (one for a text
// property), ending with CR LF.
std::string VCardLine(const std::string& name, const std::vector<std::string>& parts,
                      VCardValue kind, VCardEncoding encoding = VCardEncoding::AsNeeded);
