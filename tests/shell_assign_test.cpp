#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "fileformat/encoding.h"
#include "legacy/shell_assign.h"
#include "support/bytes.h"
#include "support/convert.h"
#include "tables/shell_assign.h"

using kmd::ReadShellAssignments;
using kmd::RoundHalfEvenToInt32;
using kmd::WriteShellAssignments;
using kmdtest::Bytes;
using kmdtest::ReadSection;
using kmdtest::RoundTrip;

namespace {

Bytes& Modifiers(Bytes& in, Bytes& expect) {
    in.i32(2);
    expect.i32(2);
    for (int rec = 1; rec <= 2; ++rec) {
        in.i16(std::int16_t(rec)).i32(-rec);
        expect.i16(std::int16_t(rec)).i32(-rec).header({{11, 0}}).f64(0.0);
        for (int k = 1; k <= 6; ++k) {
            in.f64(rec * 10 + k + 0.5);
            expect.f64(rec * 10 + k + 0.5);
        }
        for (int k = 7; k <= 10; ++k) expect.f64(1.0);
    }
    return in;
}

Bytes& Masses(Bytes& b) { return b.i32(1).i16(30).i32(31).seq(8, 90); }

TEST(ShellAssign, RealCodeLayoutIsRoundedHalfToEven) {
    const double reals[] = {2.5, 3.5, 1.0, -2.5, 0.5, 2.4999999999999996, -7.6};
    const std::int32_t codes[] = {2, 4, 1, -2, 0, 2, -8};
    Bytes in, expect;
    Modifiers(in, expect);
    in.i32(7);
    expect.i32(7);
    for (int k = 0; k < 7; ++k) {
        in.i16(std::int16_t(k)).i32(100 + k).i32(200 + k).i32(300 + k).f64(reals[k]);
        expect.i16(std::int16_t(k)).i32(100 + k).i32(200 + k).i32(300 + k).i32(codes[k]);
    }
    Masses(in);
    Masses(expect);
    for (double v : {7.0, 7.1, 7.105}) {
        SCOPED_TRACE(v);
        EXPECT_BYTES(RoundTrip(ReadShellAssignments, WriteShellAssignments, in, v), expect.data);
    }
}

TEST(ShellAssign, IntegerCodeLayoutIsReadStraight) {
    Bytes in, expect;
    Modifiers(in, expect);
    in.i32(1).i16(5).i32(6).i32(7).i32(8).i32(-2147483647 - 1);
    expect.i32(1).i16(5).i32(6).i32(7).i32(8).i32(-2147483647 - 1);
    Masses(in);
    Masses(expect);
    for (double v : {7.1051, 7.11, 8.0, 9.74}) {
        SCOPED_TRACE(v);
        EXPECT_BYTES(RoundTrip(ReadShellAssignments, WriteShellAssignments, in, v), expect.data);
    }
}

TEST(ShellAssign, RoundingLimits) {
    EXPECT_EQ(RoundHalfEvenToInt32(2147483647.0), 2147483647);
    EXPECT_EQ(RoundHalfEvenToInt32(2147483647.4), 2147483647);
    EXPECT_EQ(RoundHalfEvenToInt32(2147483647.5), std::nullopt);  // rounds to 2^31
    EXPECT_EQ(RoundHalfEvenToInt32(-2147483648.5), -2147483647 - 1);
    EXPECT_EQ(RoundHalfEvenToInt32(-2147483649.0), std::nullopt);
    EXPECT_EQ(RoundHalfEvenToInt32(1e300), std::nullopt);
    EXPECT_EQ(RoundHalfEvenToInt32(std::numeric_limits<double>::infinity()), std::nullopt);
    EXPECT_EQ(RoundHalfEvenToInt32(std::nan("")), std::nullopt);
    EXPECT_EQ(RoundHalfEvenToInt32(-0.5), 0);
    EXPECT_EQ(RoundHalfEvenToInt32(-1.5), -2);
}

TEST(ShellAssign, UnconvertibleRealIsACorruptFile) {
    for (double bad : {std::nan(""), 3e9, -2147483649.0}) {
        SCOPED_TRACE(bad);
        Bytes in;
        in.i32(0).i32(2);
        in.i16(1).i32(2).i32(3).i32(4).f64(1.0);
        in.i16(1).i32(2).i32(3).i32(4).f64(bad);
        Masses(in);
        try {
            ReadSection(ReadShellAssignments, in, 7.0);
            FAIL() << "no error";
        } catch (const kmd::FormatError& e) {
            EXPECT_EQ(e.table, "SSpring");
            EXPECT_EQ(e.offset, 4u + 4u + 22u + 14u);  // the second record's real
        }
    }
}

// The range is that of the rounded value: halves just past the limits round
// back inside on the even side only.
TEST(ShellAssign, RealCodeLimitsAtTheThreshold) {
    Bytes in, expect;
    in.i32(0).i32(2);
    expect.i32(0).i32(2);
    in.i16(1).i32(2).i32(3).i32(4).f64(-2147483648.5);
    expect.i16(1).i32(2).i32(3).i32(4).i32(-2147483647 - 1);
    in.i16(5).i32(6).i32(7).i32(8).f64(2147483646.5);
    expect.i16(5).i32(6).i32(7).i32(8).i32(2147483646);
    Masses(in);
    Masses(expect);
    EXPECT_BYTES(RoundTrip(ReadShellAssignments, WriteShellAssignments, in, 7.105), expect.data);

    Bytes over;
    over.i32(0).i32(1).i16(1).i32(2).i32(3).i32(4).f64(2147483647.5);
    Masses(over);
    try {
        ReadSection(ReadShellAssignments, over, 7.105);
        FAIL() << "no error";
    } catch (const kmd::FormatError& e) {
        EXPECT_EQ(e.table, "SSpring");
        EXPECT_EQ(e.offset, 4u + 4u + 14u);
    }
}

TEST(ShellAssign, EmptyNegativeAndTruncated) {
    Bytes in;
    in.i32(0).i32(-5).i32(0);
    EXPECT_BYTES(RoundTrip(ReadShellAssignments, WriteShellAssignments, in, 7.0), in.data);
    // Count too large for the rest of the file: fails before allocating.
    Bytes big;
    big.i32(0x7FFFFFFF).i16(1);
    try {
        ReadSection(ReadShellAssignments, big, 9.0);
        FAIL() << "no error";
    } catch (const kmd::FormatError& e) {
        EXPECT_EQ(e.table, "ShModifier");
        EXPECT_EQ(e.offset, 4u);
    }
}

}  // namespace
