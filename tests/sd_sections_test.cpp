#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/bytes.h"
#include "support/convert.h"
#include "tables/sd_sections.h"
#include "tools/example_sd_shell.h"

using kmd::FormatError;
using kmdtest::Bytes;

namespace {

enum class Form { D1, D2, D3, D4 };

void Put(Bytes& b, std::int16_t v) { b.i16(v); }
void Put(Bytes& b, std::int32_t v) { b.i32(v); }
void Put(Bytes& b, double v) { b.f64(v); }

// One-based values as a legacy file holds them: lower bound 1, or lower bound 0
// with a junk element 0 that must be dropped.
template <class T>
void Arr(Bytes& b, int lower, const std::vector<T>& v) {
    b.header({{std::uint32_t(v.size() + (lower == 0)), lower}});
    if (lower == 0) Put(b, T(77));
    for (T x : v) Put(b, x);
}
// The current file's rebuilt array: bounds 0..n, element 0 zero.
template <class T>
void Arr0(Bytes& b, const std::vector<T>& v) {
    b.header({{std::uint32_t(v.size() + 1), 0}});
    Put(b, T(0));
    for (T x : v) Put(b, x);
}

const std::vector<std::int16_t> kFlags1{-1, 0, -1, 0}, kFlags2{0, 0, -1, -1}, kAllTrue{-1, -1, -1, -1};

double M(int s, int i, int j) { return s + i * 0.1 + j * 0.01; }
// Legacy nine reals by columns (no header): real k is value (k mod 3 + 1, k div 3 + 1).
void ColumnReals(Bytes& b, int s) {
    for (int j = 1; j <= 3; ++j)
        for (int i = 1; i <= 3; ++i) b.f64(M(s, i, j));
}
void Matrix2D(Bytes& b, int s, std::int32_t lower = 1) {
    std::uint32_t n = lower == 0 ? 4 : 3;
    b.header({{n, lower}, {n, lower}});
    for (int j = lower; j <= 3; ++j)
        for (int i = lower; i <= 3; ++i) b.f64(i && j ? M(s, i, j) : 99.0);
}
// Current: 0..9, element 3(i-1)+j is value (i, j).
void MatrixOut(Bytes& b, int s) {
    b.header({{10, 0}}).f64(0);
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j) b.f64(M(s, i, j));
}

std::string N(const char* p, int s) { return p + std::to_string(s); }
std::uint8_t U8(int s) { return std::uint8_t(s); }

void ItemA(Bytes& b, Form f, int lower, int s) {
    if (f == Form::D1) b.fixed(" " + N("A", s), 8);
    else b.str(N("A", s));
    b.i16(std::int16_t(s)).seq(58, U8(s)).i16(1).i16(2).i16(std::int16_t(s));
    if (f == Form::D1) b.seq(16, 0xE0);
    else Arr(b, lower, kFlags1), Arr(b, lower, kFlags2);
}
void ItemAOut(Bytes& b, Form f, int s) {
    b.str(N("A", s)).i16(std::int16_t(s)).seq(58, U8(s)).i16(1).i16(2).i16(std::int16_t(s));
    Arr0(b, f == Form::D1 ? kAllTrue : kFlags1);
    Arr0(b, f == Form::D1 ? kAllTrue : kFlags2);
}

void ItemB(Bytes& b, Form f, int lower, int s) {
    if (f == Form::D1) {
        b.fixed(N("B", s), 8).i32(s).i32(s + 1).seq(12, U8(s));
        ColumnReals(b, s);
        b.i16(std::int16_t(s)).i16(4).i16(5).i16(6).seq(16, 0xE0);
        return;
    }
    b.str(N("B", s));
    Arr<std::int32_t>(b, lower, {s, s + 1});
    b.seq(12, U8(s));
    Matrix2D(b, s);
    b.i16(std::int16_t(s)).i16(4).i16(5).i16(6);
    Arr(b, lower, kFlags1), Arr(b, lower, kFlags2);
}
void ItemBOut(Bytes& b, Form f, int s) {
    b.str(N("B", s));
    Arr0<std::int32_t>(b, {s, s + 1});
    b.seq(12, U8(s));
    MatrixOut(b, s);
    b.i16(std::int16_t(s)).i16(4).i16(5).i16(6);
    Arr0(b, f == Form::D1 ? kAllTrue : kFlags1);
    Arr0(b, f == Form::D1 ? kAllTrue : kFlags2);
}

std::vector<std::int32_t> Ints(int n, int base) {
    std::vector<std::int32_t> v;
    for (int k = 1; k <= n; ++k) v.push_back(base + k);
    return v;
}
std::vector<double> Reals(int n, double step) {
    std::vector<double> v;
    for (int k = 1; k <= n; ++k) v.push_back(k * step);
    return v;
}

void ItemC(Bytes& b, Form f, int lower, int s, int n) {
    if (f == Form::D1) b.fixed(N("C", s) + "  ", 8);
    else b.str(N("C", s));
    b.i32(n);
    Arr(b, lower, Ints(n, 100 * s));
    Arr(b, lower, Reals(n, 0.5));
    b.seq(10, U8(s)).seq(8, U8(s + 10));
    if (f == Form::D1) {
        b.f64(1.5).f64(2.5).f64(3.5).f64(4.5);
        ColumnReals(b, s);
        b.i16(7).i16(8).i16(9).seq(8, U8(s + 20));
        Arr(b, lower, Ints(n, 1000 * s));
        b.seq(16, 0xE0);
        return;
    }
    Arr<double>(b, lower, {1.5, 2.5, 3.5, 4.5});
    Matrix2D(b, s);
    b.i16(7).i16(8).i16(9).seq(8, U8(s + 20));
    Arr(b, lower, Ints(n, 1000 * s));
    Arr(b, lower, kFlags1), Arr(b, lower, kFlags2);
}
void ItemCOut(Bytes& b, Form f, int s, int n) {
    b.str(N("C", s)).i32(n);
    Arr0(b, Ints(n, 100 * s));
    Arr0(b, Reals(n, 0.5));
    b.seq(10, U8(s)).seq(8, U8(s + 10));
    Arr0<double>(b, {1.5, 2.5, 3.5, f == Form::D1 ? 0.0 : 4.5});
    MatrixOut(b, s);
    b.i16(7).i16(8).i16(9).seq(8, U8(s + 20));
    Arr0(b, Ints(n, 1000 * s));
    Arr0(b, f == Form::D1 ? kAllTrue : kFlags1);
    Arr0(b, f == Form::D1 ? kAllTrue : kFlags2);
}

std::size_t BlockSize(Form f) { return f == Form::D1 || f == Form::D2 ? 176 : 192; }
// A data block as the current file holds it: a 176-byte one gains its first 8 bytes twice.
void BlockOut(Bytes& b, Form f, int s) {
    b.seq(BlockSize(f), U8(s));
    if (BlockSize(f) == 176) b.seq(8, U8(s)).seq(8, U8(s));
}

void ItemDHead(Bytes& b, int s, int refC, int kind, int count) {
    b.seq(8, U8(s)).i32(refC).seq(44, U8(s)).i32(kind).seq(26, U8(s)).seq(36, U8(s)).i32(count);
}
void ItemD(Bytes& b, Form f, int lower, int s, int refC, int kind, int count, int points) {
    ItemDHead(b, s, refC, kind, count);
    Arr(b, lower, Reals(points, 1.5));
    Arr(b, lower, Ints(points, 0));
    Arr(b, lower, Ints(points, 50));
    Arr(b, lower, Reals(points, 0.25));
    b.i16(1).i16(2).i16(3).seq(80, U8(s)).seq(BlockSize(f), U8(s));
}
// `kept` of the legacy points survive, the rest up to `count` are zeros.
void ItemDOut(Bytes& b, Form f, int s, int refC, int kind, int count, int kept) {
    ItemDHead(b, s, refC, kind, count);
    auto pad = [&](auto v) { v.resize(std::size_t(count)); return v; };
    Arr0(b, pad(Reals(kept, 1.5)));
    Arr0(b, pad(Ints(kept, 0)));
    Arr0(b, pad(Ints(kept, 50)));
    Arr0(b, pad(Reals(kept, 0.25)));
    b.i16(1).i16(2).i16(3).seq(80, U8(s));
    BlockOut(b, f, s);
}

void ItemE(Bytes& b, Form f, int lower, int s) {
    b.seq(32, U8(s));
    for (int k = 0; k < (f == Form::D4 ? 5 : 4); ++k) Arr<double>(b, lower, {s + 0.5});
}

// Empty elements 0 of the current file's item arrays.
void EmptyA(Bytes& b) { b.str("").i16(0).fill(58).fill(6).no_array().no_array(); }
void EmptyB(Bytes& b) { b.str("").no_array().fill(12).no_array().i16(0).fill(6).no_array().no_array(); }
void EmptyC(Bytes& b) {
    b.str("").i32(0).no_array().no_array().fill(18).no_array().no_array().fill(14).no_array().no_array().no_array();
}
void EmptyD(Bytes& b) { b.fill(126).no_array().no_array().no_array().no_array().fill(86).fill(192); }

// Header of a legacy item array of n items; with lower bound 0 the caller writes
// a junk element 0 first.
void Items(Bytes& b, int lower, int n) { b.header({{std::uint32_t(n + (lower == 0)), lower}}); }

struct Section {
    Bytes legacy, expected;
};

// A record with two A items, one B, one C of 3 points and one D linked to it,
// three SdReals and two E items; with lower bound 0 every legacy array carries a
// junk element 0 (past the first forms, items that would fail if they were
// converted or checked).
Section Record(Form f, int lower, const std::string& name = "SD1") {
    Section r;
    Bytes& b = r.legacy;
    Bytes& e = r.expected;
    b.str(name).i16(3).i32(11).i32(12);
    e.str(name).i16(3).i32(11).i32(12);

    b.i32(2), Items(b, lower, 2);
    if (lower == 0) f == Form::D1 ? ItemA(b, f, 1, 99) : EmptyA(b);
    ItemA(b, f, lower, 1), ItemA(b, f, lower, 2);
    e.i32(2).header({{3, 0}}), EmptyA(e), ItemAOut(e, f, 1), ItemAOut(e, f, 2);

    b.i32(1), Items(b, lower, 1);
    if (lower == 0) f == Form::D1 ? ItemB(b, f, 1, 98) : EmptyB(b);
    ItemB(b, f, lower, 3);
    e.i32(1).header({{2, 0}}), EmptyB(e), ItemBOut(e, f, 3);

    b.i32(1), Items(b, lower, 1);
    if (lower == 0) {  // claims points its arrays lack
        if (f == Form::D1) b.fixed("junk", 8).i32(500).no_array().no_array().fill(10 + 118 + 8).no_array().fill(16);
        else EmptyC(b);
    }
    ItemC(b, f, lower, 4, 3);
    e.i32(1).header({{2, 0}}), EmptyC(e), ItemCOut(e, f, 4, 3);

    b.i32(1), Items(b, lower, 1);
    if (lower == 0) ItemD(b, f, 1, 97, 55, 24, 2, 2);  // dangling reference
    ItemD(b, f, lower, 5, 1, 24, 3, 3);
    e.i32(1).header({{2, 0}}), EmptyD(e), ItemDOut(e, f, 5, 1, 24, 3, 3);

    for (int k = 21; k <= 26; ++k) b.i32(k), e.i32(k);
    b.seq(BlockSize(f), 0x30), BlockOut(e, f, 0x30);
    b.i16(5), e.i16(f == Form::D4 ? 5 : 0);  // SdCode2
    b.i32(31).i16(32).i16(33).i16(34), e.i32(31).i16(32).i16(33).i16(34);
    for (int k = 35; k <= 38; ++k) b.i32(k), e.i32(k);
    b.i32(3), e.i32(3);
    Arr<double>(b, lower, {0.5, 1.5, 2.5}), Arr0<double>(e, {0.5, 1.5, 2.5});
    b.i16(41).i16(42).i16(43).i32(44).i32(45).i32(46), e.i16(41).i16(42).i16(43).i32(44).i32(45).i32(46);
    b.i32(2), Items(b, lower, 2);
    if (lower == 0) ItemE(b, f, 1, 96);
    ItemE(b, f, lower, 6), ItemE(b, f, lower, 7);
    e.i32(2).i16(0);  // CountE kept, ItemsE without storage
    b.i16(1), e.i16(0);  // SdCode9
    return r;
}

Bytes Table(std::initializer_list<const Bytes*> records) {
    Bytes b;
    b.i32(std::int32_t(records.size()));
    for (const Bytes* r : records) b.append(*r);
    return b;
}

std::vector<std::uint8_t> Convert(const Bytes& section, double version) {
    return kmdtest::RoundTrip(kmd::ReadSDSectionTables, kmd::WriteSDSectionTables, section, version);
}

// Reading must fail with a message that names the table and the record's offset.
void ExpectCorrupt(const Bytes& section, double version, std::size_t offset = 4) {
    try {
        kmdtest::ReadSection(kmd::ReadSDSectionTables, section, version);
        ADD_FAILURE() << "no error at version " << version;
    } catch (const FormatError& e) {
        EXPECT_EQ(e.table, "SDSection");
        EXPECT_EQ(e.offset, offset) << e.what();
    }
}

struct VersionForm {
    double version;
    Form form;
};
const VersionForm kRanges[] = {{7.0, Form::D1},  {8.075, Form::D1}, {8.08, Form::D2},  {8.405, Form::D2},
                               {8.41, Form::D3}, {9.525, Form::D3}, {9.526, Form::D4}, {9.74, Form::D4}};

TEST(SDSectionTable, EveryLayoutAndThresholdWithBothLowerBounds) {
    for (auto [version, form] : kRanges) {
        for (int lower : {1, 0}) {
            SCOPED_TRACE(testing::Message() << "version " << version << ", lower bound " << lower);
            Section one = Record(form, lower), two = Record(form, lower, "SECOND");
            Bytes expected = Table({&one.expected, &two.expected});
            EXPECT_BYTES(Convert(Table({&one.legacy, &two.legacy}), version), expected.data);
        }
    }
}

TEST(SDSectionTable, EmptyAndNegativeCounts) {
    for (std::int32_t count : {0, -3}) {
        Bytes b;
        b.i32(count);
        EXPECT_BYTES(Convert(b, 9.6), b.data);
    }
}

// A record with one item of each kind (each replaceable) and its other fields zero.
struct Parts {
    Form form = Form::D4;
    Bytes a, b, c, d;
    std::int32_t countA = 1, countB = 1, countC = 1, countD = 1, realCount = 0, countE = 0;
    Bytes reals = Bytes().no_array(), itemsE = Bytes().no_array();

    Bytes Build() const {
        Bytes r;
        r.i32(1).str("X").i16(0).i32(0).i32(0);
        r.i32(countA).append(a).i32(countB).append(b).i32(countC).append(c).i32(countD).append(d);
        r.fill(24).seq(BlockSize(form), 0).i16(0).i32(0).fill(6).fill(16).i32(realCount).append(reals);
        r.fill(18).i32(countE).append(itemsE).i16(0);
        return r;
    }
};
// Items as ItemA..ItemD build them, C with `points` points and D linked to it.
Parts GoodParts(Form f = Form::D4, int points = 2) {
    Parts p;
    p.form = f;
    Items(p.a, 1, 1), ItemA(p.a, f, 1, 1);
    Items(p.b, 1, 1), ItemB(p.b, f, 1, 2);
    Items(p.c, 1, 1), ItemC(p.c, f, 1, 4, points);
    Items(p.d, 1, 1), ItemD(p.d, f, 1, 5, 1, 24, points, points);
    return p;
}
// The current record for GoodParts, with item D as given.
Bytes GoodPartsOut(Form f, int points, const Bytes& itemD, const Bytes& realsOut = Bytes().header({{1, 0}}).f64(0),
                   std::int32_t realCount = 0, std::int32_t countE = 0) {
    Bytes r;
    r.i32(1).str("X").i16(0).i32(0).i32(0);
    r.i32(1).header({{2, 0}}), EmptyA(r), ItemAOut(r, f, 1);
    r.i32(1).header({{2, 0}}), EmptyB(r), ItemBOut(r, f, 2);
    r.i32(1).header({{2, 0}}), EmptyC(r), ItemCOut(r, f, 4, points);
    r.i32(1).header({{2, 0}}), EmptyD(r), r.append(itemD);
    r.fill(24), BlockOut(r, f, 0), r.i16(0).i32(0).fill(6).fill(16).i32(realCount).append(realsOut);
    r.fill(18).i32(countE).i16(0).i16(0);
    return r;
}

TEST(SDSectionTable, LinkedItemTakesThePointCountOfItsItemC) {
    struct {
        int cPoints, kind, dCount, dPoints;
    } cases[] = {
        {5, 24, 2, 2},  // lengthened with zeros
        {2, 24, 4, 4},  // shortened
        {0, 24, 1, 1},  // emptied
        {3, 24, 3, 3},  // already consistent
        {2, 23, 4, 4},  // other kinds keep their own count
    };
    // Repaired after reading above 9.525 and before writing in every form.
    for (auto [version, form] : kRanges) {
        for (auto c : cases) {
            SCOPED_TRACE(testing::Message() << "version " << version << ", C points " << c.cPoints << ", kind "
                                            << c.kind << ", D points " << c.dCount);
            Parts p = GoodParts(form, c.cPoints);
            p.d = Bytes();
            Items(p.d, 1, 1), ItemD(p.d, form, 1, 5, 1, c.kind, c.dCount, c.dPoints);
            const int count = c.kind == 24 ? c.cPoints : c.dCount;
            Bytes d;
            ItemDOut(d, form, 5, 1, c.kind, count, std::min(c.dPoints, count));
            EXPECT_BYTES(Convert(p.Build(), version), GoodPartsOut(form, c.cPoints, d).data);
        }
    }
}

TEST(SDSectionTable, SdRealsWrittenUpToTheSmallerOfCountAndStoredBound) {
    struct {
        std::int32_t realCount;
        Bytes stored;
        std::vector<double> written;
    } cases[] = {
        {5, Bytes().arr_f64(1, {1, 2, 3}), {1, 2, 3}},
        {2, Bytes().arr_f64(0, {9, 1, 2, 3}), {1, 2}},
        {4, Bytes().no_array(), {}},
        {4, Bytes().header({{0, 1}}), {}},  // storage without elements: upper bound 0
        {0, Bytes().arr_f64(1, {1, 2}), {}},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.realCount);
        Parts p = GoodParts();
        p.realCount = c.realCount;
        p.reals = c.stored;
        Bytes d, reals;
        ItemDOut(d, Form::D4, 5, 1, 24, 2, 2);
        Arr0(reals, c.written);
        EXPECT_BYTES(Convert(p.Build(), 9.6), GoodPartsOut(Form::D4, 2, d, reals, c.realCount).data);
    }
}

TEST(SDSectionTable, MatrixShapes) {
    // Above 9.525 a matrix must be exactly (1 to 3, 1 to 3); the older forms take
    // the values by subscript, whatever the bounds.
    auto withMatrix = [](Form f, std::int32_t lower) {
        Parts p = GoodParts(f);
        p.b = Bytes();
        Items(p.b, 1, 1);
        p.b.str("B2").arr_i32(1, {2, 3}).seq(12, 2);
        Matrix2D(p.b, 2, lower);
        p.b.i16(2).i16(4).i16(5).i16(6);
        Arr(p.b, 1, kFlags1), Arr(p.b, 1, kFlags2);
        return p.Build();
    };
    EXPECT_BYTES(Convert(withMatrix(Form::D2, 0), 8.2), Convert(withMatrix(Form::D2, 1), 8.2));
    EXPECT_BYTES(Convert(withMatrix(Form::D3, 0), 9.0), Convert(withMatrix(Form::D3, 1), 9.0));
    EXPECT_NO_THROW(Convert(withMatrix(Form::D4, 1), 9.6));
    ExpectCorrupt(withMatrix(Form::D4, 0), 9.6);

    Parts oneDim = GoodParts(Form::D3);
    oneDim.b = Bytes();
    Items(oneDim.b, 1, 1);
    oneDim.b.str("B").arr_i32(1, {2, 3}).seq(12).arr_f64(1, {1, 2, 3, 4, 5, 6, 7, 8, 9}).fill(8);
    Arr(oneDim.b, 1, kFlags1), Arr(oneDim.b, 1, kFlags2);
    ExpectCorrupt(oneDim.Build(), 9.0);
}

TEST(SDSectionTable, CorruptRecords) {
    EXPECT_NO_THROW(Convert(GoodParts().Build(), 9.6));
    {
        Parts p = GoodParts();
        p.countA = 2;  // ItemsA holds only item 1
        ExpectCorrupt(p.Build(), 9.6);
        p.countA = -1;
        ExpectCorrupt(p.Build(), 9.6);
    }
    {
        Parts p = GoodParts();  // FlagsA1 lacks element 4
        p.a = Bytes();
        Items(p.a, 1, 1);
        p.a.str("A").i16(0).fill(58).fill(6).arr_i16(1, {-1, -1, -1}).arr_i16(1, {-1, -1, -1, -1});
        ExpectCorrupt(p.Build(), 9.6);
    }
    {
        Parts p = GoodParts(Form::D3);  // RefsB lacks element 2
        p.b = Bytes();
        Items(p.b, 1, 1);
        p.b.str("B").arr_i32(1, {2}).seq(12);
        Matrix2D(p.b, 2);
        p.b.fill(8).arr_i16(1, {0, 0, 0, 0}).arr_i16(1, {0, 0, 0, 0});
        ExpectCorrupt(p.Build(), 8.5);
    }
    {
        Parts p = GoodParts();  // IntsC2 lacks the points
        p.c = Bytes();
        Items(p.c, 1, 1);
        p.c.str("C").i32(2).arr_i32(1, {1, 2}).arr_f64(1, {1, 2}).fill(18).arr_f64(1, {1, 2, 3, 4});
        Matrix2D(p.c, 1);
        p.c.fill(14).arr_i32(1, {1}).arr_i16(1, {0, 0, 0, 0}).arr_i16(1, {0, 0, 0, 0});
        ExpectCorrupt(p.Build(), 9.6);
    }
    {
        Parts p = GoodParts();  // RefC names an item C the array does not hold
        p.d = Bytes();
        Items(p.d, 1, 1), ItemD(p.d, Form::D4, 1, 5, 2, 24, 2, 2);
        ExpectCorrupt(p.Build(), 9.6);
    }
    {
        Parts p = GoodParts(Form::D2);  // unlinked item D with a negative count
        p.d = Bytes();
        Items(p.d, 1, 1), ItemD(p.d, Form::D2, 1, 5, 1, 7, -1, 0);
        ExpectCorrupt(p.Build(), 8.2);
    }
    {
        Parts p = GoodParts();
        p.realCount = -2;
        ExpectCorrupt(p.Build(), 9.6);
    }
    {
        // Item C element 0 (not among items 1..CountC, so unchecked) claims a
        // point count far beyond the file; linking to it must not allocate it.
        Parts p = GoodParts();
        p.countC = 0;
        p.c = Bytes();
        Items(p.c, 0, 0);
        p.c.str("").i32(2000000000).no_array().no_array().fill(18).no_array().no_array().fill(14);
        p.c.no_array().no_array().no_array();
        p.d = Bytes();
        Items(p.d, 1, 1), ItemD(p.d, Form::D4, 1, 5, 0, 24, 1, 1);
        ExpectCorrupt(p.Build(), 9.6);
    }
    {
        // Up to 8.075, an item C whose count exceeds its legacy arrays.
        Parts p = GoodParts(Form::D1, 2);
        p.c = Bytes();
        Items(p.c, 1, 1);
        p.c.fixed("C", 8).i32(3).arr_i32(1, {1, 2, 3}).arr_f64(1, {1, 2}).fill(10 + 118 + 8);
        p.c.arr_i32(1, {1, 2, 3}).fill(16);
        ExpectCorrupt(p.Build(), 8.0);
    }
}

TEST(SDSectionTable, DataOnlyReadNeverFails) {
    for (auto [version, form] : kRanges) {
        SCOPED_TRACE(testing::Message() << "version " << version);
        // Items beyond each count are neither converted nor checked: a second
        // item A with no flags, a second item C claiming points it lacks.
        Parts p = GoodParts(form);
        p.countA = 1, p.countC = 1;
        p.a = Bytes();
        Items(p.a, 1, 2), ItemA(p.a, form, 1, 1);
        if (form == Form::D1) ItemA(p.a, form, 1, 9);
        else EmptyA(p.a);
        p.c = Bytes();
        Items(p.c, 1, 2), ItemC(p.c, form, 1, 4, 2);
        if (form == Form::D1) p.c.fixed("junk", 8).i32(500).no_array().no_array().fill(10 + 118 + 8).no_array().fill(16);
        else p.c.str("").i32(500).no_array().no_array().fill(18).no_array().no_array().fill(14).no_array().no_array().no_array();
        Bytes d;
        ItemDOut(d, form, 5, 1, 24, 2, 2);
        EXPECT_BYTES(Convert(p.Build(), version), GoodPartsOut(form, 2, d).data);

        // ItemsE is never written: any CountE and any items are carried past.
        for (std::int32_t countE : {-7, 3, 2000000000}) {
            SCOPED_TRACE(countE);
            Parts q = GoodParts(form);
            q.countE = countE;
            q.itemsE = Bytes();
            Items(q.itemsE, 1, 1);
            q.itemsE.seq(32).header({{1, 1}, {1, 1}}).f64(1).no_array().arr_f64(5, {2, 3});
            q.itemsE.header({{0, -4}});
            if (form == Form::D4) q.itemsE.arr_f64(1, {4});
            EXPECT_BYTES(Convert(q.Build(), version), GoodPartsOut(form, 2, d, Bytes().header({{1, 0}}).f64(0), 0, countE).data);
        }
    }
}

TEST(SDSectionTable, TruncatedOrHugeCounts) {
    Section r = Record(Form::D4, 1);
    Bytes whole = Table({&r.legacy});
    Bytes cut;
    cut.data.assign(whole.data.begin(), whole.data.end() - 1);
    EXPECT_THROW(kmdtest::ReadSection(kmd::ReadSDSectionTables, cut, 9.6), FormatError);
    Bytes huge;
    huge.i32(100000000).append(r.legacy);
    EXPECT_THROW(kmdtest::ReadSection(kmd::ReadSDSectionTables, huge, 9.6), FormatError);
}

// Written as held (as the example generator writes legacy files), a record of
// the newest layout is the input again: ItemsE and SdCode9 included.
TEST(SDSectionTable, NewestLayoutWrittenAsHeldIsTheInput) {
    for (int lower : {1, 0}) {
        SCOPED_TRACE(lower);
        Section r = Record(Form::D4, lower);
        Bytes section = Table({&r.legacy});
        auto cv = kmdtest::ReadSection(kmd::ReadSDSectionTables, section, 9.6);
        kmd::Writer w;
        kmd::WriteSDSectionTables(w, *cv);
        EXPECT_BYTES(w.Buffer(), section.data);
    }
}

TEST(SDSectionTable, ExampleSectionConverts) {
    kmd::Writer w;
    kmd::example::WriteExampleSDSections(w);
    Bytes section;
    section.append(w.Buffer());
    auto out = Convert(section, 9.5);
    EXPECT_GT(out.size(), section.size());
}

}  // namespace
