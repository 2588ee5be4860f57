#include "legacy/steel_design.h"

#include <utility>

#include "fileformat/packed_fields.h"

namespace kmd {

namespace {

using P = PackedFills<kSteelPreferenceFields>;

// Current fields | legacy block bytes, as the layouts' tables list them.

constexpr FieldFill kSteelPreferencesA[] = {
    P::Move("Int1", 0, 3),
    P::Move("Int4", "Int5", 20, 27),
    P::Move("Real52", "Real53", 4, 19),
    P::Constant("Real73", 0.0),
    P::Constant("Int27", 1),
    P::Constant("Real74", 1.0005),
    P::Dropped(28, 35),
};
static_assert(FillsAreExact(kSteelPreferencesA, {36}, kSteelPreferenceFields, false));

constexpr FieldFill kSteelPreferencesB[] = {
    P::Move("Int1", 0, 3),
    P::Move("Int4", "Int5", 16, 23),
    P::Move("Real52", "Real53", 32, 47),
    P::Constant("Real73", 0.0),
    P::Move("Int27", "Real74", 4, 15),
    P::Dropped(24, 31),
};
static_assert(FillsAreExact(kSteelPreferencesB, {48}, kSteelPreferenceFields, false));

constexpr FieldFill kSteelPreferencesC[] = {
    P::Move("Int1", 0, 3),
    P::Move("Int4", "Int5", 16, 23),
    P::Move("Real52", "Real53", 24, 39),
    P::Move("Real73", 40, 47),
    P::Move("Int27", "Real74", 4, 15),
};
static_assert(FillsAreExact(kSteelPreferencesC, {48}, kSteelPreferenceFields, false));

constexpr FieldFill kSteelPreferencesD[] = {
    P::Move("Int1", "Int3", 0, 11),
    P::Move("Int4", 24, 27),
    P::Move("Int5", 150, 153),
    P::Move("Real1", 154, 161),
    P::Move("Real12", 162, 169),
    P::Move("Real35", "Real43", 170, 241),
    P::Move("Real52", "Real53", 242, 257),
    P::Move("Real57", 260, 267),
    P::Constant("Int23", 1),
    P::Move("Int24", "Real61", 38, 73),
    P::Move("Real63", "Real66", 74, 105),
    P::Constant("Int25", 1),
    P::Move("Real68", "Real72", 108, 147),
    P::Constant("Int26", 1),
    P::Move("Real73", 28, 35),
    P::Move("Int27", "Real74", 12, 23),
    P::Dropped(36, 37),
    P::Dropped(106, 107),
    P::Dropped(148, 149),
    P::Dropped(258, 259),
};
static_assert(FillsAreExact(kSteelPreferencesD, {268}, kSteelPreferenceFields, false));

constexpr FieldFill kSteelPreferencesE[] = {
    P::Move("Int1", "Int5", 0, 19),
    P::Move("Real1", 20, 27),
    P::Move("Real12", 28, 35),
    P::Move("Real35", "Real43", 36, 107),
    P::Move("Real52", "Real53", 108, 123),
    P::Move("Real57", 124, 131),
    P::Move("Int23", "Real74", 132, 287),
};
static_assert(FillsAreExact(kSteelPreferencesE, {288}, kSteelPreferenceFields, false));

constexpr FieldFill kSteelPreferencesF[] = {
    P::Move("Int1", "Int5", 0, 19),
    P::Move("Real1", 20, 27),
    P::Move("Real12", 28, 35),
    P::Move("Real35", "Real43", 36, 107),
    P::Move("Real52", "Real53", 108, 123),
    P::Move("Real57", "Int21", 124, 135),
    P::Move("Int23", "Real74", 136, 291),
};
static_assert(FillsAreExact(kSteelPreferencesF, {292}, kSteelPreferenceFields, false));

constexpr FieldFill kSteelPreferencesG[] = {
    P::Move("Int1", "Int4", 0, 15),
    P::Move("Int5", "Int6", 32, 39),
    P::Move("Real1", 16, 23),
    P::Move("Real5", 24, 31),
    P::Move("Real12", 40, 47),
    P::Move("Int7", "Int9", 144, 155),
    P::Move("Real28", "Real34", 88, 143),
    P::Move("Real35", "Real39", 48, 87),
    P::Move("Real40", "Real43", 156, 187),
    P::Move("Real52", "Real53", 188, 203),
    P::Move("Real57", "Real74", 204, 375),
};
static_assert(FillsAreExact(kSteelPreferencesG, {376}, kSteelPreferenceFields, false));

constexpr FieldFill kSteelPreferencesH[] = {
    P::Move("Int1", "Real9", 0, 95),
    P::Move("Real12", "Int10", 96, 119),
    P::Move("Real13", "Real47", 124, 411),
    P::Move("Int16", "Real53", 412, 431),
    P::Move("Real57", "Real74", 432, 603),
    P::Zero("Real10", "Real11"),
    P::Zero("Int11", "Int13"),
    P::Zero("Real48", "Real51"),
    P::Zero("Int17", "Int19"),
    P::Zero("Real54", "Real56"),
    P::Zero("Int20"),
    P::Dropped(120, 123),
};
static_assert(FillsAreExact(kSteelPreferencesH, {604}, kSteelPreferenceFields, true));

constexpr FieldFill kSteelPreferencesI[] = {
    P::Move("Int1", "Real9", 0, 95),
    P::Move("Real12", "Real47", 96, 419),
    P::Move("Int16", "Real53", 420, 439),
    P::Move("Real57", "Real74", 440, 611),
    P::Zero("Real10", "Real11"),
    P::Zero("Real48", "Real51"),
    P::Zero("Int17", "Int19"),
    P::Zero("Real54", "Real56"),
    P::Zero("Int20"),
};
static_assert(FillsAreExact(kSteelPreferencesI, {612}, kSteelPreferenceFields, true));

constexpr FieldFill kSteelPreferencesJ[] = {
    P::Move("Int1", "Real9", 0, 95),
    P::Move("Real12", "Real47", 96, 419),
    P::Move("Int16", "Int18", 420, 447),
    P::Move("Real54", "Real74", 448, 647),
    P::Zero("Real10", "Real11"),
    P::Zero("Real48", "Real51"),
    P::Zero("Int19"),
};
static_assert(FillsAreExact(kSteelPreferencesJ, {648}, kSteelPreferenceFields, true));

constexpr FieldFill kSteelPreferencesK[] = {
    P::Move("Int1", "Real47", 0, 435),
    P::Move("Int16", "Int18", 436, 463),
    P::Move("Real54", "Real74", 468, 667),
    P::Zero("Real48", "Real51"),
    P::Zero("Int19"),
    P::Dropped(464, 467),
};
static_assert(FillsAreExact(kSteelPreferencesK, {668}, kSteelPreferenceFields, true));

template <std::size_t N>
SteelPreferences Moved(SteelPreferencesBlock<N>& legacy, std::span<const FieldFill> fills) {
    SteelPreferences p;
    p.CodeName = std::move(legacy.CodeName);
    ApplyFills(fills, {legacy.Block}, {p.Block});
    return p;
}

}  // namespace

SteelPreferences ImportSteelPreferencesA(SteelPreferencesA&& a) { return Moved(a, kSteelPreferencesA); }
SteelPreferences ImportSteelPreferencesB(SteelPreferencesB&& b) { return Moved(b, kSteelPreferencesB); }
SteelPreferences ImportSteelPreferencesC(SteelPreferencesC&& c) { return Moved(c, kSteelPreferencesC); }
SteelPreferences ImportSteelPreferencesD(SteelPreferencesD&& d) { return Moved(d, kSteelPreferencesD); }
SteelPreferences ImportSteelPreferencesE(SteelPreferencesE&& e) { return Moved(e, kSteelPreferencesE); }
SteelPreferences ImportSteelPreferencesF(SteelPreferencesF&& f) { return Moved(f, kSteelPreferencesF); }
SteelPreferences ImportSteelPreferencesG(SteelPreferencesG&& g) { return Moved(g, kSteelPreferencesG); }
SteelPreferences ImportSteelPreferencesH(SteelPreferencesH&& h) { return Moved(h, kSteelPreferencesH); }
SteelPreferences ImportSteelPreferencesI(SteelPreferencesI&& i) { return Moved(i, kSteelPreferencesI); }
SteelPreferences ImportSteelPreferencesJ(SteelPreferencesJ&& j) { return Moved(j, kSteelPreferencesJ); }
SteelPreferences ImportSteelPreferencesK(SteelPreferencesK&& k) { return Moved(k, kSteelPreferencesK); }

}  // namespace kmd
