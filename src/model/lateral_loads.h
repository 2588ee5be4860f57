// Automatic seismic and wind load definitions.
#pragma once

#include <array>
#include <cstdint>
#include <iterator>
#include <string>

#include "fileformat/encoding.h"
#include "model/store.h"

namespace kmd {

// The 60-byte first block of a seismic record, with its two typed values.
struct SeismicBlock1 {
    Bytes<8> Values1{};
    std::int32_t Option1 = 0;
    Bytes<44> Values2{};
    std::int32_t Count = 0;  // used elements of Array1 .. Array3
};
template <class Io>
void fields(Io& io, SeismicBlock1& b) { io(b.Values1, b.Option1, b.Values2, b.Count); }

// Kind .. Array3: the part every seismic layout holds alike.
struct SeismicHead {
    std::int32_t Kind = 0;
    std::string Name;
    std::int16_t Short1 = 0;
    std::int16_t Short2 = 0;
    SeismicBlock1 Block1;
    DynArray<std::int32_t> Array1;
    DynArray<std::int32_t> Array2;
    DynArray<double> Array3;
};
template <class Io>
void fields(Io& io, SeismicHead& h) {
    io(h.Kind, h.Name, h.Short1, h.Short2, h.Block1, Counted(h.Array1, h.Block1.Count, "Array1"),
       Counted(h.Array2, h.Block1.Count, "Array2"), Counted(h.Array3, h.Block1.Count, "Array3"));
}

// The sub-record of both tables: Count, the number of used elements of every
// array, two arrays of 32-bit integers and N of doubles (Array3 onwards).
template <std::size_t N>
struct LoadSubRecord {
    std::int32_t Count = 0;
    DynArray<std::int32_t> Array1;
    DynArray<std::int32_t> Array2;
    std::array<DynArray<double>, N> Reals;  // Array3 .. Array(N + 2)
};
template <class Io, std::size_t N>
void fields(Io& io, LoadSubRecord<N>& s) {
    static constexpr const char* kNames[] = {"Sub.Array3", "Sub.Array4", "Sub.Array5", "Sub.Array6",
                                             "Sub.Array7", "Sub.Array8", "Sub.Array9"};
    static_assert(N <= std::size(kNames));
    io(s.Count, Counted(s.Array1, s.Count, "Sub.Array1"), Counted(s.Array2, s.Count, "Sub.Array2"));
    for (std::size_t k = 0; k < N; ++k) io(Counted(s.Reals[k], s.Count, kNames[k]));
}

using SeismicSubRecord = LoadSubRecord<5>;
using WindSubRecord = LoadSubRecord<7>;

// "Seismic". Block2 holds Option2 at positions 244-247 and a parameter group at
// 412-503.
struct SeismicRecord {
    SeismicHead Head;
    Bytes<560> Block2{};
    std::string Text1;
    Bytes<300> Block3{};
    std::int16_t Short3 = 0;
    SeismicSubRecord Sub;
    Bytes<40> Block4{};
};
template <class Io>
void fields(Io& io, SeismicRecord& r) { io(r.Head, r.Block2, r.Text1, r.Block3, r.Short3, r.Sub, r.Block4); }

// Kind .. Short3: the part every wind layout holds alike.
struct WindHead {
    std::int32_t Kind = 0;
    std::string Name;
    std::int16_t Short1 = 0;
    std::int16_t Short2 = 0;
    Bytes<20> Block1{};
    std::int16_t Short3 = 0;
};
template <class Io>
void fields(Io& io, WindHead& h) { io(h.Kind, h.Name, h.Short1, h.Short2, h.Block1, h.Short3); }

// "Wind". Block3 holds Factor1 (a double) at positions 40-47; Block4 holds Flag1
// (32-bit) at 152-155 and a double at 156-163.
struct WindRecord {
    WindHead Head;
    Bytes<28> Block2{};
    std::int16_t Short4 = 0;
    WindSubRecord Sub;
    Bytes<84> Block3{};
    std::int16_t Short5 = 0;
    Bytes<164> Block4{};
    std::int16_t Short6 = 0;
    Bytes<160> Block5{};
    std::int16_t Short7 = 0;
};
template <class Io>
void fields(Io& io, WindRecord& r) {
    io(r.Head, r.Block2, r.Short4, r.Sub, r.Block3, r.Short5, r.Block4, r.Short6, r.Block5, r.Short7);
}

struct LateralLoadData {
    Table<SeismicRecord> Seismic{"Seismic", Allocator::Table};
    Table<WindRecord> Wind{"Wind", Allocator::Table};

    void Register(TableRegistry& reg) {
        reg.Add(Seismic);
        reg.Add(Wind);
    }
};

}  // namespace kmd
