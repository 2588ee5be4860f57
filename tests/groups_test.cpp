#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "legacy/groups.h"
#include "support/bytes.h"
#include "support/convert.h"
#include "tables/groups.h"
#include "tables/static_nl.h"
#include "tools/example_static_groups.h"

using kmd::ReadGroupTables;
using kmd::WriteGroupTables;
using kmdtest::Bytes;
using kmdtest::ReadSection;
using kmdtest::RoundTrip;
using kmdtest::WithObjects;

namespace {

// A group in legacy layout 'A', 'B' or 'C' (the newest), and as written.
void Group(char form, Bytes& in, Bytes& out) {
    for (Bytes* b : {&in, &out}) b->str(" G1 ").i32(11).i16(12).i16(13).seq(16, 1);
    if (form == 'A') in.i32(33);
    if (form == 'B') in.i32(22).i32(33).i16(44);
    if (form == 'C') in.i32(22).i32(33).i32(34).i32(35).i16(44);
    if (form == 'C')
        out.i32(22).i32(33).i32(34).i32(35).i16(44);
    else
        out.i32(0).i32(33).i32(0).i32(0).i16(form == 'B' ? 44 : 0);
}

// Axes(i, j) = 10 i + j, held by columns; written row by row after a 0.0.
Bytes& HeldAxes(Bytes& b) {
    for (int j = 1; j <= 3; ++j)
        for (int i = 1; i <= 3; ++i) b.f64(10 * i + j);
    return b;
}
Bytes& WrittenAxes(Bytes& b) { return b.arr_f64(0, {0, 11, 12, 13, 21, 22, 23, 31, 32, 33}); }

// Section cuts in legacy layout 'A' or 'B' (the newest), with their count, and as written.
void SectionCuts(char form, Bytes& in, Bytes& out) {
    if (form == 'A') {
        in.i32(1).str("CUT").i16(1).i16(2).i32(99).i16(3).seq(28, 10).i32(4);
        HeldAxes(in);
        out.i32(1).str("CUT").i16(1).i16(2).fill(8).i16(3).seq(28, 10).i32(4).fill(16);
        WrittenAxes(out).i32(0).arr_f64(0, {0.0}).arr_f64(0, {0.0}).fill(40);
        return;
    }
    // Count 3 with arrays of other sizes, one without storage, written as held;
    // Count 0 writes one 0.0 whatever is held.
    for (Bytes* b : {&in, &out}) b->i32(2).str("CUT").i16(1).i16(2).seq(8, 50).i16(3).seq(28, 10).i32(4).seq(16, 60);
    HeldAxes(in);
    WrittenAxes(out);
    for (Bytes* b : {&in, &out}) b->i32(3).arr_f64(1, {1.5, 2.5}).no_array().seq(40, 100).str("C2").fill(62);
    HeldAxes(in);
    WrittenAxes(out);
    in.i32(0).arr_f64(5, {7.0}).no_array().fill(40);
    out.i32(0).arr_f64(0, {0.0}).arr_f64(0, {0.0}).fill(40);
}

// Two point members, one line member, no area members.
Bytes& Members(Bytes& b) {
    b.i32(2).i16(1).i32(2).i32(3).i16(4).i32(5).i32(6);
    b.i32(1).i16(7).i32(8).i32(9);
    return b.i32(0);
}

TEST(Groups, EveryLayoutAtAndInsideItsRange) {
    struct Case {
        double v;
        char group, cut;
    };
    for (Case c : {Case{7.5, 'A', 'A'}, Case{7.985, 'A', 'A'}, Case{7.9951, 'B', 'A'}, Case{8.125, 'B', 'A'},
                   Case{8.1251, 'B', 'B'}, Case{8.195, 'B', 'B'}, Case{8.1951, 'C', 'B'}, Case{9.74, 'C', 'B'}}) {
        SCOPED_TRACE(c.v);
        Bytes in, out;
        in.i32(2);
        out.i32(2);
        Group(c.group, in, out);
        Group(c.group, in, out);
        Members(in);
        Members(out);
        SectionCuts(c.cut, in, out);
        EXPECT_BYTES(RoundTrip(ReadGroupTables, WriteGroupTables, in, c.v, WithObjects(4, 2, 1)), out.data);
    }
}

TEST(Groups, MembershipListsFollowGroupsAndObjects) {
    auto convert = [](const Bytes& in, kmdtest::Setup setup) {
        return RoundTrip(ReadGroupTables, WriteGroupTables, in, 9.0, setup);
    };
    // No groups: the section cut count follows at once.
    EXPECT_BYTES(convert(Bytes().i32(0).i32(0), WithObjects(3, 3, 3)), Bytes().i32(0).i32(0).data);
    // Groups but no point objects: the line list follows the last group; no area list.
    Bytes in, out;
    in.i32(1);
    out.i32(1);
    Group('C', in, out);
    for (Bytes* b : {&in, &out}) b->i32(1).i16(7).i32(8).i32(9).i32(0);
    EXPECT_BYTES(convert(in, WithObjects(0, 5, 0)), out.data);
    // A negative group count is not zero: the lists follow; negative list counts
    // are written back as held.
    Bytes negative;
    negative.i32(-1).i32(-4).i32(0).i32(-2);
    EXPECT_BYTES(convert(negative, WithObjects(1, 0, 1)), negative.data);
}

TEST(Groups, NegativeSectionCutCountIsCorrupt) {
    Bytes in;
    in.i32(0).i32(1).str("CUT").fill(2 + 2 + 8 + 2 + 28 + 4 + 16 + 72).i32(-1).no_array().no_array().fill(40);
    try {
        ReadSection(ReadGroupTables, in, 9.0);
        FAIL() << "no error";
    } catch (const kmd::FormatError& e) {
        EXPECT_EQ(e.table, "SectionCut");
        EXPECT_EQ(e.offset, 8u);
    }
}

TEST(Groups, DamagedSectionsFailCleanly) {
    Bytes in, ignored;
    in.i32(1);
    Group('C', in, ignored);
    Members(in);
    SectionCuts('B', in, ignored);
    kmdtest::ExpectDamageHandled(ReadGroupTables, WriteGroupTables, in, 9.5, WithObjects(1, 1, 1));
}

// The example generator writes both steps in the layouts the readers expect.
TEST(StaticGroupsExample, ReadsBackWholeAtEveryThreshold) {
    const kmd::example::ExampleObjectCounts objects;
    for (double v : {7.0, 7.985, 7.9951, 8.075, 8.0751, 8.125, 8.1251, 8.195, 8.1951, 9.74}) {
        SCOPED_TRACE(v);
        kmd::Writer example;
        kmd::example::WriteExampleStaticNonlinear(example, v, objects.lines);
        kmd::example::WriteExampleGroups(example, v, objects);
        Bytes in;
        in.append(example.Buffer());
        auto both = [](kmd::Reader& r, kmd::Conversion& cv) {
            kmd::ReadStaticNonlinearTables(r, cv);
            kmd::ReadGroupTables(r, cv);
        };
        std::size_t consumed = 0;
        auto cv = ReadSection(both, in, v, &consumed, WithObjects(objects.points, objects.lines, objects.areas));
        EXPECT_EQ(consumed, in.size());
        EXPECT_EQ(cv->model.staticNL.FrameNLFlag, -1);
        EXPECT_EQ(cv->model.staticNL.StaticNL[1].Name, "PUSH");
        EXPECT_EQ(cv->model.groups.LineMembers.count, 2 * objects.lines);
        EXPECT_NO_THROW(kmdtest::WriteSection(kmd::WriteStaticNonlinearTables, *cv));
        EXPECT_NO_THROW(kmdtest::WriteSection(WriteGroupTables, *cv));
    }
}

}  // namespace
