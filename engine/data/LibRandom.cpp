#include "LibRandom.h"

namespace {
std::uint32_t gState = 1;
}

void SeedRandom(std::uint32_t seed) { gState = seed; }

int RandomInt() {
    // A linear congruential step; the upper bits are the better ones.
    gState = gState * 214013u + 2531011u;
    return static_cast<int>((gState >> 16) & 0x7FFFu);
}

float RandomFloat(float a, float b) {
    const float r = static_cast<float>(RandomInt());
    return a + (b - a) * r / static_cast<float>(kRandomMax);
}

bool RandomChance(float p) { return RandomFloat(0.0f, 1.0f) < p; }

int RandomIndex(int count) { return count > 0 ? RandomInt() % count : 0; }

std::uint32_t RandomState() { return gState; }
void SetRandomState(std::uint32_t state) { gState = state; }
