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

    double Next();
    void SeedFromTimeOfDay();

private:
    std::uint64_t state_ = 0;
    bool fixedSeed_ = false;
};

}  // namespace vm
