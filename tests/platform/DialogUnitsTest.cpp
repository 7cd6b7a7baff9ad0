#include "platform/gdi/DialogUnits.h"

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Font.h"
#include "tests/platform/GdiTestSupport.h"

namespace {

constexpr SIZE kShellDlgAt96{6, 13};

class DialogUnitsTest : public winport::testing::GdiLeakCheckedTest {
protected:
    static SIZE DialogFontUnits() {
        const HFONT font = winport::CreateDialogFont();
        const SIZE units = winport::DialogBaseUnits(font);
        EXPECT_TRUE(DeleteObject(font));
        return units;
    }
};

TEST_F(DialogUnitsTest, BaseUnitsFollowTheFontAndResolutionAndMapEdgesAndTemplateItems) {
    EXPECT_EQ(DialogFontUnits(), kShellDlgAt96);
    EXPECT_EQ(winport::DialogBaseUnits(nullptr), (SIZE{8, 16}));  // The system font's.
    EXPECT_EQ(GetDialogBaseUnits(), MAKELONG(8, 16));
    const HBRUSH brush = CreateSolidBrush(0);
    EXPECT_TRUE(AnswersWith(winport::DialogBaseUnits(reinterpret_cast<HFONT>(brush)), (SIZE{0, 0}),
                            ERROR_INVALID_HANDLE));
    EXPECT_TRUE(DeleteObject(brush));
    winport::ScopedLogicalPixelsPerInch dpi(120);
    EXPECT_EQ(DialogFontUnits(), (SIZE{7, 16}));
    EXPECT_EQ(GetDialogBaseUnits(), MAKELONG(10, 20));

    const std::pair<RECT, RECT> kCases[] = {
        {{0, 0, 50, 14}, {0, 0, 75, 23}},    // a standard push button
        {{7, 7, 57, 21}, {11, 11, 86, 34}},  // the same button at the standard margin
        {{-1, -1, 0, 0}, {-2, -2, 0, 0}},    // negative halves round away from zero
    };
    for (const auto& [units, pixels] : kCases) {
        EXPECT_EQ(winport::DialogUnitsToPixels(units, kShellDlgAt96), pixels)
            << "dialog units " << units.left << "," << units.top << "," << units.right << ","
            << units.bottom;
    }

    EXPECT_EQ(winport::DialogItemToPixels(7, 7, 50, 14, kShellDlgAt96), (RECT{11, 11, 86, 34}));
    // Half pixels round up in the origin and in the size alike, so the edges differ from a
    // mapping of the edges.
    EXPECT_EQ(winport::DialogItemToPixels(1, 1, 1, 1, kShellDlgAt96), (RECT{2, 2, 4, 4}));
    EXPECT_EQ(winport::DialogUnitsToPixels(RECT{1, 1, 2, 2}, kShellDlgAt96), (RECT{2, 2, 3, 3}));
}

}  // namespace
