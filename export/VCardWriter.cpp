#include "export/VCardWriter.h"

#include <cstdio>
#include <vector>

#include "export/VCardLine.h"
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
constexpr char kFilter[] = "vCard Files (*.vcf)|*.vcf|All Files (*.*)|*.*||";

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

void AddAddress(std::string& card, const Address& address, const std::string& kind) {
    if (!address.Given()) return;
    card += VCardLine(
        "ADR;" + kind,
        {"", "", address.street, address.city, address.state, address.zipCode, address.country},
        VCardValue::Structured);
    // The label's own line breaks are always encoded, so it is always quoted-printable.
    const std::string label = address.street + "\r\n" + address.city + " " + address.state + " " +
                              address.zipCode + "\r\n" + address.country;
    card += VCardLine("LABEL;" + kind, {label}, VCardValue::Text, VCardEncoding::Always);
}

}  // namespace

std::string CVCardWriter::CardText() const {
    if (!m_data) return {};
    MCVariantPropertySet& data = *m_data;
    std::string card = std::string("BEGIN:VCARD") + kLineEnd + "VERSION:2.1" + kLineEnd;
    const auto line = [&card](const std::string& name, const std::string& value) {
        card += VCardLine(name, {value}, VCardValue::Text);
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
    card += VCardLine("N", first.empty() ? std::vector{last} : std::vector{last, first},
                      VCardValue::Structured);
    optional("EMAIL;PREF;INTERNET", data["PrimaryEmail"]);
    const std::string company = data["WorkCompany"];
    const std::string department = data["WorkDepartment"];
    if (!company.empty() || !department.empty()) {
        card += VCardLine(
            "ORG", department.empty() ? std::vector{company} : std::vector{company, department},
            VCardValue::Structured);
    }
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
