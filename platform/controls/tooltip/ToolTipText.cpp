// The text a tool tip shows for a tool: kept text, a string resource, or an answer to
// TTN_GETDISPINFO from the window that holds the tool.
#include <algorithm>
#include <cstring>
#include <string>

#include "platform/controls/ControlSupport.h"
#include "platform/controls/tooltip/ToolTipControl.h"
#include "platform/core/LastError.h"
#include "platform/message/MessageApi.h"
#include "platform/resources/ResourceChain.h"
#include "platform/window/DispatchScope.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowClass.h"

namespace winport {
namespace {

// The longest text a tip shows, in bytes: what Windows' own tip buffer holds.
constexpr std::size_t kMaxTipText = 1023;

std::string ResourceText(UINT id) {
    return LoadStringResource(id).value_or("");
}

}  // namespace

std::string ToolTipControl::StoredText(const Tool& tool) {
    switch (tool.kind) {
        case TextKind::Text: return tool.text;
        case TextKind::Resource: return ResourceText(tool.resource);
        default: return {};
    }
}

std::string ToolTipControl::TipText(std::size_t index) {
    const Tool& tool = m_tools[index];
    std::string text = tool.kind == TextKind::Callback ? AskForText(index) : StoredText(tool);
    // Without TTS_NOPREFIX a tab ends the tip: it separates a menu item's shortcut.
    if (IsWindow(m_hwnd) && !(WindowStyle(m_hwnd) & TTS_NOPREFIX)) {
        text.erase(std::min(text.find('\t'), text.size()));
    }
    return text;
}

std::string ToolTipControl::AskForText(std::size_t index) {
    // The handler may delete tools: only a copy of this one is used after it answers.
    const Tool tool = m_tools[index];
    NMTTDISPINFOA info;
    info.hdr.hwndFrom = m_hwnd;
    info.hdr.idFrom = tool.id;
    info.hdr.code = TTN_GETDISPINFO;
    info.lpszText = info.szText;
    info.uFlags = tool.flags;
    info.lParam = tool.lParam;
    const auto answer = [&info]() -> std::string {
        const char* text = info.lpszText;
        if (!text || text == LPSTR_TEXTCALLBACK) return {};
        if (IsResourceId(text)) return ResourceText(LOWORD(reinterpret_cast<UINT_PTR>(text)));
        return std::string(text, strnlen(text, kMaxTipText));
    };

    if (tool.hwnd) SendMessage(tool.hwnd, WM_NOTIFY, tool.id, reinterpret_cast<LPARAM>(&info));
    if (!IsWindow(m_hwnd)) return {};
    std::string text = answer();
    // TTF_DI_SETITEM: the tool keeps the answer and is not asked again.
    TTTOOLINFOA key;
    key.hwnd = tool.hwnd;
    key.uId = tool.id;
    const auto kept = Find(key);
    if ((info.uFlags & TTF_DI_SETITEM) && kept && info.lpszText &&
        info.lpszText != LPSTR_TEXTCALLBACK) {
        SetText(m_tools[*kept], IsResourceId(info.lpszText) ? info.lpszText : text.c_str());
    }
    // Without an answer Windows asks the parent of the tool's window too.
    const HWND parent = text.empty() && IsWindow(tool.hwnd) ? GetParent(tool.hwnd) : nullptr;
    if (parent) {
        SendMessage(parent, WM_NOTIFY, tool.id, reinterpret_cast<LPARAM>(&info));
        if (!IsWindow(m_hwnd)) return {};
        text = answer();
    }
    return text;
}

std::optional<std::string> ToolTipControl::TextOfToolWindow(HWND tool) {
    for (std::size_t i = 0; i < m_tools.size(); ++i) {
        if ((m_tools[i].flags & TTF_IDISHWND) && reinterpret_cast<HWND>(m_tools[i].id) == tool) {
            return TipText(i);
        }
    }
    for (std::size_t i = 0; i < m_tools.size(); ++i) {
        if (!(m_tools[i].flags & TTF_IDISHWND) && m_tools[i].hwnd == tool) return TipText(i);
    }
    SetLastErrorText(ERROR_INVALID_PARAMETER, "ToolTipText: the tool tip has no tool for window " +
                                                  GetClassNameOf(tool) + " " +
                                                  std::to_string(GetDlgCtrlID(tool)));
    return std::nullopt;
}

std::optional<std::string> ToolTipText(HWND tooltip, HWND tool) {
    // A callback's handler may destroy the tool tip while it answers.
    const DispatchScope scope;
    auto* control = ControlBehind<ToolTipControl>(tooltip, "ToolTipText", "a tool tip");
    if (!control) return std::nullopt;
    return control->TextOfToolWindow(tool);
}

}  // namespace winport
