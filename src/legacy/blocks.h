// Values at byte positions inside the opaque blocks of legacy records. The
// positions are template arguments, so a move that does not fit its blocks does
// not compile.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "fileformat/encoding.h"

namespace kmd {

// Bytes [Begin, End) of `from` to position At of `to`.
template <std::size_t At, std::size_t Begin, std::size_t End, std::size_t N, std::size_t M>
void CopyBytes(Bytes<N>& to, const Bytes<M>& from) {
    static_assert(Begin <= End && End <= M && At + (End - Begin) <= N);
    std::memcpy(to.data() + At, from.data() + Begin, End - Begin);
}

// Bytes [Begin, End) of `from` as a plain value or group of the same size.
template <std::size_t Begin, std::size_t End, class T, std::size_t M>
    requires std::is_trivially_copyable_v<T>
void CopyBytesTo(T& to, const Bytes<M>& from) {
    static_assert(Begin <= End && End <= M && sizeof(T) == End - Begin);
    std::memcpy(&to, from.data() + Begin, sizeof(T));
}

// A 32-bit integer or a double stored at position At.
template <std::size_t At, class T, std::size_t N>
    requires(std::is_same_v<T, std::int32_t> || std::is_same_v<T, double>)
void Put(Bytes<N>& block, T value) {
    static_assert(At + sizeof(T) <= N);
    std::memcpy(block.data() + At, &value, sizeof(T));
}

template <class T, std::size_t At, std::size_t N>
T Get(const Bytes<N>& block) {
    static_assert(At + sizeof(T) <= N);
    T value;
    std::memcpy(&value, block.data() + At, sizeof(T));
    return value;
}

}  // namespace kmd
