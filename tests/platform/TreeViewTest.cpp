#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ControlTestSupport.h"
#include "platform/automation/Agent.h"
#include "platform/automation/WindowDump.h"
#include "platform/controls/TreeViewApi.h"
#include "platform/message/MessageApi.h"

namespace winport::test {
namespace {

constexpr int kTreeId = 40;
constexpr DWORD kStyle = TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT;
constexpr int kRow = 18;  // The system font's 16 pixels plus 3, rounded down to even.
using Lines = std::vector<std::string>;
using Names = std::map<HTREEITEM, std::string>;

std::string ActionName(UINT action) {
    switch (action) {
        case TVC_UNKNOWN: return "unknown";
        case TVC_BYMOUSE: return "mouse";
        case TVC_BYKEYBOARD: return "keyboard";
        default: return std::to_string(action);
    }
}

// The parent as the tree's owner sees it: each notification as a line naming its items, and an
// answer chosen by the test.
class TreeParent final : public WindowProcedure {
public:
    TreeParent(HWND parent, const Names& names) : m_parent(parent), m_names(names) {
        SetSubclass(parent, this);
    }
    ~TreeParent() override {
        if (GetSubclass(m_parent) == this) SetSubclass(m_parent, nullptr);
    }
    TreeParent(const TreeParent&) = delete;
    TreeParent& operator=(const TreeParent&) = delete;

    LRESULT HandleMessage(const Message& m) override {
        if (m.id == WM_NOTIFY) {
            const auto& header = *reinterpret_cast<const NMHDR*>(m.lParam);
            if (const std::string line = Describe(header); !line.empty()) lines.push_back(line);
            if (onNotify) return onNotify(header);
        }
        return CallClassProcedure(m.hwnd, m.id, m.wParam, m.lParam);
    }

    Lines lines;
    std::function<LRESULT(const NMHDR&)> onNotify;

private:
    std::string Name(HTREEITEM item) const {
        if (!item) return "none";
        const auto found = m_names.find(item);
        return found == m_names.end() ? "?" : found->second;
    }
    // Reads the larger structures only for the codes that carry them.
    std::string Describe(const NMHDR& header) const {
        const auto& tree = reinterpret_cast<const NMTREEVIEWA&>(header);
        const auto change = [&] {
            return " " + ActionName(tree.action) + " " + Name(tree.itemOld.hItem) + "->" +
                   Name(tree.itemNew.hItem);
        };
        const auto expansion = [&] {
            return (tree.action == TVE_EXPAND ? " expand " : " collapse ") +
                   Name(tree.itemNew.hItem);
        };
        switch (header.code) {
            case TVN_SELCHANGINGA: return "TVN_SELCHANGING" + change();
            case TVN_SELCHANGEDA: return "TVN_SELCHANGED" + change();
            case TVN_ITEMEXPANDINGA: return "TVN_ITEMEXPANDING" + expansion();
            case TVN_ITEMEXPANDEDA: return "TVN_ITEMEXPANDED" + expansion();
            case TVN_DELETEITEMA: return "TVN_DELETEITEM " + Name(tree.itemOld.hItem);
            case TVN_KEYDOWN:
                return "TVN_KEYDOWN " +
                       std::to_string(reinterpret_cast<const NMTVKEYDOWN&>(header).wVKey);
            case NM_CLICK: return "NM_CLICK";
            case NM_DBLCLK: return "NM_DBLCLK";
            case NM_SETFOCUS: return "NM_SETFOCUS";
            default: return {};
        }
    }

    HWND m_parent;
    const Names& m_names;
};

// The lambdas of the table-driven cases below reach the fixture's helpers, so they are public.
class TreeViewTest : public ControlParentTest {
public:
    HWND CreateTree(DWORD style = kStyle) {
        tree = CreateControl(WC_TREEVIEW, style, kTreeId, "tree");
        MoveWindow(tree, 0, 0, 200, 180, FALSE);
        return tree;
    }
    HTREEITEM Insert(HTREEITEM parentItem, const char* text, HTREEITEM after = TVI_LAST) {
        TVINSERTSTRUCTA insert;
        insert.hParent = parentItem;
        insert.hInsertAfter = after;
        insert.item.mask = TVIF_TEXT;
        insert.item.pszText = const_cast<char*>(text);
        const auto item = reinterpret_cast<HTREEITEM>(
            SendMessage(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
        if (item) names[item] = text;
        return item;
    }
    // Arts (Music (Jazz, Rock), Film), Sports (Golf), Travel; all closed, nothing selected.
    void Fill() {
        arts = Insert(TVI_ROOT, "Arts");
        music = Insert(arts, "Music");
        jazz = Insert(music, "Jazz");
        rock = Insert(music, "Rock");
        film = Insert(arts, "Film");
        sports = Insert(TVI_ROOT, "Sports");
        golf = Insert(sports, "Golf");
        travel = Insert(TVI_ROOT, "Travel");
    }
    HTREEITEM Next(UINT relation, HTREEITEM item = nullptr) const {
        return reinterpret_cast<HTREEITEM>(
            SendMessage(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
    }
    UINT State(HTREEITEM item) const {
        return static_cast<UINT>(
            SendMessage(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), 0xFFFF));
    }
    LRESULT Expand(HTREEITEM item, UINT action = TVE_EXPAND) {
        return SendMessage(tree, TVM_EXPAND, action, reinterpret_cast<LPARAM>(item));
    }
    LRESULT Select(HTREEITEM item) {
        return SendMessage(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    }
    std::string Text(HTREEITEM item) const {
        char buffer[32] = {};
        TVITEMA fields;
        fields.mask = TVIF_TEXT;
        fields.hItem = item;
        fields.pszText = buffer;
        fields.cchTextMax = sizeof buffer;
        SendMessage(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&fields));
        return buffer;
    }
    RECT ItemRect(HTREEITEM item, BOOL textOnly) const {
        RECT rect;
        std::memcpy(static_cast<void*>(&rect), &item, sizeof item);
        EXPECT_TRUE(SendMessage(tree, TVM_GETITEMRECT, textOnly, reinterpret_cast<LPARAM>(&rect)));
        return rect;
    }
    static LPARAM At(LONG x, LONG y) {
        return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
    }
    void ClickAt(LONG x, LONG y) {
        SendMessage(tree, WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
        if (IsWindow(tree)) SendMessage(tree, WM_LBUTTONUP, 0, At(x, y));
    }
    void ClickLabel(HTREEITEM item) {
        const RECT label = ItemRect(item, TRUE);
        ClickAt(label.left + 2, label.top + 2);
    }
    // Arts open and selected, the tree focused, the log empty.
    void OpenArtsSelected() {
        Fill();
        Expand(arts);
        Select(arts);
        SetFocus(tree);
        notifications.lines.clear();
    }

    Names names;
    TreeParent notifications{parent, names};
    Agent agent;
    HWND tree = nullptr;
    HTREEITEM arts{}, music{}, jazz{}, rock{}, film{}, sports{}, golf{}, travel{};
};

TEST_F(TreeViewTest, InsertLinksItemsWhereAskedAndSendsNothing) {
    CreateTree();
    const HTREEITEM beta = Insert(TVI_ROOT, "Beta");
    const HTREEITEM alpha = Insert(TVI_ROOT, "Alpha", TVI_FIRST);
    const HTREEITEM delta = Insert(nullptr, "Delta");
    const HTREEITEM gamma = Insert(TVI_ROOT, "Gamma", beta);
    const HTREEITEM b1 = Insert(beta, "b1");
    const HTREEITEM b2 = Insert(beta, "b2", alpha);  // Not a child of beta: goes last.
    EXPECT_EQ(Next(TVGN_ROOT), alpha);
    EXPECT_EQ(Next(TVGN_CHILD, TVI_ROOT), alpha);
    EXPECT_EQ(Next(TVGN_NEXT, alpha), beta);
    EXPECT_EQ(Next(TVGN_NEXT, beta), gamma);
    EXPECT_EQ(Next(TVGN_NEXT, gamma), delta);
    EXPECT_EQ(Next(TVGN_NEXT, delta), nullptr);
    EXPECT_EQ(Next(TVGN_PREVIOUS, beta), alpha);
    EXPECT_EQ(Next(TVGN_CHILD, beta), b1);
    EXPECT_EQ(Next(TVGN_NEXT, b1), b2);
    EXPECT_EQ(Next(TVGN_PARENT, b2), beta);
    EXPECT_EQ(Next(TVGN_PARENT, beta), nullptr);
    EXPECT_EQ(SendMessage(tree, TVM_GETCOUNT, 0, 0), 6);
    EXPECT_TRUE(notifications.lines.empty());
}

TEST_F(TreeViewTest, SortedInsertionOrdersByTextLowerCaseFirst) {
    CreateTree();
    const HTREEITEM fruit = Insert(TVI_ROOT, "Fruit");
    for (const char* name : {"pear", "Apple", "Banana", "apple", "Ωμέγα", "άλφα"}) {
        Insert(fruit, name, TVI_SORT);
    }
    std::vector<std::string> order;
    for (HTREEITEM item = Next(TVGN_CHILD, fruit); item; item = Next(TVGN_NEXT, item)) {
        order.push_back(Text(item));
    }
    EXPECT_EQ(order,
              (std::vector<std::string>{"apple", "Apple", "Banana", "pear", "άλφα", "Ωμέγα"}));
}

TEST_F(TreeViewTest, GetItemAnswersTheFieldsAndSetItemChangesThemSilently) {
    CreateTree();
    TVINSERTSTRUCTA insert;
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>("Ελληνικά");
    insert.item.iImage = 3;
    insert.item.iSelectedImage = 4;
    insert.item.lParam = 77;
    const auto item = reinterpret_cast<HTREEITEM>(
        SendMessage(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    char small[6];
    TVITEMA fields;
    fields.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN;
    fields.hItem = item;
    fields.pszText = small;
    fields.cchTextMax = sizeof small;
    ASSERT_TRUE(SendMessage(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&fields)));
    EXPECT_STREQ(small, "Ελ");  // Cut on a character boundary.
    EXPECT_EQ(fields.iImage, 3);
    EXPECT_EQ(fields.iSelectedImage, 4);
    EXPECT_EQ(fields.lParam, 77);  // Filled whatever the mask asks for, as Windows does.
    EXPECT_EQ(fields.cChildren, 0);

    fields.mask = TVIF_STATE | TVIF_TEXT;
    fields.state = TVIS_BOLD | TVIS_CUT;
    fields.stateMask = TVIS_BOLD;
    fields.pszText = const_cast<char*>("Greek");
    EXPECT_TRUE(SendMessage(tree, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&fields)));
    EXPECT_EQ(State(item), TVIS_BOLD);
    EXPECT_EQ(Text(item), "Greek");
    EXPECT_TRUE(notifications.lines.empty());
}

TEST_F(TreeViewTest, ChildCountFollowsTheChildrenUnlessTheProgramSetIt) {
    CreateTree();
    Fill();
    TVITEMA fields;
    fields.mask = TVIF_CHILDREN;
    fields.hItem = sports;
    SendMessage(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&fields));
    EXPECT_EQ(fields.cChildren, 1);
    SendMessage(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(golf));
    SendMessage(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&fields));
    EXPECT_EQ(fields.cChildren, 0);

    fields.hItem = music;
    fields.cChildren = 1;
    SendMessage(tree, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&fields));
    fields.cChildren = 0;
    SendMessage(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(jazz));
    SendMessage(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(rock));
    SendMessage(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&fields));
    EXPECT_EQ(fields.cChildren, 1);
}

struct SelectionCase {
    const char* why;
    std::function<void(TreeViewTest&)> act;
    Lines expected;
};

class TreeViewSelectionTest : public TreeViewTest,
                              public ::testing::WithParamInterface<SelectionCase> {};

TEST_P(TreeViewSelectionTest, NotifiesWithTheCauseAndMovesTheSelectedState) {
    CreateTree();
    OpenArtsSelected();
    GetParam().act(*this);
    EXPECT_EQ(notifications.lines, GetParam().expected);
    EXPECT_EQ(Next(TVGN_CARET), music);
    EXPECT_EQ(State(music) & TVIS_SELECTED, TVIS_SELECTED);
    EXPECT_EQ(State(arts) & TVIS_SELECTED, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TreeViewSelectionTest,
    ::testing::Values(SelectionCase{"program",
                                    [](TreeViewTest& t) { EXPECT_TRUE(t.Select(t.music)); },
                                    {"TVN_SELCHANGING unknown Arts->Music",
                                     "TVN_SELCHANGED unknown Arts->Music"}},
                      SelectionCase{"click",
                                    [](TreeViewTest& t) { t.ClickLabel(t.music); },
                                    {"NM_CLICK", "TVN_SELCHANGING mouse Arts->Music",
                                     "TVN_SELCHANGED mouse Arts->Music"}},
                      SelectionCase{
                          "down arrow",
                          [](TreeViewTest& t) { SendMessage(t.tree, WM_KEYDOWN, VK_DOWN, 0); },
                          {"TVN_KEYDOWN 40", "TVN_SELCHANGING keyboard Arts->Music",
                           "TVN_SELCHANGED keyboard Arts->Music"}}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST_F(TreeViewTest, SelectingTheSelectedItemSendsNothing) {
    CreateTree();
    OpenArtsSelected();
    EXPECT_TRUE(Select(arts));
    ClickLabel(arts);
    EXPECT_EQ(notifications.lines, Lines{"NM_CLICK"});
}

TEST_F(TreeViewTest, ARefusedSelectionChangeLeavesTheSelection) {
    CreateTree();
    OpenArtsSelected();
    notifications.onNotify = [](const NMHDR& header) -> LRESULT {
        return header.code == TVN_SELCHANGINGA ? TRUE : 0;
    };
    EXPECT_FALSE(Select(film));
    ClickLabel(film);
    SendMessage(tree, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(Next(TVGN_CARET), arts);
    EXPECT_EQ(State(arts) & TVIS_SELECTED, TVIS_SELECTED);
    EXPECT_EQ(State(film) & TVIS_SELECTED, 0u);
    EXPECT_EQ(notifications.lines, (Lines{"TVN_SELCHANGING unknown Arts->Film", "NM_CLICK",
                                          "TVN_SELCHANGING mouse Arts->Film", "TVN_KEYDOWN 40",
                                          "TVN_SELCHANGING keyboard Arts->Music"}));
}

TEST_F(TreeViewTest, TheProgramsExpandNotifiesOnlyTheFirstTimeAndItsCollapseNever) {
    CreateTree();
    Fill();
    EXPECT_TRUE(Expand(arts));
    EXPECT_EQ(State(arts), TVIS_EXPANDED | TVIS_EXPANDEDONCE);
    EXPECT_TRUE(Expand(arts, TVE_COLLAPSE));
    EXPECT_FALSE(Expand(arts, TVE_COLLAPSE));  // Already closed.
    EXPECT_TRUE(Expand(arts, TVE_TOGGLE));
    EXPECT_FALSE(Expand(travel));  // No children.
    EXPECT_FALSE(Expand(reinterpret_cast<HTREEITEM>(0x4321)));
    EXPECT_EQ(notifications.lines,
              (Lines{"TVN_ITEMEXPANDING expand Arts", "TVN_ITEMEXPANDED expand Arts"}));
}

TEST_F(TreeViewTest, APersonsExpandAndCollapseNotifyEveryTime) {
    CreateTree();
    OpenArtsSelected();
    ClickAt(5, kRow / 2);  // Arts' button.
    SendMessage(tree, WM_KEYDOWN, VK_RIGHT, 0);
    SendMessage(tree, WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_EQ(State(arts) & TVIS_EXPANDED, 0u);
    EXPECT_EQ(
        notifications.lines,
        (Lines{"NM_CLICK", "TVN_ITEMEXPANDING collapse Arts", "TVN_ITEMEXPANDED collapse Arts",
               "TVN_KEYDOWN 39", "TVN_ITEMEXPANDING expand Arts", "TVN_ITEMEXPANDED expand Arts",
               "TVN_KEYDOWN 37", "TVN_ITEMEXPANDING collapse Arts",
               "TVN_ITEMEXPANDED collapse Arts"}));
}

TEST_F(TreeViewTest, ARefusedExpansionLeavesTheItemAsItWas) {
    CreateTree();
    Fill();
    notifications.onNotify = [](const NMHDR& header) -> LRESULT {
        return header.code == TVN_ITEMEXPANDINGA ? TRUE : 0;
    };
    EXPECT_FALSE(Expand(arts));
    ClickAt(5, kRow / 2);
    SendMessage(tree, WM_LBUTTONDBLCLK, MK_LBUTTON, At(ItemRect(arts, TRUE).left + 2, 2));
    EXPECT_EQ(State(arts) & (TVIS_EXPANDED | TVIS_EXPANDEDONCE), 0u);
    EXPECT_EQ(Next(TVGN_NEXTVISIBLE, arts), sports);
}

TEST_F(TreeViewTest, DoubleClickTogglesUnlessTheParentHandlesIt) {
    CreateTree();
    OpenArtsSelected();
    const LPARAM label = At(ItemRect(sports, TRUE).left + 2, ItemRect(sports, TRUE).top + 2);
    SendMessage(tree, WM_LBUTTONDBLCLK, MK_LBUTTON, label);
    EXPECT_EQ(State(sports) & TVIS_EXPANDED, TVIS_EXPANDED);
    notifications.onNotify = [](const NMHDR& header) -> LRESULT {
        return header.code == NM_DBLCLK ? TRUE : 0;
    };
    SendMessage(tree, WM_LBUTTONDBLCLK, MK_LBUTTON, label);
    EXPECT_EQ(State(sports) & TVIS_EXPANDED, TVIS_EXPANDED);
    EXPECT_EQ(notifications.lines, (Lines{"NM_DBLCLK", "TVN_ITEMEXPANDING expand Sports",
                                          "TVN_ITEMEXPANDED expand Sports", "NM_DBLCLK"}));
}

TEST_F(TreeViewTest, CollapsingMovesAHiddenSelectionUpSilently) {
    CreateTree();
    Fill();
    Select(jazz);  // Opens Arts and Music on the way.
    notifications.lines.clear();
    EXPECT_TRUE(Expand(arts, TVE_COLLAPSE));
    EXPECT_EQ(Next(TVGN_CARET), arts);
    EXPECT_EQ(State(arts) & TVIS_SELECTED, TVIS_SELECTED);
    EXPECT_EQ(State(jazz) & TVIS_SELECTED, 0u);
    EXPECT_TRUE(notifications.lines.empty());
}

TEST_F(TreeViewTest, DeletingAnItemAnnouncesItsChildrenFirstAndHandsOnTheSelection) {
    CreateTree();
    Fill();
    Select(music);
    notifications.lines.clear();
    EXPECT_TRUE(SendMessage(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(music)));
    EXPECT_EQ(notifications.lines,
              (Lines{"TVN_DELETEITEM Jazz", "TVN_DELETEITEM Rock", "TVN_DELETEITEM Music",
                     "TVN_SELCHANGING unknown none->Film", "TVN_SELCHANGED unknown none->Film"}));
    EXPECT_EQ(SendMessage(tree, TVM_GETCOUNT, 0, 0), 5);
    EXPECT_EQ(Next(TVGN_CHILD, arts), film);

    notifications.lines.clear();
    EXPECT_TRUE(SendMessage(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)));
    EXPECT_EQ(notifications.lines,
              (Lines{"TVN_DELETEITEM Film", "TVN_DELETEITEM Arts", "TVN_DELETEITEM Golf",
                     "TVN_DELETEITEM Sports", "TVN_DELETEITEM Travel"}));
    EXPECT_EQ(SendMessage(tree, TVM_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(Next(TVGN_CARET), nullptr);
}

TEST_F(TreeViewTest, InventedAndDeletedItemsAnswerFalseOrNull) {
    CreateTree();
    Fill();
    SendMessage(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(travel));
    notifications.lines.clear();
    for (const HTREEITEM item : {reinterpret_cast<HTREEITEM>(0x4321), travel}) {
        const auto handle = reinterpret_cast<LPARAM>(item);
        TVITEMA fields;
        fields.hItem = item;
        EXPECT_FALSE(SendMessage(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&fields)));
        EXPECT_FALSE(SendMessage(tree, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&fields)));
        EXPECT_FALSE(SendMessage(tree, TVM_DELETEITEM, 0, handle));
        EXPECT_FALSE(SendMessage(tree, TVM_EXPAND, TVE_TOGGLE, handle));
        EXPECT_FALSE(SendMessage(tree, TVM_SELECTITEM, TVGN_CARET, handle));
        EXPECT_FALSE(SendMessage(tree, TVM_SELECTITEM, TVGN_FIRSTVISIBLE, handle));
        EXPECT_FALSE(SendMessage(tree, TVM_ENSUREVISIBLE, 0, handle));
        EXPECT_FALSE(SendMessage(tree, TVM_SORTCHILDREN, 0, handle));
        EXPECT_EQ(SendMessage(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), 0xFF), 0);
        EXPECT_EQ(Next(TVGN_NEXT, item), nullptr);
        EXPECT_EQ(Next(TVGN_CHILD, item), nullptr);
        EXPECT_EQ(Insert(item, "orphan"), nullptr);
        RECT rect;
        std::memcpy(static_cast<void*>(&rect), &item, sizeof item);
        EXPECT_FALSE(SendMessage(tree, TVM_GETITEMRECT, FALSE, reinterpret_cast<LPARAM>(&rect)));
    }
    EXPECT_FALSE(SendMessage(tree, TVM_GETITEMA, 0, 0));
    EXPECT_EQ(SendMessage(tree, TVM_INSERTITEMA, 0, 0), 0);
    EXPECT_EQ(SendMessage(tree, TVM_GETCOUNT, 0, 0), 7);
    EXPECT_TRUE(notifications.lines.empty());
}

struct DestroyCase {
    UINT code;
    std::function<void(TreeViewTest&)> act;
    Lines expected;
};

class TreeViewDestroyTest : public TreeViewTest,
                            public ::testing::WithParamInterface<DestroyCase> {};

TEST_P(TreeViewDestroyTest, ParentDestroyingTheTreeInsideANotificationEndsTheAction) {
    CreateTree();
    OpenArtsSelected();
    const UINT code = GetParam().code;
    notifications.onNotify = [code](const NMHDR& header) -> LRESULT {
        if (header.code == code) DestroyWindow(header.hwndFrom);
        return 0;
    };
    GetParam().act(*this);
    EXPECT_FALSE(IsWindow(tree));
    EXPECT_EQ(notifications.lines, GetParam().expected);
}

// Whatever the tree had not announced when it was destroyed it announces while it goes.
const Lines kRestDeleted = {"TVN_DELETEITEM Jazz",   "TVN_DELETEITEM Rock",  "TVN_DELETEITEM Music",
                            "TVN_DELETEITEM Film",   "TVN_DELETEITEM Arts",  "TVN_DELETEITEM Golf",
                            "TVN_DELETEITEM Sports", "TVN_DELETEITEM Travel"};

Lines Then(Lines first, const Lines& rest) {
    first.insert(first.end(), rest.begin(), rest.end());
    return first;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TreeViewDestroyTest,
    ::testing::Values(
        DestroyCase{
            TVN_SELCHANGEDA, [](TreeViewTest& t) { t.Select(t.film); },
            Then({"TVN_SELCHANGING unknown Arts->Film", "TVN_SELCHANGED unknown Arts->Film"},
                 kRestDeleted)},
        DestroyCase{TVN_SELCHANGEDA, [](TreeViewTest& t) { t.ClickLabel(t.film); },
                    Then({"NM_CLICK", "TVN_SELCHANGING mouse Arts->Film",
                          "TVN_SELCHANGED mouse Arts->Film"},
                         kRestDeleted)},
        DestroyCase{TVN_ITEMEXPANDINGA, [](TreeViewTest& t) { t.ClickAt(5, kRow * 3 + 2); },
                    Then({"NM_CLICK", "TVN_ITEMEXPANDING expand Sports"}, kRestDeleted)},
        DestroyCase{TVN_DELETEITEMA,
                    [](TreeViewTest& t) {
                        SendMessage(t.tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(t.arts));
                    },
                    kRestDeleted}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST_F(TreeViewTest, RowsLieOneUnderAnotherAndHitTestingNamesThePart) {
    CreateTree();
    OpenArtsSelected();
    EXPECT_EQ(SendMessage(tree, TVM_GETITEMHEIGHT, 0, 0), kRow);
    EXPECT_EQ(SendMessage(tree, TVM_GETVISIBLECOUNT, 0, 0), 180 / kRow);
    EXPECT_EQ(ItemRect(film, FALSE), (RECT{0, 2 * kRow, 200, 3 * kRow}));
    // One indent for the root's lines and buttons, one per level; the text 8 pixels a letter.
    EXPECT_EQ(ItemRect(arts, TRUE), (RECT{19, 0, 19 + 32 + 4, kRow}));
    EXPECT_EQ(ItemRect(music, TRUE), (RECT{38, kRow, 38 + 40 + 4, 2 * kRow}));
    RECT hidden;
    std::memcpy(static_cast<void*>(&hidden), &jazz, sizeof jazz);
    EXPECT_FALSE(SendMessage(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&hidden)));

    const struct {
        POINT point;
        UINT flags;
        HTREEITEM item;
    } cases[] = {
        {{25, 5}, TVHT_ONITEMLABEL, arts},         {{5, 5}, TVHT_ONITEMBUTTON, arts},
        {{100, 5}, TVHT_ONITEMRIGHT, arts},        {{25, kRow + 5}, TVHT_ONITEMBUTTON, music},
        {{5, kRow + 5}, TVHT_ONITEMINDENT, music}, {{5, 170}, TVHT_NOWHERE, nullptr},
        {{-1, 5}, TVHT_TOLEFT, nullptr},           {{5, 400}, TVHT_BELOW, nullptr}};
    for (const auto& [point, flags, item] : cases) {
        TVHITTESTINFO hit;
        hit.pt = point;
        EXPECT_EQ(SendMessage(tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)),
                  reinterpret_cast<LRESULT>(item));
        EXPECT_EQ(hit.flags, flags) << point.x << "," << point.y;
    }
}

TEST_F(TreeViewTest, WithoutLinesAtRootTheTopLevelStartsAtTheLeftEdge) {
    CreateTree(TVS_HASBUTTONS);
    Fill();
    EXPECT_EQ(ItemRect(arts, TRUE).left, 0);
    HIMAGELIST images = ImageList_Create(24, 24, ILC_COLOR32, 1, 1);
    EXPECT_EQ(SendMessage(tree, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images)),
              0);
    EXPECT_EQ(SendMessage(tree, TVM_GETIMAGELIST, TVSIL_NORMAL, 0),
              reinterpret_cast<LRESULT>(images));
    EXPECT_EQ(ItemRect(arts, TRUE).left, 24);  // The icon comes before the text.
    EXPECT_EQ(SendMessage(tree, TVM_GETITEMHEIGHT, 0, 0), 24);
    SendMessage(tree, TVM_SETIMAGELIST, TVSIL_NORMAL, 0);
    ImageList_Destroy(images);
}

TEST_F(TreeViewTest, EnsureVisibleOpensTheBranchesAsAPersonAndScrolls) {
    CreateTree();
    Fill();
    MoveWindow(tree, 0, 0, 200, 2 * kRow, FALSE);  // Two rows.
    EXPECT_TRUE(SendMessage(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(jazz)));
    EXPECT_EQ(notifications.lines,
              (Lines{"TVN_ITEMEXPANDING expand Music", "TVN_ITEMEXPANDED expand Music",
                     "TVN_ITEMEXPANDING expand Arts", "TVN_ITEMEXPANDED expand Arts"}));
    EXPECT_EQ(Next(TVGN_FIRSTVISIBLE), music);  // Jazz on the last row.
    EXPECT_EQ(ItemRect(jazz, FALSE).top, kRow);
    EXPECT_FALSE(SendMessage(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(jazz)));
    // Scrolled to the top as far as the items below allow: no empty rows.
    EXPECT_TRUE(
        SendMessage(tree, TVM_SELECTITEM, TVGN_FIRSTVISIBLE, reinterpret_cast<LPARAM>(travel)));
    EXPECT_EQ(Next(TVGN_FIRSTVISIBLE), sports);
}

TEST_F(TreeViewTest, SortChildrenOrdersByTextIgnoringCase) {
    CreateTree();
    const HTREEITEM zeta = Insert(TVI_ROOT, "zeta");
    const HTREEITEM alpha = Insert(TVI_ROOT, "Alpha");
    const HTREEITEM beta = Insert(TVI_ROOT, "beta");
    EXPECT_TRUE(SendMessage(tree, TVM_SORTCHILDREN, 0, reinterpret_cast<LPARAM>(TVI_ROOT)));
    EXPECT_EQ(Next(TVGN_ROOT), alpha);
    EXPECT_EQ(Next(TVGN_NEXT, alpha), beta);
    EXPECT_EQ(Next(TVGN_NEXT, beta), zeta);
    EXPECT_FALSE(SendMessage(tree, TVM_SORTCHILDREN, 0, reinterpret_cast<LPARAM>(zeta)));
    EXPECT_TRUE(notifications.lines.empty());
}

TEST_F(TreeViewTest, TheFocusSelectsTheTopItemOfATreeWithoutSelection) {
    CreateTree();
    Fill();
    SetFocus(tree);
    EXPECT_EQ(Next(TVGN_CARET), arts);
    EXPECT_EQ(notifications.lines, (Lines{"TVN_SELCHANGING unknown none->Arts",
                                          "TVN_SELCHANGED unknown none->Arts", "NM_SETFOCUS"}));
}

TEST_F(TreeViewTest, AgentOpensTheBranchesAndClicksTheItem) {
    CreateTree();
    Fill();
    ASSERT_TRUE(agent.SelectTreeItem(tree, "Arts/Music/Jazz")) << agent.LastError();
    EXPECT_EQ(Next(TVGN_CARET), jazz);
    EXPECT_EQ(notifications.lines,
              (Lines{"NM_CLICK", "TVN_ITEMEXPANDING expand Arts", "TVN_ITEMEXPANDED expand Arts",
                     "TVN_SELCHANGING unknown none->Arts", "TVN_SELCHANGED unknown none->Arts",
                     "NM_SETFOCUS", "NM_CLICK", "TVN_ITEMEXPANDING expand Music",
                     "TVN_ITEMEXPANDED expand Music", "NM_CLICK",
                     "TVN_SELCHANGING mouse Arts->Jazz", "TVN_SELCHANGED mouse Arts->Jazz"}));
    EXPECT_FALSE(agent.SelectTreeItem(tree, "Arts/Nothing"));
    EXPECT_EQ(agent.LastError(), "no tree item \"Arts/Nothing\"");
    notifications.onNotify = [](const NMHDR& header) -> LRESULT {
        return header.code == TVN_ITEMEXPANDINGA ? TRUE : 0;
    };
    EXPECT_FALSE(agent.SelectTreeItem(tree, "Sports/Golf"));
    EXPECT_EQ(agent.LastError(), "tree item \"Sports\" does not open");
}

TEST_F(TreeViewTest, DumpShowsTheRowsAPersonSees) {
    CreateTree();
    Fill();
    Expand(arts);
    Select(film);
    TVITEMA fields;
    fields.mask = TVIF_STATE;
    fields.hItem = sports;
    fields.state = fields.stateMask = TVIS_BOLD;
    SendMessage(tree, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&fields));
    const std::string dump = DumpWindowTree(parent);
    EXPECT_NE(dump.find("SysTreeView32 40 \"\" [-\"Arts\", >+\"Music\", >\"Film\" selected, "
                        "+\"Sports\" bold, \"Travel\"]"),
              std::string::npos)
        << dump;
}

}  // namespace
}  // namespace winport::test
