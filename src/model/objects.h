// Point, line and area objects and the default object records.
//
// 4-byte values are carried as 32-bit integers; booleans are the 16-bit values
// the file holds. Fixed groups are held inline; the current file holds them as
// 0-based dynamic arrays, and the matrices row after row.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "fileformat/encoding.h"
#include "model/store.h"

namespace kmd {

using Flags4 = std::array<std::int16_t, 4>;
// 3 x 3 reals held by columns: element (i, j) is at (j - 1) * 3 + (i - 1).
using Matrix3 = std::array<double, 9>;

// "PointObjects".
struct PointObjectRecord {
    std::string Label;
    std::int32_t PValue1 = 0, PValue2 = 0;
    std::int32_t PValue3 = 0;
    std::int32_t PValue4 = 0;
    Bytes<32> PBlock1{};
    std::int16_t PCode1 = 0, PCode2 = 0, PCode3 = 0, PCode4 = 0;
    Flags4 PFlags1{};
    Flags4 PFlags2{};
    std::int32_t PValue5 = 0, PValue6 = 0;
    Bytes<18> PBlock2{};  // four 4-byte values and a 16-bit one
    std::int32_t PValue7 = 0;
    std::string PText;
};
// Layout of the legacy files above 9.025.
template <class Io>
void fields(Io& io, PointObjectRecord& r) {
    io(r.Label, r.PValue1, r.PValue2, r.PValue3, r.PValue4, r.PBlock1, r.PCode1, r.PCode2, r.PCode3, r.PCode4,
       ZeroBased(r.PFlags1), ZeroBased(r.PFlags2), r.PValue5, r.PValue6, r.PBlock2, r.PValue7, r.PText);
}

// "LineObjects".
struct LineObjectRecord {
    std::string Label;                                            // 1
    std::int32_t LValue1 = 0, LValue2 = 0;                        // 2
    std::array<std::int32_t, 2> LEnds{};                          // 3
    std::int32_t LValue3 = 0, LValue4 = 0, LValue5 = 0;           // 4
    std::int16_t LCode1 = 0;                                      // 5
    std::int32_t LValue6 = 0, LValue7 = 0;                        // 6
    Bytes<8> LZero1{};                                            // 7
    double LReal1 = 0;                                            // 8
    Bytes<8> LBlock1{};                                           // 9
    std::int16_t LCode2 = 0;                                      // 10
    std::int32_t LValue8 = 0, LValue9 = 0, LValue10 = 0;          // 11
    Matrix3 LMatrix{};                                            // 12
    std::int32_t LValue11 = 0, LValue12 = 0, LValue13 = 0, LValue14 = 0;  // 13
    std::int32_t LValue15 = 0;                                    // 14
    std::int32_t LValue16 = 0;                                    // 15
    std::int16_t LCode3 = 0;                                      // 16
    double LReal2 = 0;                                            // 17
    std::int32_t LValue17 = 0;                                    // 18
    std::int16_t LCode4 = 0;                                      // 19
    std::int32_t LValue18 = 0, LValue19 = 0, LValue20 = 0, LValue21 = 0, LValue22 = 0, LValue23 = 0;  // 20
    std::int32_t LValue24 = 0;                                    // 21
    std::int16_t LSwitch = 0;                                     // 22
    std::int16_t LCode5 = 0;                                      // 23
    std::array<std::int32_t, 6> LRefs{};                          // 24
    std::int16_t LCode6 = 0;                                      // 25
    std::int16_t LCode7 = 0;                                      // 26
    std::int32_t LValue25 = 0, LValue26 = 0, LValue27 = 0, LValue28 = 0, LValue29 = 0, LValue30 = 0,
                 LValue31 = 0;                                    // 27
    std::int32_t LValue32 = 0;                                    // 28
    std::int16_t LCode8 = 0, LCode9 = 0;                          // 29
    Bytes<16> LZero2{};                                           // 30
    std::int32_t LValue33 = 0, LValue34 = 0, LValue35 = 0, LValue36 = 0, LValue37 = 0, LValue38 = 0,
                 LValue39 = 0;                                    // 31
    std::int16_t LCode10 = 0, LCode11 = 0, LCode12 = 0;           // 32
    Flags4 LFlags1{};                                             // 33
    Flags4 LFlags2{};                                             // 34
    std::array<std::int32_t, 10> LTail{};                         // 35
    std::string LText;                                            // 36
};

// Field groups of a line object, numbered as in the record above; the legacy
// forms are spelled out of them.
namespace line_groups {
template <class Io> void F11(Io& io, LineObjectRecord& r) { io(r.LValue8, r.LValue9, r.LValue10); }
template <class Io> void F13(Io& io, LineObjectRecord& r) { io(r.LValue11, r.LValue12, r.LValue13, r.LValue14); }
template <class Io> void F20(Io& io, LineObjectRecord& r) {
    io(r.LValue18, r.LValue19, r.LValue20, r.LValue21, r.LValue22, r.LValue23);
}
template <class Io> void F27(Io& io, LineObjectRecord& r) {
    io(r.LValue25, r.LValue26, r.LValue27, r.LValue28, r.LValue29, r.LValue30, r.LValue31);
}
template <class Io> void F31(Io& io, LineObjectRecord& r) {
    io(r.LValue33, r.LValue34, r.LValue35, r.LValue36, r.LValue37, r.LValue38, r.LValue39);
}
// Fields 1 to 35.
template <class Io> void F1To35(Io& io, LineObjectRecord& r) {
    io(r.Label, r.LValue1, r.LValue2, ZeroBased(r.LEnds), r.LValue3, r.LValue4, r.LValue5, r.LCode1, r.LValue6,
       r.LValue7, r.LZero1, r.LReal1, r.LBlock1, r.LCode2);
    F11(io, r);
    io(ZeroBasedRows<3, 3>(r.LMatrix));
    F13(io, r);
    io(r.LValue15, r.LValue16, r.LCode3, r.LReal2, r.LValue17, r.LCode4);
    F20(io, r);
    io(r.LValue24, r.LSwitch, r.LCode5, ZeroBased(r.LRefs), r.LCode6, r.LCode7);
    F27(io, r);
    io(r.LValue32, r.LCode8, r.LCode9, r.LZero2);
    F31(io, r);
    io(r.LCode10, r.LCode11, r.LCode12, ZeroBased(r.LFlags1), ZeroBased(r.LFlags2), r.LTail);
}
}  // namespace line_groups

// Layout of the legacy files above 9.025.
template <class Io>
void fields(Io& io, LineObjectRecord& r) {
    line_groups::F1To35(io, r);
    io(r.LText);
}

// "AreaObjects".
struct AreaObjectRecord {
    std::string Label;                                            // 1
    std::int32_t AValue1 = 0, AValue2 = 0;                        // 2
    std::int32_t ItemCount = 0;                                   // 3
    DynArray<std::int32_t> AItems1;                               // 4: elements 1..ItemCount
    std::int16_t ACode1 = 0, ACode2 = 0;                          // 5
    std::int32_t AValue3 = 0, AValue4 = 0, AValue5 = 0;           // 6
    std::int32_t AValue6 = 0;                                     // 7
    double AReal1 = 0;                                            // 8
    std::int32_t AValue7 = 0, AValue8 = 0;                        // 9
    std::int16_t ACode3 = 0;                                      // 10
    std::int32_t AValue9 = 0, AValue10 = 0, AValue11 = 0, AValue12 = 0;  // 11
    Matrix3 AMatrix{};                                            // 12
    std::array<double, 4> AReals{};                               // 13
    std::int32_t AValue13 = 0, AValue14 = 0, AValue15 = 0, AValue16 = 0, AValue17 = 0, AValue18 = 0,
                 AValue19 = 0, AValue20 = 0, AValue21 = 0, AValue22 = 0, AValue23 = 0;  // 14
    std::int32_t AValue24 = 0;                                    // 15
    std::int32_t AValue25 = 0, AValue26 = 0, AValue27 = 0, AValue28 = 0, AValue29 = 0, AValue30 = 0,
                 AValue31 = 0;                                    // 16
    std::int16_t ACode4 = 0, ACode5 = 0, ACode6 = 0, ACode7 = 0, ACode8 = 0;  // 17
    double AReal2 = 0;                                            // 18
    std::int32_t AValue32 = 0, AValue33 = 0;                      // 19
    std::int16_t ACode9 = 0, ACode10 = 0, ACode11 = 0, ACode12 = 0, ACode13 = 0;  // 20
    DynArray<std::int32_t> AItems2;                               // 21: elements 1..ItemCount
    Flags4 AFlags1{};                                             // 22
    Flags4 AFlags2{};                                             // 23
    std::array<std::int32_t, 10> ATail{};                         // 24
    std::string AText;                                            // 25
};

// Field groups of an area object, numbered as in the record above.
namespace area_groups {
// Fields 1 to 8.
template <class Io> void F1To8(Io& io, AreaObjectRecord& r) {
    io(r.Label, r.AValue1, r.AValue2, r.ItemCount, Counted(r.AItems1, r.ItemCount, "AItems1"), r.ACode1, r.ACode2,
       r.AValue3, r.AValue4, r.AValue5, r.AValue6, r.AReal1);
}
template <class Io> void F11To14(Io& io, AreaObjectRecord& r) {
    io(r.AValue9, r.AValue10, r.AValue11, r.AValue12, ZeroBasedRows<3, 3>(r.AMatrix), ZeroBased(r.AReals),
       r.AValue13, r.AValue14, r.AValue15,
       r.AValue16, r.AValue17, r.AValue18, r.AValue19, r.AValue20, r.AValue21, r.AValue22, r.AValue23);
}
template <class Io> void F16(Io& io, AreaObjectRecord& r) {
    io(r.AValue25, r.AValue26, r.AValue27, r.AValue28, r.AValue29, r.AValue30, r.AValue31);
}
template <class Io> void F17(Io& io, AreaObjectRecord& r) { io(r.ACode4, r.ACode5, r.ACode6, r.ACode7, r.ACode8); }
// Fields 1 to 19.
template <class Io> void F1To19(Io& io, AreaObjectRecord& r) {
    F1To8(io, r);
    io(r.AValue7, r.AValue8, r.ACode3);
    F11To14(io, r);
    io(r.AValue24);
    F16(io, r);
    F17(io, r);
    io(r.AReal2, r.AValue32, r.AValue33);
}
}  // namespace area_groups

// Layout of the legacy files above 9.025.
template <class Io>
void fields(Io& io, AreaObjectRecord& r) {
    area_groups::F1To19(io, r);
    io(r.ACode9, r.ACode10, r.ACode11, r.ACode12, r.ACode13, Counted(r.AItems2, r.ItemCount, "AItems2"),
       ZeroBased(r.AFlags1), ZeroBased(r.AFlags2), r.ATail, r.AText);
}

struct ObjectData {
    Table<PointObjectRecord> PointObjects{"PointObjects", Allocator::Object};
    Table<LineObjectRecord> LineObjects{"LineObjects", Allocator::Object};
    Table<AreaObjectRecord> AreaObjects{"AreaObjects", Allocator::Object};

    // Every legacy object starts from a copy of one of these.
    PointObjectRecord DefaultPointObject;
    LineObjectRecord DefaultLineObject;
    AreaObjectRecord DefaultAreaObject;

    // Builds DefaultPointObject, DefaultLineObject and DefaultAreaObject;
    // defaultLength is DefaultLength of the current unit system.
    void BuildDefaults(std::int32_t defaultLength);

    void Register(TableRegistry& reg) {
        reg.Add(PointObjects);
        reg.Add(LineObjects);
        reg.Add(AreaObjects);
    }
};

}  // namespace kmd
