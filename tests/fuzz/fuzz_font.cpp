// Bitmap-font descriptions: the bytes written as a description beside a blank page of the size
// the game's fonts use (and one picture for the char loader), loaded, measured and drawn.
#include <cstdint>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#include <stb/stb_image_write.h>
#pragma GCC diagnostic pop

#include "framework/bitmap_font.h"
#include "fuzz_support.h"

namespace {

void BlankPng(const std::filesystem::path& file, int w, int h) {
    std::filesystem::create_directories(file.parent_path());
    const std::vector<std::uint8_t> rgba(static_cast<std::size_t>(w) * h * 4, 255);
    stbi_write_png(file.string().c_str(), w, h, 4, rgba.data(), w * 4);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::QuietDebugLines();
    BlankPng(fuzz::Folder() / "fonts_z_0.png", 512, 256);
    BlankPng(fuzz::Folder() / "fonts_z_1.png", 16, 16);
    BlankPng(fuzz::Folder() / "fonts_z" / "65.png", 9, 17);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static platform::RecordingGraphics graphics;
    platform::SetGraphicsDevice(&graphics);
    fuzz::Write(fuzz::Folder() / "fonts_z.txt", data, size);
    const auto font = iBitmapFont::New(fuzz::Path(fuzz::Folder() / "fonts_z.txt"));
    String everyUnit;
    for (int code = 0; code < 300; ++code) {
        everyUnit.push_back(static_cast<char16_t>(code));
    }
    font->TextWidth(everyUnit, 1.5f);
    font->TextHeight(everyUnit, 0.5f);
    graphics.BeginFrame(320, 200);
    font->DrawText(everyUnit, 5, 5, 0.5f, 2.0f);
    graphics.EndFrame();
    return 0;
}
