#include <gtest/gtest.h>

#include <string>

#include "fileformat/encoding.h"
#include "support/bytes.h"
#include "support/convert.h"
#include "tables/loads.h"

using kmd::ReadLoadTables;
using kmd::WriteLoadTables;
using kmdtest::Bytes;
using kmdtest::RoundTrip;

namespace {

struct Step {
    Bytes in;   // the legacy section of version v
    Bytes out;  // the current section it becomes
};

// Every load table with one or two records, laid out by hand for version v.
Step LoadStep(double v) {
    Step s;
    Bytes& in = s.in;
    Bytes& out = s.out;

    // LoadCondition: the second name is spaces only.
    in.i32(2);
    out.i32(2);
    const std::string names[] = {" DEAD ", "      "}, trimmed[] = {"DEAD", ""};
    for (int k = 0; k < 2; ++k) {
        if (v <= 8.075) in.fixed(names[k], 8);
        else in.str(names[k]);
        out.str(v > 9.155 ? names[k] : trimmed[k]);
        in.u32(10 + k).u32(20 + k).u32(30 + k);
        out.u32(10 + k).u32(20 + k).u32(30 + k);
        if (v > 9.155) {
            in.seq(16, 200);
            out.seq(16, 200);
        } else {
            out.fill(16);
        }
        in.i16(-5);
        out.i16(-5);
        for (int j = 4; j <= 13; ++j) {
            in.u32(0xA0000000u + j);
            out.u32(0xA0000000u + j);
        }
        in.i16(7);
        out.i16(7);
        if (v > 9.025) in.str("case note");
        out.str(v > 9.025 ? "case note" : "");
    }

    // Combo.
    in.i32(1);
    out.i32(1);
    if (v <= 8.005) in.fixed(" C1", 8);
    else in.str(" C1 ");
    out.str(v > 9.025 ? " C1 " : "C1");
    in.str(" T1 ");
    out.str(" T1 ");
    in.u32(1).u32(2);
    out.u32(1).u32(2);
    if (v > 8.395) in.u32(3);
    out.u32(v > 8.395 ? 3 : 0);
    if (v > 7.995) in.u32(4);
    out.u32(v > 7.995 ? 4 : 0);
    for (int j = 5; j <= 10; ++j) {
        in.u32(j);
        out.u32(j);
    }
    if (v > 8.005) in.u32(11);
    out.u32(v > 8.005 ? 11 : 0xFFFFFFFFu);
    for (int j = 12; j <= 15; ++j) {
        in.u32(j);
        out.u32(j);
    }
    in.i16(-1).u32(16);
    out.i16(-1).u32(16);
    if (v > 8.1905) in.i16(22);  // Short2 above 8.395, dropped below
    out.i16(v > 8.395 ? 22 : 0);
    in.i16(33);
    out.i16(33);
    if (v > 8.045) in.i16(44);
    out.i16(v > 8.045 ? 44 : 0);
    in.i16(55).u32(17).i16(66);
    out.i16(55).u32(17).i16(66);
    if (v > 9.025) in.str("T2");
    out.str(v > 9.025 ? "T2" : "");

    // CL: slot 0 is not carried.
    in.i32(1);
    out.i32(1);
    for (int j = 1; j <= 7; ++j) {
        in.u32(j);
        out.u32(j);
    }
    out.header({{11, 0}}).i32(0);
    for (int j = 0; j <= 10; ++j) in.i32(90 + j);
    for (int j = 1; j <= 10; ++j) out.i32(90 + j);
    for (int j = 8; j <= 11; ++j) {
        in.u32(j);
        out.u32(j);
    }

    // JFLoad and JGDLoad: the components become 0-based arrays.
    for (bool withText : {true, false}) {
        in.i32(1).i16(1).u32(2).u32(3);
        out.i32(1).i16(1).u32(2).u32(3).header({{7, 0}}).f64(0.0);
        for (int j = 1; j <= 6; ++j) {
            in.f64(j + 0.25);
            out.f64(j + 0.25);
        }
        if (!withText) continue;
        in.i16(4);
        out.i16(4);
        if (v > 9.025) in.str("jf");
        out.str(v > 9.025 ? "jf" : "");
    }
    // JTLoad, FCLoad.
    in.i32(1).i16(5).seq(16, 1);
    out.i32(1).i16(5).seq(16, 1);
    in.i32(1).i16(6).seq(40, 20).i16(-6);
    out.i32(1).i16(6).seq(40, 20).i16(-6);
    // FDLoad.
    in.i32(1).i16(7);
    out.i32(1).i16(7);
    for (int j = 1; j <= 13; ++j) {
        in.u32(0x100 + j);
        out.u32(0x100 + j);
        if (j == 5) {
            in.i16(8);
            out.i16(8);
        }
    }
    in.i16(9);
    out.i16(9);
    if (v > 9.025) in.str("fd");
    out.str(v > 9.025 ? "fd" : "");
    // FTLoad, ShULoad, ShTLoad.
    in.i32(1).i16(10).seq(8, 70).i16(11).seq(8, 80);
    out.i32(1).i16(10).seq(8, 70).i16(11).seq(8, 80);
    in.i32(1).i16(12).seq(24, 100).i16(13);
    out.i32(1).i16(12).seq(24, 100).i16(13);
    in.i32(2).i16(14).seq(8, 130).i16(15).seq(8, 140).i16(16).seq(8, 150).i16(17).seq(8, 160);
    out.i32(2).i16(14).seq(8, 130).i16(15).seq(8, 140).i16(16).seq(8, 150).i16(17).seq(8, 160);
    // ShWPLoad: absent up to 7.985, always written.
    if (v > 7.985) {
        in.i32(1).i16(18);
        out.i32(1).i16(18);
        for (int j = 1; j <= 6; ++j) {
            in.u32(j);
            out.u32(j);
        }
        in.i16(19).f64(-1.0).f64(-2.0).f64(-3.0).f64(-4.0);
        out.i16(19).header({{5, 0}}).f64(0.0).f64(-1.0).f64(-2.0).f64(-3.0).f64(-4.0);
    } else {
        out.i32(0);
    }
    return s;
}

TEST(Loads, EveryLayoutInsideItsRangeAndAtItsThreshold) {
    for (double v : {7.0, 7.985, 7.99, 7.995, 8.0, 8.005, 8.01, 8.045, 8.05, 8.075, 8.08, 8.1905, 8.2, 8.395, 8.4,
                     9.025, 9.03, 9.155, 9.16, 9.74}) {
        SCOPED_TRACE(v);
        Step s = LoadStep(v);
        EXPECT_BYTES(RoundTrip(ReadLoadTables, WriteLoadTables, s.in, v), s.out.data);
    }
}

// No combinations: no CL count in either file; all counts zero give eleven zeros.
TEST(Loads, EmptyTablesAndNoCombinations) {
    Bytes in, out;
    in.fill(4 * 11);
    out.fill(4 * 11);
    EXPECT_BYTES(RoundTrip(ReadLoadTables, WriteLoadTables, in, 9.5), out.data);
    Bytes old;
    old.fill(4 * 10);
    EXPECT_BYTES(RoundTrip(ReadLoadTables, WriteLoadTables, old, 7.5), out.data);
}

// A negative count reads no records and is written back; a negative Combo count
// is not zero, so the CL section follows it.
TEST(Loads, NegativeCountsAreCarried) {
    Bytes in, out;
    in.i32(-3).i32(-1).i32(-2);
    out.i32(-3).i32(-1).i32(-2);
    for (int t = 0; t < 9; ++t) {
        in.i32(-1 - t);
        out.i32(-1 - t);
    }
    EXPECT_BYTES(RoundTrip(ReadLoadTables, WriteLoadTables, in, 9.5), out.data);
}

TEST(Loads, DamagedSectionsFailInOrder) {
    kmdtest::MessageCapture capture;
    for (double v : {8.2, 9.74}) {
        Step s = LoadStep(v);
        kmdtest::ExpectDamageHandled(ReadLoadTables, WriteLoadTables, s.in, v);
    }
    // A file that ends inside the combinations names that table.
    Bytes cut = LoadStep(9.74).in;
    cut.data.resize(250);
    try {
        kmdtest::ReadSection(ReadLoadTables, cut, 9.74);
        FAIL() << "no error";
    } catch (const kmd::FormatError& e) {
        EXPECT_EQ(e.table, "Combo");
    }
}

}  // namespace
