// CPhoneLocationDialog: one phone number split into its location name, country, area code,
// local number and extension, edited by the owner (or shown read-only for a contact) and joined
// back into the stored text. The text is read at construction; after OK the caller takes the
// joined text. Run modally.
#pragma once

#include <string>

#include "hostlib/framework/BCTaskDialog.h"
#include "hostlib/property/MCVariantPropertySet.h"
#include "pages/personal/PhoneText.h"

class CPhoneLocationDialog final : public BCTaskDialog {
public:
    // Borrows |data|, the record whose "HomeCountry" stands in for a number without a known
    // country. |text| is a location prefix and the field's text ("Home: +1 (212) 9876"), which
    // is the record's number or what the person typed, as |source| says.
    CPhoneLocationDialog(BCUserInfo* user, bool editable, MCVariantPropertySet* data,
                         const std::string& text, PhoneTextSource source, int maxLength,
                         CWnd* parent);

    // The stored form of the parts as they stand.
    std::string GetPhoneText() const { return JoinPhoneText(m_parts); }

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override;
    std::optional<LRESULT> OnMessage(const winport::Message& m) override;

private:
    static const winport::Route<CPhoneLocationDialog> kRoutes[];

    void FillCountries();
    // A part's edit changed: taken only while the person is typing in it.
    void OnPartChanged(int editId, std::string& part);
    void OnLocationChanged();
    void OnAreaChanged();
    void OnLocalChanged();
    void OnExtensionChanged();
    void OnCountryChosen();
    void ShowJoinedText();

    bool m_editable;
    MCVariantPropertySet* m_data;
    PhoneTextSource m_source;
    int m_maxLength;
    std::string m_preview;
    PhoneParts m_parts;
};
