#include "export/VCardWriter.h"

#include <cstdio>

#include "export/ReplacingFile.h"
#include "hostlib/reference/HostReferenceData.h"
#include "hostlib/util/HostStrings.h"
#include "platform/mfc/FileDialog.h"
#include "platform/mfc/Wnd.h"
#include "platform/shell/MessageBox.h"
#include "platform/shell/SaveAsDialog.h"
#include "res/ResourceIds.h"

namespace {

constexpr char kLineEnd[] = "\r\n";
constexpr char kFilter[] = "vCard Files (*.vcf)|*.vcf|All Files (*.*)|*.*||";

// |value| with each line break (CR LF, CR or LF) written as |lineBreak| and each "=" as |equals|.
std::string Written(const std::string& value, const char* lineBreak, const char* equals) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < value.size() && value[i + 1] == '\n') ++i;
            out += lineBreak;
        } else {
            out += c == '=' ? equals : std::string(1, c);
        }
    }
    return out;
}

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

// A value on a plain line: a line break inside it would end the line, so it reads as a blank.
std::string Plain(const std::string& value) {
    return Written(Escaped(value), " ", "=");
}

// A value on a quoted-printable line, written as that encoding writes line breaks and "=", so
// a reader gets the value back.
std::string QuotedPrintable(const std::string& value) {
    return Written(Escaped(value), "=0D=0A", "=3D");
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

void AddAddress(std::string& card, const Address& address, const char* kind) {
    if (!address.Given()) return;
    card += std::string("ADR;") + kind + ":;;" + Plain(address.street) + ";" + Plain(address.city) +
            ";" + Plain(address.state) + ";" + Plain(address.zipCode) + ";" +
            Plain(address.country) + kLineEnd;
    card += std::string("LABEL;") + kind +
            ";ENCODING=QUOTED-PRINTABLE:" + QuotedPrintable(address.street) + "=0D=0A" +
            QuotedPrintable(address.city) + " " + QuotedPrintable(address.state) + " " +
            QuotedPrintable(address.zipCode) + "=0D=0A" + QuotedPrintable(address.country) +
            kLineEnd;
}

}  // namespace

std::string CVCardWriter::CardText() const {
    if (!m_data) return {};
    MCVariantPropertySet& data = *m_data;
    std::string card = std::string("BEGIN:VCARD") + kLineEnd + "VERSION:2.1" + kLineEnd;
    const auto line = [&card](const std::string& name, const std::string& value) {
        card += name + Plain(value) + kLineEnd;
    };
    // A structured property: its parts each escaped, joined by ";".
    const auto parts = [&card](const std::string& name, std::initializer_list<std::string> values) {
        std::string joined;
        for (const std::string& value : values) {
            if (&value != values.begin()) joined += ';';
            joined += Plain(value);
        }
        card += name + joined + kLineEnd;
    };
    const auto optional = [&line](const std::string& name, const std::string& value) {
        if (!value.empty()) line(name, value);
    };
    line("NUV:", data["UINString"]);
    line("NICKNAME:", data["DefinedHandle"]);
    const std::string first = data["FirstName"];
    const std::string last = data["LastName"];
    // Every card has a name to show: the names, else the nickname, else the number.
    const std::string nickname = data["DefinedHandle"];
    const std::string number = data["UINString"];
    const std::string shown = !first.empty() && !last.empty()   ? last + " " + first
                              : !first.empty() || !last.empty() ? first + last
                              : !nickname.empty()               ? nickname
                                                                : number;
    if (!shown.empty()) line("FN:", shown);
    if (!first.empty()) {
        parts("N:", {last, first});
    } else {
        parts("N:", {last});
    }
    optional("EMAIL;PREF;INTERNET:", data["PrimaryEmail"]);
    const std::string company = data["WorkCompany"];
    const std::string department = data["WorkDepartment"];
    if (!company.empty() || !department.empty()) {
        if (department.empty()) {
            parts("ORG:", {company});
        } else {
            parts("ORG:", {company, department});
        }
    }
    optional("TITLE:", data["WorkJobTitle"]);
    AddAddress(card, AddressOf(data, "Work"), "WORK");
    AddAddress(card, AddressOf(data, "Home"), "HOME");
    optional("URL:", data["HomeHomepage"]);
    optional("URL:", data["WorkHomepage"]);
    optional("TEL;HOME;VOICE:", data["HomePhone"]);
    optional("TEL;HOME;FAX:", data["HomeFax"]);
    optional("TEL;WORK;VOICE:", data["WorkPhone"]);
    optional("TEL;WORK;FAX:", data["WorkFax"]);
    optional("TEL;CELL;VOICE:", data["HomeCell"]);
    const int gender = data["Gender"];
    if (gender == 1 || gender == 2) line("X-WAB-GENDER:", std::to_string(gender));
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
    if (WriteFileReplacing(path, CardText())) return;
    char text[1024];
    std::snprintf(text, sizeof text, BRCString(IDS_VCARD_NOT_WRITTEN).c_str(), path.c_str());
    ::MessageBox(parent ? parent->m_hWnd : nullptr, text, BRCString(IDS_VCARD_CAPTION).c_str(),
                 MB_OK | MB_ICONEXCLAMATION);
}
