// Writing the widget tests' picture files.
#include "fixture_png.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

bool WritePng(const std::string& path, int w, int h, const std::vector<std::uint8_t>& rgba) {
    return stbi_write_png(path.c_str(), w, h, 4, rgba.data(), w * 4) != 0;
}

bool WriteSolidPng(const std::string& path, int w, int h, std::uint8_t r, std::uint8_t g,
                   std::uint8_t b) {
    std::vector<std::uint8_t> rgba;
    rgba.reserve(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 4);
    for (int i = 0; i < w * h; ++i) {
        rgba.insert(rgba.end(), {r, g, b, 255});
    }
    return WritePng(path, w, h, rgba);
}
