#pragma once
// The game's single random generator. Every draw goes through it, in the game's order, so that
// a seed and a set of options always give the same sentences, boards and animations.
#include <cstdint>

namespace platform {

constexpr std::uint32_t StartSeed = 1234;

void SetSeed(std::int64_t seed);
std::uint32_t GetSeed();
// One step of the generator: a float in [0, range). Every call advances the seed exactly once.
float RandomFloat(float range = 1.0f);
// int(RandomFloat(count)): an index in 0..count-1 (0 when count <= 0, the draw still taken).
int RandomIndex(int count);

} // namespace platform
