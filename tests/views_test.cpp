#include <gtest/gtest.h>

#include <cstring>

#include "support/bytes.h"
#include "support/convert.h"
#include "tables/views.h"
#include "tools/example_views.h"

using kmdtest::Bytes;
using kmdtest::RoundTrip;

namespace {

void ReadStep24(kmd::Reader& in, kmd::Conversion& cv) { kmd::ReadViewTables(in, cv); }
void WriteStep20(kmd::Writer& out, const kmd::Conversion& cv) { kmd::WriteViewTables(out, cv); }

std::size_t ViewBytes(double v) { return v <= 7.995 ? 494 : v <= 8.195 ? 510 : 512; }

Bytes Windows(double v, std::int32_t windows, std::int32_t views) {
    Bytes b;
    b.i32(7).i32(windows);
    for (std::int32_t i = 0; i < windows; ++i) b.seq(ViewBytes(v), std::uint8_t(i));
    b.i32(views);
    for (std::int32_t i = 0; i < views; ++i) b.i16(1).str("View").seq(ViewBytes(v));
    return b;
}

TEST(Views, WindowsAndNamedViewsAreReadAndDropped) {
    for (double v : {7.5, 7.995, 8.1, 8.195, 8.3}) {
        for (auto [windows, views] : {std::pair{3, 5}, std::pair{6, 1}, std::pair{-2, -1}}) {
            const Bytes b = Windows(v, windows, views);
            std::size_t consumed = 0;
            kmdtest::ReadSection(kmd::ReadWindowsAndNamedViews, b, v, &consumed);
            EXPECT_EQ(consumed, b.size()) << v << " " << windows;
        }
    }
    Bytes b = Windows(8.3, 3, 5);
    b.data.pop_back();
    EXPECT_THROW(kmdtest::ReadSection(kmd::ReadWindowsAndNamedViews, b, 8.3), kmd::FormatError);
}

// The tables after the developed elevations: one time function, one database
// named view (above 7.005) and the display options (above 8.005).
Bytes LegacyRest(double v, std::int16_t o2 = 2) {
    Bytes b;
    b.i32(1).str("TF").seq(34);
    if (v > 7.005) {
        b.i32(1).i16(1).str("A").str("B").seq(20);
        b.header({{1, 1}}).seq(8).header({{2, 0}}).seq(16);
        b.seq(v > 7.025 ? 22 : 18);
    }
    if (v > 8.005) {
        b.i16(1).i16(o2).arr_f64(1, {1, 2}).no_array().arr_f64(0, {3}).arr_i16(1, {4, 5}).seq(60);
        for (int i = 0; i < 6; ++i) b.arr_i32(1, {i});
    }
    return b;
}
Bytes CurrentRest(std::int16_t o1, std::int16_t o2, bool block) {
    Bytes b;
    b.i32(1).str("TF").seq(34);
    b.i16(o1).i16(o2);
    for (int i = 0; i < 3; ++i) b.header({{1, 0}}).f64(0);
    b.header({{1, 0}}).i16(0);
    if (block) b.seq(60);
    else b.fill(60);
    for (int i = 0; i < 6; ++i) b.header({{1, 0}}).i32(0);
    return b;
}

// A developed elevation of the current layout with its points and E9.
Bytes CurrentElevation(std::int16_t e1, std::string_view name, std::int32_t e2, std::int16_t e3,
                       std::initializer_list<double> a, std::initializer_list<double> b, std::int32_t e4,
                       std::initializer_list<double> extra, std::int16_t e9) {
    Bytes r;
    r.i16(e1).str(name).i32(e2).i16(e3);
    r.header({{std::uint32_t(a.size() + 1), 0}}).f64(0);
    for (double x : a) r.f64(x);
    r.header({{std::uint32_t(b.size() + 1), 0}}).f64(0);
    for (double x : b) r.f64(x);
    r.i32(std::int32_t(a.size())).i32(e4).i32(e4 + 1).i32(e4 + 2).i32(e4 + 3);
    r.header({{4, 0}}).f64(0);
    for (double x : extra) r.f64(x);
    r.header({{5, 0}}).i16(0).i16(e9).i16(e9).i16(e9).i16(e9);
    return r;
}

TEST(Views, DevElevTimeFunctionAndDisplayOptionsAbove7985) {
    for (double v : {7.99, 8.3}) {
        Bytes b;
        b.i32(1).i16(1).str("Elev").i32(2).i16(3);
        b.arr_f64(1, {1, 2, 3, 4}).arr_f64(0, {9, 5, 6, 7, 8}).i32(4).i32(4).i32(5).i32(6).i32(7);
        b.f64(0.5).f64(1.5).f64(2.5).f64(3.5).i16(8).i16(8).i16(8).i16(9);
        b.append(LegacyRest(v));
        Bytes expected;
        expected.i32(1).append(CurrentElevation(1, "Elev", 2, 3, {1, 2, 3, 4}, {5, 6, 7, 8}, 4, {1.5, 2.5, 3.5}, 9));
        expected.append(CurrentRest(v > 8.005 ? 1 : 0, v > 8.005 ? 2 : 0, v > 8.005));
        EXPECT_BYTES(RoundTrip(ReadStep24, WriteStep20, b, v), expected.data);
    }
}

// Three points whose PBlock1 starts with (10 i, 20 i), and one area of points 3 and 1.
kmdtest::Setup PointsAndArea(std::initializer_list<std::int32_t> items) {
    return [items](kmd::Conversion& cv) {
        kmdtest::WithObjects(3, 0, 1)(cv);
        auto& o = cv.model.objects;
        for (int i = 1; i <= 3; ++i) {
            const double xy[2] = {10.0 * i, 20.0 * i};
            std::memcpy(o.PointObjects[i].PBlock1.data(), xy, sizeof xy);
        }
        o.AreaObjects[1].ItemCount = std::int32_t(items.size());
        o.AreaObjects[1].AItems1 = kmd::DynArray<std::int32_t>::Sized(1, std::int64_t(items.size()));
        std::copy(items.begin(), items.end(), o.AreaObjects[1].AItems1.items.begin());
    };
}

Bytes OldElevation(std::int32_t area) {
    Bytes b;
    b.str("Old").i32(11).i16(12).i16(13).i32(14).i32(15).i32(16).i32(17).i32(area).i16(-1).seq(8);
    b.f64(1.25).f64(2.25).f64(3.25).i16(21).i16(22).i16(23).i16(24);
    return b;
}

TEST(Views, OldDevElevTakesThePointsOfItsArea) {
    for (double v : {7.5, 7.985}) {
        Bytes b;
        b.i32(1).append(OldElevation(1)).append(LegacyRest(v));
        Bytes expected;
        expected.i32(1).append(CurrentElevation(13, "Old", 11, 12, {30, 10}, {60, 20}, 14, {1.25, 2.25, 3.25}, 24));
        expected.append(CurrentRest(0, 0, false));
        EXPECT_BYTES(RoundTrip(ReadStep24, WriteStep20, b, v, PointsAndArea({3, 1})), expected.data);
    }
    // No area, an area beyond the table, a point beyond the table: no points;
    // the last two are reported.
    for (auto [area, point, noted] : {std::tuple{0, 1, false}, std::tuple{2, 1, true}, std::tuple{1, 4, true},
                                      std::tuple{1, 0, true}}) {
        Bytes b;
        b.i32(1).append(OldElevation(area)).append(LegacyRest(7.0));
        Bytes expected;
        expected.i32(1).append(CurrentElevation(13, "Old", 11, 12, {}, {}, 14, {1.25, 2.25, 3.25}, 24));
        expected.append(CurrentRest(0, 0, false));
        kmdtest::MessageCapture capture;
        EXPECT_BYTES(RoundTrip(ReadStep24, WriteStep20, b, 7.0, PointsAndArea({3, point})), expected.data);
        EXPECT_EQ(capture.messages.size(), noted ? 1u : 0u) << area << " " << point;
    }
}

TEST(Views, DisplayOptionsVersions) {
    auto o2Of = [](double v, std::int16_t held) {
        Bytes b;
        b.i32(0).append(LegacyRest(v, held));
        auto out = RoundTrip(ReadStep24, WriteStep20, b, v);
        std::int16_t o2;
        std::memcpy(&o2, out.data() + 8 + 2 + 2 + 34 + 2, 2);
        return o2;
    };
    EXPECT_EQ(o2Of(8.02, 5), -1);
    EXPECT_EQ(o2Of(8.035, 5), 5);
    EXPECT_EQ(o2Of(8.04, 5), 5);
    EXPECT_EQ(o2Of(8.005, 5), 0);  // no record: written with zeros
    EXPECT_EQ(o2Of(7.025, 5), 0);
    EXPECT_EQ(o2Of(7.005, 5), 0);  // no database named views either
}

TEST(Views, DamagedElevations) {
    // A point count the stored arrays do not reach, or a negative one.
    for (std::int32_t count : {5, -1}) {
        Bytes b;
        b.i32(1).i16(1).str("E").i32(2).i16(3).arr_f64(1, {1, 2, 3, 4}).arr_f64(1, {1, 2, 3, 4}).i32(count);
        b.fill(16).fill(32).fill(8).append(LegacyRest(8.3));
        EXPECT_THROW(kmdtest::ReadSection(ReadStep24, b, 8.3), kmd::FormatError) << count;
    }
    Bytes b;
    b.i32(1).append(OldElevation(1)).append(LegacyRest(7.5));
    kmdtest::ExpectDamageHandled(ReadStep24, WriteStep20, b, 7.5, PointsAndArea({3, 1}));
}

TEST(Views, ExampleViewsAreReadWhole) {
    for (double v : {7.0, 7.005, 7.025, 7.985, 7.995, 8.005, 8.195, 8.3, 9.5}) {
        kmd::Writer out;
        kmd::example::WriteExampleViews(out, v);
        Bytes b;
        b.append(out.Buffer());
        std::size_t consumed = 0;
        kmdtest::ReadSection(
            [](kmd::Reader& in, kmd::Conversion& cv) {
                kmd::ReadWindowsAndNamedViews(in, cv);
                kmd::ReadViewTables(in, cv);
            },
            b, v, &consumed, PointsAndArea({1, 2}));
        EXPECT_EQ(consumed, b.size()) << v;
    }
}

}  // namespace
