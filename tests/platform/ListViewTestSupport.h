// List view tests: a parent that records what the list tells it as readable lines
// ("ITEMCHANGING 1 -->SF", "DELETEITEM 2 data=7", "DRAWITEM 0 S data=1 0,0,160,17"), answers chosen
// notifications and can destroy the list inside one; and a fixture that makes lists and fills them.
#pragma once

#include <cstdio>
#include <map>

#include "ControlTestSupport.h"
#include "platform/controls/ListViewApi.h"

namespace winport::test {

// "S" and "F" for the selected and focused bits |selected| and |focused| of |state|.
inline std::string StateLetters(UINT state, UINT selected = LVIS_SELECTED,
                                UINT focused = LVIS_FOCUSED) {
    std::string letters;
    if (state & selected) letters += 'S';
    if (state & focused) letters += 'F';
    return letters.empty() ? "-" : letters;
}

inline std::string CustomDrawStage(DWORD stage) {
    std::string name = (stage & CDDS_SUBITEM) ? "SUBITEM " : "";
    switch (stage & ~CDDS_SUBITEM) {
        case CDDS_PREPAINT: return name + "PREPAINT";
        case CDDS_POSTPAINT: return name + "POSTPAINT";
        case CDDS_ITEMPREPAINT: return name + "ITEMPREPAINT";
        case CDDS_ITEMPOSTPAINT: return name + "ITEMPOSTPAINT";
        default: return name + std::to_string(stage);
    }
}

// One line for a notification or owner-draw message from a list view.
inline std::string DescribeListViewMessage(UINT msg, LPARAM lParam) {
    if (msg == WM_MEASUREITEM) return "MEASUREITEM";
    if (msg == WM_CONTEXTMENU) return "CONTEXTMENU";
    if (msg == WM_DRAWITEM) {
        const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        const RECT& r = draw.rcItem;
        return (draw.CtlType == ODT_LISTVIEW ? "DRAWITEM " : "DRAWITEM(bad type) ") +
               std::to_string(draw.itemID) + " " +
               StateLetters(draw.itemState, ODS_SELECTED, ODS_FOCUS) +
               " data=" + std::to_string(draw.itemData) + " " + std::to_string(r.left) + "," +
               std::to_string(r.top) + "," + std::to_string(r.right) + "," +
               std::to_string(r.bottom);
    }
    const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
    // Only the codes that carry an NMLISTVIEW (or NMITEMACTIVATE) read past the header.
    const auto info = [lParam] { return *reinterpret_cast<const NMLISTVIEW*>(lParam); };
    const auto row = [&info] { return std::to_string(info().iItem); };
    const auto data = [&info] {
        return info().lParam ? " data=" + std::to_string(info().lParam) : std::string();
    };
    switch (header.code) {
        case LVN_ITEMCHANGING:
        case LVN_ITEMCHANGED: {
            const NMLISTVIEW change = info();
            std::string line = header.code == LVN_ITEMCHANGING ? "ITEMCHANGING " : "ITEMCHANGED ";
            line += row();
            if (change.uChanged & LVIF_STATE) {
                line +=
                    " " + StateLetters(change.uOldState) + "->" + StateLetters(change.uNewState);
            }
            if (change.uChanged & LVIF_TEXT) line += " text";
            return line;
        }
        case LVN_INSERTITEM: return "INSERTITEM " + row() + data();
        case LVN_DELETEITEM: return "DELETEITEM " + row() + data();
        case LVN_DELETEALLITEMS: return "DELETEALLITEMS " + row();
        case LVN_ITEMACTIVATE: return "ITEMACTIVATE " + row();
        case LVN_KEYDOWN: {
            char key[16];
            std::snprintf(key, sizeof key, "0x%X",
                          reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey);
            return std::string("KEYDOWN ") + key;
        }
        case NM_CLICK: return "CLICK " + row();
        case NM_DBLCLK: return "DBLCLK " + row();
        case NM_RCLICK: return "RCLICK " + row();
        case NM_RETURN: return "RETURN";
        case NM_SETFOCUS: return "SETFOCUS";
        case NM_KILLFOCUS: return "KILLFOCUS";
        case NM_RELEASEDCAPTURE: return "RELEASEDCAPTURE";
        case NM_CUSTOMDRAW: {
            const auto& draw = reinterpret_cast<const NMLVCUSTOMDRAW&>(header);
            std::string line = "CUSTOMDRAW " + CustomDrawStage(draw.nmcd.dwDrawStage);
            if (draw.nmcd.dwDrawStage & CDDS_ITEM)
                line += " " + std::to_string(draw.nmcd.dwItemSpec);
            if (draw.nmcd.dwDrawStage & CDDS_SUBITEM) line += ":" + std::to_string(draw.iSubItem);
            return line;
        }
        default: return "NOTIFY " + std::to_string(static_cast<int>(header.code));
    }
}

// Records, answers and destroys as told.
class ListViewParent final : public ScopedSubclass {
public:
    using ScopedSubclass::ScopedSubclass;

    // Answers every notification with |code| with |answer| (a veto, a custom-draw request).
    void Answer(UINT code, LRESULT answer) { m_answers[code] = answer; }
    // Answers NM_CUSTOMDRAW at |drawStage| with |answer|.
    void AnswerDraw(DWORD drawStage, LRESULT answer) { m_drawAnswers[drawStage] = answer; }
    void AnswerMeasure(UINT height) { m_measuredHeight = height; }
    // Destroys the list inside the first notification with |code|, after recording it.
    void DestroyOn(UINT code) { m_destroyOn = code; }
    const std::vector<std::string>& Lines() const { return m_lines; }
    void Clear() { m_lines.clear(); }

    LRESULT HandleMessage(const Message& m) override {
        const LRESULT result = CallClass(m);
        if (m.id == WM_MEASUREITEM) {
            if (m_measuredHeight) {
                reinterpret_cast<MEASUREITEMSTRUCT*>(m.lParam)->itemHeight = m_measuredHeight;
            }
        } else if (m.id != WM_NOTIFY && m.id != WM_DRAWITEM && m.id != WM_CONTEXTMENU) {
            return result;
        }
        m_lines.push_back(DescribeListViewMessage(m.id, m.lParam));
        if (m.id != WM_NOTIFY) return result;
        const auto& header = *reinterpret_cast<const NMHDR*>(m.lParam);
        if (header.code == m_destroyOn) {
            m_destroyOn = 0;
            DestroyWindow(header.hwndFrom);
        }
        if (header.code == NM_CUSTOMDRAW) {
            const DWORD stage = reinterpret_cast<const NMCUSTOMDRAW&>(header).dwDrawStage;
            const auto found = m_drawAnswers.find(stage);
            return found == m_drawAnswers.end() ? CDRF_DODEFAULT : found->second;
        }
        const auto found = m_answers.find(header.code);
        return found == m_answers.end() ? result : found->second;
    }

private:
    std::map<UINT, LRESULT> m_answers;
    std::map<DWORD, LRESULT> m_drawAnswers;
    UINT m_measuredHeight = 0;
    UINT m_destroyOn = 0;
    std::vector<std::string> m_lines;
};

class ListViewTest : public ControlParentTest {
protected:
    static constexpr int kListId = 40;
    static constexpr UINT kSelectedFocused = LVIS_SELECTED | LVIS_FOCUSED;
    static constexpr DWORD kSingle = LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS;

    // A visible report list of |width| x |height| in the parent, its parent's log cleared.
    HWND CreateList(DWORD style = kSingle, int width = 200, int height = 120) {
        const HWND list = CreateControl(WC_LISTVIEW, style, kListId, "list", "", width, height);
        log.Clear();
        return list;
    }
    static void AddColumn(HWND list, const char* title, int width) {
        LVCOLUMNA column{
            .mask = LVCF_TEXT | LVCF_WIDTH, .cx = width, .pszText = const_cast<char*>(title)};
        SendMessage(list, LVM_INSERTCOLUMN, 99, Ptr(&column));
    }
    // Appends a row with item data |data| and the texts of its cells; answers its index.
    static int AddRow(HWND list, std::vector<std::string> cells, LPARAM data = 0) {
        LVITEMA item{.mask = LVIF_TEXT | LVIF_PARAM,
                     .iItem = 1 << 20,
                     .pszText = cells[0].data(),
                     .lParam = data};
        const auto row = static_cast<int>(SendMessage(list, LVM_INSERTITEM, 0, Ptr(&item)));
        for (size_t column = 1; column < cells.size(); ++column) {
            item.iSubItem = static_cast<int>(column);
            item.pszText = cells[column].data();
            SendMessage(list, LVM_SETITEMTEXT, static_cast<WPARAM>(row), Ptr(&item));
        }
        return row;
    }
    // A list with columns "Name" (60) and "Mail" (100) and rows "a".."c" with data 1..3.
    HWND FilledList(DWORD style = kSingle) {
        const HWND list = CreateList(style);
        AddColumn(list, "Name", 60);
        AddColumn(list, "Mail", 100);
        for (int row = 0; row < 3; ++row) {
            AddRow(list, {std::string(1, static_cast<char>('a' + row)), "x@y"}, row + 1);
        }
        log.Clear();
        return list;
    }
    static LRESULT SetState(HWND list, int row, UINT state, UINT mask = kSelectedFocused) {
        LVITEMA item{.state = state, .stateMask = mask};
        return SendMessage(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), Ptr(&item));
    }
    static UINT State(HWND list, int row) {
        return static_cast<UINT>(
            SendMessage(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), kSelectedFocused));
    }
    static std::string Text(HWND list, int row, int column = 0) {
        char buffer[64] = {};
        LVITEMA item{.iSubItem = column, .pszText = buffer, .cchTextMax = sizeof buffer};
        SendMessage(list, LVM_GETITEMTEXT, static_cast<WPARAM>(row), Ptr(&item));
        return buffer;
    }
    // The texts of |column|, top to bottom.
    static Lines Texts(HWND list, int column = 0) {
        Lines texts;
        for (int row = 0; row < Count(list); ++row) texts.push_back(Text(list, row, column));
        return texts;
    }
    static int Count(HWND list) {
        return static_cast<int>(SendMessage(list, LVM_GETITEMCOUNT, 0, 0));
    }
    static LRESULT Selected(HWND list) { return SendMessage(list, LVM_GETSELECTEDCOUNT, 0, 0); }
    ::testing::AssertionResult LogIs(const Lines& expected) const {
        return LinesAre(log.Lines(), expected);
    }

    ListViewParent log{parent};
    const HWND list = FilledList();  // Tests that want another list make their own.
};

}  // namespace winport::test
