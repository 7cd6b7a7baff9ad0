// The "tooltips_class32" class: a hidden popup holding tools, each a window or a rectangle of one,
// with its text. Headless, no tip ever shows (there is no pointer to hover), so no TTN_SHOW or
// TTN_POP is sent and TTF_SUBCLASS installs no hook; the text of a tool is asked for, as its
// tip would be, through TTM_GETTEXT or ToolTipText. Messages take the "A" TTTOOLINFOA.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/controls/ToolTipApi.h"
#include "platform/window/StateDescription.h"
#include "platform/window/WindowProcedure.h"

namespace winport {

class ToolTipControl final : public WindowProcedure, public DescribesState {
public:
    explicit ToolTipControl(HWND hwnd) : m_hwnd(hwnd) {}
    ToolTipControl(const ToolTipControl&) = delete;
    ToolTipControl& operator=(const ToolTipControl&) = delete;

    LRESULT HandleMessage(const Message& m) override;
    std::vector<std::string> DescribeState(HWND hwnd) const override;
    // The text of the tool that is window |tool|, or else of the first tool window |tool| holds;
    // nullopt with the last error set when there is none.
    std::optional<std::string> TextOfToolWindow(HWND tool);

private:
    enum class TextKind { None, Text, Resource, Callback };
    struct Tool {
        UINT flags = 0;
        HWND hwnd = nullptr;
        UINT_PTR id = 0;
        RECT rect;
        HINSTANCE instance = nullptr;
        TextKind kind = TextKind::None;
        std::string text;   // TextKind::Text
        UINT resource = 0;  // TextKind::Resource
        LPARAM lParam = 0;
    };

    LRESULT OnNcCreate(const Message& m);
    LRESULT OnCreate();
    LRESULT OnAddTool(const TTTOOLINFOA* info);
    LRESULT OnDelTool(const TTTOOLINFOA* info);
    LRESULT OnNewToolRect(const TTTOOLINFOA* info);
    LRESULT OnGetToolInfo(TTTOOLINFOA* info) const;
    LRESULT OnEnumTools(UINT index, TTTOOLINFOA* info) const;
    LRESULT OnGetText(UINT size, TTTOOLINFOA* info);
    LRESULT OnUpdateTipText(const TTTOOLINFOA* info);
    LRESULT OnSetMaxTipWidth(int width);

    // The tool |info| names: by window and id, else as a TTF_IDISHWND tool by id alone.
    std::optional<std::size_t> Find(const TTTOOLINFOA& info) const;
    void CopyInfo(const Tool& tool, TTTOOLINFOA& info) const;
    static void SetText(Tool& tool, const char* text);
    // A string resource is named by a number below 0x10000 where a text pointer would go.
    static bool IsResourceId(const char* text);

    // The text the tip of tool |index| shows (in ToolTipText.cpp). A callback tool's window is
    // asked with TTN_GETDISPINFO; its handler may delete tools or destroy the tool tip.
    std::string TipText(std::size_t index);
    std::string AskForText(std::size_t index);
    static std::string StoredText(const Tool& tool);

    HWND m_hwnd;
    std::vector<Tool> m_tools;
    bool m_active = true;
    int m_maxTipWidth = -1;  // In pixels; -1 leaves tips on one line.
};

}  // namespace winport
