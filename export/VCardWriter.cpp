#include "export/VCardWriter.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

#include "hostlib/reference/HostReferenceData.h"
#include "hostlib/util/HostStrings.h"
#include "hostlib/util/ReplacingFile.h"
#include "platform/mfc/FileDialog.h"
#include "platform/mfc/Wnd.h"
#include "platform/shell/MessageBox.h"
#include "platform/shell/SaveAsDialog.h"
#include "res/ResourceIds.h"

namespace {

constexpr char kLineEnd[] = "\r\n";
constexpr char kEncoded[] = ";CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE";
constexpr char kFilter[] = "vCard Files (*.vcf)|*.vcf|All Files (*.*)|*.*||";

// |value| with "\\", ";" and "," escaped by a backslash, so that a reader takes them as part of
// the value and not as the separators of a structured property.
std::string Escaped(const std::string& value) {
    std::string out;
    for (const char c : value) {
        if (c == '\\' || c == ';' || c == ',') out += '\\';
        out += c;
    }
    return out;
}

// True when |value| has a byte a plain line cannot carry: a control character (a line break
// among them) or part of a character outside ASCII.
bool NeedsEncoding(std::string_view value) {
    return std::any_of(value.begin(), value.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte >= 0x7F;
    });
}

// One piece of a quoted-printable value: a character as it stands, an escape pair ("\\" and
// the character it escapes, kept whole and plain), or a byte encoded as "=XX".
struct Piece {
    std::string text;
    bool encoded = false;
    bool escape = false;
};

Piece Encoded(unsigned char byte) {
    char text[4];
    std::snprintf(text, sizeof text, "=%02X", byte);
    return {text, true, false};
}

// The pieces of |value| (escaped already): a byte outside printable ASCII, "=" and a blank that
// ends the value are encoded.
std::vector<Piece> PiecesOf(std::string_view value) {
    std::vector<Piece> pieces;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const auto byte = static_cast<unsigned char>(value[i]);
        if (byte == '\\' && i + 1 < value.size()) {
            pieces.push_back({std::string(value.substr(i, 2)), false, true});
            ++i;
        } else if ((byte > 0x20 && byte < 0x7F && byte != '=') ||
                   (byte == ' ' && i + 1 < value.size())) {
            pieces.push_back({std::string(1, static_cast<char>(byte)), false, false});
        } else {
            pieces.push_back(Encoded(byte));
        }
    }
    return pieces;
}

// |head| then |value| in quoted-printable: physical lines of at most 76 characters joined by soft
// line breaks ("=" before the CR LF). A line that goes on ends with an encoded byte, never with a
// plain character or inside an escape pair or a "=XX" (some readers keep the break in the value
// otherwise), and no line begins or ends with a blank, which a reader could take for folding.
std::string QuotedPrintable(const std::string& head, std::string_view value) {
    constexpr std::size_t kMaxLine = 76;
    // Plain pieces moved to the next line to end this one after an encoded byte; past this many
    // characters the line ends where it is.
    constexpr std::size_t kMaxCarried = 24;
    const std::vector<Piece> pieces = PiecesOf(value);
    std::vector<std::vector<Piece>> lines(1);
    std::size_t length = head.size();
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        Piece piece = pieces[i];
        // A line that goes on needs room for its soft break.
        const std::size_t room = i + 1 == pieces.size() ? kMaxLine : kMaxLine - 1;
        if (length + piece.text.size() > room) {
            std::vector<Piece>& line = lines.back();
            std::vector<Piece> carried;
            std::size_t carriedLength = 0;
            while (!line.empty() && !line.back().encoded && carriedLength < kMaxCarried) {
                const Piece& last = line.back();
                if (!last.escape && length + 2 <= kMaxLine - 1) {
                    line.back() = Encoded(static_cast<unsigned char>(last.text[0]));
                    break;
                }
                carriedLength += last.text.size();
                length -= last.text.size();
                carried.insert(carried.begin(), last);
                line.pop_back();
            }
            if (!line.empty() && !line.back().encoded) {
                // Nothing to end on within reach: the line keeps what it had.
                line.insert(line.end(), carried.begin(), carried.end());
                carried.clear();
            }
            lines.push_back(std::move(carried));
            length = 0;
            for (const Piece& moved : lines.back()) length += moved.text.size();
        }
        std::vector<Piece>& line = lines.back();
        const bool continued = lines.size() > 1;
        if (continued && line.empty() && piece.text == " ") piece = Encoded(' ');
        if (continued && !line.empty() && line.front().text == " ") {
            line.front() = Encoded(' ');
            length += 2;
        }
        length += piece.text.size();
        line.push_back(std::move(piece));
    }
    std::string out = head;
    for (const std::vector<Piece>& line : lines) {
        if (&line != &lines.front()) out += std::string("=") + kLineEnd;
        for (const Piece& piece : line) out += piece.text;
    }
    return out;
}

// One property line: |name| with its parameters, then |value| (escaped already). A value a plain
// line cannot carry goes as quoted-printable UTF-8.
void AddLine(std::string& card, const std::string& name, const std::string& value) {
    card +=
        NeedsEncoding(value) ? QuotedPrintable(name + kEncoded + ":", value) : name + ":" + value;
    card += kLineEnd;
}

// |text| with only the characters every common file system takes in a name: a letter or digit
// of ASCII, "-" or "_"; any other byte becomes "_", so no folder or device can be named.
std::string SafeFileNamePart(const std::string& text) {
    std::string safe;
    for (const char c : text) {
        const bool kept = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                          (c >= '0' && c <= '9') || c == '-' || c == '_';
        safe += kept ? c : '_';
    }
    return safe;
}

struct Address {
    std::string street;
    std::string city;
    std::string state;
    std::string zipCode;
    std::string country;

    bool Given() const { return !street.empty() || !city.empty() || !country.empty(); }
};

Address AddressOf(MCVariantPropertySet& data, const char* prefix) {
    const std::string p = prefix;
    const short code = data[p + "Country"];
    const char* country = GetCountryName(code);
    return {data[p + "Address"], data[p + "City"], data[p + "State"], data[p + "ZipCode"],
            country ? country : ""};
}

// The parts of a structured value, each escaped, joined by ";".
std::string Joined(std::initializer_list<std::string> parts) {
    std::string joined;
    for (const std::string& part : parts) {
        if (&part != parts.begin()) joined += ';';
        joined += Escaped(part);
    }
    return joined;
}

void AddAddress(std::string& card, const Address& address, const std::string& kind) {
    if (!address.Given()) return;
    AddLine(card, "ADR;" + kind,
            Joined({"", "", address.street, address.city, address.state, address.zipCode,
                    address.country}));
    // The label's own line breaks are always encoded, so it is always quoted-printable.
    const std::string label = Escaped(address.street) + "\r\n" + Escaped(address.city) + " " +
                              Escaped(address.state) + " " + Escaped(address.zipCode) + "\r\n" +
                              Escaped(address.country);
    card += QuotedPrintable("LABEL;" + kind + kEncoded + ":", label) + kLineEnd;
}

}  // namespace

std::string CVCardWriter::CardText() const {
    if (!m_data) return {};
    MCVariantPropertySet& data = *m_data;
    std::string card = std::string("BEGIN:VCARD") + kLineEnd + "VERSION:2.1" + kLineEnd;
    const auto line = [&card](const std::string& name, const std::string& value) {
        AddLine(card, name, Escaped(value));
    };
    const auto optional = [&line](const std::string& name, const std::string& value) {
        if (!value.empty()) line(name, value);
    };
    line("NUV", data["UINString"]);
    line("NICKNAME", data["DefinedHandle"]);
    const std::string first = data["FirstName"];
    const std::string last = data["LastName"];
    // Every card has a name to show: the names, else the nickname, else the number.
    const std::string nickname = data["DefinedHandle"];
    const std::string number = data["UINString"];
    const std::string shown = !first.empty() && !last.empty()   ? last + " " + first
                              : !first.empty() || !last.empty() ? first + last
                              : !nickname.empty()               ? nickname
                                                                : number;
    if (!shown.empty()) line("FN", shown);
    AddLine(card, "N", first.empty() ? Joined({last}) : Joined({last, first}));
    optional("EMAIL;PREF;INTERNET", data["PrimaryEmail"]);
    const std::string company = data["WorkCompany"];
    const std::string department = data["WorkDepartment"];
    if (!company.empty() || !department.empty())
        AddLine(card, "ORG",
                department.empty() ? Joined({company}) : Joined({company, department}));
    optional("TITLE", data["WorkJobTitle"]);
    AddAddress(card, AddressOf(data, "Work"), "WORK");
    AddAddress(card, AddressOf(data, "Home"), "HOME");
    optional("URL", data["HomeHomepage"]);
    optional("URL", data["WorkHomepage"]);
    optional("TEL;HOME;VOICE", data["HomePhone"]);
    optional("TEL;HOME;FAX", data["HomeFax"]);
    optional("TEL;WORK;VOICE", data["WorkPhone"]);
    optional("TEL;WORK;FAX", data["WorkFax"]);
    optional("TEL;CELL;VOICE", data["HomeCell"]);
    const int gender = data["Gender"];
    if (gender == 1 || gender == 2) line("X-WAB-GENDER", std::to_string(gender));
    card += std::string("END:VCARD") + kLineEnd;
    return card;
}

void CVCardWriter::Export(CWnd* parent) {
    if (!m_data) return;
    const std::string fileName = "NUV#" + SafeFileNamePart((*m_data)["UINString"]) + ".VCF";
    CFileDialog dialog(FALSE, "VCF", fileName.c_str(), OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       kFilter, parent);
    if (dialog.DoModal() != IDOK) return;
    const std::string path = dialog.GetPathName();
    // The card replaces an older one only once it is written whole.
    if (!WriteFileReplacing(path, CardText())) return;
    char text[1024];
    std::snprintf(text, sizeof text, BRCString(IDS_VCARD_NOT_WRITTEN).c_str(), path.c_str());
    ::MessageBox(parent ? parent->m_hWnd : nullptr, text, BRCString(IDS_VCARD_CAPTION).c_str(),
                 MB_OK | MB_ICONEXCLAMATION);
}
