#pragma once
// The one random generator of the game: integers 0..32767, the same sequence on every platform.
#include <cstdint>

constexpr int kRandomMax = 32767;

void SeedRandom(std::uint32_t seed);
// A seed from the system's entropy source, for the game's start-up (tests and tools seed
// explicitly). Falls back to the high-resolution clock mixed with the process id.
std::uint32_t EntropySeed();
int RandomInt();  // 0..32767
// a + (b - a) * r / 32767
float RandomFloat(float a, float b);
// True when RandomFloat(0, 1) is strictly below p.
bool RandomChance(float p);
// r modulo count; 0 when count is not positive.
int RandomIndex(int count);

// The generator's whole state, so saves and tools can capture and restore it.
std::uint32_t RandomState();
void SetRandomState(std::uint32_t state);
