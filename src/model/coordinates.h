// Coordinate systems with their grid lines, reference lines and planes.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "fileformat/encoding.h"
#include "model/store.h"

namespace kmd {

// The same in memory, in every legacy layout that holds it and in the current file.
struct GridLineRecord {
    std::string Name;
    std::int32_t G1 = 0;  // position in its grid array
    std::int32_t G2 = 0;  // grid direction 1, 2 or 3
    std::int32_t G3 = 0;
    std::int32_t G4 = 0;
    Bytes<48> G5{};
    std::int32_t G6 = 0;
    std::int32_t G7 = 0;
    std::int32_t G8 = 0;
    std::int16_t G9 = 0;
    std::int32_t G10 = 0;
    std::int32_t G11 = 0;
    std::int16_t G12 = 0;
    std::int32_t G13 = 0;
    std::int32_t G14 = 0;
    std::int16_t G15 = 0;
    std::int16_t G16 = 0;
    std::int16_t G17 = 0;
};
template <class Io>
void fields(Io& io, GridLineRecord& r) {
    io(r.Name, r.G1, r.G2, r.G3, r.G4, r.G5, r.G6, r.G7, r.G8, r.G9, r.G10, r.G11, r.G12, r.G13, r.G14, r.G15,
       r.G16, r.G17);
}

// In memory, and in files above 8.125.
struct CoordSystemRecord {
    std::string Name;
    Bytes<52> C1{};
    std::array<double, 9> Matrix{};  // 3 x 3, first subscript varying fastest
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
    std::int16_t C6 = 0;  // -1 for systems converted from older layouts

    // Matrix(i, j) for subscripts 1..3.
    double& MatrixAt(int i, int j) { return Matrix[std::size_t((i - 1) + 3 * (j - 1))]; }
    double MatrixAt(int i, int j) const { return Matrix[std::size_t((i - 1) + 3 * (j - 1))]; }
};
template <class Io>
void fields(Io& io, CoordSystemRecord& r) {
    io(r.Name, r.C1, ZeroBasedRows<3, 3>(r.Matrix), r.C2, r.C3, r.GridCount1, r.GridCount2, r.GridCount3,
       Counted(r.Grid1, r.GridCount1, "grid 1"), Counted(r.Grid2, r.GridCount2, "grid 2"),
       Counted(r.Grid3, r.GridCount3, "grid 3"), r.GridCount4, r.C4, Counted(r.Grid4, r.GridCount4, "grid 4"), r.C5,
       r.C6);
}

struct ReferenceLineRecord {
    std::array<std::int32_t, 4> Values{};
    std::int16_t Word1 = 0;
    std::int16_t Word2 = 0;
};
template <class Io>
void fields(Io& io, ReferenceLineRecord& r) { io(r.Values, r.Word1, r.Word2); }

struct ReferencePlaneRecord {
    std::array<std::int32_t, 2> Values{};
    std::int16_t Word1 = 0;
    std::int16_t Word2 = 0;
};
template <class Io>
void fields(Io& io, ReferencePlaneRecord& r) { io(r.Values, r.Word1, r.Word2); }

struct CoordinateData {
    Table<CoordSystemRecord> CoordSystem{"CoordSystem", Allocator::Table};
    Table<ReferenceLineRecord> ReferenceLine{"ReferenceLine", Allocator::Table};
    Table<ReferencePlaneRecord> ReferencePlane{"ReferencePlane", Allocator::Table};

    void Register(TableRegistry& reg) {
        reg.Add(CoordSystem);
        reg.Add(ReferenceLine);
        reg.Add(ReferencePlane);
    }
};

}  // namespace kmd
