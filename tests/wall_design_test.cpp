#include <gtest/gtest.h>

#include <cstring>
#include <string_view>
#include <vector>

#include "fileformat/encoding.h"
#include "support/bytes.h"
#include "support/convert.h"
#include "tables/wall_design.h"
#include "tools/example_wall.h"

using kmd::ReadWallDesign;
using kmd::WriteWallDesign;
using kmdtest::Bytes;
using kmdtest::RoundTrip;

namespace {

using Vec = std::vector<std::uint8_t>;

// Current bytes `to`.. taken from legacy bytes `from`.. of legacy part `src`.
struct Move {
    int to, from, len, src = 0;
};

Vec Pattern(std::size_t n, int first) {
    Vec b(n);
    for (std::size_t i = 0; i < n; ++i) b[i] = std::uint8_t(first + 7 * i);
    return b;
}
void Apply(Vec& out, std::initializer_list<const Vec*> legacy, const std::vector<Move>& moves) {
    for (const Move& m : moves) std::memcpy(out.data() + m.to, legacy.begin()[m.src]->data() + m.from, std::size_t(m.len));
}
template <class T>
void Put(Vec& out, int at, T v) { std::memcpy(out.data() + at, &v, sizeof v); }

// Header of an array with bounds 0..n as the current file writes it.
Bytes& Zero(Bytes& b, std::uint32_t n) { return b.header({{n + 1, 0}}); }

// Settings holding the defaults for `s` stories, in the legacy layout of v.
Bytes LegacySettings(double v, std::int32_t s = 0) {
    Bytes b;
    if (v <= 8.305) return b;
    if (v <= 8.335) return b.fill(46, 3).arr_i32(1, {9, 9});
    b.i32(1).i16(s > 12 ? -1 : 0).i32(1).f64(1.0).i32(1).i32(1).i32(s).i32(0);
    b.i32(1).arr_i32(1, {s}).i32(0).no_array();
    if (v <= 8.375) return b;
    b.fill(8).i32(0).no_array().no_array();
    if (v <= 9.725) return b;
    b.fill(8).i32(0).no_array().i32(1).f64(1.25).f64(1.0);
    if (v <= 9.735) return b;
    return b.f64(1.1);
}
// The defaults for `s` stories as written.
Bytes CurrentSettings(std::int32_t s = 0) {
    Bytes b;
    b.i32(1).i16(s > 12 ? -1 : 0).i32(1).f64(1.0).i32(1).i32(1).i32(s).i32(0);
    b.i32(1).arr_i32(0, {0, s}).i32(0).arr_i32(0, {0});
    b.fill(8).i32(0).arr_i32(0, {0}).arr_f64(0, {0.0});
    b.fill(8).i32(0).arr_i32(0, {0});
    b.i32(1).f64(1.25).f64(1.0).f64(1.1);
    return b;
}

// Preferences: current block offsets of the legacy bytes.
struct PreferencesCase {
    double inside, threshold;
    std::size_t size;
    std::vector<Move> moves;
    std::vector<std::pair<int, std::int32_t>> ints;
    double real484 = 0;
};
const PreferencesCase kPreferenceCases[] = {
    {7.5, 7.985, 92, {{0, 0, 4}, {4, 44, 8}, {96, 36, 8}, {104, 4, 32}, {444, 52, 40}}, {}, 0.99},
    {8.0, 8.275, 100, {{0, 0, 4}, {4, 44, 8}, {96, 36, 8}, {104, 4, 32}, {444, 52, 48}}, {}},
    {8.28, 8.285, 120, {{0, 0, 12}, {96, 44, 8}, {104, 12, 32}, {416, 64, 4}, {444, 72, 48}}, {}},
    {8.29, 8.295, 148, {{0, 0, 12}, {96, 44, 8}, {104, 12, 32}, {416, 64, 4}, {420, 72, 8}, {428, 88, 12}, {444, 100, 48}},
     {{440, 2}}},
    {8.3, 8.395, 150, {{0, 0, 12}, {96, 44, 8}, {104, 12, 32}, {416, 64, 4}, {420, 72, 8}, {428, 88, 12}, {444, 102, 48}},
     {{440, 1}}},
    {8.45, 8.515, 128, {{0, 0, 12}, {96, 44, 8}, {104, 12, 32}, {416, 52, 76}}, {}},
    {8.6, 8.895, 144, {{0, 0, 12}, {96, 44, 8}, {104, 12, 32}, {296, 52, 16}, {416, 68, 76}}, {}},
    {9.0, 9.165, 344, {{0, 0, 12}, {96, 12, 72}, {184, 84, 40}, {272, 124, 220}}, {}},
    {9.2, 9.74, 492, {{0, 0, 492}}, {}},
};

// Preferences of the layout of v holding `code` and an all-zero block, as read
// and as written.
void ZeroPreferences(double v, std::string_view code, Bytes& in, Bytes& out) {
    for (const PreferencesCase& c : kPreferenceCases) {
        if (v > c.threshold) continue;
        Vec expect(492, 0);
        for (auto [at, value] : c.ints) Put(expect, at, value);
        if (c.real484 != 0) Put(expect, 484, c.real484);
        in.str(code).fill(c.size);
        out.str(code).append(expect);
        return;
    }
}

// A wall block: every part the tests vary, the rest empty.
struct Block {
    Bytes prefs;  // empty: code name "ACI" and a zero block in the layout of v
    std::int16_t envelopes = 0, design = 0;
    std::int32_t walls = 0;
    Bytes wallRecords, wallData, wallEnvelopes;
    std::int32_t spandrels = 0;
    Bytes spandrelRecords, spandrelData, spandrelEnvelopes;
    Bytes settings;  // empty: the defaults in the layout of v
    Bytes lists;     // empty: empty lists in the layout of v
};
Bytes Legacy(double v, const Block& k) {
    Bytes b;
    b.i32(1).str("P1").fill(4, 1).i32(1).str("S1").i16(2).fill(4, 3);
    Bytes prefs = k.prefs, unused;
    if (prefs.size() == 0) ZeroPreferences(v, "ACI", prefs, unused);
    b.append(prefs).i16(k.envelopes).i16(k.design);
    b.i32(k.walls).append(k.wallRecords).append(k.wallData).append(k.wallEnvelopes);
    b.i32(k.spandrels).append(k.spandrelRecords).append(k.spandrelData).append(k.spandrelEnvelopes);
    if (v > 9.125) b.i16(77);
    b.append(k.settings.size() ? k.settings : LegacySettings(v));
    if (k.lists.size()) return b.append(k.lists);
    if (v > 8.315) b.i32(0).i32(0).i32(0);
    if (v > 8.325) b.i32(0);
    return b;
}
struct Written {
    Bytes prefs;  // empty: as Block's default for version `v`
    double v = 9.74;
    std::int16_t design = 0;
    std::int32_t walls = 0;
    Bytes wallRecords, wallData;
    std::int32_t spandrels = 0;
    Bytes spandrelRecords, spandrelData;
    Bytes settings = CurrentSettings();
};
Bytes Current(const Written& w) {
    Bytes b;
    b.i32(1).str("P1").fill(4, 1).i32(1).str("S1").i16(2).fill(4, 3);
    Bytes prefs = w.prefs, unused;
    if (prefs.size() == 0) ZeroPreferences(w.v, "ACI", unused, prefs);
    b.append(prefs).i16(0).i16(w.design);
    b.i32(w.walls).append(w.wallRecords).append(w.wallData);
    b.i32(w.spandrels).append(w.spandrelRecords).append(w.spandrelData);
    return b.i16(0).append(w.settings);
}

TEST(WallDesign, PreferencesInEveryLayout) {
    for (const PreferencesCase& c : kPreferenceCases) {
        const Vec block = Pattern(c.size, 11);
        Vec expect(492, 0);
        Apply(expect, {&block}, c.moves);
        for (auto [at, value] : c.ints) Put(expect, at, value);
        if (c.real484 != 0) Put(expect, 484, c.real484);
        Block in;
        in.prefs.str("ACI 318-99").append(block);
        Written out;
        out.prefs.str("ACI 318-99").append(expect);
        for (double v : {c.inside, c.threshold}) {
            SCOPED_TRACE(v);
            EXPECT_BYTES(RoundTrip(ReadWallDesign, WriteWallDesign, Legacy(v, in), v), Current(out).data);
        }
    }
}

// A section record of the newest layout with n = 2, and its file record.
void Section(std::uint8_t k, Bytes& in, Bytes& out) {
    Vec lead = Pattern(28, k), trail = Pattern(272, k + 50);
    Put<std::int32_t>(lead, 24, 2);
    in.raw(lead.data(), 28).arr_i32(1, {k, 20}).arr_i32(0, {5, 6, 7}).raw(trail.data(), 272);
    auto group = [&](int elem, int at, int n) {
        Zero(out, std::uint32_t(n)).fill(std::size_t(elem));
        out.raw(trail.data() + at, std::size_t(elem * n));
    };
    out.raw(lead.data(), 4);
    Zero(out, 4).i16(0).raw(lead.data() + 4, 8);
    out.raw(lead.data() + 12, 16).arr_i32(0, {0, k, 20}).arr_i32(0, {0, 6, 7});
    for (int a = 0; a < 7; ++a) group(8, 16 * a, 2);
    group(4, 112, 2);
    group(4, 120, 2);
    out.raw(trail.data() + 128, 16);
    Zero(out, 9).f64(0);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) out.raw(trail.data() + 144 + 8 * (i + 3 * j), 8);
    group(8, 216, 2);
    group(8, 232, 2);
    out.raw(trail.data() + 248, 24);
}
// A section read in a legacy layout and dropped, as written.
Bytes DroppedSection() {
    Bytes b;
    b.fill(4);
    Zero(b, 4).fill(10);
    b.fill(16).arr_i32(0, {0}).arr_i32(0, {0});
    for (int a = 0; a < 9; ++a) Zero(b, 2).fill(a < 7 ? 24 : 12);
    b.fill(16);
    Zero(b, 9).fill(80);
    Zero(b, 2).fill(24);
    Zero(b, 2).fill(24);
    return b.fill(24);
}

TEST(WallDesign, SectionsInEveryLayout) {
    Block in;
    in.walls = 2;
    in.spandrels = 1;
    Written out;
    out.walls = 2;
    out.spandrels = 1;
    Section(1, in.wallRecords, out.wallRecords);
    Section(2, in.wallRecords, out.wallRecords);
    Section(3, in.spandrelRecords, out.spandrelRecords);
    for (double v : {8.44, 9.74}) {
        SCOPED_TRACE(v);
        out.v = v;
        EXPECT_BYTES(RoundTrip(ReadWallDesign, WriteWallDesign, Legacy(v, in), v), Current(out).data);
    }
    // Up to 8.435 the records are dropped; the tables keep their counts.
    for (double v : {7.5, 7.995, 8.0, 8.43, 8.435}) {
        SCOPED_TRACE(v);
        const int lead = v <= 7.995 ? 20 : 28, trail = v <= 7.995 ? 180 : 256;
        Block old = in;
        old.wallRecords = old.spandrelRecords = {};
        for (Bytes* b : {&old.wallRecords, &old.wallRecords, &old.spandrelRecords})
            b->seq(std::size_t(lead)).arr_i32(1, {1, 2}).no_array().seq(std::size_t(trail));
        Written dropped = out;
        dropped.v = v;
        dropped.wallRecords = {};
        dropped.wallRecords.append(DroppedSection()).append(DroppedSection());
        dropped.spandrelRecords = DroppedSection();
        EXPECT_BYTES(RoundTrip(ReadWallDesign, WriteWallDesign, Legacy(v, old), v), Current(dropped).data);
    }
}

// The 26 arrays of a wall data record as written for counts c1..c3: element
// i of array k is value(k, i).
template <class Value>
Bytes CurrentArrays(std::int32_t c1, std::int32_t c2, std::int32_t c3, Value value) {
    Bytes b;
    for (int k = 1; k <= 26; ++k) {
        const int count = k == 1 ? c1 : (k == 3 || k == 11 || k == 15 || k == 19) ? c2
                                      : (k == 7 || k == 13 || k == 17 || k == 23) ? c3 : -1;
        if (count < 0) {
            b.no_array();
            continue;
        }
        const bool ints = k <= 2 || (k >= 15 && k <= 18);
        Zero(b, std::uint32_t(count));
        for (int i = 0; i <= count; ++i) {
            if (ints) b.i32(std::int32_t(value(k, i)));
            else b.f64(value(k, i));
        }
    }
    return b;
}

// Pier design data layouts: head and tail moves (src 0 the legacy head or the
// one block, 1 the legacy tail), constants, and where the counts are held.
struct DataCase {
    double inside, threshold;
    int head, reals, tail;  // tail 0: one plain block of `head` bytes
    std::vector<Move> headMoves, tailMoves;
    std::vector<std::pair<int, std::int32_t>> headInts, tailInts;
    std::vector<std::pair<int, double>> tailReals;
    int countsAt;  // legacy head place of C1..C3 (-1: none)
};
const std::vector<Move> kTailBC = {{0, 0, 24, 1},    {24, 32, 8, 1},   {32, 24, 8, 1},  {40, 40, 32, 1},
                                   {72, 80, 8, 1},   {80, 72, 8, 1},   {88, 88, 12, 1}, {100, 104, 36, 1},
                                   {136, 140, 4, 1}, {152, 100, 4, 1}, {176, 164, 16, 1}};
const DataCase kDataCases[] = {
    {7.5, 7.985, 286, 0, 0, {{0, 0, 102}, {126, 102, 16}},
     {{0, 150, 24}, {24, 182, 8}, {32, 174, 8}, {40, 190, 32}, {72, 230, 8}, {80, 222, 8}, {88, 238, 8},
      {96, 246, 20}, {176, 266, 16}},
     {{142, -1}}, {{116, 5}, {120, 5}}, {{124, 48.0 / 8}, {132, 48.0 / 32}}, -1},
    {8.0, 8.1905, 130, 12, 184, {{0, 0, 102}, {126, 102, 16}, {146, 118, 12}}, kTailBC, {{102, 1}}, {}, {}, 118},
    {8.2, 8.275, 134, 12, 184, {{0, 0, 102}, {126, 106, 16}, {146, 122, 12}}, kTailBC, {{102, 1}}, {}, {}, 122},
    {8.28, 8.285, 140, 12, 178, {{0, 0, 106}, {130, 114, 12}, {146, 128, 12}},
     {{0, 0, 116, 1}, {116, 128, 4, 1}, {120, 116, 12, 1}, {132, 132, 8, 1}, {152, 140, 4, 1}, {160, 146, 32, 1}},
     {{114, 1}}, {}, {{192, 1.0}, {200, 1.0}}, 128},
    {8.29, 8.295, 158, 20, 218, {{0, 0, 106}, {130, 132, 12}, {146, 146, 12}},
     {{0, 0, 116, 1}, {116, 136, 4, 1}, {120, 132, 4, 1}, {124, 116, 16, 1}, {144, 140, 8, 1}, {152, 148, 4, 1},
      {160, 154, 32, 1}, {192, 194, 16, 1}},
     {}, {{140, 1}}, {}, 146},
    {8.3, 8.395, 158, 20, 222, {{0, 0, 106}, {118, 112, 8}, {126, 128, 16}, {146, 146, 12}},
     {{0, 0, 156, 1}, {160, 158, 32, 1}, {192, 198, 16, 1}}, {}, {}, {}, 146},
    {8.4, 9.74, 158, 26, 208, {{0, 0, 158}}, {{0, 0, 208, 1}}, {}, {}, {}, 146},
};

// The legacy 16-bit values the flag-derived fields come from, and what each
// layout makes of them.
void SetFlags(const DataCase& c, Vec& head, Vec& tail, Vec& outHead, Vec& outTail) {
    auto in16 = [](Vec& v, std::initializer_list<std::pair<int, std::int16_t>> xs) {
        for (auto [at, x] : xs) Put(v, at, x);
    };
    auto out32 = [](Vec& v, std::initializer_list<std::pair<int, std::int32_t>> xs) {
        for (auto [at, x] : xs) Put(v, at, x);
    };
    if (c.tail == 0 || c.reals == 26) return;
    if (c.threshold <= 8.275) {
        in16(tail, {{144, -1}, {146, 3}});
        out32(outHead, {{142, -1}});
        out32(outTail, {{156, 0}});
    } else if (c.threshold <= 8.285) {
        in16(head, {{106, -1}, {108, 0}, {126, 5}});
        in16(tail, {{144, -1}});
        out32(outHead, {{106, -2}, {110, -1}, {142, 0}});
        out32(outTail, {{156, -1}});
    } else if (c.threshold <= 8.295) {
        in16(head, {{106, -1}, {108, 1}, {110, 0}, {144, 1}});
        in16(tail, {{152, -1}});
        out32(outHead, {{106, -2}, {110, -1}, {114, -1}, {142, 0}});
        out32(outTail, {{156, -1}});
    } else {
        in16(head, {{106, 0}, {108, 4}, {110, -1}, {144, 1}});
        in16(tail, {{156, 2}});
        out32(outHead, {{106, -1}, {110, -2}, {114, -2}, {142, -1}});
        out32(outTail, {{156, -1}});
    }
}

// A pier block around one section (n = 0, in the layout of v) and its data.
Block PierBlock(double v, const Bytes& data) {
    Block b;
    b.design = -1;
    b.walls = 1;
    if (v <= 7.995) b.wallRecords.fill(20).no_array().no_array().fill(180);
    else if (v <= 8.435) b.wallRecords.fill(28).no_array().no_array().fill(256);
    else b.wallRecords.fill(28).no_array().no_array().fill(272);
    b.wallData = data;
    return b;
}
Written PierWritten(double v, const Bytes& data) {
    Written w;
    w.v = v;
    w.design = -1;
    w.walls = 1;
    w.wallRecords = DroppedSection();
    w.wallData = data;
    return w;
}

// Counts 2, 1, 3; the held arrays: array 1 {1, 2}, array 2 {7}, array 3 {0.5},
// the other 8-byte arrays one value each, and in the newest layout array 15 {4, 4}
// and arrays 16 to 18 without storage. Legacy layouts have no arrays 15 to 18
// although their counts are positive: those are written as zeros.
TEST(WallDesign, DesignDataInEveryLayout) {
    for (const DataCase& c : kDataCases) {
        Vec head = Pattern(std::size_t(c.head), 9), tail = Pattern(std::size_t(c.tail), 40);
        if (c.countsAt >= 0)
            for (int k = 0; k < 3; ++k) Put<std::int32_t>(head, c.countsAt + 4 * k, k == 0 ? 2 : k == 1 ? 1 : 3);
        Vec outHead(158, 0), outTail(208, 0);
        SetFlags(c, head, tail, outHead, outTail);
        Apply(outHead, {&head, &tail}, c.headMoves);
        Apply(outTail, {&head, &tail}, c.tailMoves);
        for (auto [at, x] : c.headInts) Put(outHead, at, x);
        for (auto [at, x] : c.tailInts) Put(outTail, at, x);
        for (auto [at, x] : c.tailReals) Put(outTail, at, x);

        Bytes record;
        record.raw(head.data(), head.size());
        if (c.tail) {
            record.arr_i32(1, {1, 2}).arr_i32(1, {7});
            const int arrays = c.reals == 26 ? 24 : c.reals;
            for (int k = 0; k < arrays; ++k) {
                if (k == 0) record.arr_f64(1, {0.5});
                else if (c.reals == 26 && k == 12) record.arr_i32(1, {4, 4});
                else if (c.reals == 26 && k > 12 && k < 16) record.no_array();
                else record.arr_f64(1, {10.0 + k});
            }
            record.raw(tail.data(), tail.size());
        }
        const bool late = c.reals >= 20 && c.threshold > 8.295;  // arrays 19 to 26 carried
        auto value = [&](int k, int i) -> double {
            if (c.tail == 0 || i != 1) return k == 1 && i == 2 && c.tail ? 2.0 : 0.0;
            if (k == 1) return 1.0;
            if (k == 3) return 0.5;
            if (k <= 14) return 10.0 + (k - 3);
            if (k == 15) return c.reals == 26 ? 4.0 : 0.0;
            if (k < 19 || !late) return 0.0;
            // The layout up to 8.395 holds 8-byte arrays 13 to 20 in another order.
            constexpr int kOrder[] = {12, 16, 13, 17, 14, 18, 15, 19};
            return 10.0 + (c.reals == 26 ? k - 3 : kOrder[k - 19]);
        };
        const bool counted = c.countsAt >= 0;
        Bytes out;
        out.raw(outHead.data(), 158).append(CurrentArrays(counted ? 2 : 0, counted ? 1 : 0, counted ? 3 : 0, value));
        out.raw(outTail.data(), 208);
        for (double v : {c.inside, c.threshold}) {
            SCOPED_TRACE(v);
            EXPECT_BYTES(RoundTrip(ReadWallDesign, WriteWallDesign, Legacy(v, PierBlock(v, record)), v),
                         Current(PierWritten(v, out)).data);
        }
    }
}

// Spandrel design data: current bytes from legacy bytes, constants.
struct SpandrelCase {
    double inside, threshold;
    int size;
    std::vector<Move> moves;
    std::vector<std::pair<int, std::int32_t>> ints;
    double real186 = 0;
};
const SpandrelCase kSpandrelCases[] = {
    {8.0, 8.1905, 182, {{0, 0, 62}, {66, 62, 120}}, {{62, 1}}},
    {8.2, 8.275, 186, {{0, 0, 62}, {66, 66, 120}}, {{62, 1}}},
    {8.3, 8.395, 218, {{0, 0, 66}, {66, 82, 120}}, {}, 1.0},
    {8.4, 9.74, 194, {{0, 0, 194}}, {}},
};

TEST(WallDesign, SpandrelDataInEveryLayout) {
    for (const SpandrelCase& c : kSpandrelCases) {
        const Vec legacy = Pattern(std::size_t(c.size), 21);
        Vec expect(194, 0);
        Apply(expect, {&legacy}, c.moves);
        for (auto [at, x] : c.ints) Put(expect, at, x);
        if (c.real186 != 0) Put(expect, 186, c.real186);
        for (double v : {c.inside, c.threshold}) {
            SCOPED_TRACE(v);
            Block in = PierBlock(v, {});
            in.walls = 0;
            in.wallRecords = {};
            in.spandrels = 1;
            in.spandrelRecords = PierBlock(v, {}).wallRecords;
            in.spandrelData.raw(legacy.data(), legacy.size());
            Written out = PierWritten(v, {});
            out.walls = 0;
            out.wallRecords = {};
            out.spandrels = 1;
            out.spandrelRecords = DroppedSection();
            out.spandrelData.raw(expect.data(), expect.size());
            EXPECT_BYTES(RoundTrip(ReadWallDesign, WriteWallDesign, Legacy(v, in), v), Current(out).data);
        }
    }
}

// Envelope records of every layout are read whole and none is written; the
// spandrel envelopes follow the flag as first read, though the wall envelope
// loop cleared it.
Bytes LegacyWallEnvelope(double v) {
    Bytes b;
    if (v <= 7.085) return b.seq(472);
    if (v <= 7.135) return b.seq(504);
    if (v <= 7.995) return b.seq(536);
    if (v <= 8.275) {
        b.seq(168).arr_i32(1, {1});
        for (int k = 0; k < 8; ++k) b.arr_f64(1, {1.0});
        b.seq(84).arr_f64(0, {2.0}).seq(12).arr_i32(1, {3}).seq(4).no_array().no_array();
        for (int k = 0; k < 6; ++k) b.no_array();
        return b.seq(132);
    }
    const int run = v <= 9.165 ? 11 : 17;
    auto arrays = [&](int n, bool reals) {
        for (int k = 0; k < n; ++k) reals ? b.arr_f64(1, {1.5}) : b.arr_i32(1, {k});
    };
    b.seq(168);
    arrays(2, true), arrays(4, false), arrays(16, true);
    b.seq(44);
    arrays(1, false), arrays(8, true), arrays(1, false), arrays(8, true), arrays(2, false), arrays(6, true);
    arrays(3, false), arrays(run, true), arrays(3, false), arrays(run, true);
    if (v <= 8.405) {
        b.seq(16);
        arrays(5, false);
        b.seq(4);
        arrays(4, false);
        return b;
    }
    arrays(1, false);
    b.arr_i16(1, {1, 2}).no_array().arr_i16(0, {3});
    arrays(1, false), arrays(3, true);
    b.arr_i16(1, {4});
    arrays(1, true), arrays(1, false), arrays(7, true);
    b.no_array().no_array();
    arrays(1, false);
    b.no_array().arr_i16(1, {5});
    arrays(4, true);
    b.no_array().seq(16);
    arrays(5, false);
    b.seq(4);
    arrays(6, false);
    return b;
}
std::size_t SpandrelEnvelopeSize(double v) { return v <= 7.085 ? 148 : v <= 7.135 ? 156 : v <= 9.165 ? 164 : 212; }

TEST(WallDesign, EnvelopesOfEveryLayoutAreDropped) {
    for (double v : {7.0, 7.085, 7.1, 7.135, 7.5, 7.995, 8.0, 8.275, 8.3, 8.405, 8.5, 9.165, 9.17, 9.74}) {
        SCOPED_TRACE(v);
        Block in = PierBlock(v, {});
        in.design = 0;
        in.envelopes = -1;
        for (int k = 0; k < 2; ++k) in.wallEnvelopes.append(LegacyWallEnvelope(v));
        in.spandrels = 1;
        in.spandrelRecords = in.wallRecords;
        in.spandrelEnvelopes.seq(2 * SpandrelEnvelopeSize(v));
        Written out = PierWritten(v, {});
        out.design = 0;
        out.wallData = {};
        out.spandrels = 1;
        out.spandrelRecords = DroppedSection();
        const Bytes legacy = Legacy(v, in);
        EXPECT_BYTES(RoundTrip(ReadWallDesign, WriteWallDesign, legacy, v), Current(out).data);
        auto cv = kmdtest::ReadSection(ReadWallDesign, legacy, v);
        const kmd::WallDesignData& d = cv->model.wall;
        EXPECT_EQ(d.EnvelopesPresent, v > 9.165 ? -1 : 0);
        EXPECT_EQ(d.SpandrelEnvelopes.rows, 1);
        if (v > 9.165) {
            EXPECT_EQ(d.SpandrelEnvelopes.At(1, 2).Data[0], std::uint8_t(213));
        }
    }
    // Below 8.275 the flag is 0 after reading, whatever the file held.
    Block none = PierBlock(8.27, {});
    none.design = 0;
    none.envelopes = 3;
    none.walls = 0;
    none.wallRecords = {};
    auto cv = kmdtest::ReadSection(ReadWallDesign, Legacy(8.27, none), 8.27);
    EXPECT_EQ(cv->model.wall.EnvelopesPresent, 0);
    cv = kmdtest::ReadSection(ReadWallDesign, Legacy(8.28, none), 8.28);
    EXPECT_EQ(cv->model.wall.EnvelopesPresent, 3);
}

// The settings in every layout, for a model of 13 stories.
kmdtest::Setup Stories(std::int32_t n) {
    return [n](kmd::Conversion& cv) { cv.model.stories.Story.count = n; };
}

TEST(WallDesign, SettingsInEveryLayout) {
    Block in;
    Written out;
    out.settings = CurrentSettings(13);
    // Files up to 8.305 hold none; up to 8.335 one that is dropped.
    for (double v : {8.0, 8.305, 8.31, 8.335}) {
        SCOPED_TRACE(v);
        out.v = v;
        EXPECT_BYTES(RoundTrip(ReadWallDesign, WriteWallDesign, Legacy(v, in), v, Stories(13)), Current(out).data);
    }
    // The newer layouts carry their fields over the defaults.
    // Array 1 is copied whole (bounds 0..2) and rebuilt by subscript.
    auto leading = [](Bytes& b) { b.seq(34).i32(2).arr_i32(0, {4, 5, 6}).i32(1).arr_i32(1, {8}); };
    for (double v : {8.34, 8.375, 8.38, 9.725, 9.73, 9.735, 9.74}) {
        SCOPED_TRACE(v);
        Block b = in;
        leading(b.settings);
        Bytes w;
        w.seq(34).i32(2).arr_i32(0, {0, 5, 6}).i32(1).arr_i32(0, {0, 8});
        if (v <= 8.375) {
            w.fill(8).i32(0).arr_i32(0, {0}).arr_f64(0, {0.0}).fill(8).i32(0).arr_i32(0, {0});
            w.i32(1).f64(1.25).f64(1.0).f64(1.1);
        } else {
            b.settings.seq(8, 100).i32(1).arr_i32(1, {9}).arr_f64(1, {2.5, 3.5});
            w.seq(8, 100).i32(1).arr_i32(0, {0, 9}).arr_f64(0, {0.0, 2.5});
            if (v <= 9.725) {
                w.fill(8).i32(0).arr_i32(0, {0}).i32(1).f64(1.25).f64(1.0).f64(1.1);
            } else {
                b.settings.seq(8, 120).i32(0).no_array().seq(v <= 9.735 ? 20 : 28, 130);
                w.seq(8, 120).i32(0).arr_i32(0, {0}).seq(20, 130);
                if (v <= 9.735) w.f64(1.1);
                else w.seq(8, 150);
            }
        }
        Written o = out;
        o.v = v;
        o.settings = w;
        EXPECT_BYTES(RoundTrip(ReadWallDesign, WriteWallDesign, Legacy(v, b), v, Stories(13)), Current(o).data);
    }
}

TEST(WallDesign, ResetFollowsTheStoryCount) {
    for (auto [n, s] : {std::pair{12, 12}, {0, 0}, {-4, 0}}) {
        SCOPED_TRACE(n);
        const kmd::WallDesignSettings d = kmd::ResetWallDesignSettings(s);
        Block in;
        auto cv = kmdtest::ReadSection(ReadWallDesign, Legacy(8.0, in), 8.0, nullptr, Stories(n));
        EXPECT_EQ(cv->model.wall.Settings.Leading, d.Leading);
        EXPECT_EQ(cv->model.wall.Settings.Array1.items, std::vector<std::int32_t>({s}));
        EXPECT_EQ(cv->model.wall.Settings.Leading[4], 0);
    }
}

// The four legacy lists: read whole in each layout, kept, never written.
TEST(WallDesign, LegacyListsAreReadAndNotWritten) {
    for (double v : {8.32, 8.325, 8.33, 8.375, 8.38, 9.74}) {
        SCOPED_TRACE(v);
        Block in;
        in.lists.i32(2);
        for (int k = 0; k < 2; ++k) {
            in.lists.seq(12);
            for (int a = 0; a < (v <= 8.375 ? 5 : 8); ++a) in.lists.arr_f64(1, {1.0});
            if (v > 8.375) in.lists.seq(4);
            in.lists.arr_i32(1, {2});
        }
        in.lists.i32(1).seq(12).arr_i32(1, {3});
        for (int a = 0; a < 7; ++a) in.lists.no_array();
        in.lists.arr_i32(1, {4});
        in.lists.i32(-1);  // a damaged count: no records
        if (v > 8.325) {
            in.lists.i32(1).seq(28).arr_i32(1, {5}).no_array().no_array().arr_f64(0, {6.0}).seq(4);
        }
        Written out;
        out.v = v;
        EXPECT_BYTES(RoundTrip(ReadWallDesign, WriteWallDesign, Legacy(v, in), v), Current(out).data);
        auto cv = kmdtest::ReadSection(ReadWallDesign, Legacy(v, in), v);
        const kmd::WallDesignData& d = cv->model.wall;
        EXPECT_EQ(d.List1.Lower(), 1);
        EXPECT_EQ(d.List1.items.size(), 2u);
        EXPECT_EQ(d.List1.items[0].Ints.items, v > 8.375 ? std::vector<std::int32_t>({2}) : std::vector<std::int32_t>{});
        EXPECT_EQ(d.List2.items.size(), 1u);
        EXPECT_FALSE(d.List3.HasStorage());
        EXPECT_EQ(d.List4.items.size(), v > 8.325 ? 1u : 0u);
    }
}

// Without a code name the section counts and both flags are 0; the piers and
// spandrels stay. The 16-bit value after the spandrels is written as 0.
TEST(WallDesign, EmptyCodeNameDropsTheSections) {
    for (std::int32_t walls : {1, -3}) {
        Block in = PierBlock(9.74, {});
        in.prefs = {};
        in.prefs.str("").fill(492);
        in.design = 0;
        in.walls = walls;
        if (walls < 0) in.wallRecords = {};
        in.envelopes = -1;
        for (int k = 0; k < 2 && walls > 0; ++k) in.wallEnvelopes.append(LegacyWallEnvelope(9.74));
        Written out;
        out.prefs.str("").fill(492);
        EXPECT_BYTES(RoundTrip(ReadWallDesign, WriteWallDesign, Legacy(9.74, in), 9.74), Current(out).data);
    }
    // Dropped sections are not checked: a damaged one does not fail the file.
    Block damaged = PierBlock(9.74, {});
    damaged.prefs = {};
    damaged.prefs.str("").fill(492);
    damaged.design = 0;
    damaged.wallRecords = {};
    damaged.wallRecords.fill(24).i32(-1).no_array().no_array().fill(272);
    Written dropped;
    dropped.prefs.str("").fill(492);
    EXPECT_BYTES(RoundTrip(ReadWallDesign, WriteWallDesign, Legacy(9.74, damaged), 9.74), Current(dropped).data);
    // A blank name is not empty.
    Block blank = PierBlock(9.74, {});
    blank.prefs = {};
    blank.prefs.str(" ").fill(492);
    blank.design = 0;
    Written out = PierWritten(9.74, {});
    out.prefs = {};
    out.prefs.str(" ").fill(492);
    out.design = 0;
    out.wallData = {};
    EXPECT_BYTES(RoundTrip(ReadWallDesign, WriteWallDesign, Legacy(9.74, blank), 9.74), Current(out).data);
}

// Damaged inputs: negative counts are written back as held; a negative or
// unmet section count, settings array or design data count is a corrupt file.
TEST(WallDesign, DamagedCountsAndArrays) {
    Block negative;
    negative.walls = -2;
    negative.spandrels = -1;
    negative.design = 7;
    Written out;
    out.walls = -2;
    out.spandrels = -1;
    out.design = 7;
    EXPECT_BYTES(RoundTrip(ReadWallDesign, WriteWallDesign, Legacy(9.74, negative), 9.74), Current(out).data);

    auto fails = [](const Bytes& b, std::string_view table) {
        try {
            kmdtest::ReadSection(ReadWallDesign, b, 9.74);
            ADD_FAILURE() << "no error";
        } catch (const kmd::FormatError& e) {
            EXPECT_EQ(e.table, table);
        }
    };
    auto section = [](std::int32_t n, const Bytes& arrays) {
        Block b = PierBlock(9.74, {});
        b.design = 0;
        b.wallRecords = {};
        b.wallRecords.fill(24).i32(n).append(arrays).fill(272);
        return b;
    };
    fails(Legacy(9.74, section(-1, Bytes().no_array().no_array())), "WallSections");
    fails(Legacy(9.74, section(2, Bytes().arr_i32(1, {1, 2}).arr_i32(1, {1}))), "WallSections");
    fails(Legacy(9.74, section(1, Bytes().arr_i32(1, {1}).header({{1, 1}, {1, 1}}).i32(0))), "WallSections");

    for (auto [count1, count2] : {std::pair{1, 2}, {-1, 1}}) {
        Block settings;
        settings.settings.fill(34).i32(count1).arr_i32(1, {1}).i32(count2).arr_i32(1, {1});
        settings.settings.fill(8).i32(0).no_array().no_array().fill(8).i32(0).no_array().fill(28);
        fails(Legacy(9.74, settings), "wall design settings");
    }

    // Design data counts beyond the size of the file; then counts the held
    // arrays do not meet (their missing elements are written as 0).
    Vec head(158, 0);
    Put<std::int32_t>(head, 150, 1 << 30);
    Bytes data;
    data.raw(head.data(), 158);
    for (int k = 0; k < 26; ++k) data.no_array();
    data.fill(208);
    fails(Legacy(9.74, PierBlock(9.74, data)), "WallData");

    Put<std::int32_t>(head, 146, 3);
    Put<std::int32_t>(head, 150, -1);
    Put<std::int32_t>(head, 154, 0);
    Bytes short3;
    short3.raw(head.data(), 158).arr_i32(0, {5, 6});
    for (int k = 1; k < 26; ++k) short3.no_array();
    short3.fill(208);
    Bytes expect;
    expect.raw(head.data(), 158).arr_i32(0, {0, 6, 0, 0});
    for (int k = 2; k <= 26; ++k) {
        const bool c3 = k == 7 || k == 13 || k == 17 || k == 23;
        if (!c3) expect.no_array();
        else if (k == 17) expect.arr_i32(0, {0});
        else expect.arr_f64(0, {0.0});
    }
    expect.fill(208);
    EXPECT_BYTES(RoundTrip(ReadWallDesign, WriteWallDesign, Legacy(9.74, PierBlock(9.74, short3)), 9.74),
                 Current(PierWritten(9.74, expect)).data);
}

// The example block of every layout is read whole and written.
constexpr double kThresholds[] = {7.0, 7.085, 7.0851, 7.135, 7.1351, 7.985, 7.9851, 7.995, 7.9951, 8.1905,
                                  8.1906, 8.275, 8.2751, 8.285, 8.2851, 8.295, 8.2951, 8.305, 8.3051, 8.315,
                                  8.3151, 8.325, 8.3251, 8.335, 8.3351, 8.375, 8.3751, 8.395, 8.3951, 8.405,
                                  8.4051, 8.435, 8.4351, 8.515, 8.5151, 8.895, 8.8951, 9.125, 9.1251, 9.165,
                                  9.1651, 9.725, 9.7251, 9.735, 9.7351, 9.74};
Bytes Example(double v) {
    kmd::Writer w;
    kmd::example::WriteExampleWall(w, v);
    Bytes section;
    section.append(w.Buffer());
    return section;
}

TEST(WallDesign, ExampleAtEveryThreshold) {
    for (double v : kThresholds) {
        SCOPED_TRACE(v);
        std::vector<std::uint8_t> out;
        EXPECT_NO_THROW(out = RoundTrip(ReadWallDesign, WriteWallDesign, Example(v), v));
        EXPECT_FALSE(out.empty());
    }
}

TEST(WallDesign, DamagedExampleFailsCleanly) {
    for (double v : {7.5, 8.2, 8.3, 8.4, 9.0, 9.2, 9.74})
        kmdtest::ExpectDamageHandled(ReadWallDesign, WriteWallDesign, Example(v), v);
}

}  // namespace
