#include "platform/random.h"

namespace platform {

namespace {
std::uint32_t seedState = StartSeed;
}

void SetSeed(std::int64_t seed) { seedState = static_cast<std::uint32_t>(seed); }

std::uint32_t GetSeed() { return seedState; }

float RandomFloat(float range) {
    seedState = seedState * 1664525u + 1013904223u;
    // Single precision on purpose: the top 24 bits fit a float exactly.
    return static_cast<float>(seedState >> 8) * (1.0f / 16777216.0f) * range;
}

int RandomIndex(int count) {
    const float value = RandomFloat(static_cast<float>(count));
    if (count <= 0)
        return 0;
    const int index = static_cast<int>(value);
    return index >= count ? count - 1 : index;
}

} // namespace platform
