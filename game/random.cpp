#include "game/random.h"

#include <chrono>

namespace vm {
namespace {

double SecondsSinceMidnight() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const auto sinceMidnight = now - floor<days>(now);
    return duration<double>(sinceMidnight).count();
}

}  // namespace

Random::Random() { SeedFromTimeOfDay(); }

Random::Random(std::uint64_t seed) : state_(seed), fixedSeed_(true) {}

void Random::SeedFromTimeOfDay() {
    if (fixedSeed_) return;
    // Mix the clock into the running state so that two seeds within one clock tick still
    // give different sequences.
    const auto micros = static_cast<std::uint64_t>(SecondsSinceMidnight() * 1e6);
    state_ ^= micros * 0x9E3779B97F4A7C15ULL;
}

double Random::Next() {
    // SplitMix64: fast, well mixed and identical on every platform.
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * 0x1.0p-53;
}

}  // namespace vm
