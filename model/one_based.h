#pragma once
// Fixed-size tables indexed from 1, as the game's rules number every hand slot, desk slot,
// side, month and rank. An index outside 1..N is a programming error and aborts loudly
// instead of reading a neighbour's memory.

#include <array>
#include <cstddef>
#include <cstdlib>

namespace vm {

template <typename T, int N>
class OneBased {
public:
    static constexpr int Size = N;

    constexpr T& operator[](int index) { return items_[Offset(index)]; }
    constexpr const T& operator[](int index) const { return items_[Offset(index)]; }

    constexpr auto begin() { return items_.begin(); }
    constexpr auto end() { return items_.end(); }
    constexpr auto begin() const { return items_.begin(); }
    constexpr auto end() const { return items_.end(); }

    constexpr void Fill(const T& value) { items_.fill(value); }
    static constexpr bool InRange(int index) { return index >= 1 && index <= N; }

    friend bool operator==(const OneBased&, const OneBased&) = default;

private:
    static constexpr std::size_t Offset(int index) {
        if (!InRange(index)) std::abort();
        return static_cast<std::size_t>(index - 1);
    }

    std::array<T, N> items_{};
};

}  // namespace vm
