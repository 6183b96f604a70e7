#pragma once
// A small fixed generator, so that every run of the generator draws the same grain,
// the same sounds and the same brush jitter on every machine.

#include <cstdint>

namespace vm {

class SeededNoise {
public:
    explicit SeededNoise(std::uint32_t seed) : m_state(seed * 2654435761u + 1u) {}

    // Uniform in [0, 1).
    double Next() {
        m_state = m_state * 1664525u + 1013904223u;
        return static_cast<double>(m_state >> 8) / static_cast<double>(1u << 24);
    }

    // Uniform in [-1, 1).
    double NextSigned() { return Next() * 2.0 - 1.0; }

private:
    std::uint32_t m_state;
};

}  // namespace vm
