#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinStyles.h"
#include "platform/message/MessageApi.h"

namespace winport::test {
namespace {

constexpr int kStaticId = 10;

class StaticControlTest : public ControlParentTest {
protected:
    HWND CreateStatic(DWORD style, const char* text = "") {
        const HWND hwnd = CreateControl("Static", style, kStaticId, "static", text);
        spy.Clear();
        return hwnd;
    }
};

TEST_F(StaticControlTest, KeepsItsTextTellsNobodyAndASunkenOneGetsAStaticEdge) {
    const HWND label = CreateStatic(SS_LEFT, "Name:");
    EXPECT_EQ(GetWindowTextUtf8(label), "Name:");
    EXPECT_TRUE(SetWindowText(label, "Ονομα:"));
    EXPECT_EQ(GetWindowTextUtf8(label), "Ονομα:");
    EXPECT_EQ(SendMessage(label, WM_GETDLGCODE, 0, 0), DLGC_STATIC);
    EXPECT_TRUE(SequenceIs(spy, {}));

    EXPECT_TRUE(GetWindowLongPtr(CreateStatic(SS_SUNKEN), GWL_EXSTYLE) & WS_EX_STATICEDGE);
    EXPECT_FALSE(GetWindowLongPtr(CreateStatic(SS_LEFT), GWL_EXSTYLE) & WS_EX_STATICEDGE);
}

TEST_F(StaticControlTest, ReportsClicksOnlyWithNotifyAndWhileEnabled) {
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
}

struct ImageCase {
    DWORD kind;
    UINT type;
    bool shown;
};

class StaticImageTest : public StaticControlTest,
                        public ::testing::WithParamInterface<ImageCase> {};

TEST_P(StaticImageTest, KeepsOnlyTheImageItsKindShows) {
    const auto [kind, type, shown] = GetParam();
    const HWND picture = CreateStatic(kind);
    auto* first = reinterpret_cast<void*>(0x1000);
    auto* second = reinterpret_cast<void*>(0x2000);
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(SendMessage(picture, STM_SETIMAGE, type, reinterpret_cast<LPARAM>(first)), 0);
    EXPECT_EQ(GetLastError(), shown ? ERROR_SUCCESS : ERROR_INVALID_PARAMETER);
    const LRESULT previous =
        SendMessage(picture, STM_SETIMAGE, type, reinterpret_cast<LPARAM>(second));
    EXPECT_EQ(previous, shown ? reinterpret_cast<LRESULT>(first) : 0);
    EXPECT_EQ(SendMessage(picture, STM_GETIMAGE, type, 0),
              shown ? reinterpret_cast<LRESULT>(second) : 0);
    EXPECT_TRUE(SequenceIs(spy, {}));
}

INSTANTIATE_TEST_SUITE_P(Kinds, StaticImageTest,
                         ::testing::Values(ImageCase{SS_BITMAP, IMAGE_BITMAP, true},
                                           ImageCase{SS_BITMAP, IMAGE_ICON, false},
                                           ImageCase{SS_ICON, IMAGE_ICON, true},
                                           ImageCase{SS_ICON, IMAGE_CURSOR, true},
                                           ImageCase{SS_ICON, IMAGE_BITMAP, false},
                                           ImageCase{SS_ENHMETAFILE, IMAGE_ENHMETAFILE, true},
                                           ImageCase{SS_LEFT, IMAGE_BITMAP, false}));

TEST_F(StaticControlTest, IconMessagesWorkOnIconStaticsOnly) {
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
