// Point names and bays: the twelve tables with their extra values, and area
// bays with their item arrays rebuilt 0-based.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

#include "support/convert.h"
#include "tables/labels.h"

using kmd::FormatError;
using kmdtest::Bytes;

namespace {

constexpr int kTables = 12;
// File order; 0-1 point names, 2-6 line bays, 7-11 area bays.
const char* const kNames[kTables] = {"PointNames", "NSPoints", "ColumnBays", "BeamBays", "BraceBays", "LineBays",
                                     "NSLineBays", "PanelBays", "FloorBays", "RampBays", "AreaBays", "NSAreaBays"};

struct Table {
    std::int32_t count = 0;
    std::int32_t extra = 0;
    Bytes records;
};
using Section = std::array<Table, kTables>;

Bytes Encode(const Section& s) {
    Bytes b;
    for (const Table& t : s) b.i32(t.count).i32(t.extra).append(t.records);
    return b;
}

std::vector<std::uint8_t> Convert(const Section& s, double version) {
    return kmdtest::RoundTrip(kmd::ReadLabelTables, kmd::WriteLabelTables, Encode(s), version);
}

Bytes AreaBayHead(const std::string& label, std::int32_t itemCount) {
    return Bytes().str(label).i16(-1).i16(7).i32(itemCount);
}
Bytes AreaBayTail() { return Bytes().i32(0x01020304).seq(4, 0xA0); }

TEST(LabelTables, EveryTableWithItsExtraInOrder) {
    Section legacy, current;
    for (int i = 0; i < kTables; ++i) legacy[i].extra = current[i].extra = 100 + i;  // carried, whatever the count
    legacy[0] = current[0] = {2, -5, Bytes().str("1").seq(34, 1).str("Point 22").seq(34, 50)};
    legacy[3] = current[3] = {1, 3, Bytes().str("B1").seq(24, 9)};
    legacy[6] = current[6] = {1, 0, Bytes().str("").seq(24, 200)};
    // Four items with lower bound 1: two arrays of five integers, the first 0.
    legacy[8].count = current[8].count = 1;
    legacy[8].records = AreaBayHead("F1", 4).arr_i32(1, {1, 2, 3, 4}).arr_i32(1, {5, 6, 7, 8}).append(AreaBayTail());
    current[8].records =
        AreaBayHead("F1", 4).arr_i32(0, {0, 1, 2, 3, 4}).arr_i32(0, {0, 5, 6, 7, 8}).append(AreaBayTail());
    // No items: one-element arrays holding 0, whether the file had storage or not.
    legacy[11].count = current[11].count = 2;
    legacy[11].records = AreaBayHead("N1", 0).arr_i32(1, {}).no_array().append(AreaBayTail());
    legacy[11].records.append(AreaBayHead("N2", 0).no_array().arr_i32(5, {9}).append(AreaBayTail()));
    current[11].records = AreaBayHead("N1", 0).arr_i32(0, {0}).arr_i32(0, {0}).append(AreaBayTail());
    current[11].records.append(AreaBayHead("N2", 0).arr_i32(0, {0}).arr_i32(0, {0}).append(AreaBayTail()));

    // The layout is the same in every legacy version.
    for (double version : {7.0, 7.985, 8.5, 9.025, 9.74}) {
        SCOPED_TRACE(version);
        EXPECT_BYTES(Convert(legacy, version), Encode(current).data);
    }
}

TEST(LabelTables, ItemsAreTakenBySubscript) {
    Section legacy, current;
    legacy[7].count = current[7].count = 1;
    // Bounds 0..3 and -1..4 for an item count of 2: elements 1 and 2 are kept.
    legacy[7].records = AreaBayHead("P", 2).arr_i32(0, {10, 11, 12, 13}).arr_i32(-1, {0, 1, 21, 22, 23, 24});
    legacy[7].records.append(AreaBayTail());
    current[7].records = AreaBayHead("P", 2).arr_i32(0, {0, 11, 12}).arr_i32(0, {0, 21, 22}).append(AreaBayTail());
    EXPECT_BYTES(Convert(legacy, 9.5), Encode(current).data);
}

TEST(LabelTables, CountsAndCapacities) {
    Section legacy;
    for (int i = 0; i < 11; ++i) legacy[2].records.str("C" + std::to_string(i)).seq(24, std::uint8_t(i));
    legacy[2].count = 11;
    legacy[5].count = -4;  // reads no records, written back as held
    legacy[5].extra = 77;
    legacy[9].count = 1;
    legacy[9].records = AreaBayHead("R", 1).arr_i32(1, {3}).arr_i32(1, {4}).append(AreaBayTail());
    Section current = legacy;
    current[9].records = AreaBayHead("R", 1).arr_i32(0, {0, 3}).arr_i32(0, {0, 4}).append(AreaBayTail());

    auto cv = kmdtest::ReadSection(kmd::ReadLabelTables, Encode(legacy), 8.5);
    const auto& d = cv->model.labels;
    EXPECT_EQ(d.ColumnBays.capacity, 20);
    EXPECT_EQ(d.RampBays.capacity, 10);
    EXPECT_EQ(d.LineBays.count, -4);
    EXPECT_EQ(d.PointNames.capacity, 0);
    EXPECT_BYTES(kmdtest::WriteSection(kmd::WriteLabelTables, *cv), Encode(current).data);
}

FormatError ReadError(const Section& s) {
    try {
        kmdtest::ReadSection(kmd::ReadLabelTables, Encode(s), 9.5);
    } catch (const FormatError& e) {
        return e;
    }
    ADD_FAILURE() << "no error";
    return FormatError("", 0, "");
}

TEST(LabelTables, DamagedAreaBaysStopWithTheTableAndOffset) {
    // Everything before "AreaBays" (table 10) is empty: 10 x 8 bytes, then its
    // count and extra; the second record starts after the first.
    const Bytes good = AreaBayHead("A", 1).arr_i32(1, {1}).arr_i32(1, {2}).append(AreaBayTail());
    const std::size_t second = 10 * 8 + 8 + good.size();
    struct Case {
        const char* what;
        Bytes record;
        const char* message;
    };
    const Case cases[] = {
        {"first array short", AreaBayHead("A", 2).arr_i32(1, {1}).arr_i32(1, {2, 3}).append(AreaBayTail()),
         "Items1"},
        {"second array without storage", AreaBayHead("A", 1).arr_i32(1, {1}).no_array().append(AreaBayTail()),
         "Items2"},
        {"second array starting late", AreaBayHead("A", 1).arr_i32(1, {1}).arr_i32(2, {2}).append(AreaBayTail()),
         "Items2"},
        {"negative item count", AreaBayHead("A", -1).no_array().no_array().append(AreaBayTail()), "negative"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Section s;
        s[10].count = 2;
        s[10].records = Bytes().append(good).append(c.record);
        FormatError e = ReadError(s);
        EXPECT_EQ(e.table, "AreaBays");
        EXPECT_EQ(e.offset, second);
        EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
}

TEST(LabelTables, DamagedSectionsEitherConvertOrFailCleanly) {
    // Whatever the reader accepts, the writer must write.
    Section s;
    s[0] = {1, 4, Bytes().str("P").seq(34)};
    s[4] = {1, 5, Bytes().str("L").seq(24)};
    s[7] = {1, 6, AreaBayHead("A", 2).arr_i32(1, {1, 2}).arr_i32(0, {0, 3, 4}).append(AreaBayTail())};
    const Bytes good = Encode(s);
    std::uint32_t state = 99;
    auto next = [&state] { return state = state * 1664525u + 1013904223u; };
    int converted = 0;
    for (int round = 0; round < 1000; ++round) {
        Bytes bad = good;
        if (round % 4 == 0) bad.data.resize(next() % bad.size());
        for (int k = 0, n = 1 + int(next() % 3); k < n && !bad.data.empty(); ++k)
            bad.data[next() % bad.size()] = std::uint8_t(next() >> 24);
        std::unique_ptr<kmd::Conversion> cv;
        try {
            cv = kmdtest::ReadSection(kmd::ReadLabelTables, bad, 8.5);
        } catch (const FormatError&) {
            continue;
        }
        EXPECT_NO_THROW(kmdtest::WriteSection(kmd::WriteLabelTables, *cv)) << "round " << round;
        ++converted;
    }
    EXPECT_GT(converted, 100);
}

TEST(LabelTables, CountsBeyondTheFileAndTruncationFail) {
    Section s;
    s[1] = {0x40000000, 0, Bytes().str("x").seq(34)};
    FormatError e = ReadError(s);
    EXPECT_EQ(e.table, "NSPoints");
    EXPECT_EQ(e.offset, 16u);

    // A table missing its extra value at the end of the file.
    Bytes cut = Encode(Section{});
    cut.data.resize(cut.size() - 2);
    try {
        kmdtest::ReadSection(kmd::ReadLabelTables, cut, 9.5);
        ADD_FAILURE() << "no error";
    } catch (const FormatError& f) {
        EXPECT_EQ(f.table, "NSAreaBays");
    }
}

}  // namespace
