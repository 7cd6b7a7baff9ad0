#include <tuple>

#include "ControlTestSupport.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinStyles.h"

namespace winport::test {
namespace {

constexpr int kStaticId = 10;

class StaticControlTest : public ControlParentTest {
protected:
    HWND CreateStatic(DWORD style, const char* text = "") {
        return CreateControl("Static", style, kStaticId, "static", text);
    }
};

TEST_F(StaticControlTest, KeepsItsTextAndTheImageItsKindShowsAndTellsClicksOnlyWithNotify) {
    const HWND label = CreateStatic(SS_LEFT, "Name:");
    EXPECT_EQ(GetWindowTextUtf8(label), "Name:");
    EXPECT_TRUE(SetWindowText(label, "Ονομα:"));
    EXPECT_EQ(GetWindowTextUtf8(label), "Ονομα:");
    EXPECT_EQ(SendMessage(label, WM_GETDLGCODE, 0, 0), DLGC_STATIC);
    EXPECT_TRUE(SequenceIs(spy, {}));

    EXPECT_TRUE(GetWindowLongPtr(CreateStatic(SS_SUNKEN), GWL_EXSTYLE) & WS_EX_STATICEDGE);
    EXPECT_FALSE(GetWindowLongPtr(CreateStatic(SS_LEFT), GWL_EXSTYLE) & WS_EX_STATICEDGE);

    const HWND plain = CreateStatic(SS_LEFT);
    SendMessage(plain, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessage(plain, WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
    EXPECT_TRUE(SequenceIs(spy, {}));

    const HWND notifying = CreateStatic(SS_LEFT | SS_NOTIFY);
    SendMessage(notifying, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessage(notifying, WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
    EnableWindow(notifying, FALSE);
    SendMessage(notifying, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EnableWindow(notifying, TRUE);
    // STN_CLICKED shares code 0 with BN_CLICKED; STN_DBLCLK, STN_DISABLE and STN_ENABLE are 1,
    // 3, 2.
    EXPECT_TRUE(SequenceIs(spy, {"parent WM_COMMAND BN_CLICKED 10", "parent WM_COMMAND 1 10",
                                 "parent WM_COMMAND 3 10", "parent WM_COMMAND 2 10"}));

    const std::tuple<DWORD, UINT, bool> cases[] = {
        {SS_BITMAP, IMAGE_BITMAP, true}, {SS_BITMAP, IMAGE_ICON, false},
        {SS_ICON, IMAGE_ICON, true},     {SS_ICON, IMAGE_CURSOR, true},
        {SS_ICON, IMAGE_BITMAP, false},  {SS_ENHMETAFILE, IMAGE_ENHMETAFILE, true},
        {SS_LEFT, IMAGE_BITMAP, false}};
    const LRESULT first = 0x1000;
    const LRESULT second = 0x2000;
    for (const auto& [kind, type, shown] : cases) {
        SCOPED_TRACE(std::to_string(kind) + " " + std::to_string(type));
        const HWND picture = CreateStatic(kind);
        SetLastError(ERROR_SUCCESS);
        EXPECT_EQ(SendMessage(picture, STM_SETIMAGE, type, first), 0);
        EXPECT_EQ(GetLastError(), shown ? ERROR_SUCCESS : ERROR_INVALID_PARAMETER);
        EXPECT_EQ(SendMessage(picture, STM_SETIMAGE, type, second), shown ? first : 0);
        EXPECT_EQ(SendMessage(picture, STM_GETIMAGE, type, 0), shown ? second : 0);
        EXPECT_TRUE(SequenceIs(spy, {}));
    }

    const HWND icon = CreateStatic(SS_ICON);
    const WPARAM handle = 0x3000;
    EXPECT_EQ(SendMessage(icon, STM_SETICON, handle, 0), 0);
    EXPECT_EQ(SendMessage(icon, STM_GETICON, 0, 0), static_cast<LRESULT>(handle));
    EXPECT_EQ(SendMessage(icon, STM_GETIMAGE, IMAGE_ICON, 0), static_cast<LRESULT>(handle));

    const HWND bitmap = CreateStatic(SS_BITMAP);
    EXPECT_EQ(SendMessage(bitmap, STM_SETICON, handle, 0), 0);
    EXPECT_EQ(SendMessage(bitmap, STM_GETICON, 0, 0), 0);
}

}  // namespace
}  // namespace winport::test
