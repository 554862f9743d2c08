#pragma once
// The game's own captures read back. The game writes them as uncompressed 24-bit BMP files no
// larger than its window; a profile folder may hold anything under such a name, so whatever is
// not that kind of file is refused from its header before a pixel is read. The rows are averaged
// down to the size asked for while they are read: a capture never takes more memory than the
// picture it gives, however large the file.
#include <cstdint>

#include "platform/image.h"
#include "platform/text.h"

namespace platform {

// The window on a large screen.
constexpr int MaxCaptureSide = 4096;

// An uncompressed 24-bit BMP (rows bottom first or top first), no side past MaxCaptureSide,
// every row inside a file of `fileSize` bytes.
bool IsCaptureHeader(const PictureHeader& header, std::int64_t fileSize);

// The capture in the file at most maxWidth by maxHeight, in its own proportions; null when the
// file is no capture or its rows cannot all be read.
ImagePtr LoadCapture(const String& path, int maxWidth, int maxHeight);

} // namespace platform
