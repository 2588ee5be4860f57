#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <tuple>

#include "legacy/static_nl.h"
#include "support/bytes.h"
#include "support/convert.h"
#include "tables/static_nl.h"

using kmd::ReadStaticNonlinearTables;
using kmd::WriteStaticNonlinearTables;
using kmdtest::Bytes;
using kmdtest::ReadSection;
using kmdtest::RoundTrip;
using kmdtest::WithObjects;

namespace {

// A static nonlinear case in legacy layout 'A', 'B' or 'C' (the newest), and
// the current record it becomes.
void StaticCase(char form, Bytes& in, Bytes& out) {
    if (form == 'C')
        in.str(" CASE 1");
    else
        in.fixed(" CASE1", 8);
    out.str(form == 'C' ? " CASE 1" : "CASE1");
    // Block1 to Short2: Points1 1-based, Points2 0-based and longer than Count2,
    // Array1 longer than Count3.
    in.seq(22, 1).seq(60, 30).i32(2).header({{2, 1}}).seq(16, 100).seq(16, 120);
    in.i32(1).header({{3, 0}}).seq(16, 140).seq(16, 160).seq(16, 180);
    in.i16(-7).seq(4, 200).i32(2).arr_i32(1, {11, 12, 13}).i16(-8);
    out.seq(22, 1).seq(60, 30).i32(2).header({{3, 0}}).fill(16).seq(16, 100).seq(16, 120);
    out.i32(1).header({{2, 0}}).fill(16).seq(16, 160);
    out.i16(-7).seq(4, 200).i32(2).arr_i32(0, {0, 11, 12}).i16(-8);
    if (form == 'A') {
        in.seq(6, 210);
        out.i32(0).i16(0).i16(0).i32(1).i32(0);
    } else {
        in.i32(21).i16(22).i16(23).i32(24).i32(25).i16(26);
        out.i32(21).i16(22).i16(23).i32(24).i32(25);
    }
    out.i16(0);
    // Block4 to the end, of which only Short7 is written.
    in.seq(8, 50).arr_f64(1, {1.5}).no_array().arr_f64(0, {2.5, 3.5}).arr_i32(1, {4}).seq(48, 60).arr_i32(1, {5, 6});
    in.i32(77).str("t1").str("t2").seq(32).str("t3").str("t4").seq(36).str("t5").i16(9).seq(140);
    in.i16(10).seq(8, 90).i16(0x1234);
    out.i16(0x1234);
}

void ExpectStaticCase(char form, std::initializer_list<double> versions) {
    Bytes in, out;
    in.i32(1).i32(1);
    out.i16(-1).i32(1);
    StaticCase(form, in, out);
    in.i32(0).i16(0);
    out.i32(0).i16(0);
    for (double v : versions) {
        SCOPED_TRACE(v);
        EXPECT_BYTES(RoundTrip(ReadStaticNonlinearTables, WriteStaticNonlinearTables, in, v), out.data);
    }
}

TEST(StaticNL, OldestLayoutTrimsTheNameAndSetsValue2To1) { ExpectStaticCase('A', {7.0, 7.5, 7.985}); }
TEST(StaticNL, EightCharacterNameLayout) { ExpectStaticCase('B', {7.9951, 8.0, 8.075}); }
TEST(StaticNL, NewestLayoutIsReadStraight) { ExpectStaticCase('C', {8.0751, 9.0, 9.74}); }

// A hinge set: Count 2 of three values, the matrix given by `matrix`, an Extra
// that is not written.
Bytes& LegacySet(Bytes& b, std::int32_t rows, std::int32_t columns, const Bytes& matrix) {
    b.i32(2).arr_i32(1, {7, 8, 9}).i32(rows).i32(columns).i16(5).i16(6).append(matrix);
    return b.arr_f64(1, {99.0});
}

// "FHProp1" holding one hinge and one set, the set built by `set`.
Bytes HingeProperty(const Bytes& set) {
    Bytes b;
    b.i32(1).str("H1").i32(1).i32(1);
    // Hinges 1..1: PointCount 2, ItemCount 1 of two held items (the second
    // beyond the count, so neither checked nor written).
    b.header({{1, 1}}).seq(8, 1).i32(2).i32(1).seq(46, 20).seq(6, 70);
    b.header({{2, 1}});
    b.arr_f64(1, {1.0, 2.0}).arr_f64(0, {9.0, 3.0, 4.0, 5.0});
    for (int k = 1; k <= 6; ++k) b.f64(10 + k);
    for (int k = 1; k <= 6; ++k) b.i32(20 + k);
    b.f64(31).f64(32).f64(33).f64(41).f64(42).f64(43);
    b.no_array().no_array().fill(48 + 24 + 48);
    b.seq(12, 80).header({{1, 1}}).append(set).seq(12, 90);
    return b;
}

// Matrix (1..4, 0..3), element (j, i) = 10 j + i.
Bytes Matrix4x4() {
    Bytes m;
    m.header({{4, 1}, {4, 0}});
    for (int i = 0; i <= 3; ++i)
        for (int j = 1; j <= 4; ++j) m.f64(10 * j + i);
    return m;
}

TEST(StaticNL, HingePropertiesRebuiltFromZero) {
    Bytes set;
    LegacySet(set, 2, 3, Matrix4x4());
    Bytes in;
    in.i32(1).i32(0).append(HingeProperty(set)).i16(0);

    Bytes out;
    out.i16(-1).i32(0).i32(1).str("H1").i32(1).i32(1);
    out.header({{2, 0}}).fill(68).i16(0);  // element 0: an empty hinge
    out.seq(8, 1).i32(2).i32(1).seq(46, 20).seq(6, 70);
    out.header({{2, 0}}).fill(12);  // element 0: six arrays without storage
    out.arr_f64(0, {0.0, 1.0, 2.0}).arr_f64(0, {0.0, 3.0, 4.0});
    out.arr_f64(0, {0, 11, 12, 13, 14, 15, 16}).arr_i32(0, {0, 21, 22, 23, 24, 25, 26});
    out.arr_f64(0, {0, 31, 32, 33}).arr_f64(0, {0, 41, 42, 43});
    out.seq(12, 80).header({{2, 0}}).i32(0).i16(0).fill(12).i16(0);  // element 0: an empty set
    // Rows 2, Columns 3: bounds 0..9, Matrix(j, i) with i outer.
    out.i32(2).arr_i32(0, {0, 7, 8}).i32(2).i32(3).i16(5).i16(6);
    out.arr_f64(0, {0.0, 11, 21, 31, 12, 22, 32, 13, 23, 33});
    out.seq(12, 90).i16(0);
    for (double v : {7.0, 9.74}) {
        SCOPED_TRACE(v);
        EXPECT_BYTES(RoundTrip(ReadStaticNonlinearTables, WriteStaticNonlinearTables, in, v), out.data);
    }
}

// "(R + 1) or C below 1": no element of Matrix is taken, every element is 0.0.
TEST(StaticNL, HingeSetMatrixOfNoLinesIsZeroFilled) {
    for (auto [rows, columns, elements] : {std::tuple{-1, 7, 1u}, std::tuple{-3, -2, 5u}, std::tuple{4, 0, 1u}}) {
        Bytes set, tail;
        LegacySet(set, rows, columns, Bytes().no_array());
        tail.i32(rows).i32(columns).i16(5).i16(6).header({{elements, 0}}).fill(8 * elements).seq(12, 90).i16(0);
        const auto out = RoundTrip(ReadStaticNonlinearTables, WriteStaticNonlinearTables,
                                   Bytes().i32(1).i32(0).append(HingeProperty(set)).i16(0), 9.0);
        ASSERT_GE(out.size(), tail.size());
        EXPECT_BYTES(std::vector<std::uint8_t>(out.end() - std::ptrdiff_t(tail.size()), out.end()), tail.data);
    }
}

void ExpectCorrupt(const Bytes& section, const char* table, const kmdtest::Setup& setup = {}) {
    try {
        ReadSection(ReadStaticNonlinearTables, section, 9.0, nullptr, setup);
        FAIL() << "no error";
    } catch (const kmd::FormatError& e) {
        EXPECT_EQ(e.table, table);
    }
}

TEST(StaticNL, ArraysShorterThanTheirCountsAreCorrupt) {
    const std::int32_t big = std::numeric_limits<std::int32_t>::max();
    // Matrix smaller than (1..C, 1..R + 1), R + 1 beyond 32 bits, products of
    // 2^31 and more or below 0, zeros beyond the size of the file.
    for (auto [rows, columns] : std::initializer_list<std::pair<std::int32_t, std::int32_t>>{
             {3, 3}, {2, 5}, {big, 0}, {65535, 65536}, {1, -1}, {-3, -100000}}) {
        SCOPED_TRACE(std::to_string(rows) + " x " + std::to_string(columns));
        Bytes set;
        LegacySet(set, rows, columns, Matrix4x4());
        ExpectCorrupt(Bytes().i32(1).i32(0).append(HingeProperty(set)).i16(0), "FHProp1");
    }
    // A hinge curve without the hinge's PointCount elements.
    Bytes set;
    LegacySet(set, 2, 3, Matrix4x4());
    Bytes hinge = HingeProperty(set);
    hinge.data[4 + 4 + 8 + 10 + 8] = 3;  // PointCount 3: CurveX holds 1..2
    ExpectCorrupt(Bytes().i32(1).i32(0).append(hinge).i16(0), "FHProp1");
    // A FrameNL record lacking its items.
    ExpectCorrupt(Bytes().i32(1).i32(0).i32(0).i16(-1).i32(2).arr_f64(1, {}).no_array(), "FrameNL",
                  WithObjects(0, 1, 0));
}

// A FrameNL record of one item, and as written.
Bytes& LegacyFrameNL(Bytes& b) { return b.i32(1).header({{1, 1}}).seq(36).header({{1, 1}}).seq(108); }
Bytes& CurrentFrameNL(Bytes& b) { return b.i32(1).header({{2, 0}}).fill(36).seq(36).i16(0); }

TEST(StaticNL, FrameNLRecordsFollowTheLineObjects) {
    // 250 line objects: the flag -1, 250 records.
    Bytes in, out;
    in.i32(1).i32(0).i32(0).i16(7);
    out.i16(-1).i32(0).i32(0).i16(-1);
    for (std::int32_t k = 0; k < 250; ++k) {
        LegacyFrameNL(in);
        CurrentFrameNL(out);
    }
    EXPECT_BYTES(RoundTrip(ReadStaticNonlinearTables, WriteStaticNonlinearTables, in, 9.74, WithObjects(3, 250, 0)),
                 out.data);

    // No line objects: nothing allocated, the flag kept as read, still present.
    Bytes only;
    only.i32(1).i32(0).i32(0).i16(7);
    EXPECT_BYTES(RoundTrip(ReadStaticNonlinearTables, WriteStaticNonlinearTables, only, 8.0, WithObjects(2, 0, 1)),
                 Bytes().i16(-1).i32(0).i32(0).i16(7).data);
}

TEST(StaticNL, PresenceAndNegativeCounts) {
    auto convert = [](const Bytes& in) { return RoundTrip(ReadStaticNonlinearTables, WriteStaticNonlinearTables, in, 9.0); };
    EXPECT_BYTES(convert(Bytes().i32(0)), Bytes().i16(0).data);
    EXPECT_BYTES(convert(Bytes().i32(-1).i32(0).i32(0).i16(0)), Bytes().i16(0).data);
    // Negative counts are written back when the section is written.
    EXPECT_BYTES(convert(Bytes().i32(1).i32(-2).i32(-1).i16(1)), Bytes().i16(-1).i32(-2).i32(-1).i16(1).data);
    EXPECT_BYTES(convert(Bytes().i32(1).i32(-2).i32(-1).i16(0)), Bytes().i16(0).data);
}

TEST(StaticNL, DamagedSectionsFailCleanly) {
    Bytes set;
    LegacySet(set, 2, 3, Matrix4x4());
    Bytes in;
    in.i32(1).i32(1);
    Bytes ignored;
    StaticCase('C', in, ignored);
    in.append(HingeProperty(set)).i16(-1);
    LegacyFrameNL(LegacyFrameNL(in));
    kmdtest::ExpectDamageHandled(ReadStaticNonlinearTables, WriteStaticNonlinearTables, in, 9.5, WithObjects(0, 2, 0));
}

}  // namespace
