#include "hostlib/util/PixelCanvas.h"

#include <algorithm>
PixelCanvas::PixelCanvas(int units, int scale)
    : m_size(std::max(units, 1) * std::max(scale, 1)),
      m_scale(std::max(scale, 1)),
      m_pixels(static_cast<std::size_t>(m_size) * static_cast<std::size_t>(m_size), 0) {}

template <class Inside>
void PixelCanvas::Paint(std::uint32_t colour, Inside inside) {
    for (int y = 0; y < m_size; ++y) {
        for (int x = 0; x < m_size; ++x) {
            if (inside(Point{(x + 0.5) / m_scale, (y + 0.5) / m_scale})) {
                m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_size) +
                         static_cast<std::size_t>(x)] = colour;
            }
        }
    }
}

void PixelCanvas::Rect(double left, double top, double right, double bottom, std::uint32_t colour) {
    Paint(colour,
          [&](Point p) { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; });
}

void PixelCanvas::Frame(double left, double top, double right, double bottom,
                        std::uint32_t colour) {
    Paint(colour, [&](Point p) {
        const bool inOuter = p.x >= left && p.x < right && p.y >= top && p.y < bottom;
        const bool inInner =
            p.x >= left + 1 && p.x < right - 1 && p.y >= top + 1 && p.y < bottom - 1;
        return inOuter && !inInner;
    });
}

void PixelCanvas::Disc(double centreX, double centreY, double radius, std::uint32_t colour) {
    Paint(colour, [&](Point p) {
        const double dx = p.x - centreX;
        const double dy = p.y - centreY;
        return dx * dx + dy * dy <= radius * radius;
    });
}

void PixelCanvas::Polygon(std::initializer_list<Point> corners, std::uint32_t colour) {
    const Point* points = corners.begin();
    const std::size_t count = corners.size();
    if (count < 3) return;
    Paint(colour, [&](Point p) {
        bool inside = false;
        for (std::size_t i = 0, j = count - 1; i < count; j = i++) {
            const Point& a = points[i];
            const Point& b = points[j];
            if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) {
                inside = !inside;
            }
        }
        return inside;
    });
}

void PixelCanvas::Line(Point from, Point to, double width, std::uint32_t colour) {
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const double lengthSquared = dx * dx + dy * dy;
    const double reach = width / 2;
    Paint(colour, [&](Point p) {
        double t =
            lengthSquared > 0 ? ((p.x - from.x) * dx + (p.y - from.y) * dy) / lengthSquared : 0;
        t = std::clamp(t, 0.0, 1.0);
        const double ex = p.x - (from.x + t * dx);
        const double ey = p.y - (from.y + t * dy);
        return ex * ex + ey * ey <= reach * reach;
    });
}
