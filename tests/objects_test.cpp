// Point, line and area objects: every legacy form, built byte by byte field
// group by field group, against the exact bytes of the current file.
#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "support/convert.h"
#include "tables/labels.h"
#include "tables/objects.h"
#include "tools/example_objects.h"

using kmd::FormatError;
using kmdtest::Bytes;

namespace {

// Bytes of one record, one entry per field number (entry 0 unused).
using Fields = std::vector<Bytes>;

Bytes Zeros(std::size_t n) { return Bytes().fill(n); }
Bytes I16s(std::initializer_list<std::int16_t> v) {
    Bytes b;
    for (auto x : v) b.i16(x);
    return b;
}
Bytes I32s(std::initializer_list<std::int32_t> v) {
    Bytes b;
    for (auto x : v) b.i32(x);
    return b;
}
Bytes Part(const Bytes& b, std::size_t from, std::size_t n) { return Bytes().raw(b.data.data() + from, n); }

// Elements given as bytes, written with bounds 0..n and a zero element 0.
Bytes ZeroBased(const Bytes& elements, std::size_t elementSize) {
    Bytes b;
    b.header({{std::uint32_t(elements.size() / elementSize + 1), 0}}).fill(elementSize).append(elements);
    return b;
}
// Nine reals held by columns, written as a 0-based array row after row.
Bytes MatrixByRows(const Bytes& byColumns) {
    Bytes rows;
    for (std::size_t i = 0; i < 3; ++i)
        for (std::size_t j = 0; j < 3; ++j) rows.append(Part(byColumns, (j * 3 + i) * 8, 8));
    return ZeroBased(rows, 8);
}

Bytes Concat(const Fields& f, std::initializer_list<int> numbers) {
    Bytes b;
    for (int k : numbers) b.append(f[k]);
    return b;
}

// A section of the three object tables, each a count and its records.
Bytes Section(std::int32_t points, const Bytes& pointRecords, std::int32_t lines, const Bytes& lineRecords,
              std::int32_t areas, const Bytes& areaRecords) {
    Bytes b;
    b.i32(points).append(pointRecords).i32(lines).append(lineRecords).i32(areas).append(areaRecords);
    return b;
}

std::vector<std::uint8_t> Convert(const Bytes& section, double version) {
    return kmdtest::RoundTrip(kmd::ReadObjectTables, kmd::WriteObjectTables, section, version);
}

// ---------------------------------------------------------------------------
// Point objects

// Field sizes: 2: 8, 3: 4, 4: 4, 5: 32, 6: 8, 7: 8, 8: 8, 9: 8, 10: 18, 11: 4.
Fields PointFields(std::uint8_t seed, const std::string& label, const std::string& text) {
    Fields f(13);
    f[1] = Bytes().str(label);
    const std::size_t sizes[] = {0, 0, 8, 4, 4, 32, 8, 8, 8, 8, 18, 4};
    for (int k = 2; k <= 11; ++k) f[k] = Bytes().seq(sizes[k], std::uint8_t(seed + 16 * k));
    f[12] = Bytes().str(text);
    return f;
}

Fields PointDefaults() {
    Fields f = PointFields(0, "", "");
    for (int k = 2; k <= 11; ++k) f[k] = Zeros(f[k].size());
    f[3] = I32s({1});
    f[4] = I32s({6});
    f[6] = I16s({0, -1, -1, 0});
    f[7] = I16s({-1, -1, -1, -1});
    return f;
}

Bytes CurrentPoint(const Fields& e) {
    Bytes b = Concat(e, {1, 2, 3, 4, 5, 6});
    b.append(ZeroBased(e[7], 2)).append(ZeroBased(e[8], 2));
    return b.append(Concat(e, {9, 10, 11, 12}));
}

struct Converted {
    Bytes legacy;
    Bytes current;
};

Converted PointUpTo7985(std::uint8_t seed) {
    Fields f = PointFields(seed, "P" + std::to_string(seed), "");
    Bytes legacy = Concat(f, {1, 2, 3});
    legacy.i32(0x5A5A5A5A).append(Concat(f, {5, 6, 7, 8, 9, 11}));
    Fields e = PointDefaults();
    for (int k : {1, 2, 3, 5, 6, 7, 8, 9, 11}) e[k] = f[k];
    return {legacy, CurrentPoint(e)};
}

Converted PointUpTo9025(std::uint8_t seed) {
    Fields f = PointFields(seed, "P" + std::to_string(seed), "");
    Fields e = f;
    return {Concat(f, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}), CurrentPoint(e)};
}

Converted PointCurrent(std::uint8_t seed) {
    Fields f = PointFields(seed, "P" + std::to_string(seed), "note " + std::to_string(seed));
    return {Concat(f, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}), CurrentPoint(f)};
}

TEST(PointObjects, EachLegacyFormInItsRangeAndAtItsThreshold) {
    struct Case {
        double version;
        Converted (*make)(std::uint8_t);
    };
    for (Case c : {Case{7.0, PointUpTo7985}, Case{7.985, PointUpTo7985}, Case{8.0, PointUpTo9025},
                   Case{9.025, PointUpTo9025}, Case{9.03, PointCurrent}, Case{9.74, PointCurrent}}) {
        SCOPED_TRACE(c.version);
        Converted a = c.make(3), b = c.make(101);
        Bytes records = Bytes().append(a.legacy).append(b.legacy);
        Bytes expected = Bytes().append(a.current).append(b.current);
        EXPECT_BYTES(Convert(Section(2, records, 0, {}, 0, {}), c.version), Section(2, expected, 0, {}, 0, {}).data);
    }
}

// ---------------------------------------------------------------------------
// Line objects

constexpr std::size_t kLineSizes[] = {0,  0, 8,  8, 12, 2, 8,  8, 8, 8, 2, 12, 72, 16, 4, 4, 2, 8, 4,
                                      2, 24, 4, 2,  2,  24, 2, 2, 28, 4, 4, 16, 28, 6, 8, 8, 40};

Fields LineFields(std::uint8_t seed, const std::string& label, const std::string& text, std::int16_t lswitch) {
    Fields f(37);
    f[1] = Bytes().str(label);
    for (int k = 2; k <= 35; ++k) f[k] = Bytes().seq(kLineSizes[k], std::uint8_t(seed + 7 * k));
    f[22] = I16s({lswitch});
    f[36] = Bytes().str(text);
    return f;
}

Fields LineDefaults() {
    Fields f(37);
    f[1] = f[36] = Bytes().str("");
    for (int k = 2; k <= 35; ++k) f[k] = Zeros(kLineSizes[k]);
    f[4] = I32s({1, 6, 4});
    f[8] = Bytes().f64(1.0);
    f[17] = Bytes().f64(24.0);
    f[18] = I32s({3});
    f[19] = I16s({-1});
    f[21] = I32s({10});
    f[25] = I16s({1});
    f[32] = I16s({-1, -1, 0});
    f[33] = I16s({-1, -1, -1, -1});
    return f;
}

Bytes CurrentLine(const Fields& e) {
    Bytes b = Concat(e, {1, 2});
    b.append(ZeroBased(e[3], 4)).append(Concat(e, {4, 5, 6, 7, 8, 9, 10, 11})).append(MatrixByRows(e[12]));
    b.append(Concat(e, {13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23})).append(ZeroBased(e[24], 4));
    b.append(Concat(e, {25, 26, 27, 28, 29, 30, 31, 32}));
    b.append(ZeroBased(e[33], 2)).append(ZeroBased(e[34], 2)).append(Concat(e, {35, 36}));
    return b;
}

// The fields no legacy form keeps: LCode1, LZero1, LCode8, LCode9, LZero2, LText.
void ExpectLegacyResets(Fields& e) {
    e[5] = Zeros(2);
    e[7] = Zeros(8);
    e[29] = Zeros(4);
    e[30] = Zeros(16);
    e[36] = Bytes().str("");
}

Converted LineL1(std::uint8_t seed, std::int16_t legacySwitch) {
    Fields f = LineFields(seed, "L1-" + std::to_string(seed), "", 0);
    const Bytes values25to29 = Part(f[27], 0, 20), value31 = Part(f[27], 24, 4), tail = Part(f[35], 0, 8);
    Bytes legacy = Concat(f, {1, 2, 3, 4, 6, 8, 11, 12, 13, 15, 16, 17, 18, 19, 20, 24});
    legacy.i16(legacySwitch).append(values25to29).append(value31);
    legacy.append(Concat(f, {28, 31, 32, 33, 34})).append(tail);

    Fields e = LineDefaults();
    for (int k : {1, 2, 3, 4, 6, 8, 11, 12, 13, 15, 16, 17, 18, 19, 20, 24, 28, 31, 32, 33, 34}) e[k] = f[k];
    e[25] = I16s({std::int16_t(legacySwitch != 0 ? 2 : 0)});
    e[27] = Bytes().append(values25to29).fill(4).append(value31);
    e[35] = Bytes().append(tail).fill(32);
    return {legacy, CurrentLine(e)};
}

template <int Form>
Converted LineL2To4(std::uint8_t seed, std::int16_t legacySwitch) {
    Fields f = LineFields(seed, "L" + std::to_string(Form) + "-" + std::to_string(seed), "", legacySwitch);
    std::vector<int> carried = {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13};
    if (Form >= 3) carried.push_back(14);
    for (int k : {15, 16, 17, 18, 19, 20, 21, 22}) carried.push_back(k);
    if (Form >= 4) carried.push_back(23);
    for (int k : {24, 25, 26, 27, 28, 31, 32, 33, 34}) carried.push_back(k);
    Bytes legacy;
    for (int k : carried) legacy.append(f[k]);
    legacy.append(f[35]);

    Fields e = LineDefaults();
    for (int k : carried) e[k] = f[k];
    ExpectLegacyResets(e);
    if (Form <= 3) {
        e[22] = I16s({std::int16_t(~legacySwitch)});
        e[23] = Zeros(2);
    }
    e[35] = Bytes().append(Part(f[35], 0, 8)).fill(32);
    return {legacy, CurrentLine(e)};
}

Converted LineL5(std::uint8_t seed, std::int16_t legacySwitch) {
    Fields f = LineFields(seed, "L5-" + std::to_string(seed), "", legacySwitch);
    Bytes legacy;
    for (int k = 1; k <= 35; ++k) legacy.append(f[k]);
    Fields e = f;
    ExpectLegacyResets(e);
    return {legacy, CurrentLine(e)};
}

Converted LineCurrent(std::uint8_t seed, std::int16_t legacySwitch) {
    Fields f = LineFields(seed, "L6-" + std::to_string(seed), "text", legacySwitch);
    Bytes legacy;
    for (int k = 1; k <= 36; ++k) legacy.append(f[k]);
    return {legacy, CurrentLine(f)};  // read straight: nothing is reset
}

TEST(LineObjects, EachLegacyFormInItsRangeAndAtItsThreshold) {
    struct Case {
        double version;
        Converted (*make)(std::uint8_t, std::int16_t);
    };
    for (Case c : {Case{7.0, LineL1}, Case{7.985, LineL1}, Case{8.0, LineL2To4<2>}, Case{8.005, LineL2To4<2>},
                   Case{8.03, LineL2To4<3>}, Case{8.055, LineL2To4<3>}, Case{8.1, LineL2To4<4>},
                   Case{8.195, LineL2To4<4>}, Case{8.5, LineL5}, Case{9.025, LineL5}, Case{9.5, LineCurrent},
                   Case{9.74, LineCurrent}}) {
        SCOPED_TRACE(c.version);
        // Two records, so that nothing of the first leaks into the second.
        Converted a = c.make(5, 1), b = c.make(130, 0);
        Bytes records = Bytes().append(a.legacy).append(b.legacy);
        Bytes expected = Bytes().append(a.current).append(b.current);
        EXPECT_BYTES(Convert(Section(0, {}, 2, records, 0, {}), c.version), Section(0, {}, 2, expected, 0, {}).data);
    }
}

// Reads one line of the given form and returns the in-memory record.
template <class Make>
kmd::LineObjectRecord ReadOneLine(Make make, std::int16_t legacySwitch, double version) {
    auto cv = kmdtest::ReadSection(kmd::ReadObjectTables, Section(0, {}, 1, make(9, legacySwitch).legacy, 0, {}),
                                   version);
    return cv->model.objects.LineObjects[1];
}

TEST(LineObjects, LegacySwitchRecodes) {
    // Up to 7.985 the switch picks LCode6: 2 when set, 0 when clear.
    EXPECT_EQ(ReadOneLine(LineL1, 1, 7.5).LCode6, 2);
    EXPECT_EQ(ReadOneLine(LineL1, -1, 7.5).LCode6, 2);
    EXPECT_EQ(ReadOneLine(LineL1, 0, 7.5).LCode6, 0);
    EXPECT_EQ(ReadOneLine(LineL1, 1, 7.5).LSwitch, 0);
    // L2 and L3 hold LSwitch with the opposite sense: the 16-bit complement.
    EXPECT_EQ(ReadOneLine(LineL2To4<3>, -1, 8.03).LSwitch, 0);
    EXPECT_EQ(ReadOneLine(LineL2To4<3>, -1, 8.03).LCode5, 0);
    EXPECT_EQ(ReadOneLine(LineL2To4<2>, 0, 8.0).LSwitch, -1);
    EXPECT_EQ(ReadOneLine(LineL2To4<2>, 1, 8.0).LSwitch, -2);
    // From L4 on it is carried as it is.
    EXPECT_EQ(ReadOneLine(LineL2To4<4>, 1, 8.1).LSwitch, 1);
    EXPECT_EQ(ReadOneLine(LineL5, -1, 8.5).LSwitch, -1);
}

TEST(LineObjects, MatrixIsWrittenRowAfterRow) {
    // Held by columns: m11 m21 m31 m12 m22 m32 m13 m23 m33.
    Fields f = LineFields(1, "M", "", 0);
    f[12] = Bytes().f64(11).f64(21).f64(31).f64(12).f64(22).f64(32).f64(13).f64(23).f64(33);
    Bytes legacy;
    for (int k = 1; k <= 36; ++k) legacy.append(f[k]);
    auto out = Convert(Section(0, {}, 1, legacy, 0, {}), 9.5);
    Bytes rows;
    rows.header({{10, 0}});
    for (double v : {0.0, 11.0, 12.0, 13.0, 21.0, 22.0, 23.0, 31.0, 32.0, 33.0}) rows.f64(v);
    const std::size_t at = 4 + 4 + Concat(f, {1, 2}).size() + 2 + 8 + 12 + Concat(f, {4, 5, 6, 7, 8, 9, 10, 11}).size();
    ASSERT_GE(out.size(), at + rows.size());
    EXPECT_BYTES(std::vector<std::uint8_t>(out.begin() + at, out.begin() + at + rows.size()), rows.data);
}

// ---------------------------------------------------------------------------
// Area objects

constexpr std::size_t kAreaSizes[] = {0, 0, 8, 4, 0, 4, 12, 4, 8, 8, 2, 16, 72, 32,
                                      44, 4, 28, 10, 8, 8, 10, 0, 8, 8, 40};

// The item count is the size of the first array unless given.
Fields AreaFields(std::uint8_t seed, const std::string& label, const std::string& text,
                  std::initializer_list<std::int32_t> items1, std::initializer_list<std::int32_t> items2,
                  std::int32_t lower = 1, std::int32_t itemCount = -1) {
    Fields f(26);
    f[1] = Bytes().str(label);
    for (int k = 2; k <= 24; ++k) f[k] = Bytes().seq(kAreaSizes[k], std::uint8_t(seed + 11 * k));
    f[3] = I32s({itemCount >= 0 ? itemCount : std::int32_t(items1.size())});
    f[4] = Bytes().arr_i32(lower, items1);
    f[21] = Bytes().arr_i32(lower, items2);
    f[25] = Bytes().str(text);
    return f;
}

// Expected fields: defaults, with the item arrays already in their current form.
Fields AreaDefaults(double areaReal2 = 48.0) {
    Fields f(26);
    f[1] = f[25] = Bytes().str("");
    for (int k = 2; k <= 24; ++k) f[k] = Zeros(kAreaSizes[k]);
    f[6] = I32s({1, 6, 4});
    f[8] = Bytes().f64(1.0);
    f[17] = I16s({0, -1, -1, 0, 0});
    f[18] = Bytes().f64(areaReal2);
    f[19] = I32s({1, 1});
    f[20] = I16s({0, -1, -1, -1, 0});
    f[22] = I16s({-1, -1, -1, -1});
    return f;
}

Bytes Items0(std::initializer_list<std::int32_t> items) { return ZeroBased(I32s(items), 4); }

Bytes CurrentArea(const Fields& e) {
    Bytes b = Concat(e, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    b.append(MatrixByRows(e[12])).append(ZeroBased(e[13], 8));
    b.append(Concat(e, {14, 15, 16, 17, 18, 19, 20, 21}));
    b.append(ZeroBased(e[22], 2)).append(ZeroBased(e[23], 2)).append(Concat(e, {24, 25}));
    return b;
}

const std::initializer_list<std::int32_t> kItems1 = {7, 8, 9}, kItems2 = {-1, 0, 5};

Converted AreaA1(std::uint8_t seed, double areaReal2) {
    Fields f = AreaFields(seed, "A1-" + std::to_string(seed), "", kItems1, kItems2);
    const Bytes code4 = Part(f[17], 0, 2), codes11to13 = Part(f[20], 4, 6), tail = Part(f[24], 0, 8);
    Bytes legacy = Concat(f, {1, 2, 3, 4, 5, 6, 7, 8, 11, 12, 13, 14, 16});
    legacy.append(code4).append(codes11to13).append(Concat(f, {21, 22, 23})).append(tail);

    Fields e = AreaDefaults(areaReal2);
    for (int k : {1, 2, 3, 5, 6, 7, 8, 11, 12, 13, 14, 16, 22, 23}) e[k] = f[k];
    e[4] = Items0(kItems1);
    e[21] = Items0(kItems2);
    e[17] = Bytes().append(code4).append(I16s({-1, -1, 0, 0}));
    e[20] = Bytes().append(I16s({0, 0})).append(codes11to13);
    e[24] = Bytes().append(tail).fill(32);
    return {legacy, CurrentArea(e)};
}

Converted AreaA2(std::uint8_t seed, double) {
    // Lower bound 0 and one element more than the count: element 0 is dropped,
    // 1..3 are taken by subscript.
    Fields f = AreaFields(seed, "A2-" + std::to_string(seed), "", {6, 7, 8, 9}, {-5, -1, 0, 5}, 0, 3);
    const Bytes codes10to13 = Part(f[20], 2, 8);
    Bytes legacy = Concat(f, {1, 2, 3, 4, 5, 6, 7, 8});
    legacy.append(f[9]).append(f[10]).append(Concat(f, {11, 12, 13, 14, 16, 17, 18}));
    legacy.append(f[19]).append(codes10to13).append(Concat(f, {21, 22, 23, 24}));

    Fields e = AreaDefaults();
    for (int k : {1, 2, 3, 5, 6, 7, 8, 11, 12, 13, 14, 16, 17, 18, 22, 23}) e[k] = f[k];
    e[4] = Items0({7, 8, 9});
    e[21] = Items0({-1, 0, 5});
    e[20] = Bytes().append(I16s({0})).append(codes10to13);
    e[24] = Bytes().append(Part(f[24], 0, 8)).fill(32);
    return {legacy, CurrentArea(e)};
}

Converted AreaA3(std::uint8_t seed, double) {
    Fields f = AreaFields(seed, "A3-" + std::to_string(seed), "", kItems1, kItems2);
    const Bytes codes10to13 = Part(f[20], 2, 8);
    Bytes legacy = Concat(f, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19});
    legacy.append(codes10to13).append(Concat(f, {21, 22, 23, 24}));

    Fields e = f;
    e[4] = Items0(kItems1);
    e[21] = Items0(kItems2);
    e[15] = Zeros(4);
    e[20] = Bytes().append(I16s({0})).append(codes10to13);
    e[24] = Bytes().append(Part(f[24], 0, 32)).fill(8);
    return {legacy, CurrentArea(e)};
}

Converted AreaCurrent(std::uint8_t seed, double) {
    Fields f = AreaFields(seed, "A4-" + std::to_string(seed), "text", kItems1, kItems2);
    Bytes legacy;
    for (int k = 1; k <= 25; ++k) legacy.append(f[k]);
    Fields e = f;  // read straight: nothing is reset
    e[4] = Items0(kItems1);
    e[21] = Items0(kItems2);
    return {legacy, CurrentArea(e)};
}

TEST(AreaObjects, EachLegacyFormInItsRangeAndAtItsThreshold) {
    struct Case {
        double version;
        Converted (*make)(std::uint8_t, double);
    };
    for (Case c : {Case{7.0, AreaA1}, Case{7.985, AreaA1}, Case{8.0, AreaA2}, Case{8.005, AreaA2},
                   Case{8.5, AreaA3}, Case{9.025, AreaA3}, Case{9.03, AreaCurrent}, Case{9.74, AreaCurrent}}) {
        SCOPED_TRACE(c.version);
        Converted a = c.make(2, 48.0), b = c.make(77, 48.0);
        Bytes records = Bytes().append(a.legacy).append(b.legacy);
        Bytes expected = Bytes().append(a.current).append(b.current);
        EXPECT_BYTES(Convert(Section(0, {}, 0, {}, 2, records), c.version), Section(0, {}, 0, {}, 2, expected).data);
    }
}

TEST(AreaObjects, NoItemsGiveOneElementArrays) {
    Fields f = AreaFields(4, "A", "", {}, {});
    f[4] = f[21] = Bytes().no_array();  // an array without storage holds no elements either
    Bytes legacy;
    for (int k = 1; k <= 25; ++k) legacy.append(f[k]);
    Fields e = f;
    e[4] = e[21] = Bytes().header({{1, 0}}).i32(0);  // bounds 0..0 holding 0
    EXPECT_BYTES(Convert(Section(0, {}, 0, {}, 1, legacy), 9.5), Section(0, {}, 0, {}, 1, CurrentArea(e)).data);
}

// ---------------------------------------------------------------------------
// Units: defaults are built in the start-up system, the A1 rule uses the model's.

TEST(ObjectDefaults, BuiltWithTheStartUpUnitSystem) {
    auto cv = kmdtest::NewConversion();
    const auto& d = cv->model.objects;
    EXPECT_EQ(d.DefaultLineObject.LReal2, 24.0);
    EXPECT_EQ(d.DefaultAreaObject.AReal2, 48.0);
    EXPECT_EQ(d.DefaultPointObject.PValue4, 6);

    kmd::ObjectData other;
    other.BuildDefaults(1000);
    EXPECT_EQ(other.DefaultLineObject.LReal2, 500.0);
    EXPECT_EQ(other.DefaultAreaObject.AReal2, 1000.0);
    other.BuildDefaults(1);
    EXPECT_EQ(other.DefaultLineObject.LReal2, 0.5);
}

TEST(ObjectDefaults, OldestAreasTakeTheModelsDefaultLength) {
    struct Case {
        std::int32_t units;
        double length;
    };
    for (Case c : {Case{6, 1.0}, Case{5, 1000.0}, Case{2, 4.0}, Case{14, 100.0}, Case{3, 48.0}}) {
        SCOPED_TRACE(c.units);
        auto cv = kmdtest::NewConversion();
        cv->FileVersion = 7.5;
        cv->run.CurrentUnits = c.units;  // as the first section leaves it
        Converted a = AreaA1(1, c.length);
        Bytes section = Section(0, {}, 0, {}, 1, a.legacy);
        kmd::Reader in(section.data);
        kmd::ReadObjectTables(in, *cv);
        EXPECT_EQ(in.Offset(), section.size());
        EXPECT_BYTES(kmdtest::WriteSection(kmd::WriteObjectTables, *cv), Section(0, {}, 0, {}, 1, a.current).data);
        // The default records stay as start-up built them.
        EXPECT_EQ(cv->model.objects.DefaultAreaObject.AReal2, 48.0);
        EXPECT_EQ(cv->model.objects.DefaultLineObject.LReal2, 24.0);
    }
}

TEST(ObjectDefaults, NewerFormsKeepTheirOwnLengthsInAnyUnitSystem) {
    // A2 and A3 carry AReal2; every line form carries LReal2.
    struct Case {
        double version;
        Converted line, area;
    };
    for (const Case& c : {Case{7.5, LineL1(3, 0), {}}, Case{8.0, LineL2To4<2>(3, 0), AreaA2(1, 0)},
                          Case{8.5, LineL5(3, 0), AreaA3(1, 0)}}) {
        SCOPED_TRACE(c.version);
        const bool withArea = c.area.legacy.size() > 0;
        auto cv = kmdtest::NewConversion();
        cv->FileVersion = c.version;
        cv->run.CurrentUnits = 6;
        Bytes section = Section(0, {}, 1, c.line.legacy, withArea ? 1 : 0, withArea ? c.area.legacy : Bytes());
        kmd::Reader in(section.data);
        kmd::ReadObjectTables(in, *cv);
        EXPECT_BYTES(kmdtest::WriteSection(kmd::WriteObjectTables, *cv),
                     Section(0, {}, 1, c.line.current, withArea ? 1 : 0, withArea ? c.area.current : Bytes()).data);
    }
}

// ---------------------------------------------------------------------------
// Tables and damaged files

TEST(ObjectTables, CountsAndCapacities) {
    // A negative count reads no records and is written back as held.
    EXPECT_BYTES(Convert(Section(-3, {}, 0, {}, 1, AreaCurrent(1, 0).legacy), 9.5),
                 Section(-3, {}, 0, {}, 1, AreaCurrent(1, 0).current).data);
    const Bytes negative = Section(0, {}, -1, {}, std::numeric_limits<std::int32_t>::min(), {});
    for (double version : {7.5, 8.03, 8.5, 9.5}) EXPECT_BYTES(Convert(negative, version), negative.data);

    Bytes records, expected;
    for (int i = 0; i < 21; ++i) {
        Converted c = PointUpTo9025(std::uint8_t(i));
        records.append(c.legacy);
        expected.append(c.current);
    }
    auto cv = kmdtest::ReadSection(kmd::ReadObjectTables, Section(21, records, 0, {}, 0, {}), 8.5);
    EXPECT_EQ(cv->model.objects.PointObjects.count, 21);
    EXPECT_EQ(cv->model.objects.PointObjects.capacity, 40);
    EXPECT_EQ(cv->model.objects.LineObjects.capacity, 0);
    EXPECT_BYTES(kmdtest::WriteSection(kmd::WriteObjectTables, *cv), Section(21, expected, 0, {}, 0, {}).data);
}

// Reads `section` and returns the error it raises.
FormatError ReadError(const Bytes& section, double version) {
    try {
        kmdtest::ReadSection(kmd::ReadObjectTables, section, version);
    } catch (const FormatError& e) {
        return e;
    }
    ADD_FAILURE() << "no error";
    return FormatError("", 0, "");
}

TEST(ObjectTables, DamagedRecordsStopWithTheTableAndOffset) {
    const std::size_t areasAt = 12;     // after the two empty tables and the area count
    const std::size_t itemCountAt = 14;  // after a label of 4 characters, AValue1 and AValue2
    for (double version : {7.5, 8.0, 8.5, 9.5}) {
        SCOPED_TRACE(version);
        auto make = version <= 7.985 ? AreaA1 : version <= 8.005 ? AreaA2 : version <= 9.025 ? AreaA3 : AreaCurrent;
        const Bytes good = make(1, 48.0).legacy;
        const std::size_t second = areasAt + good.size();

        // An item count the arrays cannot supply.
        Bytes tooMany = good;
        tooMany.data[itemCountAt] = 4;
        FormatError e = ReadError(Section(0, {}, 0, {}, 2, Bytes().append(good).append(tooMany)), version);
        EXPECT_EQ(e.table, "AreaObjects");
        EXPECT_EQ(e.offset, second);
        EXPECT_NE(std::string(e.what()).find("AItems1"), std::string::npos) << e.what();

        Bytes negative = good;
        for (int i = 0; i < 4; ++i) negative.data[itemCountAt + i] = 0xFF;
        e = ReadError(Section(0, {}, 0, {}, 2, Bytes().append(good).append(negative)), version);
        EXPECT_EQ(e.offset, second);
        EXPECT_NE(std::string(e.what()).find("negative"), std::string::npos) << e.what();

        Bytes cut;
        cut.raw(good.data.data(), good.size() - 1);
        e = ReadError(Section(0, {}, 0, {}, 1, cut), version);
        EXPECT_EQ(e.table, "AreaObjects");
    }
}

TEST(ObjectTables, SecondItemArrayIsCheckedToo) {
    Fields f = AreaFields(1, "x", "", {1, 2}, {3});
    Bytes legacy;
    for (int k = 1; k <= 25; ++k) legacy.append(f[k]);
    FormatError e = ReadError(Section(0, {}, 0, {}, 1, legacy), 9.5);
    EXPECT_EQ(e.offset, 12u);
    EXPECT_NE(std::string(e.what()).find("AItems2"), std::string::npos) << e.what();
}

TEST(ObjectTables, DamagedSectionsEitherConvertOrFailCleanly) {
    // Whatever the reader accepts, the writer must write: every array it rebuilds
    // has been checked while reading.
    struct Case {
        double version;
        Converted (*point)(std::uint8_t);
        Converted (*line)(std::uint8_t, std::int16_t);
        Converted (*area)(std::uint8_t, double);
    };
    const Case cases[] = {{7.985, PointUpTo7985, LineL1, AreaA1},         {8.005, PointUpTo9025, LineL2To4<2>, AreaA2},
                          {8.055, PointUpTo9025, LineL2To4<3>, AreaA3},   {8.195, PointUpTo9025, LineL2To4<4>, AreaA3},
                          {9.025, PointUpTo9025, LineL5, AreaA3},         {9.03, PointCurrent, LineCurrent, AreaCurrent}};
    std::uint32_t state = 12345;
    auto next = [&state] { return state = state * 1664525u + 1013904223u; };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        const Bytes good = Section(1, c.point(1).legacy, 1, c.line(2, 1).legacy, 1, c.area(3, 48.0).legacy);
        int converted = 0;
        for (int round = 0; round < 400; ++round) {
            Bytes bad = good;
            if (round % 4 == 0) bad.data.resize(next() % bad.size());
            for (int k = 0, n = 1 + int(next() % 4); k < n && !bad.data.empty(); ++k)
                bad.data[next() % bad.size()] = std::uint8_t(next() >> 24);
            std::unique_ptr<kmd::Conversion> cv;
            try {
                cv = kmdtest::ReadSection(kmd::ReadObjectTables, bad, c.version);
            } catch (const FormatError&) {
                continue;
            }
            EXPECT_NO_THROW(kmdtest::WriteSection(kmd::WriteObjectTables, *cv)) << "round " << round;
            ++converted;
        }
        EXPECT_GT(converted, 100);  // most damage lands in plain values
    }
}

TEST(ObjectTables, CountBeyondTheFileFailsBeforeAllocating) {
    for (double version : {7.5, 8.0, 8.03, 8.1, 8.5, 9.5}) {
        FormatError e = ReadError(Section(0, {}, 0x7FFFFFF0, LineCurrent(1, 0).legacy, 0, {}), version);
        EXPECT_EQ(e.table, "LineObjects");
        EXPECT_EQ(e.offset, 8u);
    }
}

TEST(ObjectTables, ExampleSectionsAreReadWhole) {
    kmd::Writer w;
    kmd::example::WriteExampleLabels(w);
    kmd::example::WriteExampleObjects(w);
    Bytes file;
    file.append(w.Buffer());
    auto cv = kmdtest::NewConversion();
    cv->FileVersion = 9.5;
    kmd::Reader in(file.data);
    kmd::ReadLabelTables(in, *cv);
    kmd::ReadObjectTables(in, *cv);
    EXPECT_EQ(in.Offset(), file.size());
    const auto& d = cv->model.objects;
    EXPECT_EQ(d.PointObjects.count, 4);
    EXPECT_EQ(d.LineObjects.count, 2);
    ASSERT_EQ(d.AreaObjects.count, 1);
    EXPECT_EQ(d.AreaObjects[1].AText, "slab");
    EXPECT_EQ(cv->model.labels.FloorBays.count, 1);
    kmd::Writer out(kmd::Writer::Form::Current);
    kmd::WriteLabelTables(out, *cv);
    kmd::WriteObjectTables(out, *cv);
}

}  // namespace
