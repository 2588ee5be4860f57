// Legacy layouts of point, line and area objects and their import conversions.
//
// A legacy object is read over a copy of the default record of its kind: each
// form's `obj` is set to the default record before the form is read, so that
// the fields the form does not carry keep their defaults. The import conversion
// then applies the form's own resets and recodes. The forms of the files above
// 9.025 are the in-memory records themselves (model/objects.h).
#pragma once

#include <array>
#include <cstdint>

#include "fileformat/encoding.h"
#include "model/objects.h"

namespace kmd {

// ---------------------------------------------------------------------------
// Point objects

inline constexpr double kPointObjectP1UpTo = 7.985;
// Up to 7.985: no PValue4 (a 4-byte value stands in its place), no PBlock2.
struct PointObjectP1 {
    PointObjectRecord obj;
    std::int32_t DroppedValue = 0;
};
template <class Io>
void fields(Io& io, PointObjectP1& r) {
    auto& o = r.obj;
    io(o.Label, o.PValue1, o.PValue2, o.PValue3, r.DroppedValue, o.PBlock1, o.PCode1, o.PCode2, o.PCode3, o.PCode4,
       o.PFlags1, o.PFlags2, o.PValue5, o.PValue6, o.PValue7);
}

inline constexpr double kPointObjectP2UpTo = 9.025;
// Above 7.985 up to 9.025: no PText.
struct PointObjectP2 {
    PointObjectRecord obj;
};
template <class Io>
void fields(Io& io, PointObjectP2& r) {
    auto& o = r.obj;
    io(o.Label, o.PValue1, o.PValue2, o.PValue3, o.PValue4, o.PBlock1, o.PCode1, o.PCode2, o.PCode3, o.PCode4,
       o.PFlags1, o.PFlags2, o.PValue5, o.PValue6, o.PBlock2, o.PValue7);
}

PointObjectRecord ImportPointObject(PointObjectP1&& r);
PointObjectRecord ImportPointObject(PointObjectP2&& r);

// ---------------------------------------------------------------------------
// Line objects (field numbers of LineObjectRecord in the comments)

inline constexpr double kLineObjectL1UpTo = 7.985;
// L1, up to 7.985: no fields 5, 7, 9, 10, 14, 21 to 23, 25, 26, 29, 30, no
// LValue30; a 16-bit switch after LRefs; two trailing values.
struct LineObjectL1 {
    LineObjectRecord obj;
    std::int16_t LegacySwitch = 0;
};
template <class Io>
void fields(Io& io, LineObjectL1& r) {
    auto& o = r.obj;
    io(o.Label, o.LValue1, o.LValue2, o.LEnds, o.LValue3, o.LValue4, o.LValue5, o.LValue6, o.LValue7, o.LReal1);
    line_groups::F11(io, o);
    io(o.LMatrix);
    line_groups::F13(io, o);
    io(o.LValue16, o.LCode3, o.LReal2, o.LValue17, o.LCode4);
    line_groups::F20(io, o);
    io(o.LRefs, r.LegacySwitch, o.LValue25, o.LValue26, o.LValue27, o.LValue28, o.LValue29, o.LValue31, o.LValue32);
    line_groups::F31(io, o);
    io(o.LCode10, o.LCode11, o.LCode12, o.LFlags1, o.LFlags2, o.LTail[0], o.LTail[1]);
}

inline constexpr double kLineObjectL2UpTo = 8.005;
inline constexpr double kLineObjectL3UpTo = 8.055;
inline constexpr double kLineObjectL4UpTo = 8.195;
// L2 (above 7.985 up to 8.005), L3 (up to 8.055: adds field 14 after 13) and
// L4 (up to 8.195: adds field 23 after 22). None has fields 7, 29 or 30; ten
// trailing values of which the first two are kept.
template <int Form>
struct LineObjectL2To4 {
    static_assert(Form >= 2 && Form <= 4);
    LineObjectRecord obj;
    std::array<std::int32_t, 8> DroppedTail{};
};
template <class Io, int Form>
void fields(Io& io, LineObjectL2To4<Form>& r) {
    auto& o = r.obj;
    io(o.Label, o.LValue1, o.LValue2, o.LEnds, o.LValue3, o.LValue4, o.LValue5, o.LCode1, o.LValue6, o.LValue7,
       o.LReal1, o.LBlock1, o.LCode2);
    line_groups::F11(io, o);
    io(o.LMatrix);
    line_groups::F13(io, o);
    if constexpr (Form >= 3) io(o.LValue15);
    io(o.LValue16, o.LCode3, o.LReal2, o.LValue17, o.LCode4);
    line_groups::F20(io, o);
    io(o.LValue24, o.LSwitch);
    if constexpr (Form >= 4) io(o.LCode5);
    io(o.LRefs, o.LCode6, o.LCode7);
    line_groups::F27(io, o);
    io(o.LValue32);
    line_groups::F31(io, o);
    io(o.LCode10, o.LCode11, o.LCode12, o.LFlags1, o.LFlags2, o.LTail[0], o.LTail[1], r.DroppedTail);
}
using LineObjectL2 = LineObjectL2To4<2>;
using LineObjectL3 = LineObjectL2To4<3>;
using LineObjectL4 = LineObjectL2To4<4>;

inline constexpr double kLineObjectL5UpTo = 9.025;
// L5, above 8.195 up to 9.025: fields 1 to 35 (no LText).
struct LineObjectL5 {
    LineObjectRecord obj;
};
template <class Io>
void fields(Io& io, LineObjectL5& r) { line_groups::F1To35(io, r.obj); }

LineObjectRecord ImportLineObject(LineObjectL1&& r);
LineObjectRecord ImportLineObject(LineObjectL2&& r);
LineObjectRecord ImportLineObject(LineObjectL3&& r);
LineObjectRecord ImportLineObject(LineObjectL4&& r);
LineObjectRecord ImportLineObject(LineObjectL5&& r);

// ---------------------------------------------------------------------------
// Area objects (field numbers of AreaObjectRecord in the comments)

inline constexpr double kAreaObjectA1UpTo = 7.985;
// A1, up to 7.985: no fields 9, 10, 15, 18 or 19; of fields 17 and 20 only
// ACode4 and three codes kept as ACode11 to ACode13; two trailing values.
struct AreaObjectA1 {
    AreaObjectRecord obj;
};
template <class Io>
void fields(Io& io, AreaObjectA1& r) {
    auto& o = r.obj;
    area_groups::F1To8(io, o);
    area_groups::F11To14(io, o);
    area_groups::F16(io, o);
    io(o.ACode4, o.ACode11, o.ACode12, o.ACode13, o.AItems2, o.AFlags1, o.AFlags2, o.ATail[0], o.ATail[1]);
}

inline constexpr double kAreaObjectA2UpTo = 8.005;
// A2, above 7.985 up to 8.005: fields 9 and 10 and 19 read and dropped, no
// field 15, four codes kept as ACode10 to ACode13; ten trailing values of which
// the first two are kept.
struct AreaObjectA2 {
    AreaObjectRecord obj;
    Bytes<10> DroppedFields9To10{};
    Bytes<8> DroppedField19{};
    std::array<std::int32_t, 8> DroppedTail{};
};
template <class Io>
void fields(Io& io, AreaObjectA2& r) {
    auto& o = r.obj;
    area_groups::F1To8(io, o);
    io(r.DroppedFields9To10);
    area_groups::F11To14(io, o);
    area_groups::F16(io, o);
    area_groups::F17(io, o);
    io(o.AReal2, r.DroppedField19, o.ACode10, o.ACode11, o.ACode12, o.ACode13, o.AItems2, o.AFlags1, o.AFlags2,
       o.ATail[0], o.ATail[1], r.DroppedTail);
}

inline constexpr double kAreaObjectA3UpTo = 9.025;
// A3, above 8.005 up to 9.025: fields 1 to 19, four codes kept as ACode10 to
// ACode13; ten trailing values of which the first eight are kept.
struct AreaObjectA3 {
    AreaObjectRecord obj;
    std::array<std::int32_t, 2> DroppedTail{};
};
template <class Io>
void fields(Io& io, AreaObjectA3& r) {
    auto& o = r.obj;
    area_groups::F1To19(io, o);
    io(o.ACode10, o.ACode11, o.ACode12, o.ACode13, o.AItems2, o.AFlags1, o.AFlags2);
    io(o.ATail[0], o.ATail[1], o.ATail[2], o.ATail[3], o.ATail[4], o.ATail[5], o.ATail[6], o.ATail[7],
       r.DroppedTail);
}

// defaultLength is DefaultLength of the model's unit system at conversion time.
AreaObjectRecord ImportAreaObject(AreaObjectA1&& r, std::int32_t defaultLength);
AreaObjectRecord ImportAreaObject(AreaObjectA2&& r);
AreaObjectRecord ImportAreaObject(AreaObjectA3&& r);

}  // namespace kmd
