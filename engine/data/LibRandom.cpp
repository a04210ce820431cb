#include "LibRandom.h"

#include <unistd.h>

#include <chrono>
#include <random>

namespace {
std::uint32_t gState = 1;

// A 32-bit finaliser: every input bit reaches every output bit, so a clock that differs in its
// low bits only still gives seeds that differ everywhere.
std::uint32_t Mix(std::uint64_t value) {
    value ^= value >> 33;
    value *= 0xFF51AFD7ED558CCDull;
    value ^= value >> 33;
    value *= 0xC4CEB9FE1A85EC53ull;
    value ^= value >> 33;
    return static_cast<std::uint32_t>(value ^ (value >> 32));
}
}  // namespace

void SeedRandom(std::uint32_t seed) { gState = seed; }

std::uint32_t EntropySeed() {
    // A process-wide counter keeps two fallback seeds of the same clock tick apart.
    static std::uint64_t calls = 0;
    ++calls;
    try {
        std::random_device device;
        return device();
    } catch (const std::exception&) {
        const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
        return Mix(static_cast<std::uint64_t>(now) ^ (static_cast<std::uint64_t>(getpid()) << 32) ^ (calls * 0x9E3779B97F4A7C15ull));
    }
}

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
