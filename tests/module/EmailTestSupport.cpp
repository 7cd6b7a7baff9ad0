#include "EmailTestSupport.h"

#include "hostlib/util/HostStrings.h"

namespace emailtest {
namespace {

constexpr winport::StringResource kStrings[] = {
    {kInvalidEmailText, kInvalidEmail},
    {kEmailNameRefusedCaption, kNameRefusedCaption},
    {kEmailNameRefusedText, kNameRefused},
    {kMailDomainWarningText, kMailWarning},
    {kMailDomainWarningCaption, kMailWarningCaption},
    {kMailDomainString, kMailDomain},
};
constexpr winport::ResourceTable kTable{"e-mail test host strings", {}, {}, {}, kStrings};

int ImageOf(HWND list, int row) {
    LVITEMA item{.mask = LVIF_IMAGE, .iItem = row};
    SendMessage(list, LVM_GETITEM, 0, reinterpret_cast<LPARAM>(&item));
    return item.iImage;
}

}  // namespace

std::vector<std::string> Rows(HWND list) {
    std::vector<std::string> rows;
    const auto count = static_cast<int>(SendMessage(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        const int image = ImageOf(list, row);
        rows.push_back(bctest::ListViewCell(list, row, 1) + "|" +
                       bctest::ListViewCell(list, row, 2) + "|" +
                       (image < 0 ? "-" : std::to_string(image)));
    }
    return rows;
}

std::vector<std::string> TextList(MCVariantPropertySet record, const char* key, const char* field) {
    std::vector<std::string> texts;
    for (int k = 0; k < record[key].GetSize(); ++k) {
        texts.push_back(field ? std::string(record[key][k][field]) : std::string(record[key][k]));
    }
    return texts;
}

std::string Box(const winport::Agent& agent, size_t index) {
    if (index >= agent.MessageBoxes().size()) return "none";
    const winport::MessageBoxRequest& box = agent.MessageBoxes()[index].request;
    const UINT icon = box.style & MB_ICONMASK;
    return box.text + "|" + box.caption + "|" +
           (icon == MB_ICONERROR         ? "error"
            : icon == MB_ICONEXCLAMATION ? "exclamation"
                                         : "");
}

void QueueAnswer(winport::Agent& agent, int templateId, DialogAnswer answer) {
    const bool contact = templateId == static_cast<int>(IDD_CONTACT_EMAIL_DIALOG);
    agent.QueueDialogHandler(templateId, [&agent, answer, contact](HWND dialog) {
        const int edit = contact ? IDC_CONTACT_EMAIL_ADDRESS : IDC_OWNER_EMAIL_ADDRESS;
        const int box = contact ? IDC_CONTACT_EMAIL_IS_DEFAULT : IDC_OWNER_EMAIL_DONT_PUBLISH;
        if (answer.address) agent.Type(GetDlgItem(dialog, edit), *answer.address);
        if (answer.tick) {
            agent.Tick(GetDlgItem(dialog, box), *answer.tick ? winport::CheckState::Checked
                                                             : winport::CheckState::Unchecked);
        }
        agent.Click(GetDlgItem(dialog, answer.ok ? IDOK : IDCANCEL));
    });
}

void EmailFixture::SetUp() {
    ModuleFixture::SetUp();
    UseStrings(kTable);
    m_window = CreateWindowEx(0, "Static", "Main", WS_POPUP | WS_VISIBLE, 0, 0, 640, 400, nullptr,
                              nullptr, nullptr, nullptr);
}

void EmailFixture::TearDown() {
    ClosePane();
    m_record.reset();
    if (IsWindow(m_window)) DestroyWindow(m_window);
    ModuleFixture::TearDown();
}

}  // namespace emailtest
