// Captures read back: the header check, then the rows averaged down as they are read.
#include "platform/capture_picture.h"

#include <algorithm>
#include <vector>

#include "platform/files.h"

namespace platform {

namespace {

// Which output column (or row) each source one falls in, and how many source ones each output
// one takes. Shrinking only: the spans follow each other without gap or overlap.
struct Spans {
    std::vector<int> target;
    std::vector<unsigned> count;

    Spans(int source, int reduced)
        : target(static_cast<std::size_t>(source)), count(static_cast<std::size_t>(reduced)) {
        for (int i = 0; i < reduced; ++i) {
            const auto first = static_cast<int>(static_cast<std::int64_t>(i) * source / reduced);
            const auto end = static_cast<int>(static_cast<std::int64_t>(i + 1) * source / reduced);
            for (int s = first; s < end; ++s) {
                target[static_cast<std::size_t>(s)] = i;
            }
            count[static_cast<std::size_t>(i)] = static_cast<unsigned>(end - first);
        }
    }
};

} // namespace

bool IsCaptureHeader(const PictureHeader& header, std::int64_t fileSize) {
    if (header.kind != PictureHeader::Kind::Bmp || header.bits != 24 || header.compression != 0 ||
        header.width < 1 || header.height < 1 || header.width > MaxCaptureSide ||
        header.height > MaxCaptureSide || fileSize < 0) {
        return false;
    }
    const std::uint64_t end =
        header.pixelOffset + header.rowBytes * static_cast<std::uint64_t>(header.height);
    return end <= static_cast<std::uint64_t>(fileSize);
}

ImagePtr LoadCapture(const String& path, int maxWidth, int maxHeight) {
    if (maxWidth < 1 || maxHeight < 1) {
        return nullptr;
    }
    const auto file = FileStream::Open(path, u"r");
    if (!file) {
        return nullptr;
    }
    std::uint8_t start[PictureHeaderBytes] = {};
    PictureHeader header;
    const std::size_t got = file->ReadBytes(start, sizeof start);
    if (!ReadPictureHeader(start, got, header) || !IsCaptureHeader(header, file->Length()) ||
        !file->Seek(header.pixelOffset)) {
        return nullptr;
    }

    const int width = header.width;
    const int height = header.height;
    const float scale = std::min({1.0f, static_cast<float>(maxWidth) / static_cast<float>(width),
                                  static_cast<float>(maxHeight) / static_cast<float>(height)});
    const int w = std::max(1, static_cast<int>(static_cast<float>(width) * scale));
    const int h = std::max(1, static_cast<int>(static_cast<float>(height) * scale));
    const Spans columns(width, w);
    const Spans rows(height, h);

    std::vector<std::uint8_t> row(static_cast<std::size_t>(header.rowBytes));
    // Red, green and blue of one output row, summed over the source pixels it takes.
    std::vector<std::uint32_t> sums(static_cast<std::size_t>(w) * 3, 0);
    PixelBytes rgba = PixelBytes::Adopt(
        static_cast<std::uint8_t*>(std::malloc(static_cast<std::size_t>(w) * h * 4)),
        static_cast<std::size_t>(w) * h * 4);
    if (rgba.empty()) {
        return nullptr;
    }
    const auto finish = [&](int y) {
        for (int x = 0; x < w; ++x) {
            const auto n = columns.count[static_cast<std::size_t>(x)] *
                           rows.count[static_cast<std::size_t>(y)];
            std::uint8_t* out = &rgba[(static_cast<std::size_t>(y) * w + x) * 4];
            for (std::size_t c = 0; c < 3; ++c) {
                std::uint32_t& sum = sums[static_cast<std::size_t>(x) * 3 + c];
                out[c] = static_cast<std::uint8_t>((sum + n / 2) / n);
                sum = 0;
            }
            out[3] = 255;
        }
    };

    // Rows come bottom first unless the header says otherwise; either way the rows of one
    // output row come one after the other.
    int current = -1;
    for (int r = 0; r < height; ++r) {
        if (file->ReadBytes(row.data(), row.size()) != row.size()) {
            return nullptr;
        }
        const int sourceY = header.topDown ? r : height - 1 - r;
        const int y = rows.target[static_cast<std::size_t>(sourceY)];
        if (y != current && current >= 0) {
            finish(current);
        }
        current = y;
        const std::uint8_t* pixel = row.data();
        for (int x = 0; x < width; ++x, pixel += 3) {
            std::uint32_t* sum =
                &sums[static_cast<std::size_t>(columns.target[static_cast<std::size_t>(x)]) * 3];
            // Stored blue, green, red.
            sum[0] += pixel[2];
            sum[1] += pixel[1];
            sum[2] += pixel[0];
        }
    }
    finish(current);

    auto surface = std::make_shared<Surface>();
    surface->width = w;
    surface->height = h;
    surface->name = path;
    // Opaque: premultiplied already.
    surface->rgba = std::move(rgba);
    // Once the graphics device holds the picture, ours goes; the file gives it again.
    surface->remake = [path, maxWidth, maxHeight](PixelBytes& pixels) {
        const ImagePtr again = LoadCapture(path, maxWidth, maxHeight);
        if (!again)
            return false;
        pixels = std::move(again->GetSurface()->rgba);
        return true;
    };
    auto image = std::make_shared<Image>();
    image->Setup(std::move(surface), {FrameRect{0, 0, w, h}}, w, h, 0);
    return image;
}

} // namespace platform
