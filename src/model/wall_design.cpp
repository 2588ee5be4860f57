#include "model/wall_design.h"

#include <cstring>
#include <stdexcept>
#include <type_traits>

namespace kmd {

namespace {

template <class T, std::size_t N>
void Put(Bytes<N>& b, std::size_t at, T v) {
    static_assert(std::is_trivially_copyable_v<T>);
    std::memcpy(b.data() + at, &v, sizeof(T));
}

template <class T, std::size_t N>
T ValueAt(const Bytes<N>& b, std::size_t at) {
    T v;
    std::memcpy(&v, b.data() + at, sizeof(T));
    return v;
}

// An array with bounds 0..k whose elements 1..k are the `k` values of type T
// at `from` (element 0 is 0).
template <class T>
void PlainGroup(Writer& out, const std::uint8_t* from, std::size_t k) {
    out.ArrayHeader0(k);
    out.Field(T{});
    out.Raw(from, k * sizeof(T));
}

// An array with bounds 0..count, element i taken from subscript i of `held`, 0
// where `held` lacks it.
template <class T>
void ByIndex(Writer& out, const DynArray<T>& held, std::int32_t count) {
    out.ArrayHeader0(std::uint64_t(count));
    out.Field(T{});
    for (std::int32_t i = 1; i <= count; ++i) {
        const T* e = held.Find(i);
        out.Field(e ? *e : T{});
    }
}

// The inverse of PlainGroup: elements 1..k to `to`.
template <class T>
void ReadPlainGroup(Reader& in, std::uint8_t* to, std::size_t k) {
    in.ArrayHeader0(sizeof(T), std::int64_t(k));
    in.Get<T>();
    const auto bytes = in.Raw(k * sizeof(T));
    std::memcpy(to, bytes.data(), bytes.size());
}

void ReadRaw(Reader& in, std::uint8_t* to, std::size_t n) {
    const auto bytes = in.Raw(n);
    std::memcpy(to, bytes.data(), n);
}

// The inverse of ByIndex: `held` gets bounds 1..count.
template <class T>
void ReadByIndex(Reader& in, DynArray<T>& held, std::int32_t count) {
    in.ArrayHeader0(sizeof(T), count);
    in.Get<T>();
    held = DynArray<T>::Sized(1, count);
    for (T& e : held.items) in.Field(e);
}

// The count of array k (1..26, record order) of a wall design data record, or
// -1 for an array written unallocated.
std::int32_t WallDataCount(int k, std::int32_t c1, std::int32_t c2, std::int32_t c3) {
    switch (k) {
    case 1: return c1;
    case 3: case 11: case 15: case 19: return c2;
    case 7: case 13: case 17: case 23: return c3;
    default: return -1;
    }
}

}  // namespace

std::int32_t WallSectionData::Count() const { return ValueAt<std::int32_t>(Leading, 24); }

void WallSectionFileForm::WriteCurrent(Writer& out) const {
    const std::int32_t n = held.Count();
    if (n < 0 || !held.First.Holds(1, n) || !held.Second.Holds(1, n))
        throw std::logic_error("wall section written without the record check");
    const std::uint8_t* l = held.Leading.data();
    const std::uint8_t* t = held.Trailing.data();
    out.Raw(l, 4);
    PlainGroup<std::int16_t>(out, l + 4, 4);
    out.Raw(l + 12, 16);
    ByIndex(out, held.First, n);
    ByIndex(out, held.Second, n);
    for (std::size_t a = 0; a < 7; ++a) PlainGroup<double>(out, t + 16 * a, 2);
    PlainGroup<std::int32_t>(out, t + 112, 2);
    PlainGroup<std::int32_t>(out, t + 120, 2);
    out.Raw(t + 128, 16);
    // The 3 by 3 block, transposed.
    out.ArrayHeader0(9);
    out.F64(0.0);
    for (std::size_t i = 0; i < 3; ++i)
        for (std::size_t j = 0; j < 3; ++j) out.Raw(t + 144 + 8 * (i + 3 * j), 8);
    PlainGroup<double>(out, t + 216, 2);
    PlainGroup<double>(out, t + 232, 2);
    out.Raw(t + 248, 24);
}

void WallSectionFileForm::ReadCurrent(Reader& in) const {
    std::uint8_t* l = held.Leading.data();
    std::uint8_t* t = held.Trailing.data();
    ReadRaw(in, l, 4);
    ReadPlainGroup<std::int16_t>(in, l + 4, 4);
    const std::size_t countAt = in.Offset() + 12;
    ReadRaw(in, l + 12, 16);
    const std::int32_t n = held.Count();
    if (n < 0) in.FailAt(countAt, "wall section: negative element count " + std::to_string(n));
    ReadByIndex(in, held.First, n);
    ReadByIndex(in, held.Second, n);
    for (std::size_t a = 0; a < 7; ++a) ReadPlainGroup<double>(in, t + 16 * a, 2);
    ReadPlainGroup<std::int32_t>(in, t + 112, 2);
    ReadPlainGroup<std::int32_t>(in, t + 120, 2);
    ReadRaw(in, t + 128, 16);
    in.ArrayHeader0(sizeof(double), 9);
    in.F64();
    for (std::size_t i = 0; i < 3; ++i)
        for (std::size_t j = 0; j < 3; ++j) ReadRaw(in, t + 144 + 8 * (i + 3 * j), 8);
    ReadPlainGroup<double>(in, t + 216, 2);
    ReadPlainGroup<double>(in, t + 232, 2);
    ReadRaw(in, t + 248, 24);
}

std::int32_t WallDataArraysForm::CountAt(std::size_t at) const { return ValueAt<std::int32_t>(head, at); }

void WallDataArraysForm::WriteCurrent(Writer& out) const {
    const std::int32_t c1 = CountAt(146), c2 = CountAt(150), c3 = CountAt(154);
    int k = 0;
    auto write = [&](const auto& arrays) {
        for (const auto& a : arrays) {
            const std::int32_t count = WallDataCount(++k, c1, c2, c3);
            if (count < 0) out.I16(0);
            else ByIndex(out, a, count);
        }
    };
    write(held.Ints1);
    write(held.Reals1);
    write(held.Ints2);
    write(held.Reals2);
}

void WallDataArraysForm::ReadCurrent(Reader& in) const {
    const std::int32_t c1 = CountAt(146), c2 = CountAt(150), c3 = CountAt(154);
    int k = 0;
    auto read = [&](auto& arrays) {
        for (auto& a : arrays) {
            const std::int32_t count = WallDataCount(++k, c1, c2, c3);
            if (count >= 0) {
                ReadByIndex(in, a, count);
                continue;
            }
            const std::size_t at = in.Offset();
            if (in.I16() != 0) in.FailAt(at, "wall design data: expected an array without storage");
            a = {};
        }
    };
    read(held.Ints1);
    read(held.Reals1);
    read(held.Ints2);
    read(held.Reals2);
}

WallDesignSettings ResetWallDesignSettings(std::int32_t stories) {
    WallDesignSettings s;
    Put<std::int32_t>(s.Leading, 0, 1);
    Put<std::int16_t>(s.Leading, 4, stories > 12 ? -1 : 0);
    Put<std::int32_t>(s.Leading, 6, 1);
    Put<double>(s.Leading, 10, 1.0);
    Put<std::int32_t>(s.Leading, 18, 1);
    Put<std::int32_t>(s.Leading, 22, 1);
    Put<std::int32_t>(s.Leading, 26, stories);
    s.Count1 = 1;
    s.Array1 = DynArray<std::int32_t>::Sized(1, 1);
    s.Array1.items[0] = stories;
    Put<std::int32_t>(s.Trailing, 0, 1);
    Put<double>(s.Trailing, 4, 1.25);
    Put<double>(s.Trailing, 12, 1.0);
    Put<double>(s.Trailing, 20, 1.1);
    return s;
}

}  // namespace kmd
