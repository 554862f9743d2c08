#pragma once
// Images: cut into frames, with a handle that is state of the image object and therefore shared
// by everyone who holds it. A picture from a file is known by its size at load and decoded
// (premultiplied RGBA) only when its pixels are needed: the graphics device decodes it to make
// its texture and lets the pixels go once the driver has them.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/text.h"

namespace platform {

// Pixels shared between an image and its sub-images; the graphics device hangs its texture here.
struct Surface {
    int width = 0;
    int height = 0;
    // Premultiplied, rows top first. Empty for a picture from a file until EnsurePixels, and
    // again after ReleasePixels; a picture made in code always keeps them.
    std::vector<std::uint8_t> rgba;
    String name; // resolved file name, for recording and messages
    // The pixels can be decoded again from the file `name`.
    bool fromFile = false;
    // Backend data (a GL texture); released with the surface.
    std::shared_ptr<void> texture;
};

// Makes `rgba` hold the pixels, decoding the file again when they were let go. False (and one
// line on standard error per file) when the file no longer decodes to the size it had at load.
bool EnsurePixels(Surface& surface);
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

// Images larger than this on either side are refused before decoding.
constexpr int MaxImageSide = 8192;

// PNG or BMP bytes to straight RGBA rows, top first. False for any other format, damaged data
// (a PNG chunk or BMP pixels declared past the end of the file included) or a declared size past
// MaxImageSide (width and height then tell the size declared, if any).
bool DecodePicture(const std::vector<std::uint8_t>& bytes, int& width, int& height,
                   std::vector<std::uint8_t>& rgba);

} // namespace platform
