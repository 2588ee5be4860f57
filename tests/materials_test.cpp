#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "support/bytes.h"
#include "support/convert.h"
#include "tables/materials.h"

using kmd::FormatError;
using kmdtest::Bytes;

namespace {

enum class Form { A, B, C, Current };

Form FormAt(double v) {
    if (v > 8.1925) return Form::Current;
    if (v > 8.075) return Form::C;
    if (v > 8.005) return Form::B;
    return Form::A;
}

struct Curve {
    std::int32_t pointCount;
    std::int32_t lower;  // lower bound of X and Y
    std::vector<double> x, y;
};

Bytes& Reals(Bytes& b, std::int32_t lower, const std::vector<double>& v) {
    b.header({{std::uint32_t(v.size()), lower}});
    for (double d : v) b.f64(d);
    return b;
}

// Curves as a legacy file holds them, with the given lower bound of the curve array.
Bytes LegacyCurves(std::int32_t lower, const std::vector<Curve>& curves) {
    Bytes b;
    b.header({{std::uint32_t(curves.size()), lower}});
    for (const Curve& c : curves) {
        b.i32(c.pointCount);
        Reals(b, c.lower, c.x);
        Reals(b, c.lower, c.y);
    }
    return b;
}

// A material record of the given form; names and the type are passed as the
// file holds them (fixed forms pad them).
Bytes LegacyMaterial(Form form, std::string_view name, std::string_view type, std::int32_t curveCount,
                     const Bytes& curves, std::uint8_t seed = 1) {
    Bytes b;
    if (form == Form::A || form == Form::B) b.fixed(name, 8).fixed(type, 1);
    else b.str(name).str(type);
    b.seq(94, seed).i32(curveCount).append(curves).seq(20, std::uint8_t(seed + 100));
    if (form == Form::B || form == Form::C) b.str("dropped1").str("dropped2").i32(77).str("d3").str("d4");
    if (form == Form::Current) b.str("added1").i32(42).str("added2");
    return b;
}

// The record as the current file holds it; `curves` are the expected curve bytes
// after the 0-based header and the empty element 0.
Bytes CurrentMaterial(std::string_view name, std::string_view type, std::int32_t curveCount, const Bytes& curves,
                      bool added, std::uint8_t seed = 1) {
    Bytes b;
    b.str(name).str(type).seq(94, seed).i32(curveCount);
    b.header({{std::uint32_t(curveCount + 1), 0}}).i32(0).no_array().no_array().append(curves);
    b.seq(20, std::uint8_t(seed + 100));
    if (added) b.str("added1").i32(42).str("added2");
    else b.str("").i32(0).str("");
    return b;
}

// One curve in the current file: 0-based arrays whose element 0 is 0.0.
Bytes CurrentCurve(const std::vector<double>& x, const std::vector<double>& y) {
    Bytes b;
    b.i32(std::int32_t(x.size()));
    std::vector<double> x0{0.0}, y0{0.0};
    x0.insert(x0.end(), x.begin(), x.end());
    y0.insert(y0.end(), y.begin(), y.end());
    Reals(b, 0, x0);
    Reals(b, 0, y0);
    return b;
}

Bytes Table(std::int32_t count, std::initializer_list<Bytes> records) {
    Bytes b;
    b.i32(count);
    for (const Bytes& r : records) b.append(r);
    return b;
}

const Bytes kNoMT = Bytes().i32(0);

std::vector<std::uint8_t> Convert(const Bytes& section, double version) {
    return kmdtest::RoundTrip(kmd::ReadMaterialTables, kmd::WriteMaterialTables, section, version);
}

FormatError ReadFailure(const Bytes& section, double version) {
    try {
        kmdtest::ReadSection(kmd::ReadMaterialTables, section, version);
    } catch (const FormatError& e) {
        return e;
    }
    ADD_FAILURE() << "no FormatError at version " << version;
    return FormatError("", 0, "");
}

// ---------------------------------------------------------------------------

class MaterialFormTest : public ::testing::TestWithParam<double> {};

// Every form at a version inside its range and at each threshold: names, the
// dropped trailing fields, the added fields and one curve with 1-based points.
TEST_P(MaterialFormTest, ConvertsEveryFormToTheCurrentRecord) {
    const double v = GetParam();
    const Form form = FormAt(v);
    const Curve c{3, 1, {0.0, 0.002, 0.0035}, {0.0, 4.0, 3.4}};
    const bool fixed = form == Form::A || form == Form::B;
    const std::string name1 = fixed ? "A" : "  A ";
    const Bytes legacy = Table(2, {LegacyMaterial(form, name1, "C", 1, LegacyCurves(1, {c}), 1),
                                   LegacyMaterial(form, "STEEL", "S", 0, Bytes().no_array(), 50)});

    std::string want1 = form == Form::A ? "A       " : form == Form::Current ? "  A " : "A";
    const bool added = form == Form::Current;
    const Bytes expected = Table(2, {CurrentMaterial(want1, "C", 1, CurrentCurve(c.x, c.y), added, 1),
                                     CurrentMaterial(form == Form::A ? "STEEL   " : "STEEL", "S", 0, Bytes(), added, 50)})
                               .append(kNoMT);
    EXPECT_BYTES(Convert(Bytes(legacy).append(kNoMT), v), expected.data);
}

INSTANTIATE_TEST_SUITE_P(Versions, MaterialFormTest,
                         ::testing::Values(7.0, 7.5, 8.005,     // form A
                                           8.0051, 8.05, 8.075,  // form B
                                           8.0751, 8.1, 8.1925,  // form C
                                           8.1926, 8.5, 9.5, 9.74));

TEST(Materials, FixedTypeCharacterIsNotTrimmed) {
    const Bytes legacy = Table(1, {LegacyMaterial(Form::B, " X", " ", 0, Bytes().no_array())}).append(kNoMT);
    EXPECT_BYTES(Convert(legacy, 8.03),
                 Table(1, {CurrentMaterial("X", " ", 0, Bytes(), false)}).append(kNoMT).data);
}

// Curves and points are taken by subscript: legacy element 0 is dropped, and
// elements beyond CurveCount / PointCount are neither written nor checked.
TEST(Materials, CurvesAreTakenBySubscript) {
    const Curve zeroBased{2, 0, {9.0, 1.0, 2.0, 99.0}, {9.0, 10.0, 20.0, 99.0}};
    const Curve beyond{5, 1, {}, {}};  // would be corrupt if it were written
    const Curve element0{7, 1, {}, {}};
    for (double v : {7.0, 8.05, 8.1, 9.5}) {
        SCOPED_TRACE(v);
        const Form form = FormAt(v);
        Bytes curves = LegacyCurves(0, {element0, zeroBased, beyond});
        const Bytes legacy = Table(1, {LegacyMaterial(form, "M", "C", 1, curves)}).append(kNoMT);
        const std::string name = form == Form::A ? "M       " : "M";
        EXPECT_BYTES(Convert(legacy, v), Table(1, {CurrentMaterial(name, "C", 1, CurrentCurve({1.0, 2.0}, {10.0, 20.0}),
                                                                   form == Form::Current)})
                                             .append(kNoMT)
                                             .data);
    }
}

TEST(Materials, ZeroCountCurveAndZeroPointCurve) {
    // A curve with PointCount 0 and arrays without storage is written with one 0.0 each.
    Bytes curves;
    curves.header({{1, 1}}).i32(0).no_array().no_array();
    const Bytes legacy = Table(1, {LegacyMaterial(Form::Current, "M", "C", 1, curves)}).append(kNoMT);
    EXPECT_BYTES(Convert(legacy, 9.0),
                 Table(1, {CurrentMaterial("M", "C", 1, CurrentCurve({}, {}), true)}).append(kNoMT).data);
    // CurveCount 0 with a curve array holding curves: one empty element only.
    const Bytes withCurves =
        Table(1, {LegacyMaterial(Form::C, "M", "C", 0, LegacyCurves(1, {Curve{1, 1, {1.0}, {2.0}}}))})
            .append(kNoMT);
    EXPECT_BYTES(Convert(withCurves, 8.1), Table(1, {CurrentMaterial("M", "C", 0, Bytes(), false)}).append(kNoMT).data);
}

TEST(Materials, CountsZeroAndNegative) {
    EXPECT_BYTES(Convert(Bytes().i32(0).i32(0), 9.0), Bytes().i32(0).i32(0).data);
    // A negative count reads no records and is written back as it is.
    EXPECT_BYTES(Convert(Bytes().i32(-3).i32(-1), 7.0), Bytes().i32(-3).i32(-1).data);
    auto cv = kmdtest::ReadSection(kmd::ReadMaterialTables, Bytes().i32(-3).i32(0), 9.0);
    EXPECT_FALSE(cv->model.materials.Material.Allocated());
}

TEST(Materials, AllocatesByTableName) {
    Bytes records;
    for (int i = 0; i < 11; ++i) records.append(LegacyMaterial(Form::C, "M" + std::to_string(i), "C", 0, Bytes().no_array()));
    auto cv = kmdtest::ReadSection(kmd::ReadMaterialTables, Bytes().i32(11).append(records).append(kNoMT), 8.1);
    EXPECT_EQ(cv->model.materials.Material.count, 11);
    EXPECT_EQ(cv->model.materials.Material.capacity, 20);
    EXPECT_EQ(cv->model.materials.Material[11].Name, "M10");
}

TEST(Materials, DamagedCurvesAreCorrupt) {
    struct Case {
        const char* what;
        std::int32_t curveCount;
        Bytes curves;
    };
    const std::vector<Case> cases = {
        {"negative curve count", -1, Bytes().no_array()},
        {"curve count beyond the curves", 2, LegacyCurves(1, {Curve{0, 1, {}, {}}})},
        {"curve 1 only at subscript 0", 1, LegacyCurves(0, {Curve{0, 1, {}, {}}})},
        {"curves without storage", 1, Bytes().no_array()},
        {"negative point count", 1, LegacyCurves(1, {Curve{-1, 1, {}, {}}})},
        {"points beyond X", 1, LegacyCurves(1, {Curve{3, 1, {1, 2}, {1, 2}}})},
        {"points 1..n missing with lower bound 2", 1, LegacyCurves(1, {Curve{2, 2, {1, 2}, {1, 2}}})},
        {"two-dimensional point array", 1,
         Bytes().header({{1, 1}}).i32(1).header({{1, 1}, {1, 1}}).f64(1).header({{1, 1}}).f64(2)},
    };
    for (double v : {7.0, 8.05, 8.1, 9.5}) {
        for (const Case& c : cases) {
            const Bytes section = Table(1, {LegacyMaterial(FormAt(v), "M", "C", c.curveCount, c.curves)});
            FormatError e = ReadFailure(Bytes(section).append(kNoMT), v);
            EXPECT_EQ(e.table, "Material") << c.what << " at " << v;
            EXPECT_EQ(e.offset, 4u) << c.what << " at " << v;  // start of the record
        }
    }
}

TEST(Materials, CountBeyondTheFileIsCorruptBeforeAllocating) {
    FormatError e = ReadFailure(Bytes().i32(1000000).fill(200), 9.5);
    EXPECT_EQ(e.table, "Material");
    e = ReadFailure(Bytes().i32(0).i32(2).fill(332), 8.0);  // two MT blocks need 664 bytes
    EXPECT_EQ(e.table, "MT");
}

// ---------------------------------------------------------------------------
// MT

struct MTValues {
    std::vector<std::vector<double>> arrays;  // six groups, 3, 3, 15, 6, 6, 6 values
};

MTValues SampleMT() {
    MTValues m;
    const int sizes[6] = {3, 3, 15, 6, 6, 6};
    double x = 0.5;
    for (int s : sizes) {
        std::vector<double> a;
        for (int i = 0; i < s; ++i) a.push_back(x += 1.0);
        m.arrays.push_back(a);
    }
    return m;
}

Bytes MTBlock(const MTValues& m) {
    Bytes b;
    b.i32(11).i32(12).i32(13);
    for (int k = 0; k < 5; ++k)
        for (double d : m.arrays[k]) b.f64(d);
    b.i32(14).i32(15);
    for (double d : m.arrays[5]) b.f64(d);
    return b;
}

// The straight record; `extra` elements are prepended (as element 0 when lower
// is 0) and appended beyond the fixed bound.
Bytes MTStraight(const MTValues& m, std::int32_t lower) {
    Bytes b;
    b.i32(11).i32(12).i32(13);
    auto arr = [&](const std::vector<double>& a) {
        std::vector<double> v;
        if (lower == 0) v.push_back(-1.0);
        v.insert(v.end(), a.begin(), a.end());
        v.push_back(-2.0);  // beyond the fixed bound: not written
        Reals(b, lower, v);
    };
    for (int k = 0; k < 5; ++k) arr(m.arrays[k]);
    b.i32(14).i32(15);
    arr(m.arrays[5]);
    return b;
}

Bytes MTCurrent(const MTValues& m) {
    Bytes b;
    b.i32(11).i32(12).i32(13);
    auto arr = [&](const std::vector<double>& a) {
        std::vector<double> v{0.0};
        v.insert(v.end(), a.begin(), a.end());
        Reals(b, 0, v);
    };
    for (int k = 0; k < 5; ++k) arr(m.arrays[k]);
    b.i32(14).i32(15);
    arr(m.arrays[5]);
    return b;
}

TEST(MT, PlainBlockUpTo8075) {
    const MTValues m = SampleMT();
    EXPECT_EQ(MTBlock(m).size(), 332u);
    for (double v : {7.0, 8.005, 8.075}) {
        SCOPED_TRACE(v);
        const Bytes legacy = Bytes().i32(0).i32(2).append(MTBlock(m)).append(MTBlock(m));
        EXPECT_BYTES(Convert(legacy, v), Bytes().i32(0).i32(2).append(MTCurrent(m)).append(MTCurrent(m)).data);
    }
}

TEST(MT, StraightRecordAbove8075TakesElementsBySubscript) {
    const MTValues m = SampleMT();
    for (double v : {8.0751, 8.1925, 9.5}) {
        for (std::int32_t lower : {0, 1}) {
            SCOPED_TRACE(testing::Message() << "version " << v << " lower " << lower);
            const Bytes legacy = Bytes().i32(0).i32(1).append(MTStraight(m, lower));
            EXPECT_BYTES(Convert(legacy, v), Bytes().i32(0).i32(1).append(MTCurrent(m)).data);
        }
    }
}

TEST(MT, ShortArrayIsCorrupt) {
    const MTValues m = SampleMT();
    Bytes rec;
    rec.i32(11).i32(12).i32(13);
    for (int k = 0; k < 5; ++k) Reals(rec, 1, m.arrays[k]);
    rec.i32(14).i32(15);
    Reals(rec, 1, {1, 2, 3, 4, 5});  // Array6 needs 1..6
    FormatError e = ReadFailure(Bytes().i32(0).i32(1).append(rec), 9.0);
    EXPECT_EQ(e.table, "MT");
    EXPECT_EQ(e.offset, 8u);
}

}  // namespace

namespace {

// Form A keeps the whole fixed name, leading blanks included; form C keeps the
// type string as it is and trims only the name.
TEST(Materials, BlanksInNamesAndTypesByForm) {
    const Bytes formA = Table(1, {LegacyMaterial(Form::A, " AB", "S", 0, Bytes().no_array())}).append(kNoMT);
    EXPECT_BYTES(Convert(formA, 8.005), Table(1, {CurrentMaterial(" AB     ", "S", 0, Bytes(), false)}).append(kNoMT).data);
    const Bytes formC = Table(1, {LegacyMaterial(Form::C, " A B ", " S ", 0, Bytes().no_array())}).append(kNoMT);
    EXPECT_BYTES(Convert(formC, 8.0751), Table(1, {CurrentMaterial("A B", " S ", 0, Bytes(), false)}).append(kNoMT).data);
}

// Curves the writer never takes (element 0, beyond CurveCount) may hold anything.
TEST(Materials, CurvesNotWrittenAreNeverChecked) {
    Bytes bad2d;
    bad2d.i32(-4).header({{1, 1}, {1, 1}}).f64(1).no_array();
    const Curve good{1, 1, {5.0}, {6.0}};
    for (double v : {7.0, 8.0751, 9.74}) {
        SCOPED_TRACE(v);
        Bytes curves;
        curves.header({{3, 0}}).append(bad2d);
        curves.i32(good.pointCount);
        Reals(curves, 1, good.x);
        Reals(curves, 1, good.y);
        curves.append(bad2d);
        const Form form = FormAt(v);
        const Bytes legacy = Table(1, {LegacyMaterial(form, "M", "C", 1, curves)}).append(kNoMT);
        EXPECT_BYTES(Convert(legacy, v),
                     Table(1, {CurrentMaterial(form == Form::A ? "M       " : "M", "C", 1, CurrentCurve({5.0}, {6.0}),
                                               form == Form::Current)})
                         .append(kNoMT)
                         .data);
    }
}

TEST(MT, StraightArrayStartingAfterElement1IsCorrupt) {
    const MTValues m = SampleMT();
    Bytes rec;
    rec.i32(11).i32(12).i32(13);
    Reals(rec, 2, {1, 2, 3, 4});  // subscripts 2..5: element 1 missing
    for (int k = 1; k < 5; ++k) Reals(rec, 1, m.arrays[k]);
    rec.i32(14).i32(15);
    Reals(rec, 1, m.arrays[5]);
    FormatError e = ReadFailure(Bytes().i32(0).i32(1).append(rec), 8.0751);
    EXPECT_EQ(e.table, "MT");
    EXPECT_EQ(e.offset, 8u);
}

}  // namespace
