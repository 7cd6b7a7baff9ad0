#include "platform/controls/tooltip/ToolTipControl.h"

#include <memory>
#include <string>

#include "platform/controls/ControlSupport.h"
#include "platform/core/LastError.h"
#include "platform/core/WinStyles.h"
#include "platform/text/TextCopy.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowClass.h"

namespace winport {
namespace {

struct Registrar {
    Registrar() {
        RegisterSystemClass(TOOLTIPS_CLASS, [](HWND hwnd) -> std::unique_ptr<WindowProcedure> {
            return std::make_unique<ToolTipControl>(hwnd);
        });
    }
} const kRegistrar;

// Every message that takes a TTTOOLINFOA refuses a missing one and a size no version has.
bool IsValidInfo(const TTTOOLINFOA* info, const char* caller) {
    if (!info) {
        SetLastErrorText(ERROR_INVALID_PARAMETER, std::string(caller) + ": no TTTOOLINFOA");
        return false;
    }
    if (info->cbSize < TTTOOLINFOA_V1_SIZE || info->cbSize > TTTOOLINFOA_V3_SIZE) {
        SetLastErrorText(ERROR_INVALID_PARAMETER, std::string(caller) + ": cbSize " +
                                                      std::to_string(info->cbSize) +
                                                      " is not the size of a TTTOOLINFOA");
        return false;
    }
    return true;
}

TTTOOLINFOA* InfoFrom(LPARAM lParam) {
    return reinterpret_cast<TTTOOLINFOA*>(lParam);
}

void NoSuchTool(const TTTOOLINFOA& info, const char* caller) {
    SetLastErrorText(ERROR_INVALID_PARAMETER,
                     std::string(caller) + ": no tool with id " + std::to_string(info.uId));
}

}  // namespace

LRESULT ToolTipControl::HandleMessage(const Message& m) {
    switch (m.id) {
        case WM_NCCREATE: return OnNcCreate(m);
        case WM_CREATE: return OnCreate();
        case TTM_ACTIVATE: m_active = m.wParam != 0; return 0;
        case TTM_ADDTOOL: return OnAddTool(InfoFrom(m.lParam));
        case TTM_DELTOOL: return OnDelTool(InfoFrom(m.lParam));
        case TTM_NEWTOOLRECT: return OnNewToolRect(InfoFrom(m.lParam));
        case TTM_GETTOOLINFO: return OnGetToolInfo(InfoFrom(m.lParam));
        case TTM_ENUMTOOLS: return OnEnumTools(static_cast<UINT>(m.wParam), InfoFrom(m.lParam));
        case TTM_GETTEXT: return OnGetText(static_cast<UINT>(m.wParam), InfoFrom(m.lParam));
        case TTM_UPDATETIPTEXT: return OnUpdateTipText(InfoFrom(m.lParam));
        case TTM_GETTOOLCOUNT: return static_cast<LRESULT>(m_tools.size());
        case TTM_SETMAXTIPWIDTH: return OnSetMaxTipWidth(static_cast<int>(m.lParam));
        case TTM_GETMAXTIPWIDTH: return m_maxTipWidth;
        // The relayed mouse messages would show and hide tips; no tip shows here.
        case TTM_RELAYEVENT: return 0;
        default: return DefWindowProc(m.hwnd, m.id, m.wParam, m.lParam);
    }
}

LRESULT ToolTipControl::OnNcCreate(const Message& m) {
    // A tool tip is always a bordered popup and a tool window, whatever style it was given.
    const DWORD style = WindowStyle(m_hwnd) & ~(WS_BORDER | WS_DLGFRAME);
    SetWindowStyle(m_hwnd, style | WS_POPUP | WS_BORDER | WS_CLIPSIBLINGS);
    SetWindowLongPtr(m_hwnd, GWL_EXSTYLE, GetWindowLongPtr(m_hwnd, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
    return DefWindowProc(m.hwnd, m.id, m.wParam, m.lParam);
}

LRESULT ToolTipControl::OnCreate() {
    // Hidden until a tip shows.
    SetWindowPos(m_hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOZORDER | SWP_HIDEWINDOW | SWP_NOACTIVATE);
    return 0;
}

LRESULT ToolTipControl::OnAddTool(const TTTOOLINFOA* info) {
    if (!IsValidInfo(info, "TTM_ADDTOOL")) return FALSE;
    Tool tool;
    tool.flags = info->uFlags;
    tool.hwnd = info->hwnd;
    tool.id = info->uId;
    tool.rect = info->rect;
    tool.instance = info->hinst;
    SetText(tool, info->lpszText);
    if (info->cbSize >= TTTOOLINFOA_V2_SIZE) tool.lParam = info->lParam;
    m_tools.push_back(std::move(tool));
    return TRUE;
}

LRESULT ToolTipControl::OnDelTool(const TTTOOLINFOA* info) {
    if (!IsValidInfo(info, "TTM_DELTOOL")) return 0;
    if (const auto index = Find(*info)) {
        m_tools.erase(m_tools.begin() + static_cast<std::ptrdiff_t>(*index));
    } else {
        NoSuchTool(*info, "TTM_DELTOOL");
    }
    return 0;
}

LRESULT ToolTipControl::OnNewToolRect(const TTTOOLINFOA* info) {
    if (!IsValidInfo(info, "TTM_NEWTOOLRECT")) return 0;
    if (const auto index = Find(*info)) {
        m_tools[*index].rect = info->rect;
    } else {
        NoSuchTool(*info, "TTM_NEWTOOLRECT");
    }
    return 0;
}

LRESULT ToolTipControl::OnGetToolInfo(TTTOOLINFOA* info) const {
    if (!IsValidInfo(info, "TTM_GETTOOLINFO")) return FALSE;
    const auto index = Find(*info);
    if (!index) {
        NoSuchTool(*info, "TTM_GETTOOLINFO");
        return FALSE;
    }
    // The window the caller named stays as it gave it.
    const HWND hwnd = info->hwnd;
    CopyInfo(m_tools[*index], *info);
    info->hwnd = hwnd;
    return TRUE;
}

LRESULT ToolTipControl::OnEnumTools(UINT index, TTTOOLINFOA* info) const {
    if (!IsValidInfo(info, "TTM_ENUMTOOLS")) return FALSE;
    if (index >= m_tools.size()) {
        SetLastErrorText(ERROR_INVALID_PARAMETER, "TTM_ENUMTOOLS: no tool at index " +
                                                      std::to_string(index) + " of " +
                                                      std::to_string(m_tools.size()));
        return FALSE;
    }
    CopyInfo(m_tools[index], *info);
    return TRUE;
}

LRESULT ToolTipControl::OnGetText(UINT size, TTTOOLINFOA* info) {
    if (!IsValidInfo(info, "TTM_GETTEXT")) return 0;
    const auto index = Find(*info);
    if (!index) {
        NoSuchTool(*info, "TTM_GETTEXT");
        return 0;
    }
    // A tool without text leaves the buffer as it was.
    if (m_tools[*index].kind == TextKind::None) return 0;
    char* buffer = info->lpszText;
    if (!buffer) {
        SetLastErrorText(ERROR_INVALID_PARAMETER, "TTM_GETTEXT: no buffer for the text");
        return 0;
    }
    CopyTextToBuffer(TipText(*index), buffer, static_cast<int>(size ? size : kToolTipTextBuffer));
    return 0;
}

LRESULT ToolTipControl::OnUpdateTipText(const TTTOOLINFOA* info) {
    if (!IsValidInfo(info, "TTM_UPDATETIPTEXT")) return 0;
    const auto index = Find(*info);
    if (!index) {
        NoSuchTool(*info, "TTM_UPDATETIPTEXT");
        return 0;
    }
    m_tools[*index].instance = info->hinst;
    SetText(m_tools[*index], info->lpszText);
    return 0;
}

LRESULT ToolTipControl::OnSetMaxTipWidth(int width) {
    const int previous = m_maxTipWidth;
    m_maxTipWidth = width;
    return previous;
}

std::optional<std::size_t> ToolTipControl::Find(const TTTOOLINFOA& info) const {
    for (std::size_t i = 0; i < m_tools.size(); ++i) {
        const Tool& tool = m_tools[i];
        if (!(tool.flags & TTF_IDISHWND) && tool.hwnd == info.hwnd && tool.id == info.uId) return i;
    }
    for (std::size_t i = 0; i < m_tools.size(); ++i) {
        if ((m_tools[i].flags & TTF_IDISHWND) && m_tools[i].id == info.uId) return i;
    }
    return std::nullopt;
}

void ToolTipControl::CopyInfo(const Tool& tool, TTTOOLINFOA& info) const {
    info.uFlags = tool.flags;
    info.hwnd = tool.hwnd;
    info.uId = tool.id;
    info.rect = tool.rect;
    info.hinst = tool.instance;
    // A buffer gets the text, cut to 80 bytes; otherwise the text's kind shows in the pointer.
    if (info.lpszText) {
        switch (tool.kind) {
            case TextKind::None: info.lpszText = nullptr; break;
            case TextKind::Callback: info.lpszText = LPSTR_TEXTCALLBACK; break;
            case TextKind::Resource:
                info.lpszText = reinterpret_cast<char*>(static_cast<UINT_PTR>(tool.resource));
                break;
            case TextKind::Text:
                CopyTextToBuffer(tool.text, info.lpszText, kToolTipTextBuffer);
                break;
        }
    }
    if (info.cbSize >= TTTOOLINFOA_V2_SIZE) info.lParam = tool.lParam;
}

void ToolTipControl::SetText(Tool& tool, const char* text) {
    tool.text.clear();
    tool.resource = 0;
    if (!text) {
        tool.kind = TextKind::None;
    } else if (text == LPSTR_TEXTCALLBACK) {
        tool.kind = TextKind::Callback;
    } else if (IsResourceId(text)) {
        tool.kind = TextKind::Resource;
        tool.resource = LOWORD(reinterpret_cast<UINT_PTR>(text));
    } else {
        tool.kind = TextKind::Text;
        tool.text = text;
    }
}

bool ToolTipControl::IsResourceId(const char* text) {
    return (reinterpret_cast<UINT_PTR>(text) >> 16) == 0;
}

std::vector<std::string> ToolTipControl::DescribeState(HWND) const {
    std::vector<std::string> state;
    if (!m_active) state.emplace_back("inactive");
    for (const Tool& tool : m_tools) {
        std::string entry = "tool ";
        if (tool.flags & TTF_IDISHWND) {
            const auto window = reinterpret_cast<HWND>(tool.id);
            entry += IsWindow(window) ? std::to_string(GetDlgCtrlID(window)) : "(gone)";
        } else {
            entry += "#" + std::to_string(tool.id);
        }
        entry += tool.kind == TextKind::Callback ? " callback" : " \"" + StoredText(tool) + "\"";
        state.push_back(std::move(entry));
    }
    return state;
}

}  // namespace winport
