#pragma once
// The game's source of chance: uniform numbers in [0, 1) from a generator of our own, so a
// seed gives the same deals with every compiler and standard library.

#include <cstdint>

namespace vm {

class Random {
public:
    // Seeded from the time of day, and re-seeded from it whenever the rules ask.
    Random();
    // Reproducible: the rules' requests to re-seed from the clock are ignored.
    explicit Random(std::uint64_t seed);

    double Next() {
        // SplitMix64: fast, well mixed and identical on every platform.
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        z ^= z >> 31;
        return static_cast<double>(z >> 11) * 0x1.0p-53;
    }
    void SeedFromTimeOfDay();

private:
    std::uint64_t state_ = 0;
    bool fixedSeed_ = false;
};

}  // namespace vm
