#include "sura_header_image.h"

#include "png_encoder.h"

#include <algorithm>
#include <cmath>

namespace databuilder {

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 44;

struct Colour {
    double r, g, b;
};

constexpr Colour kPanel {255, 250, 235};
constexpr Colour kGold {176, 132, 52};

// Signed distance from (x, y) to a rounded rectangle centred in the image: negative inside.
double roundedRectDistance(double x, double y, double halfWidth, double halfHeight, double radius)
{
    const double qx = std::abs(x - kWidth / 2.0) - halfWidth + radius;
    const double qy = std::abs(y - kHeight / 2.0) - halfHeight + radius;
    const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
    return outside + std::min(std::max(qx, qy), 0.0) - radius;
}

// Distance to a diamond (a square on its corner) of the given half diagonal.
double diamondDistance(double x, double y, double centreX, double halfDiagonal)
{
    return (std::abs(x - centreX) + std::abs(y - kHeight / 2.0) - halfDiagonal) / std::sqrt(2.0);
}

// Share of a pixel covered by a shape, from its distance: a one-pixel soft edge.
double coverage(double distance)
{
    return std::clamp(0.5 - distance, 0.0, 1.0);
}

// A line of the given width centred on the shape's outline.
double outline(double distance, double width)
{
    return coverage(std::abs(distance) - width / 2.0);
}

struct Pixel {
    Colour colour {0, 0, 0};
    double alpha = 0;

    void paint(const Colour& source, double sourceAlpha)
    {
        const double outAlpha = sourceAlpha + alpha * (1 - sourceAlpha);
        if (outAlpha <= 0)
            return;
        auto blend = [&](double s, double d) {
            return (s * sourceAlpha + d * alpha * (1 - sourceAlpha)) / outAlpha;
        };
        colour = {blend(source.r, colour.r), blend(source.g, colour.g), blend(source.b, colour.b)};
        alpha = outAlpha;
    }
};

} // namespace

std::string suraHeaderPng()
{
    RgbaImage image;
    image.width = kWidth;
    image.height = kHeight;
    image.pixels.reserve(static_cast<std::size_t>(kWidth) * kHeight * 4);
    for (int row = 0; row < kHeight; ++row) {
        for (int column = 0; column < kWidth; ++column) {
            const double x = column + 0.5;
            const double y = row + 0.5;
            const double panel = roundedRectDistance(x, y, 170, 19, 10);
            Pixel pixel;
            pixel.paint(kPanel, coverage(panel));
            pixel.paint(kGold, outline(panel, 2.0));
            pixel.paint(kGold, outline(panel + 4, 0.8));
            for (const double centre : {kWidth / 2.0 - 186, kWidth / 2.0 + 186}) {
                pixel.paint(kGold, coverage(diamondDistance(x, y, centre, 9)));
                pixel.paint(kPanel, coverage(diamondDistance(x, y, centre, 4)));
            }
            const auto channel = [](double value) {
                return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 255.0)));
            };
            image.pixels.push_back(channel(pixel.colour.r));
            image.pixels.push_back(channel(pixel.colour.g));
            image.pixels.push_back(channel(pixel.colour.b));
            image.pixels.push_back(channel(pixel.alpha * 255));
        }
    }
    return encodePng(image);
}

} // namespace databuilder
