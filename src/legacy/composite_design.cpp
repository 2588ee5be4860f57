#include "legacy/composite_design.h"

#include <cmath>
#include <cstring>
#include <span>
#include <utility>

#include "fileformat/packed_fields.h"

namespace kmd {

namespace {

using P = PackedFills<kCompositePreferenceFields>;

// Current block bytes | legacy block bytes, as the layouts' tables list them.

constexpr FieldFill kCompositePreferencesA[] = {P::Dropped(0, 257)};
static_assert(FillsAreExact(kCompositePreferencesA, {258}, kCompositePreferenceFields, false));

constexpr FieldFill kCompositePreferencesB[] = {P::Dropped(0, 289)};
static_assert(FillsAreExact(kCompositePreferencesB, {290}, kCompositePreferenceFields, false));

constexpr FieldFill kCompositePreferencesC[] = {
    P::Move("Byte0", "Byte81", 0, 81),
    P::Move("Byte82", "Byte105", 82, 105),
    P::Constant("Short106", 0),
    P::Constant("Real108", 1.0),
    P::Constant("Int116", 0),
    P::Constant("Real120", 120.0),
    P::Constant("Real128", 120.0),
    P::Move("Byte136", "Byte151", 108, 123),
    P::Constant("Real152", 1.0),
    P::Move("Byte160", "Byte209", 132, 181),
    P::Move("Byte210", "Byte219", 182, 191),
    P::Move("Byte220", "Byte229", 192, 201),
    P::Move("Byte230", "Byte237", 202, 209),
    P::Move("Byte354", "Byte355", 210, 211),
    P::Move("Byte356", "Byte437", 212, 293),
    P::Move("Byte438", "Byte451", 294, 307),
    P::Move("Byte452", "Byte469", 308, 325),
    P::Dropped(106, 107),
    P::Dropped(124, 131),
};
static_assert(FillsAreExact(kCompositePreferencesC, {326}, kCompositePreferenceFields, false));

constexpr FieldFill kCompositePreferencesD[] = {
    P::Move("Byte0", "Byte81", 0, 81),
    P::Move("Byte82", "Short106", 82, 107),
    P::Move("Real108", "Int116", 108, 119),
    P::Constant("Real120", 120.0),
    P::Constant("Real128", 120.0),
    P::Move("Byte136", "Byte209", 120, 193),
    P::Move("Byte210", "Byte219", 194, 203),
    P::Move("Byte220", "Byte229", 204, 213),
    P::Move("Byte230", "Byte237", 214, 221),
    P::Move("Byte354", "Byte355", 222, 223),
    P::Move("Byte356", "Byte437", 224, 305),
    P::Move("Byte438", "Byte451", 306, 319),
    P::Move("Byte452", "Byte469", 320, 337),
};
static_assert(FillsAreExact(kCompositePreferencesD, {338}, kCompositePreferenceFields, false));

constexpr FieldFill kCompositePreferencesE[] = {
    P::Move("Byte0", "Byte81", 0, 81),
    P::Move("Byte82", "Short106", 82, 107),
    P::Move("Real108", "Byte209", 108, 209),
    P::Move("Byte210", "Byte219", 210, 219),
    P::Move("Byte220", "Byte229", 220, 229),
    P::Move("Byte230", "Byte237", 230, 237),
    P::Move("Byte354", "Byte355", 238, 239),
    P::Move("Byte356", "Byte437", 240, 321),
    P::Move("Byte438", "Byte451", 322, 335),
    P::Move("Byte452", "Byte469", 336, 353),
};
static_assert(FillsAreExact(kCompositePreferencesE, {354}, kCompositePreferenceFields, false));

// The defaults of the legacy code, its name kept, the legacy bytes placed.
template <std::size_t N>
CompositePreferences Placed(CompositePreferencesBlock<N>& legacy, std::span<const FieldFill> fills) {
    CompositePreferences p;
    CompositeDefaults(p, legacy.CodeName);
    p.CodeName = std::move(legacy.CodeName);
    ApplyFills(fills, {legacy.Block}, {p.Block});
    return p;
}

using T = PackedFills<kCompositeTrailingFields>;

// Current trailing bytes | legacy trailing bytes. The bytes no line fills stay
// 0, among them 216 to 387 and 432 to 439.

constexpr FieldFill kCompositeOverwriteC[] = {
    T::Move("Byte0", "Byte3", 0, 3),
    T::Constant("Real4", 1.0),
    T::Constant("Int12", 0),
    T::Move("Byte16", "Byte75", 4, 63),
    T::Constant("Int76", 2),
    T::Constant("Real80", 120.0),
    T::Constant("Real88", 120.0),
    T::Move("Byte96", "Byte111", 68, 83),
    T::Move("Byte128", "Byte215", 84, 171),
    T::Move("Byte388", "Byte389", 172, 173),
    T::Move("Byte390", "Byte423", 174, 207),
    T::Move("Byte424", "Byte431", 208, 215),
    T::Move("Byte440", "Byte453", 224, 237),
    T::Dropped(64, 67),
    T::Dropped(216, 223),
};
static_assert(FillsAreExact(kCompositeOverwriteC, {238}, kCompositeTrailingFields, false));

constexpr FieldFill kCompositeOverwriteD[] = {
    T::Move("Byte0", "Int76", 0, 79),
    T::Constant("Real80", 120.0),
    T::Constant("Real88", 120.0),
    T::Move("Byte96", "Byte111", 80, 95),
    T::Move("Byte128", "Byte215", 96, 183),
    T::Move("Byte388", "Byte389", 184, 185),
    T::Move("Byte390", "Byte423", 186, 219),
    T::Move("Byte424", "Byte431", 220, 227),
    T::Move("Byte440", "Byte453", 236, 249),
    T::Dropped(228, 235),
};
static_assert(FillsAreExact(kCompositeOverwriteD, {250}, kCompositeTrailingFields, false));

constexpr FieldFill kCompositeOverwriteE[] = {
    T::Move("Byte0", "Byte215", 0, 215),
    T::Move("Byte388", "Byte389", 216, 217),
    T::Move("Byte390", "Byte423", 218, 251),
    T::Move("Byte424", "Byte431", 252, 259),
    T::Move("Byte440", "Byte453", 268, 281),
    T::Dropped(260, 267),
};
static_assert(FillsAreExact(kCompositeOverwriteE, {282}, kCompositeTrailingFields, false));

// Real112 and Real120 of C and D: |2 x| of the legacy real at trailing byte `from`.
template <std::size_t N>
void SetDoubled(Bytes<kCompositeTrailingBytes>& to, const Bytes<N>& legacy, std::size_t from) {
    double x;
    std::memcpy(&x, legacy.data() + from, 8);
    const double doubled = std::fabs(2.0 * x);
    constexpr std::size_t kFirst = T::Field("Real112").offset, kSecond = T::Field("Real120").offset;
    std::memcpy(to.data() + kFirst, &doubled, 8);
    std::memcpy(to.data() + kSecond, &doubled, 8);
}
constexpr std::size_t kDoubledCFrom = 92, kDoubledDFrom = 104;

// Everything but the trailing block carried unchanged, arrays with their bounds.
template <std::size_t Trail>
CompositeOverwriteRecord Carried(CompositeOverwriteParts<70, 86, Trail>& legacy, std::span<const FieldFill> fills) {
    CompositeOverwriteRecord r;
    r.Head = legacy.Leading;
    r.Lists = std::move(legacy.Lists);
    r.Middle = legacy.Inner;
    r.Last = std::move(legacy.Last);
    ApplyFills(fills, {legacy.Trailing}, {r.Trailing});
    return r;
}

// Only the lists with their counts and inner runs are carried.
template <std::size_t Middle, std::size_t Trail>
CompositeOverwriteRecord ListsOnly(CompositeOverwriteParts<90, Middle, Trail>& legacy) {
    CompositeOverwriteRecord r;
    r.Lists = std::move(legacy.Lists);
    r.Last = std::move(legacy.Last);
    return r;
}

}  // namespace

CompositePreferences ImportCompositePreferencesA(CompositePreferencesA&& a) { return Placed(a, kCompositePreferencesA); }
CompositePreferences ImportCompositePreferencesB(CompositePreferencesB&& b) { return Placed(b, kCompositePreferencesB); }
CompositePreferences ImportCompositePreferencesC(CompositePreferencesC&& c) { return Placed(c, kCompositePreferencesC); }
CompositePreferences ImportCompositePreferencesD(CompositePreferencesD&& d) { return Placed(d, kCompositePreferencesD); }
CompositePreferences ImportCompositePreferencesE(CompositePreferencesE&& e) { return Placed(e, kCompositePreferencesE); }

CompositeOverwriteRecord ImportCompositeOverwriteA(CompositeOverwriteA&& a) { return ListsOnly(a); }
CompositeOverwriteRecord ImportCompositeOverwriteB(CompositeOverwriteB&& b) { return ListsOnly(b); }

CompositeOverwriteRecord ImportCompositeOverwriteC(CompositeOverwriteC&& c) {
    CompositeOverwriteRecord r = Carried(c, kCompositeOverwriteC);
    SetDoubled(r.Trailing, c.Trailing, kDoubledCFrom);
    return r;
}
CompositeOverwriteRecord ImportCompositeOverwriteD(CompositeOverwriteD&& d) {
    CompositeOverwriteRecord r = Carried(d, kCompositeOverwriteD);
    SetDoubled(r.Trailing, d.Trailing, kDoubledDFrom);
    return r;
}
CompositeOverwriteRecord ImportCompositeOverwriteE(CompositeOverwriteE&& e) { return Carried(e, kCompositeOverwriteE); }

}  // namespace kmd
