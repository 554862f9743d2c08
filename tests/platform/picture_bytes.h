#pragma once
// Pictures built byte by byte, for the tests of what the readers take and refuse: BMP files of
// a chosen kind, whole or cut, and a watch on the largest allocations made meanwhile.
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

// The 14-byte file header and the 40-byte info header of a BMP whose pixel rows follow
// `paletteEntries` colours; a negative height stores the rows top first.
inline std::vector<std::uint8_t> BmpHeader(int width, int height, int bits, int paletteEntries,
                                           std::uint32_t compression = 0) {
    std::vector<std::uint8_t> b(54, 0);
    const auto put = [&b](std::size_t at, std::uint32_t v) {
        for (std::size_t i = 0; i < 4; ++i)
            b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    b[0] = 'B';
    b[1] = 'M';
    put(10, 54 + 4 * static_cast<std::uint32_t>(paletteEntries));
    put(14, 40);
    put(18, static_cast<std::uint32_t>(width));
    put(22, static_cast<std::uint32_t>(height));
    b[26] = 1;
    b[28] = static_cast<std::uint8_t>(bits);
    put(30, compression);
    put(46, static_cast<std::uint32_t>(paletteEntries));
    return b;
}

// A whole BMP: the palette's colours (0xRRGGBB), then the rows as stored, first row first.
// value(x, storedRow) is a pixel's colour (0xRRGGBB, 24 bits) or its index (1, 4 or 8 bits).
inline std::vector<std::uint8_t> MakeBmp(int width, int height, int bits,
                                         const std::vector<std::uint32_t>& palette,
                                         const std::function<std::uint32_t(int, int)>& value) {
    std::vector<std::uint8_t> b = BmpHeader(width, height, bits, static_cast<int>(palette.size()));
    for (const std::uint32_t colour : palette)
        b.insert(b.end(),
                 {static_cast<std::uint8_t>(colour), static_cast<std::uint8_t>(colour >> 8),
                  static_cast<std::uint8_t>(colour >> 16), 0});
    const std::size_t rowBytes = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
    const int rows = height < 0 ? -height : height;
    for (int r = 0; r < rows; ++r) {
        std::vector<std::uint8_t> row(rowBytes, 0);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t v = value(x, r);
            if (bits == 24) {
                row[3 * static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(v);
                row[3 * static_cast<std::size_t>(x) + 1] = static_cast<std::uint8_t>(v >> 8);
                row[3 * static_cast<std::size_t>(x) + 2] = static_cast<std::uint8_t>(v >> 16);
            } else {
                const int bit = x * bits;
                row[static_cast<std::size_t>(bit / 8)] |=
                    static_cast<std::uint8_t>(v << (8 - bits - bit % 8));
            }
        }
        b.insert(b.end(), row.begin(), row.end());
    }
    const auto size = static_cast<std::uint32_t>(b.size());
    for (std::size_t i = 0; i < 4; ++i)
        b[2 + i] = static_cast<std::uint8_t>(size >> (8 * i));
    return b;
}

inline void WriteBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

// Under AddressSanitizer the allocations can be watched (the test build uses it in CI). GCC
// ships the sanitizer runtime without its interface headers: the one call is declared here.
#ifdef __SANITIZE_ADDRESS__
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*)(const volatile void*,
                                                                  std::size_t),
                                                         void (*)(const volatile void*));
#endif

// The largest single allocation, and how many reached `threshold` bytes, while `run` runs.
// Without AddressSanitizer nothing is seen: `watched` is false and both stay 0.
struct AllocationWatch {
    bool watched = false;
    std::size_t largest = 0;
    int atLeastThreshold = 0;

    static AllocationWatch During(std::size_t threshold, const std::function<void()>& run) {
        AllocationWatch watch;
#ifdef __SANITIZE_ADDRESS__
        // Made before the hook can ask for it.
        State();
        static const bool installed =
            __sanitizer_install_malloc_and_free_hooks(
                [](const volatile void*, std::size_t size) {
                    if (!State().on.load())
                        return;
                    std::size_t seen = State().largest.load();
                    while (size > seen && !State().largest.compare_exchange_weak(seen, size)) {
                    }
                    if (size >= State().threshold.load())
                        ++State().count;
                },
                [](const volatile void*) {}) != 0;
        watch.watched = installed;
        State().largest = 0;
        State().count = 0;
        State().threshold = threshold;
        State().on = true;
        run();
        State().on = false;
        watch.largest = State().largest;
        watch.atLeastThreshold = State().count;
#else
        (void)threshold;
        run();
#endif
        return watch;
    }

  private:
    struct Shared {
        std::atomic<bool> on{false};
        std::atomic<std::size_t> largest{0};
        std::atomic<std::size_t> threshold{0};
        std::atomic<int> count{0};
    };
    static Shared& State() {
        static Shared shared;
        return shared;
    }
};
