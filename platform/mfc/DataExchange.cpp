#include "platform/mfc/DataExchange.h"

#include <cstdlib>

#include "platform/message/MessageApi.h"
#include "platform/mfc/Wnd.h"
#include "platform/shell/MessageBox.h"
#include "platform/text/Utf8.h"
#include "platform/window/WindowApi.h"

namespace {

void Complain(CDataExchange* dx, const std::string& text) {
    ::MessageBox(dx->m_pDlgWnd->m_hWnd, text.c_str(), nullptr, MB_OK | MB_ICONEXCLAMATION);
    dx->Fail();
}

// Loads |text| only when it differs, so that an unchanged control hears of no change.
void SetTextIfChanged(HWND control, const std::string& text) {
    if (winport::GetWindowTextUtf8(control) != text) ::SetWindowText(control, text.c_str());
}

bool ParseInteger(const std::string& text, long long& value) {
    const char* start = text.c_str();
    while (*start == ' ' || *start == '\t') ++start;
    char* end = nullptr;
    value = std::strtoll(start, &end, 10);
    if (end == start) return false;
    while (*end == ' ' || *end == '\t') ++end;
    return *end == '\0';
}

// Every button of the radio group that starts at |first|, in order.
std::vector<HWND> RadioGroup(HWND first) {
    std::vector<HWND> group;
    for (HWND control = first; control; control = ::GetWindow(control, GW_HWNDNEXT)) {
        const auto style = static_cast<DWORD>(::GetWindowLongPtr(control, GWL_STYLE));
        if (control != first && (style & WS_GROUP)) break;
        const DWORD kind = style & BS_TYPEMASK;
        if (kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON) group.push_back(control);
    }
    return group;
}

}  // namespace

CDataExchange::CDataExchange(CWnd* dialog, BOOL saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

HWND CDataExchange::PrepareCtrl(int id) {
    m_lastControl = ::GetDlgItem(m_pDlgWnd->m_hWnd, id);
    m_lastIsEdit = false;
    return m_lastControl;
}

HWND CDataExchange::PrepareEditCtrl(int id) {
    PrepareCtrl(id);
    m_lastIsEdit = true;
    return m_lastControl;
}

void CDataExchange::Fail() {
    if (m_bSaveAndValidate && m_lastControl && ::IsWindow(m_lastControl)) {
        ::SetFocus(m_lastControl);
        if (m_lastIsEdit) ::SendMessage(m_lastControl, EM_SETSEL, 0, -1);
    }
    m_failed = true;
}

void DDX_Text(CDataExchange* dx, int id, std::string& value) {
    if (dx->Failed()) return;
    const HWND control = dx->PrepareEditCtrl(id);
    if (dx->m_bSaveAndValidate) {
        value = winport::GetWindowTextUtf8(control);
    } else {
        SetTextIfChanged(control, value);
    }
}

void DDX_Text(CDataExchange* dx, int id, int& value) {
    if (dx->Failed()) return;
    const HWND control = dx->PrepareEditCtrl(id);
    if (!dx->m_bSaveAndValidate) {
        SetTextIfChanged(control, std::to_string(value));
        return;
    }
    long long parsed = 0;
    if (!ParseInteger(winport::GetWindowTextUtf8(control), parsed) || parsed < INT32_MIN ||
        parsed > INT32_MAX) {
        Complain(dx, "Please enter an integer.");
        return;
    }
    value = static_cast<int>(parsed);
}

void DDX_Text(CDataExchange* dx, int id, UINT& value) {
    if (dx->Failed()) return;
    const HWND control = dx->PrepareEditCtrl(id);
    if (!dx->m_bSaveAndValidate) {
        SetTextIfChanged(control, std::to_string(value));
        return;
    }
    long long parsed = 0;
    if (!ParseInteger(winport::GetWindowTextUtf8(control), parsed) || parsed < 0 ||
        parsed > UINT32_MAX) {
        Complain(dx, "Please enter a positive integer.");
        return;
    }
    value = static_cast<UINT>(parsed);
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
    if (dx->Failed()) return;
    const HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        value = static_cast<int>(::SendMessage(control, BM_GETCHECK, 0, 0));
    } else {
        ::SendMessage(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
    }
}

void DDX_Radio(CDataExchange* dx, int id, int& value) {
    if (dx->Failed()) return;
    const std::vector<HWND> group = RadioGroup(dx->PrepareCtrl(id));
    if (dx->m_bSaveAndValidate) {
        value = -1;
        for (size_t i = 0; i < group.size(); ++i) {
            if (::SendMessage(group[i], BM_GETCHECK, 0, 0) == BST_CHECKED) {
                value = static_cast<int>(i);
            }
        }
        return;
    }
    for (size_t i = 0; i < group.size(); ++i) {
        ::SendMessage(group[i], BM_SETCHECK,
                      static_cast<int>(i) == value ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (dx->Failed() || control.m_hWnd) return;
    control.SubclassWindow(dx->PrepareCtrl(id));
}

void DDV_MaxChars(CDataExchange* dx, const std::string& value, int count) {
    if (dx->Failed()) return;
    if (!dx->m_bSaveAndValidate) {
        ::SendMessage(dx->LastControl(), EM_LIMITTEXT, static_cast<WPARAM>(count), 0);
        return;
    }
    if (winport::CodePointCount(value) > static_cast<size_t>(count)) {
        Complain(dx, "Please enter no more than " + std::to_string(count) + " characters.");
    }
}

void DDV_MinMaxInt(CDataExchange* dx, int value, int minimum, int maximum) {
    if (dx->Failed() || !dx->m_bSaveAndValidate) return;
    if (value < minimum || value > maximum) {
        Complain(dx, "Please enter an integer between " + std::to_string(minimum) + " and " +
                         std::to_string(maximum) + ".");
    }
}
