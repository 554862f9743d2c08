#pragma once
// Random mutations of text files from a fixed seed, for the bounded fuzz runs of the readers of
// outside data: each run must neither crash nor break the reader's own rules.
#include <chrono>
#include <cstdint>
#include <iterator>
#include <random>

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

  private:
    std::mt19937 random_;
};

// True once the run has lasted longer than seconds.
inline bool RunOutOfTime(std::chrono::steady_clock::time_point start, double seconds) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() >
           seconds;
}
