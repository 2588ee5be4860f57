#include <gtest/gtest.h>

#include "fileformat/encoding.h"
#include "support/bytes.h"
#include "support/convert.h"
#include "tables/frame_assign.h"
#include "tables/point_assign.h"
#include "tables/shell_assign.h"
#include "tools/example_assign.h"

using kmd::ReadPointAssignments;
using kmd::WritePointAssignments;
using kmdtest::Bytes;
using kmdtest::ReadSection;
using kmdtest::RoundTrip;

namespace {

// The 52 bytes after a constraint's name: CValue1, CValue2, CUnused, CRefs(1..6),
// CValue3..CValue5, CCode1, CCode2, with values derived from `base`.
Bytes& ConstraintBody(Bytes& b, std::int32_t base) {
    b.i32(base + 1).i32(base + 2).i32(base + 99);  // CUnused = base + 99
    for (int k = 1; k <= 6; ++k) b.i32(base + 10 + k);
    return b.i32(base + 3).i32(base + 4).i32(base + 5).i16(std::int16_t(base + 6)).i16(std::int16_t(-1));
}

// The current record for a constraint written by ConstraintBody.
Bytes& ExpectedConstraint(Bytes& b, std::string_view name, std::int32_t base) {
    b.str(name).i32(base + 1).i32(base + 2);
    b.header({{7, 0}}).i32(0);
    for (int k = 1; k <= 6; ++k) b.i32(base + 10 + k);
    return b.i32(base + 3).i32(base + 4).i32(base + 5).i16(std::int16_t(base + 6)).i16(std::int16_t(-1));
}

// The six per-point tables, all empty.
Bytes& EmptyPointTables(Bytes& b) { return b.i32(0).i32(0).i32(0).i32(0).i32(0).i32(0); }

Bytes FixedNameConstraints() {
    Bytes in;
    in.i32(3);
    ConstraintBody(in.fixed("AB", 8), 100);
    ConstraintBody(in.fixed("  D1 X  ", 8), 200);
    ConstraintBody(in.fixed("", 8), 300);
    return EmptyPointTables(in);
}

TEST(PointAssignConstraint, FixedNameLayoutIsTrimmedAndLosesCUnused) {
    Bytes expect;
    expect.i32(3);
    ExpectedConstraint(expect, "AB", 100);
    ExpectedConstraint(expect, "D1 X", 200);
    ExpectedConstraint(expect, "", 300);
    EmptyPointTables(expect);
    for (double v : {7.0, 7.98, 8.07, 8.075}) {
        SCOPED_TRACE(v);
        EXPECT_BYTES(RoundTrip(ReadPointAssignments, WritePointAssignments, FixedNameConstraints(), v), expect.data);
    }
    auto cv = ReadSection(ReadPointAssignments, FixedNameConstraints(), 8.0);
    EXPECT_EQ(cv->model.pointAssign.Constraint[1].CUnused, 0);
}

TEST(PointAssignConstraint, VariableNameLayoutIsReadStraightAndNotTrimmed) {
    Bytes in;
    in.i32(2);
    ConstraintBody(in.str(" Diaph 1 "), 10);
    ConstraintBody(in.str("A-very-long-constraint-name"), 20);
    EmptyPointTables(in);
    Bytes expect;
    expect.i32(2);
    ExpectedConstraint(expect, " Diaph 1 ", 10);
    ExpectedConstraint(expect, "A-very-long-constraint-name", 20);
    EmptyPointTables(expect);
    for (double v : {8.0751, 8.08, 9.0, 9.74}) {
        SCOPED_TRACE(v);
        EXPECT_BYTES(RoundTrip(ReadPointAssignments, WritePointAssignments, in, v), expect.data);
    }
    // The value read for CUnused is held but never written.
    auto cv = ReadSection(ReadPointAssignments, in, 9.5);
    EXPECT_EQ(cv->model.pointAssign.Constraint[2].CUnused, 119);
}

TEST(PointAssignTables, PerPointRecordsWrittenWithZeroBasedGroups) {
    Bytes in, expect;
    in.i32(0);
    expect.i32(0);
    // CJoint
    in.i32(2).i16(1).i32(-7).i32(0x01020304).i16(2).i32(8).i32(-1);
    expect.i32(2).i16(1).i32(-7).i32(0x01020304).i16(2).i32(8).i32(-1);
    // PanelZone
    in.i32(1).i16(5).i32(6).seq(26, 1).seq(32, 101);
    expect.i32(1).i16(5).i32(6).seq(26, 1).seq(32, 101);
    // Restraint: a file may hold 1 for a flag; it is carried as it is.
    in.i32(2).i16(3).i32(33).boolean(true).boolean(true).boolean(true).boolean(false).boolean(false).boolean(false)
        .i32(44);
    in.i16(4).i32(34).i16(1).i16(0).i16(-1).i16(0).i16(1).i16(-1).i32(45);
    expect.i32(2).i16(3).i32(33).header({{7, 0}});
    expect.boolean(false).boolean(true).boolean(true).boolean(true).boolean(false).boolean(false).boolean(false);
    expect.i32(44);
    expect.i16(4).i32(34).header({{7, 0}}).i16(0).i16(1).i16(0).i16(-1).i16(0).i16(1).i16(-1).i32(45);
    // Spring: 21 reals become 22, the first 0.0.
    in.i32(1).i16(9).i32(90);
    expect.i32(1).i16(9).i32(90).header({{22, 0}}).f64(0.0);
    for (int k = 1; k <= 21; ++k) {
        in.f64(k * 1.25);
        expect.f64(k * 1.25);
    }
    // JLink
    in.i32(1).i16(11).i32(110).seq(16, 200);
    expect.i32(1).i16(11).i32(110).seq(16, 200);
    // Mass: 6 reals become 7.
    in.i32(1).i16(12).i32(120);
    expect.i32(1).i16(12).i32(120).header({{7, 0}}).f64(0.0);
    for (int k = 1; k <= 6; ++k) {
        in.f64(-k * 0.5);
        expect.f64(-k * 0.5);
    }
    // The per-point layouts do not change with the version.
    for (double v : {7.0, 8.075, 9.74}) {
        SCOPED_TRACE(v);
        EXPECT_BYTES(RoundTrip(ReadPointAssignments, WritePointAssignments, in, v), expect.data);
    }
}

TEST(PointAssignTables, AllocatorsAndCounts) {
    Bytes in;
    in.i32(1);
    ConstraintBody(in.str("C"), 0);
    in.i32(21);
    for (int k = 0; k < 21; ++k) in.i16(std::int16_t(k)).i32(k).i32(k);
    in.i32(0).i32(0).i32(0).i32(0).i32(0);
    auto cv = ReadSection(ReadPointAssignments, in, 9.0);
    const auto& d = cv->model.pointAssign;
    EXPECT_EQ(d.Constraint.capacity, 10);  // property table: blocks of 10
    EXPECT_EQ(d.CJoint.count, 21);
    EXPECT_EQ(d.CJoint.capacity, 40);  // object table: blocks of 20
    EXPECT_EQ(d.CJoint[21].Key, 20);
    EXPECT_FALSE(d.Mass.Allocated());
}

TEST(PointAssignTables, NegativeCountReadsNothingAndIsWrittenBack) {
    Bytes in;
    in.i32(-2);
    in.i32(0).i32(-1).i32(0).i32(0).i32(0).i32(0);
    EXPECT_BYTES(RoundTrip(ReadPointAssignments, WritePointAssignments, in, 8.0), in.data);
}

TEST(PointAssignTables, DamagedFilesFailNamingTheTable) {
    // A count larger than the rest of the file can hold.
    Bytes big;
    big.i32(0).i32(0).i32(0).i32(1000000).i16(1).i32(1);
    try {
        ReadSection(ReadPointAssignments, big, 9.0);
        FAIL() << "no error";
    } catch (const kmd::FormatError& e) {
        EXPECT_EQ(e.table, "Restraint");
    }
    // A fixed-name constraint cut short.
    Bytes cut;
    cut.i32(1).fixed("AB", 8).i32(1).i32(2);
    try {
        ReadSection(ReadPointAssignments, cut, 7.5);
        FAIL() << "no error";
    } catch (const kmd::FormatError& e) {
        EXPECT_EQ(e.table, "Constraint");
    }
    // Missing the last table.
    Bytes noMass;
    noMass.i32(0).i32(0).i32(0).i32(0).i32(0).i32(0);
    try {
        ReadSection(ReadPointAssignments, noMass, 9.0);
        FAIL() << "no error";
    } catch (const kmd::FormatError& e) {
        EXPECT_EQ(e.table, "Mass");
        EXPECT_EQ(e.offset, 24u);
    }
}

// The example assignments are the 9.5 layouts of all three steps.
TEST(AssignExample, ReadsCompletelyAt95) {
    kmd::Writer legacy;
    kmd::example::WriteExampleAssignments(legacy);
    auto cv = kmdtest::NewConversion();
    cv->FileVersion = 9.5;
    kmd::Reader in(legacy.Buffer());
    ReadPointAssignments(in, *cv);
    kmd::ReadFrameAssignments(in, *cv);
    kmd::ReadShellAssignments(in, *cv);
    EXPECT_EQ(in.Offset(), legacy.Size());
    const auto& m = cv->model;
    EXPECT_EQ(m.pointAssign.Constraint[1].Name, "D1");
    EXPECT_EQ(m.pointAssign.Restraint.count, 2);
    EXPECT_EQ(m.frameAssign.FMomentBeam.count, 1);
    EXPECT_EQ(m.shellAssign.SSpring[1].SCode, 3);
    kmd::Writer out(kmd::Writer::Form::Current);
    WritePointAssignments(out, *cv);
    kmd::WriteFrameAssignments(out, *cv);
    kmd::WriteShellAssignments(out, *cv);
    // Every rebuilt group adds its 10-byte header and element 0.
    const std::size_t grown = (10 + 4 - 4)          // Constraint: CRefs header and element 0, no CUnused
                              + 2 * (10 + 2)        // two Restraint records
                              + (10 + 8) + (10 + 8) // Spring, Mass
                              + 3 * (10 + 8)        // FFixity, FOffset, FModifier
                              + (10 + 8 + 32);      // ShModifier: header, element 0, four 1.0
    EXPECT_EQ(out.Size(), legacy.Size() + grown);
}

}  // namespace
