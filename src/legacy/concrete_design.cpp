#include "legacy/concrete_design.h"

#include <span>
#include <utility>

#include "fileformat/packed_fields.h"

namespace kmd {

namespace {

using P = PackedFills<kConcretePreferenceFields>;
using O = PackedFills<kConcreteOverwriteFields>;

// Current fields | legacy block bytes, as the layouts' tables list them.

constexpr FieldFill kConcretePreferencesA[] = {
    P::Move("Int1", "Int3", 80, 91),
    P::Move("Int4", "Int5", 32, 39),
    P::Move("Real1", "Real2", 92, 107),
    P::Move("Real3", "Real6", 0, 31),
    P::Move("Real20", "Real21", 40, 55),
    P::Move("Real31", 56, 63),
    P::Move("Real32", 72, 79),
    P::Move("Real33", 64, 71),
    P::Constant("Real57", 0.0),
    P::Constant("Real58", 0.99),
    P::Dropped(108, 111),
};
static_assert(FillsAreExact(kConcretePreferencesA, {112}, kConcretePreferenceFields, false));

constexpr FieldFill kConcretePreferencesB[] = {
    P::Move("Int1", "Int3", 80, 91),
    P::Move("Int4", "Int5", 32, 39),
    P::Move("Real1", "Real2", 92, 107),
    P::Move("Real3", "Real6", 0, 31),
    P::Move("Real20", "Real21", 40, 55),
    P::Move("Real31", 56, 63),
    P::Move("Real32", 72, 79),
    P::Move("Real33", 64, 71),
    P::Constant("Real57", 0.0),
    P::Move("Real58", 112, 119),
    P::Dropped(108, 111),
};
static_assert(FillsAreExact(kConcretePreferencesB, {120}, kConcretePreferenceFields, false));

constexpr FieldFill kConcretePreferencesC[] = {
    P::Move("Int1", "Int3", 80, 91),
    P::Move("Int4", "Int5", 32, 39),
    P::Move("Real1", "Real2", 92, 107),
    P::Move("Real3", "Real6", 0, 31),
    P::Move("Real20", "Real21", 40, 55),
    P::Move("Real31", 56, 63),
    P::Move("Real32", 72, 79),
    P::Move("Real33", 64, 71),
    P::Move("Real57", 120, 127),
    P::Move("Real58", 112, 119),
    P::Dropped(108, 111),
};
static_assert(FillsAreExact(kConcretePreferencesC, {128}, kConcretePreferenceFields, false));

constexpr FieldFill kConcretePreferencesD[] = {
    P::Move("Int1", "Real2", 0, 35),
    P::Move("Real3", "Real6", 56, 87),
    P::Move("Real7", "Real12", 88, 135),
    P::Move("Real20", "Real21", 136, 151),
    P::Move("Real22", 160, 167),
    P::Move("Real23", 152, 159),
    P::Move("Real24", 168, 175),
    P::Move("Real31", 176, 183),
    P::Move("Real32", 192, 199),
    P::Move("Real33", 184, 191),
    P::Move("Real41", 208, 215),
    P::Move("Real42", 200, 207),
    P::Move("Real43", "Int13", 216, 331),
    P::Move("Real57", "Real58", 36, 51),
    P::Dropped(52, 55),
};
static_assert(FillsAreExact(kConcretePreferencesD, {332}, kConcretePreferenceFields, false));

constexpr FieldFill kConcretePreferencesE[] = {
    P::Move("Int1", "Real2", 0, 35),
    P::Constant("Int6", 1),
    P::Move("Real3", "Real6", 38, 69),
    P::Move("Real7", "Real12", 70, 117),
    P::Move("Real20", "Real24", 118, 157),
    P::Move("Real31", "Real33", 158, 181),
    P::Move("Real41", "Int13", 182, 313),
    P::Move("Real57", "Real58", 314, 329),
    P::Dropped(36, 37),
};
static_assert(FillsAreExact(kConcretePreferencesE, {330}, kConcretePreferenceFields, false));

constexpr FieldFill kConcretePreferencesF[] = {
    P::Move("Int1", "Real2", 0, 35),
    P::Constant("Int6", 1),
    P::Move("Real3", "Real6", 38, 69),
    P::Move("Real7", "Real12", 70, 117),
    P::Move("Real20", "Real24", 118, 157),
    P::Move("Real31", "Real33", 158, 181),
    P::Move("Real41", "Int13", 182, 313),
    P::Move("Real57", "Real58", 316, 331),
    P::Dropped(36, 37),
    P::Dropped(314, 315),
};
static_assert(FillsAreExact(kConcretePreferencesF, {332}, kConcretePreferenceFields, false));

constexpr FieldFill kConcretePreferencesG[] = {
    P::Move("Int1", "Real6", 0, 71),
    P::Move("Real7", "Real12", 72, 119),
    P::Move("Real20", "Real24", 120, 159),
    P::Move("Real31", "Real33", 160, 183),
    P::Move("Real41", "Real58", 184, 335),
};
static_assert(FillsAreExact(kConcretePreferencesG, {336}, kConcretePreferenceFields, false));

constexpr FieldFill kConcretePreferencesH[] = {
    P::Move("Int1", "Real12", 0, 123),
    P::Move("Real20", "Real24", 124, 163),
    P::Move("Real31", "Real33", 164, 187),
    P::Move("Real41", "Real58", 188, 339),
};
static_assert(FillsAreExact(kConcretePreferencesH, {340}, kConcretePreferenceFields, false));

constexpr FieldFill kConcretePreferencesI[] = {
    P::Move("Int1", "Real12", 0, 123),
    P::Move("Real18", "Real30", 124, 227),
    P::Move("Real31", "Real33", 252, 275),
    P::Move("Real41", "Real58", 276, 427),
    P::Dropped(228, 251),
};
static_assert(FillsAreExact(kConcretePreferencesI, {428}, kConcretePreferenceFields, false));

constexpr FieldFill kConcretePreferencesJ[] = {
    P::Move("Int1", "Real12", 0, 123),
    P::Move("Real18", "Real30", 124, 227),
    P::Move("Real31", "Int9", 252, 283),
    P::Move("Int11", "Real40", 284, 343),
    P::Move("Real41", "Real58", 344, 495),
    P::Zero("Real13", "Real17"),
    P::Zero("Int10"),
    P::Zero("Int12"),
    P::Dropped(228, 251),
};
static_assert(FillsAreExact(kConcretePreferencesJ, {496}, kConcretePreferenceFields, true));

constexpr FieldFill kConcretePreferencesK[] = {
    P::Move("Int1", "Real30", 0, 267),
    P::Move("Real31", "Int9", 292, 323),
    P::Move("Int11", "Real40", 324, 383),
    P::Move("Real41", "Real58", 384, 535),
    P::Zero("Int10"),
    P::Zero("Int12"),
    P::Dropped(268, 291),
};
static_assert(FillsAreExact(kConcretePreferencesK, {536}, kConcretePreferenceFields, true));

template <std::size_t N>
ConcretePreferences Moved(ConcretePreferencesBlock<N>& legacy, std::span<const FieldFill> fills) {
    ConcretePreferences p;
    p.CodeName = std::move(legacy.CodeName);
    ApplyFills(fills, {legacy.Block}, {p.Block});
    return p;
}

constexpr FieldFill kConcreteOverwriteA[] = {
    O::Move("Word1", "Int2", 0, 11),
    O::Constant("Int3", 1),
    O::Move("Real1", 68, 75),
    O::Move("Real2", "Real3", 28, 43),
    O::Move("Real4", "Real5", 12, 27),
    O::Move("Real6", "Real7", 44, 59),
    O::Move("Real8", "Real9", 92, 107),
    O::Move("Real10", "Real11", 76, 91),
    O::Move("Word20", "Word21", 108, 115),
    O::Dropped(60, 67),
};
static_assert(FillsAreExact(kConcreteOverwriteA, {116}, kConcreteOverwriteFields, false));

constexpr FieldFill kConcreteOverwriteB[] = {
    O::Move("Word1", "Int3", 0, 15),
    O::Move("Real1", 64, 71),
    O::Move("Real2", "Real3", 32, 47),
    O::Move("Real4", "Real5", 16, 31),
    O::Move("Real6", "Real7", 48, 63),
    O::Move("Real8", "Real9", 88, 103),
    O::Move("Real10", "Real11", 72, 87),
    O::Move("Word20", "Word21", 104, 111),
};
static_assert(FillsAreExact(kConcreteOverwriteB, {112}, kConcreteOverwriteFields, false));

constexpr FieldFill kConcreteOverwriteC[] = {
    O::Move("Word1", "Int3", 0, 15),
    O::Move("Int5", 16, 19),
    O::Move("Real1", 68, 75),
    O::Move("Real2", "Real3", 36, 51),
    O::Move("Real4", "Real5", 20, 35),
    O::Move("Real6", "Real7", 52, 67),
    O::Move("Real8", "Real9", 92, 107),
    O::Move("Real10", "Real11", 76, 91),
    O::Move("Real13", "Real14", 124, 139),
    O::Constant("Real17", 1.0),
    O::Constant("Real18", 1.0),
    O::Constant("Real19", 1.0),
    O::Constant("Real20", 1.0),
    O::Constant("Real21", 1.0),
    O::Move("Word20", "Word21", 108, 115),
    O::Dropped(116, 123),
};
static_assert(FillsAreExact(kConcreteOverwriteC, {140}, kConcreteOverwriteFields, false));

constexpr FieldFill kConcreteOverwriteD[] = {
    O::Move("Word1", "Int3", 0, 15),
    O::Move("Int5", 16, 19),
    O::Move("Real1", 68, 75),
    O::Move("Real2", "Real3", 36, 51),
    O::Move("Real4", "Real5", 20, 35),
    O::Move("Real6", "Real7", 52, 67),
    O::Move("Real8", "Real9", 92, 107),
    O::Move("Real10", "Real11", 76, 91),
    O::Move("Real12", "Real14", 116, 139),
    O::Move("Real17", "Real18", 140, 155),
    O::Move("Real19", "Real21", 164, 187),
    O::Move("Word20", "Word21", 108, 115),
    O::Dropped(156, 163),
    O::Dropped(188, 189),
};
static_assert(FillsAreExact(kConcreteOverwriteD, {190}, kConcreteOverwriteFields, false));

constexpr FieldFill kConcreteOverwriteE[] = {
    O::Move("Word1", "Int3", 0, 15),
    O::Move("Int5", 16, 19),
    O::Move("Real1", 68, 75),
    O::Move("Real2", "Real3", 36, 51),
    O::Move("Real4", "Real5", 20, 35),
    O::Move("Real6", "Real7", 52, 67),
    O::Move("Real8", "Real9", 92, 107),
    O::Move("Real10", "Real11", 76, 91),
    O::Move("Real12", "Real14", 108, 131),
    O::Move("Real17", "Real21", 132, 171),
    O::Move("Word20", "Word21", 172, 179),
};
static_assert(FillsAreExact(kConcreteOverwriteE, {180}, kConcreteOverwriteFields, false));

constexpr FieldFill kConcreteOverwriteF[] = {
    O::Move("Word1", "Int5", 0, 23),
    O::Move("Real1", 72, 79),
    O::Move("Real2", "Real3", 40, 55),
    O::Move("Real4", "Real5", 24, 39),
    O::Move("Real6", "Real7", 56, 71),
    O::Move("Real8", "Real9", 96, 111),
    O::Move("Real10", "Real11", 80, 95),
    O::Move("Real12", "Real14", 112, 135),
    O::Move("Real17", "Real21", 136, 175),
    O::Move("Word20", "Word21", 176, 183),
};
static_assert(FillsAreExact(kConcreteOverwriteF, {184}, kConcreteOverwriteFields, false));

constexpr FieldFill kConcreteOverwriteG[] = {
    O::Move("Word1", "Int5", 0, 23),
    O::Move("Real1", 72, 79),
    O::Move("Real2", "Real3", 40, 55),
    O::Move("Real4", "Real5", 24, 39),
    O::Move("Real6", "Real7", 56, 71),
    O::Move("Real8", "Real9", 96, 111),
    O::Move("Real10", "Real11", 80, 95),
    O::Move("Real12", "Real14", 112, 135),
    O::Move("Real15", "Real21", 136, 191),
    O::Move("Word20", "Word21", 192, 199),
};
static_assert(FillsAreExact(kConcreteOverwriteG, {200}, kConcreteOverwriteFields, false));

// "Word16..Word21" is the run Word16 to Word19, Real26, Word20 and Word21.
constexpr FieldFill kConcreteOverwriteH[] = {
    O::Move("Word1", "Real14", 0, 135),
    O::Move("Real15", "Real21", 136, 191),
    O::Move("Word16", "Word21", 192, 223),
};
static_assert(FillsAreExact(kConcreteOverwriteH, {224}, kConcreteOverwriteFields, false));

constexpr FieldFill kConcreteOverwriteI[] = {
    O::Move("Word1", "Real21", 0, 223),
    O::Move("Word16", "Word21", 224, 255),
    O::Zero("Real22", "Real25"),
    O::Zero("Int6"),
    O::Zero("Word10", "Word15"),
};
static_assert(FillsAreExact(kConcreteOverwriteI, {256}, kConcreteOverwriteFields, true));

template <std::size_t N>
ConcreteOverwriteRecord Moved(const ConcreteOverwriteBlock<N>& legacy, std::span<const FieldFill> fills) {
    ConcreteOverwriteRecord r;
    ApplyFills(fills, {legacy.Block}, {r.Data});
    return r;
}

}  // namespace

ConcretePreferences ImportConcretePreferencesA(ConcretePreferencesA&& a) { return Moved(a, kConcretePreferencesA); }
ConcretePreferences ImportConcretePreferencesB(ConcretePreferencesB&& b) { return Moved(b, kConcretePreferencesB); }
ConcretePreferences ImportConcretePreferencesC(ConcretePreferencesC&& c) { return Moved(c, kConcretePreferencesC); }
ConcretePreferences ImportConcretePreferencesD(ConcretePreferencesD&& d) { return Moved(d, kConcretePreferencesD); }
ConcretePreferences ImportConcretePreferencesE(ConcretePreferencesE&& e) { return Moved(e, kConcretePreferencesE); }
ConcretePreferences ImportConcretePreferencesF(ConcretePreferencesF&& f) { return Moved(f, kConcretePreferencesF); }
ConcretePreferences ImportConcretePreferencesG(ConcretePreferencesG&& g) { return Moved(g, kConcretePreferencesG); }
ConcretePreferences ImportConcretePreferencesH(ConcretePreferencesH&& h) { return Moved(h, kConcretePreferencesH); }
ConcretePreferences ImportConcretePreferencesI(ConcretePreferencesI&& i) { return Moved(i, kConcretePreferencesI); }
ConcretePreferences ImportConcretePreferencesJ(ConcretePreferencesJ&& j) { return Moved(j, kConcretePreferencesJ); }
ConcretePreferences ImportConcretePreferencesK(ConcretePreferencesK&& k) { return Moved(k, kConcretePreferencesK); }

ConcreteOverwriteRecord ImportConcreteOverwriteA(ConcreteOverwriteA&& a) { return Moved(a, kConcreteOverwriteA); }
ConcreteOverwriteRecord ImportConcreteOverwriteB(ConcreteOverwriteB&& b) { return Moved(b, kConcreteOverwriteB); }
ConcreteOverwriteRecord ImportConcreteOverwriteC(ConcreteOverwriteC&& c) { return Moved(c, kConcreteOverwriteC); }
ConcreteOverwriteRecord ImportConcreteOverwriteD(ConcreteOverwriteD&& d) { return Moved(d, kConcreteOverwriteD); }
ConcreteOverwriteRecord ImportConcreteOverwriteE(ConcreteOverwriteE&& e) { return Moved(e, kConcreteOverwriteE); }
ConcreteOverwriteRecord ImportConcreteOverwriteF(ConcreteOverwriteF&& f) { return Moved(f, kConcreteOverwriteF); }
ConcreteOverwriteRecord ImportConcreteOverwriteG(ConcreteOverwriteG&& g) { return Moved(g, kConcreteOverwriteG); }
ConcreteOverwriteRecord ImportConcreteOverwriteH(ConcreteOverwriteH&& h) { return Moved(h, kConcreteOverwriteH); }
ConcreteOverwriteRecord ImportConcreteOverwriteI(ConcreteOverwriteI&& i) { return Moved(i, kConcreteOverwriteI); }

}  // namespace kmd
