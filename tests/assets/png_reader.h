#pragma once
// Decodes the generated pictures with stb_image, independently of the game's image loader.
#include <cstdint>
#include <string>
#include <vector>

namespace assets_test {

struct Picture {
    int width = 0;
    int height = 0;
    int fileChannels = 0;           // channels stored in the file
    std::vector<std::uint8_t> rgba; // always 4 channels, straight alpha
    std::uint8_t Alpha(int x, int y) const { return rgba[(std::size_t(y) * width + x) * 4 + 3]; }
};

// False when the file is missing or does not decode.
bool ReadPicture(const std::string& path, Picture& picture);

} // namespace assets_test
