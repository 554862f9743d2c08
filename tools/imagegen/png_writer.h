// Writing a cairo picture as the PNG the game loads: 8-bit RGBA, straight alpha.
#pragma once

#include <cairo.h>

#include <filesystem>

namespace imagefile {

// Writes the picture (cairo's premultiplied ARGB32) as 8-bit RGBA with straight alpha, always
// with an alpha channel. Returns false when the file cannot be written.
bool WriteRgba(const std::filesystem::path& path, cairo_surface_t* surface);

} // namespace imagefile
