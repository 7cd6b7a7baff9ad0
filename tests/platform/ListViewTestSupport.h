// List view tests: a parent that records what the list tells it as readable lines
// ("ITEMCHANGING 1 -->SF", "DELETEITEM 2 data=7", "DRAWITEM 0 S data=1 0,0,160,17"), answers chosen
// notifications and can destroy the list inside one; and a fixture that makes lists and fills them.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "ControlTestSupport.h"
#include "platform/controls/ListViewApi.h"
#include "platform/message/MessageApi.h"

namespace winport::test {

inline std::string StateLetters(UINT state) {
    std::string letters;
    if (state & LVIS_SELECTED) letters += 'S';
    if (state & LVIS_FOCUSED) letters += 'F';
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
        std::string line = draw.CtlType == ODT_LISTVIEW ? "DRAWITEM " : "DRAWITEM(bad type) ";
        std::string state;
        if (draw.itemState & ODS_SELECTED) state += 'S';
        if (draw.itemState & ODS_FOCUS) state += 'F';
        const RECT& r = draw.rcItem;
        return line + std::to_string(draw.itemID) + " " + (state.empty() ? "-" : state) +
               " data=" + std::to_string(draw.itemData) + " " + std::to_string(r.left) + "," +
               std::to_string(r.top) + "," + std::to_string(r.right) + "," +
               std::to_string(r.bottom);
    }
    const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
    // Only the codes that carry an NMLISTVIEW (or NMITEMACTIVATE) read past the header.
    const auto row = [lParam] {
        return std::to_string(reinterpret_cast<const NMLISTVIEW*>(lParam)->iItem);
    };
    const auto data = [lParam] {
        const LPARAM value = reinterpret_cast<const NMLISTVIEW*>(lParam)->lParam;
        return value ? " data=" + std::to_string(value) : std::string();
    };
    switch (header.code) {
        case LVN_ITEMCHANGING:
        case LVN_ITEMCHANGED: {
            const auto& info = *reinterpret_cast<const NMLISTVIEW*>(lParam);
            std::string line = header.code == LVN_ITEMCHANGING ? "ITEMCHANGING " : "ITEMCHANGED ";
            line += row();
            if (info.uChanged & LVIF_STATE) {
                line += " " + StateLetters(info.uOldState) + "->" + StateLetters(info.uNewState);
            }
            if (info.uChanged & LVIF_TEXT) line += " text";
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

// Subclasses the parent while it lives: records, answers and destroys as told.
class ListViewParent final : public WindowProcedure {
public:
    explicit ListViewParent(HWND parent) : m_parent(parent) { SetSubclass(parent, this); }
    ~ListViewParent() override {
        if (GetSubclass(m_parent) == this) SetSubclass(m_parent, nullptr);
    }
    ListViewParent(const ListViewParent&) = delete;
    ListViewParent& operator=(const ListViewParent&) = delete;

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
        const LRESULT result = CallClassProcedure(m.hwnd, m.id, m.wParam, m.lParam);
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
    HWND m_parent;
    std::map<UINT, LRESULT> m_answers;
    std::map<DWORD, LRESULT> m_drawAnswers;
    UINT m_measuredHeight = 0;
    UINT m_destroyOn = 0;
    std::vector<std::string> m_lines;
};

inline ::testing::AssertionResult LinesAre(const std::vector<std::string>& actual,
                                           const std::vector<std::string>& expected) {
    if (actual == expected) return ::testing::AssertionSuccess();
    auto failure = ::testing::AssertionFailure() << "sequences differ\n";
    for (size_t i = 0; i < std::max(actual.size(), expected.size()); ++i) {
        const std::string want = i < expected.size() ? expected[i] : "(nothing)";
        const std::string got = i < actual.size() ? actual[i] : "(nothing)";
        failure << (want == got ? "   " : "!! ") << "expected: " << want << "\n   actual:   " << got
                << "\n";
    }
    return failure;
}

class ListViewTest : public ControlParentTest {
protected:
    static constexpr int kListId = 40;

    // A visible report list of |width| x |height| in the parent, its parent's log cleared.
    HWND CreateList(DWORD style = LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, int width = 200,
                    int height = 120) {
        const HWND list =
            CreateWindowEx(0, WC_LISTVIEW, "", WS_CHILD | WS_VISIBLE | style, 0, 0, width, height,
                           parent, reinterpret_cast<HMENU>(kListId), nullptr, nullptr);
        EXPECT_NE(list, nullptr) << GetLastErrorText();
        log.Clear();
        return list;
    }
    static void AddColumn(HWND list, const char* title, int width) {
        LVCOLUMNA column;
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = const_cast<char*>(title);
        column.cx = width;
        SendMessage(list, LVM_INSERTCOLUMN, 99, reinterpret_cast<LPARAM>(&column));
    }
    // Appends a row with item data |data| and the texts of its cells; answers its index.
    static int AddRow(HWND list, std::vector<std::string> cells, LPARAM data = 0) {
        LVITEMA item;
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = 1 << 20;
        item.pszText = cells[0].data();
        item.lParam = data;
        const auto row =
            static_cast<int>(SendMessage(list, LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&item)));
        for (size_t column = 1; column < cells.size(); ++column) {
            item.iSubItem = static_cast<int>(column);
            item.pszText = cells[column].data();
            SendMessage(list, LVM_SETITEMTEXT, static_cast<WPARAM>(row),
                        reinterpret_cast<LPARAM>(&item));
        }
        return row;
    }
    // A list with columns "Name" (60) and "Mail" (100) and rows "a".."c" with data 1..3.
    HWND FilledList(DWORD style = LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS) {
        const HWND list = CreateList(style);
        AddColumn(list, "Name", 60);
        AddColumn(list, "Mail", 100);
        for (int row = 0; row < 3; ++row) {
            AddRow(list, {std::string(1, static_cast<char>('a' + row)), "x@y"}, row + 1);
        }
        log.Clear();
        return list;
    }
    static LRESULT SetState(HWND list, int row, UINT state, UINT mask) {
        LVITEMA item;
        item.state = state;
        item.stateMask = mask;
        return SendMessage(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                           reinterpret_cast<LPARAM>(&item));
    }
    static UINT State(HWND list, int row) {
        return static_cast<UINT>(SendMessage(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row),
                                             LVIS_SELECTED | LVIS_FOCUSED));
    }
    static std::string Text(HWND list, int row, int column = 0) {
        char buffer[64] = {};
        LVITEMA item;
        item.iSubItem = column;
        item.pszText = buffer;
        item.cchTextMax = sizeof buffer;
        SendMessage(list, LVM_GETITEMTEXT, static_cast<WPARAM>(row),
                    reinterpret_cast<LPARAM>(&item));
        return buffer;
    }
    static int Count(HWND list) {
        return static_cast<int>(SendMessage(list, LVM_GETITEMCOUNT, 0, 0));
    }
    ::testing::AssertionResult LogIs(const std::vector<std::string>& expected) const {
        return LinesAre(log.Lines(), expected);
    }

    ListViewParent log{parent};
};

}  // namespace winport::test
