// Materials and the MT table.
#pragma once

#include <cstdint>
#include <string>

#include "fileformat/encoding.h"
#include "model/store.h"

namespace kmd {

// One stress-strain (or similar) curve; points are subscripts 1..PointCount.
struct MaterialCurve {
    std::int32_t PointCount = 0;
    DynArray<double> X;
    DynArray<double> Y;
};
template <class Io>
void fields(Io& io, MaterialCurve& c) {
    io(c.PointCount, Counted(c.X, c.PointCount, "material curve X"), Counted(c.Y, c.PointCount, "material curve Y"));
}

// "Material": also the newest legacy layout. Curves are held with the bounds
// the file gave them and written 0-based.
struct MaterialRecord {
    std::string Name;
    std::string TypeCode;
    Bytes<94> ValueBlock1{};
    std::int32_t CurveCount = 0;
    DynArray<MaterialCurve> Curves;  // subscripts 1..CurveCount
    Bytes<20> ValueBlock2{};
    std::string AddedText1;
    std::int32_t AddedValue = 0;
    std::string AddedText2;
};
template <class Io>
void fields(Io& io, MaterialRecord& r) {
    io(r.Name, r.TypeCode, r.ValueBlock1, r.CurveCount, Counted(r.Curves, r.CurveCount, "material curves"),
       r.ValueBlock2, r.AddedText1, r.AddedValue, r.AddedText2);
}

// "MT": also the legacy layout above 8.075. The arrays are written with fixed
// bounds 0..kMTArraySizes[k].
inline constexpr std::int32_t kMTArraySizes[6] = {3, 3, 15, 6, 6, 6};

struct MTRecord {
    std::int32_t Value1 = 0;
    std::int32_t Value2 = 0;
    std::int32_t Value3 = 0;
    DynArray<double> Array1;  // 1..3
    DynArray<double> Array2;  // 1..3
    DynArray<double> Array3;  // 1..15
    DynArray<double> Array4;  // 1..6
    DynArray<double> Array5;  // 1..6
    std::int32_t Value4 = 0;
    std::int32_t Value5 = 0;
    DynArray<double> Array6;  // 1..6
};
template <class Io>
void fields(Io& io, MTRecord& r) {
    io(r.Value1, r.Value2, r.Value3, Counted(r.Array1, kMTArraySizes[0], "MT array 1"),
       Counted(r.Array2, kMTArraySizes[1], "MT array 2"), Counted(r.Array3, kMTArraySizes[2], "MT array 3"),
       Counted(r.Array4, kMTArraySizes[3], "MT array 4"), Counted(r.Array5, kMTArraySizes[4], "MT array 5"), r.Value4,
       r.Value5, Counted(r.Array6, kMTArraySizes[5], "MT array 6"));
}

struct MaterialData {
    Table<MaterialRecord> Material{"Material", Allocator::Table};
    Table<MTRecord> MT{"MT", Allocator::Table};

    void Register(TableRegistry& reg) {
        reg.Add(Material);
        reg.Add(MT);
    }
};

}  // namespace kmd
