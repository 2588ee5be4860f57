#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <limits>
#include <string>
#include <vector>

#include "support/bytes.h"
#include "support/convert.h"
#include "tables/sections.h"
#include "tables/materials.h"
#include "tools/example_materials.h"

using kmd::FormatError;
using kmdtest::Bytes;

namespace {

enum class Form { S1, S2, S3, S4, S5, S6 };

Form FormAt(double v) {
    if (v > 9.005) return Form::S6;
    if (v > 8.1925) return Form::S5;
    if (v > 8.055) return Form::S4;
    if (v > 8.005) return Form::S3;
    if (v > 7.255) return Form::S2;
    return Form::S1;
}

struct Section {
    std::string name = "W12X26";
    std::string name2 = " HOT";
    std::string code2 = "I ";
    std::int32_t kind = 11;  // fourth cell of Values1 as the file holds it
    std::array<double, 8> factors{0.5, 0.6, 0.7, 0.8, 0.9, 1.1, 1.2, 1.3};
    std::int16_t code3 = 5;
};

// The first three cells of Values1 in the forms that hold all five.
constexpr std::int32_t kCell1 = 101, kCell2 = 102, kAdded = 103, kCell5 = 105;

Bytes LegacySection(Form form, const Section& s) {
    Bytes b;
    b.fixed(s.name, 32).str("text1").fixed(s.name2, 32);
    if (form == Form::S1) b.i32(kCell1).i32(kCell2).i32(s.kind).i32(kCell5);
    else b.i32(kCell1).i32(kCell2).i32(kAdded).i32(s.kind).i32(kCell5);
    b.fixed(s.code2, 2).seq(192, 1).seq(8, 200);
    if (form >= Form::S3)
        for (double f : s.factors) b.f64(f);
    b.seq(8, 220);
    if (form >= Form::S4) b.i16(s.code3);
    b.seq(12, 240);
    if (form == Form::S3 || form == Form::S4) b.str("gone1").str("gone2").i32(-9).str("gone3");
    if (form >= Form::S5) b.str("text2").i32(55).str("text3");
    if (form == Form::S6) b.str("text4").str("text5");
    return b;
}

struct Expected {
    std::string name, name2, code2;
    std::int32_t added, kind;
    std::array<double, 8> factors;
    std::int16_t code3;
    bool texts2and3, texts4and5;
};

Bytes CurrentSection(const Expected& e) {
    Bytes b;
    b.str(e.name).str("text1").str(e.name2);
    b.i32(kCell1).i32(kCell2).i32(e.added).i32(e.kind).i32(kCell5);
    b.str(e.code2).seq(192, 1).seq(8, 200);
    b.header({{9, 0}}).f64(0.0);
    for (double f : e.factors) b.f64(f);
    b.seq(8, 220).i16(e.code3).seq(12, 240);
    if (e.texts2and3) b.str("text2").i32(55).str("text3");
    else b.str("").i32(0).str("");
    if (e.texts4and5) b.str("text4").str("text5");
    else b.str("").str("");
    return b;
}

// Empty AUTO, VS, Rebar and CP tables after the sections.
const Bytes kNoSectionData = Bytes().i32(0).i32(0).i32(0).i32(0);

std::vector<std::uint8_t> ConvertSections(const Bytes& section, double version) {
    return kmdtest::RoundTrip(kmd::ReadSectionTables, kmd::WriteSectionTables, section, version);
}
std::vector<std::uint8_t> ConvertPierJoist(const Bytes& section, double version) {
    return kmdtest::RoundTrip(kmd::ReadPierJoistTables, kmd::WritePierJoistTables, section, version);
}

template <class ReadFn>
FormatError ReadFailure(ReadFn fn, const Bytes& section, double version) {
    try {
        kmdtest::ReadSection(fn, section, version);
    } catch (const FormatError& e) {
        return e;
    }
    ADD_FAILURE() << "no FormatError at version " << version;
    return FormatError("", 0, "");
}

// ---------------------------------------------------------------------------

class SectionFormTest : public ::testing::TestWithParam<double> {};

// Every form inside its range and at each threshold, including the factor rule
// of 8.005 to 8.025, the renumbered kind code of S1 and Code3.
TEST_P(SectionFormTest, ConvertsEveryFormToTheCurrentRecord) {
    const double v = GetParam();
    const Form form = FormAt(v);
    const Section s;
    const std::array<double, 8> ones{1, 1, 1, 1, 1, 1, 1, 1};
    Expected e;
    e.name = "W12X26";
    e.name2 = "HOT";
    e.code2 = "I ";
    e.added = form == Form::S1 ? 0 : kAdded;
    e.kind = form == Form::S1 ? 12 : 11;
    e.factors = (form <= Form::S2 || (form == Form::S3 && v <= 8.025)) ? ones : s.factors;
    e.code3 = form == Form::S6 ? s.code3 : 0;
    e.texts2and3 = form >= Form::S5;
    e.texts4and5 = form == Form::S6;
    const Bytes legacy = Bytes().i32(2).append(LegacySection(form, s)).append(LegacySection(form, s));
    EXPECT_BYTES(ConvertSections(Bytes(legacy).append(kNoSectionData), v),
                 Bytes().i32(2).append(CurrentSection(e)).append(CurrentSection(e)).append(kNoSectionData).data);
}

INSTANTIATE_TEST_SUITE_P(Versions, SectionFormTest,
                         ::testing::Values(7.0, 7.2, 7.255,         // S1
                                           7.2551, 7.9, 8.005,       // S2
                                           8.0051, 8.02, 8.025,      // S3, factors set to 1.0
                                           8.0251, 8.04, 8.055,      // S3, factors kept
                                           8.0551, 8.1, 8.1925,      // S4
                                           8.1926, 9.0, 9.005,       // S5
                                           9.0051, 9.5, 9.74));      // S6

TEST(Sections, KindCodeRenumberingOfTheOldestForm) {
    const std::array<double, 8> ones{1, 1, 1, 1, 1, 1, 1, 1};
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    for (auto [legacy, current] : std::initializer_list<std::pair<std::int32_t, std::int32_t>>{
             {0, 0}, {10, 10}, {11, 12}, {12, 13}, {-5, -5}, {kMin, kMin}, {kMax - 1, kMax}}) {
        SCOPED_TRACE(legacy);
        Section s;
        s.kind = legacy;
        Expected e{"W12X26", "HOT", "I ", 0, current, ones, 0, false, false};
        EXPECT_BYTES(ConvertSections(Bytes().i32(1).append(LegacySection(Form::S1, s)).append(kNoSectionData), 7.2),
                     Bytes().i32(1).append(CurrentSection(e)).append(kNoSectionData).data);
    }
    // Above S1 the code is carried as it is.
    Section s;
    s.kind = 11;
    auto cv = kmdtest::ReadSection(kmd::ReadSectionTables,
                                   Bytes().i32(1).append(LegacySection(Form::S2, s)).append(kNoSectionData), 7.26);
    EXPECT_EQ(cv->model.sections.Section[1].Values1[kmd::FrameSectionRecord::kKindCode], 11);
}

TEST(Sections, KindCodeThatCannotBeRenumberedIsCorrupt) {
    Section s;
    s.kind = std::numeric_limits<std::int32_t>::max();
    FormatError e = ReadFailure(kmd::ReadSectionTables,
                                Bytes().i32(1).append(LegacySection(Form::S1, s)).append(kNoSectionData), 7.0);
    EXPECT_EQ(e.table, "Section");
    EXPECT_EQ(e.offset, 4u);
}

TEST(Sections, NamesAreTrimmedAndCode2IsNot) {
    Section s;
    s.name = "  C24  ";
    s.name2 = "";
    s.code2 = " R";
    Expected e{"C24", "", " R", kAdded, 11, s.factors, s.code3, true, true};
    EXPECT_BYTES(ConvertSections(Bytes().i32(1).append(LegacySection(Form::S6, s)).append(kNoSectionData), 9.5),
                 Bytes().i32(1).append(CurrentSection(e)).append(kNoSectionData).data);
}

TEST(Sections, CountsZeroNegativeAndBeyondTheFile) {
    EXPECT_BYTES(ConvertSections(Bytes().i32(-2).i32(-1).i32(0).i32(-7).i32(0), 9.5),
                 Bytes().i32(-2).i32(-1).i32(0).i32(-7).i32(0).data);
    FormatError e = ReadFailure(kmd::ReadSectionTables, Bytes().i32(0).i32(0).i32(5).fill(8 * 4 + 7), 9.5);
    EXPECT_EQ(e.table, "VS");
    e = ReadFailure(kmd::ReadSectionTables, Bytes().i32(3).fill(500), 7.0);
    EXPECT_EQ(e.table, "Section");
}

// AUTO and VS are plain blocks, Rebar a name, a 16-bit value and 16 bytes.
TEST(SectionData, AutoVsRebarAreCarriedUnchanged) {
    Bytes tables;
    tables.i32(0);                                       // Section
    tables.i32(2).seq(8, 1).seq(8, 50);                  // AUTO
    tables.i32(1).seq(32, 100);                          // VS
    tables.i32(2).str("#4").i16(4).seq(16, 150).str("").i16(-1).seq(16, 170);  // Rebar
    tables.i32(0);                                       // CP
    for (double v : {7.0, 8.0, 9.085, 9.74}) EXPECT_BYTES(ConvertSections(tables, v), tables.data);
}

Bytes CPRecordBytes(int values, std::int32_t first) {
    Bytes b;
    b.i32(-100).i16(7);
    for (int i = 0; i < values; ++i) b.i32(first + i);
    b.i16(-2).i32(999);
    return b;
}

TEST(SectionData, CPGainsA22ndValueUpTo9085) {
    for (double v : {7.0, 9.0, 9.085}) {
        SCOPED_TRACE(v);
        Bytes legacy = Bytes().i32(0).i32(0).i32(0).i32(0).i32(2);
        legacy.append(CPRecordBytes(21, 1)).append(CPRecordBytes(21, 1000));
        EXPECT_EQ(legacy.size(), 20u + 2 * 96u);
        // a1..a21, then a21 again
        Bytes want = Bytes().i32(0).i32(0).i32(0).i32(0).i32(2);
        for (std::int32_t first : {1, 1000}) {
            want.i32(-100).i16(7);
            for (int i = 0; i < 21; ++i) want.i32(first + i);
            want.i32(first + 20).i16(-2).i32(999);
        }
        EXPECT_BYTES(ConvertSections(legacy, v), want.data);
    }
    for (double v : {9.0851, 9.5}) {
        SCOPED_TRACE(v);
        Bytes legacy = Bytes().i32(0).i32(0).i32(0).i32(0).i32(1).append(CPRecordBytes(22, 1));
        EXPECT_EQ(legacy.size(), 20u + 100u);
        EXPECT_BYTES(ConvertSections(legacy, v), legacy.data);
    }
}

// ---------------------------------------------------------------------------
// PierSection and JoistData

const Bytes kPiers = Bytes().i32(2).str("P1").seq(22, 1).seq(36, 30).str("").seq(22, 70).seq(36, 100);

Bytes Joist(std::int32_t segmentCount, const Bytes& segments) {
    Bytes b;
    b.str("18K3").seq(40, 1).str("K").seq(40, 50).i32(segmentCount).append(segments).i32(77).i16(-1);
    return b;
}

// Segments as the current file holds them: 0-based, element 0 all zero.
Bytes CurrentSegments(std::initializer_list<std::uint8_t> seeds) {
    Bytes b;
    b.header({{std::uint32_t(seeds.size() + 1), 0}}).fill(32);
    for (std::uint8_t s : seeds) b.seq(32, s);
    return b;
}

TEST(PierJoist, NoJoistTableUpTo7995) {
    for (double v : {7.0, 7.995}) {
        SCOPED_TRACE(v);
        EXPECT_BYTES(ConvertPierJoist(kPiers, v), Bytes(kPiers).i32(0).data);
    }
}

TEST(PierJoist, JoistSegmentsAreWrittenZeroBased) {
    for (double v : {7.9951, 8.5, 9.74}) {
        SCOPED_TRACE(v);
        for (std::int32_t lower : {0, 1}) {
            // Legacy element 0 and elements beyond the count are dropped.
            Bytes segs;
            std::vector<std::uint8_t> seeds = lower == 0 ? std::vector<std::uint8_t>{200, 100, 150, 250}
                                                         : std::vector<std::uint8_t>{100, 150, 250};
            segs.header({{std::uint32_t(seeds.size()), lower}});
            for (auto s : seeds) segs.seq(32, s);
            Bytes legacy = Bytes(kPiers).i32(2).append(Joist(2, segs)).append(Joist(0, Bytes().no_array()));
            Bytes want = Bytes(kPiers).i32(2);
            want.str("18K3").seq(40, 1).str("K").seq(40, 50).i32(2).append(CurrentSegments({100, 150})).i32(77).i16(-1);
            want.str("18K3").seq(40, 1).str("K").seq(40, 50).i32(0).append(CurrentSegments({})).i32(77).i16(-1);
            EXPECT_BYTES(ConvertPierJoist(legacy, v), want.data);
        }
    }
}

TEST(PierJoist, DamagedSegmentsAreCorrupt) {
    const Bytes oneSeg = Bytes().header({{1, 1}}).seq(32, 1);
    for (const Bytes& joist : {Joist(-1, Bytes().no_array()), Joist(2, oneSeg), Joist(1, Bytes().no_array()),
                               Joist(1, Bytes().header({{1, 0}}).seq(32, 1))}) {
        FormatError e = ReadFailure(kmd::ReadPierJoistTables, Bytes().i32(0).i32(1).append(joist), 8.0);
        EXPECT_EQ(e.table, "JoistData");
        EXPECT_EQ(e.offset, 8u);
    }
}

TEST(PierJoist, CountsZeroAndNegative) {
    EXPECT_BYTES(ConvertPierJoist(Bytes().i32(0).i32(-4), 9.0), Bytes().i32(0).i32(-4).data);
    EXPECT_BYTES(ConvertPierJoist(Bytes().i32(-1), 7.5), Bytes().i32(-1).i32(0).data);
}

// ---------------------------------------------------------------------------

// The example file's tables read back completely at its version.
TEST(ExampleSections, MaterialsAndSectionsReadAtTheExampleVersion) {
    kmd::Writer w;
    kmd::example::WriteExampleMaterials(w);
    const std::size_t split = w.Size();
    kmd::example::WriteExamplePierJoist(w);
    Bytes all;
    all.append(w.Buffer());

    auto cv = kmdtest::NewConversion();
    cv->FileVersion = 9.5;
    kmd::Reader in(all.data);
    kmd::ReadMaterialTables(in, *cv);
    kmd::ReadSectionTables(in, *cv);
    EXPECT_EQ(in.Offset(), split);
    kmd::ReadPierJoistTables(in, *cv);
    EXPECT_EQ(in.Offset(), all.size());
    EXPECT_EQ(cv->model.materials.Material.count, 2);
    EXPECT_EQ(cv->model.sections.Section.count, 2);
    EXPECT_EQ(cv->model.sections.JoistData[1].SegmentCount, 2);

    kmd::Writer out(kmd::Writer::Form::Current);
    kmd::WriteMaterialTables(out, *cv);
    kmd::WriteSectionTables(out, *cv);
    kmd::WritePierJoistTables(out, *cv);
    EXPECT_GT(out.Size(), 0u);
}

}  // namespace

namespace {

// Inner blanks of a name stay; names of blanks only become empty; in every form.
TEST(Sections, NameTrimmingKeepsInnerBlanks) {
    for (double v : {7.0, 7.9, 8.03, 8.1, 8.5, 9.5}) {
        SCOPED_TRACE(v);
        const Form form = FormAt(v);
        Section s;
        s.name = " W 12 ";
        s.name2 = "";
        s.code2 = "  ";
        s.kind = 3;
        Expected e;
        e.name = "W 12";
        e.name2 = "";
        e.code2 = "  ";
        e.added = form == Form::S1 ? 0 : kAdded;
        e.kind = 3;
        const std::array<double, 8> ones{1, 1, 1, 1, 1, 1, 1, 1};
        e.factors = (form <= Form::S2 || (form == Form::S3 && v <= 8.025)) ? ones : s.factors;
        e.code3 = form == Form::S6 ? s.code3 : 0;
        e.texts2and3 = form >= Form::S5;
        e.texts4and5 = form == Form::S6;
        EXPECT_BYTES(ConvertSections(Bytes().i32(1).append(LegacySection(form, s)).append(kNoSectionData), v),
                     Bytes().i32(1).append(CurrentSection(e)).append(kNoSectionData).data);
    }
}

// Segments beyond the count, and element 0, are read but never checked.
TEST(PierJoist, SegmentsNotWrittenAreNeverChecked) {
    Bytes segs;
    segs.header({{3, 0}}).seq(32, 1).seq(32, 40).seq(32, 80);
    Bytes legacy = Bytes().i32(0).i32(1).append(Joist(1, segs));
    Bytes want = Bytes().i32(0).i32(1);
    want.str("18K3").seq(40, 1).str("K").seq(40, 50).i32(1).append(CurrentSegments({40})).i32(77).i16(-1);
    EXPECT_BYTES(ConvertPierJoist(legacy, 7.9951), want.data);
}

// Written as held, the newest layouts are the input again: padded names, Code2
// as two characters, factors and segments as the file gave them.
TEST(Sections, NewestLayoutsWrittenAsHeldAreTheInput) {
    Section s;
    s.name = "  C24  ";
    const Bytes sections = Bytes().i32(1).append(LegacySection(Form::S6, s)).append(kNoSectionData);
    auto cv = kmdtest::ReadSection(kmd::ReadSectionTables, sections, 9.5);
    kmd::Writer w;
    kmd::WriteSectionTables(w, *cv);
    EXPECT_BYTES(w.Buffer(), sections.data);

    const Bytes joists = Bytes().i32(0).i32(1).append(Joist(1, Bytes().header({{3, 0}}).seq(96, 1)));
    cv = kmdtest::ReadSection(kmd::ReadPierJoistTables, joists, 9.5);
    kmd::Writer wj;
    kmd::WritePierJoistTables(wj, *cv);
    EXPECT_BYTES(wj.Buffer(), joists.data);
}

}  // namespace
