#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <random>
#include <string>

#include "fileformat/steps.h"
#include "support/bytes.h"
#include "support/convert.h"
#include "tables/coordinates.h"
#include "tables/project.h"
#include "tables/stories.h"
#include "tools/example_general.h"

using kmd::FormatError;
using kmd::ReadProjectSection;
using kmd::WriteProjectSection;
using kmdtest::Bytes;
using kmdtest::ReadSection;
using kmdtest::RoundTrip;
using kmdtest::WriteSection;

namespace {

// Parts of a legacy project section that single tests replace.
struct Variant {
    std::int32_t unitCode = 6;
    std::optional<Bytes> info;      // project information of files above 8.005
    std::optional<Bytes> list3;     // ListRecord 3 of files above 8.065
    bool list3Kept = true;          // whether the written file holds it
    std::optional<std::string> fontName;  // of files above 8.105
    std::optional<Bytes> extended;  // the whole ExtendedRecord
};

// 32-bit words first, first + 1, ... as a plain block.
Bytes WordBlock(std::int32_t first, int words) {
    Bytes b;
    for (int i = 0; i < words; ++i) b.i32(first + i);
    return b;
}

Bytes& EmptyStrings(Bytes& b, int n) {
    for (int i = 0; i < n; ++i) b.str("");
    return b;
}

Bytes LegacyPreferencesHead() {
    Bytes b;
    b.append(WordBlock(101, 7)).append(WordBlock(111, 6)).append(WordBlock(121, 2));
    b.i16(131).i16(132).i16(133).i16(141).i32(142).i16(151).i16(152).i16(153);
    b.append(WordBlock(161, 3)).i16(171).append(WordBlock(181, 5)).i16(191).append(WordBlock(201, 4)).i16(211);
    b.i32(221).i16(222).i16(223).i32(224).i32(225).i16(226);
    return b;
}

// The same head in the current layout: P1, P4, P7 and P8 become 0-based arrays.
Bytes CurrentPreferencesHead() {
    Bytes b;
    b.arr_i32(0, {0, 102, 103, 104, 105, 106, 107}).append(WordBlock(111, 6)).append(WordBlock(121, 2));
    b.arr_i16(0, {0, 131, 132, 133}).i16(141).i32(142).arr_i16(0, {0, 151, 152, 153});
    b.arr_i32(0, {0, 161, 162, 163}).i16(171).append(WordBlock(181, 5)).i16(191).append(WordBlock(201, 4)).i16(211);
    b.i32(221).i16(222).i16(223).i32(224).i32(225).i16(226);
    return b;
}

// A parameter block of `first` words in the legacy layout of version v.
Bytes LegacyParameterBlock(double v, std::int32_t first) {
    return WordBlock(first, v <= 7.985 ? 21 : v <= 8.065 ? 25 : 43);
}

// The 172-byte block that LegacyParameterBlock(v, first) becomes.
Bytes CurrentParameterBlock(double v, std::int32_t first) {
    Bytes b;
    if (v <= 7.985) {
        b.append(WordBlock(first, 12)).fill(16).append(WordBlock(first + 12, 9)).fill(18 * 4);
    } else if (v <= 8.065) {
        b.append(WordBlock(first, 25)).fill(18 * 4);
    } else {
        b.append(WordBlock(first, 43));
    }
    return b;
}

Bytes DefaultList() { return Bytes().i32(0).fill(8).arr_i32(0, {0}); }
Bytes DefaultSeries() { return Bytes().i32(0).arr_f64(0, {0.0}).arr_i32(0, {0}).fill(8); }

Bytes List3With15() {
    Bytes b;
    b.i32(15).seq(8, 0x58).header({{15, 1}});
    for (int i = 1; i <= 15; ++i) b.i32(300 + i);
    return b;
}
Bytes CurrentList3With15() {
    Bytes b;
    b.i32(15).seq(8, 0x58).header({{16, 0}}).i32(0);
    for (int i = 1; i <= 15; ++i) b.i32(300 + i);
    return b;
}

Bytes LegacyInfo() {
    Bytes b;
    for (int i = 1; i <= 13; ++i) b.str(std::string(1, 'T').append(std::to_string(i)));
    b.i32(2).header({{2, 1}}).str("a1").str("b1").str("a2").str("b2");
    return b;
}
Bytes CurrentInfo() {
    Bytes b;
    for (int i = 1; i <= 13; ++i) b.str(std::string(1, 'T').append(std::to_string(i)));
    b.i32(2).header({{3, 0}}).str("").str("").str("a1").str("b1").str("a2").str("b2");
    return b;
}

Bytes Legacy(double v, const Variant& x = {}) {
    Bytes b;
    b.i32(x.unitCode).i32(5);
    if (v <= 8.005) {
        b.str("old1").str("old2");
    } else {
        b.append(x.info ? *x.info : LegacyInfo());
    }
    if (v > 8.1925) {
        b.i32(1).i16(7).str("STD").seq(8, 0x10).str("B").seq(12, 0x20);
        for (int i = 1; i <= 6; ++i) b.str("u" + std::to_string(i));
        b.i32(2).arr_str(1, {"a", "b"}).i32(0).no_array().i32(1).arr_str(0, {"z", "c"});
    }
    b.append(LegacyPreferencesHead());
    if (v > 7.025) b.i16(230);
    b.i16(231).str("prefs");
    if (v > 7.985) b.i16(240).i16(241);
    if (v > 8.045) b.i16(250);
    b.fill(216, 0xEE).str("text").seq(68, 0x40);
    if (v > 9.035) b.i32(77);
    b.append(LegacyParameterBlock(v, 1001));
    if (v > 9.035) b.append(LegacyParameterBlock(v, 2001));
    b.append(LegacyParameterBlock(v, 3001));
    if (v <= 8.065) {
        b.fill(80, 0xAA).fill(136, 0xBB);
    } else {
        b.i32(2).seq(8, 0x50).arr_i32(1, {11, 12});
        if (v > 9.035) b.i32(1).seq(8, 0x54).arr_i32(0, {99, 21});
        b.append(x.list3 ? *x.list3 : List3With15());
        b.i32(1).arr_f64(1, {1.5}).arr_i32(1, {7}).seq(8, 0x60);
        if (v > 9.035) b.i32(2).arr_f64(1, {2.5, 3.5}).arr_i32(0, {0, 8, 9}).seq(8, 0x68);
        b.i32(0).no_array().header({{0, 1}}).seq(8, 0x70);
    }
    b.append(LegacyParameterBlock(v, 4001));
    if (v <= 8.065)
        b.fill(108, 0xCC);
    else
        b.i32(1).seq(8, 0x80).arr_i32(1, {44}).i32(1).arr_f64(1, {4.5}).arr_i32(1, {45}).seq(8, 0x88);
    b.seq(6, 0x90).i32(91).seq(52, 0xA0);
    // FontRecord
    b.i16(501).i16(502).i16(503).i16(504).i16(505).i16(506).i32(511).i32(512);
    if (v > 8.005) b.i16(521);
    if (v > 8.065) b.i16(522).i16(523);
    if (v > 8.105) {
        b.str(x.fontName.value_or("Tahoma")).i16(531).i16(532).i16(533).i16(534);
        if (v > 8.905) b.i16(535).i16(536).i16(537);
    }
    if (x.extended) {
        b.append(*x.extended);
    } else {
        b.seq(36, 0xB0);
        if (v > 7.985) b.arr_f64(1, {6.5, 7.5});
        b.i16(601).i16(602).i16(603).i32(611);
        if (v > 7.985) {
            b.i32(612).i32(1).header({{1, 1}}).i32(620).arr_f64(0, {0.1}).no_array().seq(8, 0xC0);
            if (v > 8.125) b.i32(2).arr_i32(1, {71, 72}).arr_f64(1, {7.1, 7.2});
        }
    }
    return b;
}

// The current bytes of Legacy(v, x) without an `extended` replacement.
Bytes Current(double v, const Variant& x = {}) {
    Bytes b;
    b.i32(x.unitCode >= 1 && x.unitCode <= 16 ? x.unitCode : 3).i32(5);
    if (v <= 8.005) {
        EmptyStrings(b, 13).i32(0).header({{1, 0}}).str("").str("");
    } else {
        b.append(CurrentInfo());
    }
    if (v > 8.1925) {
        b.i32(1).i16(7).str("STD").seq(8, 0x10).str("B").seq(12, 0x20);
        for (int i = 1; i <= 6; ++i) b.str("u" + std::to_string(i));
        b.i32(2).arr_str(0, {"", "a", "b"}).i32(0).arr_str(0, {""}).i32(1).arr_str(0, {"", "c"});
    } else {
        b.i32(0);
    }
    b.append(CurrentPreferencesHead());
    b.i16(v > 7.025 ? 230 : -1).i16(231).str("prefs");
    b.i16(v > 7.985 ? 240 : -1).i16(v > 7.985 ? 241 : -1);
    b.i16(v > 8.045 ? 250 : v > 7.985 ? -1 : 0);
    b.str("text").seq(68, 0x40).i32(v > 9.035 ? 77 : 0);
    b.append(CurrentParameterBlock(v, 1001));
    if (v > 9.035)
        b.append(CurrentParameterBlock(v, 2001));
    else
        b.fill(172);
    b.append(CurrentParameterBlock(v, 3001));
    if (v <= 8.065) {
        b.append(DefaultList()).append(DefaultList()).append(DefaultList());
        b.append(DefaultSeries()).append(DefaultSeries()).append(DefaultSeries());
    } else {
        b.i32(2).seq(8, 0x50).arr_i32(0, {0, 11, 12});
        b.append(v > 9.035 ? Bytes().i32(1).seq(8, 0x54).arr_i32(0, {0, 21}) : DefaultList());
        b.append(x.list3Kept ? CurrentList3With15() : DefaultList());
        b.i32(1).arr_f64(0, {0.0, 1.5}).arr_i32(0, {0, 7}).seq(8, 0x60);
        if (v > 9.035)
            b.i32(2).arr_f64(0, {0.0, 2.5, 3.5}).arr_i32(0, {0, 8, 9}).seq(8, 0x68);
        else
            b.append(DefaultSeries());
        b.i32(0).arr_f64(0, {0.0}).arr_i32(0, {0}).seq(8, 0x70);
    }
    b.append(CurrentParameterBlock(v, 4001));
    if (v <= 8.065)
        b.append(DefaultList()).append(DefaultSeries());
    else
        b.i32(1).seq(8, 0x80).arr_i32(0, {0, 44}).i32(1).arr_f64(0, {0.0, 4.5}).arr_i32(0, {0, 45}).seq(8, 0x88);
    b.seq(6, 0x90).i32(91).seq(52, 0xA0);
    // FontRecord: the first and fourth values never come from the file.
    b.i16(0).i16(502).i16(503).i16(0).i16(505).i16(506).i32(511).i32(512);
    if (v <= 8.005)
        b.i16(0).i16(-1).i16(0).str("Arial").i16(-1).i16(-1).fill(10);
    else if (v <= 8.065)
        b.i16(521).i16(-1).i16(0).str("Arial").i16(-1).i16(-1).fill(10);
    else if (v <= 8.105)
        b.i16(521).i16(522).i16(0).str("Arial").i16(523).i16(-1).fill(10);
    else if (v <= 8.905)
        b.i16(521).i16(522).i16(523).str("Tahoma").i16(531).i16(532).i16(533).i16(534).fill(6);
    else
        b.i16(521).i16(522).i16(523).str("Tahoma").i16(531).i16(532).i16(533).i16(534).i16(535).i16(536).i16(537);
    // ExtendedRecord; an empty item is a 0, two arrays without storage and 8 zero bytes.
    b.seq(36, 0xB0);
    if (v <= 7.985) {
        b.arr_f64(0, {0.0}).i16(601).i16(602).i16(603).i32(611).i32(0);
        b.i32(0).header({{1, 0}}).i32(0).no_array().no_array().fill(8);
    } else {
        b.arr_f64(0, {0.0, 6.5, 7.5}).i16(601).i16(602).i16(603).i32(611).i32(612);
        b.i32(1).header({{2, 0}}).i32(0).no_array().no_array().fill(8);
        b.i32(620).arr_f64(0, {0.1}).no_array().seq(8, 0xC0);
    }
    if (v > 8.125)
        b.i32(2).arr_i32(0, {0, 71, 72}).arr_f64(0, {0.0, 7.1, 7.2});
    else
        b.i32(0).arr_i32(0, {0}).arr_f64(0, {0.0});
    return b;
}

std::vector<std::uint8_t> Convert(const Bytes& legacy, double v) {
    return RoundTrip(ReadProjectSection, WriteProjectSection, legacy, v);
}

// Every layout range of every item, inside the range and at its threshold.
class ProjectSectionByVersion : public ::testing::TestWithParam<double> {};

TEST_P(ProjectSectionByVersion, ConvertsEveryItemToTheCurrentLayout) {
    const double v = GetParam();
    EXPECT_BYTES(Convert(Legacy(v), v), Current(v).data);
}

TEST_P(ProjectSectionByVersion, DamagedFilesStopCleanlyOrWrite) {
    const double v = GetParam();
    kmdtest::ExpectDamageHandled(ReadProjectSection, WriteProjectSection, Legacy(v), v);
}

INSTANTIATE_TEST_SUITE_P(AllLayouts, ProjectSectionByVersion,
                         ::testing::Values(7.0, 7.02, 7.025, 7.03, 7.5, 7.985, 7.99, 8.0, 8.005, 8.01, 8.04, 8.045,
                                           8.05, 8.065, 8.07, 8.1, 8.105, 8.11, 8.125, 8.13, 8.19, 8.1925, 8.193,
                                           8.5, 8.905, 8.91, 9.0, 9.035, 9.04, 9.5, 9.74));

TEST(ProjectSection, UnitCodeOutsideTheCatalogueBecomes3) {
    for (std::int32_t code : {0, 17, -4}) {
        Variant x;
        x.unitCode = code;
        auto cv = ReadSection(ReadProjectSection, Legacy(9.5, x), 9.5);
        EXPECT_EQ(cv->run.CurrentUnits, 3) << code;
        EXPECT_BYTES(WriteSection(WriteProjectSection, *cv), Current(9.5, x).data);
    }
    Variant x;
    x.unitCode = 16;
    auto cv = ReadSection(ReadProjectSection, Legacy(9.5, x), 9.5);
    EXPECT_EQ(cv->run.CurrentUnits, 16);
    // The writer takes the code from the current units.
    cv->run.CurrentUnits = 9;
    auto out = WriteSection(WriteProjectSection, *cv);
    EXPECT_BYTES(std::vector<std::uint8_t>(out.begin(), out.begin() + 8), Bytes().i32(9).i32(5).data);
}

TEST(ProjectSection, ListRecord3IsKeptOnlyWithFifteenEntries) {
    for (double v : {8.07, 9.0, 9.5}) {
        // A count other than 15 gives back the record held before reading; its
        // data is dropped, so even an array lacking the entries is harmless.
        Variant x;
        x.list3 = Bytes().i32(7).seq(8, 0x58).arr_i32(1, {1, 2});
        x.list3Kept = false;
        SCOPED_TRACE(v);
        EXPECT_BYTES(Convert(Legacy(v, x), v), Current(v, x).data);
    }
    // With 15 the record stays (the default variant).
    auto cv = ReadSection(ReadProjectSection, Legacy(9.0), 9.0);
    EXPECT_EQ(cv->model.project.Lists[2].Count, 15);
}

TEST(ProjectSection, FontNameOfBlanksIsKeptOnlyAnEmptyOneBecomesArial) {
    Variant x;
    x.fontName = "  ";
    auto cv = ReadSection(ReadProjectSection, Legacy(9.5, x), 9.5);
    EXPECT_EQ(cv->model.project.Font.FontName, "  ");
    EXPECT_EQ(cv->model.project.Font.Trailing[1], 532);

    x.fontName = "";
    cv = ReadSection(ReadProjectSection, Legacy(8.5, x), 8.5);
    EXPECT_EQ(cv->model.project.Font.FontName, "Arial");
    EXPECT_EQ(cv->model.project.Font.Trailing[1], -1);
    EXPECT_EQ(cv->model.project.Font.Trailing[0], 531);
}

TEST(ProjectSection, ZeroInformationItemsWriteOneEmptyPair) {
    Variant x;
    Bytes info;
    EmptyStrings(info, 13).i32(0).no_array();
    x.info = info;
    auto cv = ReadSection(ReadProjectSection, Legacy(9.5, x), 9.5);
    auto out = WriteSection(WriteProjectSection, *cv);
    Bytes expect;
    expect.i32(6).i32(5);
    EmptyStrings(expect, 13).i32(0).header({{1, 0}}).str("").str("");
    ASSERT_GE(out.size(), expect.size());
    EXPECT_BYTES(std::vector<std::uint8_t>(out.begin(), out.begin() + std::ptrdiff_t(expect.size())), expect.data);
}

TEST(ProjectSection, ExtendedRealsAreRebuiltToTheirUpperBound) {
    // Held with bounds 0..2: element 0 dropped, written 0..2.
    Bytes ext;
    ext.seq(36, 0xB0).arr_f64(0, {9.9, 1.25, 2.5}).fill(6).fill(8).i32(0).no_array().i32(0).no_array().no_array();
    Variant x;
    x.extended = ext;
    auto out = Convert(Legacy(9.5, x), 9.5);
    Bytes tail;
    tail.seq(36, 0xB0).arr_f64(0, {0.0, 1.25, 2.5}).fill(6).fill(8);
    tail.i32(0).header({{1, 0}}).i32(0).no_array().no_array().fill(8);
    tail.i32(0).arr_i32(0, {0}).arr_f64(0, {0.0});
    ASSERT_GE(out.size(), tail.size());
    EXPECT_BYTES(std::vector<std::uint8_t>(out.end() - std::ptrdiff_t(tail.size()), out.end()), tail.data);

    // Held arrays with no element at index 0 or above are written with no
    // elements: count 0, lower bound 0.
    for (const Bytes& reals : {Bytes().header({{0, 0}}), Bytes().arr_f64(-5, {1.0, 2.0, 3.0})}) {
        for (double v : {8.1251, 9.5}) {
            Bytes e;
            e.seq(36, 0xB0).append(reals).fill(6).fill(8).i32(0).no_array().i32(0).no_array().no_array();
            x.extended = e;
            out = Convert(Legacy(v, x), v);
            Bytes written;
            written.seq(36, 0xB0).u8(1).fill(9).fill(6).fill(8);
            written.i32(0).header({{1, 0}}).i32(0).no_array().no_array().fill(8);
            written.i32(0).arr_i32(0, {0}).arr_f64(0, {0.0});
            ASSERT_GE(out.size(), written.size());
            EXPECT_BYTES(std::vector<std::uint8_t>(out.end() - std::ptrdiff_t(written.size()), out.end()), written.data);
        }
    }
}

// Counts that size rebuilt arrays must be covered by the stored arrays.
TEST(ProjectSection, CountsBeyondTheirArraysMakeTheFileCorrupt) {
    auto expectCorrupt = [](const Bytes& legacy, double v, const char* table) {
        try {
            ReadSection(ReadProjectSection, legacy, v);
            ADD_FAILURE() << "no error for " << table;
        } catch (const FormatError& e) {
            EXPECT_EQ(e.table, table);
        }
    };
    Variant x;
    Bytes info;
    EmptyStrings(info, 13).i32(3).header({{2, 1}}).str("a").str("b").str("c").str("d");
    x.info = info;
    expectCorrupt(Legacy(9.5, x), 9.5, "ProjectInformation");
    info = Bytes();
    EmptyStrings(info, 13).i32(-1).no_array();
    x.info = info;
    expectCorrupt(Legacy(9.5, x), 9.5, "ProjectInformation");

    Variant y;
    y.list3 = Bytes().i32(15).fill(8).arr_i32(1, {1, 2, 3});
    expectCorrupt(Legacy(9.5, y), 9.5, "ListRecord");

    // Reals that lack element 1.
    Variant z;
    z.extended = Bytes().fill(36).arr_f64(2, {1.0}).fill(14).i32(0).no_array().i32(0).no_array().no_array();
    expectCorrupt(Legacy(9.5, z), 9.5, "ExtendedRecord");
    z.extended = Bytes().fill(36).no_array().fill(14).i32(0).no_array().i32(1).arr_i32(1, {1}).no_array();
    expectCorrupt(Legacy(9.5, z), 9.5, "ExtendedRecord");

    // A file that ends inside the section.
    Bytes cut = Legacy(9.5);
    cut.data.resize(cut.size() - 3);
    expectCorrupt(cut, 9.5, "ExtendedRecord");
}

TEST(ProjectSection, NegativeStandardCountIsWrittenBackWithoutRecords) {
    // 8.19 and 8.2 differ only in the Standard table: splice a count of -2 in.
    Bytes legacy = Legacy(8.19);
    const auto legacyAt = std::ptrdiff_t(8 + LegacyInfo().size());
    Bytes count;
    count.i32(-2);
    legacy.data.insert(legacy.data.begin() + legacyAt, count.data.begin(), count.data.end());
    Bytes expect = Current(8.19);
    const auto currentAt = std::ptrdiff_t(8 + CurrentInfo().size());
    std::copy(count.data.begin(), count.data.end(), expect.data.begin() + currentAt);
    auto cv = ReadSection(ReadProjectSection, legacy, 8.2);
    EXPECT_FALSE(cv->model.project.Standard.Allocated());
    EXPECT_BYTES(WriteSection(WriteProjectSection, *cv), expect.data);
}

// The bundled example's first three sections are complete 9.5 sections.
TEST(ProjectSection, ExampleGeneralSectionsReadWhole) {
    kmd::Writer example;
    kmd::example::WriteExampleGeneral(example);
    kmdtest::MessageCapture capture;
    auto cv = kmdtest::NewConversion();
    cv->FileVersion = 9.5;
    kmd::Reader in(example.Buffer());
    ReadProjectSection(in, *cv);
    kmd::ReadCoordinateTables(in, *cv);
    kmd::ReadStoryTables(in, *cv);
    EXPECT_EQ(in.Offset(), example.Size());
    EXPECT_EQ(cv->run.CurrentUnits, 6);
    EXPECT_EQ(cv->model.project.Lists[2].Count, 15);
    EXPECT_EQ(cv->model.coords.CoordSystem.count, 1);
    EXPECT_EQ(cv->model.stories.Story.count, 2);
    kmd::Writer out(kmd::Writer::Form::Current);
    WriteProjectSection(out, *cv);
    kmd::WriteCoordinateTables(out, *cv);
    kmd::WriteStoryTables(out, *cv);
    EXPECT_GT(out.Size(), 0u);
    EXPECT_TRUE(capture.messages.empty());
}

// A legacy file holding only the example's first three sections, read by those
// three steps alone.
struct GeneralFile {
    Bytes file;
    std::vector<kmd::ReadStep> steps{{"project", ReadProjectSection},
                                     {"coordinates", kmd::ReadCoordinateTables},
                                     {"stories", kmd::ReadStoryTables}};
    GeneralFile() {
        kmd::Writer w;
        kmd::example::WriteExampleGeneral(w);
        file = Bytes::Legacy("9.5", "9.5", "KALDO").append(w.Buffer());
    }
    // Reads `bytes`; when they load, writes them too. Returns the outcome.
    kmd::ReadOutcome Convert(const Bytes& bytes, std::vector<std::string>& messages) const {
        kmdtest::MessageCapture capture;
        auto cv = kmdtest::NewConversion();
        auto outcome = kmd::ReadLegacyModelFile(bytes.data, *cv, nullptr, steps);
        if (outcome == kmd::ReadOutcome::Loaded) {
            kmd::Writer out(kmd::Writer::Form::Current);
            WriteProjectSection(out, *cv);
            kmd::WriteCoordinateTables(out, *cv);
            kmd::WriteStoryTables(out, *cv);
        }
        messages = capture.messages;
        return outcome;
    }
};

TEST(GeneralSectionsDamaged, EveryTruncationIsAnOrderlyError) {
    GeneralFile g;
    std::vector<std::string> messages;
    ASSERT_EQ(g.Convert(g.file, messages), kmd::ReadOutcome::Loaded);
    for (std::size_t n = 48; n < g.file.size(); ++n) {
        Bytes cut;
        cut.raw(g.file.data.data(), n);
        ASSERT_EQ(g.Convert(cut, messages), kmd::ReadOutcome::Corrupt) << "cut at " << n;
        ASSERT_EQ(messages.size(), 1u) << "cut at " << n;
        EXPECT_NE(messages[0].find("byte offset"), std::string::npos) << messages[0];
    }
}

TEST(GeneralSectionsDamaged, RandomByteDamageNeverCrashesOrBreaksTheWriter) {
    GeneralFile g;
    std::mt19937 rng(20240611);
    std::uniform_int_distribution<std::size_t> pos(48, g.file.size() - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    std::vector<std::string> messages;
    for (int round = 0; round < 3000; ++round) {
        Bytes damaged = g.file;
        for (int hit = 0; hit <= round % 4; ++hit) damaged.data[pos(rng)] = std::uint8_t(byte(rng));
        // Either loads and writes, or stops with one message; the writer never fails.
        EXPECT_NO_THROW(g.Convert(damaged, messages)) << "round " << round;
    }
}

}  // namespace
