#include "legacy/wall_design.h"

#include <bit>
#include <cstring>
#include <utility>

#include "fileformat/packed_fields.h"

namespace kmd {

namespace {

// Conversion tables over records held as plain byte runs. The fields are single
// bytes, one run per part, so each line names byte positions (inclusive) as
// the layout tables do: current bytes first, then the legacy bytes.
template <const auto& Runs>
struct ByteFills {
    static constexpr std::span<const PackedRun> kRuns{Runs};
    using K = FieldFill::Kind;

    static consteval std::uint16_t Index(std::uint8_t part, std::size_t at) {
        std::size_t base = 0;
        for (const PackedRun& r : kRuns) {
            if (r.part == part) {
                if (at > std::size_t(r.last - r.first)) throw "beyond the part";
                return std::uint16_t(base + at);
            }
            base += r.last - r.first + 1;
        }
        throw "no such part";
    }
    static consteval std::uint16_t U16(std::size_t v) { return std::uint16_t(v); }

    static consteval FieldFill Move(std::size_t to, std::size_t toLast, std::size_t from, std::size_t fromLast,
                                    std::uint8_t target = 0, std::uint8_t source = 0) {
        if (toLast < to || fromLast < from || fromLast - from != toLast - to) throw "the byte ranges differ";
        return {K::Move, source, U16(from), U16(toLast - to + 1), target, U16(to), Index(target, to),
                Index(target, toLast)};
    }
    static consteval FieldFill Int(std::size_t to, std::int32_t v, std::uint8_t target = 0) {
        return {K::Constant, 0, 0, 4, target, U16(to), Index(target, to), Index(target, to + 3), std::uint32_t(v)};
    }
    static consteval FieldFill Real(std::size_t to, double v, std::uint8_t target = 0) {
        return {K::Constant, 0, 0, 8, target, U16(to), Index(target, to), Index(target, to + 7),
                std::bit_cast<std::uint64_t>(v)};
    }
    // A 32-bit value from the legacy 16-bit value at `from`: `ifMinusOne` when it
    // is -1, `otherwise` else.
    static consteval FieldFill Flag(std::size_t to, std::size_t from, std::int32_t ifMinusOne, std::int32_t otherwise,
                                    std::uint8_t target = 0, std::uint8_t source = 0) {
        return {K::Flag, source, U16(from), 4, target, U16(to), Index(target, to), Index(target, to + 3),
                std::uint32_t(ifMinusOne), std::uint32_t(otherwise)};
    }
    static consteval FieldFill Zero(std::size_t to, std::size_t toLast, std::uint8_t target = 0) {
        return {K::Zero, 0, 0, 0, target, 0, Index(target, to), Index(target, toLast)};
    }
    static consteval FieldFill Dropped(std::size_t from, std::size_t fromLast, std::uint8_t source = 0) {
        if (fromLast < from) throw "empty byte range";
        return {K::Dropped, source, U16(from), U16(fromLast - from + 1)};
    }
    // Current bytes the import sets itself, and the legacy bytes it reads for
    // them (listed for the check).
    static consteval FieldFill SetByImport(std::size_t to, std::size_t toLast, std::uint8_t target = 0) {
        return Zero(to, toLast, target);
    }
    static consteval FieldFill ReadByImport(std::size_t from, std::size_t fromLast, std::uint8_t source = 0) {
        return Dropped(from, fromLast, source);
    }
};

template <class T, std::size_t N>
void Put(Bytes<N>& b, std::size_t at, T v) { std::memcpy(b.data() + at, &v, sizeof(T)); }
template <std::size_t N>
std::int16_t Short(const Bytes<N>& b, std::size_t at) {
    std::int16_t v;
    std::memcpy(&v, b.data() + at, 2);
    return v;
}

// --- Preferences: current block | legacy block.

constexpr PackedRun kPreferenceBytes[] = {{"Byte", 0, kWallPreferenceBytes - 1, 1}};
using P = ByteFills<kPreferenceBytes>;

constexpr FieldFill kWallPreferencesA[] = {
    P::Move(0, 3, 0, 3),       P::Move(4, 11, 44, 51),     P::Move(96, 103, 36, 43),
    P::Move(104, 135, 4, 35),  P::Move(444, 483, 52, 91),  P::Real(484, 0.99),
};
static_assert(FillsAreExact(kWallPreferencesA, {92}, kPreferenceBytes, false));

constexpr FieldFill kWallPreferencesB[] = {
    P::Move(0, 3, 0, 3),       P::Move(4, 11, 44, 51),     P::Move(96, 103, 36, 43),
    P::Move(104, 135, 4, 35),  P::Move(444, 491, 52, 99),
};
static_assert(FillsAreExact(kWallPreferencesB, {100}, kPreferenceBytes, false));

constexpr FieldFill kWallPreferencesC[] = {
    P::Move(0, 11, 0, 11),     P::Move(96, 103, 44, 51),   P::Move(104, 135, 12, 43),
    P::Move(416, 419, 64, 67), P::Move(444, 491, 72, 119),
    P::Dropped(52, 63),        P::Dropped(68, 71),
};
static_assert(FillsAreExact(kWallPreferencesC, {120}, kPreferenceBytes, false));

constexpr FieldFill kWallPreferencesD[] = {
    P::Move(0, 11, 0, 11),     P::Move(96, 103, 44, 51),   P::Move(104, 135, 12, 43),
    P::Move(416, 419, 64, 67), P::Move(420, 427, 72, 79),  P::Move(428, 439, 88, 99),
    P::Int(440, 2),            P::Move(444, 491, 100, 147),
    P::Dropped(52, 63),        P::Dropped(68, 71),         P::Dropped(80, 87),
};
static_assert(FillsAreExact(kWallPreferencesD, {148}, kPreferenceBytes, false));

constexpr FieldFill kWallPreferencesE[] = {
    P::Move(0, 11, 0, 11),     P::Move(96, 103, 44, 51),   P::Move(104, 135, 12, 43),
    P::Move(416, 419, 64, 67), P::Move(420, 427, 72, 79),  P::Move(428, 439, 88, 99),
    P::Int(440, 1),            P::Move(444, 491, 102, 149),
    P::Dropped(52, 63),        P::Dropped(68, 71),         P::Dropped(80, 87),  P::Dropped(100, 101),
};
static_assert(FillsAreExact(kWallPreferencesE, {150}, kPreferenceBytes, false));

constexpr FieldFill kWallPreferencesF[] = {
    P::Move(0, 11, 0, 11),     P::Move(96, 103, 44, 51),   P::Move(104, 135, 12, 43),
    P::Move(416, 491, 52, 127),
};
static_assert(FillsAreExact(kWallPreferencesF, {128}, kPreferenceBytes, false));

constexpr FieldFill kWallPreferencesG[] = {
    P::Move(0, 11, 0, 11),     P::Move(96, 103, 44, 51),   P::Move(104, 135, 12, 43),
    P::Move(296, 311, 52, 67), P::Move(416, 491, 68, 143),
};
static_assert(FillsAreExact(kWallPreferencesG, {144}, kPreferenceBytes, false));

constexpr FieldFill kWallPreferencesH[] = {
    P::Move(0, 11, 0, 11),     P::Move(96, 167, 12, 83),   P::Move(184, 223, 84, 123),
    P::Move(272, 491, 124, 343),
};
static_assert(FillsAreExact(kWallPreferencesH, {344}, kPreferenceBytes, false));

template <std::size_t N>
WallPreferences Moved(WallPreferencesBlock<N>& legacy, std::span<const FieldFill> fills) {
    WallPreferences p;
    p.CodeName = std::move(legacy.CodeName);
    ApplyFills(fills, {legacy.Block}, {p.Block});
    return p;
}

// --- Pier design data: current head (part 0) and tail (part 1) | legacy head
// and tail. The oldest layout is one block (part 0).

constexpr std::uint8_t kHead = 0, kTail = 1;
constexpr PackedRun kWallDataBytes[] = {
    {"Head", 0, kWallDataHead - 1, 1, kHead},
    {"Tail", 0, kWallDataTail - 1, 1, kTail},
};
using D = ByteFills<kWallDataBytes>;

consteval FieldFill Head(std::size_t to, std::size_t toLast, std::size_t from, std::size_t fromLast) {
    return D::Move(to, toLast, from, fromLast, kHead, kHead);
}
consteval FieldFill Tail(std::size_t to, std::size_t toLast, std::size_t from, std::size_t fromLast) {
    return D::Move(to, toLast, from, fromLast, kTail, kTail);
}

constexpr FieldFill kWallDataA[] = {
    D::Move(0, 101, 0, 101, kHead),      D::Zero(102, 125, kHead),
    D::Move(126, 141, 102, 117, kHead),  D::Int(142, -1, kHead),
    D::Zero(146, 157, kHead),            D::Dropped(118, 149),
    D::Move(0, 23, 150, 173, kTail),     D::Move(24, 31, 182, 189, kTail),  D::Move(32, 39, 174, 181, kTail),
    D::Move(40, 71, 190, 221, kTail),    D::Move(72, 79, 230, 237, kTail),  D::Move(80, 87, 222, 229, kTail),
    D::Move(88, 95, 238, 245, kTail),    D::Move(96, 115, 246, 265, kTail),
    D::Int(116, 5, kTail),               D::Int(120, 5, kTail),
    D::SetByImport(124, 139, kTail),     D::Zero(140, 175, kTail),
    D::Move(176, 191, 266, 281, kTail),  D::Zero(192, 207, kTail),          D::Dropped(282, 285),
};
static_assert(FillsAreExact(kWallDataA, {286}, kWallDataBytes, true));

// Layouts up to 8.1905 and up to 8.275: the newer has 4 more head bytes
// (102..105, dropped); the tails are the same.
constexpr FieldFill kWallDataBCTail[] = {
    Tail(0, 23, 0, 23),       Tail(24, 31, 32, 39),     Tail(32, 39, 24, 31),
    Tail(40, 71, 40, 71),     Tail(72, 79, 80, 87),     Tail(80, 87, 72, 79),
    Tail(88, 99, 88, 99),     Tail(100, 135, 104, 139), Tail(136, 139, 140, 143),
    D::Zero(140, 151, kTail), Tail(152, 155, 100, 103), D::Flag(156, 146, -1, 0, kTail, kTail),
    D::Zero(160, 175, kTail), Tail(176, 191, 164, 179), D::Zero(192, 207, kTail),
    D::Dropped(148, 163, kTail), D::Dropped(180, 183, kTail),
};
constexpr FieldFill kWallDataBHead[] = {
    Head(0, 101, 0, 101),     D::Int(102, 1, kHead),                  D::Zero(106, 125, kHead),
    Head(126, 141, 102, 117), D::Flag(142, 144, -1, 0, kHead, kTail), Head(146, 157, 118, 129),
};
constexpr FieldFill kWallDataCHead[] = {
    Head(0, 101, 0, 101),     D::Int(102, 1, kHead),                  D::Zero(106, 125, kHead),
    Head(126, 141, 106, 121), D::Flag(142, 144, -1, 0, kHead, kTail), Head(146, 157, 122, 133),
    D::Dropped(102, 105, kHead),
};

template <std::size_t A, std::size_t B>
constexpr std::array<FieldFill, A + B> Joined(const FieldFill (&a)[A], const FieldFill (&b)[B]) {
    std::array<FieldFill, A + B> f{};
    for (std::size_t i = 0; i < A; ++i) f[i] = a[i];
    for (std::size_t i = 0; i < B; ++i) f[A + i] = b[i];
    return f;
}
constexpr auto kWallDataB = Joined(kWallDataBHead, kWallDataBCTail);
static_assert(FillsAreExact(kWallDataB, {130, 184}, kWallDataBytes, true));
constexpr auto kWallDataC = Joined(kWallDataCHead, kWallDataBCTail);
static_assert(FillsAreExact(kWallDataC, {134, 184}, kWallDataBytes, true));

constexpr FieldFill kWallDataD[] = {
    Head(0, 105, 0, 105),
    D::Flag(106, 106, -2, -1, kHead, kHead), D::Flag(110, 108, -2, -1, kHead, kHead),
    D::Int(114, 1, kHead),                   D::Zero(118, 129, kHead),
    Head(130, 141, 114, 125),                D::Flag(142, 126, -1, 0, kHead, kHead),
    Head(146, 157, 128, 139),                D::Dropped(110, 113, kHead),
    Tail(0, 115, 0, 115),     Tail(116, 119, 128, 131), Tail(120, 131, 116, 127),
    Tail(132, 139, 132, 139), D::Zero(140, 151, kTail), Tail(152, 155, 140, 143),
    D::Flag(156, 144, -1, 0, kTail, kTail),   Tail(160, 191, 146, 177),
    D::Real(192, 1.0, kTail), D::Real(200, 1.0, kTail),
};
static_assert(FillsAreExact(kWallDataD, {140, 178}, kWallDataBytes, true));

constexpr FieldFill kWallDataE[] = {
    Head(0, 105, 0, 105),
    D::Flag(106, 106, -2, -1, kHead, kHead), D::Flag(110, 108, -2, -1, kHead, kHead),
    D::Flag(114, 110, -2, -1, kHead, kHead), D::Zero(118, 129, kHead),
    Head(130, 141, 132, 143),                D::Flag(142, 144, -1, 0, kHead, kHead),
    Head(146, 157, 146, 157),                D::Dropped(112, 131, kHead),
    Tail(0, 115, 0, 115),     Tail(116, 119, 136, 139), Tail(120, 123, 132, 135),
    Tail(124, 139, 116, 131), D::Int(140, 1, kTail),    Tail(144, 151, 140, 147),
    Tail(152, 155, 148, 151), D::Flag(156, 152, -1, 0, kTail, kTail),
    Tail(160, 191, 154, 185), Tail(192, 207, 194, 209),
    D::Dropped(186, 193, kTail), D::Dropped(210, 217, kTail),
};
static_assert(FillsAreExact(kWallDataE, {158, 218}, kWallDataBytes, true));

// The three head values at 106..117 and the values at head 142 and tail 156
// follow rules of their own, applied by the import.
constexpr FieldFill kWallDataF[] = {
    Head(0, 105, 0, 105),
    D::SetByImport(106, 117, kHead),    D::ReadByImport(106, 111, kHead),
    Head(118, 125, 112, 119),           D::Dropped(120, 127, kHead),
    Head(126, 141, 128, 143),
    D::SetByImport(142, 145, kHead),    D::ReadByImport(144, 145, kHead),
    Head(146, 157, 146, 157),
    Tail(0, 155, 0, 155),
    D::SetByImport(156, 159, kTail),    D::ReadByImport(156, 157, kTail),
    Tail(160, 191, 158, 189),           D::Dropped(190, 197, kTail),
    Tail(192, 207, 198, 213),           D::Dropped(214, 221, kTail),
};
static_assert(FillsAreExact(kWallDataF, {158, 222}, kWallDataBytes, true));

// The arrays of the layouts with two arrays of 4-byte values and twelve (or
// more, the rest dropped) of 8-byte values.
template <std::size_t H, std::size_t R, std::size_t T>
WallDataRecord MovedData(WallDataParts<H, R, T>& legacy, std::span<const FieldFill> fills) {
    WallDataRecord r;
    ApplyFills(fills, {legacy.Head_, legacy.Tail_}, {r.Head, r.Tail});
    r.Arrays.Ints1 = std::move(legacy.Ints);
    for (std::size_t k = 0; k < 12; ++k) r.Arrays.Reals1[k] = std::move(legacy.Reals_[k]);
    return r;
}

// --- Spandrel design data: current | legacy.

constexpr PackedRun kSpandrelBytes[] = {{"Byte", 0, 193, 1}};
using S = ByteFills<kSpandrelBytes>;

constexpr FieldFill kSpandrelDataA[] = {
    S::Move(0, 9, 0, 9), S::Move(10, 61, 10, 61), S::Int(62, 1), S::Move(66, 185, 62, 181),
};
static_assert(FillsAreExact(kSpandrelDataA, {182}, kSpandrelBytes, false));

constexpr FieldFill kSpandrelDataB[] = {
    S::Move(0, 9, 0, 9), S::Move(10, 61, 10, 61), S::Int(62, 1), S::Move(66, 185, 66, 185), S::Dropped(62, 65),
};
static_assert(FillsAreExact(kSpandrelDataB, {186}, kSpandrelBytes, false));

constexpr FieldFill kSpandrelDataC[] = {
    S::Move(0, 9, 0, 9),    S::Move(10, 65, 10, 65), S::Move(66, 185, 82, 201), S::Real(186, 1.0),
    S::Dropped(66, 81),     S::Dropped(202, 217),
};
static_assert(FillsAreExact(kSpandrelDataC, {218}, kSpandrelBytes, false));

template <std::size_t N>
SpandrelDataRecord MovedSpandrel(const SpandrelDataBlock<N>& legacy, std::span<const FieldFill> fills) {
    SpandrelDataRecord r;
    ApplyFills(fills, {legacy.Data}, {r.Data});
    return r;
}

}  // namespace

WallPreferences ImportWallPreferencesA(WallPreferencesA&& a) { return Moved(a, kWallPreferencesA); }
WallPreferences ImportWallPreferencesB(WallPreferencesB&& b) { return Moved(b, kWallPreferencesB); }
WallPreferences ImportWallPreferencesC(WallPreferencesC&& c) { return Moved(c, kWallPreferencesC); }
WallPreferences ImportWallPreferencesD(WallPreferencesD&& d) { return Moved(d, kWallPreferencesD); }
WallPreferences ImportWallPreferencesE(WallPreferencesE&& e) { return Moved(e, kWallPreferencesE); }
WallPreferences ImportWallPreferencesF(WallPreferencesF&& f) { return Moved(f, kWallPreferencesF); }
WallPreferences ImportWallPreferencesG(WallPreferencesG&& g) { return Moved(g, kWallPreferencesG); }
WallPreferences ImportWallPreferencesH(WallPreferencesH&& h) { return Moved(h, kWallPreferencesH); }

WallSectionRecord DropWallSectionA(WallSectionA&&) { return {}; }
WallSectionRecord DropWallSectionB(WallSectionB&&) { return {}; }

WallDataRecord ImportWallDataA(WallDataA&& a, double defaultLength) {
    WallDataRecord r;
    ApplyFills(kWallDataA, {a.Block}, {r.Head, r.Tail});
    Put<double>(r.Tail, 124, defaultLength / 8);
    Put<double>(r.Tail, 132, defaultLength / 32);
    return r;
}
WallDataRecord ImportWallDataB(WallDataB&& b) { return MovedData(b, kWallDataB); }
WallDataRecord ImportWallDataC(WallDataC&& c) { return MovedData(c, kWallDataC); }
WallDataRecord ImportWallDataD(WallDataD&& d) { return MovedData(d, kWallDataD); }
WallDataRecord ImportWallDataE(WallDataE&& e) { return MovedData(e, kWallDataE); }

WallDataRecord ImportWallDataF(WallDataF&& f) {
    WallDataRecord r = MovedData(f, kWallDataF);
    for (std::size_t k = 0; k < 3; ++k)
        Put<std::int32_t>(r.Head, 106 + 4 * k, Short(f.Head_, 106 + 2 * k) == 0 ? -1 : -2);
    const std::int16_t h = Short(f.Head_, 144);
    Put<std::int32_t>(r.Head, 142, h == 1 || h == -1 ? -1 : 0);
    Put<std::int32_t>(r.Tail, 156, Short(f.Tail_, 156) != 0 ? -1 : 0);
    // 8-byte arrays 13..20 from the legacy arrays 13, 17, 14, 18, 15, 19, 16, 20.
    constexpr std::size_t kOrder[] = {12, 16, 13, 17, 14, 18, 15, 19};
    for (std::size_t k = 0; k < 8; ++k) r.Arrays.Reals2[k] = std::move(f.Reals_[kOrder[k]]);
    return r;
}

SpandrelDataRecord ImportSpandrelDataA(SpandrelDataA&& a) { return MovedSpandrel(a, kSpandrelDataA); }
SpandrelDataRecord ImportSpandrelDataB(SpandrelDataB&& b) { return MovedSpandrel(b, kSpandrelDataB); }
SpandrelDataRecord ImportSpandrelDataC(SpandrelDataC&& c) { return MovedSpandrel(c, kSpandrelDataC); }

WallDesignSettings ImportWallSettingsA(WallSettingsA&&, std::int32_t stories) {
    return ResetWallDesignSettings(stories);
}

WallDesignSettings ImportWallSettingsB(WallSettingsB&& b, std::int32_t stories) {
    WallDesignSettings s = ResetWallDesignSettings(stories);
    s.Leading = b.Leading;
    s.Count1 = b.Count1;
    s.Array1 = std::move(b.Array1);
    s.Count2 = b.Count2;
    s.Array2 = std::move(b.Array2);
    return s;
}

WallDesignSettings ImportWallSettingsC(WallSettingsC&& c, std::int32_t stories) {
    WallDesignSettings s = ImportWallSettingsB(std::move(c), stories);
    s.Run3 = c.Run3;
    s.Count3 = c.Count3;
    s.Array3 = std::move(c.Array3);
    s.Array4 = std::move(c.Array4);
    return s;
}

WallDesignSettings ImportWallSettingsD(WallSettingsD&& d, std::int32_t stories) {
    WallDesignSettings s = ImportWallSettingsC(std::move(d), stories);
    s.Run4 = d.Run4;
    s.Count5 = d.Count5;
    s.Array5 = std::move(d.Array5);
    std::memcpy(s.Trailing.data(), d.Trailing.data(), d.Trailing.size());
    Put<double>(s.Trailing, 20, 1.1);
    return s;
}

}  // namespace kmd
