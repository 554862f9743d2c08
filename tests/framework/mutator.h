#pragma once
// Random mutations of text and binary files from a fixed seed, for the bounded fuzz runs of the
// readers of outside data: each run must neither crash nor break the reader's own rules. The
// seeds are the real files kept in tests/fuzz/corpus, which the libFuzzer targets start from too.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "platform/text.h"

// The units that matter to the readers, plus some that no French text holds.
inline const char16_t Interesting[] = {u'=',  u',',  u'/',  u'\'',  u'\r',  u'\n',  u' ',
                                       u'\t', u'-',  u'+',  u'.',   u'e',   u'0',   u'7',
                                       u'9',  u'a',  u'Z',  0,      1,      31,     32,
                                       0xFF,  0x100, 0x152, 0xD800, 0xDFFF, 0xFEFF, 0xFFFF};
inline const char16_t* const Numbers[] = {u"2147483647", u"-2147483648", u"99999999999", u"-1",
                                          u"0",          u"255",         u"256",         u"300",
                                          u"64",         u"1e9"};

// Random damage to a text, step by step from a fixed seed.
class Mutator {
  public:
    explicit Mutator(std::uint32_t seed) : random_(seed) {}

    int Below(int n) { return n <= 0 ? 0 : static_cast<int>(random_() % static_cast<unsigned>(n)); }

    String Mutate(String text) {
        const int steps = 1 + Below(6);
        for (int i = 0; i < steps; ++i) {
            const int at = Below(static_cast<int>(text.size()) + 1);
            const auto pos = static_cast<std::size_t>(at);
            switch (Below(6)) {
            case 0:
                text.insert(pos, 1, Interesting[Below(std::size(Interesting))]);
                break;
            case 1:
                text.erase(pos, static_cast<std::size_t>(Below(8)));
                break;
            case 2:
                if (pos < text.size())
                    text[pos] = static_cast<char16_t>(random_() & 0xFFFF);
                break;
            case 3: {
                const String copy = text.substr(pos, static_cast<std::size_t>(Below(40)));
                text.insert(static_cast<std::size_t>(Below(static_cast<int>(text.size()) + 1)),
                            copy);
                break;
            }
            case 4:
                text.insert(pos, Numbers[Below(std::size(Numbers))]);
                break;
            default:
                text.insert(pos, u",");
                break;
            }
        }
        return text;
    }

    // Byte damage: values that sit on limits, flipped bits, cuts, copies of a stretch elsewhere,
    // and 32-bit little-endian numbers where a header keeps its sizes.
    std::vector<std::uint8_t> MutateBytes(std::vector<std::uint8_t> bytes) {
        static const std::uint32_t words[] = {0,          1,          0x7fffffff, 0x80000000,
                                              0xffffffff, 0xfffffffe, 0x10000,    0x2000,
                                              0x1fff,     40,         54,         3};
        const int steps = 1 + Below(4);
        for (int i = 0; i < steps && !bytes.empty(); ++i) {
            const auto at = static_cast<std::size_t>(Below(static_cast<int>(bytes.size())));
            switch (Below(5)) {
            case 0:
                bytes[at] = static_cast<std::uint8_t>(random_() & 0xFF);
                break;
            case 1:
                bytes[at] ^= static_cast<std::uint8_t>(1u << Below(8));
                break;
            case 2:
                bytes.resize(std::max<std::size_t>(at, 1));
                break;
            case 3: {
                const auto from = bytes.begin() + static_cast<std::ptrdiff_t>(at);
                const std::vector<std::uint8_t> copy(
                    from, from + std::min<std::ptrdiff_t>(Below(64), bytes.end() - from));
                bytes.insert(bytes.begin() + Below(static_cast<int>(bytes.size()) + 1),
                             copy.begin(), copy.end());
                break;
            }
            default: {
                const std::uint32_t word = words[Below(std::size(words))];
                for (std::size_t k = 0; k < 4 && at + k < bytes.size(); ++k) {
                    bytes[at + k] = static_cast<std::uint8_t>(word >> (8 * k));
                }
                break;
            }
            }
        }
        return bytes;
    }

  private:
    std::mt19937 random_;
};

// The files kept for one reader in tests/fuzz/corpus/<reader>, in name order.
inline std::vector<std::vector<std::uint8_t>> CorpusFiles(const std::string& reader) {
    std::vector<std::filesystem::path> paths;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(MQ_TEST_CORPUS) / reader)) {
        paths.push_back(entry.path());
    }
    std::sort(paths.begin(), paths.end());
    std::vector<std::vector<std::uint8_t>> files;
    for (const auto& path : paths) {
        std::ifstream in(path, std::ios::binary);
        files.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return files;
}
