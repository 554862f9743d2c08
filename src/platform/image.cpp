// Images: decoding with stb_image, the cache of surfaces by file, frames, handles and
// sub-images.
//
//   1. Image object
//   2. Decoding, the pixels on demand and the cache
//   3. Loaders, sub-images and images made in code
#include "platform/image.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <system_error>

#include "platform/diag.h"
#include "platform/files.h"

// Static, so that no other user of stb_image in the program can clash with these symbols.
// The game's pictures are PNG and BMP: the other decoders are left out, so that a damaged or
// hostile file in a profile folder never reaches them, whatever its name says.
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_ONLY_BMP
#define STBI_NO_STDIO
#include <stb/stb_image.h>

namespace platform {

// ---------------------------------------------------------------------------------------------
// 1. Image object

float Image::HandleX() const { return handleX_; }
float Image::HandleY() const { return handleY_; }

void Image::SetHandle(float x, float y) {
    handleX_ = x;
    handleY_ = y;
    centred_ = false;
}

void Image::MidHandle() {
    handleX_ = static_cast<float>(frameWidth_ / 2);
    handleY_ = static_cast<float>(frameHeight_ / 2);
    centred_ = true;
}

const String& Image::Name() const {
    static const String none;
    return surface_ ? surface_->name : none;
}

void Image::Setup(std::shared_ptr<Surface> surface, std::vector<FrameRect> frames, int frameW,
                  int frameH, int flags) {
    surface_ = std::move(surface);
    frames_ = std::move(frames);
    frameWidth_ = frameW;
    frameHeight_ = frameH;
    SetHandle(0, 0);
    if (flags & ImageMidHandle)
        MidHandle();
}

// ---------------------------------------------------------------------------------------------
// 2. Decoding and the cache

namespace {

void Premultiply(std::vector<std::uint8_t>& rgba) {
    for (std::size_t i = 0; i + 3 < rgba.size(); i += 4) {
        const unsigned a = rgba[i + 3];
        for (std::size_t k = 0; k < 3; ++k)
            rgba[i + k] = static_cast<std::uint8_t>((rgba[i + k] * a + 127) / 255);
    }
}

// A file is opened again when it changed on disk since (the gallery rewrites captures).
struct CacheEntry {
    std::weak_ptr<Surface> surface;
    std::filesystem::file_time_type written;
    std::uintmax_t size = 0;
};

std::map<String, CacheEntry>& Cache() {
    static std::map<String, CacheEntry> cache;
    return cache;
}

} // namespace

namespace {

std::uint32_t Little(const std::vector<std::uint8_t>& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
    return value;
}

// A BMP whose pixel rows, as its header declares them, do not all lie in the file. The
// decoder would read the missing rows as zeros: a header of a few bytes could then ask for a
// picture of hundreds of megabytes. Compressed pixels (which the decoder refuses) and headers
// too short to say are left to the decoder.
bool BmpPixelsMissing(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < 26 || bytes[0] != 'B' || bytes[1] != 'M')
        return false;
    const std::uint64_t offset = Little(bytes, 10, 4);
    const std::uint32_t header = Little(bytes, 14, 4);
    std::int64_t w = 0, h = 0;
    std::uint32_t bits = 0, compression = 0;
    if (header == 12) {
        w = static_cast<std::int16_t>(Little(bytes, 18, 2));
        h = static_cast<std::int16_t>(Little(bytes, 20, 2));
        bits = Little(bytes, 24, 2);
    } else if (header >= 40 && bytes.size() >= 34) {
        w = static_cast<std::int32_t>(Little(bytes, 18, 4));
        h = static_cast<std::int32_t>(Little(bytes, 22, 4));
        bits = Little(bytes, 28, 2);
        compression = Little(bytes, 30, 4);
    } else {
        return false;
    }
    // Plain rows (0) and rows with channel masks (3) are stored whole.
    if (compression != 0 && compression != 3)
        return false;
    const std::uint64_t row =
        (static_cast<std::uint64_t>(bits) * static_cast<std::uint64_t>(w < 0 ? -w : w) + 31) / 32 *
        4;
    const std::uint64_t rows = static_cast<std::uint64_t>(h < 0 ? -h : h);
    return offset + row * rows > bytes.size();
}

// A PNG chunk whose declared length runs past the end of the file. The decoder grows its buffer
// for the compressed pixels to the declared length before it reads them: a file of a few
// hundred bytes could ask for gigabytes. Chunks after the last one ("IEND") are not looked at.
bool PngChunkPastEnd(const std::vector<std::uint8_t>& bytes) {
    static const std::uint8_t signature[] = {0x89, 'P', 'N', 'G', 13, 10, 26, 10};
    if (bytes.size() < sizeof signature || !std::equal(signature, signature + 8, bytes.begin()))
        return false;
    std::uint64_t pos = sizeof signature;
    while (pos + 8 <= bytes.size()) {
        const auto at = static_cast<std::size_t>(pos);
        const std::uint64_t length = static_cast<std::uint64_t>(bytes[at]) << 24 |
                                     static_cast<std::uint64_t>(bytes[at + 1]) << 16 |
                                     static_cast<std::uint64_t>(bytes[at + 2]) << 8 | bytes[at + 3];
        if (pos + 8 + length > bytes.size())
            return true;
        if (std::equal(bytes.begin() + static_cast<std::ptrdiff_t>(at) + 4,
                       bytes.begin() + static_cast<std::ptrdiff_t>(at) + 8, "IEND"))
            return false;
        // The length, the type, the data and the checksum.
        pos += 12 + length;
    }
    return false;
}

// The size a PNG or BMP header declares; false for anything else or a size past MaxImageSide.
bool ReadHeader(const std::vector<std::uint8_t>& bytes, int& width, int& height) {
    width = height = 0;
    // stb_image takes an int length; larger files are no picture of ours.
    if (bytes.empty() || bytes.size() > 0x7fffffffu)
        return false;
    int channels = 0;
    if (!stbi_info_from_memory(bytes.data(), static_cast<int>(bytes.size()), &width, &height,
                               &channels))
        return false;
    return width > 0 && height > 0 && width <= MaxImageSide && height <= MaxImageSide;
}

} // namespace

bool DecodePicture(const std::vector<std::uint8_t>& bytes, int& width, int& height,
                   std::vector<std::uint8_t>& rgba) {
    rgba.clear();
    // The size is checked from the header before any pixel memory is asked for.
    if (!ReadHeader(bytes, width, height))
        return false;
    if (BmpPixelsMissing(bytes) || PngChunkPastEnd(bytes))
        return false;
    const int length = static_cast<int>(bytes.size());
    int w = 0, h = 0, channels = 0;
    stbi_uc* pixels = stbi_load_from_memory(bytes.data(), length, &w, &h, &channels, 4);
    if (!pixels || w != width || h != height) {
        stbi_image_free(pixels);
        return false;
    }
    rgba.assign(pixels, pixels + static_cast<std::size_t>(w) * h * 4);
    stbi_image_free(pixels);
    return true;
}

namespace {

// The surface of a picture file, from the cache while the file is unchanged, else a new one
// sized from the file's header; its pixels wait until something needs them.
std::shared_ptr<Surface> Open(const String& path) {
    const String resolved = ResolveDataPath(path);
    const std::filesystem::path file(ToUtf8(resolved));
    std::error_code error;
    const auto written = std::filesystem::last_write_time(file, error);
    const auto size = error ? 0 : std::filesystem::file_size(file, error);
    if (error) {
        WarnOnce(resolved, u"Image introuvable : " + resolved);
        return nullptr;
    }

    auto& cache = Cache();
    auto found = cache.find(resolved);
    if (found != cache.end()) {
        if (auto surface = found->second.surface.lock();
            surface && found->second.written == written && found->second.size == size)
            return surface;
        cache.erase(found);
    }

    std::vector<std::uint8_t> bytes;
    int width = 0, height = 0;
    if (!LoadBytes(resolved, bytes) || !ReadHeader(bytes, width, height)) {
        const bool tooLarge = width > MaxImageSide || height > MaxImageSide;
        WarnOnce(resolved, tooLarge ? u"Image trop grande (" + Str(width) + u" x " + Str(height) +
                                          u") : " + resolved
                                    : u"Image illisible : " + resolved);
        return nullptr;
    }
    auto surface = std::make_shared<Surface>();
    surface->width = width;
    surface->height = height;
    surface->name = resolved;
    surface->fromFile = true;

    std::erase_if(cache, [](const auto& entry) { return entry.second.surface.expired(); });
    cache[resolved] = CacheEntry{surface, written, size};
    return surface;
}

// N frames side by side inside the rectangle (x, y, w, h) of the surface.
std::vector<FrameRect> Strip(int x, int y, int w, int h, int frames) {
    std::vector<FrameRect> rects;
    const int frameW = w / frames;
    for (int i = 0; i < frames; ++i)
        rects.push_back({x + i * frameW, y, frameW, h});
    return rects;
}

ImagePtr MakeImage(std::shared_ptr<Surface> surface, std::vector<FrameRect> frames, int frameW,
                   int frameH, int flags) {
    auto image = std::make_shared<Image>();
    image->Setup(std::move(surface), std::move(frames), frameW, frameH, flags);
    return image;
}

} // namespace

bool EnsurePixels(Surface& surface) {
    const std::size_t bytes = static_cast<std::size_t>(surface.width) * surface.height * 4;
    if (surface.rgba.size() >= bytes && bytes > 0)
        return true;
    if (!surface.fromFile)
        return false;
    std::vector<std::uint8_t> file;
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgba;
    // The frames were cut for the size the header gave: a file that now decodes to another
    // size (or not at all) is drawn as nothing rather than cut wrongly.
    if (!LoadBytes(surface.name, file) || !DecodePicture(file, width, height, rgba) ||
        width != surface.width || height != surface.height) {
        WarnOnce(surface.name + u"#pixels", u"Image illisible : " + surface.name);
        return false;
    }
    Premultiply(rgba);
    surface.rgba = std::move(rgba);
    return true;
}

void ReleasePixels(Surface& surface) {
    if (surface.fromFile)
        std::vector<std::uint8_t>().swap(surface.rgba);
}

// ---------------------------------------------------------------------------------------------
// 3. Loaders, sub-images and images made in code

ImagePtr LoadImage(const String& path, int frames, int flags) {
    frames = std::max(1, frames);
    auto surface = Open(path);
    if (!surface)
        return nullptr;
    const int frameW = surface->width / frames;
    if (frameW <= 0) {
        WarnOnce(surface->name + u"#frames",
                 u"Image trop étroite pour " + Str(frames) + u" images : " + surface->name);
        return nullptr;
    }
    const int height = surface->height;
    return MakeImage(surface, Strip(0, 0, surface->width, height, frames), frameW, height, flags);
}

ImagePtr LoadImageFrames(const String& path, int frameWidth, int frameHeight, int frameCount,
                         int flags) {
    if (frameWidth <= 0 || frameHeight <= 0 || frameCount <= 0)
        return nullptr;
    auto surface = Open(path);
    if (!surface)
        return nullptr;
    const int columns = surface->width / frameWidth;
    const int rows = surface->height / frameHeight;
    const long long fitting = static_cast<long long>(columns) * rows;
    const int count = static_cast<int>(std::min<long long>(frameCount, fitting));
    if (count <= 0) {
        WarnOnce(surface->name + u"#frames", u"Image trop petite pour ses images de " +
                                                 Str(frameWidth) + u" x " + Str(frameHeight) +
                                                 u" : " + surface->name);
        return nullptr;
    }
    std::vector<FrameRect> rects;
    for (int i = 0; i < count; ++i)
        rects.push_back(
            {(i % columns) * frameWidth, (i / columns) * frameHeight, frameWidth, frameHeight});
    return MakeImage(surface, std::move(rects), frameWidth, frameHeight, flags);
}

ImagePtr GrabImage(const ImagePtr& parent, int x, int y, int w, int h, int frames, int flags) {
    if (!parent || parent->Frames() < 1 || !parent->GetSurface())
        return nullptr;
    frames = std::max(1, frames);
    const FrameRect& outer = parent->Frame(0);
    // Wide arithmetic: a corrupt font record must not overflow into a "fitting" rectangle.
    const bool fits = x >= 0 && y >= 0 && w > 0 && h > 0 &&
                      static_cast<long long>(x) + w <= outer.w &&
                      static_cast<long long>(y) + h <= outer.h && w / frames > 0;
    if (!fits)
        return nullptr;
    return MakeImage(parent->GetSurface(), Strip(outer.x + x, outer.y + y, w, h, frames),
                     w / frames, h, flags);
}

ImagePtr CreateImage(int width, int height, const std::vector<std::uint8_t>& rgba,
                     const String& name, int frames) {
    frames = std::max(1, frames);
    if (width <= 0 || height <= 0 || width > MaxImageSide || height > MaxImageSide ||
        width / frames <= 0 || rgba.size() < static_cast<std::size_t>(width) * height * 4)
        return nullptr;
    auto surface = std::make_shared<Surface>();
    surface->width = width;
    surface->height = height;
    surface->name = name;
    surface->rgba.assign(rgba.begin(),
                         rgba.begin() + static_cast<std::ptrdiff_t>(width) * height * 4);
    Premultiply(surface->rgba);
    return MakeImage(surface, Strip(0, 0, width, height, frames), width / frames, height, 0);
}

} // namespace platform
