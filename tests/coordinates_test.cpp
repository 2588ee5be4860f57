#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

#include "support/bytes.h"
#include "support/convert.h"
#include "tables/coordinates.h"

using kmd::FormatError;
using kmd::ReadCoordinateTables;
using kmd::WriteCoordinateTables;
using kmdtest::Bytes;
using kmdtest::ReadSection;
using kmdtest::RoundTrip;
using kmdtest::WriteSection;

namespace {

// A grid line with distinct values derived from `seed` (same bytes in every layout).
Bytes GridLine(std::string_view name, std::int32_t seed) {
    Bytes b;
    b.str(name).i32(seed + 1).i32(seed + 2).i32(seed + 3).i32(seed + 4).seq(48, std::uint8_t(seed));
    b.i32(seed + 6).i32(seed + 7).i32(seed + 8).i16(std::int16_t(seed + 9)).i32(seed + 10).i32(seed + 11);
    b.i16(std::int16_t(seed + 12)).i32(seed + 13).i32(seed + 14);
    b.i16(std::int16_t(seed + 15)).i16(std::int16_t(seed + 16)).i16(std::int16_t(seed + 17));
    return b;
}
Bytes EmptyGridLine() { return Bytes().str("").fill(102); }

// Matrix(i, j) = 10 i + j, held with the first subscript varying fastest.
Bytes HeldMatrix() {
    Bytes b;
    for (int j = 1; j <= 3; ++j)
        for (int i = 1; i <= 3; ++i) b.f64(10 * i + j);
    return b;
}
// Written row by row with an empty element 0.
Bytes WrittenMatrix() { return Bytes().arr_f64(0, {0, 11, 12, 13, 21, 22, 23, 31, 32, 33}); }

Bytes C5() {
    Bytes b;
    for (int i = 0; i < 11; ++i) b.i32(81 + i);
    return b;
}

// A system with grids stored under various lower bounds (layouts above 7.985).
Bytes LegacySystem(double v) {
    Bytes b;
    if (v > 8.075)
        b.str("  GL  ");
    else
        b.fixed(" GL", 8);
    b.seq(52, 0x01).append(HeldMatrix()).i32(70).i16(71).i32(2).i32(1).i32(0);
    b.header({{2, 1}}).append(GridLine("A", 10)).append(GridLine("B", 20));
    b.header({{2, 0}}).append(GridLine("junk", 90)).append(GridLine("1", 30));
    b.no_array();
    b.i32(1).i32(72).header({{3, 1}}).append(GridLine("R", 40)).append(GridLine("S", 50)).append(GridLine("T", 60));
    b.append(C5());
    if (v > 8.125) b.i16(5);
    return b;
}
Bytes CurrentSystem(double v) {
    Bytes b;
    b.str(v > 8.125 ? "  GL  " : "GL").seq(52, 0x01).append(WrittenMatrix()).i32(70).i16(71).i32(2).i32(1).i32(0);
    b.header({{3, 0}}).append(EmptyGridLine()).append(GridLine("A", 10)).append(GridLine("B", 20));
    b.header({{2, 0}}).append(EmptyGridLine()).append(GridLine("1", 30));
    b.header({{1, 0}}).append(EmptyGridLine());
    b.i32(1).i32(72).header({{2, 0}}).append(EmptyGridLine()).append(GridLine("R", 40));
    b.append(C5()).i16(v > 8.125 ? 5 : -1);
    return b;
}

Bytes LegacyOldSystem(std::string_view name, std::int32_t seed) {
    Bytes b;
    b.fixed(name, 8).i32(seed).seq(12, 0xD0);
    for (int i = 1; i <= 12; ++i) b.i32(seed + i);
    b.append(HeldMatrix()).seq(8, 0xE0);
    for (int i = 1; i <= 9; ++i) b.i32(seed + 100 + i);
    b.i32(seed + 200).i16(std::int16_t(seed + 201));
    return b;
}

// An old system with the given grids (count, lines) in the current layout.
Bytes CurrentOldSystem(std::string_view name, std::int32_t seed, const std::array<Bytes, 3>& grids = {},
                       const std::array<std::int32_t, 3>& counts = {}) {
    std::string held(name);
    held.resize(8, ' ');  // the 8 characters as held, not trimmed
    Bytes b;
    b.str(held);
    for (int i = 0; i <= 12; ++i) b.i32(seed + i);
    b.append(WrittenMatrix()).i32(seed + 200).i16(std::int16_t(seed + 201));
    b.i32(counts[0]).i32(counts[1]).i32(counts[2]);
    for (int k = 0; k < 3; ++k) b.header({{std::uint32_t(counts[k] + 1), 0}}).append(EmptyGridLine()).append(grids[k]);
    b.i32(0).i32(0).header({{1, 0}}).append(EmptyGridLine());
    b.i32(0).i32(0);
    for (int i = 1; i <= 9; ++i) b.i32(seed + 100 + i);
    b.i16(-1);
    return b;
}

Bytes OldGridLine(std::int32_t system, std::int32_t direction, std::string_view name, std::int32_t seed,
                  std::int16_t h7) {
    Bytes b;
    b.i16(-7).i32(system).i32(999).i32(direction).str(name).i32(998);
    b.i32(seed + 1).i32(seed + 2).i16(997).i32(seed + 3).i32(seed + 4).fill(16, 0xF0);
    b.i32(seed + 5).i32(seed + 6).i16(h7).i16(std::int16_t(seed + 8));
    return b;
}
// The grid line BuildGridLine makes of it at position n (story count 0).
Bytes MergedGridLine(std::int32_t n, std::int32_t direction, std::string_view name, std::int32_t seed,
                     std::int16_t g12) {
    Bytes b;
    b.str(name).i32(n).i32(direction).i32(seed + 3).i32(seed + 4).fill(48).i32(1).i32(seed + 1).i32(seed + 2);
    b.i16(-1).i32(seed + 5).i32(seed + 6).i16(g12).i32(1).i32(0).i16(std::int16_t(seed + 8)).i16(0).i16(-1);
    return b;
}

Bytes LegacyReferenceTables(double v) {
    Bytes b;
    if (v <= 7.015) return b;
    b.i32(2);
    for (std::int32_t r : {1, 2}) {
        b.i32(10 * r).i32(10 * r + 1).i32(10 * r + 2).i32(10 * r + 3).i16(std::int16_t(10 * r + 4));
        if (v > 7.985) b.i16(std::int16_t(10 * r + 5));
    }
    b.i32(1).i32(50).i32(51).i16(52);
    if (v > 7.995) b.i16(53);
    return b;
}
Bytes CurrentReferenceTables(double v) {
    Bytes b;
    if (v <= 7.015) return b.i32(0).i32(0);
    b.i32(2);
    for (std::int32_t r : {1, 2})
        b.i32(10 * r).i32(10 * r + 1).i32(10 * r + 2).i32(10 * r + 3).i16(std::int16_t(10 * r + 4))
            .i16(v > 7.985 ? std::int16_t(10 * r + 5) : std::int16_t(-1));
    b.i32(1).i32(50).i32(51).i16(52).i16(v > 7.995 ? 53 : -1);
    return b;
}

// Old grid lines in file order, including ones that name no system or direction.
Bytes LegacyOldGridLines() {
    Bytes b;
    b.i32(8);
    b.append(OldGridLine(1, 1, "A", 100, 0));
    b.append(OldGridLine(2, 2, "1", 200, 0));
    b.append(OldGridLine(3, 1, "nowhere", 300, 0));
    b.append(OldGridLine(1, 1, "B", 400, -1));
    b.append(OldGridLine(1, 4, "nodir", 500, 0));
    b.append(OldGridLine(0, 1, "zero", 600, 0));
    b.append(OldGridLine(1, 3, "Z1", 700, 5));
    b.append(OldGridLine(2, 2, "2", 800, -1));
    return b;
}

Bytes Legacy(double v) {
    Bytes b;
    b.i32(2);
    if (v <= 7.985) {
        b.append(LegacyOldSystem("OLD 1", 1000)).append(LegacyOldSystem("OLD2", 2000));
        if (v < 7.985) b.append(LegacyOldGridLines());
    } else {
        b.append(LegacySystem(v)).append(LegacySystem(v));
    }
    return b.append(LegacyReferenceTables(v));
}

Bytes Current(double v) {
    Bytes b;
    b.i32(2);
    if (v < 7.985) {
        // Lines go to their system's grid of their direction, in file order;
        // direction 2 inverts G12.
        Bytes a1 = MergedGridLine(1, 1, "A", 100, 0).append(MergedGridLine(2, 1, "B", 400, -1));
        Bytes a3 = MergedGridLine(1, 3, "Z1", 700, 5);
        Bytes b2 = MergedGridLine(1, 2, "1", 200, -1).append(MergedGridLine(2, 2, "2", 800, 0));
        b.append(CurrentOldSystem("OLD 1", 1000, {a1, Bytes(), a3}, {2, 0, 1}));
        b.append(CurrentOldSystem("OLD2", 2000, {Bytes(), b2, Bytes()}, {0, 2, 0}));
    } else if (v <= 7.985) {
        b.append(CurrentOldSystem("OLD 1", 1000)).append(CurrentOldSystem("OLD2", 2000));
    } else {
        b.append(CurrentSystem(v)).append(CurrentSystem(v));
    }
    return b.append(CurrentReferenceTables(v));
}

class CoordinateTablesByVersion : public ::testing::TestWithParam<double> {};

TEST_P(CoordinateTablesByVersion, ConvertsToTheCurrentLayout) {
    const double v = GetParam();
    EXPECT_BYTES(RoundTrip(ReadCoordinateTables, WriteCoordinateTables, Legacy(v), v), Current(v).data);
}

TEST_P(CoordinateTablesByVersion, DamagedFilesStopCleanlyOrWrite) {
    const double v = GetParam();
    kmdtest::ExpectDamageHandled(ReadCoordinateTables, WriteCoordinateTables, Legacy(v), v);
}

INSTANTIATE_TEST_SUITE_P(AllLayouts, CoordinateTablesByVersion,
                         ::testing::Values(7.0, 7.015, 7.02, 7.5, 7.98, 7.985, 7.99, 7.995, 8.0, 8.05, 8.075, 8.08,
                                           8.1, 8.125, 8.13, 9.0, 9.74));

// Without the current forms the writer gives back the newest legacy layout.
TEST(CoordinateTables, AsHeldWriterGivesBackTheNewestLayout) {
    auto cv = ReadSection(ReadCoordinateTables, Legacy(9.74), 9.74);
    kmd::Writer out;
    WriteCoordinateTables(out, *cv);
    EXPECT_BYTES(out.Buffer(), Legacy(9.74).data);
}

TEST(CoordinateTables, IdentityMatrixHasOnesAtElements159) {
    Bytes legacy;
    legacy.i32(1).str("G").fill(52);
    for (int k = 0; k < 9; ++k) legacy.f64(k % 4 == 0 ? 1.0 : 0.0);
    legacy.i32(0).i16(0).i32(0).i32(0).i32(0).no_array().no_array().no_array().i32(0).i32(0).no_array();
    legacy.fill(44).i16(0).i32(0).i32(0);
    auto out = RoundTrip(ReadCoordinateTables, WriteCoordinateTables, legacy, 9.0);
    Bytes expect;
    expect.i32(1).str("G").fill(52).arr_f64(0, {0, 1, 0, 0, 0, 1, 0, 0, 0, 1});
    ASSERT_GE(out.size(), expect.size());
    EXPECT_BYTES(std::vector<std::uint8_t>(out.begin(), out.begin() + std::ptrdiff_t(expect.size())), expect.data);
}

TEST(CoordinateTables, NegativeCountsAreWrittenBackWithoutRecords) {
    Bytes legacy;
    legacy.i32(-3).i32(-1).i32(0);
    EXPECT_BYTES(RoundTrip(ReadCoordinateTables, WriteCoordinateTables, legacy, 9.0),
                 Bytes().i32(-3).i32(-1).i32(0).data);
}

TEST(CoordinateTables, GridCountsBeyondTheirArraysMakeTheFileCorrupt) {
    auto system = [](std::int32_t count1, const Bytes& grid1) {
        Bytes b;
        b.i32(1).str("G").fill(52).fill(72).i32(0).i16(0).i32(count1).i32(0).i32(0).append(grid1);
        b.no_array().no_array().i32(0).i32(0).no_array().fill(44).i16(0).i32(0).i32(0);
        return b;
    };
    // The stored grid must hold lines 1..count, whatever its lower bound.
    EXPECT_NO_THROW(ReadSection(ReadCoordinateTables, system(1, Bytes().header({{2, 0}}).append(GridLine("x", 1))
                                                                      .append(GridLine("y", 2))), 9.0));
    for (const Bytes& bad : {system(3, Bytes().header({{2, 1}}).append(GridLine("x", 1)).append(GridLine("y", 2))),
                             system(1, Bytes().header({{1, 2}}).append(GridLine("x", 1))),
                             system(1, Bytes().no_array()), system(-1, Bytes().no_array())}) {
        try {
            ReadSection(ReadCoordinateTables, bad, 9.0);
            ADD_FAILURE() << "no error";
        } catch (const FormatError& e) {
            EXPECT_EQ(e.table, "CoordSystem");
            EXPECT_EQ(e.offset, 4u);
        }
    }
}

TEST(CoordinateTables, OldGridLineCountBeyondTheFileIsCorrupt) {
    Bytes legacy;
    legacy.i32(1).append(LegacyOldSystem("S", 1)).i32(1000).append(OldGridLine(1, 1, "A", 0, 0));
    try {
        ReadSection(ReadCoordinateTables, legacy, 7.5);
        ADD_FAILURE() << "no error";
    } catch (const FormatError& e) {
        EXPECT_EQ(e.table, "old grid lines");
    }
}

}  // namespace
