// Legacy layouts of coordinate systems, old grid lines, reference lines and
// planes, and their import conversions.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "fileformat/encoding.h"
#include "model/coordinates.h"

namespace kmd {

// Coordinate system up to 7.985: the old record, without grids.
inline constexpr double kOldCoordSystemUpTo = 7.985;
// Up to 8.075: without C6, a name of 8 characters (CoordSystemA).
inline constexpr double kCoordSystemAUpTo = 8.075;
// Up to 8.125: without C6, a variable-length name (CoordSystemB).
inline constexpr double kCoordSystemBUpTo = 8.125;

// A coordinate system without C6.
template <class NameT>
struct CoordSystemWithoutC6 {
    NameT Name{};
    Bytes<52> C1{};
    std::array<double, 9> Matrix{};
    std::int32_t C2 = 0;
    std::int16_t C3 = 0;
    std::int32_t GridCount1 = 0;
    std::int32_t GridCount2 = 0;
    std::int32_t GridCount3 = 0;
    DynArray<GridLineRecord> Grid1;
    DynArray<GridLineRecord> Grid2;
    DynArray<GridLineRecord> Grid3;
    std::int32_t GridCount4 = 0;
    std::int32_t C4 = 0;
    DynArray<GridLineRecord> Grid4;
    std::array<std::int32_t, 11> C5{};
};
template <class Io, class NameT>
void fields(Io& io, CoordSystemWithoutC6<NameT>& r) {
    io(r.Name, r.C1, r.Matrix, r.C2, r.C3, r.GridCount1, r.GridCount2, r.GridCount3, r.Grid1, r.Grid2, r.Grid3,
       r.GridCount4, r.C4, r.Grid4, r.C5);
}
using CoordSystemB = CoordSystemWithoutC6<std::string>;
using CoordSystemA = CoordSystemWithoutC6<FixedString<8>>;

// The old coordinate system (194 bytes).
struct OldCoordSystemRecord {
    FixedString<8> Name;
    std::int32_t A = 0;
    Bytes<12> Unused1{};
    std::array<std::int32_t, 12> B{};
    std::array<double, 9> Matrix{};
    Bytes<8> Unused2{};
    std::array<std::int32_t, 9> D{};
    std::int32_t E = 0;
    std::int16_t F = 0;
};
template <class Io>
void fields(Io& io, OldCoordSystemRecord& r) { io(r.Name, r.A, r.Unused1, r.B, r.Matrix, r.Unused2, r.D, r.E, r.F); }

// Names are trimmed; C6 := -1.
CoordSystemRecord ImportCoordSystemB(CoordSystemB&& b);
CoordSystemRecord ImportCoordSystemA(CoordSystemA&& a);
// The name keeps its 8 characters; the system has no grid lines yet.
CoordSystemRecord ImportOldCoordSystem(OldCoordSystemRecord&& o);

// Files below 7.985 hold their grid lines in a separate table after the
// systems; from 7.985 on every system holds its own.
inline constexpr double kGridLinesInSystemsFrom = 7.985;

// A grid line of the separate table.
struct OldGridLineRecord {
    std::int16_t Word1 = 0;
    std::int32_t System = 0;     // coordinate-system number
    std::int32_t Value2 = 0;
    std::int32_t Direction = 0;  // 1, 2 or 3
    std::string Name;
    std::int32_t Value3 = 0;
    std::int32_t H1 = 0;
    std::int32_t H2 = 0;
    std::int16_t Word4 = 0;
    std::int32_t H3 = 0;
    std::int32_t H4 = 0;
    Bytes<16> Block5{};
    std::int32_t H5 = 0;
    std::int32_t H6 = 0;
    std::int16_t H7 = 0;
    std::int16_t H8 = 0;
};
template <class Io>
void fields(Io& io, OldGridLineRecord& r) {
    io(r.Word1, r.System, r.Value2, r.Direction, r.Name, r.Value3, r.H1, r.H2, r.Word4, r.H3, r.H4, r.Block5, r.H5,
       r.H6, r.H7, r.H8);
}

// The grid line at position n of grid direction k; storyCount is the story count
// held when the line is built.
GridLineRecord BuildGridLine(const OldGridLineRecord& old, std::int32_t n, std::int32_t k, std::int32_t storyCount);

// Files up to 7.015 hold no reference lines or planes.
inline constexpr double kNoReferenceTablesUpTo = 7.015;

// Reference line up to 7.985 (18 bytes): no Word2.
inline constexpr double kReferenceLineAUpTo = 7.985;

struct ReferenceLineA {
    std::array<std::int32_t, 4> Values{};
    std::int16_t Word1 = 0;
};
template <class Io>
void fields(Io& io, ReferenceLineA& r) { io(r.Values, r.Word1); }

// Reference plane up to 7.995 (10 bytes): no Word2.
inline constexpr double kReferencePlaneAUpTo = 7.995;

struct ReferencePlaneA {
    std::array<std::int32_t, 2> Values{};
    std::int16_t Word1 = 0;
};
template <class Io>
void fields(Io& io, ReferencePlaneA& r) { io(r.Values, r.Word1); }

// Word2 := -1.
ReferenceLineRecord ImportReferenceLineA(ReferenceLineA&& a);
ReferencePlaneRecord ImportReferencePlaneA(ReferencePlaneA&& a);

}  // namespace kmd
