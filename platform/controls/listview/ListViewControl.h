// The "SysListView32" system class in report view: columns, rows of cells, selection and focus,
// with the notifications Windows sends for programmatic changes and a person's mouse and keys.
// Rows have a fixed height under an optional header; painting is headless and goes through the
// owner-draw (WM_DRAWITEM) and custom-draw (NM_CUSTOMDRAW) hooks. Every other view lays its
// rows out as the report view does.
#pragma once

#include <string>
#include <vector>

#include "platform/controls/ListViewApi.h"
#include "platform/controls/listview/ListViewGeometry.h"
#include "platform/controls/listview/ListViewItems.h"
#include "platform/gdi/ImageList.h"
#include "platform/window/StateDescription.h"
#include "platform/window/WindowProcedure.h"

namespace winport {

class ListViewControl final : public WindowProcedure, public DescribesState {
public:
    explicit ListViewControl(HWND hwnd) : m_hwnd(hwnd) {}
    ListViewControl(const ListViewControl&) = delete;
    ListViewControl& operator=(const ListViewControl&) = delete;

    LRESULT HandleMessage(const Message& m) override;
    std::vector<std::string> DescribeState(HWND hwnd) const override;

private:
    // What LVM_SETITEM and LVM_INSERTITEM ask of a row, with the text already copied.
    struct ItemChange {
        UINT mask = 0;
        std::string text;
        int image = 0;
        LPARAM param = 0;
        UINT state = 0;
        UINT stateMask = 0;
        int indent = 0;
    };
    enum class Kind { Existing, Insertion };

    // ListViewControl.cpp: creation, destruction, columns, looks and where rows lie.
    LRESULT OnCreate();
    LRESULT OnDestroy();
    LRESULT OnNcDestroy(const Message& m);
    LRESULT OnInsertColumn(int column, const LVCOLUMNA* info);
    LRESULT OnSetColumn(int column, const LVCOLUMNA* info);
    LRESULT OnGetColumn(int column, LVCOLUMNA* info) const;
    LRESULT OnDeleteColumn(int column);
    LRESULT OnGetColumnWidth(int column) const;
    LRESULT OnSetColumnWidth(int column, int width);
    LRESULT OnSetExtendedStyle(DWORD mask, DWORD style);
    LRESULT OnSetImageList(int kind, HIMAGELIST list);
    LRESULT OnGetImageList(int kind) const;
    LRESULT OnSetFont(const Message& m);
    int AutoWidth(int column, bool withTitle) const;
    LRESULT OnHitTest(LVHITTESTINFO* info) const;
    LRESULT OnGetItemRect(int row, RECT* rect) const;
    LRESULT OnEnsureVisible(int row, bool partialOk);

    // ListViewItemMessages.cpp: the item messages.
    LRESULT OnInsertItem(const LVITEMA* item);
    LRESULT OnSetItem(const LVITEMA* item);
    LRESULT OnGetItem(LVITEMA* item) const;
    LRESULT OnSetItemText(int row, const LVITEMA* item);
    LRESULT OnGetItemText(int row, LVITEMA* item) const;
    LRESULT OnSetItemState(int row, const LVITEMA* item);
    LRESULT OnDeleteItem(int row);
    LRESULT OnGetNextItem(int start, UINT flags) const;
    LRESULT OnFindItem(int start, const LVFINDINFOA* find) const;
    LRESULT OnSortItems(LPARAM sortParam, PFNLVCOMPARE compare);
    LRESULT OnSetSelectionMark(int row);
    int SortedPosition(const std::string& text) const;
    // Sets ERROR_INVALID_PARAMETER with |text|; answers what the message answers for bad input.
    static LRESULT Refuse(LRESULT answer, const std::string& text);

    // ListViewState.cpp: the one path that changes a row and tells the parent.
    bool ApplyChange(int row, const ItemChange& change, Kind kind);
    bool SetState(int row, UINT state, UINT mask);
    bool SetStateOfAll(UINT state, UINT mask);
    void DeselectAllExcept(int keep);
    void SelectOnly(int row);
    void MoveFocusTo(int row);
    bool DeleteAllItems();
    UINT StateOf(int row) const;
    bool SingleSelection() const;

    // ListViewNotify.cpp: what the control sends its parent.
    LRESULT NotifyListView(UINT code, NMLISTVIEW& info);
    bool NotifyCode(UINT code);
    bool NotifyDelete(int row);
    LRESULT NotifyClick(UINT code, POINT point);
    bool NotifyActivate(int row, int column, POINT point);

    // ListViewInput.cpp: a person's mouse, keys and focus.
    LRESULT OnLeftButtonDown(WPARAM keys, POINT point);
    LRESULT OnLeftButtonUp(POINT point);
    LRESULT OnLeftDoubleClick(POINT point);
    LRESULT OnRightButtonDown(WPARAM keys, POINT point);
    LRESULT OnRightDoubleClick(POINT point);
    LRESULT OnKeyDown(UINT key);
    LRESULT OnSetFocus();
    LRESULT OnKillFocus();
    void SelectWithKeys(int row, bool space);
    void TakeFocus();
    void TakeQueuedRelease();

    // ListViewPaint.cpp: headless painting through the parent's hooks.
    LRESULT OnPaint(HDC dc);
    LRESULT OnRedrawItems(int first, int last);
    void PaintRows(HDC dc, int first, int last);
    bool PaintOwnerDrawnRow(HDC dc, int row, LRESULT mode);
    bool PaintReportRow(HDC dc, int row, LRESULT mode);
    LRESULT NotifyCustomDraw(NMLVCUSTOMDRAW& draw, DWORD stage);
    void MeasureRows();

    HWND m_hwnd;
    ListViewItems m_items;
    ListViewLooks m_looks;
    ListViewGeometry m_geometry{m_hwnd, m_items, m_looks};
    int m_focusedRow = -1;
    int m_selectionMark = -1;
    int m_leftDownRow = -1;  // The selected row a left press landed on; its release selects it.
    bool m_leftDown = false;
    bool m_hasFocus = false;
    COLORREF m_backColor = 0;
    COLORREF m_textColor = CLR_DEFAULT;
    COLORREF m_textBackColor = CLR_DEFAULT;
};

}  // namespace winport
