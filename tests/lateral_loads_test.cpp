#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <string>

#include "legacy/blocks.h"
#include "legacy/functions.h"
#include "legacy/lateral_loads.h"
#include "support/blocks.h"
#include "support/convert.h"
#include "tables/functions.h"
#include "tables/lateral_loads.h"
#include "tools/example_lateral.h"

using kmd::ReadLateralLoadTables;
using kmd::WriteLateralLoadTables;
using namespace kmdtest;

namespace {

// n used elements: legacy arrays with lower bound `lower` (a lower bound 0 adds
// an element 0 that is not carried), current arrays with bounds 0..n.
Bytes& I32s(Bytes& b, int n, int base, bool current, int lower = 1) {
    const int first = current ? 0 : lower;
    b.header({{std::uint32_t(n + 1 - first), first}});
    for (int k = first; k <= n; ++k) b.i32(k == 0 ? (current ? 0 : -9) : base + k);
    return b;
}
Bytes& F64s(Bytes& b, int n, double base, bool current) {
    b.header({{std::uint32_t(current ? n + 1 : n), current ? 0 : 1}});
    if (current) b.f64(0.0);
    for (int k = 1; k <= n; ++k) b.f64(base + k);
    return b;
}

Bytes Section(const Bytes& seismic, const Bytes& wind) {
    Bytes b;
    return b.append(seismic).append(wind);
}
Bytes One(const Bytes& record) { return Bytes().i32(1).append(record); }
Bytes None() { return Bytes().i32(0); }

std::vector<std::uint8_t> Convert(const Bytes& section, double v) {
    return RoundTrip(ReadLateralLoadTables, WriteLateralLoadTables, section, v);
}

template <class F>
void ExpectCorrupt(F&& read, const Bytes& section, double v, std::size_t offset, const std::string& what) {
    try {
        ReadSection(read, section, v);
        ADD_FAILURE() << "no error";
    } catch (const kmd::FormatError& e) {
        EXPECT_EQ(e.offset, offset);
        EXPECT_NE(std::string(e.what()).find(what), std::string::npos) << e.what();
    }
}

// ---------------------------------------------------------------------------
// "Seismic"

struct SeismicLayout {
    std::size_t block2;  // stored positions of Block2
    double inside, threshold;
    std::int32_t kindOut;  // of a stored Kind 9
};
// A, B, C, D, E, F, G, current.
const SeismicLayout kSeismic[] = {{412, 7.0, 7.035, 11}, {412, 7.1, 7.145, 11}, {412, 7.5, 8.125, 10},
                                  {448, 8.2, 8.285, 9},  {456, 8.4, 8.505, 9},  {504, 9.0, 9.145, 9},
                                  {560, 9.3, 9.525, 9},  {560, 9.53, 9.74, 9}};

Bytes SeismicHead(std::int32_t kind, std::int32_t option1, int n, bool current) {
    Bytes b;
    b.i32(kind).str("EQ-X").i16(11).i16(12).seq(8, 1).i32(option1).seq(44, 20).i32(n);
    I32s(b, n, 100, current, 0);
    I32s(b, n, 200, current);
    return F64s(b, n, 0.5, current);
}
Bytes SeismicSub(int m, bool current) {
    Bytes b;
    b.i32(m);
    I32s(b, m, 300, current);
    I32s(b, m, 400, current);
    for (int a = 3; a <= 7; ++a) F64s(b, m, a + 0.25, current);
    return b;
}

Bytes SeismicIn(int i) {
    Bytes b = SeismicHead(9, -1, 2, false);
    b.append(Pattern(kSeismic[i].block2, 7));
    if (i >= 6) b.str("note").append(Pattern(i == 7 ? 300 : 148, 60));
    if (i < 7) b.append(Pattern(16, 200));
    if (i <= 1) return b.append(Pattern(i == 0 ? 32 : 40, 90));
    return b.i16(77).append(SeismicSub(2, false)).append(Pattern(40, 150));
}

Bytes SeismicOut(int i) {
    Bytes b = SeismicHead(kSeismic[i].kindOut, -1, 2, true);
    Bytes block2 = Pattern(kSeismic[i].block2, 7);
    Bytes defaults;  // positions 412-503
    defaults.f64(1.0).i32(6).f64(0.05).f64(0.4).f64(1.0).f64(1.0).i32(1).f64(0.36).f64(1.0).i32(2).f64(5.0);
    defaults.f64(0.075).f64(1.0);
    if (block2.size() < 504) block2.append(Slice(defaults, block2.size() - 412, 92));
    block2.fill(560 - block2.size());
    if (i == 1) Set(block2, 244, std::int32_t(0));  // Option2 of a Kind other than 5
    b.append(block2).str(i >= 6 ? "note" : "");
    Bytes block3 = i == 7 ? Pattern(300, 60) : Zeros(300);
    if (i == 6) Move(block3, 0, Pattern(148, 60), 0, 148);
    if (i < 7) Move(block3, 284, Pattern(16, 200), 0, 16);
    b.append(block3).i16(i <= 2 ? 0 : 77);
    if (i <= 1) return b.append(SeismicSub(0, true)).append(Zeros(40));
    return b.append(SeismicSub(2, true)).append(Pattern(40, 150));
}

TEST(Seismic, EveryLayoutInsideItsRangeAndAtItsThreshold) {
    for (int i = 0; i < 8; ++i)
        for (double v : {kSeismic[i].inside, kSeismic[i].threshold}) {
            SCOPED_TRACE(v);
            EXPECT_BYTES(Convert(Section(One(SeismicIn(i)), None()), v), Section(One(SeismicOut(i)), None()).data);
        }
}

// A record of the two oldest layouts with no arrays in use.
Bytes SeismicOld(std::int32_t kind, std::int32_t option1, double v) {
    return SeismicHead(kind, option1, 0, false).append(Pattern(412, 7)).fill(16 + (v <= 7.035 ? 32 : 40));
}

TEST(Seismic, KindsRenumberedAndOptionsDerived) {
    const std::pair<std::int32_t, std::int32_t> stored[] = {{9, 0},  {10, 0}, {8, 0}, {7, 4}, {5, -2}, {5, -1},
                                                            {5, 0},  {5, 1},  {5, 2}, {5, 3}, {5, 4}};
    const std::int32_t kinds[] = {11, 11, 9, 7, 5, 5, 5, 5, 5, 5, 5};
    const std::int32_t option1[] = {0, 0, 0, 4, 2, 1, 0, 1, 2, 3, 0};
    const std::int32_t option2[] = {0, 0, 0, 0, 2, 2, 0, 1, 1, 1, 0};
    Bytes section;
    section.i32(11);
    for (auto [kind, option] : stored) section.append(SeismicOld(kind, option, 7.1));
    auto cv = ReadSection(ReadLateralLoadTables, section.append(None()), 7.1);
    const auto& t = cv->model.lateralLoads.Seismic;
    for (int k = 0; k < 11; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(t[k + 1].Head.Kind, kinds[k]);
        EXPECT_EQ(t[k + 1].Head.Block1.Option1, option1[k]);
        EXPECT_EQ((kmd::Get<std::int32_t, 244>(t[k + 1].Block2)), option2[k]);
    }
    // Up to 7.035 both are carried with their blocks.
    cv = ReadSection(ReadLateralLoadTables, One(SeismicOld(5, -1, 7.0)).append(None()), 7.0);
    EXPECT_EQ(cv->model.lateralLoads.Seismic[1].Head.Block1.Option1, -1);
    EXPECT_EQ(cv->model.lateralLoads.Seismic[1].Block2[244], 7 + 244);
}

// A record of the current layout with `count` and the three arrays given.
Bytes SeismicNewest(std::int32_t count, const Bytes& arrays, bool current = false) {
    Bytes b;
    b.i32(1).str("").i16(0).i16(0).fill(56).i32(count).append(arrays).fill(560).str("").fill(300).i16(0);
    return b.append(SeismicSub(0, current)).fill(40);
}

TEST(Seismic, DamagedRecords) {
    const std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    Bytes two = Bytes().i32(2).append(SeismicOld(1, 0, 7.1)).append(SeismicOld(kMax, 0, 7.1)).append(None());
    ExpectCorrupt(ReadLateralLoadTables, two, 7.1, 4 + SeismicOld(1, 0, 7.1).size(), "cannot be renumbered");
    Bytes shortArrays = Bytes().arr_i32(1, {1, 2}).arr_i32(1, {1, 2}).arr_f64(1, {1, 2});
    ExpectCorrupt(ReadLateralLoadTables, One(SeismicNewest(3, shortArrays)), 9.74, 4, "Array1: the stored array lacks");
    Bytes none = Bytes().no_array().no_array().no_array();
    ExpectCorrupt(ReadLateralLoadTables, One(SeismicNewest(-1, none)), 9.74, 4, "negative element count");
    Bytes matrix = Bytes().header({{1, 1}, {1, 1}}).i32(5).no_array().no_array();
    ExpectCorrupt(ReadLateralLoadTables, One(SeismicNewest(1, matrix)), 9.74, 4, "Array1: the stored array lacks");
    // Count 0 accepts any array and writes three arrays of element 0 only.
    Bytes zeroElements = Bytes().header({{1, 0}}).i32(0).header({{1, 0}}).i32(0).header({{1, 0}}).f64(0.0);
    EXPECT_BYTES(Convert(One(SeismicNewest(0, matrix)).append(None()), 9.74),
                 One(SeismicNewest(0, zeroElements, true)).append(None()).data);
    for (int i = 0; i < 8; ++i)
        ExpectDamageHandled(ReadLateralLoadTables, WriteLateralLoadTables, Section(One(SeismicIn(i)), None()),
                            kSeismic[i].threshold);
}

// ---------------------------------------------------------------------------
// "Wind"

struct WindLayout {
    double inside, threshold;
    std::int32_t kindIn, kindOut;
    std::size_t trailing;  // bytes after Short5, or after Block4 above 9.145
};
// A, B, C, D, E, F, G, H, I, J, current.
const WindLayout kWind[] = {{7.0, 7.145, 11, 12, 52}, {7.5, 7.985, 5, 7, 52},   {8.0, 8.125, 10, 11, 84},
                            {8.2, 8.235, 3, 3, 132},  {8.3, 8.505, 3, 3, 136},  {8.6, 8.895, 3, 3, 220},
                            {9.0, 9.145, 3, 3, 248},  {9.2, 9.525, 3, 3, 84},   {9.53, 9.535, 3, 3, 76},
                            {9.54, 9.545, 3, 3, 160}, {9.6, 9.74, 3, 3, 160}};

Bytes WindBlock1(int i) {
    Bytes b = Pattern(20, 1);
    return i == 0 ? Set(b, 4, 90.0) : b;
}
Bytes WindSub(int arrays, bool current) {
    Bytes b;
    b.i32(2);
    I32s(b, 2, 300, current);
    I32s(b, 2, 400, current);
    for (int a = 3; a <= arrays; ++a) F64s(b, 2, a + 0.25, current);
    return b;
}
// The 52 trailing bytes of A and B: an integer 2 at B24, doubles at B8 and B36.
Bytes EarlyTrailer() {
    Bytes b = Pattern(52, 120);
    Set(b, 8, 2.75);
    Set(b, 24, std::int32_t(2));
    return Set(b, 36, 4.25);
}
Bytes Trailing(int i) {
    Bytes b = Pattern(kWind[i].trailing, 120);
    return i == 3 || i == 4 ? Set(b, 124, -3.5) : b;
}

Bytes WindIn(int i) {
    Bytes b;
    b.i32(kWind[i].kindIn).str("W1").i16(21).i16(22).append(WindBlock1(i)).i16(23);
    if (i <= 1)
        return b.append(Pattern(8, 30)).i16(24).append(WindSub(i == 0 ? 6 : 9, false)).append(Pattern(76, 40)).i16(25)
            .append(EarlyTrailer());
    b.append(Pattern(28, 30)).i16(24).append(WindSub(9, false));
    if (i <= 6) return b.append(Pattern(76, 40)).i16(25).append(Trailing(i));
    b.append(Pattern(84, 40)).i16(25).append(Pattern(164, 70));
    if (i == 10) b.i16(26);
    b.append(Pattern(kWind[i].trailing, 120));
    return i >= 9 ? b.i16(27) : b;
}

// The trailing bytes of layout D that a record of A, B, C or D comes to.
Bytes TrailingD(int i) {
    if (i == 3) return Trailing(3);
    Bytes c = Trailing(2);
    if (i <= 1) {
        const Bytes b = EarlyTrailer();
        c = Zeros(84);
        Move(Move(Move(c, 0, b, 0, 8), 8, b, 16, 36), 28, b, 44, 52);
        Set(Set(c, 36, 1.0), 44, 0.8);  // B24 is 2
        Set(Set(Set(c, 52, 30.0), 60, 1.0), 68, 0.25);
    }
    Bytes d = Zeros(132);
    Move(d, 0, c, 0, 76);
    Set(d, 84, 0.7);
    Set(d, 100, 1.0);
    Set(d, 108, std::int32_t(2));
    return Set(d, 112, 0.05);
}

// Layout A of Kind 11 at 90 degrees: the sixth array goes to arrays 7 and 8.
Bytes SplitSub() {
    Bytes b;
    b.i32(2);
    I32s(b, 2, 300, true);
    I32s(b, 2, 400, true);
    for (int a = 3; a <= 5; ++a) F64s(b, 2, a + 0.25, true);
    const double cos90 = 0x1.1a62633145c07p-54;  // cosine of the double nearest pi/2
    b.header({{3, 0}}).f64(0).f64(0).f64(0);
    b.header({{3, 0}}).f64(0).f64(cos90 * 7.25).f64(cos90 * 8.25);
    b.header({{3, 0}}).f64(0).f64(7.25).f64(8.25);
    return b.header({{3, 0}}).f64(0).f64(0).f64(0);
}

Bytes WindOut(int i) {
    Bytes b;
    b.i32(kWind[i].kindOut).str("W1").i16(21).i16(22).append(WindBlock1(i)).i16(23);
    Bytes block2 = Pattern(28, 30);
    if (i <= 1) Set(Set(Set(block2, 8, std::int32_t(1)), 12, 0.8), 20, i == 0 ? 0.5 : 4.25);
    b.append(block2).i16(24).append(i == 0 ? SplitSub() : WindSub(9, true));
    Bytes block3 = Pattern(84, 40);
    if (i <= 6) {
        block3 = Zeros(84);
        Move(Move(block3, 0, Pattern(76, 40), 0, 40), 48, Pattern(76, 40), 40, 76);
    }
    if (i >= 6 && i <= 9) Set(block3, 40, 1.0);
    b.append(block3).i16(25);
    Bytes block4 = Pattern(164, 70), block5 = Zeros(160);
    const Bytes t = i <= 3 ? TrailingD(i) : i <= 6 ? Trailing(i) : Pattern(kWind[i].trailing, 120);
    if (i <= 5) {
        block4 = Zeros(164);
        Move(block4, 0, t, 0, 52);
        Move(block4, 80, t, 52, i <= 3 ? 124 : 136);
        if (i <= 3) Set(Move(block4, 156, t, 124, 132), 152, std::int32_t(0));  // the double is not above 0
        if (i == 5) Move(Move(block5, 0, t, 136, 160), 32, t, 168, 176);
    } else if (i == 6) {
        block4 = Slice(t, 0, 164);
        Move(Move(block5, 0, t, 164, 188), 32, t, 196, 204);
    } else {
        Move(block5, 0, t, 0, i == 7 ? 40 : t.size());
    }
    return b.append(block4).i16(i == 10 ? 26 : 0).append(block5).i16(i >= 9 ? 27 : 0);
}

TEST(Wind, EveryLayoutInsideItsRangeAndAtItsThreshold) {
    for (int i = 0; i < 11; ++i)
        for (double v : {kWind[i].inside, kWind[i].threshold}) {
            SCOPED_TRACE(v);
            EXPECT_BYTES(Convert(Section(None(), One(WindIn(i))), v), Section(None(), One(WindOut(i))).data);
        }
}

// Records of layout B with no arrays in use, or of layout D with the double at T124.
Bytes WindB(std::int32_t kind, const Bytes& trailer) {
    Bytes b;
    b.i32(kind).str("").fill(24).i16(0).fill(8).i16(0).i32(0);
    for (int a = 0; a < 9; ++a) b.no_array();
    return b.fill(78).append(trailer);
}
Bytes WindD(double t124) {
    Bytes b;
    b.i32(1).str("").fill(24).i16(0).fill(28).i16(0).i32(0);
    for (int a = 0; a < 9; ++a) b.no_array();
    Bytes t = Zeros(132);
    return b.fill(78).append(Set(t, 124, t124));
}

TEST(Wind, KindsRenumberedAndValuesDerived) {
    Bytes trailer = EarlyTrailer();
    Set(trailer, 24, std::int32_t(0));
    Bytes section = None().i32(12);
    for (std::int32_t kind = 1; kind <= 12; ++kind) section.append(WindB(kind, trailer));
    auto cv = ReadSection(ReadLateralLoadTables, section, 7.5);
    const std::int32_t kinds[] = {1, 2, 3, 5, 7, 12, 12, 8, 9, 11, 12, 12};
    const double factors[] = {0.6, 0.6, 2.75, 0.5, 4.25, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5};
    for (int k = 0; k < 12; ++k) {
        SCOPED_TRACE(k);
        const kmd::WindRecord& w = cv->model.lateralLoads.Wind[k + 1];
        EXPECT_EQ(w.Head.Kind, kinds[k]);
        EXPECT_EQ((kmd::Get<double, 20>(w.Block2)), factors[k]);
        EXPECT_EQ((kmd::Get<double, 44>(w.Block4)), 0.85);  // B24 is neither 1 nor 2
    }
    // Layout A of another Kind keeps the sixth array and zeroes its copies.
    Bytes a = WindIn(0);
    cv = ReadSection(ReadLateralLoadTables, None().append(One(Set(a, 0, std::int32_t(2)))), 7.0);
    const kmd::WindSubRecord& sub = cv->model.lateralLoads.Wind[1].Sub;
    EXPECT_EQ(sub.Reals[3].items, (std::vector<double>{7.25, 8.25}));
    for (int k = 4; k <= 6; ++k) EXPECT_EQ(sub.Reals[k].items, (std::vector<double>{0.0, 0.0}));
    cv = ReadSection(ReadLateralLoadTables, None().i32(2).append(WindD(-3.5)).append(WindD(2.0)), 8.2);
    EXPECT_EQ((kmd::Get<std::int32_t, 152>(cv->model.lateralLoads.Wind[1].Block4)), 0);
    EXPECT_EQ((kmd::Get<std::int32_t, 152>(cv->model.lateralLoads.Wind[2].Block4)), 1);
}

TEST(Wind, DamagedRecords) {
    // Three elements in use, two stored (the sixth array of layout A too); a
    // negative count.
    Bytes a = WindIn(0);
    ExpectCorrupt(ReadLateralLoadTables, None().append(One(Set(a, 44, std::int32_t(3)))), 7.0, 8,
                  "Sub.Array1: the stored array lacks elements 1 to 3");
    Bytes current = WindIn(10);
    ExpectCorrupt(ReadLateralLoadTables, None().append(One(Set(current, 64, std::int32_t(-1)))), 9.74, 8,
                  "negative element count -1");
    for (int i = 0; i < 11; ++i)
        ExpectDamageHandled(ReadLateralLoadTables, WriteLateralLoadTables, Section(None(), One(WindIn(i))),
                            kWind[i].threshold);
}

// The example sections of both steps are read whole at every threshold and
// just above it, and written.
TEST(LateralExample, ReadsCompletelyAtEveryThreshold) {
    const double thresholds[] = {7.005, 7.035, 7.145, 7.985, 8.075, 8.125, 8.1905, 8.235,
                                 8.285, 8.475, 8.505, 8.895, 9.145, 9.525, 9.535, 9.545};
    for (double threshold : thresholds)
        for (double v : {threshold, threshold + 0.0001}) {
            SCOPED_TRACE(v);
            kmd::Writer legacy;
            kmd::example::WriteExampleLateralLoads(legacy, v);
            kmd::example::WriteExampleFunctions(legacy, v);
            auto cv = NewConversion();
            cv->FileVersion = v;
            kmd::Reader in(legacy.Buffer());
            ReadLateralLoadTables(in, *cv);
            kmd::ReadFunctionTables(in, *cv);
            EXPECT_EQ(in.Offset(), legacy.Size());
            EXPECT_EQ(cv->model.lateralLoads.Wind[1].Head.Name, "WX");
            EXPECT_EQ(cv->model.functions.Spectra[1].Name, "UBC");
            kmd::Writer out(kmd::Writer::Form::Current);
            EXPECT_NO_THROW(WriteLateralLoadTables(out, *cv));
            EXPECT_NO_THROW(kmd::WriteFunctionTables(out, *cv));
        }
}

}  // namespace
