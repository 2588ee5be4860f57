#include <gtest/gtest.h>

#include "fileformat/legacy_tail.h"
#include "support/bytes.h"
#include "support/convert.h"
#include "tables/results.h"
#include "tools/example_results.h"

using kmdtest::Bytes;
using kmdtest::RoundTrip;

namespace {

void ReadStep(kmd::Reader& in, kmd::Conversion& cv) { kmd::ReadResultsSection(in, cv); }
void WriteStep(kmd::Writer& out, const kmd::Conversion& cv) { kmd::WriteResultsSection(out, cv); }

// The results section with the trailer after it.
void ReadWithTrailer(kmd::Reader& in, kmd::Conversion& cv) {
    kmd::ReadResultsSection(in, cv);
    kmd::ReadTrailer(in, cv);
}

// The section of a file without results: format 3, an empty header, C1..C17.
Bytes CurrentEmpty(std::initializer_list<std::int32_t> counts = {}) {
    Bytes b;
    b.i32(3).i32(0).str("").i32(0);
    for (std::int32_t c : counts) b.i32(c);
    for (std::size_t i = counts.size(); i < 17; ++i) b.i32(0);
    return b;
}

TEST(Results, NothingUpTo8895) {
    std::size_t consumed = 1;
    auto cv = kmdtest::ReadSection(ReadStep, Bytes().i32(3), 8.5, &consumed);
    EXPECT_EQ(consumed, 0u);
    EXPECT_BYTES(kmdtest::WriteSection(WriteStep, *cv), CurrentEmpty().data);
    kmdtest::ReadSection(ReadStep, Bytes().i32(3), 8.895, &consumed);
    EXPECT_EQ(consumed, 0u);
}

// Fourteen counts: C1, C2, C5..C11, C13..C17.
Bytes Counts14(std::int32_t announced) {
    Bytes b;
    b.i32(3).i32(-1);
    for (int i = 0; i < 7; ++i) b.i32(i == 2 ? -2 : 0);
    for (int i = 0; i < 5; ++i) b.i32(i == 4 ? announced : -i);
    return b;
}

TEST(Results, FourteenCountsUpTo90015) {
    const Bytes trailer = Bytes().i32(2).raw("ab", 2).i32(9);
    for (double v : {8.9, 9.0015}) {
        // No records announced: the counts are written as read and the trailer follows.
        Bytes b = Counts14(-7);
        b.append(trailer);
        std::size_t consumed = 0;
        auto cv = kmdtest::ReadSection(ReadWithTrailer, b, v, &consumed);
        EXPECT_EQ(consumed, b.size()) << v;
        EXPECT_BYTES(kmdtest::WriteSection(WriteStep, *cv),
                     CurrentEmpty({3, -1, 0, 0, 0, 0, -2, 0, 0, 0, 0, 0, 0, -1, -2, -3, -7}).data);
        // Records announced: all counts 0, and the reading ends before the trailer.
        b = Counts14(5);
        b.append(trailer);
        cv = kmdtest::ReadSection(ReadWithTrailer, b, v, &consumed);
        EXPECT_EQ(consumed, 56u) << v;
        EXPECT_TRUE(cv->model.results.EndedReading);
        EXPECT_BYTES(kmdtest::WriteSection(WriteStep, *cv), CurrentEmpty().data);
    }
    // A file ending inside the trailer is truncated.
    Bytes b = Counts14(0);
    b.i32(4).raw("ab", 2);
    EXPECT_THROW(kmdtest::ReadSection(ReadWithTrailer, b, 9.0, nullptr), kmd::FormatError);
}

TEST(Results, FormatsBelow3HoldNothingMore) {
    for (std::int32_t format : {-1, 0, 1, 2}) {
        Bytes b;
        b.i32(format);
        auto out = RoundTrip(ReadStep, WriteStep, b, 9.1);
        EXPECT_BYTES(out, CurrentEmpty().data);
    }
}

// Builders of the R1..R7 layout; `f` is the framing value of the texts (0 in
// the current file).
struct Section {
    std::int32_t f;
    Bytes b;

    Section& text(std::string_view s) {
        b.i32(f).str(s).i32(f ? f + 1 : 0);
        return *this;
    }
    Section& key(std::string_view first, std::string_view second) { return text(second).text(first); }
    Section& group() {
        text("DEAD").text("LIVE");
        b.seq(4).i32(1).seq(12);
        text("E1").text("E2");
        b.seq(4).i32(2).f64(1).f64(2).i32(3).i32(4);
        return *this;
    }
    Section& steps(std::int32_t n) {
        b.i32(n);
        for (int k = 0; k < 3; ++k)
            for (int i = 0; i < n; ++i) b.f64(0.5 * i + k);
        b.seq(8);
        group();
        b.i32(1).i32(1).f64(1).f64(2).f64(3).i32(4);
        return *this;
    }
};

Section R1ToR7(std::int32_t f) {
    Section s{f, {}};
    s.key("A", "B").b.seq(4);
    s.text("R1").b.seq(8).i32(101);
    s.key("A", "B").b.seq(4);
    s.text("R2").b.seq(56).i32(1).i32(2).i32(3).i32(4).i32(5).i32(6).i32(2);
    s.text("T1").text("T2").group().group().group().b.seq(100).seq(36).i32(102);
    s.key("C", "D").b.seq(4);
    s.text("R3").steps(2).b.seq(7).i32(103);
    s.key("E", "F").b.seq(4);
    s.text("R4").b.seq(101).i32(104);
    s.key("G", "H").b.seq(4);
    s.text("R5").steps(1).b.seq(28).i32(105);
    s.key("I", "J").b.seq(4);
    s.text("R6").steps(0).b.seq(28).i32(106);
    s.b.seq(4);
    s.text("R7").b.seq(110);
    return s;
}

Bytes PlainHead(std::string_view text) {
    Bytes b;
    b.str("K1").str("K2").seq(4).str(text);
    return b;
}

// R8..R13 as the legacy file holds them, and as the current file writes them.
Bytes R8ToR13Legacy() {
    Bytes b;
    b.append(PlainHead("R8")).seq(4);
    b.arr_f64(1, {1.5, 2.5}).no_array().header({{0, 0}}).arr_f64(0, {9, 8}).seq(92).i32(108);
    b.append(PlainHead("R9")).seq(4).i32(109);
    b.append(PlainHead("R10")).i32(2).arr_str(1, {"a", "b"}).arr_str(1, {"c"}).arr_f64(1, {1, 2, 3}).i32(110);
    b.append(PlainHead("R11")).seq(76).i32(111);
    b.append(PlainHead("R12")).seq(221).i32(112);
    b.append(PlainHead("R13")).i32(5).i32(1).i32(0);
    for (int i = 0; i < 3; ++i) b.arr_f64(1, {double(i)});
    for (int i = 0; i < 6; ++i) b.no_array();
    b.seq(104).i32(113);
    return b;
}
Bytes R8ToR13Current() {
    Bytes b;
    b.append(PlainHead("R8")).seq(4);
    b.header({{3, 0}}).f64(0).f64(1.5).f64(2.5).no_array().header({{0, 0}}).header({{2, 0}}).f64(0).f64(8);
    b.seq(92).i32(108);
    b.append(PlainHead("R9")).seq(4).i32(109);
    b.append(PlainHead("R10")).i32(2).arr_str(0, {"", "a", "b"}).arr_str(0, {"", "", ""}).arr_f64(0, {0, 1, 2});
    b.i32(110);
    b.append(PlainHead("R11")).seq(76).i32(111);
    b.append(PlainHead("R12")).seq(221).i32(112);
    b.append(PlainHead("R13")).i32(5).i32(1).i32(0);
    for (int i = 0; i < 3; ++i) b.arr_f64(0, {0, double(i)});
    for (int i = 0; i < 6; ++i) b.arr_f64(0, {0});
    b.seq(104).i32(113);
    return b;
}

Bytes WholeSection(std::int32_t format, std::int32_t f, const Bytes& r8ToR13, std::int32_t c4) {
    Bytes b;
    b.i32(format).i32(21).str("Run").i32(22).i32(11).i32(12).i32(13).i32(c4);
    for (int i = 0; i < 13; ++i) b.i32(1);
    b.append(R1ToR7(f).b).append(r8ToR13);
    return b;
}

TEST(Results, EveryTableAbove90015) {
    const Bytes expected = WholeSection(3, 0, R8ToR13Current(), 0);
    for (std::int32_t format : {3, 4})
        for (double v : {9.0016, 9.5}) {
            const Bytes legacy = WholeSection(format, 7, R8ToR13Legacy(), 14);
            EXPECT_BYTES(RoundTrip(ReadStep, WriteStep, legacy, v), expected.data);
        }
    // The key (A, B) is held in the file as B, A.
    auto cv = kmdtest::ReadSection(ReadStep, WholeSection(3, 7, R8ToR13Legacy(), 0), 9.5);
    EXPECT_EQ(cv->model.results.R1[1].record.Key.First.text, "A");
}

TEST(Results, ShortStepArraysArePaddedWithZeros) {
    auto cv = kmdtest::NewConversion();
    auto& r3 = cv->model.results.R3;
    r3.Reallocate(1);
    r3.count = 1;
    kmd::ResultR3& r = r3[1].record;
    r.N = 2;
    r.Reals1 = kmd::DynArray<double>::Sized(1, 1);
    r.Reals1.items[0] = 1.5;
    Bytes expected;
    expected.i32(3).i32(0).str("").i32(0).fill(16).i32(0).i32(0).i32(1).fill(40);
    Section s{0, {}};
    s.key("", "").b.fill(4);
    s.text("").b.i32(2).f64(1.5).f64(0).fill(32).fill(8);
    s.text("").text("").b.fill(4).i32(0).fill(4).i32(0).i32(0).fill(7).i32(0);
    expected.append(s.b);
    EXPECT_BYTES(kmdtest::WriteSection(WriteStep, *cv), expected.data);
}

TEST(Results, NegativeCountsInsideRecordsAndTables) {
    auto section = [](std::int32_t f) {
        Section s{f, {}};
        s.key("A", "B").b.seq(4);
        s.text("R3").b.i32(-1).seq(8);
        s.text("G1").text("G2");
        s.b.seq(4).i32(-3).seq(4).i32(-4).i32(-2).seq(7).i32(1);
        Bytes b;
        b.i32(3).i32(0).str("").i32(0).i32(0).i32(0).i32(0).i32(0);
        b.i32(-5).i32(0).i32(1);
        for (int i = 3; i < 13; ++i) b.i32(i == 9 ? -1 : 0);
        b.append(s.b);
        return b;
    };
    EXPECT_BYTES(RoundTrip(ReadStep, WriteStep, section(9), 9.1), section(0).data);
}

Bytes WithOneRecord(int table, const Bytes& record) {
    Bytes b;
    b.i32(3).i32(0).str("").i32(0).fill(16);
    for (int i = 1; i <= 13; ++i) b.i32(i == table ? 1 : 0);
    b.append(record).i32(0);
    return b;
}

TEST(Results, DamagedRecordsAreCorrupt) {
    auto corrupt = [](int table, const Bytes& record) {
        EXPECT_THROW(kmdtest::ReadSection(ReadStep, WithOneRecord(table, record), 9.1), kmd::FormatError);
    };
    // R8: a two-dimensional array, an array with lower bound 2.
    Bytes r8 = PlainHead("R8");
    r8.seq(4).header({{1, 0}, {1, 0}}).f64(1).no_array().no_array().no_array().seq(92);
    corrupt(8, r8);
    r8 = PlainHead("R8");
    r8.seq(4).arr_f64(2, {1}).no_array().no_array().no_array().seq(92);
    corrupt(8, r8);
    // R10: a negative N, an N above the file's size.
    for (std::int32_t n : {-1, 100000}) {
        Bytes r10 = PlainHead("R10");
        r10.i32(n).no_array().no_array().no_array();
        corrupt(10, r10);
    }
    // R13: a missing element, a negative B.
    for (auto [a, b] : {std::pair{2, 0}, std::pair{1, -1}}) {
        Bytes r13 = PlainHead("R13");
        r13.i32(0).i32(a).i32(b);
        for (int i = 0; i < 9; ++i) r13.arr_f64(1, {1});
        r13.seq(104);
        corrupt(13, r13);
    }
    // R3: an array count beyond the file.
    Section s{0, {}};
    s.key("A", "B").b.seq(4);
    s.text("R3").b.i32(1 << 28);
    corrupt(3, s.b);

    // R10 arrays that lack an element are written all empty.
    Bytes r10 = PlainHead("R10");
    r10.i32(2).header({{2, 1}, {2, 1}}).str("a").str("b").str("c").str("d").arr_str(2, {"x", "y"}).no_array();
    Bytes expected = PlainHead("R10");
    expected.i32(2).arr_str(0, {"", "", ""}).arr_str(0, {"", "", ""}).arr_f64(0, {0, 0, 0});
    Bytes legacy = WithOneRecord(10, r10);
    auto out = RoundTrip(ReadStep, WriteStep, legacy, 9.1);
    EXPECT_BYTES(std::vector<std::uint8_t>(out.begin() + 4 + 10 + 68, out.end() - 4), expected.data);
}

TEST(Results, ExampleSectionsRoundTrip) {
    for (double v : {8.895, 9.0015, 9.5}) {
        kmd::Writer out;
        kmd::example::WriteExampleResults(out, v);
        Bytes b;
        b.append(out.Buffer());
        EXPECT_NO_THROW(RoundTrip(ReadStep, WriteStep, b, v)) << v;
    }
    Bytes damaged;
    kmd::Writer out;
    kmd::example::WriteExampleResults(out, 9.5);
    damaged.append(out.Buffer());
    kmdtest::ExpectDamageHandled(ReadStep, WriteStep, damaged, 9.5);
}

}  // namespace
