#include "platform/resources/ResourceChain.h"

#include <cstdint>
#include <string>

#include "DialogTestSupport.h"
#include "LastErrorCheck.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinStyles.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/resources/ResourceApi.h"
#include "platform/resources/ResourceValidation.h"
#include "platform/shell/MenuApi.h"

namespace {

using winport::BitmapResource;
using winport::ControlTemplate;
using winport::DialogTemplate;
using winport::MenuTemplate;
using winport::MenuTemplateItem;
using winport::ResourceTable;
using winport::StringResource;
using winport::test::ScopedResourceTable;

// Static ids repeat, as Windows allows: the table still joins.
constexpr ControlTemplate kControls[] = {
    {IDOK, "Button", "OK", BS_DEFPUSHBUTTON, {10, 40, 50, 14}},
    {IDC_STATIC, "Static", "Name:", SS_LEFT, {10, 10, 40, 8}},
    {IDC_STATIC, "Static", "Age:", SS_LEFT, {10, 22, 40, 8}},
    {0xFFFF, "Static", "", SS_ETCHEDHORZ, {10, 34, 100, 1}},
    {0xFFFF, "Static", "", SS_ETCHEDHORZ, {10, 36, 100, 1}},
    {1001, "Edit", "", ES_AUTOHSCROLL, {50, 10, 60, 12}},
};
constexpr ControlTemplate kRepeatedControl[] = {
    {1001, "Edit", "", 0, {}},
    {1002, "Edit", "", 0, {}},
    {1001, "Button", "Again", 0, {}},
};
constexpr ControlTemplate kNamelessControl[] = {{1003, "", "", 0, {}}};

constexpr std::uint32_t kPixels[] = {0xFF0000FF, 0x80FF0000};

constexpr MenuTemplateItem kFileItems[] = {
    {2001, "&Open", MF_STRING, {}},
    {0, "", MF_SEPARATOR, {}},
    {2002, "E&xit", MF_GRAYED, {}},
};
constexpr MenuTemplateItem kHelpItems[] = {{2003, "&About", MF_CHECKED, {}}};
constexpr MenuTemplateItem kBarItems[] = {
    {0, "&File", MF_STRING, kFileItems},
    {0, "&Help", MF_STRING, kHelpItems},
    {2004, "&Refresh", MF_STRING, {}},
};

constexpr DialogTemplate kFirstDialogs[] = {
    {.id = 8506, .title = "First title", .controls = kControls}};
constexpr StringResource kFirstStrings[] = {{100, "first hundred"}, {101, "Grüße"}};
constexpr MenuTemplate kFirstMenus[] = {{300, kBarItems}};
constexpr BitmapResource kFirstBitmaps[] = {{400, 2, 1, kPixels}};
constexpr ResourceTable kFirstTable{"first", kFirstDialogs, kFirstMenus, kFirstBitmaps,
                                    kFirstStrings};

constexpr DialogTemplate kSecondDialogs[] = {{.id = 8506, .title = "Second title"},
                                             {.id = 8507, .title = "Only second"}};
constexpr StringResource kSecondStrings[] = {{100, "second hundred"}};
constexpr ResourceTable kSecondTable{"second", kSecondDialogs, {}, {}, kSecondStrings};

void ExpectNotFound(const std::string& text) {
    EXPECT_EQ(GetLastError(), ERROR_RESOURCE_NAME_NOT_FOUND);
    EXPECT_EQ(winport::GetLastErrorText(), text);
}

TEST(ResourceChainTest, LaterTableDoesNotShadowAnEarlierOneAndRemovingOneUncoversTheNext) {
    {
        ScopedResourceTable first(kFirstTable);
        ScopedResourceTable second(kSecondTable);
        EXPECT_EQ(winport::FindDialogTemplate(8506)->title, "First title");
        ASSERT_TRUE(winport::RemoveResourceTable(kFirstTable));
        EXPECT_EQ(winport::FindDialogTemplate(8506)->title, "Second title");
        EXPECT_TRUE(winport::AddResourceTable(kFirstTable));  // Back for |first| to remove.
    }
    EXPECT_EQ(winport::FindDialogTemplate(8506), nullptr);
    ExpectNotFound("dialog template 8506 is in no resource table");

    ScopedResourceTable second(kSecondTable);
    {
        ScopedResourceTable first(kFirstTable);
        // |second| joined first, so it answers for the ids both tables have.
        EXPECT_EQ(winport::FindDialogTemplate(8506)->title, "Second title");
        EXPECT_EQ(winport::LoadStringResource(100), "second hundred");
        EXPECT_EQ(winport::FindDialogTemplate(8507)->title, "Only second");
        EXPECT_EQ(winport::LoadStringResource(101), "Grüße");
    }
    EXPECT_EQ(winport::LoadStringResource(101), std::nullopt);
    ExpectNotFound("string 101 is in no resource table");
    EXPECT_EQ(winport::FindMenuTemplate(300), nullptr);
    ExpectNotFound("menu 300 is in no resource table");
    EXPECT_EQ(winport::FindBitmapResource(400), nullptr);
    ExpectNotFound("bitmap 400 is in no resource table");
}

constexpr StringResource kMarkerString[] = {{9000, "marker"}};
constexpr StringResource kRepeatedStrings[] = {{9000, "one"}, {9000, "two"}};
constexpr DialogTemplate kRepeatedControlDialog[] = {{.id = 8600, .controls = kRepeatedControl}};
constexpr DialogTemplate kNamelessControlDialog[] = {{.id = 8601, .controls = kNamelessControl}};
constexpr DialogTemplate kRepeatedDialogs[] = {{.id = 8602}, {.id = 8602}};
constexpr MenuTemplate kRepeatedMenus[] = {{301, {}}, {301, {}}};
constexpr BitmapResource kRepeatedBitmaps[] = {{401, 2, 1, kPixels}, {401, 1, 2, kPixels}};
constexpr BitmapResource kShortBitmap[] = {{402, 2, 2, kPixels}};
constexpr BitmapResource kEmptyBitmap[] = {{403, 0, 1, {}}};

const std::pair<ResourceTable, const char*> kBrokenTables[] = {
    {{"controls", kRepeatedControlDialog, {}, {}, kMarkerString},
     "resource table 'controls': dialog template 8600: control id 1001 appears twice"},
    {{"nameless", kNamelessControlDialog, {}, {}, kMarkerString},
     "resource table 'nameless': dialog template 8601: control 1003 has no class name"},
    {{"dialogs", kRepeatedDialogs, {}, {}, kMarkerString},
     "resource table 'dialogs': dialog template id 8602 appears twice"},
    {{"menus", {}, kRepeatedMenus, {}, kMarkerString},
     "resource table 'menus': menu id 301 appears twice"},
    {{"bitmaps", {}, {}, kRepeatedBitmaps, kMarkerString},
     "resource table 'bitmaps': bitmap id 401 appears twice"},
    {{"short", {}, {}, kShortBitmap, kMarkerString},
     "resource table 'short': bitmap 402: 2 pixels for a size of 2 x 2"},
    {{"empty", {}, {}, kEmptyBitmap, kMarkerString},
     "resource table 'empty': bitmap 403: size 0 x 1 is not positive"},
    {{"strings", {}, {}, {}, kRepeatedStrings},
     "resource table 'strings': string id 9000 appears twice"},
};

TEST(ResourceChainTest, TableJoinsOnceLeavesOnceAndBrokenOnesAreRefusedWithTheProblemNamed) {
    ScopedResourceTable first(kFirstTable);
    EXPECT_TRUE(FailsWith(winport::AddResourceTable(kFirstTable), ERROR_ALREADY_EXISTS));
    EXPECT_EQ(winport::GetLastErrorText(), "resource table 'first' is in the chain already");
    EXPECT_TRUE(FailsWith(winport::RemoveResourceTable(kSecondTable), ERROR_INVALID_PARAMETER));
    EXPECT_EQ(winport::GetLastErrorText(), "resource table 'second' is not in the chain");

    for (const auto& [table, error] : kBrokenTables) {
        EXPECT_TRUE(FailsWith(winport::AddResourceTable(table), ERROR_INVALID_DATA));
        EXPECT_EQ(winport::GetLastErrorText(), error);
        EXPECT_EQ(winport::LoadStringResource(9000), std::nullopt) << table.name << " joined";
        EXPECT_FALSE(winport::RemoveResourceTable(table));
    }
}

TEST(ResourceChainTest, LoadStringCutsOnCharacterBoundariesAndLoadBitmapCarriesThePixels) {
    ScopedResourceTable first(kFirstTable);
    char buffer[16];
    EXPECT_EQ(LoadString(nullptr, 101, buffer, sizeof buffer), 7);
    EXPECT_STREQ(buffer, "Grüße");
    EXPECT_EQ(LoadString(nullptr, 101, buffer, 5), 4);
    EXPECT_STREQ(buffer, "Grü");
    EXPECT_EQ(LoadString(nullptr, 101, buffer, 4), 2);  // Not half of the u umlaut.
    EXPECT_STREQ(buffer, "Gr");
    EXPECT_EQ(LoadString(nullptr, 102, buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "");
    ExpectNotFound("string 102 is in no resource table");
    EXPECT_TRUE(FailsWith(LoadString(nullptr, 101, nullptr, 10), ERROR_INVALID_PARAMETER));

    const HBITMAP bitmap = LoadBitmap(nullptr, 400);
    ASSERT_NE(bitmap, nullptr);
    const winport::PixelImagePtr image = winport::BitmapPixels(bitmap);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(*image, (winport::PixelImage{2, 1, {std::begin(kPixels), std::end(kPixels)}}));
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_EQ(LoadBitmap(nullptr, 401), nullptr);
    ExpectNotFound("bitmap 401 is in no resource table");
}

TEST(ResourceChainTest, LoadMenuBuildsABarWithASubmenuPerPopupAndNothingForAnUnknownId) {
    ScopedResourceTable first(kFirstTable);
    const HMENU bar = LoadMenu(nullptr, MAKEINTRESOURCE(300));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(winport::LiveMenuCount(), 3u);
    ASSERT_EQ(GetMenuItemCount(bar), 3);
    const HMENU file = GetSubMenu(bar, 0);
    ASSERT_EQ(GetMenuItemCount(file), 3);
    EXPECT_EQ(GetMenuItemID(file, 0), 2001u);
    EXPECT_EQ(GetMenuState(file, 1, MF_BYPOSITION), MF_SEPARATOR);
    EXPECT_EQ(GetMenuState(bar, 2002, MF_BYCOMMAND), MF_GRAYED);
    EXPECT_EQ(GetMenuState(bar, 2003, MF_BYCOMMAND), MF_CHECKED);
    EXPECT_EQ(GetMenuState(bar, 1, MF_BYPOSITION), (1u << 8) | MF_POPUP);
    EXPECT_EQ(GetMenuItemID(bar, 2), 2004u);
    char text[16];
    EXPECT_EQ(GetMenuString(bar, 0, text, sizeof text, MF_BYPOSITION), 5);
    EXPECT_STREQ(text, "&File");
    EXPECT_TRUE(DestroyMenu(bar));
    EXPECT_EQ(winport::LiveMenuCount(), 0u);

    EXPECT_EQ(LoadMenu(nullptr, 301), nullptr);
    ExpectNotFound("menu 301 is in no resource table");
    EXPECT_EQ(winport::LiveMenuCount(), 0u);
}

}  // namespace
