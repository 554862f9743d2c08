#include "png_reader.h"

// A private copy of the decoder: the game's platform library has its own.
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#include <stb/stb_image.h>
#pragma GCC diagnostic pop

namespace assets_test {

bool ReadPicture(const std::string& path, Picture& picture) {
    int channels = 0;
    stbi_uc* pixels = stbi_load(path.c_str(), &picture.width, &picture.height, &channels, 4);
    if (!pixels)
        return false;
    picture.fileChannels = channels;
    picture.rgba.assign(pixels, pixels + std::size_t(picture.width) * picture.height * 4);
    stbi_image_free(pixels);
    return true;
}

} // namespace assets_test
