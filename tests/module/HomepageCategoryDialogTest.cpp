// The homepage category dialog and the topic selection it runs, as the owner uses them and as a
// contact's is shown: the category's path, what the address enables, the pages opened, which
// topics can be chosen, and what the caller gets back, over the shipped topics, without any and
// over a list whose parents go astray.
#include <algorithm>

#include "PageTestSupport.h"
#include "pages/work/HomepageCategoryDialog.h"
#include "pages/work/SelectTopicDialog.h"
#include "platform/controls/TreeViewApi.h"
#include "tests/client/ClientTestSupport.h"

namespace moduletest {
namespace {

constexpr char kAddress[] = "https://elodie.example.fr";
constexpr char kDescription[] = "Carnet de voyages";
// Shipped topics.
constexpr int kTravelJournals = 3;
constexpr int kSailing = 5;
constexpr char kSailingPath[] = "Sports/Individual Sports/Water Sports/Sailing";
const Lines kTravelJournalsTree{"Travel", "  Travel Stories", "    Travel Journals [bold] [sel]"};

// The tree as a person reads it, an item a line, indented by depth, marked bold and selected.
Lines TreeLines(HWND tree) {
    const auto next = [tree](UINT relation, HTREEITEM item) {
        return reinterpret_cast<HTREEITEM>(
            SendMessage(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
    };
    const HTREEITEM selected = next(TVGN_CARET, nullptr);
    Lines lines;
    const auto walk = [&](const auto& self, HTREEITEM item, const std::string& indent) -> void {
        for (; item; item = next(TVGN_NEXT, item)) {
            char text[256] = {};
            TVITEM fields{.mask = TVIF_TEXT | TVIF_STATE,
                          .hItem = item,
                          .stateMask = TVIS_BOLD,
                          .pszText = text,
                          .cchTextMax = sizeof text};
            SendMessage(tree, TVM_GETITEM, 0, reinterpret_cast<LPARAM>(&fields));
            lines.push_back(indent + text + (fields.state & TVIS_BOLD ? " [bold]" : "") +
                            (item == selected ? " [sel]" : ""));
            self(self, next(TVGN_CHILD, item), indent + "  ");
        }
    };
    walk(walk, next(TVGN_CHILD, nullptr), "");
    return lines;
}

struct Homepage {
    std::string address = kAddress;
    std::string description = kDescription;
    int category = kTravelJournals;
};

class HomepageCategoryDialogTest : public ModuleFixture {
protected:
    // Runs the dialog over |user|'s record with |person| acting in it; answers how it ended and
    // what the caller takes back.
    std::pair<INT_PTR, Homepage> Run(BCUserInfo* user, bool editable, const Homepage& given,
                                     const std::function<void(HWND)>& person) {
        agent.QueueDialogHandler(static_cast<int>(IDD_HOMEPAGE_CATEGORY), person);
        MCVariantPropertySet record = host->Record(user);
        CHomepageCategoryDialog dialog(user, editable, &record, nullptr);
        dialog.SetHomepage(given.address, given.description, given.category);
        const INT_PTR result = dialog.DoModal();
        return {result, {dialog.GetAddress(), dialog.GetDescription(), dialog.GetCategory()}};
    }
    // The owner's dialog, closed with OK once |person| is done.
    Homepage RunOwners(const Homepage& given, const std::function<void(HWND)>& person) {
        return Run(owner, true, given,
                   [&](HWND dialog) {
                       person(dialog);
                       agent.Click(Item(dialog, IDOK));
                   })
            .second;
    }
    // The topic selection with |code| chosen so far: how it ended and the code it gives.
    std::pair<INT_PTR, int> Select(int code, const std::function<void(HWND)>& person) {
        agent.QueueDialogHandler(static_cast<int>(IDD_SELECT_TOPIC), person);
        CSelectTopicDialog dialog(owner, code, nullptr);
        const INT_PTR result = dialog.DoModal();
        return {result, dialog.GetCode()};
    }
    // Define Category, with |person| in the topic selection.
    void Define(HWND dialog, const std::function<void(HWND)>& person) {
        agent.QueueDialogHandler(static_cast<int>(IDD_SELECT_TOPIC), person);
        ASSERT_TRUE(agent.Click(Item(dialog, IDC_CATEGORY_DEFINE))) << agent.LastError();
    }
    static Lines Tree(HWND dialog, int id = IDC_CATEGORY_TREE) {
        return TreeLines(Item(dialog, id));
    }
    // Which of "Goto HomePage", the tree, "Define Category" and the description a person can use.
    static std::string Usable(HWND dialog) {
        std::string usable;
        for (const int id : {IDC_CATEGORY_GOTO_HOMEPAGE, IDC_CATEGORY_TREE, IDC_CATEGORY_DEFINE,
                             IDC_CATEGORY_DESCRIPTION}) {
            const HWND item = Item(dialog, id);
            usable += IsWindowVisible(item) && IsWindowEnabled(item) ? "1" : "0";
        }
        return usable;
    }
};

using HomepageCategoryWithTopicsTest = WithShippedLists<HomepageCategoryDialogTest>;

TEST_F(HomepageCategoryWithTopicsTest, TheOwnerSeesHisHomepageAndWhatItsAddressAllows) {
    host->Record(owner)["DefinedHandle"] = "Élodie";
    Lines seen;
    const Homepage taken = RunOwners({}, [&](HWND dialog) {
        seen = {Text(dialog), Text(Item(dialog, IDC_CATEGORY_ADDRESS)),
                Text(Item(dialog, IDC_CATEGORY_DESCRIPTION)), Usable(dialog)};
        EXPECT_EQ(Tree(dialog), kTravelJournalsTree);
        EXPECT_FALSE(ReadOnly(Item(dialog, IDC_CATEGORY_ADDRESS)) ||
                     ReadOnly(Item(dialog, IDC_CATEGORY_DESCRIPTION)));
        // The tree lies under a window on top, which takes the mouse.
        const HWND cover = winport::ChildWindows(dialog).front();
        EXPECT_TRUE(IsWindowVisible(cover) &&
                    bctest::ScreenRect(cover) ==
                        bctest::ScreenRect(Item(dialog, IDC_CATEGORY_TREE)));
        agent.Type(Item(dialog, IDC_CATEGORY_ADDRESS), "");
        seen.push_back(Usable(dialog));
        agent.Type(Item(dialog, IDC_CATEGORY_ADDRESS), "www.example.fr");
        seen.push_back(Usable(dialog));
    });
    EXPECT_EQ(seen, (Lines{"Élodie's HomePage Information", kAddress, kDescription, "1111", "0000",
                           "1111"}));
    EXPECT_EQ(taken.address, "www.example.fr");
    EXPECT_EQ(taken.category, kTravelJournals);
    EXPECT_EQ(host->Count("GetIcon 6"), 1);
}

TEST_F(HomepageCategoryWithTopicsTest, TheTreeShowsThePathToTheCategory) {
    const struct {
        int category;
        Lines tree;
        int taken;
    } cases[] = {
        // The top topic "Travel" and its section "Travel" are shown once.
        {kTravelJournals, kTravelJournalsTree, kTravelJournals},
        {kSailing,
         {"Sports", "  Individual Sports", "    Water Sports", "      Sailing [bold] [sel]"},
         kSailing},
        // The category's own parent shows, whatever its name.
        {6100, {"Travel", "  Travel [bold] [sel]"}, 6100},
        {2110, {"Business", "  Small Business [bold] [sel]"}, 2110},
        // A code the topics do not know is none.
        {4242, {}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.category);
        Lines tree{"untouched"};
        const Homepage taken = RunOwners({kAddress, kDescription, c.category},
                                         [&](HWND dialog) { tree = Tree(dialog); });
        EXPECT_EQ(tree, c.tree);
        EXPECT_EQ(taken.category, c.taken);
    }
}

TEST_F(HomepageCategoryWithTopicsTest, AContactsHomepageIsOnlyShown) {
    for (const auto& [address, shownUsable, shownItems] :
         {std::tuple<const char*, std::string, size_t>{"", "0001", 0},
          {"https://giorgos.example.gr", "1101", 4}}) {
        SCOPED_TRACE(address);
        std::string usable;
        size_t treeItems = 99;
        const auto [result, taken] =
            Run(contact, false, {address, kDescription, kSailing}, [&](HWND dialog) {
                usable = Usable(dialog);
                treeItems = Tree(dialog).size();
                EXPECT_TRUE(ReadOnly(Item(dialog, IDC_CATEGORY_ADDRESS)) &&
                            ReadOnly(Item(dialog, IDC_CATEGORY_DESCRIPTION)));
                agent.Click(Item(dialog, IDOK));
            });
        EXPECT_EQ(usable, shownUsable);
        EXPECT_EQ(treeItems, shownItems);
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(taken.category, kSailing);
    }
}

// "Goto HomePage" opens the address typed as a web page (WebAddressTest has which are); the
// directory opens only where the host knows it.
TEST_F(HomepageCategoryWithTopicsTest, TheHomepageAndTheDirectoryOpenInTheBrowser) {
    RunOwners({}, [&](HWND dialog) {
        agent.Type(Item(dialog, IDC_CATEGORY_ADDRESS), " example.org:8080/a ");
        agent.Click(Item(dialog, IDC_CATEGORY_GOTO_HOMEPAGE));
    });
    const auto directory = [&](HWND dialog) { agent.Click(Item(dialog, IDC_CATEGORY_DIRECTORY)); };
    RunOwners({}, directory);
    host->RegisterAddress("Homepage Directory", "https://directory.example/homepages");
    RunOwners({}, directory);
    EXPECT_EQ(OpenedAddresses(),
              (Lines{"http://example.org:8080/a", "https://directory.example/homepages"}));
}

// The topic picked in "Define Category" is taken with OK, Cancel keeps the category and "Select
// None" clears it; what the owner typed stays.
TEST_F(HomepageCategoryWithTopicsTest, DefineCategoryKeepsWhatTheOwnerTyped) {
    const Lines sailing{"Sports", "  Individual Sports", "    Water Sports",
                        "      Sailing [bold] [sel]"};
    for (const auto& [button, tree, shownUsable, category] :
         {std::tuple<int, Lines, std::string, int>{IDOK, sailing, "1111", kSailing},
          {IDCANCEL, kTravelJournalsTree, "1111", kTravelJournals},
          {IDC_TOPIC_NONE, {}, "1110", 0}}) {
        SCOPED_TRACE(button);
        Lines seen;
        const Homepage taken = RunOwners({}, [&](HWND dialog) {
            agent.Type(Item(dialog, IDC_CATEGORY_DESCRIPTION), "Journal de bord");
            Define(dialog, [&](HWND selection) {
                agent.SelectTreeItem(Item(selection, IDC_TOPIC_TREE), kSailingPath);
                agent.Click(Item(selection, button));
            });
            seen = Tree(dialog);
            seen.push_back(Usable(dialog));
        });
        Lines expected = tree;
        expected.push_back(shownUsable);
        EXPECT_EQ(seen, expected);
        EXPECT_EQ(taken.description, "Journal de bord");
        EXPECT_EQ(taken.category, category);
    }
}

TEST_F(HomepageCategoryWithTopicsTest, SelectionShowsEachTopicOnceAndTakesLevelThreeOrMore) {
    const struct {
        int given;
        Lines clicked;
        int code;
        const char* bold;
    } cases[] = {
        {0, {}, 0, nullptr},
        {kTravelJournals,
         {"Sports", "Sports/Team Sports", "Sports/Team Sports/Football"},
         kTravelJournals,
         "    Travel Journals [bold]"},
        {kTravelJournals, {kSailingPath, "Arts/Visual Arts"}, kSailing, "      Sailing [bold]"},
    };
    Lines tree;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        const auto [result, code] = Select(c.given, [&](HWND dialog) {
            for (const std::string& path : c.clicked)
                EXPECT_TRUE(agent.SelectTreeItem(Item(dialog, IDC_TOPIC_TREE), path));
            tree = Tree(dialog, IDC_TOPIC_TREE);
            agent.Click(Item(dialog, IDOK));
        });
        Lines bold;
        std::ranges::copy_if(tree, std::back_inserter(bold), [](const std::string& line) {
            return line.find("[bold]") != std::string::npos;
        });
        EXPECT_EQ(bold, c.bold ? Lines{c.bold} : Lines{});
        EXPECT_EQ(code, c.code);
    }
    // The selection shows every topic once: every row but the two sections named as their top
    // topics, whose subjects hang there.
    EXPECT_EQ(tree.size(), 118u);
    const auto travel = std::ranges::find(tree, "Travel");
    ASSERT_GE(tree.end() - travel, 4);
    EXPECT_EQ(Lines(travel, travel + 4),
              (Lines{"Travel", "  Destinations", "    Africa", "    Asia"}));
    EXPECT_EQ(std::ranges::count(tree, "  Travel Stories"), 1);
}

// Without the host's data-list service, or its "topic" list, nothing can be shown or chosen, and
// the category stays as it was.
TEST_F(HomepageCategoryDialogTest, WithoutTopicsTheCategoryStaysAsItWas) {
    for (const char* withheld : {"", "all", "topic"}) {
        SCOPED_TRACE(*withheld ? withheld : "no service");
        std::optional<nuvclient::DataListServiceClass> lists;
        if (*withheld) {
            lists.emplace(NUV_CLIENT_DATA_DIR);
            ASSERT_TRUE(lists->Withhold(withheld));
        }
        Lines trees;
        const Homepage taken = RunOwners({}, [&](HWND dialog) {
            trees = Tree(dialog);
            trees.push_back(Usable(dialog));
            Define(dialog, [&](HWND selection) {
                for (const std::string& line : Tree(selection, IDC_TOPIC_TREE))
                    trees.push_back(line);
                agent.Click(Item(selection, IDOK));
            });
        });
        EXPECT_EQ(trees, Lines{"1110"});
        EXPECT_EQ(taken.category, kTravelJournals);
    }
}

TEST_F(HomepageCategoryDialogTest, ParentsThatLoopOrGoAstrayEndTheWalk) {
    // Ring A's parent is its own grandchild, Beyond's outside the table; MUSIC is Music under
    // another case; the row without a name makes no item, and a path ends there.
    const nuvclient::test::TempFolder folder;
    nuvclient::test::WriteBytes(folder.Path() / nuvclient::kDataListsName, R"({"topic": [
        {"code": 10, "level": 0, "parent": 2, "name": "Ring A"},
        {"code": 11, "level": 1, "parent": 0, "name": "Ring B"},
        {"code": 12, "level": 2, "parent": 1, "name": "Ring C"},
        {"code": 13, "level": 3, "parent": 2, "name": "Leaf"},
        {"code": 20, "level": 3, "parent": 99, "name": "Beyond"},
        {"code": 30, "level": 0, "parent": -1, "name": "Music"},
        {"code": 31, "level": 1, "parent": 5, "name": "MUSIC"},
        {"code": 32, "level": 3, "parent": 6, "name": "Guitar"},
        {"code": 33, "level": 2, "parent": 5},
        {"code": 34, "level": 3, "parent": 8, "name": "Orphan"}]})");
    const nuvclient::DataListServiceClass lists(folder.Path());
    const struct {
        int category;
        Lines tree;
    } paths[] = {
        {13, {"Ring A", "  Ring B", "    Ring C", "      Leaf [bold] [sel]"}},
        {20, {"Beyond [bold] [sel]"}},
        {34, {"Orphan [bold] [sel]"}},
    };
    for (const auto& c : paths) {
        SCOPED_TRACE(c.category);
        Lines tree;
        RunOwners({kAddress, kDescription, c.category}, [&](HWND dialog) { tree = Tree(dialog); });
        EXPECT_EQ(tree, c.tree);
    }
    Lines tree;
    Select(32, [&](HWND dialog) {
        tree = Tree(dialog, IDC_TOPIC_TREE);
        agent.Click(Item(dialog, IDOK));
    });
    // Guitar hangs under Music; the rest under the nearest item above.
    EXPECT_EQ(tree, (Lines{"Beyond", "Music", "  Guitar [bold] [sel]", "  Orphan", "Ring A",
                           "  Ring B", "    Ring C", "      Leaf"}));
}

}  // namespace
}  // namespace moduletest
