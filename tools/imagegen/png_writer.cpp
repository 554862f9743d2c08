#include "png_writer.h"

#include <png.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <system_error>
#include <vector>

namespace imagefile {

// Writes 8-bit RGBA with straight alpha, whatever the picture holds (cairo's own writer drops
// the alpha channel of opaque pictures).
bool WriteRgba(const std::filesystem::path& path, cairo_surface_t* surface) {
    int w = cairo_image_surface_get_width(surface);
    int h = cairo_image_surface_get_height(surface);
    int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    std::vector<unsigned char> rows(static_cast<size_t>(w) * h * 4);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            uint32_t v = *reinterpret_cast<const uint32_t*>(data + y * stride + x * 4);
            unsigned a = v >> 24;
            unsigned char* out = &rows[(static_cast<size_t>(y) * w + x) * 4];
            for (int c = 0; c < 3; ++c) {
                unsigned p = (v >> (16 - 8 * c)) & 0xff;
                out[c] = a ? static_cast<unsigned char>(std::min(255u, (p * 255 + a / 2) / a)) : 0;
            }
            out[3] = static_cast<unsigned char>(a);
        }
    }
    // Written beside the target and renamed, so an interrupted build never leaves half a file.
    std::filesystem::path tmp = path;
    tmp += ".tmp";
    FILE* f = std::fopen(tmp.c_str(), "wb");
    if (!f)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        std::filesystem::remove(tmp);
        return false;
    }
    png_init_io(png, f);
    png_set_compression_level(png, 6);
    png_set_IHDR(png, info, w, h, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < h; ++y)
        png_write_row(png, &rows[static_cast<size_t>(y) * w * 4]);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    bool ok = std::fclose(f) == 0;
    std::error_code ec;
    if (ok)
        std::filesystem::rename(tmp, path, ec);
    return ok && !ec;
}

} // namespace imagefile
