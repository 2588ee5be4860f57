#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

#include "support/bytes.h"
#include "support/convert.h"
#include "tables/stories.h"

using kmd::FormatError;
using kmd::ReadStoryTables;
using kmd::WriteStoryTables;
using kmdtest::Bytes;
using kmdtest::MessageCapture;
using kmdtest::ReadSection;
using kmdtest::RoundTrip;
using kmdtest::WriteSection;

namespace {

std::vector<std::uint8_t> Convert(const Bytes& legacy, double v) {
    return RoundTrip(ReadStoryTables, WriteStoryTables, legacy, v);
}

Bytes LegacyDiaphragm(double v, std::string_view name, std::int16_t d1, std::int16_t d2) {
    Bytes b;
    b.fixed(name, 8);
    if (v > 8.505) b.i16(d1);
    return b.i16(d2);
}
Bytes CurrentDiaphragm(double v, std::string_view name, std::int16_t d1, std::int16_t d2) {
    std::string held(name);
    held.resize(8, ' ');
    return Bytes().str(held).i16(v > 8.505 ? d1 : 0).i16(d2);
}

// The fields before the per-diaphragm arrays, and after them.
Bytes LegacyStoryHead(double v, std::string_view name, std::uint8_t seed) {
    Bytes b;
    b.str(name).seq(20, seed);
    if (v > 7.985) b.seq(8, std::uint8_t(seed + 0x20)).i16(std::int16_t(seed + 1));
    return b;
}
Bytes CurrentStoryHead(double v, std::string_view name, std::uint8_t seed) {
    Bytes b;
    b.str(name).seq(20, seed);
    if (v > 7.985)
        b.seq(8, std::uint8_t(seed + 0x20)).i16(std::int16_t(seed + 1));
    else
        b.fill(8).i16(0);
    return b;
}
Bytes LegacyStoryTail(double v, std::int16_t s18, std::int16_t s19) {
    Bytes b;
    b.i16(s18);
    if (v > 7.985) b.i16(s19);
    return b;
}
Bytes CurrentStoryTail(double v, std::int16_t s18, std::int16_t s19) {
    return Bytes().i16(s18).i16(v > 7.985 ? s19 : -1);
}

// The per-diaphragm arrays of a story for two diaphragms, held under lower bounds
// 1 and 0 and with elements beyond D.
Bytes LegacyStoryArrays(std::int32_t seed) {
    Bytes b;
    b.arr_i32(1, {seed + 1, seed + 2});
    b.arr_i32(0, {-99, seed + 3, seed + 4});
    for (int k = 0; k < 11; ++k) b.arr_f64(1, {seed + k + 0.5, seed + k + 0.25, -1.0});
    b.header({{2, 1}});
    b.i32(2).i16(std::int16_t(seed)).arr_i32(1, {seed + 7, seed + 8});
    b.i32(0).i16(std::int16_t(seed + 1)).no_array();
    return b;
}
Bytes CurrentStoryArrays(std::int32_t seed) {
    Bytes b;
    b.arr_i32(0, {0, seed + 1, seed + 2});
    b.arr_i32(0, {0, seed + 3, seed + 4});
    for (int k = 0; k < 11; ++k) b.arr_f64(0, {0.0, seed + k + 0.5, seed + k + 0.25});
    // Element 0 is an empty item whose array has no storage.
    b.header({{3, 0}}).i32(0).i16(0).no_array();
    b.i32(2).i16(std::int16_t(seed)).arr_i32(0, {0, seed + 7, seed + 8});
    b.i32(0).i16(std::int16_t(seed + 1)).arr_i32(0, {0});
    return b;
}

Bytes Legacy(double v) {
    Bytes b;
    b.i32(2).append(LegacyDiaphragm(v, "DPH1", 11, 12)).append(LegacyDiaphragm(v, "FLOOR-B", 21, -1));
    b.i32(3);  // three stories: four records
    const char* names[] = {"ROOF", "STORY2", "STORY1", "BASE"};
    for (int i = 0; i < 4; ++i)
        b.append(LegacyStoryHead(v, names[i], std::uint8_t(16 * i)))
            .append(LegacyStoryArrays(100 * i))
            .append(LegacyStoryTail(v, std::int16_t(i), std::int16_t(-i)));
    return b;
}

Bytes Current(double v) {
    Bytes b;
    b.i32(2).append(CurrentDiaphragm(v, "DPH1", 11, 12)).append(CurrentDiaphragm(v, "FLOOR-B", 21, -1));
    b.i32(3);
    const char* names[] = {"ROOF", "STORY2", "STORY1", "BASE"};
    for (int i = 0; i < 4; ++i)
        b.append(CurrentStoryHead(v, names[i], std::uint8_t(16 * i)))
            .append(CurrentStoryArrays(100 * i))
            .append(CurrentStoryTail(v, std::int16_t(i), std::int16_t(-i)));
    return b;
}

class StoryTablesByVersion : public ::testing::TestWithParam<double> {};

TEST_P(StoryTablesByVersion, ConvertsToTheCurrentLayout) {
    const double v = GetParam();
    MessageCapture capture;
    EXPECT_BYTES(Convert(Legacy(v), v), Current(v).data);
    EXPECT_TRUE(capture.messages.empty());
}

TEST_P(StoryTablesByVersion, DamagedFilesStopCleanlyOrWrite) {
    const double v = GetParam();
    kmdtest::ExpectDamageHandled(ReadStoryTables, WriteStoryTables, Legacy(v), v);
}

INSTANTIATE_TEST_SUITE_P(AllLayouts, StoryTablesByVersion,
                         ::testing::Values(7.0, 7.5, 7.98, 7.985, 7.99, 8.0, 8.3, 8.505, 8.51, 9.0, 9.74));

// Without the current forms the writer gives back the newest legacy layout.
TEST(StoryTables, AsHeldWriterGivesBackTheNewestLayout) {
    auto cv = ReadSection(ReadStoryTables, Legacy(9.74), 9.74);
    kmd::Writer out;
    WriteStoryTables(out, *cv);
    EXPECT_BYTES(out.Buffer(), Legacy(9.74).data);
}

TEST(StoryTables, NoStoriesWriteOnlyTheCount) {
    Bytes legacy;
    legacy.i32(1).append(LegacyDiaphragm(9.0, "D1", 0, 0)).i32(0);
    EXPECT_BYTES(Convert(legacy, 9.0), Bytes().i32(1).append(CurrentDiaphragm(9.0, "D1", 0, 0)).i32(0).data);
}

TEST(StoryTables, NoDiaphragmsWriteEveryArrayWithBounds0To0) {
    Bytes legacy;
    legacy.i32(0).i32(1);
    for (int i = 0; i < 2; ++i) legacy.append(LegacyStoryHead(9.0, "S", 1)).append(LegacyStoryArrays(0)).i16(1).i16(2);
    Bytes expect;
    expect.i32(0).i32(1);
    for (int i = 0; i < 2; ++i) {
        expect.append(CurrentStoryHead(9.0, "S", 1)).arr_i32(0, {0}).arr_i32(0, {0});
        for (int k = 0; k < 11; ++k) expect.arr_f64(0, {0.0});
        expect.header({{1, 0}}).i32(0).i16(0).no_array().i16(1).i16(2);
    }
    EXPECT_BYTES(Convert(legacy, 9.0), expect.data);
}

TEST(StoryTables, ShortArraysAreFilledEmptyWithOneWarningPerStory) {
    Bytes legacy;
    legacy.i32(3);
    for (const char* d : {"A", "B", "C"}) legacy.append(LegacyDiaphragm(9.0, d, 0, 0));
    legacy.i32(1);
    // "LOW": every array holds only element 1 (or nothing); "BASE" holds all three.
    legacy.append(LegacyStoryHead(9.0, "LOW", 1)).arr_i32(1, {5}).no_array();
    for (int k = 0; k < 11; ++k) legacy.arr_f64(1, {1.5});
    legacy.header({{1, 1}}).i32(1).i16(3).arr_i32(1, {9}).i16(0).i16(0);
    legacy.append(LegacyStoryHead(9.0, "BASE", 2)).arr_i32(1, {1, 2, 3}).arr_i32(1, {1, 2, 3});
    for (int k = 0; k < 11; ++k) legacy.arr_f64(1, {1, 2, 3});
    legacy.header({{3, 1}});
    for (int j = 0; j < 3; ++j) legacy.i32(0).i16(0).no_array();
    legacy.i16(0).i16(0);

    MessageCapture capture;
    auto out = Convert(legacy, 9.0);
    ASSERT_EQ(capture.messages.size(), 1u);
    EXPECT_NE(capture.messages[0].find("\"LOW\""), std::string::npos) << capture.messages[0];

    Bytes expect;
    expect.i32(3);
    for (const char* d : {"A", "B", "C"}) expect.append(CurrentDiaphragm(9.0, d, 0, 0));
    expect.i32(1).append(CurrentStoryHead(9.0, "LOW", 1)).arr_i32(0, {0, 5, 0, 0}).arr_i32(0, {0, 0, 0, 0});
    for (int k = 0; k < 11; ++k) expect.arr_f64(0, {0, 1.5, 0, 0});
    expect.header({{4, 0}}).i32(0).i16(0).no_array().i32(1).i16(3).arr_i32(0, {0, 9});
    expect.i32(0).i16(0).no_array().i32(0).i16(0).no_array().i16(0).i16(0);
    expect.append(CurrentStoryHead(9.0, "BASE", 2)).arr_i32(0, {0, 1, 2, 3}).arr_i32(0, {0, 1, 2, 3});
    for (int k = 0; k < 11; ++k) expect.arr_f64(0, {0, 1, 2, 3});
    expect.header({{4, 0}});
    expect.i32(0).i16(0).no_array();
    for (int j = 0; j < 3; ++j) expect.i32(0).i16(0).arr_i32(0, {0});
    expect.i16(0).i16(0);
    EXPECT_BYTES(out, expect.data);

    // Read back, the items written empty are left out again.
    auto back = kmdtest::NewConversion();
    kmd::Reader in(out, nullptr, kmd::Reader::Form::Current);
    kmd::ReadBackStoryTables(in, *back);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_BYTES(WriteSection(WriteStoryTables, *back), out);
}

// A story record for D = 1 whose S17 items are given.
Bytes StoryWithItems(const Bytes& items) {
    Bytes b;
    b.append(LegacyStoryHead(9.0, "S", 1)).arr_i32(1, {1}).arr_i32(1, {1});
    for (int k = 0; k < 11; ++k) b.arr_f64(1, {1});
    return b.append(items).i16(0).i16(0);
}

TEST(StoryTables, DiaphragmItemCountBeyondItsArrayIsCorrupt) {
    Bytes head;
    head.i32(1).append(LegacyDiaphragm(9.0, "D", 0, 0)).i32(1);
    const std::size_t firstRecord = head.size();
    for (const Bytes& items : {Bytes().header({{1, 1}}).i32(3).i16(0).arr_i32(1, {1}),
                               Bytes().header({{1, 1}}).i32(-1).i16(0).no_array()}) {
        Bytes legacy = head;
        legacy.append(StoryWithItems(items)).append(StoryWithItems(Bytes().no_array()));
        try {
            ReadSection(ReadStoryTables, legacy, 9.0);
            ADD_FAILURE() << "no error";
        } catch (const FormatError& e) {
            EXPECT_EQ(e.table, "Story");
            EXPECT_EQ(e.offset, firstRecord);
        }
    }
    // An item beyond D is dropped, so its count is never checked.
    Bytes legacy = head;
    Bytes items;
    items.header({{2, 1}}).i32(0).i16(0).no_array().i32(5).i16(0).no_array();
    legacy.append(StoryWithItems(items)).append(StoryWithItems(items));
    EXPECT_NO_THROW(ReadSection(ReadStoryTables, legacy, 9.0));
}

TEST(StoryTables, NegativeCounts) {
    // Negative counts read nothing and are written back as held.
    EXPECT_BYTES(Convert(Bytes().i32(-1).i32(0), 9.0), Bytes().i32(-1).i32(0).data);
    EXPECT_BYTES(Convert(Bytes().i32(0).i32(-4), 9.0), Bytes().i32(0).i32(-4).data);
    // Stories cannot be sized to a negative diaphragm count.
    Bytes legacy;
    legacy.i32(-1).i32(1).append(StoryWithItems(Bytes().no_array())).append(StoryWithItems(Bytes().no_array()));
    EXPECT_THROW(ReadSection(ReadStoryTables, legacy, 9.0), FormatError);
    // A story count the file cannot hold.
    EXPECT_THROW(ReadSection(ReadStoryTables, Bytes().i32(0).i32(1000000).append(StoryWithItems(Bytes())), 9.0),
                 FormatError);
}

TEST(StoryTables, TablesAreAllocatedWithNPlusOneStoryRecords) {
    auto cv = ReadSection(ReadStoryTables, Legacy(9.0), 9.0);
    const auto& s = cv->model.stories;
    EXPECT_EQ(s.Diaphragm.count, 2);
    EXPECT_EQ(s.Diaphragm.capacity, 20);
    EXPECT_EQ(s.Story.count, 3);
    EXPECT_EQ(s.Story.capacity, 20);
    EXPECT_EQ(s.Story[4].Name, "BASE");
}

}  // namespace
