#include <gtest/gtest.h>

#include <cstring>
#include <string_view>
#include <vector>

#include "fileformat/encoding.h"
#include "support/bytes.h"
#include "support/convert.h"
#include "support/packed.h"
#include "tables/concrete_design.h"
#include "tools/example_concrete.h"

using kmd::ReadConcreteDesign;
using kmd::WriteConcreteDesign;
using kmdtest::Bytes;
using kmdtest::RoundTrip;

namespace {

using namespace kmdtest::packed;

// The concrete block around the given preferences and overwrite records.
Bytes Block(const Bytes& prefs, std::int32_t count = 0, const Bytes& records = {}, std::int16_t envelopes = 0,
            const Bytes& envelopeRecords = {}) {
    Bytes b;
    b.append(prefs).i16(envelopes).i16(7).i32(count).append(records).append(envelopeRecords);
    return b;
}
Bytes Current(const Bytes& prefs, std::int32_t count = 0, const Bytes& records = {}) {
    Bytes b;
    b.append(prefs).i16(0).i16(7).i32(count).append(records);
    return b;
}

// The preferences layouts, with the current block offsets of the fields.
struct PreferencesCase {
    double inside, threshold;
    std::size_t size;
    std::vector<Move> moves;
    std::vector<std::pair<int, std::int32_t>> ints;  // integer constants
    std::vector<std::pair<int, double>> reals;       // real constants
};
const std::vector<Move> kOldest = {{0, 80, 12}, {12, 32, 8}, {20, 92, 16}, {40, 0, 32},
                                   {180, 40, 16}, {268, 56, 8}, {276, 72, 8}, {284, 64, 8}};
std::vector<Move> With(std::vector<Move> a, const std::vector<Move>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
const std::vector<Move> kEF = {{0, 0, 36}, {40, 38, 32}, {76, 70, 48}, {180, 118, 40}, {268, 158, 24}, {368, 182, 132}};
const PreferencesCase kPreferenceCases[] = {
    {7.9, 7.985, 112, kOldest, {}, {{504, 0.0}, {512, 0.99}}},
    {8.0, 8.045, 120, With(kOldest, {{512, 112, 8}}), {}, {{504, 0.0}}},
    {8.1, 8.195, 128, With(kOldest, {{504, 120, 8}, {512, 112, 8}}), {}, {}},
    {8.2, 8.255, 332,
     {{0, 0, 36}, {40, 56, 32}, {76, 88, 48}, {180, 136, 16}, {196, 160, 8}, {204, 152, 8}, {212, 168, 8},
      {268, 176, 8}, {276, 192, 8}, {284, 184, 8}, {368, 208, 8}, {376, 200, 8}, {384, 216, 116}, {504, 36, 16}},
     {}, {}},
    {8.26, 8.265, 330, With(kEF, {{504, 314, 16}}), {{36, 1}}, {}},
    {8.3, 8.395, 332, With(kEF, {{504, 316, 16}}), {{36, 1}}, {}},
    {8.5, 8.925, 336, {{0, 0, 72}, {76, 72, 48}, {180, 120, 40}, {268, 160, 24}, {368, 184, 152}}, {}, {}},
    {9.0, 9.145, 340, {{0, 0, 124}, {180, 124, 40}, {268, 164, 24}, {368, 188, 152}}, {}, {}},
    {9.15, 9.165, 428, {{0, 0, 124}, {164, 124, 104}, {268, 252, 24}, {368, 276, 152}}, {}, {}},
    {9.2, 9.525, 496, {{0, 0, 124}, {164, 124, 104}, {268, 252, 32}, {304, 284, 60}, {368, 344, 152}}, {}, {}},
    {9.6, 9.705, 536, {{0, 0, 268}, {268, 292, 32}, {304, 324, 60}, {368, 384, 152}}, {}, {}},
    {9.71, 9.725, 520, {{0, 0, 520}}, {}, {}},
    {9.73, 9.74, 520, {{0, 0, 520}}, {}, {}},
};

void Preferences(const PreferencesCase& c, std::string_view code, Bytes& in, Bytes& out) {
    const auto block = Pattern(c.size, 11);
    std::vector<std::uint8_t> expect(520, 0);
    Apply(expect, block, c.moves);
    for (auto [at, value] : c.ints) Put(expect, at, value);
    for (auto [at, value] : c.reals) Put(expect, at, value);
    in.str(code).append(block);
    out.str(code).append(expect);
}
const PreferencesCase& PreferencesFor(double v) {
    for (const PreferencesCase& c : kPreferenceCases)
        if (v <= c.threshold) return c;
    return kPreferenceCases[std::size(kPreferenceCases) - 1];
}

// 8.3 sets Int6 (offset 36) to 1; 7.9 sets Real57 to 0.0 and Real58 to 0.99.
TEST(ConcreteDesign, PreferencesInEveryLayout) {
    for (const PreferencesCase& c : kPreferenceCases) {
        Bytes in, out;
        Preferences(c, "Eurocode 2-2004", in, out);
        for (double v : {c.inside, c.threshold}) {
            SCOPED_TRACE(v);
            EXPECT_BYTES(RoundTrip(ReadConcreteDesign, WriteConcreteDesign, Block(in), v), Current(out).data);
        }
    }
}

// The overwrite layouts, with the current offsets of the fields.
struct OverwriteCase {
    double inside, threshold;
    std::size_t size;
    std::vector<Move> moves;
    std::vector<std::pair<int, std::int32_t>> ints;
    std::vector<std::pair<int, double>> reals;
};
// Word1..Int3, Int5, Real1..Real11 of the layouts from 8.265 to 8.425.
const std::vector<Move> kHeadCDE = {{0, 0, 16}, {20, 16, 4}, {24, 68, 8}, {32, 36, 16},
                                    {48, 20, 16}, {64, 52, 16}, {80, 92, 16}, {96, 76, 16}};
const std::vector<Move> kHeadFG = {{0, 0, 24}, {24, 72, 8}, {32, 40, 16}, {48, 24, 16},
                                   {64, 56, 16}, {80, 96, 16}, {96, 80, 16}, {112, 112, 24}};
const OverwriteCase kOverwriteCases[] = {
    {8.19, 8.1915, 116,
     {{0, 0, 12}, {24, 68, 8}, {32, 28, 16}, {48, 12, 16}, {64, 44, 16}, {80, 92, 16}, {96, 76, 16}, {308, 108, 8}},
     {{12, 1}}, {}},
    {8.2, 8.265, 112,
     {{0, 0, 16}, {24, 64, 8}, {32, 32, 16}, {48, 16, 16}, {64, 48, 16}, {80, 88, 16}, {96, 72, 16}, {308, 104, 8}},
     {}, {}},
    {8.27, 8.285, 140, With(kHeadCDE, {{120, 124, 16}, {308, 108, 8}}), {},
     {{184, 1.0}, {192, 1.0}, {200, 1.0}, {208, 1.0}, {216, 1.0}}},
    {8.3, 8.395, 190, With(kHeadCDE, {{112, 116, 24}, {184, 140, 16}, {200, 164, 24}, {308, 108, 8}}), {}, {}},
    {8.41, 8.425, 180, With(kHeadCDE, {{112, 108, 24}, {184, 132, 40}, {308, 172, 8}}), {}, {}},
    {8.5, 9.0005, 184, With(kHeadFG, {{184, 136, 40}, {308, 176, 8}}), {}, {}},
    {9.1, 9.145, 200, With(kHeadFG, {{168, 136, 56}, {308, 192, 8}}), {}, {}},
    {9.3, 9.505, 224, {{0, 0, 136}, {168, 136, 56}, {284, 192, 32}}, {}, {}},
    // Real22..Real25, Int6 and Word10..Word15 (bytes 224 to 283) stay 0.
    {9.6, 9.725, 256, {{0, 0, 224}, {284, 224, 32}}, {}, {}},
    {9.73, 9.74, 316, {{0, 0, 316}}, {}, {}},
};

TEST(ConcreteDesign, OverwritesInEveryLayout) {
    for (const OverwriteCase& c : kOverwriteCases) {
        Bytes records, written;
        for (int k : {5, 9}) {
            const auto legacy = Pattern(c.size, k);
            std::vector<std::uint8_t> expect(316, 0);
            Apply(expect, legacy, c.moves);
            for (auto [at, value] : c.ints) Put(expect, at, value);
            for (auto [at, value] : c.reals) Put(expect, at, value);
            records.append(legacy);
            written.append(expect);
        }
        for (double v : {c.inside, c.threshold}) {
            SCOPED_TRACE(v);
            Bytes prefs, prefsOut;
            Preferences(PreferencesFor(v), "ACI 318-02", prefs, prefsOut);
            EXPECT_BYTES(RoundTrip(ReadConcreteDesign, WriteConcreteDesign, Block(prefs, 2, records), v),
                         Current(prefsOut, 2, written).data);
        }
    }
}

Bytes LegacyOverwrite(double v) {
    Bytes b;
    for (const OverwriteCase& c : kOverwriteCases)
        if (v <= c.threshold) return b.append(Pattern(c.size, 3));
    return b;
}

// An envelope record: the 16-bit value, the plain block, two elements with
// bounds 1..2 and the trailing block.
Bytes Envelope(std::size_t plain, std::size_t element, std::size_t trailing) {
    Bytes b;
    b.i16(4).seq(plain).header({{2, 1}}).seq(element, 30).seq(element, 60).seq(trailing, 90);
    return b;
}

// One envelope record per overwrite record, sized by version: kept above 8.935,
// dropped below; none is written and EnvelopesPresent is written as 0.
TEST(ConcreteDesign, EnvelopesKeptOrDropped) {
    struct Case {
        double v;
        std::size_t plain, element, trailing;
    };
    const Case cases[] = {
        {7.0, 8, 156, 0},     {7.005, 8, 156, 0},   {7.1, 8, 560, 32},    {7.115, 8, 560, 32},
        {7.15, 8, 560, 64},   {7.175, 8, 560, 64},  {7.5, 8, 220, 128},   {7.995, 8, 220, 128},
        {8.1, 8, 248, 128},   {8.185, 8, 248, 128}, {8.3, 8, 264, 160},   {8.385, 8, 264, 160},
        {8.39, 8, 272, 160},  {8.395, 8, 272, 160}, {8.9, 8, 292, 160},   {8.935, 8, 292, 160},
        {9.0, 16, 560, 160},  {9.74, 16, 560, 160},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.v);
        Bytes prefs, prefsOut, records, envelopes;
        Preferences(PreferencesFor(c.v), "UBC97", prefs, prefsOut);
        records.append(LegacyOverwrite(c.v)).append(LegacyOverwrite(c.v));
        envelopes.append(Envelope(c.plain, c.element, c.trailing)).append(Envelope(c.plain, c.element, c.trailing));
        const Bytes in = Block(prefs, 2, records, -1, envelopes);
        std::size_t consumed = 0;
        auto cv = kmdtest::ReadSection(ReadConcreteDesign, in, c.v, &consumed);
        EXPECT_EQ(consumed, in.size());
        EXPECT_BYTES(kmdtest::WriteSection(WriteConcreteDesign, *cv),
                     RoundTrip(ReadConcreteDesign, WriteConcreteDesign, Block(prefs, 2, records), c.v));
        const auto& d = cv->model.concrete;
        const bool kept = c.v > 8.935;
        EXPECT_EQ(d.EnvelopesPresent, kept ? -1 : 0);
        EXPECT_EQ(d.ConcreteEnvelopes.count, kept ? 2 : 0);
        if (kept) {
            EXPECT_EQ(d.ConcreteEnvelopes.capacity, 2);
            EXPECT_EQ(d.ConcreteEnvelopes[2].Value1, 4);
            EXPECT_EQ(d.ConcreteEnvelopes[2].Elements.items.at(1).Data[0], 60);
            EXPECT_EQ(d.ConcreteEnvelopes[2].Trailing[159], std::uint8_t(90 + 159));
        }
    }
}

// Every element of every dimension of an envelope's element array is read; a
// negative dimension count is a corrupt file.
TEST(ConcreteDesign, EnvelopeArraysOfAnyDimension) {
    for (double v : {8.5, 9.5}) {
        SCOPED_TRACE(v);
        const std::size_t plain = v > 8.935 ? 16 : 8, element = v > 8.935 ? 560 : 292;
        Bytes prefs, prefsOut, envelope;
        Preferences(PreferencesFor(v), "UBC97", prefs, prefsOut);
        envelope.i16(1).seq(plain).header({{2, 1}, {3, 0}}).fill(6 * element, 4).seq(160);
        const Bytes in = Block(prefs, 1, LegacyOverwrite(v), -1, envelope);
        std::size_t consumed = 0;
        auto cv = kmdtest::ReadSection(ReadConcreteDesign, in, v, &consumed);
        EXPECT_EQ(consumed, in.size());
        if (v > 8.935) {
            EXPECT_EQ(cv->model.concrete.ConcreteEnvelopes[1].Elements.items.size(), 6u);
        }

        Bytes negative = Block(prefs, 1, LegacyOverwrite(v), -1);
        const std::size_t at = negative.size() + 2 + plain;
        negative.i16(1).seq(plain).i16(-1).seq(160);
        try {
            kmdtest::ReadSection(ReadConcreteDesign, negative, v);
            ADD_FAILURE() << "no error";
        } catch (const kmd::FormatError& e) {
            EXPECT_EQ(e.table, "ConcreteEnvelopes");
            EXPECT_EQ(e.offset, at);
        }
    }
}

// Without a code name the preferences take the defaults of the default code;
// the overwrites and envelopes are read and dropped, both flags become 0.
TEST(ConcreteDesign, EmptyCodeNameResetsToTheDefaults) {
    for (double v : {8.1, 9.74}) {
        SCOPED_TRACE(v);
        Bytes prefs, prefsOut, envelopes;
        const PreferencesCase& c = PreferencesFor(v);
        prefs.str("").append(Pattern(c.size, 1));
        Bytes records;
        records.append(LegacyOverwrite(v)).append(LegacyOverwrite(v));
        for (int k = 0; k < 2; ++k) envelopes.append(v > 8.935 ? Envelope(16, 560, 160) : Envelope(8, 248, 128));
        const auto out = RoundTrip(ReadConcreteDesign, WriteConcreteDesign, Block(prefs, 2, records, -1, envelopes), v);
        Bytes head;
        head.str("ACI 318-08/IBC 2009");
        ASSERT_EQ(out.size(), head.size() + 520 + 2 + 2 + 4);
        EXPECT_TRUE(std::equal(head.data.begin(), head.data.end(), out.begin()));
        auto at = [&](int offset, auto value) {
            std::memcpy(&value, out.data() + head.size() + offset, sizeof value);
            return value;
        };
        EXPECT_EQ(at(0, std::int32_t()), 2);
        EXPECT_EQ(at(12, std::int32_t()), 24);
        EXPECT_EQ(at(28, double()), 0.002);
        EXPECT_EQ(at(36, std::int32_t()), 2);
        EXPECT_EQ(at(268, double()), 0.01);
        EXPECT_EQ(at(300, std::int32_t()), 2);
        EXPECT_EQ(at(308, double()), 0.005);
        EXPECT_EQ(at(464, double()), 1.4705882352941178);
        EXPECT_EQ(at(500, std::int32_t()), 2);
        EXPECT_EQ(at(512, double()), 0.95);
        EXPECT_EQ(at(520, std::int32_t()), 0);  // EnvelopesPresent, StatusFlag
        EXPECT_EQ(at(524, std::int32_t()), 0);  // ConcreteData count
    }
}

// A name of blanks is a code name: nothing is reset.
TEST(ConcreteDesign, BlankCodeNameIsKept) {
    Bytes prefs;
    prefs.str(" ").seq(200).fill(320);
    EXPECT_BYTES(RoundTrip(ReadConcreteDesign, WriteConcreteDesign, Block(prefs), 9.74), Current(prefs).data);
}

// A negative count is written back as held, with no records and no envelopes
// read after it; a count beyond the file is a corrupt file.
TEST(ConcreteDesign, DamagedCounts) {
    Bytes prefs;
    prefs.str("KCI-1999").fill(520);
    EXPECT_BYTES(RoundTrip(ReadConcreteDesign, WriteConcreteDesign, Block(prefs, -3, {}, -1), 9.74),
                 Current(prefs, -3).data);

    const Bytes tooMany = Block(prefs, 3, Bytes().fill(316 * 2));
    try {
        kmdtest::ReadSection(ReadConcreteDesign, tooMany, 9.74);
        ADD_FAILURE() << "no error";
    } catch (const kmd::FormatError& e) {
        EXPECT_EQ(e.table, "ConcreteData");
        EXPECT_EQ(e.offset, prefs.size() + 8);
    }
}

// The example block of every layout is read whole and written.
TEST(ConcreteDesign, ExampleAtEveryThreshold) {
    for (double v : {7.0, 7.005, 7.0051, 7.115, 7.1151, 7.175, 7.1751, 7.985, 7.9851, 7.995, 7.9951, 8.045, 8.0451,
                     8.185, 8.1851, 8.1915, 8.1916, 8.195, 8.1951, 8.255, 8.2551, 8.265, 8.2651, 8.285, 8.2851,
                     8.385, 8.3851, 8.395, 8.3951, 8.425, 8.4251, 8.925, 8.9251, 8.935, 8.9351, 9.0005, 9.0006,
                     9.145, 9.1451, 9.165, 9.1651, 9.505, 9.5051, 9.525, 9.5251, 9.705, 9.7051, 9.725, 9.7251,
                     9.74}) {
        SCOPED_TRACE(v);
        kmd::Writer w;
        kmd::example::WriteExampleConcrete(w, v);
        Bytes section;
        section.append(w.Buffer());
        std::vector<std::uint8_t> out;
        EXPECT_NO_THROW(out = RoundTrip(ReadConcreteDesign, WriteConcreteDesign, section, v));
        EXPECT_EQ(out.size(), 2 + std::string_view("Eurocode 2-2004").size() + 520 + 8 + 2 * 316);
    }
}

TEST(ConcreteDesign, DamagedExampleFailsCleanly) {
    for (double v : {7.0, 8.3, 9.0, 9.74}) {
        kmd::Writer w;
        kmd::example::WriteExampleConcrete(w, v);
        Bytes section;
        section.append(w.Buffer());
        kmdtest::ExpectDamageHandled(ReadConcreteDesign, WriteConcreteDesign, section, v);
    }
}

}  // namespace
