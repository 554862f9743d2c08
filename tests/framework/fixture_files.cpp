#include "fixture_files.h"

#include <fstream>
#include <stdexcept>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#include <stb/stb_image_write.h>
#pragma GCC diagnostic pop

namespace fixture {

void WriteText(const std::filesystem::path& file, const std::string& bytes) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

void WritePng(const std::filesystem::path& file, int w, int h, const std::vector<Box>& boxes) {
    std::filesystem::create_directories(file.parent_path());
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(w) * h * 4, 0);
    for (const Box& box : boxes)
        for (int y = box.y; y < box.y + box.h && y < h; ++y)
            for (int x = box.x; x < box.x + box.w && x < w; ++x)
                for (int k = 0; k < 4; ++k)
                    rgba[(static_cast<std::size_t>(y) * w + x) * 4 + k] = 255;
    if (stbi_write_png(file.string().c_str(), w, h, 4, rgba.data(), w * 4) == 0)
        throw std::runtime_error("cannot write " + file.string());
}

String ToString(const std::filesystem::path& file) { return platform::FromUtf8(file.string()); }

String WriteFile(const std::filesystem::path& folder, const std::string& name,
                 const std::string& bytes) {
    WriteText(folder / name, bytes);
    return ToString(folder / name);
}

} // namespace fixture
