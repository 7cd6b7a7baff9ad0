#include "hostlib/util/PixelCanvas.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr std::uint32_t kInk = 0xFF102030;

// The canvas as rows of '#' (ink), '.' (transparent) and '?' (anything else).
std::string Art(const PixelCanvas& canvas) {
    std::string art;
    for (int y = 0; y < canvas.Size(); ++y) {
        for (int x = 0; x < canvas.Size(); ++x) {
            const std::uint32_t pixel =
                canvas.Pixels()[static_cast<std::size_t>(y * canvas.Size() + x)];
            art += pixel == kInk ? '#' : pixel == 0 ? '.' : '?';
        }
        art += '\n';
    }
    return art;
}

TEST(PixelCanvasTest, ShapesCoverThePixelsWhoseCentresTheyHold) {
    PixelCanvas rect(6, 1);
    rect.Rect(1, 1, 4, 3, kInk);
    EXPECT_EQ(Art(rect), "......\n.###..\n.###..\n......\n......\n......\n");

    PixelCanvas frame(6, 1);
    frame.Frame(0, 0, 5, 4, kInk);
    EXPECT_EQ(Art(frame), "#####.\n#...#.\n#...#.\n#####.\n......\n......\n");

    PixelCanvas disc(7, 1);
    disc.Disc(3.5, 3.5, 2.3, kInk);
    EXPECT_EQ(Art(disc), ".......\n..###..\n.#####.\n.#####.\n.#####.\n..###..\n.......\n");

    PixelCanvas triangle(6, 1);
    triangle.Polygon({{0, 0}, {5.6, 0}, {0, 5.6}}, kInk);
    EXPECT_EQ(Art(triangle), "#####.\n####..\n###...\n##....\n#.....\n......\n");

    PixelCanvas line(6, 1);
    line.Line({0.5, 0.5}, {5.5, 5.5}, 1, kInk);
    EXPECT_EQ(Art(line), "#.....\n.#....\n..#...\n...#..\n....#.\n.....#\n");
}

TEST(PixelCanvasTest, ScaleDrawsTheSameShapeWithMorePixelsAndLaterShapesPaintOver) {
    PixelCanvas small(3, 1);
    small.Rect(1, 0, 3, 1, kInk);
    PixelCanvas large(3, 2);
    large.Rect(1, 0, 3, 1, kInk);
    EXPECT_EQ(Art(small), ".##\n...\n...\n");
    EXPECT_EQ(Art(large), "..####\n..####\n......\n......\n......\n......\n");
    // Later shapes paint over earlier ones and can cut holes.
    PixelCanvas canvas(5, 1);
    canvas.Rect(0, 0, 5, 5, 0xFFFFFFFF);
    canvas.Rect(1, 1, 4, 4, kInk);
    canvas.Rect(2, 2, 3, 3, 0);
    EXPECT_EQ(Art(canvas), "?????\n?###?\n?#.#?\n?###?\n?????\n");
    PixelCanvas degenerate(3, 1);
    degenerate.Polygon({{0, 0}, {3, 3}}, kInk);  // Two corners enclose nothing.
    EXPECT_EQ(Art(degenerate), "...\n...\n...\n");
}

}  // namespace
