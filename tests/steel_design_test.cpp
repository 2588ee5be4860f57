#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

#include "design/code_catalogue.h"
#include "fileformat/encoding.h"
#include "support/bytes.h"
#include "support/convert.h"
#include "support/packed.h"
#include "tables/steel_design.h"
#include "tools/example_steel.h"

using kmd::ReadSteelDesign;
using kmd::WriteSteelDesign;
using kmdtest::Bytes;
using kmdtest::RoundTrip;

namespace {

using namespace kmdtest::packed;

// A place in the trailing run of an overwrite record, by its relative position
// after the last list array (the leading run is 262 bytes, Short3 2).
constexpr int T(int rel) { return 260 + rel; }

// The steel block of version v around the given preferences and overwrite
// records; no bracing, no optimisation records.
Bytes Legacy(double v, const Bytes& prefs, std::int32_t count = 0, const Bytes& records = {},
             std::int16_t envelopes = 0, const Bytes& envelopeRecords = {}) {
    Bytes b;
    if (v > 9.155) b.i32(0);
    b.append(prefs).i16(envelopes).i16(5).i32(count).append(records).append(envelopeRecords).i32(0);
    if (v > 7.985) b.i32(0);
    return b;
}
Bytes Current(const Bytes& prefs, std::int32_t count = 0, const Bytes& records = {}) {
    Bytes b;
    b.i32(0).append(prefs).i16(0).i16(5).i32(count).append(records).i32(0).i32(0);
    return b;
}

TEST(SteelDesign, CodeCatalogue) {
    EXPECT_EQ(kmd::NormaliseSteelCodeName("Eurocode 3-2005"), "Eurocode 3-2005");
    EXPECT_EQ(kmd::NormaliseSteelCodeName(""), "AISC-LRFD93");
    EXPECT_EQ(kmd::NormaliseSteelCodeName("aisc-lrfd93"), "AISC-LRFD93");
    EXPECT_EQ(kmd::NormaliseSteelCodeName("ACI 318-02"), "AISC-LRFD93");
    EXPECT_EQ(kmd::NormaliseCompositeCodeName("BS5950 2000"), "AISC-LRFD93");
    EXPECT_EQ(kmd::NormaliseCompositeCodeName("Indian IS:800-1998"), "Indian IS:800-1998");
    EXPECT_EQ(kmd::DefaultConcreteCodeName("Not a code"), "Not a code");
    EXPECT_EQ(kmd::DefaultConcreteCodeName(""), "ACI 318-08/IBC 2009");
    EXPECT_EQ(kmd::NormaliseSteelCodeName("Chinese 2010"), "Chinese 2010");
    EXPECT_EQ(kmd::NormaliseCompositeCodeName("Chinese 2010"), "Chinese 2010");
    EXPECT_EQ(kmd::DefaultConcreteCodeName("Chinese 2010"), "Chinese 2010");
}

// The preferences layouts, with the current block offsets of the fields.
struct PreferencesCase {
    double inside, threshold;
    std::size_t size;
    std::vector<Move> moves;
    std::vector<std::pair<int, std::int32_t>> ints;  // constants
    double real74 = 0;                                // constant, when not 0
};
const PreferencesCase kPreferenceCases[] = {
    {7.5, 7.985, 36, {{0, 0, 4}, {12, 20, 8}, {472, 4, 16}}, {{688, 1}}, 1.0005},
    {8.0, 8.045, 48, {{0, 0, 4}, {12, 16, 8}, {472, 32, 16}, {688, 4, 12}}, {}},
    {8.1, 8.195, 48, {{0, 0, 4}, {12, 16, 8}, {472, 24, 16}, {680, 40, 8}, {688, 4, 12}}, {}},
    {8.3, 8.395, 268,
     {{0, 0, 12}, {12, 24, 4}, {16, 150, 4}, {24, 154, 8}, {112, 162, 8}, {332, 170, 72}, {472, 242, 16},
      {528, 260, 8}, {548, 38, 36}, {592, 74, 32}, {636, 108, 40}, {680, 28, 8}, {688, 12, 12}},
     {{544, 1}, {632, 1}, {676, 1}}},
    {8.4, 8.465, 288, {{0, 0, 20}, {24, 20, 8}, {112, 28, 8}, {332, 36, 72}, {472, 108, 16}, {528, 124, 8}, {544, 132, 156}}, {}},
    {8.6, 8.935, 292, {{0, 0, 20}, {24, 20, 8}, {112, 28, 8}, {332, 36, 72}, {472, 108, 16}, {528, 124, 12}, {544, 136, 156}}, {}},
    {9.0, 9.145, 376,
     {{0, 0, 16}, {16, 32, 8}, {24, 16, 8}, {56, 24, 8}, {112, 40, 8}, {120, 144, 12}, {276, 88, 56}, {332, 48, 40},
      {372, 156, 32}, {472, 188, 16}, {528, 204, 172}},
     {}},
    {9.15, 9.155, 604, {{0, 0, 96}, {112, 96, 24}, {148, 124, 288}, {468, 412, 20}, {528, 432, 172}}, {}},
    {9.3, 9.535, 612, {{0, 0, 96}, {112, 96, 324}, {468, 420, 20}, {528, 440, 172}}, {}},
    {9.6, 9.705, 648, {{0, 0, 96}, {112, 96, 324}, {468, 420, 28}, {500, 448, 200}}, {}},
    {9.72, 9.725, 668, {{0, 0, 436}, {468, 436, 28}, {500, 468, 200}}, {}},
    {9.73, 9.74, 700, {{0, 0, 700}}, {}},
};

// The preferences of case c holding `code`, as the file holds them and as written.
void Preferences(const PreferencesCase& c, std::string_view code, Bytes& in, Bytes& out) {
    const auto block = Pattern(c.size, 11);
    std::vector<std::uint8_t> expect(700, 0);
    Apply(expect, block, c.moves);
    for (auto [at, value] : c.ints) Put(expect, at, value);
    if (c.real74 != 0) Put(expect, 692, c.real74);
    in.str(code).append(block);
    out.str(code).append(expect);
}
const PreferencesCase& PreferencesFor(double v) {
    for (const PreferencesCase& c : kPreferenceCases)
        if (v <= c.threshold) return c;
    return kPreferenceCases[std::size(kPreferenceCases) - 1];
}

TEST(SteelDesign, PreferencesInEveryLayout) {
    for (const PreferencesCase& c : kPreferenceCases) {
        Bytes in, out;
        Preferences(c, "Eurocode 3-2005", in, out);
        for (double v : {c.inside, c.threshold}) {
            SCOPED_TRACE(v);
            EXPECT_BYTES(RoundTrip(ReadSteelDesign, WriteSteelDesign, Legacy(v, in), v), Current(out).data);
        }
    }
}

// The lateral bracing part of an overwrite record (after Short1) in a file,
// and as it is written.
Bytes LegacyLists() {
    Bytes b;
    b.i32(2).arr_str(1, {"a", "b"}).arr_f64(1, {1.5, 2.5}).i16(-7);
    b.i32(1).arr_str(0, {"x", "y"}).arr_f64(1, {3.5}).arr_f64(1, {4.5, 9.9}).i16(8);
    return b;
}
Bytes CurrentLists() {
    Bytes b;
    b.i32(2).arr_str(0, {"", "a", "b"}).arr_f64(0, {0.0, 1.5, 2.5}).i16(-7);
    b.i32(1).arr_str(0, {"", "y"}).arr_f64(0, {0.0, 3.5}).arr_f64(0, {0.0, 4.5}).i16(8);
    return b;
}
// The lists of a plain legacy block: counts 0, arrays one empty element.
Bytes EmptyLists() {
    Bytes b;
    b.i32(0).arr_str(0, {""}).arr_f64(0, {0.0}).i16(0);
    b.i32(0).arr_str(0, {""}).arr_f64(0, {0.0}).arr_f64(0, {0.0}).i16(0);
    return b;
}

// The overwrite layouts, with the current positions of the fields.
struct OverwriteCase {
    double inside, threshold;
    std::size_t lead, trail;  // trail 0: one plain block of `lead` bytes
    std::vector<Move> moves, trailMoves;
    std::vector<std::pair<int, std::int32_t>> ints;  // constants and flag-derived values
};
const std::vector<Move> kCommonA = {{T(2), 44, 16}, {T(26), 28, 16}, {T(66), 60, 24}, {T(90), 92, 32}, {248, 84, 8}};
std::vector<Move> With(std::vector<Move> a, const std::vector<Move>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
const std::vector<Move> kWordsB = {{T(234), 180, 8}, {T(258), 140, 16}, {T(274), 124, 16}, {T(290), 172, 8},
                                   {T(298), 156, 16}, {T(350), 188, 8}};
const std::vector<Move> kTrailMN = {{T(2), 0, 200}, {T(218), 200, 32}, {T(258), 232, 108}};
const OverwriteCase kOverwriteCases[] = {
    {8.0, 8.195, 196, 0, With(With({{0, 0, 4}, {4, 20, 8}, {60, 4, 16}}, kCommonA), kWordsB), {}, {}},
    {8.2, 8.205, 274, 0,
     With(With({{0, 0, 12}, {60, 12, 16}, {144, 196, 36}, {188, 232, 32}, {232, 266, 8}}, kCommonA), kWordsB), {},
     {{228, 1}}},
    {8.22, 8.245, 354, 0,
     With({{0, 0, 12}, {60, 12, 16}, {144, 276, 36}, {188, 312, 32}, {232, 346, 8}, {T(122), 140, 16},
           {T(154), 156, 16}, {T(170), 124, 16}, {T(186), 172, 16}, {T(234), 244, 8}, {T(258), 204, 16},
           {T(274), 188, 16}, {T(290), 236, 8}, {T(298), 220, 16}, {T(330), 252, 16}, {T(350), 268, 8}},
          kCommonA),
     {},
     {{228, 1}}},
    {8.3, 8.395, 384, 0,
     With({{0, 0, 12}, {60, 12, 16}, {144, 306, 36}, {188, 342, 32}, {232, 376, 8}, {240, 128, 8},
           {T(122), 168, 16}, {T(138), 136, 16}, {T(154), 184, 16}, {T(170), 152, 16}, {T(186), 200, 16},
           {T(234), 272, 8}, {T(258), 232, 16}, {T(274), 216, 16}, {T(290), 264, 8}, {T(298), 248, 16},
           {T(330), 280, 16}, {T(350), 298, 8}},
          kCommonA),
     {},
     {{116, -2}, {120, -1}, {228, 2}, {T(346), -1}}},
    {8.4, 8.405, 416, 0,
     {{0, 0, 12}, {60, 12, 16}, {100, 28, 8}, {116, 228, 8}, {144, 36, 76}, {228, 120, 12}, {240, 236, 8},
      {248, 132, 8}, {T(2), 156, 16}, {T(26), 140, 16}, {T(66), 172, 56}, {T(122), 276, 16}, {T(138), 244, 16},
      {T(154), 292, 16}, {T(170), 260, 16}, {T(186), 308, 16}, {T(234), 324, 8}, {T(258), 332, 32},
      {T(290), 380, 8}, {T(298), 364, 16}, {T(330), 388, 28}},
     {}, {}},
    {8.45, 8.465, 424, 0,
     {{0, 0, 12}, {60, 12, 8}, {68, 24, 8}, {96, 20, 4}, {100, 32, 8}, {116, 232, 12}, {144, 40, 76},
      {228, 124, 12}, {240, 244, 8}, {248, 136, 8}, {T(2), 160, 16}, {T(26), 144, 16}, {T(66), 176, 56},
      {T(122), 284, 16}, {T(138), 252, 16}, {T(154), 300, 16}, {T(170), 268, 16}, {T(186), 316, 16},
      {T(234), 332, 8}, {T(258), 340, 32}, {T(290), 388, 8}, {T(298), 372, 16}, {T(330), 396, 28}},
     {}, {}},
    {8.47, 8.475, 428, 0,
     {{0, 0, 12}, {60, 12, 8}, {68, 24, 8}, {96, 20, 4}, {100, 32, 8}, {116, 236, 12}, {128, 232, 4},
      {144, 40, 76}, {228, 124, 12}, {240, 248, 8}, {248, 136, 8}, {T(2), 160, 16}, {T(26), 144, 16},
      {T(66), 176, 56}, {T(122), 288, 16}, {T(138), 256, 16}, {T(154), 304, 16}, {T(170), 272, 16},
      {T(186), 320, 16}, {T(234), 336, 8}, {T(258), 344, 32}, {T(290), 392, 8}, {T(298), 376, 16},
      {T(330), 400, 28}},
     {}, {}},
    {8.5, 8.505, 436, 0,
     {{0, 0, 12}, {60, 12, 8}, {68, 24, 16}, {96, 20, 4}, {100, 40, 8}, {116, 244, 12}, {128, 240, 4},
      {144, 48, 76}, {228, 132, 12}, {240, 256, 8}, {248, 144, 8}, {T(2), 168, 16}, {T(26), 152, 16},
      {T(66), 184, 56}, {T(122), 296, 16}, {T(138), 264, 16}, {T(154), 312, 16}, {T(170), 280, 16},
      {T(186), 328, 16}, {T(234), 344, 8}, {T(258), 352, 32}, {T(290), 400, 8}, {T(298), 384, 16},
      {T(330), 408, 28}},
     {}, {}},
    {8.7, 8.895, 468, 0,
     {{0, 0, 12}, {60, 12, 8}, {68, 24, 16}, {96, 20, 4}, {100, 40, 8}, {116, 260, 12}, {128, 256, 4},
      {144, 48, 96}, {240, 272, 8}, {248, 144, 8}, {T(2), 176, 24}, {T(26), 152, 16}, {T(58), 168, 8},
      {T(66), 200, 56}, {T(122), 312, 16}, {T(138), 280, 16}, {T(154), 328, 16}, {T(170), 296, 16},
      {T(186), 344, 16}, {T(234), 360, 8}, {T(258), 368, 32}, {T(290), 416, 8}, {T(298), 400, 16},
      {T(314), 440, 16}, {T(330), 424, 16}, {T(346), 456, 12}},
     {}, {}},
    {8.9, 8.935, 492, 0,
     {{0, 0, 36}, {60, 36, 8}, {68, 48, 16}, {96, 44, 4}, {100, 64, 8}, {116, 284, 12}, {128, 280, 4},
      {144, 72, 96}, {240, 296, 8}, {248, 168, 8}, {T(2), 200, 24}, {T(26), 176, 16}, {T(58), 192, 8},
      {T(66), 224, 56}, {T(122), 336, 16}, {T(138), 304, 16}, {T(154), 352, 16}, {T(170), 320, 16},
      {T(186), 368, 16}, {T(234), 384, 8}, {T(258), 392, 32}, {T(290), 440, 8}, {T(298), 424, 16},
      {T(314), 464, 16}, {T(330), 448, 16}, {T(346), 480, 12}},
     {}, {}},
    {9.0, 9.065, 512, 0,
     {{0, 0, 36}, {60, 36, 8}, {68, 80, 16}, {96, 44, 12}, {116, 56, 24}, {140, 96, 100}, {240, 204, 8},
      {248, 196, 8}, {T(2), 212, 40}, {T(58), 252, 144}, {T(234), 396, 16}, {T(258), 412, 100}},
     {}, {}},
    {9.1, 9.145, 516, 0,
     {{0, 0, 36}, {60, 36, 8}, {68, 84, 16}, {92, 44, 16}, {116, 60, 24}, {140, 100, 100}, {240, 208, 8},
      {248, 200, 8}, {T(2), 216, 40}, {T(58), 256, 144}, {T(234), 400, 16}, {T(258), 416, 100}},
     {}, {}},
    {9.15, 9.155, 222, 340, {{0, 0, 36}, {60, 36, 24}, {92, 60, 16}, {116, 76, 146}}, kTrailMN, {}},
    {9.2, 9.525, 246, 340, {{0, 0, 84}, {92, 84, 16}, {116, 100, 146}}, kTrailMN, {}},
    {9.6, 9.705, 254, 356, {{0, 0, 84}, {92, 84, 170}},
     {{T(2), 0, 64}, {T(66), 80, 136}, {T(202), 64, 16}, {T(218), 216, 32}, {T(258), 248, 108}}, {}},
    {9.71, 9.74, 262, 364, {{0, 0, 262}}, {{T(2), 0, 364}}, {}},
};

TEST(SteelDesign, OverwritesInEveryLayout) {
    for (const OverwriteCase& c : kOverwriteCases) {
        auto lead = Pattern(c.lead, 5);
        const auto trail = Pattern(c.trail, 99);
        if (c.lead == 384) {  // the flags: -1, 0, -1 and 1
            Put(lead, 124, std::int16_t(-1));
            Put(lead, 126, std::int16_t(0));
            Put(lead, 374, std::int16_t(-1));
            Put(lead, 296, std::int16_t(1));
        }
        std::vector<std::uint8_t> expect(262 + 364, 0);
        Apply(expect, lead, c.moves);
        Apply(expect, trail, c.trailMoves);
        for (auto [at, value] : c.ints) Put(expect, at, value);
        Bytes in, out;
        in.append(lead);
        if (c.trail) in.append(LegacyLists()).append(trail);
        out.raw(expect.data(), 262).append(c.trail ? CurrentLists() : EmptyLists()).raw(expect.data() + 262, 364);
        for (double v : {c.inside, c.threshold}) {
            SCOPED_TRACE(v);
            Bytes prefs, prefsOut;
            Preferences(PreferencesFor(v), "Chinese 2010", prefs, prefsOut);
            Bytes records = in;
            records.append(in);
            Bytes written = out;
            written.append(out);
            EXPECT_BYTES(RoundTrip(ReadSteelDesign, WriteSteelDesign, Legacy(v, prefs, 2, records), v),
                         Current(prefsOut, 2, written).data);
        }
    }
}

std::vector<std::uint8_t> LegacyOverwrite(double v) {
    for (const OverwriteCase& c : kOverwriteCases)
        if (v <= c.threshold) {
            Bytes b;
            b.append(Pattern(c.lead, 1));
            if (c.trail) b.append(LegacyLists()).append(Pattern(c.trail, 2));
            return b.data;
        }
    return {};
}

// An envelope record per overwrite record, its trailing block sized by version;
// none is written and EnvelopesPresent becomes 0.
TEST(SteelDesign, EnvelopesAreReadAndNotWritten) {
    const std::pair<double, std::size_t> cases[] = {
        {8.1, 164}, {8.195, 164}, {8.2, 196}, {8.265, 196}, {8.3, 220}, {8.395, 220}, {8.45, 236},
        {8.505, 236}, {8.6, 268}, {8.895, 268}, {8.9, 236}, {8.935, 236}, {9.0, 268}, {9.145, 268},
        {9.15, 268}, {9.155, 268}, {9.2, 316}, {9.74, 316}};
    for (auto [v, trailing] : cases) {
        SCOPED_TRACE(v);
        Bytes prefs, prefsOut, envelope;
        Preferences(PreferencesFor(v), "UBC97-ASD", prefs, prefsOut);
        envelope.seq(40).str("COMB").seq(48).str("W8").seq(trailing);
        Bytes records, envelopes;
        records.append(LegacyOverwrite(v)).append(LegacyOverwrite(v));
        envelopes.append(envelope).append(envelope);
        auto cv = kmdtest::ReadSection(ReadSteelDesign, Legacy(v, prefs, 2, records, -1, envelopes), v);
        Bytes without = Legacy(v, prefs, 2, records);
        EXPECT_BYTES(kmdtest::WriteSection(WriteSteelDesign, *cv), RoundTrip(ReadSteelDesign, WriteSteelDesign, without, v));
        EXPECT_EQ(cv->model.steel.SteelEnvelopes.count, v > 9.155 ? 2 : 0);
    }
}

// Without a code name the preferences take the defaults, lengths in the model's
// units; the overwrites are dropped unchecked, bracing and optimisation kept.
TEST(SteelDesign, EmptyCodeNameResetsToTheDefaults) {
    const std::pair<std::int32_t, double> units[] = {{3, 1.0}, {2, 1.0 / 12.0}, {6, 0.0254}, {5, 25.4}, {14, 2.54}};
    Bytes in;
    in.i32(1).i16(1).i32(2).i16(3).i32(0).no_array().no_array().i16(4).i32(0).no_array().no_array().no_array();
    in.str("").seq(668).i16(-1).i16(9);
    in.i32(1).seq(262).i32(-1).no_array().no_array().i16(0).i32(3).no_array().no_array().no_array().i16(0).seq(364);
    in.seq(40).str("").seq(48).str("").seq(316);
    in.i32(1).seq(36).i32(1).seq(36, 50);
    for (auto [code, u] : units) {
        SCOPED_TRACE(code);
        auto cv = kmdtest::NewConversion();
        cv->FileVersion = 9.72;
        cv->run.CurrentUnits = code;
        kmd::Reader reader(in.data);
        ReadSteelDesign(reader, *cv);
        EXPECT_EQ(reader.Offset(), in.size());
        const auto out = kmdtest::WriteSection(WriteSteelDesign, *cv);
        Bytes head;
        head.i32(1).i16(1).i32(2).i16(3).i32(0).arr_str(0, {""}).arr_f64(0, {0.0}).i16(4).i32(0);
        head.arr_str(0, {""}).arr_f64(0, {0.0}).arr_f64(0, {0.0}).str("AISC-LRFD93");
        ASSERT_EQ(out.size(), head.size() + 700 + 2 + 2 + 4 + 2 * (4 + 36));
        EXPECT_TRUE(std::equal(head.data.begin(), head.data.end(), out.begin()));
        auto at = [&](int offset, auto v) {
            std::memcpy(&v, out.data() + head.size() + offset, sizeof v);
            return v;
        };
        EXPECT_EQ(at(0, std::int32_t()), 2);
        EXPECT_EQ(at(148, double()), 0.002);
        EXPECT_EQ(at(488, std::int32_t()), 0);  // frame kind
        EXPECT_EQ(at(552, double()), 120.0);
        for (int offset : {592, 600, 608, 616, 624}) EXPECT_EQ(at(offset, double()), u);
        EXPECT_EQ(at(644, double()), 0.75 * u);
        EXPECT_EQ(at(652, double()), 4.0 * u);
        EXPECT_EQ(at(660, double()), 180.0);
        EXPECT_EQ(at(668, double()), 0.25 * u);
        EXPECT_EQ(at(692, double()), 0.95);
        EXPECT_EQ(at(700, std::int32_t()), 0);  // EnvelopesPresent, StatusFlag
        EXPECT_EQ(at(704, std::int32_t()), 0);  // SteelData count
        EXPECT_EQ(at(708, std::int32_t()), 1);  // OptimizationD
    }
}

// A name of blanks is a code name: nothing is reset.
TEST(SteelDesign, BlankCodeNameIsKept) {
    Bytes prefs;
    prefs.str("  ").seq(200).fill(500);
    EXPECT_BYTES(RoundTrip(ReadSteelDesign, WriteSteelDesign, Legacy(9.74, prefs), 9.74), Current(prefs).data);
}

// Negative record counts are written back as held; a negative list count, or a
// list shorter than its count, is a corrupt file.
TEST(SteelDesign, DamagedCountsAndLists) {
    Bytes in, out;
    in.i32(-2).str("AISC-ASD89").fill(700).i16(0).i16(0).i32(-1).i32(-3).i32(-4);
    out.i32(-2).str("AISC-ASD89").fill(700).i16(0).i16(0).i32(-1).i32(-3).i32(-4);
    EXPECT_BYTES(RoundTrip(ReadSteelDesign, WriteSteelDesign, in, 9.74), out.data);

    Bytes negative, shorter;
    negative.i32(1).i16(0).i32(0).i16(0).i32(-1).no_array().no_array();
    shorter.i32(1).i16(0).i32(0).i16(0).i32(2).arr_str(1, {"a"}).arr_f64(1, {1.0, 2.0});
    for (Bytes* b : {&negative, &shorter}) {
        b->i16(0).i32(0).no_array().no_array().no_array();
        b->raw(in.data.data() + 4, in.size() - 4);
        try {
            kmdtest::ReadSection(ReadSteelDesign, *b, 9.74);
            ADD_FAILURE() << "no error";
        } catch (const kmd::FormatError& e) {
            EXPECT_EQ(e.table, "FLateralBrace");
            EXPECT_EQ(e.offset, 4u);
        }
    }
}

// The example block of every layout is read whole and written.
TEST(SteelDesign, ExampleAtEveryThreshold) {
    for (double v : {7.0, 7.985, 7.9851, 8.045, 8.0451, 8.195, 8.1951, 8.205, 8.2051, 8.245, 8.2451, 8.265, 8.2651,
                     8.395, 8.3951, 8.405, 8.4051, 8.465, 8.4651, 8.475, 8.4751, 8.505, 8.5051, 8.895, 8.8951, 8.935,
                     8.9351, 9.065, 9.0651, 9.145, 9.1451, 9.155, 9.1551, 9.525, 9.5251, 9.535, 9.5351, 9.705,
                     9.7051, 9.725, 9.7251, 9.74}) {
        SCOPED_TRACE(v);
        kmd::Writer w;
        kmd::example::WriteExampleSteel(w, v);
        Bytes section;
        section.append(w.Buffer());
        std::vector<std::uint8_t> out;
        EXPECT_NO_THROW(out = RoundTrip(ReadSteelDesign, WriteSteelDesign, section, v));
        EXPECT_FALSE(out.empty());
    }
}

TEST(SteelDesign, DamagedExampleFailsCleanly) {
    for (double v : {8.3, 9.0, 9.15, 9.74}) {
        kmd::Writer w;
        kmd::example::WriteExampleSteel(w, v);
        Bytes section;
        section.append(w.Buffer());
        kmdtest::ExpectDamageHandled(ReadSteelDesign, WriteSteelDesign, section, v);
    }
}

}  // namespace
