// Byte tables of packed records: whole records as byte vectors, patterned
// blocks, and the moves of an older layout.
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

namespace kmdtest::packed {

// Current bytes `to`.. taken from legacy bytes `from`.., `len` of them.
struct Move {
    int to, from, len;
};

// n bytes counting up from `first` in steps of 7.
inline std::vector<std::uint8_t> Pattern(std::size_t n, int first) {
    std::vector<std::uint8_t> b(n);
    for (std::size_t i = 0; i < n; ++i) b[i] = std::uint8_t(first + 7 * i);
    return b;
}

inline void Apply(std::vector<std::uint8_t>& out, const std::vector<std::uint8_t>& legacy,
                  const std::vector<Move>& moves) {
    for (const Move& m : moves) std::memcpy(out.data() + m.to, legacy.data() + m.from, std::size_t(m.len));
}

template <class T>
void Put(std::vector<std::uint8_t>& out, int at, T v) { std::memcpy(out.data() + at, &v, sizeof v); }

}  // namespace kmdtest::packed
