// Opaque blocks for tests: patterns, values at byte positions, moves between
// positions.
#pragma once

#include <cstring>
#include <stdexcept>
#include <vector>

#include "support/bytes.h"

namespace kmdtest {

// n bytes counting up from `first`.
inline Bytes Pattern(std::size_t n, std::uint8_t first) {
    Bytes b;
    b.seq(n, first);
    return b;
}
inline Bytes Zeros(std::size_t n) {
    Bytes b;
    b.fill(n);
    return b;
}

// `v` written over the bytes at position `at`.
template <class T>
Bytes& Set(Bytes& b, std::size_t at, T v) {
    if (at + sizeof v > b.size()) throw std::out_of_range("Set beyond the block");
    std::memcpy(b.data.data() + at, &v, sizeof v);
    return b;
}

// Bytes [begin, end) of `from` written over the bytes of `to` at position `at`.
inline Bytes& Move(Bytes& to, std::size_t at, const Bytes& from, std::size_t begin, std::size_t end) {
    if (end < begin || end > from.size() || at + (end - begin) > to.size()) throw std::out_of_range("Move");
    std::memcpy(to.data.data() + at, from.data.data() + begin, end - begin);
    return to;
}

inline Bytes Slice(const Bytes& b, std::size_t begin, std::size_t end) {
    if (end < begin || end > b.size()) throw std::out_of_range("Slice");
    Bytes s;
    s.raw(b.data.data() + begin, end - begin);
    return s;
}

}  // namespace kmdtest
