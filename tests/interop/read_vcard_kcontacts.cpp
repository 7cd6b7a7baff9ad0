// Reads the one card of a .vcf file with KContacts and prints the fields of the contact it makes
// as JSON, in the form read_vcard_ebook prints: [{"name": ..., "types": [...], "values": [...]},
// ...], one entry for each field that holds a value, named after the card property it comes from.
// A property KContacts does not know (other than an X- one) leaves no field. Fails unless the file
// holds exactly one card.
#include <KContacts/Addressee>
#include <KContacts/VCardConverter>
#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <initializer_list>
#include <utility>

namespace {

template <typename Flags>
QStringList TypeNames(
    Flags flags, std::initializer_list<std::pair<typename Flags::enum_type, const char*>> names) {
    QStringList types;
    for (const auto& [flag, name] : names) {
        if (flags & flag) types << QString::fromLatin1(name);
    }
    return types;
}

class Printer {
public:
    void Add(const QString& name, const QStringList& types, const QStringList& values) {
        m_fields.append(QJsonObject{{"name", name},
                                    {"types", QJsonArray::fromStringList(types)},
                                    {"values", QJsonArray::fromStringList(values)}});
    }
    // A field of a single value, when it holds one.
    void AddText(const QString& name, const QString& value) {
        if (!value.isEmpty()) Add(name, {}, {value});
    }
    QByteArray Json() const { return QJsonDocument(m_fields).toJson(QJsonDocument::Indented); }

private:
    QJsonArray m_fields;
};

QStringList AddressTypes(KContacts::Address::Type type) {
    using A = KContacts::Address;
    return TypeNames(type, {{A::Home, "HOME"},
                            {A::Work, "WORK"},
                            {A::Pref, "PREF"},
                            {A::Dom, "DOM"},
                            {A::Intl, "INTL"},
                            {A::Postal, "POSTAL"},
                            {A::Parcel, "PARCEL"}});
}

QStringList PhoneTypes(KContacts::PhoneNumber::Type type) {
    using P = KContacts::PhoneNumber;
    return TypeNames(type, {{P::Home, "HOME"},
                            {P::Work, "WORK"},
                            {P::Msg, "MSG"},
                            {P::Pref, "PREF"},
                            {P::Voice, "VOICE"},
                            {P::Fax, "FAX"},
                            {P::Cell, "CELL"},
                            {P::Video, "VIDEO"},
                            {P::Bbs, "BBS"},
                            {P::Modem, "MODEM"},
                            {P::Car, "CAR"},
                            {P::Isdn, "ISDN"},
                            {P::Pcs, "PCS"},
                            {P::Pager, "PAGER"}});
}

void AddContact(Printer& out, const KContacts::Addressee& contact) {
    for (const KContacts::NickName& nickName : contact.extraNickNameList()) {
        out.AddText("NICKNAME", nickName.nickname());
    }
    out.AddText("FN", contact.formattedName());
    const QStringList name = {contact.familyName(), contact.givenName(), contact.additionalName(),
                              contact.prefix(), contact.suffix()};
    if (!name.join(QString()).isEmpty()) out.Add("N", {}, name);
    for (const KContacts::Email& email : contact.emailList()) {
        using E = KContacts::Email;
        QStringList types =
            TypeNames(email.type(), {{E::Home, "HOME"}, {E::Work, "WORK"}, {E::Other, "OTHER"}});
        if (email.isPreferred()) types << "PREF";
        out.Add("EMAIL", types, {email.mail()});
    }
    if (!contact.organization().isEmpty() || !contact.department().isEmpty()) {
        out.Add("ORG", {}, {contact.organization(), contact.department()});
    }
    for (const KContacts::Title& title : contact.extraTitleList()) {
        out.AddText("TITLE", title.title());
    }
    for (const KContacts::Address& address : contact.addresses()) {
        const QStringList types = AddressTypes(address.type());
        out.Add("ADR", types,
                {address.postOfficeBox(), address.extended(), address.street(), address.locality(),
                 address.region(), address.postalCode(), address.country()});
        if (!address.label().isEmpty()) out.Add("LABEL", types, {address.label()});
    }
    for (const KContacts::ResourceLocatorUrl& url : contact.extraUrlList()) {
        out.AddText("URL", url.url().toString());
    }
    for (const KContacts::PhoneNumber& phone : contact.phoneNumbers()) {
        out.Add("TEL", PhoneTypes(phone.type()), {phone.number()});
    }
    // A custom field is kept as "APP-NAME:VALUE", from the property X-APP-NAME.
    for (const QString& custom : contact.customs()) {
        const int colon = custom.indexOf(QLatin1Char(':'));
        out.Add("X-" + custom.left(colon).toUpper(), {}, {custom.mid(colon + 1)});
    }
    out.AddText("GENDER", contact.gender().gender());
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE.vcf\n", argv[0]);
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(file.errorString()));
        return 1;
    }
    const KContacts::Addressee::List contacts =
        KContacts::VCardConverter().parseVCards(file.readAll());
    if (contacts.size() != 1) {
        std::fprintf(stderr, "%s: %d cards read, not one\n", argv[1],
                     static_cast<int>(contacts.size()));
        return 1;
    }
    Printer out;
    AddContact(out, contacts.front());
    const QByteArray json = out.Json();
    std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout);
    return 0;
}
