#include "raster.h"

#include <algorithm>
#include <cmath>

#include "skin/draw/gradient.h"

namespace aw::skinart {

namespace {

constexpr int kSamples = 4;

template <typename Inside>
double Coverage(int x, int y, Inside inside)
{
    int hits = 0;
    for (int j = 0; j < kSamples; ++j)
        for (int i = 0; i < kSamples; ++i)
            if (inside(x + (i + 0.5) / kSamples, y + (j + 0.5) / kSamples)) ++hits;
    return static_cast<double>(hits) / (kSamples * kSamples);
}

// Lays `colour` over one pixel with the given coverage.
void Plot(PixelImage& image, int x, int y, Colour colour, double coverage, Colour underlay)
{
    if (!image.Contains(x, y) || coverage <= 0.0) return;
    const Colour current = image.At(x, y);
    if (current != skin::kMagenta) {
        image.Set(x, y, Mix(current, colour, coverage));
    } else if (underlay != skin::kMagenta) {
        if (coverage >= 0.2) image.Set(x, y, Mix(underlay, colour, coverage));
    } else if (coverage >= 0.5) {
        image.Set(x, y, colour);
    }
}

template <typename Inside, typename ColourAt>
void PaintShape(PixelImage& image, const Rect& bounds, Inside inside, ColourAt colourAt, Colour underlay)
{
    const Rect visible = skin::Intersect(bounds, MakeRect(0, 0, image.width, image.height));
    for (int y = visible.top; y < visible.bottom; ++y)
        for (int x = visible.left; x < visible.right; ++x) Plot(image, x, y, colourAt(y), Coverage(x, y, inside), underlay);
}

auto RoundRectTest(const Rect& r, double radius)
{
    return [r, radius](double px, double py) {
        if (px < r.left || px > r.right || py < r.top || py > r.bottom) return false;
        const double cx = std::clamp(px, r.left + radius, r.right - radius);
        const double cy = std::clamp(py, r.top + radius, r.bottom - radius);
        return (px - cx) * (px - cx) + (py - cy) * (py - cy) <= radius * radius;
    };
}

Rect Inset(const Rect& r, int by) { return Rect{r.left + by, r.top + by, r.right - by, r.bottom - by}; }

}  // namespace

Colour Mix(Colour a, Colour b, double t)
{
    auto channel = [t](int p, int q) { return static_cast<int>(std::lround(p + (q - p) * t)); };
    return skin::Rgb(channel(skin::RedOf(a), skin::RedOf(b)), channel(skin::GreenOf(a), skin::GreenOf(b)),
                     channel(skin::BlueOf(a), skin::BlueOf(b)));
}

void Fill(PixelImage& image, const Rect& area, Colour colour)
{
    const Rect visible = skin::Intersect(area, MakeRect(0, 0, image.width, image.height));
    for (int y = visible.top; y < visible.bottom; ++y)
        for (int x = visible.left; x < visible.right; ++x) image.Set(x, y, colour);
}

void VerticalGradient(PixelImage& image, const Rect& area, Colour top, Colour bottom)
{
    const std::vector<Colour> rows = skin::GradientColours(top, bottom, area.Height());
    for (int y = area.top; y < area.bottom; ++y) Fill(image, Rect{area.left, y, area.right, y + 1}, rows[y - area.top]);
}

void HLine(PixelImage& image, int x0, int x1, int y, Colour colour) { Fill(image, Rect{x0, y, x1, y + 1}, colour); }

void VLine(PixelImage& image, int x, int y0, int y1, Colour colour) { Fill(image, Rect{x, y0, x + 1, y1}, colour); }

void FillRoundRect(PixelImage& image, const Rect& area, double radius, Colour colour, Colour underlay)
{
    PaintShape(image, area, RoundRectTest(area, radius), [colour](int) { return colour; }, underlay);
}

void BorderedRoundRect(PixelImage& image, const Rect& area, double radius, Colour border, Colour fill, Colour underlay)
{
    FillRoundRect(image, area, radius, border, underlay);
    FillRoundRect(image, Inset(area, 1), std::max(0.0, radius - 1), fill, underlay);
}

void BorderedRoundRectGradient(PixelImage& image, const Rect& area, double radius, Colour border, Colour top,
                               Colour bottom, Colour underlay)
{
    FillRoundRect(image, area, radius, border, underlay);
    const Rect inner = Inset(area, 1);
    const std::vector<Colour> rows = skin::GradientColours(top, bottom, inner.Height());
    PaintShape(
        image, inner, RoundRectTest(inner, std::max(0.0, radius - 1)),
        [&](int y) { return rows[static_cast<std::size_t>(std::clamp(y - inner.top, 0, inner.Height() - 1))]; },
        underlay);
}

void FillShape(PixelImage& image, const Rect& bounds, const std::function<bool(double, double)>& inside, Colour colour,
               Colour underlay)
{
    PaintShape(image, bounds, inside, [colour](int) { return colour; }, underlay);
}

void FillLine(PixelImage& image, double x0, double y0, double x1, double y1, double width, Colour colour,
              Colour underlay)
{
    const double half = width / 2;
    const Rect bounds{static_cast<int>(std::floor(std::min(x0, x1) - half)), static_cast<int>(std::floor(std::min(y0, y1) - half)),
                      static_cast<int>(std::ceil(std::max(x0, x1) + half)), static_cast<int>(std::ceil(std::max(y0, y1) + half))};
    const double dx = x1 - x0, dy = y1 - y0, length2 = dx * dx + dy * dy;
    auto inside = [=](double px, double py) {
        const double t = length2 > 0 ? std::clamp(((px - x0) * dx + (py - y0) * dy) / length2, 0.0, 1.0) : 0.0;
        const double ex = px - (x0 + t * dx), ey = py - (y0 + t * dy);
        return ex * ex + ey * ey <= half * half;
    };
    PaintShape(image, bounds, inside, [colour](int) { return colour; }, underlay);
}

void FillCircle(PixelImage& image, double cx, double cy, double radius, Colour colour, Colour underlay)
{
    const Rect bounds{static_cast<int>(std::floor(cx - radius)), static_cast<int>(std::floor(cy - radius)),
                      static_cast<int>(std::ceil(cx + radius)), static_cast<int>(std::ceil(cy + radius))};
    auto inside = [cx, cy, radius](double px, double py) {
        return (px - cx) * (px - cx) + (py - cy) * (py - cy) <= radius * radius;
    };
    PaintShape(image, bounds, inside, [colour](int) { return colour; }, underlay);
}

void DrawPattern(PixelImage& image, int x, int y, std::initializer_list<std::string_view> rows,
                 std::initializer_list<Ink> inks)
{
    int row = 0;
    for (std::string_view text : rows) {
        for (int column = 0; column < static_cast<int>(text.size()); ++column) {
            for (const Ink& ink : inks) {
                if (ink.first == text[static_cast<std::size_t>(column)] && image.Contains(x + column, y + row))
                    image.Set(x + column, y + row, ink.second);
            }
        }
        ++row;
    }
}

void DrawPatternCentred(PixelImage& image, const Rect& area, std::initializer_list<std::string_view> rows,
                        std::initializer_list<Ink> inks)
{
    int width = 0;
    for (std::string_view text : rows) width = std::max(width, static_cast<int>(text.size()));
    const int height = static_cast<int>(rows.size());
    DrawPattern(image, area.left + (area.Width() - width) / 2, area.top + (area.Height() - height) / 2, rows, inks);
}

PixelImage Frames(int count, int w, int h, const std::function<void(PixelImage&, int)>& draw)
{
    std::vector<PixelImage> frames;
    for (int k = 1; k <= count; ++k) {
        PixelImage frame(w, h, skin::kMagenta);
        draw(frame, k);
        frames.push_back(std::move(frame));
    }
    return SideBySide(frames);
}

PixelImage SideBySide(const std::vector<PixelImage>& frames)
{
    int width = 0, height = 0;
    for (const PixelImage& f : frames) width += f.width, height = std::max(height, f.height);
    PixelImage strip(width, height, skin::kMagenta);
    int x = 0;
    for (const PixelImage& f : frames) {
        skin::CopyOnto(strip, f, x, 0);
        x += f.width;
    }
    return strip;
}

PixelImage Stacked(const std::vector<PixelImage>& frames)
{
    int width = 0, height = 0;
    for (const PixelImage& f : frames) height += f.height, width = std::max(width, f.width);
    PixelImage strip(width, height, skin::kMagenta);
    int y = 0;
    for (const PixelImage& f : frames) {
        skin::CopyOnto(strip, f, 0, y);
        y += f.height;
    }
    return strip;
}

}  // namespace aw::skinart
