#include <gtest/gtest.h>

#include "fileformat/encoding.h"
#include "support/bytes.h"
#include "support/convert.h"

using kmd::DynArray;
using kmd::FixedString;
using kmd::FormatError;
using kmd::Reader;
using kmd::Writer;
using kmdtest::Bytes;

namespace {

struct Pair16_32 {
    std::int16_t a = 0;
    std::int32_t b = 0;
};
template <class Io>
void fields(Io& io, Pair16_32& r) { io(r.a, r.b); }

struct WithArrays {
    std::string name;
    DynArray<double> values;
    DynArray<std::string> texts;
    FixedString<4> code;
};
template <class Io>
void fields(Io& io, WithArrays& r) { io(r.name, r.values, r.texts, r.code); }

template <class T>
std::vector<std::uint8_t> Encode(const T& v) {
    Writer w;
    w(v);
    return w.TakeBuffer();
}

template <class T>
T Decode(const Bytes& b) {
    Reader r(b.data);
    T v{};
    r(v);
    EXPECT_EQ(r.Offset(), b.size());
    return v;
}

TEST(Encoding, ScalarsStringsAndBooleans) {
    EXPECT_BYTES(Encode(std::string()), Bytes().u8(0).u8(0).data);
    EXPECT_BYTES(Encode(FixedString<16>("9.72")), Bytes().fixed("9.72", 16).data);
    EXPECT_EQ(Encode(Pair16_32{1, 2}).size(), 6u);
    EXPECT_BYTES(Encode(std::int16_t(-1)), Bytes().u8(0xFF).u8(0xFF).data);
    // Bytes are carried as they are: no code-page translation.
    std::string high("\xE4\xF6\x00z", 4);
    EXPECT_EQ(Decode<std::string>(Bytes().str(high)), high);
}

TEST(Encoding, OneDimensionalArrayHeader) {
    DynArray<double> a = DynArray<double>::Sized(1, 9);
    for (int i = 0; i < 9; ++i) a.items[i] = i + 0.5;
    auto bytes = Encode(a);
    ASSERT_EQ(bytes.size(), 82u);
    Bytes expect;
    expect.header({{9, 1}});
    for (int i = 0; i < 9; ++i) expect.f64(i + 0.5);
    EXPECT_BYTES(bytes, expect.data);
    EXPECT_EQ(a.Lower(), 1);
    EXPECT_EQ(a.Upper(), 9);
    EXPECT_EQ(*a.Find(1), 0.5);
    EXPECT_EQ(a.Find(0), nullptr);
    EXPECT_EQ(a.Find(10), nullptr);
}

TEST(Encoding, ArrayWithoutStorageDiffersFromEmptyArray) {
    WithArrays r;
    r.values = DynArray<double>::Sized(1, 0);  // storage, no elements
    auto bytes = Encode(r);
    Bytes expect;
    expect.str("").header({{0, 1}}).no_array().fixed("", 4);
    EXPECT_BYTES(bytes, expect.data);
    auto back = Decode<WithArrays>(expect);
    EXPECT_TRUE(back.values.HasStorage());
    EXPECT_TRUE(back.values.items.empty());
    EXPECT_FALSE(back.texts.HasStorage());
    EXPECT_EQ(Encode(back), bytes);
}

TEST(Encoding, MultiDimensionalArrayRoundTrips) {
    // 2 x 3 array, bounds (1..2, 0..2), first subscript fastest.
    Bytes b;
    b.header({{2, 1}, {3, 0}});
    for (int i = 0; i < 6; ++i) b.i32(i * 10);
    auto a = Decode<DynArray<std::int32_t>>(b);
    ASSERT_EQ(a.dims.size(), 2u);
    EXPECT_EQ(a.dims[1], (kmd::ArrayDim{3, 0}));
    EXPECT_EQ(a.items[1], 10);  // (2, 0)
    EXPECT_EQ(Encode(a), b.data);
}

// A record with every field form: the as-held writer gives back what was read,
// the current writer the current forms, and the record check guards the counts.
struct FormsRecord {
    std::array<std::int16_t, 3> Group{};
    std::array<double, 6> Matrix{};  // 3 x 2, by columns
    std::int32_t Count = 0;
    DynArray<std::int32_t> Items;
    std::int32_t Dropped = 0;
};
template <class Io>
void fields(Io& io, FormsRecord& r) {
    io(kmd::ZeroBased(r.Group), kmd::ZeroBasedRows<3, 2>(r.Matrix), r.Count, kmd::Counted(r.Items, r.Count, "Items"),
       kmd::NotWritten(r.Dropped));
}

TEST(Encoding, FieldFormsInOneFieldList) {
    Bytes legacy;
    legacy.i16(7).i16(8).i16(9);
    for (int i = 1; i <= 6; ++i) legacy.f64(i);
    legacy.i32(2).arr_i32(0, {100, 1, 2, 3}).i32(55);
    auto r = Decode<FormsRecord>(legacy);
    EXPECT_EQ(Encode(r), legacy.data);

    Writer current(Writer::Form::Current);
    current(r);
    Bytes expect;
    expect.arr_i16(0, {0, 7, 8, 9}).arr_f64(0, {0, 1, 4, 2, 5, 3, 6}).i32(2).arr_i32(0, {0, 1, 2});
    EXPECT_BYTES(current.Buffer(), expect.data);

    kmd::Reader in(legacy.data);
    kmd::CheckRecord(in, 12, r);
    r.Count = 4;
    try {
        kmd::CheckRecord(in, 12, r);
        ADD_FAILURE() << "no error";
    } catch (const FormatError& e) {
        EXPECT_EQ(e.offset, 12u);
        EXPECT_NE(std::string(e.what()).find("Items"), std::string::npos) << e.what();
    }
    r.Count = -1;
    EXPECT_THROW(kmd::CheckRecord(in, 12, r), FormatError);
}

TEST(Encoding, DamagedInputIsAnOrderlyError) {
    // Truncated scalar.
    EXPECT_THROW(Decode<Pair16_32>(Bytes().i16(1).i16(2)), FormatError);
    // String longer than the file.
    EXPECT_THROW(Decode<std::string>(Bytes().i16(40).fill(3)), FormatError);
    // Negative dimension count.
    EXPECT_THROW(Decode<DynArray<double>>(Bytes().i16(-1)), FormatError);
    // Hostile element count: fails before allocating.
    EXPECT_THROW(Decode<DynArray<double>>(Bytes().header({{0x7FFFFFFF, 1}}).f64(1)), FormatError);
    EXPECT_THROW(Decode<DynArray<std::string>>(Bytes().header({{0xFFFFFFFF, 0}, {0xFFFFFFFF, 0}})), FormatError);
    // A zero dimension makes the whole array empty, however large the others.
    auto a = Decode<DynArray<double>>(Bytes().header({{0xFFFFFFFF, 0}, {0, 0}}));
    EXPECT_TRUE(a.items.empty());

    Bytes b = Bytes().i32(5).i16(3);
    Reader r(b.data);
    r.SetTable("Material");
    r.I32();
    try {
        r.I32();
        FAIL();
    } catch (const FormatError& e) {
        EXPECT_EQ(e.offset, 4u);
        EXPECT_NE(e.Message().find("\"Material\""), std::string::npos);
        EXPECT_NE(e.Message().find("byte offset 4"), std::string::npos);
    }
}

TEST(Encoding, CheckCountUsesMinimalRecordSize) {
    EXPECT_EQ(kmd::MinEncodedSize<WithArrays>(), 2u + 2 + 2 + 4);
    Bytes b = Bytes().fill(20);
    Reader r(b.data);
    EXPECT_NO_THROW(r.CheckCount(2, 10));
    EXPECT_THROW(r.CheckCount(3, 10), FormatError);
    EXPECT_NO_THROW(r.CheckCount(-5, 10));  // negative counts read nothing
}

}  // namespace
