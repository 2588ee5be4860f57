// Legacy layouts of the "Material" and "MT" records and their conversions.
#pragma once

#include <cstdint>
#include <string>

#include "fileformat/encoding.h"
#include "model/materials.h"

namespace kmd {

// "Material" up to 8.005 (form A): fixed 8-character name and 1-character type.
inline constexpr double kMaterialAUpTo = 8.005;

struct MaterialA {
    FixedString<8> Name;
    FixedString<1> TypeCode;
    Bytes<94> ValueBlock1{};
    std::int32_t CurveCount = 0;
    DynArray<MaterialCurve> Curves;
    Bytes<20> ValueBlock2{};
};
template <class Io>
void fields(Io& io, MaterialA& r) { io(r.Name, r.TypeCode, r.ValueBlock1, r.CurveCount, r.Curves, r.ValueBlock2); }

// Five trailing fields of forms B and C, read and dropped.
struct MaterialTrailer {
    std::string Text1;
    std::string Text2;
    std::int32_t Value1 = 0;
    std::string Text3;
    std::string Text4;
};
template <class Io>
void fields(Io& io, MaterialTrailer& r) { io(r.Text1, r.Text2, r.Value1, r.Text3, r.Text4); }

// "Material" up to 8.075 (form B): form A and the trailer.
inline constexpr double kMaterialBUpTo = 8.075;

struct MaterialB {
    MaterialA Head;
    MaterialTrailer Trailer;
};
template <class Io>
void fields(Io& io, MaterialB& r) { io(r.Head, r.Trailer); }

// "Material" up to 8.1925 (form C): variable-length name and type, and the trailer.
inline constexpr double kMaterialCUpTo = 8.1925;

struct MaterialC {
    std::string Name;
    std::string TypeCode;
    Bytes<94> ValueBlock1{};
    std::int32_t CurveCount = 0;
    DynArray<MaterialCurve> Curves;
    Bytes<20> ValueBlock2{};
    MaterialTrailer Trailer;
};
template <class Io>
void fields(Io& io, MaterialC& r) {
    io(r.Name, r.TypeCode, r.ValueBlock1, r.CurveCount, r.Curves, r.ValueBlock2, r.Trailer);
}

// "MT" up to 8.075: one plain 332-byte block.
inline constexpr double kMTBlockUpTo = 8.075;

struct MTBlock {
    std::int32_t Value1 = 0;
    std::int32_t Value2 = 0;
    std::int32_t Value3 = 0;
    std::array<double, 3> Reals1{};
    std::array<double, 3> Reals2{};
    std::array<double, 15> Reals3{};
    std::array<double, 6> Reals4{};
    std::array<double, 6> Reals5{};
    std::int32_t Value4 = 0;
    std::int32_t Value5 = 0;
    std::array<double, 6> Reals6{};
};
template <class Io>
void fields(Io& io, MTBlock& r) {
    io(r.Value1, r.Value2, r.Value3, r.Reals1, r.Reals2, r.Reals3, r.Reals4, r.Reals5, r.Value4, r.Value5, r.Reals6);
}

// The curves move over; the added fields stay empty.
MaterialRecord ImportMaterialA(MaterialA&& a);  // name kept whole, blanks included
MaterialRecord ImportMaterialB(MaterialB&& b);  // name trimmed
MaterialRecord ImportMaterialC(MaterialC&& c);  // name trimmed
// The blocks become arrays with bounds 1..kMTArraySizes[k].
MTRecord ImportMT(MTBlock&& b);

}  // namespace kmd
