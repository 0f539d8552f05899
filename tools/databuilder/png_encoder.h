#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace databuilder {

// An 8-bit RGBA image, rows from the top, 4 bytes a pixel.
struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
};

// The bytes of a PNG file holding the image (no gamma or time chunks, so the same image
// always gives the same bytes).
std::string encodePng(const RgbaImage& image);

} // namespace databuilder
