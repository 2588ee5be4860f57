#include <gtest/gtest.h>

#include "support/bytes.h"
#include "support/convert.h"
#include "tables/base_plate.h"
#include "tools/example_views.h"

using kmdtest::Bytes;

namespace {

void ReadBoth(kmd::Reader& in, kmd::Conversion& cv) {
    kmd::ReadBasePlateDesign(in, cv);
    kmd::ReadConnectionDesign(in, cv);
}

Bytes Reals(std::initializer_list<double> v) { return Bytes().arr_f64(1, v); }

Bytes ConnectionPart() {
    Bytes b;
    b.seq(2).str("P").seq(2).seq(32).str("W").seq(58).seq(12).str("B").seq(20);
    return b;
}

// Both blocks at version v: one base plate and one connection record, each with
// its envelope.
Bytes Blocks(double v) {
    Bytes b;
    b.str("AISC-LRFD2002").seq(146).seq(16).str("A307 bolts").seq(2).seq(40);
    if (v > 8.895) b.str("Brief").seq(2);
    b.i16(-1).i16(3).i32(1);
    b.seq(72).append(Reals({1, 2})).no_array().append(Reals({3})).seq(74).seq(64).str("Base").seq(2).seq(44);
    b.seq(36).str("C1").seq(48).str("C2").seq(196);
    b.str("AISC-LRFD2002").seq(146).seq(16).str("A307 bolts").seq(2).seq(72).str("Brief").seq(16);
    b.i16(1).i16(0).i32(1);
    b.seq(354).seq(226).seq(184).append(ConnectionPart()).append(ConnectionPart()).seq(60);
    b.append(Reals({4})).append(Reals({5})).no_array().seq(66).seq(64).str("Joint").seq(2).seq(44);
    b.seq(52).str("C1").seq(48).str("C2").seq(196);
    return b;
}

TEST(BasePlate, BlocksFromTheInclusiveBoundWithBothPreferenceLayouts) {
    for (double v : {8.1935, 8.5, 8.895, 8.9, 9.5}) {
        std::size_t consumed = 0;
        auto cv = kmdtest::ReadSection(ReadBoth, Blocks(v), v, &consumed);
        EXPECT_EQ(consumed, Blocks(v).size()) << v;
        const auto& d = cv->model.designBlocks;
        EXPECT_EQ(d.BasePlateData.count, 1);
        EXPECT_EQ(d.BasePlateData[1].Text1, "Base");
        EXPECT_EQ(d.BasePlateEnvelopes.count, 1);
        EXPECT_EQ(d.ConnectionData[1].Part2.Text3, "B");
        EXPECT_EQ(d.ConnectionEnvelopes[1].Text2, "C2");
        EXPECT_EQ(d.Preferences.ReportStyle, v > 8.895 ? "Brief" : "");
    }
    // Below 8.1935 the bytes belong to the named views.
    std::size_t consumed = 1;
    kmdtest::ReadSection(ReadBoth, Blocks(8.5), 8.19, &consumed);
    EXPECT_EQ(consumed, 0u);
}

TEST(BasePlate, NegativeCountsReadNoRecordsOrEnvelopes) {
    Bytes b;
    b.str("").seq(146).seq(16).str("").seq(2).seq(40).str("").seq(2).i16(-1).i16(0).i32(-4);
    b.str("").seq(146).seq(16).str("").seq(2).seq(72).str("").seq(16).i16(1).i16(0).i32(0);
    std::size_t consumed = 0;
    auto cv = kmdtest::ReadSection(ReadBoth, b, 9.0, &consumed);
    EXPECT_EQ(consumed, b.size());
    EXPECT_EQ(cv->model.designBlocks.BasePlateData.count, -4);
    EXPECT_EQ(cv->model.designBlocks.BasePlateEnvelopes.count, 0);
}

TEST(BasePlate, ShortFilesAreCorrupt) {
    const Bytes full = Blocks(9.0);
    for (std::size_t cut : {std::size_t(10), full.size() / 2, full.size() - 1}) {
        Bytes b = full;
        b.data.resize(cut);
        EXPECT_THROW(kmdtest::ReadSection(ReadBoth, b, 9.0), kmd::FormatError) << cut;
    }
}

TEST(BasePlate, ExampleBlocksAreReadWhole) {
    for (double v : {8.1935, 8.895, 9.5}) {
        kmd::Writer out;
        kmd::example::WriteExampleBasePlate(out, v);
        Bytes b;
        b.append(out.Buffer());
        std::size_t consumed = 0;
        kmdtest::ReadSection(ReadBoth, b, v, &consumed);
        EXPECT_EQ(consumed, b.size()) << v;
    }
}

}  // namespace
