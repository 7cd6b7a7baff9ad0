#include <cstring>
#include <tuple>

#include "ControlTestSupport.h"
#include "platform/controls/TreeViewApi.h"

namespace winport::test {
namespace {

constexpr int kTreeId = 40;
constexpr DWORD kStyle = TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT;
constexpr int kRow = 18;  // The system font's 16 pixels plus 3, rounded down to even.
using Names = std::map<HTREEITEM, std::string>;

// Each notification the tree's owner receives as a line naming its items.
std::string Describe(const Message& m, const Names& names) {
    if (m.id != WM_NOTIFY) return {};
    const auto name = [&names](HTREEITEM item) -> std::string {
        const auto found = names.find(item);
        return !item ? "none" : found == names.end() ? "?" : found->second;
    };
    // Reads the larger structures only for the codes that carry them.
    const auto& header = *reinterpret_cast<const NMHDR*>(m.lParam);
    const auto& tree = reinterpret_cast<const NMTREEVIEWA&>(header);
    const auto change = [&] {
        static const char* const kCauses[] = {"unknown", "mouse", "keyboard"};
        return std::string(" ") + (tree.action < 3 ? kCauses[tree.action] : "?") + " " +
               name(tree.itemOld.hItem) + "->" + name(tree.itemNew.hItem);
    };
    const auto expansion = [&] {
        return (tree.action == TVE_EXPAND ? " expand " : " collapse ") + name(tree.itemNew.hItem);
    };
    switch (header.code) {
        case TVN_SELCHANGINGA: return "TVN_SELCHANGING" + change();
        case TVN_SELCHANGEDA: return "TVN_SELCHANGED" + change();
        case TVN_ITEMEXPANDINGA: return "TVN_ITEMEXPANDING" + expansion();
        case TVN_ITEMEXPANDEDA: return "TVN_ITEMEXPANDED" + expansion();
        case TVN_DELETEITEMA: return "TVN_DELETEITEM " + name(tree.itemOld.hItem);
        case TVN_KEYDOWN:
            return "TVN_KEYDOWN " +
                   std::to_string(reinterpret_cast<const NMTVKEYDOWN&>(header).wVKey);
        case NM_CLICK: return "NM_CLICK";
        case NM_DBLCLK: return "NM_DBLCLK";
        case NM_SETFOCUS: return "NM_SETFOCUS";
        default: return {};
    }
}

// Each test starts with an empty tree of kStyle.
class TreeViewTest : public ControlParentTest {
protected:
    void SetUp() override { CreateTree(); }
    HWND CreateTree(DWORD style = kStyle) {
        tree = CreateControl(WC_TREEVIEW, style, kTreeId, "tree", "", 200, 180);
        return tree;
    }
    HTREEITEM Insert(HTREEITEM parentItem, const char* text, HTREEITEM after = TVI_LAST) {
        const TVINSERTSTRUCTA insert{
            parentItem, after, {.mask = TVIF_TEXT, .pszText = const_cast<char*>(text)}};
        const auto item =
            reinterpret_cast<HTREEITEM>(SendMessage(tree, TVM_INSERTITEMA, 0, Ptr(&insert)));
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
        return reinterpret_cast<HTREEITEM>(SendMessage(tree, TVM_GETNEXTITEM, relation, Ptr(item)));
    }
    UINT State(HTREEITEM item) const {
        return static_cast<UINT>(
            SendMessage(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), 0xFFFF));
    }
    LRESULT Expand(HTREEITEM item, UINT action = TVE_EXPAND) {
        return SendMessage(tree, TVM_EXPAND, action, Ptr(item));
    }
    LRESULT Select(HTREEITEM item) {
        return SendMessage(tree, TVM_SELECTITEM, TVGN_CARET, Ptr(item));
    }
    LRESULT Delete(HTREEITEM item) { return SendMessage(tree, TVM_DELETEITEM, 0, Ptr(item)); }
    LRESULT GetItem(TVITEMA& fields) const {
        return SendMessage(tree, TVM_GETITEMA, 0, Ptr(&fields));
    }
    LRESULT SetItem(const TVITEMA& fields) {
        return SendMessage(tree, TVM_SETITEMA, 0, Ptr(&fields));
    }
    LRESULT Count() const { return SendMessage(tree, TVM_GETCOUNT, 0, 0); }
    std::string Text(HTREEITEM item) const {
        char buffer[32] = {};
        TVITEMA fields{
            .mask = TVIF_TEXT, .hItem = item, .pszText = buffer, .cchTextMax = sizeof buffer};
        GetItem(fields);
        return buffer;
    }
    // The texts of |parentItem|'s children, in order.
    Lines Children(HTREEITEM parentItem) const {
        Lines texts;
        for (HTREEITEM item = Next(TVGN_CHILD, parentItem); item; item = Next(TVGN_NEXT, item)) {
            texts.push_back(Text(item));
        }
        return texts;
    }
    // TVM_GETITEMRECT, which takes the item's handle in the rectangle; nullopt when refused.
    std::optional<RECT> ItemRect(HTREEITEM item, BOOL textOnly) const {
        RECT rect;
        std::memcpy(static_cast<void*>(&rect), &item, sizeof item);
        if (!SendMessage(tree, TVM_GETITEMRECT, textOnly, Ptr(&rect))) return std::nullopt;
        return rect;
    }
    LPARAM OnLabel(HTREEITEM item) const {
        const RECT label = ItemRect(item, TRUE).value_or(RECT{});
        return At(label.left + 2, label.top + 2);
    }
    void ClickLabel(HTREEITEM item) { ClickAt(tree, OnLabel(item)); }
    void DoubleClickLabel(HTREEITEM item) {
        SendMessage(tree, WM_LBUTTONDBLCLK, MK_LBUTTON, OnLabel(item));
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
    ParentRecorder notifications{parent, [this](const Message& m) { return Describe(m, names); }};
    Agent agent;
    HWND tree = nullptr;
    HTREEITEM arts{}, music{}, jazz{}, rock{}, film{}, sports{}, golf{}, travel{};
};

TEST_F(TreeViewTest, InsertLinksItemsWhereAskedAndSortsIgnoringCaseSilently) {
    const HTREEITEM beta = Insert(TVI_ROOT, "Beta");
    const HTREEITEM alpha = Insert(TVI_ROOT, "Alpha", TVI_FIRST);
    const HTREEITEM delta = Insert(nullptr, "Delta");
    const HTREEITEM gamma = Insert(TVI_ROOT, "Gamma", beta);
    const HTREEITEM b1 = Insert(beta, "b1");
    const HTREEITEM b2 = Insert(beta, "b2", alpha);  // Not a child of beta: goes last.
    const std::tuple<UINT, HTREEITEM, HTREEITEM> links[] = {
        {TVGN_ROOT, nullptr, alpha},  {TVGN_CHILD, TVI_ROOT, alpha}, {TVGN_NEXT, alpha, beta},
        {TVGN_NEXT, beta, gamma},     {TVGN_NEXT, gamma, delta},     {TVGN_NEXT, delta, nullptr},
        {TVGN_PREVIOUS, beta, alpha}, {TVGN_CHILD, beta, b1},        {TVGN_NEXT, b1, b2},
        {TVGN_PARENT, b2, beta},      {TVGN_PARENT, beta, nullptr}};
    for (const auto& [relation, from, expected] : links) {
        EXPECT_EQ(Next(relation, from), expected) << relation << " from " << Text(from);
    }
    EXPECT_EQ(Count(), 6);
    EXPECT_TRUE(notifications.lines.empty());

    // Sorting orders by text ignoring case; sorted insertion puts lower case first.
    CreateTree();
    const HTREEITEM fruit = Insert(TVI_ROOT, "Fruit");
    for (const char* name : {"pear", "Apple", "Banana", "apple", "Ωμέγα", "άλφα"}) {
        Insert(fruit, name, TVI_SORT);
    }
    EXPECT_EQ(Children(fruit), (Lines{"apple", "Apple", "Banana", "pear", "άλφα", "Ωμέγα"}));
    for (const char* name : {"zeta", "Alpha"}) Insert(TVI_ROOT, name);
    const HTREEITEM lower = Insert(TVI_ROOT, "beta");
    EXPECT_TRUE(SendMessage(tree, TVM_SORTCHILDREN, 0, Ptr(TVI_ROOT)));
    EXPECT_EQ(Children(TVI_ROOT), (Lines{"Alpha", "beta", "Fruit", "zeta"}));
    EXPECT_FALSE(SendMessage(tree, TVM_SORTCHILDREN, 0, Ptr(lower)));
    EXPECT_TRUE(notifications.lines.empty());
}

TEST_F(TreeViewTest, GetItemAnswersTheFieldsAndSetItemChangesThemSilentlyAndCountsChildren) {
    const TVINSERTSTRUCTA insert{TVI_ROOT,
                                 TVI_LAST,
                                 {.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM,
                                  .pszText = const_cast<char*>("Ελληνικά"),
                                  .iImage = 3,
                                  .iSelectedImage = 4,
                                  .lParam = 77}};
    const auto item =
        reinterpret_cast<HTREEITEM>(SendMessage(tree, TVM_INSERTITEMA, 0, Ptr(&insert)));
    char small[6];
    TVITEMA fields{.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN,
                   .hItem = item,
                   .pszText = small,
                   .cchTextMax = sizeof small};
    ASSERT_TRUE(GetItem(fields));
    EXPECT_STREQ(small, "Ελ");  // Cut on a character boundary.
    // lParam is filled whatever the mask asks for, as Windows does.
    EXPECT_EQ(std::tie(fields.iImage, fields.iSelectedImage, fields.lParam, fields.cChildren),
              std::make_tuple(3, 4, 77, 0));

    fields.mask = TVIF_STATE | TVIF_TEXT;
    fields.state = TVIS_BOLD | TVIS_CUT;
    fields.stateMask = TVIS_BOLD;
    fields.pszText = const_cast<char*>("Greek");
    EXPECT_TRUE(SetItem(fields));
    EXPECT_EQ(State(item), TVIS_BOLD);
    EXPECT_EQ(Text(item), "Greek");
    EXPECT_TRUE(notifications.lines.empty());

    // The child count follows the children unless the program set it.
    Fill();
    const auto children = [this](HTREEITEM item) {
        TVITEMA fields{.mask = TVIF_CHILDREN, .hItem = item};
        GetItem(fields);
        return fields.cChildren;
    };
    EXPECT_EQ(children(sports), 1);
    Delete(golf);
    EXPECT_EQ(children(sports), 0);
    SetItem({.mask = TVIF_CHILDREN, .hItem = music, .cChildren = 1});
    Delete(jazz);
    Delete(rock);
    EXPECT_EQ(children(music), 1);
}

TEST_F(TreeViewTest, SelectingNotifiesWithTheCauseAndMovesTheSelectedStateUnlessRefused) {
    OpenArtsSelected();
    // Checks the notifications and where the selection is, then selects Arts again quietly.
    const auto expect = [this](const Lines& expected, HTREEITEM selected) {
        EXPECT_EQ(notifications.lines, expected);
        EXPECT_EQ(Next(TVGN_CARET), selected);
        for (const HTREEITEM item : {arts, music, film}) {
            EXPECT_EQ(State(item) & TVIS_SELECTED, item == selected ? TVIS_SELECTED : 0u);
        }
        Select(arts);
        notifications.lines.clear();
    };
    EXPECT_TRUE(Select(music));
    expect({"TVN_SELCHANGING unknown Arts->Music", "TVN_SELCHANGED unknown Arts->Music"}, music);
    ClickLabel(music);
    expect({"NM_CLICK", "TVN_SELCHANGING mouse Arts->Music", "TVN_SELCHANGED mouse Arts->Music"},
           music);
    KeyDown(tree, VK_DOWN);
    expect({"TVN_KEYDOWN 40", "TVN_SELCHANGING keyboard Arts->Music",
            "TVN_SELCHANGED keyboard Arts->Music"},
           music);
    EXPECT_TRUE(Select(arts));  // The selected item again.
    ClickLabel(arts);
    expect({"NM_CLICK"}, arts);
    notifications.onNotify = Refuse(TVN_SELCHANGINGA);
    EXPECT_FALSE(Select(film));
    ClickLabel(film);
    KeyDown(tree, VK_DOWN);
    expect({"TVN_SELCHANGING unknown Arts->Film", "NM_CLICK", "TVN_SELCHANGING mouse Arts->Film",
            "TVN_KEYDOWN 40", "TVN_SELCHANGING keyboard Arts->Music"},
           arts);
}

TEST_F(TreeViewTest, TheProgramsExpandNotifiesOnlyTheFirstTimeItsCollapseNeverAndRefusalsHold) {
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

    // Collapsing moves a selection it hides up to the collapsed item, silently.
    Select(jazz);  // Opens Music on the way.
    notifications.lines.clear();
    EXPECT_TRUE(Expand(arts, TVE_COLLAPSE));
    EXPECT_EQ(Next(TVGN_CARET), arts);
    EXPECT_EQ(State(arts) & TVIS_SELECTED, TVIS_SELECTED);
    EXPECT_EQ(State(jazz) & TVIS_SELECTED, 0u);
    EXPECT_TRUE(notifications.lines.empty());

    // A refused expansion leaves the item as it was, whoever asks.
    notifications.onNotify = Refuse(TVN_ITEMEXPANDINGA);
    EXPECT_FALSE(Expand(sports));
    ClickAt(tree, At(5, kRow + kRow / 2));  // Sports' button.
    DoubleClickLabel(sports);
    EXPECT_EQ(State(sports) & (TVIS_EXPANDED | TVIS_EXPANDEDONCE), 0u);
    EXPECT_EQ(Next(TVGN_NEXTVISIBLE, sports), travel);
}

TEST_F(TreeViewTest, APersonsExpandAndCollapseNotifyEveryTimeAndADoubleClickTogglesUnlessHandled) {
    OpenArtsSelected();
    ClickAt(tree, At(5, kRow / 2));  // Arts' button.
    KeyDown(tree, VK_RIGHT);
    KeyDown(tree, VK_LEFT);
    EXPECT_EQ(State(arts) & TVIS_EXPANDED, 0u);
    EXPECT_EQ(
        notifications.lines,
        (Lines{"NM_CLICK", "TVN_ITEMEXPANDING collapse Arts", "TVN_ITEMEXPANDED collapse Arts",
               "TVN_KEYDOWN 39", "TVN_ITEMEXPANDING expand Arts", "TVN_ITEMEXPANDED expand Arts",
               "TVN_KEYDOWN 37", "TVN_ITEMEXPANDING collapse Arts",
               "TVN_ITEMEXPANDED collapse Arts"}));

    notifications.lines.clear();
    DoubleClickLabel(sports);
    EXPECT_EQ(State(sports) & TVIS_EXPANDED, TVIS_EXPANDED);
    notifications.onNotify = Refuse(NM_DBLCLK);
    DoubleClickLabel(sports);
    EXPECT_EQ(State(sports) & TVIS_EXPANDED, TVIS_EXPANDED);
    EXPECT_EQ(notifications.lines, (Lines{"NM_DBLCLK", "TVN_ITEMEXPANDING expand Sports",
                                          "TVN_ITEMEXPANDED expand Sports", "NM_DBLCLK"}));
}

TEST_F(TreeViewTest, DeletingAnnouncesChildrenFirstMovesTheSelectionAndDeletedItemsAnswerNothing) {
    Fill();
    Select(music);
    notifications.lines.clear();
    EXPECT_TRUE(Delete(music));
    EXPECT_EQ(notifications.lines,
              (Lines{"TVN_DELETEITEM Jazz", "TVN_DELETEITEM Rock", "TVN_DELETEITEM Music",
                     "TVN_SELCHANGING unknown none->Film", "TVN_SELCHANGED unknown none->Film"}));
    EXPECT_EQ(Count(), 5);
    EXPECT_EQ(Next(TVGN_CHILD, arts), film);

    notifications.lines.clear();
    EXPECT_TRUE(Delete(TVI_ROOT));
    EXPECT_EQ(notifications.lines,
              (Lines{"TVN_DELETEITEM Film", "TVN_DELETEITEM Arts", "TVN_DELETEITEM Golf",
                     "TVN_DELETEITEM Sports", "TVN_DELETEITEM Travel"}));
    EXPECT_EQ(Count(), 0);
    EXPECT_EQ(Next(TVGN_CARET), nullptr);

    Fill();
    Delete(travel);
    notifications.lines.clear();
    for (const HTREEITEM item : {reinterpret_cast<HTREEITEM>(0x4321), travel}) {
        TVITEMA fields{.hItem = item};
        EXPECT_FALSE(GetItem(fields));
        EXPECT_FALSE(SetItem(fields));
        EXPECT_FALSE(Delete(item));
        EXPECT_FALSE(Expand(item, TVE_TOGGLE));
        EXPECT_FALSE(Select(item));
        EXPECT_FALSE(SendMessage(tree, TVM_SELECTITEM, TVGN_FIRSTVISIBLE, Ptr(item)));
        EXPECT_FALSE(SendMessage(tree, TVM_ENSUREVISIBLE, 0, Ptr(item)));
        EXPECT_FALSE(SendMessage(tree, TVM_SORTCHILDREN, 0, Ptr(item)));
        EXPECT_EQ(SendMessage(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), 0xFF), 0);
        EXPECT_EQ(Next(TVGN_NEXT, item), nullptr);
        EXPECT_EQ(Next(TVGN_CHILD, item), nullptr);
        EXPECT_EQ(Insert(item, "orphan"), nullptr);
        EXPECT_EQ(ItemRect(item, FALSE), std::nullopt);
    }
    EXPECT_FALSE(SendMessage(tree, TVM_GETITEMA, 0, 0));
    EXPECT_EQ(SendMessage(tree, TVM_INSERTITEMA, 0, 0), 0);
    EXPECT_EQ(Count(), 7);
    EXPECT_TRUE(notifications.lines.empty());
}

TEST_F(TreeViewTest, ParentDestroyingTheTreeInsideANotificationEndsTheAction) {
    // A tree with Arts open and selected whose parent destroys it inside notification |code|.
    const auto destroyedOn = [this](UINT code) {
        notifications.onNotify = nullptr;
        CreateTree();
        OpenArtsSelected();
        notifications.onNotify = DestroyInside(code);
    };
    // Whatever the tree had not announced when it was destroyed it announces while it goes.
    const auto expectGone = [this](Lines expected) {
        for (const char* item :
             {"Jazz", "Rock", "Music", "Film", "Arts", "Golf", "Sports", "Travel"})
            expected.push_back(std::string("TVN_DELETEITEM ") + item);
        EXPECT_FALSE(IsWindow(tree));
        EXPECT_EQ(notifications.lines, expected);
    };
    destroyedOn(TVN_SELCHANGEDA);
    Select(film);
    expectGone({"TVN_SELCHANGING unknown Arts->Film", "TVN_SELCHANGED unknown Arts->Film"});
    destroyedOn(TVN_SELCHANGEDA);
    ClickLabel(film);
    expectGone({"NM_CLICK", "TVN_SELCHANGING mouse Arts->Film", "TVN_SELCHANGED mouse Arts->Film"});
    destroyedOn(TVN_ITEMEXPANDINGA);
    ClickAt(tree, At(5, kRow * 3 + 2));  // Sports' button.
    expectGone({"NM_CLICK", "TVN_ITEMEXPANDING expand Sports"});
    destroyedOn(TVN_DELETEITEMA);
    Delete(arts);
    expectGone({});
}

TEST_F(TreeViewTest,
       DumpShowsTheRowsThatLieOneUnderAnotherIndentedAfterIconsAndHitTestingNamesThePart) {
    OpenArtsSelected();
    SetItem({.mask = TVIF_STATE, .hItem = sports, .state = TVIS_BOLD, .stateMask = TVIS_BOLD});
    EXPECT_TRUE(
        DumpShows(parent,
                  "SysTreeView32 40 \"\" [focus, -\"Arts\" selected, >+\"Music\", >\"Film\", "
                  "+\"Sports\" bold, \"Travel\"]"));
    EXPECT_EQ(SendMessage(tree, TVM_GETITEMHEIGHT, 0, 0), kRow);
    EXPECT_EQ(SendMessage(tree, TVM_GETVISIBLECOUNT, 0, 0), 180 / kRow);
    EXPECT_EQ(ItemRect(film, FALSE), (RECT{0, 2 * kRow, 200, 3 * kRow}));
    // One indent for the root's lines and buttons, one per level; the text 8 pixels a letter.
    EXPECT_EQ(ItemRect(arts, TRUE), (RECT{19, 0, 19 + 32 + 4, kRow}));
    EXPECT_EQ(ItemRect(music, TRUE), (RECT{38, kRow, 38 + 40 + 4, 2 * kRow}));
    EXPECT_EQ(ItemRect(jazz, TRUE), std::nullopt);  // Hidden in a closed branch.

    const std::tuple<POINT, UINT, HTREEITEM> cases[] = {
        {{25, 5}, TVHT_ONITEMLABEL, arts},         {{5, 5}, TVHT_ONITEMBUTTON, arts},
        {{100, 5}, TVHT_ONITEMRIGHT, arts},        {{25, kRow + 5}, TVHT_ONITEMBUTTON, music},
        {{5, kRow + 5}, TVHT_ONITEMINDENT, music}, {{5, 170}, TVHT_NOWHERE, nullptr},
        {{-1, 5}, TVHT_TOLEFT, nullptr},           {{5, 400}, TVHT_BELOW, nullptr}};
    for (const auto& [point, flags, item] : cases) {
        TVHITTESTINFO hit;
        hit.pt = point;
        EXPECT_EQ(SendMessage(tree, TVM_HITTEST, 0, Ptr(&hit)), Ptr(item));
        EXPECT_EQ(hit.flags, flags) << point.x << "," << point.y;
    }

    // Without lines at the root the top level starts at the left edge, and icons come first.
    DestroyWindow(tree);
    CreateTree(TVS_HASBUTTONS);
    Fill();
    EXPECT_EQ(ItemRect(arts, TRUE)->left, 0);
    HIMAGELIST images = ImageList_Create(24, 24, ILC_COLOR32, 1, 1);
    EXPECT_EQ(SendMessage(tree, TVM_SETIMAGELIST, TVSIL_NORMAL, Ptr(images)), 0);
    EXPECT_EQ(ItemRect(arts, TRUE)->left, 24);
    EXPECT_EQ(SendMessage(tree, TVM_GETITEMHEIGHT, 0, 0), 24);
    SendMessage(tree, TVM_SETIMAGELIST, TVSIL_NORMAL, 0);
    ImageList_Destroy(images);
}

TEST_F(TreeViewTest, EnsureVisibleOpensTheBranchesAsAPersonAndScrolls) {
    Fill();
    MoveWindow(tree, 0, 0, 200, 2 * kRow, FALSE);  // Two rows.
    EXPECT_TRUE(SendMessage(tree, TVM_ENSUREVISIBLE, 0, Ptr(jazz)));
    EXPECT_EQ(notifications.lines,
              (Lines{"TVN_ITEMEXPANDING expand Music", "TVN_ITEMEXPANDED expand Music",
                     "TVN_ITEMEXPANDING expand Arts", "TVN_ITEMEXPANDED expand Arts"}));
    EXPECT_EQ(Next(TVGN_FIRSTVISIBLE), music);  // Jazz on the last row.
    EXPECT_EQ(ItemRect(jazz, FALSE)->top, kRow);
    EXPECT_FALSE(SendMessage(tree, TVM_ENSUREVISIBLE, 0, Ptr(jazz)));
    // Scrolled to the top as far as the items below allow: no empty rows.
    EXPECT_TRUE(SendMessage(tree, TVM_SELECTITEM, TVGN_FIRSTVISIBLE, Ptr(travel)));
    EXPECT_EQ(Next(TVGN_FIRSTVISIBLE), sports);
}

TEST_F(TreeViewTest, AgentOpensTheBranchesAndClicksTheItemAndTheFocusSelectsTheTopItem) {
    Fill();
    ASSERT_TRUE(agent.SelectTreeItem(tree, "Arts/Music/Jazz")) << agent.LastError();
    EXPECT_EQ(Next(TVGN_CARET), jazz);
    // The first click's focus selects the top item of a tree without selection.
    EXPECT_EQ(notifications.lines,
              (Lines{"NM_CLICK", "TVN_ITEMEXPANDING expand Arts", "TVN_ITEMEXPANDED expand Arts",
                     "TVN_SELCHANGING unknown none->Arts", "TVN_SELCHANGED unknown none->Arts",
                     "NM_SETFOCUS", "NM_CLICK", "TVN_ITEMEXPANDING expand Music",
                     "TVN_ITEMEXPANDED expand Music", "NM_CLICK",
                     "TVN_SELCHANGING mouse Arts->Jazz", "TVN_SELCHANGED mouse Arts->Jazz"}));
    EXPECT_REFUSED(agent, SelectTreeItem(tree, "Arts/Nothing"), "no tree item \"Arts/Nothing\"");
    notifications.onNotify = Refuse(TVN_ITEMEXPANDINGA);
    EXPECT_REFUSED(agent, SelectTreeItem(tree, "Sports/Golf"),
                   "tree item \"Sports\" does not open");
}

}  // namespace
}  // namespace winport::test
