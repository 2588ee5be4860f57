#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string_view>
#include <vector>

#include "fileformat/encoding.h"
#include "support/bytes.h"
#include "support/convert.h"
#include "support/packed.h"
#include "tables/composite_design.h"
#include "tools/example_composite.h"

using kmd::ReadCompositeDesign;
using kmd::WriteCompositeDesign;
using kmdtest::Bytes;
using kmdtest::RoundTrip;

namespace {

using namespace kmdtest::packed;

// The composite block around the given preferences and overwrite records.
Bytes Legacy(const Bytes& prefs, std::int32_t count = 0, const Bytes& records = {}, std::int16_t envelopes = 0,
             const Bytes& envelopeRecords = {}) {
    Bytes b;
    b.append(prefs).i16(envelopes).i16(5).i32(count).append(records).append(envelopeRecords);
    return b;
}
Bytes Current(const Bytes& prefs, std::int32_t count = 0, const Bytes& records = {}) {
    Bytes b;
    b.append(prefs).i16(0).i16(5).i32(count).append(records);
    return b;
}

// The preferences layouts: legacy block size, moves and 64-bit constants.
struct PreferencesCase {
    double inside, threshold;
    std::size_t size;
    std::vector<Move> moves;
    std::vector<std::pair<int, double>> reals;
};
const PreferencesCase kPreferenceCases[] = {
    {7.5, 7.985, 258, {}, {}},
    {8.0, 8.105, 290, {}, {}},
    {8.11, 8.115, 326,
     {{0, 0, 82}, {82, 82, 24}, {136, 108, 16}, {160, 132, 50}, {210, 182, 10}, {220, 192, 10}, {230, 202, 8},
      {354, 210, 2}, {356, 212, 82}, {438, 294, 14}, {452, 308, 18}},
     {{108, 1.0}, {120, 120.0}, {128, 120.0}, {152, 1.0}}},
    {8.12, 8.125, 338,
     {{0, 0, 82}, {82, 82, 26}, {108, 108, 12}, {136, 120, 74}, {210, 194, 10}, {220, 204, 10}, {230, 214, 8},
      {354, 222, 2}, {356, 224, 82}, {438, 306, 14}, {452, 320, 18}},
     {{120, 120.0}, {128, 120.0}}},
    {9.0, 9.525, 354, {{0, 0, 238}, {354, 238, 116}}, {}},
    {9.6, 9.74, 470, {{0, 0, 470}}, {}},
};
const PreferencesCase& PreferencesFor(double v) {
    for (const PreferencesCase& c : kPreferenceCases)
        if (v <= c.threshold) return c;
    return kPreferenceCases[std::size(kPreferenceCases) - 1];
}

// The preferences of case c holding `code`, as the file holds them and as written.
void Preferences(const PreferencesCase& c, std::string_view code, Bytes& in, Bytes& out) {
    const auto block = Pattern(c.size, 11);
    std::vector<std::uint8_t> expect(470, 0);
    Apply(expect, block, c.moves);
    for (auto [at, value] : c.reals) Put(expect, at, value);
    in.str(code).append(block);
    out.str(code).append(expect);
}

// A code outside the catalogue keeps its name over the defaults of the default
// code (all zero for now); the oldest blocks are dropped.
TEST(CompositeDesign, PreferencesInEveryLayout) {
    for (const PreferencesCase& c : kPreferenceCases) {
        Bytes in, out;
        Preferences(c, "BS5950 2000", in, out);
        for (double v : {c.inside, c.threshold}) {
            SCOPED_TRACE(v);
            EXPECT_BYTES(RoundTrip(ReadCompositeDesign, WriteCompositeDesign, Legacy(in), v), Current(out).data);
        }
    }
}

// Lists 1 to 4 with their counts and inner runs, in a file and as written.
Bytes LegacyLists() {
    Bytes b;
    b.i32(2).arr_str(1, {"a", "b"}).arr_f64(1, {1.5, 2.5}).i16(-7);
    b.i32(1).arr_str(0, {"x", "y"}).arr_f64(1, {3.5}).arr_f64(1, {4.5, 9.9}).seq(24, 60);
    b.i32(0).no_array().arr_f64(3, {7.0}).i16(8);
    b.i32(1).arr_str(1, {"d"}).arr_f64(1, {5.5}).arr_f64(1, {6.5});
    return b;
}
Bytes CurrentLists() {
    Bytes b;
    b.i32(2).arr_str(0, {"", "a", "b"}).arr_f64(0, {0.0, 1.5, 2.5}).i16(-7);
    b.i32(1).arr_str(0, {"", "y"}).arr_f64(0, {0.0, 3.5}).arr_f64(0, {0.0, 4.5}).seq(24, 60);
    b.i32(0).arr_str(0, {""}).arr_f64(0, {0.0}).i16(8);
    b.i32(1).arr_str(0, {"", "d"}).arr_f64(0, {0.0, 5.5}).arr_f64(0, {0.0, 6.5});
    return b;
}
// List 5.
Bytes LegacyLastList() {
    Bytes b;
    b.i32(2).arr_i32(1, {3, 4}).arr_f64(1, {1.0, 2.0}).arr_f64(-1, {9.0, 9.0, 1.5, 2.5});
    return b;
}
Bytes CurrentLastList() {
    Bytes b;
    b.i32(2).arr_i32(0, {0, 3, 4}).arr_f64(0, {0.0, 1.0, 2.0}).arr_f64(0, {0.0, 1.5, 2.5});
    return b;
}

// The overwrite layouts: run sizes, trailing moves, constants, and the legacy
// trailing byte of the real whose doubled absolute value fills T112 and T120.
struct OverwriteCase {
    double inside, threshold;
    std::size_t head, middle, trail;
    std::vector<Move> trailMoves;
    std::vector<std::pair<int, double>> reals;
    std::vector<std::pair<int, std::int32_t>> ints;
    int doubledFrom = -1;
};
const OverwriteCase kOverwriteCases[] = {
    {7.5, 7.985, 90, 110, 122, {}, {}, {}},
    {8.0, 8.105, 90, 118, 140, {}, {}, {}},
    {8.11, 8.115, 70, 86, 238,
     {{0, 0, 4}, {16, 4, 60}, {96, 68, 16}, {128, 84, 88}, {388, 172, 44}, {440, 224, 14}},
     {{4, 1.0}, {80, 120.0}, {88, 120.0}}, {{76, 2}}, 92},
    {8.12, 8.125, 70, 86, 250, {{0, 0, 80}, {96, 80, 16}, {128, 96, 88}, {388, 184, 44}, {440, 236, 14}},
     {{80, 120.0}, {88, 120.0}}, {}, 104},
    {9.0, 9.525, 70, 86, 282, {{0, 0, 216}, {388, 216, 44}, {440, 268, 14}}, {}, {}},
    {9.6, 9.74, 70, 86, 454, {{0, 0, 454}}, {}, {}},
};

TEST(CompositeDesign, OverwritesInEveryLayout) {
    for (const OverwriteCase& c : kOverwriteCases) {
        const bool carried = c.head == 70;
        const auto head = Pattern(c.head, 5), middle = Pattern(c.middle, 77);
        auto trail = Pattern(c.trail, 99);
        if (c.doubledFrom >= 0) Put(trail, c.doubledFrom, -1.25);
        std::vector<std::uint8_t> expectTrail(454, 0);
        Apply(expectTrail, trail, c.trailMoves);
        for (auto [at, value] : c.reals) Put(expectTrail, at, value);
        for (auto [at, value] : c.ints) Put(expectTrail, at, value);
        if (c.doubledFrom >= 0) {
            Put(expectTrail, 112, 2.5);
            Put(expectTrail, 120, 2.5);
        }
        Bytes in, out;
        in.append(head).append(LegacyLists()).append(middle).append(LegacyLastList()).append(trail);
        out.append(carried ? head : std::vector<std::uint8_t>(70, 0)).append(CurrentLists());
        out.append(carried ? middle : std::vector<std::uint8_t>(86, 0)).append(CurrentLastList()).append(expectTrail);
        for (double v : {c.inside, c.threshold}) {
            SCOPED_TRACE(v);
            Bytes prefs, prefsOut;
            Preferences(PreferencesFor(v), "CISC 95", prefs, prefsOut);
            Bytes records = in, written = out;
            records.append(in);
            written.append(out);
            EXPECT_BYTES(RoundTrip(ReadCompositeDesign, WriteCompositeDesign, Legacy(prefs, 2, records), v),
                         Current(prefsOut, 2, written).data);
        }
    }
}

// |2 x| in IEEE double, whatever x is.
TEST(CompositeDesign, DoubledRealOfEveryValue) {
    const OverwriteCase& c = kOverwriteCases[3];
    for (double x : {0.0, -0.0, 3.0, -double(INFINITY), double(NAN), 1e308}) {
        SCOPED_TRACE(x);
        auto trail = Pattern(c.trail, 99);
        Put(trail, 104, x);
        Bytes in, prefs, prefsOut;
        in.fill(70).append(LegacyLists()).fill(86).append(LegacyLastList()).append(trail);
        Preferences(PreferencesFor(8.12), "CISC 95", prefs, prefsOut);
        const auto out = RoundTrip(ReadCompositeDesign, WriteCompositeDesign, Legacy(prefs, 1, in), 8.12);
        const std::size_t at = out.size() - 454 + 112;
        const double doubled = std::fabs(2.0 * x);
        for (std::size_t k : {at, at + 8}) EXPECT_EQ(std::memcmp(out.data() + k, &doubled, 8), 0);
    }
}

std::vector<std::uint8_t> LegacyOverwrite(double v) {
    for (const OverwriteCase& c : kOverwriteCases)
        if (v <= c.threshold) {
            Bytes b;
            b.append(Pattern(c.head, 1)).append(LegacyLists()).append(Pattern(c.middle, 2));
            b.append(LegacyLastList()).append(Pattern(c.trail, 3));
            return b.data;
        }
    return {};
}

// An envelope record per overwrite record in the layout of its version; none is
// written and EnvelopesPresent becomes 0. The newest layout is kept in memory.
TEST(CompositeDesign, EnvelopesAreReadAndNotWritten) {
    for (double v : {7.5, 7.985, 8.0, 8.125, 8.13, 9.525, 9.53, 9.74}) {
        SCOPED_TRACE(v);
        Bytes prefs, prefsOut, envelope;
        Preferences(PreferencesFor(v), "AISC-ASD89", prefs, prefsOut);
        if (v <= 7.985)
            envelope.seq(66).arr_i32(1, {1, 2}).seq(74);
        else
            envelope.seq(70).arr_i32(1, {1, 2}).seq(8).arr_f64(0, {0.5}).seq(v <= 8.125 ? 74 : v <= 9.525 ? 138 : 186);
        Bytes records, envelopes;
        records.append(LegacyOverwrite(v)).append(LegacyOverwrite(v));
        envelopes.append(envelope).append(envelope);
        std::size_t consumed = 0;
        const Bytes with = Legacy(prefs, 2, records, -1, envelopes);
        auto cv = kmdtest::ReadSection(ReadCompositeDesign, with, v, &consumed);
        EXPECT_EQ(consumed, with.size());
        EXPECT_BYTES(kmdtest::WriteSection(WriteCompositeDesign, *cv),
                     RoundTrip(ReadCompositeDesign, WriteCompositeDesign, Legacy(prefs, 2, records), v));
        EXPECT_EQ(cv->model.composite.CompositeEnvelopes.count, v > 9.525 ? 2 : 0);
    }
}

// Without a code name: the defaults of "AISC-LRFD93", no records, both flags 0.
// The dropped records are not checked, so their damaged lists do not fail.
TEST(CompositeDesign, EmptyCodeNameResetsToTheDefaults) {
    for (double v : {8.0, 9.74}) {
        SCOPED_TRACE(v);
        const PreferencesCase& c = PreferencesFor(v);
        Bytes record;
        record.append(LegacyOverwrite(v));
        std::int32_t negative = -1;
        std::memcpy(record.data.data() + (v <= 8.105 ? 90 : 70), &negative, 4);
        Bytes in;
        in.str("").append(Pattern(c.size, 3)).i16(-1).i16(9).i32(1).append(record);
        in.seq(70).arr_i32(1, {1}).seq(8).arr_f64(1, {1.0}).seq(v <= 8.105 ? 74 : 186);
        Bytes out;
        out.str("AISC-LRFD93").fill(470).i16(0).i16(0).i32(0);
        EXPECT_BYTES(RoundTrip(ReadCompositeDesign, WriteCompositeDesign, in, v), out.data);
    }
    // A name of blanks is a code name.
    Bytes prefs;
    prefs.str(" ").seq(470);
    EXPECT_BYTES(RoundTrip(ReadCompositeDesign, WriteCompositeDesign, Legacy(prefs), 9.74), Current(prefs).data);
}

// A negative record count is written back as held; a negative list count, or a
// list shorter than its count, is a corrupt file.
TEST(CompositeDesign, DamagedCountsAndLists) {
    Bytes prefs;
    prefs.str("AISC-ASD01").fill(470);
    EXPECT_BYTES(RoundTrip(ReadCompositeDesign, WriteCompositeDesign, Legacy(prefs, -3), 9.74),
                 Current(prefs, -3).data);

    const std::size_t start = prefs.size() + 8;
    for (int damage = 0; damage < 2; ++damage) {
        Bytes record;
        record.append(LegacyOverwrite(9.74));
        if (damage == 0) {
            std::int32_t negative = -2;
            std::memcpy(record.data.data() + 70, &negative, 4);
        } else {
            record.data.resize(record.size() - 454 - LegacyLastList().size());
            record.i32(3).arr_i32(1, {3, 4}).arr_f64(1, {1.0, 2.0, 3.0}).arr_f64(1, {1.0, 2.0, 3.0}).fill(454);
        }
        try {
            kmdtest::ReadSection(ReadCompositeDesign, Legacy(prefs, 1, record), 9.74);
            ADD_FAILURE() << "no error";
        } catch (const kmd::FormatError& e) {
            EXPECT_EQ(e.table, "CompositeData");
            EXPECT_EQ(e.offset, start);
        }
    }
}

Bytes Example(double v) {
    kmd::Writer w;
    kmd::example::WriteExampleComposite(w, v);
    Bytes section;
    section.append(w.Buffer());
    return section;
}

// The example block of every layout is read whole and written.
TEST(CompositeDesign, ExampleAtEveryThreshold) {
    for (double v : {7.0, 7.985, 7.9851, 8.105, 8.1051, 8.115, 8.1151, 8.125, 8.1251, 9.525, 9.5251, 9.74}) {
        SCOPED_TRACE(v);
        std::vector<std::uint8_t> out;
        EXPECT_NO_THROW(out = RoundTrip(ReadCompositeDesign, WriteCompositeDesign, Example(v), v));
        EXPECT_FALSE(out.empty());
    }
}

TEST(CompositeDesign, DamagedExampleFailsCleanly) {
    for (double v : {7.5, 8.12, 9.0, 9.74}) kmdtest::ExpectDamageHandled(ReadCompositeDesign, WriteCompositeDesign, Example(v), v);
}

}  // namespace
