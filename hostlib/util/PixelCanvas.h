// A small raster for the host's own pictures. Shapes are given on a square grid of units (16
// for a small image) and drawn at |scale| pixels a unit, so one drawing makes both a small
// image and a large icon. What is not drawn stays transparent.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

class PixelCanvas {
public:
    struct Point {
        double x = 0;
        double y = 0;
    };

    // |units| x |units| units of |scale| x |scale| pixels; both at least 1.
    PixelCanvas(int units, int scale);

    // Pixels whose centres lie in [left, right) x [top, bottom).
    void Rect(double left, double top, double right, double bottom, std::uint32_t colour);
    // A one-unit outline just inside the rectangle.
    void Frame(double left, double top, double right, double bottom, std::uint32_t colour);
    void Disc(double centreX, double centreY, double radius, std::uint32_t colour);
    // A closed polygon, filled by the even-odd rule.
    void Polygon(std::initializer_list<Point> corners, std::uint32_t colour);
    // A segment |width| units thick with round ends.
    void Line(Point from, Point to, double width, std::uint32_t colour);

    int Size() const { return m_size; }
    // Rows from the top, 0xAARRGGBB.
    std::span<const std::uint32_t> Pixels() const { return m_pixels; }

private:
    // Paints every pixel whose centre, in units, passes |inside|.
    template <class Inside>
    void Paint(std::uint32_t colour, Inside inside);

    int m_size;
    double m_scale;
    std::vector<std::uint32_t> m_pixels;
};
