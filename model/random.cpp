#include "model/random.h"

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

}  // namespace vm
