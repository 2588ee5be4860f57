#include <gtest/gtest.h>

#include "fileformat/encoding.h"
#include "support/bytes.h"
#include "support/convert.h"
#include "tables/frame_assign.h"

using kmd::ReadFrameAssignments;
using kmd::WriteFrameAssignments;
using kmdtest::Bytes;
using kmdtest::ReadSection;
using kmdtest::RoundTrip;

namespace {

// Distinct value for element (i, j) of a matrix in record `rec`.
double Cell(int rec, int i, int j) { return rec * 100 + i * 10 + j + 0.25; }

// Legacy bytes of the tables after "FModifier": FLink, FSpring, FMass, and
// FMomentBeam when the version holds it; each with one record.
Bytes& PlainTables(Bytes& b, bool withMomentBeam) {
    b.i32(1).i16(40).i32(41).i32(-42);
    b.i32(1).i16(50).i32(51).seq(12, 1);
    b.i32(1).i16(60).i32(61).seq(8, 100);
    if (withMomentBeam) b.i32(1).i16(70).i32(71).seq(56, 150);
    return b;
}

// Legacy "FFixity" with two records, held by columns.
Bytes& LegacyFixity(Bytes& b) {
    b.i32(2);
    for (int rec = 1; rec <= 2; ++rec) {
        b.i16(std::int16_t(rec)).i32(rec * 11);
        for (int j = 1; j <= 2; ++j)
            for (int i = 1; i <= 6; ++i) b.f64(Cell(rec, i, j));
    }
    return b;
}

Bytes& ExpectedFixity(Bytes& b) {
    b.i32(2);
    for (int rec = 1; rec <= 2; ++rec) {
        b.i16(std::int16_t(rec)).i32(rec * 11).header({{13, 0}}).f64(0.0);
        for (int i = 1; i <= 6; ++i)
            for (int j = 1; j <= 2; ++j) b.f64(Cell(rec, i, j));
    }
    return b;
}

// One "FOffset" record, legacy, with or without OffsetTag.
Bytes& LegacyOffset(Bytes& b, bool withTag) {
    b.i32(1).i16(7).i32(-8);
    for (int j = 1; j <= 2; ++j)
        for (int i = 1; i <= 3; ++i) b.f64(Cell(3, i, j));
    if (withTag) b.i32(0x7F000001);
    return b;
}

Bytes& ExpectedOffset(Bytes& b, std::int32_t tag) {
    b.i32(1).i16(7).i32(-8).header({{7, 0}}).f64(0.0);
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 2; ++j) b.f64(Cell(3, i, j));
    return b.i32(tag);
}

Bytes& LegacyModifier(Bytes& b, int n) {
    b.i32(1).i16(9).i32(10);
    for (int k = 1; k <= n; ++k) b.f64(k * 0.125);
    return b;
}

Bytes& ExpectedModifier(Bytes& b, int stored) {
    b.i32(1).i16(9).i32(10).header({{9, 0}}).f64(0.0);
    for (int k = 1; k <= 8; ++k) b.f64(k <= stored ? k * 0.125 : 1.0);
    return b;
}

struct Layout {
    double version;
    bool offsetTag;
    int modifiers;
    bool momentBeam;
};

Bytes LegacySection(const Layout& l) {
    Bytes b;
    LegacyFixity(b);
    LegacyOffset(b, l.offsetTag);
    LegacyModifier(b, l.modifiers);
    return PlainTables(b, l.momentBeam);
}

Bytes ExpectedSection(const Layout& l) {
    Bytes b;
    ExpectedFixity(b);
    ExpectedOffset(b, l.offsetTag ? 0x7F000001 : 1);
    ExpectedModifier(b, l.modifiers);
    PlainTables(b, true);
    if (!l.momentBeam) {
        b.data.resize(b.size() - (4 + 62));
        b.i32(0);
    }
    return b;
}

TEST(FrameAssign, EveryLegacyLayoutAtAndAroundItsThresholds) {
    const Layout layouts[] = {
        {7.0, false, 6, false},    {8.0, false, 6, false},   {8.005, false, 6, false},
        {8.0051, false, 6, true},  {8.01, false, 6, true},   {8.065, false, 6, true},
        {8.0651, true, 6, true},   {8.07, true, 6, true},    {8.3, true, 6, true},
        {8.405, true, 6, true},    {8.4051, true, 8, true},  {8.41, true, 8, true},
        {9.74, true, 8, true},
    };
    for (const Layout& l : layouts) {
        SCOPED_TRACE(l.version);
        EXPECT_BYTES(RoundTrip(ReadFrameAssignments, WriteFrameAssignments, LegacySection(l), l.version),
                     ExpectedSection(l).data);
    }
}

TEST(FrameAssign, DefaultsOfTheShortLayouts) {
    auto cv = ReadSection(ReadFrameAssignments, LegacySection({8.0, false, 6, false}), 8.0);
    const auto& d = cv->model.frameAssign;
    EXPECT_EQ(d.FOffset[1].OffsetTag, 1);
    EXPECT_EQ(d.FModifier[1].Modifiers[6], 1.0);
    EXPECT_EQ(d.FModifier[1].Modifiers[7], 1.0);
    EXPECT_EQ(d.FMomentBeam.count, 0);
    EXPECT_FALSE(d.FMomentBeam.Allocated());
    // Held by columns in memory: (2, 1) is the second value read.
    EXPECT_EQ(d.FFixity[2].Fixity[1], Cell(2, 2, 1));
    EXPECT_EQ(d.FFixity[2].Fixity[6], Cell(2, 1, 2));
}

TEST(FrameAssign, EmptyAndNegativeCounts) {
    Bytes in;
    in.i32(0).i32(-3).i32(0).i32(0).i32(-1).i32(0).i32(0);
    EXPECT_BYTES(RoundTrip(ReadFrameAssignments, WriteFrameAssignments, in, 9.0), in.data);
    Bytes old;
    old.i32(0).i32(0).i32(0).i32(0).i32(0).i32(0);
    Bytes expect = old;
    expect.i32(0);
    EXPECT_BYTES(RoundTrip(ReadFrameAssignments, WriteFrameAssignments, old, 8.005), expect.data);
}

TEST(FrameAssign, DamagedFilesFailNamingTheTable) {
    // The short "FModifier" record of 8.405 is 54 bytes; 53 are there.
    Bytes cut;
    cut.i32(0).i32(0).i32(1).i16(1).i32(2).fill(47);
    try {
        ReadSection(ReadFrameAssignments, cut, 8.405);
        FAIL() << "no error";
    } catch (const kmd::FormatError& e) {
        EXPECT_EQ(e.table, "FModifier");
    }
    // A file of 8.01 must hold the "FMomentBeam" count.
    Bytes noCount;
    noCount.i32(0).i32(0).i32(0).i32(0).i32(0).i32(0);
    try {
        ReadSection(ReadFrameAssignments, noCount, 8.01);
        FAIL() << "no error";
    } catch (const kmd::FormatError& e) {
        EXPECT_EQ(e.table, "FMomentBeam");
    }
}

}  // namespace
