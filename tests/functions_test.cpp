#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "legacy/blocks.h"
#include "support/blocks.h"
#include "support/convert.h"
#include "tables/functions.h"

using kmd::ReadFunctionTables;
using kmd::WriteFunctionTables;
using namespace kmdtest;

namespace {

// ---------------------------------------------------------------------------
// "Funcshun": fixed texts, P, Q, R, S, T, current.
constexpr std::size_t kBlockSize[] = {312, 312, 348, 388, 424};

// A legacy block of Kind 1 and SubKind `subKind`.
Bytes KindBlock(std::size_t n, std::int32_t kind, std::int32_t subKind) {
    Bytes b = Pattern(n, 1);
    return Set(Set(b, 0, kind), 4, subKind);
}

Bytes FunctionIn(int i, std::int32_t kind = 1, std::int32_t subKind = 10) {
    Bytes b;
    if (i == 0) return b.fixed(" F1", 8).fixed(" first ", 64).append(KindBlock(312, kind, subKind));
    b.str(" F1 ").str(" first ");
    if (i <= 4) return b.append(KindBlock(kBlockSize[i], kind, subKind));
    b.append(Pattern(344, 1)).str("t2").append(Pattern(56, 9)).str("t3");
    return b.append(Pattern(i == 5 ? 228 : 324, 30));
}

// The intermediate block a legacy block comes to.
Bytes BlockS(int i, std::int32_t kind, std::int32_t subKind) {
    const Bytes old = KindBlock(kBlockSize[i], kind, subKind);
    if (i == 4) return old;
    Bytes s = Zeros(424);
    if (i <= 1) {
        Set(Set(Set(Set(Set(Move(s, 0, old, 0, 188), 188, 1.0), 196, std::int32_t(4)), 200, 0.05), 208, 0.4), 216, 1.0);
        return Move(s, 300, old, 188, 312);
    }
    if (i == 2) {
        Set(Set(Set(Set(Move(s, 0, old, 0, 224), 224, std::int32_t(3)), 228, 1.0), 236, 0.05), 244, 0.25);
        Set(Set(s, 256, std::int32_t(1)), 260, std::int32_t(1));
        return Move(s, 300, old, 224, 348);
    }
    Set(Set(Set(Set(Set(Move(s, 0, old, 0, 264), 264, 0.36), 272, 1.0), 280, std::int32_t(2)), 284, 1.0), 292, 1.0);
    return Move(s, 300, old, 264, 388);
}

Bytes FunctionOut(int i) {
    Bytes b;
    b.str(i <= 1 ? "F1" : " F1 ").str(i <= 1 ? "first" : " first ");
    if (i >= 5) {
        b.append(Pattern(344, 1)).str("t2").append(Pattern(56, 9)).str("t3");
        if (i == 6) return b.append(Pattern(324, 30));
        Bytes block3 = Zeros(324);
        return b.append(Move(Move(block3, 0, Pattern(228, 30), 0, 104), 200, Pattern(228, 30), 104, 228));
    }
    const Bytes s = BlockS(i, 1, 10);
    Bytes block1 = Zeros(344);
    Move(Set(Move(block1, 0, s, 0, 32), 32, std::int32_t(1)), 36, s, 200, 208);  // Kind 1, SubKind 10
    Move(block1, 44, s, 32, 300);
    Bytes block3 = Zeros(324);
    Set(Set(Set(Set(Set(block3, 44, 0.5), 52, 1.0), 60, 0.68), 68, 0.34), 76, 0.18);
    Set(Set(Set(block3, 84, std::int32_t(3)), 88, 1.0), 96, 1.0);
    return b.append(block1).str("").append(Zeros(56)).str("").append(Move(block3, 200, s, 300, 424));
}

// ---------------------------------------------------------------------------
// "Spectra" (fixed name, the history layout, current) and "History" (fixed
// name, current).

// The spectrum's first block: Count 2.
Bytes SpectraBlock1() {
    Bytes b = Pattern(116, 1);
    return Set(b, 112, std::int32_t(2));
}

Bytes SpectraIn(int i) {
    Bytes b;
    if (i == 0) return b.fixed(" S1", 8).append(Pattern(108, 1)).i16(33);
    if (i == 1) return b.str(" S1 ").append(Pattern(108, 1)).i16(33);
    b.str(" S1 ").append(SpectraBlock1()).arr_i32(1, {1, 2}).arr_i32(0, {9, 3, 4}).arr_f64(1, {0.5, 0.25});
    return b.append(Pattern(8, 200)).i16(33);
}

Bytes SpectraOut(int i) {
    Bytes block1 = SpectraBlock1(), block2 = Pattern(8, 200);
    if (i <= 1) {
        const Bytes u = Pattern(108, 1);
        block1 = Zeros(116);
        Move(Move(Move(block1, 0, u, 0, 32), 40, u, 40, 80), 84, u, 84, 100);
        block2 = Slice(u, 100, 108);
    }
    Bytes b;
    b.str(i <= 1 ? "S1" : " S1 ").append(Slice(block1, 0, 32)).header({{4, 0}}).f64(0).append(Slice(block1, 40, 64));
    b.append(Slice(block1, 64, 80)).header({{4, 0}}).i32(0).append(Slice(block1, 84, 96)).append(Slice(block1, 96, 116));
    if (i <= 1)
        b.arr_i32(0, {0}).arr_i32(0, {0}).arr_f64(0, {0.0});
    else
        b.arr_i32(0, {0, 1, 2}).arr_i32(0, {0, 3, 4}).arr_f64(0, {0.0, 0.5, 0.25});
    return b.append(block2).i16(33);
}

Bytes HistoryIn(int i) {
    Bytes b;
    return (i == 0 ? b.fixed(" H1", 8) : b.str(" H1 ")).append(Pattern(108, 50)).i16(44);
}
Bytes HistoryOut(int i) { return Bytes().str(i == 0 ? "H1" : " H1 ").append(Pattern(108, 50)).i16(44); }

// The step's six tables, one record each; TV, LA and MD are the same in both files.
Bytes Step(const Bytes& function, const Bytes& spectrum, const Bytes& history) {
    Bytes b;
    b.i32(1).append(function).i32(1).append(Pattern(20, 5)).i32(1).append(spectrum);
    return b.i32(1).append(history).i32(1).append(Pattern(48, 6)).i32(1).append(Pattern(16, 7));
}

struct Case {
    double v;
    int function, spectrum, history;  // layouts
};
// Every threshold and a version inside every range.
const Case kCases[] = {{7.0, 0, 0, 0},    {7.005, 0, 0, 0},  {7.5, 1, 0, 0},  {8.075, 1, 0, 0}, {8.1, 1, 1, 1},
                       {8.125, 1, 1, 1},  {8.1905, 2, 1, 1}, {8.2, 2, 2, 1},  {8.475, 2, 2, 1}, {8.49, 3, 2, 1},
                       {8.505, 3, 2, 1},  {9.0, 4, 2, 1},    {9.145, 4, 2, 1}, {9.3, 5, 2, 1},  {9.525, 5, 2, 1},
                       {9.53, 6, 2, 1},   {9.74, 6, 2, 1}};

TEST(Functions, EveryLayoutInsideItsRangeAndAtItsThreshold) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.v);
        const Bytes in = Step(FunctionIn(c.function), SpectraIn(c.spectrum), HistoryIn(c.history));
        const Bytes expect = Step(FunctionOut(c.function), SpectraOut(c.spectrum), HistoryOut(c.history));
        EXPECT_BYTES(RoundTrip(ReadFunctionTables, WriteFunctionTables, in, c.v), expect.data);
    }
}

// Coefficient1 by Kind and SubKind, from the intermediate block or 0.05.
TEST(Functions, CoefficientChosenByKindAndSubKind) {
    const std::pair<std::int32_t, std::int32_t> kinds[] = {{1, 10}, {1, 11}, {2, 10}, {1, 12}};
    for (auto [v, layout] : {std::pair{9.0, 4}, std::pair{8.0, 1}}) {
        Bytes step;
        step.i32(4);
        for (auto [kind, subKind] : kinds) step.append(FunctionIn(layout, kind, subKind));
        step.i32(0).i32(0).i32(0).i32(0).i32(0);
        auto cv = ReadSection(ReadFunctionTables, step, v);
        const auto& t = cv->model.functions.Funcshun;
        double from200, from236;
        std::memcpy(&from200, &BlockS(layout, 1, 10).data[200], 8);
        std::memcpy(&from236, &BlockS(layout, 1, 11).data[236], 8);
        EXPECT_EQ(from200, layout == 1 ? 0.05 : from200);  // the default of the oldest layouts
        EXPECT_EQ(from236, layout == 1 ? 0.0 : from236);
        EXPECT_EQ((kmd::Get<double, 36>(t[1].Block1)), from200);
        EXPECT_EQ((kmd::Get<double, 36>(t[2].Block1)), from236);
        EXPECT_EQ((kmd::Get<double, 36>(t[3].Block1)), 0.05);
        EXPECT_EQ((kmd::Get<double, 36>(t[4].Block1)), 0.05);
    }
}

TEST(Functions, DamagedSpectra) {
    // Count 5 in use, two elements stored.
    Bytes spectrum = SpectraIn(2);
    Set(spectrum, 6 + 112, std::int32_t(5));
    Bytes step = Bytes().i32(0).i32(0).i32(1).append(spectrum).i32(0).i32(0).i32(0);
    try {
        ReadSection(ReadFunctionTables, step, 9.0);
        ADD_FAILURE() << "no error";
    } catch (const kmd::FormatError& e) {
        EXPECT_EQ(e.table, "Spectra");
        EXPECT_EQ(e.offset, 12u);
        EXPECT_NE(std::string(e.what()).find("Array1: the stored array lacks elements 1 to 5"), std::string::npos);
    }
    for (const Case& c : kCases)
        ExpectDamageHandled(ReadFunctionTables, WriteFunctionTables,
                            Step(FunctionIn(c.function), SpectraIn(c.spectrum), HistoryIn(c.history)), c.v);
}

}  // namespace
