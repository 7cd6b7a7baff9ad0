#include "hostlib/util/HostImages.h"

#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

#include "hostlib/util/PixelCanvas.h"
#include "platform/core/LastError.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Icon.h"

namespace {

using Point = PixelCanvas::Point;

constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kDark = 0xFF303030;
constexpr std::uint32_t kGrey = 0xFF909090;
constexpr std::uint32_t kDarkGrey = 0xFF505860;
constexpr std::uint32_t kBlue = 0xFF2060C0;
constexpr std::uint32_t kLightBlue = 0xFFA8C8F0;
constexpr std::uint32_t kGreen = 0xFF3C8C3C;
constexpr std::uint32_t kRed = 0xFFC03020;
constexpr std::uint32_t kDarkRed = 0xFF801810;
constexpr std::uint32_t kYellow = 0xFFE8C020;
constexpr std::uint32_t kBrown = 0xFF8B5A2B;
constexpr std::uint32_t kDarkBrown = 0xFF5A3A1A;
constexpr std::uint32_t kBeige = 0xFFF0E0C0;
constexpr std::uint32_t kSkin = 0xFFF0C8A0;

void DrawGlobe(PixelCanvas& c, double x, double y, double radius) {
    c.Disc(x, y, radius, kBlue);
    const double r = radius - 0.5;
    c.Line({x - r, y}, {x + r, y}, 1, kLightBlue);
    c.Line({x, y - r}, {x, y + r}, 1, kLightBlue);
    // Two meridians, each half an ellipse drawn in short segments.
    constexpr int kSteps = 8;
    for (const double side : {-1.0, 1.0}) {
        Point from{x, y - r};
        for (int step = 1; step <= kSteps; ++step) {
            const double angle = std::numbers::pi * step / kSteps;
            const Point to{x + side * r * 0.55 * std::sin(angle), y - r * std::cos(angle)};
            c.Line(from, to, 1, kLightBlue);
            from = to;
        }
    }
}

void DrawEnvelope(PixelCanvas& c) {
    c.Rect(1, 3, 15, 12, kWhite);
    c.Frame(1, 3, 15, 12, kGrey);
    c.Line({1.5, 3.5}, {8, 8.5}, 1, kGrey);
    c.Line({14.5, 3.5}, {8, 8.5}, 1, kGrey);
}

void DrawWebPage(PixelCanvas& c) {
    DrawGlobe(c, 8, 8, 7);
}

void DrawOutsidePage(PixelCanvas& c) {
    c.Rect(2, 5, 12, 15, kGreen);
    c.Disc(7, 3.5, 2.2, kGreen);
    c.Disc(13, 10, 2.2, kGreen);
    c.Disc(7, 15, 2, 0);  // The socket the next piece fits into.
}

void DrawCopySummary(PixelCanvas& c) {
    c.Rect(2.5, 2, 13.5, 15.5, kBrown);
    c.Rect(4, 4, 12, 14, kWhite);
    c.Rect(5.5, 1, 10.5, 3.5, kGrey);
    for (double y : {6.0, 8.5, 11.0}) c.Rect(5.5, y, y < 11 ? 10.5 : 9, y + 1, kDarkGrey);
}

void DrawHome(PixelCanvas& c) {
    c.Rect(3, 8, 13, 15, kBeige);
    c.Frame(3, 8, 13, 15, kDarkBrown);
    c.Polygon({{8, 1}, {15.5, 8.5}, {0.5, 8.5}}, kRed);
    c.Rect(7, 10, 10, 15, kBrown);
}

void DrawPerson(PixelCanvas& c, double x, double y, std::uint32_t clothes) {
    c.Disc(x, y + 7.5, 4.2, clothes);
    c.Disc(x, y, 2.6, kSkin);
}

void DrawAffiliations(PixelCanvas& c) {
    DrawPerson(c, 10.5, 4, kGreen);
    DrawPerson(c, 5.5, 5.5, kBlue);
}

void DrawInterests(PixelCanvas& c) {
    c.Polygon({{8, 1.5},
               {9.76, 6.07},
               {14.66, 6.34},
               {10.85, 9.43},
               {12.11, 14.16},
               {8, 11.5},
               {3.89, 14.16},
               {5.15, 9.43},
               {1.34, 6.34},
               {6.24, 6.07}},
              kYellow);
}

void DrawMore(PixelCanvas& c) {
    c.Disc(8, 8, 7, kGreen);
    c.Rect(7, 3.5, 9, 12.5, kWhite);
    c.Rect(3.5, 7, 12.5, 9, kWhite);
}

void DrawWork(PixelCanvas& c) {
    c.Frame(5, 2, 11, 6, kDarkBrown);
    c.Rect(1, 5, 15, 14, kBrown);
    c.Rect(1, 8.5, 15, 9.5, kDarkBrown);
    c.Rect(7, 7.5, 9, 10.5, kYellow);
}

void DrawMain(PixelCanvas& c) {
    c.Rect(0.5, 3, 15.5, 13.5, kLightBlue);
    c.Frame(0.5, 3, 15.5, 13.5, kBlue);
    c.Rect(2.5, 9.5, 7.5, 12.5, kBlue);
    c.Disc(5, 7, 2, kSkin);
    for (double y : {5.5, 8.0, 10.5}) c.Rect(9, y, y < 10 ? 14 : 12.5, y + 1, kDark);
}

void DrawAbout(PixelCanvas& c) {
    c.Disc(8, 8, 7, kBlue);
    c.Disc(8, 4.5, 1.4, kWhite);
    c.Rect(7, 7, 9, 12.5, kWhite);
}

void DrawFax(PixelCanvas& c) {
    c.Rect(4, 1, 12, 7, kWhite);
    c.Frame(4, 1, 12, 7, kGrey);
    c.Rect(1, 6, 15, 14, kDarkGrey);
    c.Rect(2.5, 8, 8, 10.5, kLightBlue);
    for (double x : {10.0, 12.5}) {
        for (double y : {8.0, 10.5}) c.Rect(x, y, x + 1.5, y + 1.5, kWhite);
    }
}

void DrawCellular(PixelCanvas& c) {
    c.Line({10.5, 0.5}, {10.5, 3}, 1, kDark);
    c.Rect(5, 2, 11.5, 15.5, kDark);
    c.Rect(6, 3.5, 10.5, 8, kLightBlue);
    for (double x : {6.0, 7.75, 9.5}) {
        for (double y : {9.5, 11.5, 13.5}) c.Rect(x, y, x + 1, y + 1, kWhite);
    }
}

void DrawDefaultAddress(PixelCanvas& c) {
    DrawEnvelope(c);
    c.Line({8.5, 11.5}, {11, 14}, 2, kGreen);
    c.Line({11, 14}, {15, 8.5}, 2, kGreen);
}

void DrawPhone(PixelCanvas& c) {
    c.Polygon({{4, 7}, {12, 7}, {15, 15}, {1, 15}}, kRed);
    c.Line({3, 3.5}, {13, 3.5}, 3, kDarkRed);
    c.Disc(8, 11, 2.3, kWhite);
    c.Disc(8, 11, 0.9, kRed);
}

void DrawPublishedAddress(PixelCanvas& c) {
    DrawEnvelope(c);
    DrawGlobe(c, 11.5, 11.5, 4);
}

// A plain tile for an index without a symbol: its colour from the index, and its eight low bits
// as white squares (bit 0 at the top left), so no two tiles are alike.
void DrawTile(PixelCanvas& c, int index) {
    constexpr std::uint32_t kTileColours[] = {0xFF607080, 0xFF4878A8, 0xFF58906C, 0xFF9C7048,
                                              0xFF8060A0, 0xFFA05060, 0xFF40989C};
    const std::uint32_t colour = kTileColours[index % std::size(kTileColours)];
    c.Rect(1, 2, 15, 14, colour);
    c.Rect(2, 1, 14, 15, colour);
    for (int bit = 0; bit < 8; ++bit) {
        if (!((index >> bit) & 1)) continue;
        const double x = 2.5 + 3 * (bit % 4);
        const double y = 4.5 + 5 * (bit / 4);
        c.Rect(x, y, x + 2, y + 2, kWhite);
    }
}

struct Symbol {
    int number;
    void (*draw)(PixelCanvas&);
};

constexpr Symbol kSmallImages[] = {
    {kHostImageWebPage, DrawWebPage},
    {kHostImageOutsidePage, DrawOutsidePage},
    {kHostImageCopySummary, DrawCopySummary},
    {kHostImageHome, DrawHome},
    {kHostImageAffiliations, DrawAffiliations},
    {kHostImageInterests, DrawInterests},
    {kHostImageMore, DrawMore},
    {kHostImageWork, DrawWork},
    {kHostImageMain, DrawMain},
    {kHostImageAbout, DrawAbout},
    {kHostImageFax, DrawFax},
    {kHostImageCellular, DrawCellular},
    {kHostImageDefaultAddress, DrawDefaultAddress},
    {kHostImagePhone, DrawPhone},
    {kHostImagePublishedAddress, DrawPublishedAddress},
};

constexpr Symbol kIcons[] = {
    {kHostIconWebPage, DrawWebPage},
    {kHostIconUserDetails, DrawMain},
};

template <std::size_t N>
const Symbol* Find(const Symbol (&symbols)[N], int number) {
    for (const Symbol& symbol : symbols) {
        if (symbol.number == number) return &symbol;
    }
    return nullptr;
}

PixelCanvas DrawSmallImage(int index) {
    PixelCanvas canvas(kHostSmallImageSize, 1);
    if (const Symbol* symbol = Find(kSmallImages, index)) {
        symbol->draw(canvas);
    } else {
        DrawTile(canvas, index);
    }
    return canvas;
}

}  // namespace

HIMAGELIST CreateHostSmallImageList() {
    constexpr int kCount = kHostLastImage + 1;
    constexpr int kStripWidth = kCount * kHostSmallImageSize;
    std::vector<std::uint32_t> strip(static_cast<std::size_t>(kStripWidth) * kHostSmallImageSize);
    for (int index = 0; index < kCount; ++index) {
        const PixelCanvas image = DrawSmallImage(index);
        for (int y = 0; y < kHostSmallImageSize; ++y) {
            for (int x = 0; x < kHostSmallImageSize; ++x) {
                strip[static_cast<std::size_t>(y * kStripWidth + index * kHostSmallImageSize + x)] =
                    image.Pixels()[static_cast<std::size_t>(y * kHostSmallImageSize + x)];
            }
        }
    }
    const HBITMAP bitmap = winport::CreateBitmapFromPixels(kStripWidth, kHostSmallImageSize, strip);
    if (!bitmap) return nullptr;
    HIMAGELIST list = ImageList_Create(kHostSmallImageSize, kHostSmallImageSize,
                                       ILC_COLOR32 | ILC_MASK, kCount, 0);
    if (list && ImageList_Add(list, bitmap, nullptr) != 0) {
        ImageList_Destroy(list);
        list = nullptr;
    }
    DeleteObject(bitmap);
    return list;
}

HICON CreateHostIcon(int number) {
    const Symbol* symbol = Find(kIcons, number);
    if (!symbol) {
        winport::SetLastErrorText(ERROR_RESOURCE_NAME_NOT_FOUND,
                                  "the host has no icon " + std::to_string(number));
        return nullptr;
    }
    PixelCanvas canvas(kHostSmallImageSize, kHostIconSize / kHostSmallImageSize);
    symbol->draw(canvas);
    return winport::CreateIconFromPixels(kHostIconSize, kHostIconSize, canvas.Pixels());
}
