// Legacy layouts of SDSection and their conversions. Above 9.525 the file holds
// the in-memory record itself.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "fileformat/encoding.h"
#include "model/sd_sections.h"

namespace kmd {

// A section designer record that cannot be converted; the reader reports it
// with the table name and the record's offset.
struct SDSectionCorrupt : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Item A up to 8.075: fixed 8-character name, then a 22-byte group of which only
// the first three 16-bit values are kept.
struct SdItemA1 {
    FixedString<8> Name;
    std::int16_t Word1 = 0;
    Bytes<58> Block1{};
    std::array<std::int16_t, 3> Words{};
    Bytes<16> Dropped{};
};
template <class Io>
void fields(Io& io, SdItemA1& r) { io(r.Name, r.Word1, r.Block1, r.Words, r.Dropped); }

// Item B up to 8.075: the 94-byte block holds the two references, 12 bytes, the
// matrix by columns and the 16-bit value.
struct SdItemB1 {
    FixedString<8> Name;
    std::array<std::int32_t, 2> Refs{};
    Bytes<12> Block1{};
    std::array<double, 9> Matrix{};
    std::int16_t Word1 = 0;
    std::array<std::int16_t, 3> Words{};
    Bytes<16> Dropped{};
};
template <class Io>
void fields(Io& io, SdItemB1& r) { io(r.Name, r.Refs, r.Block1, r.Matrix, r.Word1, r.Words, r.Dropped); }

// Item C up to 8.075: the 118-byte block holds 8 bytes, four reals (the fourth
// dropped), the matrix by columns and three 16-bit values.
struct SdItemC1 {
    FixedString<8> Name;
    std::int32_t PointCount = 0;
    DynArray<std::int32_t> Ints1;
    DynArray<double> Reals1;
    Bytes<10> Block1{};
    Bytes<8> Block2{};
    std::array<double, 4> Reals2{};
    std::array<double, 9> Matrix{};
    std::array<std::int16_t, 3> Words{};
    Bytes<8> Block3{};
    DynArray<std::int32_t> Ints2;
    Bytes<16> Dropped{};
};
template <class Io>
void fields(Io& io, SdItemC1& r) {
    io(r.Name, r.PointCount, r.Ints1, r.Reals1, r.Block1, r.Block2, r.Reals2, r.Matrix, r.Words, r.Block3, r.Ints2,
       r.Dropped);
}

// Item D up to 8.405: 176-byte data block.
struct SdItemD2 {
    Bytes<8> Head1{};
    std::int32_t RefC = 0;
    Bytes<44> Head2{};
    std::int32_t KindD = 0;
    Bytes<26> Head3{};
    Bytes<36> Group1{};
    std::int32_t PointCountD = 0;
    DynArray<double> PointsD1;
    DynArray<std::int32_t> PointsD2;
    DynArray<std::int32_t> PointsD3;
    DynArray<double> PointsD4;
    std::array<std::int16_t, 3> Words{};
    Bytes<80> Block1{};
    Bytes<176> DataBlock{};
};
template <class Io>
void fields(Io& io, SdItemD2& r) {
    io(r.Head1, r.RefC, r.Head2, r.KindD, r.Head3, r.Group1, r.PointCountD, r.PointsD1, r.PointsD2, r.PointsD3,
       r.PointsD4, r.Words, r.Block1, r.DataBlock);
}

// Item E up to 9.525: four real arrays.
struct SdItemE3 {
    Bytes<32> Head{};
    std::array<DynArray<double>, 4> Reals;
};
template <class Io>
void fields(Io& io, SdItemE3& r) { io(r.Head, r.Reals); }

// "SDSection" up to 8.075 (D1), up to 8.405 (D2) and up to 9.525 (D3).
inline constexpr double kSDSectionD1UpTo = 8.075;
inline constexpr double kSDSectionD2UpTo = 8.405;
inline constexpr double kSDSectionD3UpTo = 9.525;

// The record up to 9.525, by its item types and the size of SdBlock.
template <class ItemA, class ItemB, class ItemC, class ItemD, std::size_t BlockSize>
struct SDSectionLegacy {
    std::string Name;
    std::int16_t SdCode1 = 0;
    std::int32_t SdValue1 = 0;
    std::int32_t SdValue2 = 0;
    std::int32_t CountA = 0;
    DynArray<ItemA> ItemsA;
    std::int32_t CountB = 0;
    DynArray<ItemB> ItemsB;
    std::int32_t CountC = 0;
    DynArray<ItemC> ItemsC;
    std::int32_t CountD = 0;
    DynArray<ItemD> ItemsD;
    std::array<std::int32_t, 6> SdValues3{};
    Bytes<BlockSize> SdBlock{};
    std::int16_t SdCode2 = 0;
    std::int32_t SdValue4 = 0;
    std::int16_t SdCode3 = 0;
    std::int16_t SdCode4 = 0;
    std::int16_t SdCode5 = 0;
    std::array<std::int32_t, 4> SdValues5{};
    std::int32_t RealCount = 0;
    DynArray<double> SdReals;
    std::int16_t SdCode6 = 0;
    std::int16_t SdCode7 = 0;
    std::int16_t SdCode8 = 0;
    std::int32_t SdValue6 = 0;
    std::int32_t SdValue7 = 0;
    std::int32_t SdValue8 = 0;
    std::int32_t CountE = 0;
    DynArray<SdItemE3> ItemsE;
    std::int16_t SdCode9 = 0;
};
template <class Io, class A, class B, class C, class D, std::size_t N>
void fields(Io& io, SDSectionLegacy<A, B, C, D, N>& r) {
    io(r.Name, r.SdCode1, r.SdValue1, r.SdValue2, r.CountA, r.ItemsA, r.CountB, r.ItemsB, r.CountC, r.ItemsC,
       r.CountD, r.ItemsD, r.SdValues3, r.SdBlock, r.SdCode2, r.SdValue4, r.SdCode3, r.SdCode4, r.SdCode5,
       r.SdValues5, r.RealCount, r.SdReals, r.SdCode6, r.SdCode7, r.SdCode8, r.SdValue6, r.SdValue7, r.SdValue8,
       r.CountE, r.ItemsE, r.SdCode9);
}

// Above 8.405 up to 9.525.
using SDSectionD3 = SDSectionLegacy<SdItemA, SdItemB, SdItemC, SdItemD, 192>;
// Above 8.075 up to 8.405.
using SDSectionD2 = SDSectionLegacy<SdItemA, SdItemB, SdItemC, SdItemD2, 176>;
// Up to 8.075.
using SDSectionD1 = SDSectionLegacy<SdItemA1, SdItemB1, SdItemC1, SdItemD2, 176>;

// A 176-byte block widened to 192: its first 8 bytes appended twice.
Bytes<192> WidenSdBlock(const Bytes<176>& b);

// ItemsE is never written, so it is neither converted nor kept. The D1 items
// 1 to each count are converted (SDSectionCorrupt when the legacy array lacks one).
// Matrices of any bounds holding (1..3, 1..3) are cut to those bounds.
SDSectionRecord ImportSDSectionD3(SDSectionD3&& s);
SDSectionRecord ImportSDSectionD2(SDSectionD2&& s);
SDSectionRecord ImportSDSectionD1(SDSectionD1&& s);

// Gives every item D of KindD 24 (items 1 to CountD) the point count of the
// ItemsC entry its RefC names, resizing its point arrays (values kept by index,
// new ones 0). Throws SDSectionCorrupt for an item or reference the arrays do not
// hold, or a new count below 0 or above maxPoints.
void RepairSDSection(SDSectionRecord& r, std::int64_t maxPoints);

}  // namespace kmd
