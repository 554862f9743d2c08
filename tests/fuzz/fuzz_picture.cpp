// Pictures: the bytes decoded as a PNG or BMP, then written as a capture of a profile folder and
// read by the gallery (averaged down to the size it shows) and by the image loader (header at
// load, pixels on demand).
#include <cstdint>

#include "fuzz_support.h"
#include "platform/image.h"
#include "screens/gallery_screen.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::QuietDebugLines();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    int width = 0, height = 0;
    platform::PixelBytes rgba;
    if (platform::DecodePicture(bytes, width, height, rgba) &&
        (width <= 0 || height <= 0 || width > platform::MaxImageSide ||
         height > platform::MaxImageSide ||
         rgba.size() != static_cast<std::size_t>(width) * height * 4)) {
        std::abort();
    }
    const auto file = fuzz::Folder() / "mirelvanquibs_capture_2025-03-05_090703.bmp";
    fuzz::Write(file, data, size);
    if (const auto capture = ChargeCapture(fuzz::Path(file));
        capture && (capture->Width() > 1200 || capture->Height() > 720)) {
        std::abort();
    }
    if (const auto image = platform::LoadImage(fuzz::Path(file), 2)) {
        platform::EnsurePixels(*image->GetSurface());
        platform::ReleasePixels(*image->GetSurface());
    }
    return 0;
}
