#include "pages/PagePhones.h"

#include <string>

#include "hostlib/framework/FrameworkMessages.h"
#include "module/ModuleState.h"
#include "pages/PageFonts.h"
#include "pages/personal/PhoneLocationDialog.h"
#include "platform/core/CommonControls.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"

namespace {

constexpr int kPhoneTextLimit = 30;

}  // namespace

CPagePhones::CPagePhones(BCInsideDialog& page, bool editable, std::span<const Number> numbers,
                         std::function<void()> changed)
    : m_page(page), m_editable(editable), m_changed(std::move(changed)) {
    for (const Number& number : numbers) {
        m_fields.push_back(std::make_unique<Field>());
        m_fields.back()->number = &number;
    }
}

CPagePhones::~CPagePhones() {
    if (m_underlined) DeleteObject(m_underlined);
}

HWND CPagePhones::Item(int id) const {
    return ::GetDlgItem(m_page.m_hWnd, id);
}

void CPagePhones::Initialize() {
    MIHostServices* services = ModuleState().hostServices;
    std::vector<int> edits;
    for (const auto& field : m_fields) {
        field->edit.SubclassDlgItem(field->number->edit, &m_page);
        field->button.SubclassDlgItem(field->number->button, &m_page);
        if (services)
            field->button.SetImageList(0, services->GetSmallImageList(), field->number->image,
                                       TRUE);
        edits.push_back(field->number->edit);
    }
    if (m_editable && !edits.empty()) {
        m_underlined = GiveFontVariant(m_page.m_hWnd, edits.front(), edits,
                                       [](LOGFONT& font) { font.lfUnderline = TRUE; });
    }
}

void CPagePhones::Load(MCVariantPropertySet& data) {
    for (const auto& field : m_fields) {
        const std::string number = data[field->number->key];
        ::EnableWindow(Item(field->number->button), number.empty() ? FALSE : TRUE);
        field->typed = false;
    }
}

CPagePhones::Field* CPagePhones::FieldOf(int controlId, bool edit) {
    for (const auto& field : m_fields) {
        if ((edit ? field->number->edit : field->number->button) == controlId) return field.get();
    }
    return nullptr;
}

std::optional<LRESULT> CPagePhones::OnMessage(const winport::Message& m,
                                              MCVariantPropertySet* data) {
    if (m.id == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(m.lParam);
        if (!header || header->code != NM_DBLCLK) return 1;
        Field* field = FieldOf(static_cast<int>(header->idFrom), true);
        if (!field) return 0;
        // The owner's double click asks at once; a contact's number is only shown.
        if (m_editable) RunDialog(*field, data);
        return 1;
    }
    if (m.id != WM_COMMAND) return std::nullopt;
    const int id = LOWORD(m.wParam);
    const WORD code = HIWORD(m.wParam);
    if (code == BN_CLICKED) {
        Field* field = FieldOf(id, false);
        if (!field) return std::nullopt;
        m_page.UpdateData(TRUE);
        const HWND edit = Item(field->number->edit);
        if (m_page.GetUserInfo() && InPagesWindow(edit)) Ask(*field, edit);
        return 0;
    }
    Field* field = FieldOf(id, true);
    if (!field) return std::nullopt;
    if (code == EN_CHANGE) {
        OnEdited(*field);
    } else if (code == EN_KILLFOCUS) {
        // The focus has moved on already; leaving for another window asks nothing.
        const HWND focus = ::GetFocus();
        if (InPagesWindow(focus)) Ask(*field, focus);
    }
    return 0;
}

void CPagePhones::OnEdited(Field& field) {
    m_changed();
    field.typed = true;
    const bool empty = ::GetWindowTextLength(Item(field.number->edit)) == 0;
    // A number typed afresh waits for the dialog again.
    if (empty) field.needsConfirmation = true;
    ::EnableWindow(Item(field.number->button), empty ? FALSE : TRUE);
}

bool CPagePhones::InPagesWindow(HWND hwnd) const {
    const HWND window = m_page.GetParent() ? m_page.GetParent()->m_hWnd : nullptr;
    return hwnd && (hwnd == m_page.m_hWnd || (window && ::IsChild(window, hwnd)));
}

void CPagePhones::Ask(Field& field, HWND focus) {
    m_request = Request{focus, &field};
    m_page.PostMessage(BCM_PAGEDEFERRED);
}

LRESULT CPagePhones::OnPageDeferred(MCVariantPropertySet* data) {
    if (!m_request) return 1;
    const Request request = *m_request;
    m_request.reset();
    Field& field = *request.field;
    const bool typed = ::GetWindowTextLength(Item(field.number->edit)) > 0;
    if (field.needsConfirmation && typed) RunDialog(field, data);
    // The person goes on where he was going: his window in front, the focus where he put it.
    if (::IsWindow(request.focus)) {
        ::SetForegroundWindow(::GetAncestor(request.focus, GA_ROOT));
        ::SetFocus(request.focus);
    }
    return 1;
}

bool CPagePhones::RunDialog(Field& field, MCVariantPropertySet* data) {
    const std::string text =
        field.number->prefix + winport::GetWindowTextUtf8(Item(field.number->edit));
    CPhoneLocationDialog dialog(m_page.GetUserInfo(), m_editable, data, text,
                                field.typed ? PhoneTextSource::Typed : PhoneTextSource::Stored,
                                kPhoneTextLimit, &m_page);
    if (dialog.DoModal() != IDOK || !m_editable) return false;
    ::SetWindowText(Item(field.number->edit), dialog.GetPhoneText().c_str());
    field.needsConfirmation = false;
    field.typed = false;
    return true;
}

LRESULT CPagePhones::OnPageFocusOut() {
    const HWND focus = ::GetFocus();
    for (const auto& field : m_fields) {
        if (focus == Item(field->number->edit)) {
            ::SetFocus(Item(field->number->button));
            break;
        }
    }
    return 1;
}
