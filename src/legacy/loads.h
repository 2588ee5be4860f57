// Legacy layouts of the load case, combination and assigned-load tables.
//
// Each layout is read over a default record (`rec`); the fields the layout
// lacks keep the defaults its import gives them.
#pragma once

#include <cstdint>
#include <utility>

#include "fileformat/encoding.h"
#include "model/loads.h"

namespace kmd {

// ---------------------------------------------------------------------------
// "LoadCondition": no Wide1, Wide2 up to 9.155; no Text1 up to 9.025; an
// 8-character name up to 8.075.

inline constexpr double kLoadCaseAUpTo = 8.075;
struct LoadCaseA {
    LoadCaseRecord rec;
    FixedString<8> Name;
};
template <class Io>
void fields(Io& io, LoadCaseA& r) {
    auto& c = r.rec;
    io(r.Name, c.Value1, c.Value2, c.Value3, c.Short1, c.Value4To13, c.Short2);
}

inline constexpr double kLoadCaseBUpTo = 9.025;
struct LoadCaseB {
    LoadCaseRecord rec;
};
template <class Io>
void fields(Io& io, LoadCaseB& r) {
    auto& c = r.rec;
    io(c.Name, c.Value1, c.Value2, c.Value3, c.Short1, c.Value4To13, c.Short2);
}

inline constexpr double kLoadCaseCUpTo = 9.155;
struct LoadCaseC {
    LoadCaseRecord rec;
};
template <class Io>
void fields(Io& io, LoadCaseC& r) {
    auto& c = r.rec;
    io(c.Name, c.Value1, c.Value2, c.Value3, c.Short1, c.Value4To13, c.Short2, c.Text1);
}

// The name trimmed; the missing fields are zero or empty.
LoadCaseRecord ImportLoadCaseA(LoadCaseA&& a);
LoadCaseRecord ImportLoadCaseB(LoadCaseB&& b);
LoadCaseRecord ImportLoadCaseC(LoadCaseC&& c);

// ---------------------------------------------------------------------------
// "Combo". Missing fields: Value3, Value4, Short2, Short4 are 0, Value11 has all
// bits set, Text2 is empty.

inline constexpr std::uint32_t kComboValue11Missing = 0xFFFFFFFFu;

// Up to 7.995: an 8-character name, no Value3, Value4, Value11, Short2, Short4.
inline constexpr double kComboAUpTo = 7.995;
struct ComboA {
    ComboRecord rec;
    FixedString<8> Name;
};
template <class Io>
void fields(Io& io, ComboA& r) {
    auto& c = r.rec;
    io(r.Name, c.Text1, c.Value1, c.Value2, c.Value5To10, c.Value12To15, c.Short1, c.Value16, c.Short3, c.Short5,
       c.Value17, c.Short6);
}

// Up to 8.005: Value4 added.
inline constexpr double kComboBUpTo = 8.005;
struct ComboB {
    ComboRecord rec;
    FixedString<8> Name;
};
template <class Io>
void fields(Io& io, ComboB& r) {
    auto& c = r.rec;
    io(r.Name, c.Text1, c.Value1, c.Value2, c.Value4, c.Value5To10, c.Value12To15, c.Short1, c.Value16, c.Short3,
       c.Short5, c.Value17, c.Short6);
}

// Up to 8.045: the name a string, Value11 added.
inline constexpr double kComboCUpTo = 8.045;
struct ComboC {
    ComboRecord rec;
};
template <class Io>
void fields(Io& io, ComboC& r) {
    auto& c = r.rec;
    io(c.Name, c.Text1, c.Value1, c.Value2, c.Value4, c.Value5To10, c.Value11, c.Value12To15, c.Short1, c.Value16,
       c.Short3, c.Short5, c.Value17, c.Short6);
}

// Up to 8.1905: Short4 added.
inline constexpr double kComboDUpTo = 8.1905;
struct ComboD {
    ComboRecord rec;
};
template <class Io>
void fields(Io& io, ComboD& r) {
    auto& c = r.rec;
    io(c.Name, c.Text1, c.Value1, c.Value2, c.Value4, c.Value5To10, c.Value11, c.Value12To15, c.Short1, c.Value16,
       c.Short3, c.Short4, c.Short5, c.Value17, c.Short6);
}

// Up to 8.395: a 16-bit value in the place of Short2, not carried.
inline constexpr double kComboEUpTo = 8.395;
struct ComboE {
    ComboRecord rec;
    std::int16_t Dropped = 0;
};
template <class Io>
void fields(Io& io, ComboE& r) {
    auto& c = r.rec;
    io(c.Name, c.Text1, c.Value1, c.Value2, c.Value4, c.Value5To10, c.Value11, c.Value12To15, c.Short1, c.Value16,
       r.Dropped, c.Short3, c.Short4, c.Short5, c.Value17, c.Short6);
}

// Up to 9.025: the current record without Text2.
inline constexpr double kComboFUpTo = 9.025;
struct ComboF {
    ComboRecord rec;
};
template <class Io>
void fields(Io& io, ComboF& r) {
    auto& c = r.rec;
    io(c.Name, c.Text1, c.Value1, c.Value2, c.Value3, c.Value4, c.Value5To10, c.Value11, c.Value12To15, c.Short1,
       c.Value16, c.Short2, c.Short3, c.Short4, c.Short5, c.Value17, c.Short6);
}

// The name trimmed, the missing fields set as above.
ComboRecord ImportComboA(ComboA&& a);
ComboRecord ImportComboB(ComboB&& b);
ComboRecord ImportComboC(ComboC&& c);
ComboRecord ImportComboD(ComboD&& d);
ComboRecord ImportComboE(ComboE&& e);
ComboRecord ImportComboF(ComboF&& f);

// ---------------------------------------------------------------------------
// Assigned loads: "JFLoad" and "FDLoad" have no Text1 up to 9.025 (it is empty);
// "ShWPLoad" is absent from files up to 7.985.

inline constexpr double kJFLoadAUpTo = 9.025;
struct JFLoadA {
    JFLoadRecord rec;
};
template <class Io>
void fields(Io& io, JFLoadA& r) {
    auto& c = r.rec;
    io(c.Short1, c.Value1, c.Value2, c.Components, c.Short2);
}
inline JFLoadRecord ImportJFLoadA(JFLoadA&& a) { return std::move(a.rec); }

inline constexpr double kFDLoadAUpTo = 9.025;
struct FDLoadA {
    FDLoadRecord rec;
};
template <class Io>
void fields(Io& io, FDLoadA& r) {
    auto& c = r.rec;
    io(c.Short1, c.Value1To5, c.Short2, c.Value6To13, c.Short3);
}
inline FDLoadRecord ImportFDLoadA(FDLoadA&& a) { return std::move(a.rec); }

inline constexpr double kNoShWPLoadUpTo = 7.985;

}  // namespace kmd
