#pragma once
// Images: cut into frames, with a handle that is state of the image object and therefore shared
// by everyone who holds it. A picture from a file is known by its size at load and decoded
// (premultiplied RGBA) only when its pixels are needed: the graphics device decodes it to make
// its texture and lets the pixels go once the driver has them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "platform/text.h"

namespace platform {

// Decoded pixel bytes. The decoder's own block is taken over as it is: copying it into a block
// of ours would hold the picture twice at the moment it is largest.
class PixelBytes {
  public:
    PixelBytes() = default;
    // A copy of `count` bytes.
    PixelBytes(const std::uint8_t* bytes, std::size_t count);
    // Takes over a block from malloc, freed with free().
    static PixelBytes Adopt(std::uint8_t* block, std::size_t count);

    std::uint8_t* data() { return block_.get(); }
    const std::uint8_t* data() const { return block_.get(); }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    std::uint8_t& operator[](std::size_t i) { return block_.get()[i]; }
    const std::uint8_t& operator[](std::size_t i) const { return block_.get()[i]; }
    const std::uint8_t* begin() const { return block_.get(); }
    const std::uint8_t* end() const { return block_.get() + size_; }
    // Frees the block.
    void clear();

  private:
    struct Free {
        void operator()(std::uint8_t* block) const { std::free(block); }
    };
    std::unique_ptr<std::uint8_t, Free> block_;
    std::size_t size_ = 0;
};

// Pixels shared between an image and its sub-images; the graphics device hangs its texture here.
struct Surface {
    int width = 0;
    int height = 0;
    // Premultiplied, rows top first. Empty for a picture from a file until EnsurePixels, and
    // again after ReleasePixels; a picture made in code always keeps them.
    PixelBytes rgba;
    String name; // resolved file name, for recording and messages
    // The pixels can be decoded again from the file `name`.
    bool fromFile = false;
    // For a picture made from a file some other way (a capture averaged down as it is read):
    // how its pixels are made again once let go. Empty otherwise.
    std::function<bool(PixelBytes&)> remake;
    // Backend data (a GL texture); released with the surface.
    std::shared_ptr<void> texture;
};

// Makes `rgba` hold the pixels, decoding the file again when they were let go. False (and one
// line on standard error per file) when the file no longer decodes to the size it had at load.
bool EnsurePixels(Surface& surface);
// Whether the pixels can be had again once let go: a picture from a file can.
bool CanRemakePixels(const Surface& surface);
// Lets the pixels of a picture from a file go (the graphics device does once it has made its
// texture); a picture made in code has nowhere else to get them from and keeps them.
void ReleasePixels(Surface& surface);

struct FrameRect {
    int x = 0, y = 0, w = 0, h = 0;
};

class Image {
  public:
    Image() = default; // a new empty image: no frames, size 0, draws nothing

    int Width() const { return frameWidth_; }   // one frame
    int Height() const { return frameHeight_; } // one frame
    int Frames() const { return static_cast<int>(frames_.size()); }
    float HandleX() const;
    float HandleY() const;
    void SetHandle(float x, float y);
    // Handle at the frame centre (integer halves).
    void MidHandle();
    bool HandleCentred() const { return centred_; }

    const std::shared_ptr<Surface>& GetSurface() const { return surface_; }
    const FrameRect& Frame(int index) const { return frames_[static_cast<std::size_t>(index)]; }
    const String& Name() const;

    // Used by the loaders.
    void Setup(std::shared_ptr<Surface> surface, std::vector<FrameRect> frames, int frameW,
               int frameH, int flags);

  private:
    std::shared_ptr<Surface> surface_;
    std::vector<FrameRect> frames_;
    int frameWidth_ = 0;
    int frameHeight_ = 0;
    float handleX_ = 0;
    float handleY_ = 0;
    bool centred_ = false;
};

using ImagePtr = std::shared_ptr<Image>;

constexpr int ImageMidHandle = 1; // flag bit 0: centred handle

// N frames side by side, each width / N wide. Null when the file cannot be read or its header
// gives no PNG or BMP of a usable size (the first miss of a file name is reported once on
// standard error). The pixels are decoded when first needed.
ImagePtr LoadImage(const String& path, int frames = 1, int flags = 0);
// A row-major grid of frames of the given size; only the frames that fit are kept.
ImagePtr LoadImageFrames(const String& path, int frameWidth, int frameHeight, int frameCount,
                         int flags = 0);
// A sub-image sharing the parent's pixels; null when the rectangle leaves the parent's frame.
ImagePtr GrabImage(const ImagePtr& parent, int x, int y, int w, int h, int frames = 1,
                   int flags = 0);
// An image made in code (tests, captures). Pixels are straight RGBA and get premultiplied.
ImagePtr CreateImage(int width, int height, const std::vector<std::uint8_t>& rgba,
                     const String& name = u"", int frames = 1);

// Images larger than this on either side are refused before decoding: no picture of the game
// is, and a capture is no larger than the window on a large screen.
constexpr int MaxImageSide = 4096;

// What a PNG or BMP header declares, read by us before a decoder sees the file.
struct PictureHeader {
    enum class Kind { Png, Bmp };
    Kind kind = Kind::Png;
    int width = 0;
    // Always positive; a BMP that stores its rows top first says so in `topDown`.
    int height = 0;
    bool topDown = false;
    // Bits per pixel (BMP) or per sample (PNG).
    int bits = 0;
    // BMP compression field (0 for plain rows).
    std::uint32_t compression = 0;
    // BMP: where the pixel rows start in the file, and the bytes of one row with its padding.
    std::uint64_t pixelOffset = 0;
    std::uint64_t rowBytes = 0;
};

// The most bytes a header takes (a BMP's with the longest info block).
constexpr std::size_t PictureHeaderBytes = 138;

// The header of a PNG or BMP file, from its first bytes (PictureHeaderBytes are enough).
// False when the bytes are no picture we read: another format, a header cut short, a kind of
// PNG or BMP the game never uses (16 bits a sample, compressed BMP rows), or a size of 0 or past
// MaxImageSide (width and height then tell the size declared).
bool ReadPictureHeader(const std::uint8_t* bytes, std::size_t size, PictureHeader& header);

// PNG or BMP bytes to straight RGBA rows, top first. False for whatever ReadPictureHeader
// refuses and for damaged data: a PNG chunk past the end of the file or compressed pixels too
// few to hold the picture (or inflating to more than a few kilobytes past it), BMP rows past
// the end of the file, or a BMP palette that does not cover its pixels' indices.
bool DecodePicture(const std::vector<std::uint8_t>& bytes, int& width, int& height,
                   PixelBytes& rgba);

} // namespace platform
