// Response spectrum and time history functions.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "fileformat/encoding.h"
#include "model/store.h"

namespace kmd {

// "Funcshun". Block1 holds Kind (32-bit) at positions 0-3, SubKind at 4-7 and
// Coefficient1 (a double) at 36-43.
struct FunctionRecord {
    std::string Name;
    std::string Text1;
    Bytes<344> Block1{};
    std::string Text2;
    Bytes<56> Block2{};
    std::string Text3;
    Bytes<324> Block3{};
};
template <class Io>
void fields(Io& io, FunctionRecord& r) { io(r.Name, r.Text1, r.Block1, r.Text2, r.Block2, r.Text3, r.Block3); }

// "TV", "LA" and "MD": one block each.
struct TVRecord {
    Bytes<20> Block1{};
};
template <class Io>
void fields(Io& io, TVRecord& r) { io(r.Block1); }

struct LARecord {
    Bytes<48> Block1{};
};
template <class Io>
void fields(Io& io, LARecord& r) { io(r.Block1); }

struct MDRecord {
    Bytes<16> Block1{};
};
template <class Io>
void fields(Io& io, MDRecord& r) { io(r.Block1); }

// The 116-byte first block of a spectrum. The current file leaves out positions
// 32-39 and 80-83 and writes the three reals and the three integers as arrays
// with bounds 0..3.
struct SpectraBlock1 {
    Bytes<32> Values1{};
    Bytes<8> Unused1{};
    std::array<double, 3> Reals{};
    Bytes<16> Values2{};
    Bytes<4> Unused2{};
    std::array<std::int32_t, 3> Integers{};
    Bytes<16> Values3{};
    std::int32_t Count = 0;  // used elements of Array1 .. Array3
};
template <class Io>
void fields(Io& io, SpectraBlock1& b) {
    io(b.Values1, NotWritten(b.Unused1), ZeroBased(b.Reals), b.Values2, NotWritten(b.Unused2), ZeroBased(b.Integers),
       b.Values3, b.Count);
}

// "Spectra"
struct SpectraRecord {
    std::string Name;
    SpectraBlock1 Block1;
    DynArray<std::int32_t> Array1;
    DynArray<std::int32_t> Array2;
    DynArray<double> Array3;
    Bytes<8> Block2{};
    std::int16_t Short1 = 0;
};
template <class Io>
void fields(Io& io, SpectraRecord& r) {
    io(r.Name, r.Block1, Counted(r.Array1, r.Block1.Count, "Array1"), Counted(r.Array2, r.Block1.Count, "Array2"),
       Counted(r.Array3, r.Block1.Count, "Array3"), r.Block2, r.Short1);
}

// "History"
struct HistoryRecord {
    std::string Name;
    Bytes<108> Block1{};
    std::int16_t Short1 = 0;
};
template <class Io>
void fields(Io& io, HistoryRecord& r) { io(r.Name, r.Block1, r.Short1); }

struct FunctionData {
    Table<FunctionRecord> Funcshun{"Funcshun", Allocator::Table};
    Table<TVRecord> TV{"TV", Allocator::Table};
    Table<SpectraRecord> Spectra{"Spectra", Allocator::Table};
    Table<HistoryRecord> History{"History", Allocator::Table};
    Table<LARecord> LA{"LA", Allocator::Table};
    Table<MDRecord> MD{"MD", Allocator::Table};

    void Register(TableRegistry& reg) {
        reg.Add(Funcshun);
        reg.Add(TV);
        reg.Add(Spectra);
        reg.Add(History);
        reg.Add(LA);
        reg.Add(MD);
    }
};

}  // namespace kmd
