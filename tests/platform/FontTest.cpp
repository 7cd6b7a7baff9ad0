#include "platform/gdi/Font.h"

#include <cstring>
#include <string>
#include <tuple>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/StockObjects.h"
#include "tests/platform/GdiTestSupport.h"

namespace {

class FontTest : public winport::testing::GdiLeakCheckedTest {
protected:
    static LOGFONT Describe(HGDIOBJ font) {
        return winport::testing::DescribeObject<LOGFONT>(font);
    }
    static winport::FontMetrics MetricsOf(HFONT font) {
        return Must(winport::GetFontMetrics(font));
    }
    // Measures a font made from |font| and deletes it again.
    static winport::FontMetrics MetricsOf(const LOGFONT& font) {
        const HFONT handle = CreateFontIndirect(&font);
        const winport::FontMetrics metrics = MetricsOf(handle);
        EXPECT_TRUE(DeleteObject(handle));
        return metrics;
    }
    static LOGFONT Face(LONG height, LONG weight = FW_NORMAL, BYTE pitchAndFamily = 0) {
        LOGFONT font{.lfHeight = height, .lfWeight = weight, .lfPitchAndFamily = pitchAndFamily};
        std::strcpy(font.lfFaceName, "Tahoma");
        return font;
    }
};

TEST_F(FontTest, CreateFontKeepsAllFourteenArgumentsAndCutsTheFaceName) {
    const HFONT font =
        CreateFont(-13, 5, 900, 450, FW_BOLD, TRUE, TRUE, TRUE, DEFAULT_CHARSET, OUT_TT_PRECIS,
                   CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, VARIABLE_PITCH | FF_SWISS, "Segoe UI");
    ASSERT_NE(font, nullptr);
    const LOGFONT d = Describe(font);
    EXPECT_EQ(std::tie(d.lfHeight, d.lfWidth, d.lfEscapement, d.lfOrientation, d.lfWeight),
              std::make_tuple(-13, 5, 900, 450, FW_BOLD));
    EXPECT_EQ(std::tie(d.lfItalic, d.lfUnderline, d.lfStrikeOut, d.lfCharSet, d.lfOutPrecision,
                       d.lfClipPrecision, d.lfQuality, d.lfPitchAndFamily),
              std::make_tuple(1, 1, 1, DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                              CLEARTYPE_QUALITY, VARIABLE_PITCH | FF_SWISS));
    EXPECT_STREQ(d.lfFaceName, "Segoe UI");
    EXPECT_EQ(GetObjectType(font), OBJ_FONT);
    EXPECT_TRUE(DeleteObject(font));

    LOGFONT unterminated = Face(-11);
    std::memset(unterminated.lfFaceName, 'x', sizeof unterminated.lfFaceName);
    const HFONT handle = CreateFontIndirect(&unterminated);
    EXPECT_EQ(std::string(Describe(handle).lfFaceName), std::string(31, 'x'));
    EXPECT_TRUE(DeleteObject(handle));

    EXPECT_TRUE(FailsWith(CreateFontIndirect(nullptr), ERROR_INVALID_PARAMETER));
}

TEST_F(FontTest, DialogAndGuiFontsAreEightPointsAtTheLogicalResolutionRoundedAsWindows) {
    for (const auto& [dpi, height] : {std::pair(96, -11), {120, -13}, {144, -16}})
        EXPECT_EQ(winport::PointSizeToHeight(8, dpi), height);
    const HFONT font = winport::CreateDialogFont();
    const LOGFONT d = Describe(font);
    EXPECT_EQ(d.lfHeight, -11);
    EXPECT_STREQ(d.lfFaceName, "MS Shell Dlg");
    const winport::FontMetrics metrics = MetricsOf(font);
    EXPECT_EQ(std::pair(metrics.height, metrics.averageCharWidth), std::pair(13, 6));
    EXPECT_EQ(metrics.ascent + metrics.descent, metrics.height);
    EXPECT_GT(metrics.maxCharWidth, metrics.averageCharWidth);
    // Text extents count code points, not bytes.
    EXPECT_EQ(winport::EstimateTextExtent(font, "Hello"), (SIZE{30, 13}));
    EXPECT_EQ(winport::EstimateTextExtent(font, "Grüße"), (SIZE{30, 13}));
    EXPECT_EQ(winport::EstimateTextExtent(font, "日本語"), (SIZE{18, 13}));
    EXPECT_EQ(winport::EstimateTextExtent(font, ""), (SIZE{0, 13}));
    EXPECT_TRUE(DeleteObject(font));
    const HGDIOBJ gui = GetStockObject(DEFAULT_GUI_FONT);
    EXPECT_EQ(Describe(gui).lfHeight, -11);
    EXPECT_STREQ(Describe(gui).lfFaceName, "MS Shell Dlg");
    {
        winport::ScopedLogicalPixelsPerInch dpi(120);
        const HFONT larger = winport::CreateDialogFont();
        EXPECT_EQ(Describe(larger).lfHeight, -13);
        const winport::FontMetrics metrics = MetricsOf(larger);
        EXPECT_EQ(std::pair(metrics.height, metrics.averageCharWidth), std::pair(16, 7));
        EXPECT_TRUE(DeleteObject(larger));
    }
    winport::ScopedLogicalPixelsPerInch dpi(144);
    EXPECT_EQ(Describe(gui).lfHeight, -16);
}

TEST_F(FontTest, HeightWidthWeightAndPitchShapeTheCharactersNullIsTheSystemFontsOnly) {
    EXPECT_EQ(MetricsOf(Face(16)).height, 16);
    EXPECT_EQ(MetricsOf(Face(-16)).height, 19);
    EXPECT_EQ(MetricsOf(Face(-16)).ascent, 16);
    // Zero asks for the default size, the system font's cell.
    EXPECT_EQ(MetricsOf(Face(0)).height, 16);

    LOGFONT narrow = Face(-11);
    narrow.lfWidth = 4;
    EXPECT_EQ(MetricsOf(narrow).averageCharWidth, 4);
    EXPECT_GT(MetricsOf(Face(-13, FW_BOLD)).averageCharWidth,
              MetricsOf(Face(-13, FW_NORMAL)).averageCharWidth);
    const winport::FontMetrics fixed = MetricsOf(Face(-13, FW_NORMAL, FIXED_PITCH | FF_MODERN));
    EXPECT_EQ(fixed.averageCharWidth, 8);  // Courier New at 10 points
    EXPECT_EQ(fixed.maxCharWidth, fixed.averageCharWidth);

    const winport::FontMetrics huge = MetricsOf(Face(INT32_MIN));
    EXPECT_TRUE(huge.height > 0 && huge.averageCharWidth > 0);
    EXPECT_EQ(MetricsOf(Face(-1)).averageCharWidth, 1);

    // Null means the system font; something else has no metrics.
    const winport::FontMetrics system = MetricsOf(HFONT{});
    EXPECT_EQ(system, MetricsOf(static_cast<HFONT>(GetStockObject(SYSTEM_FONT))));
    EXPECT_EQ(std::pair(system.height, system.averageCharWidth), std::pair(16, 8));

    const HBRUSH brush = CreateSolidBrush(0);
    EXPECT_TRUE(
        FailsWith(winport::GetFontMetrics(reinterpret_cast<HFONT>(brush)), ERROR_INVALID_HANDLE));
    EXPECT_EQ(winport::EstimateTextExtent(reinterpret_cast<HFONT>(brush), "abc"), (SIZE{0, 0}));
    EXPECT_TRUE(DeleteObject(brush));
}

}  // namespace
