// Section designer sections.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "fileformat/encoding.h"
#include "model/store.h"

namespace kmd {

// Boolean flags are carried as the 16-bit values the file holds.
using SdFlags = DynArray<std::int16_t>;

struct SdItemA {
    std::string Name;
    std::int16_t Word1 = 0;
    Bytes<58> Block1{};
    std::array<std::int16_t, 3> Words{};
    SdFlags FlagsA1;  // 1..4
    SdFlags FlagsA2;  // 1..4
};
template <class Io>
void fields(Io& io, SdItemA& r) { io(r.Name, r.Word1, r.Block1, r.Words, r.FlagsA1, r.FlagsA2); }

struct SdItemB {
    std::string Name;
    DynArray<std::int32_t> RefsB;  // 1..2
    Bytes<12> Block1{};
    DynArray<double> MatrixB;  // (1..3, 1..3)
    std::int16_t Word1 = 0;
    std::array<std::int16_t, 3> Words{};
    SdFlags FlagsB1;  // 1..4
    SdFlags FlagsB2;  // 1..4
};
template <class Io>
void fields(Io& io, SdItemB& r) {
    io(r.Name, r.RefsB, r.Block1, r.MatrixB, r.Word1, r.Words, r.FlagsB1, r.FlagsB2);
}

struct SdItemC {
    std::string Name;
    std::int32_t PointCountC = 0;
    DynArray<std::int32_t> IntsC1;  // 1..PointCountC
    DynArray<double> RealsC1;       // 1..PointCountC
    Bytes<10> Block1{};
    Bytes<8> Block2{};
    DynArray<double> RealsC2;  // 1..4
    DynArray<double> MatrixC;  // (1..3, 1..3)
    std::array<std::int16_t, 3> Words{};
    Bytes<8> Block3{};
    DynArray<std::int32_t> IntsC2;  // 1..PointCountC
    SdFlags FlagsC1;                // 1..4
    SdFlags FlagsC2;                // 1..4
};
template <class Io>
void fields(Io& io, SdItemC& r) {
    io(r.Name, r.PointCountC, r.IntsC1, r.RealsC1, r.Block1, r.Block2, r.RealsC2, r.MatrixC, r.Words, r.Block3,
       r.IntsC2, r.FlagsC1, r.FlagsC2);
}

// The 86-byte head is split around RefC (bytes 8..11) and KindD (bytes 56..59);
// the 40-byte group ends in PointCountD.
struct SdItemD {
    Bytes<8> Head1{};
    std::int32_t RefC = 0;  // index into ItemsC
    Bytes<44> Head2{};
    std::int32_t KindD = 0;
    Bytes<26> Head3{};
    Bytes<36> Group1{};
    std::int32_t PointCountD = 0;
    DynArray<double> PointsD1;        // 1..PointCountD
    DynArray<std::int32_t> PointsD2;  // 1..PointCountD
    DynArray<std::int32_t> PointsD3;  // 1..PointCountD
    DynArray<double> PointsD4;        // 1..PointCountD
    std::array<std::int16_t, 3> Words{};
    Bytes<80> Block1{};
    Bytes<192> DataBlock{};
};
template <class Io>
void fields(Io& io, SdItemD& r) {
    io(r.Head1, r.RefC, r.Head2, r.KindD, r.Head3, r.Group1, r.PointCountD, r.PointsD1, r.PointsD2, r.PointsD3,
       r.PointsD4, r.Words, r.Block1, r.DataBlock);
}

// Items whose KindD is this take their point count from the referenced ItemsC entry.
inline constexpr std::int32_t kSdKindLinkedToC = 24;

struct SdItemE {
    Bytes<32> Head{};
    std::array<DynArray<double>, 5> Reals;
};
template <class Io>
void fields(Io& io, SdItemE& r) { io(r.Head, r.Reals); }

struct SDSectionRecord {
    std::string Name;
    std::int16_t SdCode1 = 0;
    std::int32_t SdValue1 = 0;
    std::int32_t SdValue2 = 0;
    std::int32_t CountA = 0;
    DynArray<SdItemA> ItemsA;
    std::int32_t CountB = 0;
    DynArray<SdItemB> ItemsB;
    std::int32_t CountC = 0;
    DynArray<SdItemC> ItemsC;
    std::int32_t CountD = 0;
    DynArray<SdItemD> ItemsD;
    std::array<std::int32_t, 6> SdValues3{};
    Bytes<192> SdBlock{};
    std::int16_t SdCode2 = 0;
    std::int32_t SdValue4 = 0;
    std::int16_t SdCode3 = 0;
    std::int16_t SdCode4 = 0;
    std::int16_t SdCode5 = 0;
    std::array<std::int32_t, 4> SdValues5{};  // followed by RealCount, the fifth value
    std::int32_t RealCount = 0;
    DynArray<double> SdReals;  // 1..RealCount
    std::int16_t SdCode6 = 0;
    std::int16_t SdCode7 = 0;
    std::int16_t SdCode8 = 0;
    std::int32_t SdValue6 = 0;
    std::int32_t SdValue7 = 0;
    std::int32_t SdValue8 = 0;
    std::int32_t CountE = 0;
    DynArray<SdItemE> ItemsE;  // never written to the current file
    std::int16_t SdCode9 = 0;
};
template <class Io>
void fields(Io& io, SDSectionRecord& r) {
    io(r.Name, r.SdCode1, r.SdValue1, r.SdValue2, r.CountA, r.ItemsA, r.CountB, r.ItemsB, r.CountC, r.ItemsC,
       r.CountD, r.ItemsD, r.SdValues3, r.SdBlock, r.SdCode2, r.SdValue4, r.SdCode3, r.SdCode4, r.SdCode5,
       r.SdValues5, r.RealCount, r.SdReals, r.SdCode6, r.SdCode7, r.SdCode8, r.SdValue6, r.SdValue7, r.SdValue8,
       r.CountE, r.ItemsE, r.SdCode9);
}

struct SDSectionData {
    Table<SDSectionRecord> SDSection{"SDSection", Allocator::Table};

    void Register(TableRegistry& reg) { reg.Add(SDSection); }
};

}  // namespace kmd
