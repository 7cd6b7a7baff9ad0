// The vCard export: the card's lines as an address book reads them, the Save As question, and
// the file written, left alone on Cancel, or told when it cannot be written, the old file kept.
#include <sys/resource.h>

#include <csignal>

#include <filesystem>
#include <fstream>

#include "PageTestSupport.h"
#include "export/VCardWriter.h"
#include "platform/shell/SaveAsDialog.h"
#include "tests/client/ClientTestSupport.h"

namespace moduletest {
namespace {

class VCardWriterTest : public PageFixture {
protected:
    // The card of a fresh record with only |texts| set, "Key=text|Key=text|...".
    std::string CardOf(std::string_view texts, short workCountry = 0, int gender = 0,
                       short homeCountry = 0) {
        MCVariantPropertySet record = host->Record(host->AddContact(++m_number, ""));
        for (size_t bar = 0; !texts.empty(); texts.remove_prefix(std::min(bar + 1, texts.size()))) {
            bar = std::min(texts.find('|'), texts.size());
            const std::string_view text = texts.substr(0, bar);
            record[text.substr(0, text.find('='))] = text.substr(text.find('=') + 1);
        }
        record["WorkCountry"] = workCountry;
        record["HomeCountry"] = homeCountry;
        record["Gender"] = gender;
        return CVCardWriter(&record).CardText();
    }

private:
    int m_number = 2000;
};

TEST_F(VCardWriterTest, CardsComeOutByteForByte) {
    struct Case {
        const char* name;
        std::string texts;
        short workCountry;
        short homeCountry;
        int gender;
        std::string card;
    };
    const Case cases[] = {
        {"full",
         "UINString=1234567|DefinedHandle=Lodie|FirstName=Élodie|LastName=Mercier|"
         "PrimaryEmail=elodie@exemple.fr|WorkCompany=Soieries|WorkDepartment=Atelier|"
         "WorkJobTitle=Tisseuse|WorkAddress=3, place Bellecour|WorkCity=Lyon|WorkState=ARA|"
         "WorkZipCode=69002|HomeAddress=Bât. B\r\n12 rue A=B|HomeCity=Lyon|HomeZipCode=69007|"
         "HomeHomepage=https://lodie.example|WorkHomepage=https://soieries.example|"
         "HomePhone=+33 (4) 78 12|WorkPhone= +33 (4) 72 00|WorkFax=+33 (4) 72 01|"
         "HomeCell=+33 (6) 12",
         33, 41, 2,
         "BEGIN:VCARD\r\n"
         "VERSION:2.1\r\n"
         "NUV:1234567\r\n"
         "NICKNAME:Lodie\r\n"
         // Text outside ASCII goes as quoted-printable UTF-8.
         "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Mercier =C3=89lodie\r\n"
         "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Mercier;=C3=89lodie\r\n"
         "EMAIL;PREF;INTERNET:elodie@exemple.fr\r\n"
         "ORG:Soieries;Atelier\r\n"
         "TITLE:Tisseuse\r\n"
         "ADR;WORK:;;3\\, place Bellecour;Lyon;ARA;69002;France\r\n"
         // No physical line passes 76 characters; one that goes on ends with an encoded byte.
         "LABEL;WORK;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:3=2C place Bellecour=0D=\r\n"
         "=0ALyon ARA 69002=0D=0AFrance\r\n"
         "ADR;HOME;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:;;B=C3=A2t. B=0D=0A12 r=75=\r\n"
         "e A=3DB;Lyon;;69007;Switzerland\r\n"
         "LABEL;HOME;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:B=C3=A2t. B=0D=0A12 r=75=\r\n"
         "e A=3DB=0D=0ALyon  69007=0D=0ASwitzerland\r\n"
         "URL:https://lodie.example\r\n"
         "URL:https://soieries.example\r\n"
         "TEL;HOME;VOICE:+33 (4) 78 12\r\n"
         "TEL;WORK;VOICE: +33 (4) 72 00\r\n"
         "TEL;WORK;FAX:+33 (4) 72 01\r\n"
         "TEL;CELL;VOICE:+33 (6) 12\r\n"
         "X-WAB-GENDER:2\r\n"
         "END:VCARD\r\n"},
        {"nickname only", "DefinedHandle=Annie", 0, 0, 0,
         "BEGIN:VCARD\r\nVERSION:2.1\r\nNUV:\r\nNICKNAME:Annie\r\nFN:Annie\r\nN:\r\nEND:VCARD\r\n"},
        {"hostile",
         "UINString=../12/34|DefinedHandle=a:b=c|FirstName=x\\|LastName=y;z,|WorkCompany=\\n|"
         "WorkCity=ends with a blank |HomeAddress=" +
             std::string(30, ' ') + "\n" + std::string(40, 'w') + " Ω",
         0, 0, 0,
         "BEGIN:VCARD\r\n"
         "VERSION:2.1\r\n"
         "NUV:../12/34\r\n"
         "NICKNAME:a:b=c\r\n"
         // A text property's "\\" and ";" go encoded, as do "," and "\\" in any encoded value;
         // a ";" inside a part stays escaped.
         "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:y=3Bz=2C x=5C\r\n"
         "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:y\\;z=2C;x=5C\r\n"
         "ORG;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=5Cn\r\n"
         "ADR;WORK:;;;ends with a blank ;;;\r\n"
         // A blank that ends the value or would begin a line is encoded; a plain character
         // before a soft line break is encoded, or goes to the next line.
         "LABEL;WORK;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=0D=0Aends with a bla=6E=\r\n"
         "k   =0D=0A\r\n"
         "ADR;HOME;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:;;                     =20=\r\n"
         "=20       =0Awwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwww =CE=A9;;;;\r\n"
         "LABEL;HOME;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:                     =20=\r\n"
         "=20       =0Awwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwww =CE=A9=0D=0A  =0D=0A\r\n"
         "END:VCARD\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CardOf(c.texts, c.workCountry, c.gender, c.homeCountry), c.card) << c.name;
}

TEST_F(VCardWriterTest, NamesOrganisationAddressAndGenderLinesFollowWhatIsFilled) {
    const auto has = [](const std::string& card, const std::string& line) {
        return card.find("\r\n" + line + "\r\n") != std::string::npos;
    };
    std::string card = CardOf("FirstName=Ann|LastName=Lee");
    EXPECT_TRUE(has(card, "FN:Lee Ann") && has(card, "N:Lee;Ann")) << card;
    EXPECT_LT(card.find("FN:"), card.find("N:Lee"));
    // Separators inside a part stay inside it.
    card = CardOf("FirstName=A;B|LastName=C,|WorkCompany=D,E|WorkDepartment=F");
    EXPECT_TRUE(has(card, "N:C\\,;A\\;B") && has(card, "ORG:D\\,E;F")) << card;
    card = CardOf("FirstName=Ann");
    EXPECT_TRUE(has(card, "FN:Ann") && has(card, "N:;Ann")) << card;
    // A card always shows a name: the nickname, else the number.
    card = CardOf("DefinedHandle=Annie");
    EXPECT_TRUE(has(card, "FN:Annie") && has(card, "N:")) << card;
    EXPECT_TRUE(has(CardOf("UINString=77"), "FN:77"));
    card = CardOf("");
    EXPECT_EQ(card.find("FN:"), std::string::npos) << card;
    EXPECT_TRUE(has(card, "N:") && has(card, "NUV:")) << card;

    EXPECT_TRUE(has(CardOf("WorkDepartment=Atelier"), "ORG:;Atelier"));
    // Only a country: every separator stays.
    card = CardOf("", 33);
    EXPECT_TRUE(has(card, "ADR;WORK:;;;;;;France")) << card;
    EXPECT_TRUE(
        has(card, "LABEL;WORK;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=0D=0A  =0D=0AFrance"))
        << card;
    // A country nobody knows, with only a state and a postal code: no address.
    card = CardOf("WorkState=ARA|WorkZipCode=69002", 4242);
    EXPECT_EQ(card.find("WORK:"), std::string::npos) << card;
    for (const int gender : {0, 3, -1})
        EXPECT_EQ(CardOf("", 0, gender).find("X-WAB-GENDER"), std::string::npos) << gender;
    EXPECT_TRUE(has(CardOf("", 0, 1), "X-WAB-GENDER:1"));
}

TEST_F(VCardWriterTest, ExportAsksForTheFileAndWritesTheCardThere) {
    MCVariantPropertySet record = host->Record(owner);
    // The number text names the file only through characters safe in any file name.
    record["UINString"] = "../12/34:é";
    const nuvclient::test::TempFolder folder;
    const std::string path = (folder.Path() / "card.vcf").string();
    agent.QueueSaveAsAnswer(std::nullopt);
    CVCardWriter(&record).Export(nullptr);
    EXPECT_FALSE(std::filesystem::exists(path)) << "Cancel writes nothing";
    ASSERT_EQ(agent.SaveAsDialogs().size(), 1u);
    const winport::SaveAsRequest& asked = agent.SaveAsDialogs()[0].request;
    EXPECT_EQ(asked.fileName, "NUV#___12_34___.VCF");
    EXPECT_EQ(asked.defaultExtension, "VCF");
    EXPECT_EQ(asked.filter, "vCard Files (*.vcf)|*.vcf|All Files (*.*)|*.*||");
    EXPECT_EQ(asked.flags & (OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT),
              OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);

    std::ofstream(path) << "an older, longer file that the card replaces entirely";
    agent.QueueSaveAsAnswer(path);
    CVCardWriter(&record).Export(nullptr);
    EXPECT_EQ(nuvclient::test::ReadBytes(path), CVCardWriter(&record).CardText());
    EXPECT_TRUE(agent.MessageBoxes().empty());

    // The disk fills after 100 bytes: the person is told, the card written before stays whole
    // and no part of the new one is left.
    const std::string before = CVCardWriter(&record).CardText();
    record["WorkCompany"] = std::string(300, 'x');  // Well past the 100 bytes.
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit full{100, limit.rlim_max};
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &full), 0);
    agent.QueueSaveAsAnswer(path);
    CVCardWriter(&record).Export(nullptr);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previousSignal);
    ASSERT_EQ(agent.MessageBoxes().size(), 1u);
    EXPECT_EQ(nuvclient::test::ReadBytes(path), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                            std::filesystem::directory_iterator()),
              1);

    // A folder that does not exist: the person is told, nothing is made.
    const std::string nowhere = (folder.Path() / "missing/card.vcf").string();
    agent.QueueSaveAsAnswer(nowhere);
    CVCardWriter(&record).Export(nullptr);
    ASSERT_EQ(agent.MessageBoxes().size(), 2u);
    EXPECT_EQ(agent.MessageBoxes()[1].request.text,
              "The vCard could not be written to " + nowhere + ".");
    EXPECT_FALSE(std::filesystem::exists(nowhere));
}

}  // namespace
}  // namespace moduletest
