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
#include <span>
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
// The decoder's own limit, in case a header it reads differs from what ours make of it.
#define STBI_MAX_DIMENSIONS 4096
#include <stb/stb_image.h>

namespace platform {

static_assert(STBI_MAX_DIMENSIONS == MaxImageSide);

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

PixelBytes::PixelBytes(const std::uint8_t* bytes, std::size_t count) {
    if (count == 0)
        return;
    block_.reset(static_cast<std::uint8_t*>(std::malloc(count)));
    if (!block_)
        throw std::bad_alloc();
    std::copy(bytes, bytes + count, block_.get());
    size_ = count;
}

PixelBytes PixelBytes::Adopt(std::uint8_t* block, std::size_t count) {
    PixelBytes pixels;
    pixels.block_.reset(block);
    pixels.size_ = block ? count : 0;
    return pixels;
}

void PixelBytes::clear() {
    block_.reset();
    size_ = 0;
}

namespace {

void Premultiply(PixelBytes& rgba) {
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

std::uint32_t Little(const std::uint8_t* bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
    return value;
}

std::uint32_t Big(const std::uint8_t* bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) << 24 |
           static_cast<std::uint32_t>(bytes[at + 1]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 8 | bytes[at + 3];
}

const std::uint8_t PngSignature[] = {0x89, 'P', 'N', 'G', 13, 10, 26, 10};

bool SizeFits(std::int64_t width, std::int64_t height) {
    return width >= 1 && height >= 1 && width <= MaxImageSide && height <= MaxImageSide;
}

int ClampedSide(std::int64_t side) {
    return static_cast<int>(std::clamp<std::int64_t>(side, 0, 0x7fffffff));
}

// The image header chunk comes first, whole. Samples of 16 bits are refused: no picture of ours
// has them, and they cost twice the memory, then a conversion.
bool ReadPngHeader(const std::uint8_t* bytes, std::size_t size, PictureHeader& header) {
    if (size < 33 || Big(bytes, 8) != 13 || !std::equal(bytes + 12, bytes + 16, "IHDR"))
        return false;
    const std::int64_t width = Big(bytes, 16);
    const std::int64_t height = Big(bytes, 20);
    header.kind = PictureHeader::Kind::Png;
    header.width = ClampedSide(width);
    header.height = ClampedSide(height);
    header.bits = bytes[24];
    const int colour = bytes[25];
    const bool anyDepth = colour == 0 || colour == 3;
    const bool depthFits = header.bits == 8 ||
                           (anyDepth && (header.bits == 1 || header.bits == 2 || header.bits == 4));
    const bool colourKnown =
        colour == 0 || colour == 2 || colour == 3 || colour == 4 || colour == 6;
    return colourKnown && depthFits && bytes[26] == 0 && bytes[27] == 0 && bytes[28] <= 1 &&
           SizeFits(width, height);
}

// Plain rows of 1 to 32 bits a pixel, or 16 and 32 bits with channel masks; the whole header in
// the file (the masks that follow a short header included).
bool ReadBmpHeader(const std::uint8_t* bytes, std::size_t size, PictureHeader& header) {
    if (size < 18)
        return false;
    const std::uint32_t infoSize = Little(bytes, 14, 4);
    const bool known =
        infoSize == 12 || infoSize == 40 || infoSize == 56 || infoSize == 108 || infoSize == 124;
    if (!known || size < 14 + infoSize)
        return false;
    std::int64_t width = 0, height = 0;
    std::uint32_t planes = 0;
    header.kind = PictureHeader::Kind::Bmp;
    if (infoSize == 12) {
        width = Little(bytes, 18, 2);
        height = Little(bytes, 20, 2);
        planes = Little(bytes, 22, 2);
        header.bits = static_cast<int>(Little(bytes, 24, 2));
    } else {
        width = static_cast<std::int32_t>(Little(bytes, 18, 4));
        height = static_cast<std::int32_t>(Little(bytes, 22, 4));
        planes = Little(bytes, 26, 2);
        header.bits = static_cast<int>(Little(bytes, 28, 2));
        header.compression = Little(bytes, 30, 4);
    }
    // A negative height stores the rows top first.
    header.topDown = height < 0;
    height = height < 0 ? -height : height;
    header.width = ClampedSide(width);
    header.height = ClampedSide(height);
    const int bits = header.bits;
    const bool paletted = bits == 1 || bits == 4 || bits == 8;
    const bool plain = header.compression == 0 &&
                       (paletted || bits == 24 || (infoSize != 12 && (bits == 16 || bits == 32)));
    const bool masked = header.compression == 3 && infoSize != 12 && (bits == 16 || bits == 32);
    if (planes != 1 || !(plain || masked))
        return false;
    if (masked && (infoSize == 40 || infoSize == 56) && size < 14 + infoSize + 12)
        return false;
    header.pixelOffset = Little(bytes, 10, 4);
    header.rowBytes = (static_cast<std::uint64_t>(bits) *
                           static_cast<std::uint64_t>(std::max<std::int64_t>(width, 0)) +
                       31) /
                      32 * 4;
    // The decoder reads the offset as a signed number.
    return header.pixelOffset <= 0x7fffffffu && SizeFits(width, height);
}

// Deflate gives at most 1032 bytes for one; a little more for the stream's own bytes.
constexpr std::uint64_t MostInflated = 1033;
// What the compressed pixels may inflate to past the rows the header declares. The decoder
// throws such an excess away, but only after inflating all of it.
constexpr std::uint64_t InflatedSlack = 4096;

// The bytes the compressed pixels inflate to for the picture the header declares: a filter byte
// and the packed samples of each row, counted for each of the seven passes of an interlaced one.
std::uint64_t PngRowBytes(const PictureHeader& header, int channels, bool interlaced) {
    struct Pass {
        int x, y, stepX, stepY;
    };
    static constexpr Pass Whole[] = {{0, 0, 1, 1}};
    static constexpr Pass Adam7[] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                     {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
    std::uint64_t total = 0;
    for (const Pass& pass :
         interlaced ? std::span<const Pass>(Adam7) : std::span<const Pass>(Whole)) {
        const std::uint64_t w =
            header.width > pass.x
                ? static_cast<std::uint64_t>(header.width - pass.x + pass.stepX - 1) / pass.stepX
                : 0;
        const std::uint64_t h =
            header.height > pass.y
                ? static_cast<std::uint64_t>(header.height - pass.y + pass.stepY - 1) / pass.stepY
                : 0;
        if (w > 0 && h > 0)
            total += h * (1 + (w * static_cast<std::uint64_t>(channels * header.bits) + 7) / 8);
    }
    return total;
}

// Every chunk whole in the file (the decoder grows its buffer to a chunk's declared length before
// reading it), compressed pixels enough to inflate to the rows the header declares (it sizes
// their buffer from the header) and not inflating past them (it would inflate any excess whole:
// a 1 MB file of one pixel could cost a gigabyte), and a palette with a colour for every index
// the depth can write (it reads the colours of missing entries from memory never written).
// Chunks after the last one ("IEND") are not looked at.
bool PngBodyHolds(const std::vector<std::uint8_t>& bytes, const PictureHeader& header) {
    const int colour = bytes[25];
    const bool interlaced = bytes[28] == 1;
    const int channels = colour == 2 ? 3 : colour == 4 ? 2 : colour == 6 ? 4 : 1;
    std::uint64_t pos = sizeof PngSignature;
    std::vector<std::uint8_t> compressed;
    std::uint64_t paletteEntries = 0;
    bool ended = false;
    while (!ended && pos + 8 <= bytes.size()) {
        const auto at = static_cast<std::size_t>(pos);
        const std::uint64_t length = Big(bytes.data(), at);
        if (pos + 12 + length > bytes.size())
            return false;
        const std::uint8_t* type = bytes.data() + at + 4;
        if (std::equal(type, type + 4, "IDAT"))
            compressed.insert(compressed.end(), type + 4, type + 4 + length);
        else if (std::equal(type, type + 4, "PLTE"))
            paletteEntries = length / 3;
        ended = std::equal(type, type + 4, "IEND");
        pos += 12 + length;
    }
    const std::uint64_t rows = PngRowBytes(header, channels, interlaced);
    if (compressed.size() * MostInflated < rows)
        return false;
    if (colour == 3 && paletteEntries < (1u << header.bits))
        return false;
    // Inflated once here into a buffer that cannot grow: the decoder's own inflation of the same
    // bytes then stops where this one did.
    const auto room = static_cast<std::size_t>(rows + InflatedSlack);
    const std::unique_ptr<char[]> inflated(new char[room]);
    const int got = stbi_zlib_decode_buffer(inflated.get(), static_cast<int>(room),
                                            reinterpret_cast<const char*>(compressed.data()),
                                            static_cast<int>(compressed.size()));
    return got >= 0 && static_cast<std::uint64_t>(got) >= rows;
}

// The pixel rows whole in the file (missing rows would be read as zeros: a header of a few bytes
// could ask for hundreds of megabytes), and for a palette picture every pixel's index inside the
// palette the decoder reads (it takes the colours of missing entries from memory never written).
bool BmpBodyHolds(const std::vector<std::uint8_t>& bytes, const PictureHeader& header) {
    const std::uint64_t rows = static_cast<std::uint64_t>(header.height);
    if (header.pixelOffset + header.rowBytes * rows > bytes.size())
        return false;
    const int bits = header.bits;
    if (bits > 8)
        return true;
    // Counted as the decoder counts them, from the room between the header and the pixels.
    const std::int64_t infoSize = Little(bytes.data(), 14, 4);
    const auto offset = static_cast<std::int64_t>(header.pixelOffset);
    const std::int64_t entries =
        infoSize == 12 ? (offset - 14 - 24) / 3 : (offset - 14 - infoSize) / 4;
    if (entries < 1 || entries > 256)
        return false;
    if (entries >= (1 << bits))
        return true;
    const unsigned mask = (1u << bits) - 1;
    for (std::uint64_t row = 0; row < rows; ++row) {
        const std::uint8_t* pixels =
            bytes.data() + static_cast<std::size_t>(header.pixelOffset + row * header.rowBytes);
        for (int x = 0; x < header.width; ++x) {
            const int bit = x * bits;
            const unsigned index = pixels[bit / 8] >> (8 - bits - bit % 8) & mask;
            if (index >= static_cast<unsigned>(entries))
                return false;
        }
    }
    return true;
}

} // namespace

bool ReadPictureHeader(const std::uint8_t* bytes, std::size_t size, PictureHeader& header) {
    header = PictureHeader{};
    if (size >= sizeof PngSignature && std::equal(PngSignature, PngSignature + 8, bytes))
        return ReadPngHeader(bytes, size, header);
    if (size >= 2 && bytes[0] == 'B' && bytes[1] == 'M')
        return ReadBmpHeader(bytes, size, header);
    return false;
}

bool DecodePicture(const std::vector<std::uint8_t>& bytes, int& width, int& height,
                   PixelBytes& rgba) {
    rgba.clear();
    PictureHeader header;
    // Checked by us from the header and the file's length before any pixel memory is asked for.
    // stb_image takes an int length; larger files are no picture of ours.
    const bool known = ReadPictureHeader(bytes.data(), bytes.size(), header);
    width = header.width;
    height = header.height;
    if (!known || bytes.size() > 0x7fffffffu)
        return false;
    const bool holds = header.kind == PictureHeader::Kind::Png ? PngBodyHolds(bytes, header)
                                                               : BmpBodyHolds(bytes, header);
    if (!holds)
        return false;
    int w = 0, h = 0, channels = 0;
    stbi_uc* pixels =
        stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &w, &h, &channels, 4);
    if (!pixels || w != width || h != height) {
        stbi_image_free(pixels);
        return false;
    }
    rgba = PixelBytes::Adopt(pixels, static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 4);
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

    // The size comes from the header alone; the pixels wait until something needs them.
    std::vector<std::uint8_t> start;
    PictureHeader header;
    if (!LoadFileStart(resolved, start, PictureHeaderBytes) ||
        !ReadPictureHeader(start.data(), start.size(), header)) {
        const bool tooLarge = header.width > MaxImageSide || header.height > MaxImageSide;
        WarnOnce(resolved, tooLarge ? u"Image trop grande (" + Str(header.width) + u" x " +
                                          Str(header.height) + u") : " + resolved
                                    : u"Image illisible : " + resolved);
        return nullptr;
    }
    auto surface = std::make_shared<Surface>();
    surface->width = header.width;
    surface->height = header.height;
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
    if (!CanRemakePixels(surface))
        return false;
    PixelBytes rgba;
    if (surface.remake) {
        if (!surface.remake(rgba) || rgba.size() != bytes) {
            WarnOnce(surface.name + u"#pixels", u"Image illisible : " + surface.name);
            return false;
        }
        surface.rgba = std::move(rgba);
        return true;
    }
    std::vector<std::uint8_t> file;
    int width = 0, height = 0;
    // The frames were cut for the size the header gave: a file that now decodes to another
    // size (or not at all) is drawn as nothing rather than cut wrongly.
    if (!LoadBytes(surface.name, file) || !DecodePicture(file, width, height, rgba) ||
        width != surface.width || height != surface.height) {
        WarnOnce(surface.name + u"#pixels", u"Image illisible : " + surface.name);
        return false;
    }
    // The file's bytes go before the pixels are worked on: both at once would be the peak.
    std::vector<std::uint8_t>().swap(file);
    Premultiply(rgba);
    surface.rgba = std::move(rgba);
    return true;
}

bool CanRemakePixels(const Surface& surface) { return surface.fromFile || surface.remake; }

void ReleasePixels(Surface& surface) {
    if (CanRemakePixels(surface))
        surface.rgba.clear();
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
    surface->rgba = PixelBytes(rgba.data(), static_cast<std::size_t>(width) * height * 4);
    Premultiply(surface->rgba);
    return MakeImage(surface, Strip(0, 0, width, height, frames), width / frames, height, 0);
}

} // namespace platform
