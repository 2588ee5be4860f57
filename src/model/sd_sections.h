// Section designer sections.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "fileformat/encoding.h"
#include "model/store.h"

namespace kmd {

// Boolean flags are carried as the 16-bit values the file holds.
using SdFlags = DynArray<std::int16_t>;

// A 3 x 3 matrix: a 2-dimensional dynamic array with bounds (1..3, 1..3), held
// with the first subscript fastest.
inline bool IsSdMatrix(const DynArray<double>& m) {
    const ArrayDim d{3, 1};
    return m.dims.size() == 2 && m.dims[0] == d && m.dims[1] == d;
}

// A matrix written as a dynamic array 0..9: element 0 zero, then row after row.
struct SdMatrixForm {
    using IsFieldForm = void;
    DynArray<double>& held;
    const char* what;

    template <class Checker>
    void Check(Checker& c) const {
        if (!IsSdMatrix(held)) c.Fail(std::string(what) + " is not a matrix with bounds (1 to 3, 1 to 3)");
    }
    void WriteCurrent(Writer& out) const {
        if (!IsSdMatrix(held)) throw std::logic_error(std::string(what) + ": written without the record check");
        out.ArrayHeader0(9);
        out.F64(0.0);
        for (std::size_t i = 0; i < 3; ++i)
            for (std::size_t j = 0; j < 3; ++j) out.F64(held.items[i + 3 * j]);
    }
    void ReadCurrent(Reader& in) const {
        in.ArrayHeader0(sizeof(double), 9);
        in.F64();
        ChargeMemory(9 * sizeof(double));
        held.dims = {{3, 1}, {3, 1}};
        held.items.assign(9, 0.0);
        for (std::size_t i = 0; i < 3; ++i)
            for (std::size_t j = 0; j < 3; ++j) in.Field(held.items[i + 3 * j]);
    }
};
inline SdMatrixForm SdMatrix(DynArray<double>& m, const char* what) { return {m, what}; }

// A field the current file holds empty, whatever the record holds: written as
// a value-initialised T, never checked.
template <class T>
struct WrittenEmptyForm {
    using IsFieldForm = void;
    T& held;
    template <class Checker>
    void Check(Checker&) const {}
    void WriteCurrent(Writer& out) const { out.Field(T{}); }
    void ReadCurrent(Reader& in) const { in.Field(held); }
};
template <class T>
WrittenEmptyForm<T> WrittenEmpty(T& v) { return {v}; }

struct SdItemA {
    std::string Name;
    std::int16_t Word1 = 0;
    Bytes<58> Block1{};
    std::array<std::int16_t, 3> Words{};
    SdFlags FlagsA1;  // 1..4
    SdFlags FlagsA2;  // 1..4
};
template <class Io>
void fields(Io& io, SdItemA& r) {
    io(r.Name, r.Word1, r.Block1, r.Words, Counted(r.FlagsA1, 4, "FlagsA1"), Counted(r.FlagsA2, 4, "FlagsA2"));
}

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
    io(r.Name, Counted(r.RefsB, 2, "RefsB"), r.Block1, SdMatrix(r.MatrixB, "MatrixB"), r.Word1, r.Words,
       Counted(r.FlagsB1, 4, "FlagsB1"), Counted(r.FlagsB2, 4, "FlagsB2"));
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
    io(r.Name, r.PointCountC, Counted(r.IntsC1, r.PointCountC, "IntsC1"), Counted(r.RealsC1, r.PointCountC, "RealsC1"),
       r.Block1, r.Block2, Counted(r.RealsC2, 4, "RealsC2"), SdMatrix(r.MatrixC, "MatrixC"), r.Words, r.Block3,
       Counted(r.IntsC2, r.PointCountC, "IntsC2"), Counted(r.FlagsC1, 4, "FlagsC1"), Counted(r.FlagsC2, 4, "FlagsC2"));
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
    io(r.Head1, r.RefC, r.Head2, r.KindD, r.Head3, r.Group1, r.PointCountD,
       Counted(r.PointsD1, r.PointCountD, "PointsD1"), Counted(r.PointsD2, r.PointCountD, "PointsD2"),
       Counted(r.PointsD3, r.PointCountD, "PointsD3"), Counted(r.PointsD4, r.PointCountD, "PointsD4"), r.Words,
       r.Block1, r.DataBlock);
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
    DynArray<double> SdReals;  // 1..SdRealsUpper()
    std::int16_t SdCode6 = 0;
    std::int16_t SdCode7 = 0;
    std::int16_t SdCode8 = 0;
    std::int32_t SdValue6 = 0;
    std::int32_t SdValue7 = 0;
    std::int32_t SdValue8 = 0;
    std::int32_t CountE = 0;
    DynArray<SdItemE> ItemsE;  // written without storage
    std::int16_t SdCode9 = 0;  // written as 0

    // Elements of SdReals the current file holds: RealCount, or fewer when the
    // stored array ends earlier.
    std::int64_t SdRealsUpper() const {
        const std::int64_t stored = SdReals.HasStorage() ? SdReals.Upper() : 0;
        return RealCount < stored ? RealCount : stored;
    }
};
// SdReals, written as Counted with the count SdRealsUpper(); read back with the
// count the file gives, at most RealCount (so SdRealsUpper() gives it again).
struct SdRealsForm {
    using IsFieldForm = void;
    DynArray<double>& held;
    const std::int32_t& realCount;
    std::int64_t upper;

    CountedArray<double, std::int64_t> AsCounted(std::int64_t n) const { return {held, n, "SdReals"}; }
    template <class Checker>
    void Check(Checker& c) const { AsCounted(upper).Check(c); }
    void WriteCurrent(Writer& out) const { AsCounted(upper).WriteCurrent(out); }
    void ReadCurrent(Reader& in) const {
        const std::size_t at = in.Offset();
        const std::int64_t n = in.ArrayHeader0(sizeof(double));
        if (n > realCount)
            in.FailAt(at, "SdReals: " + std::to_string(n) + " elements, more than RealCount " +
                              std::to_string(realCount));
        in.Seek(at);
        AsCounted(n).ReadCurrent(in);
    }
};

// Every item array and every array inside an item is written with bounds 0 to
// its count. The SdReals count is worked out whenever the list is used; only the
// record check and the current writer take it, both after reading (the
// current-layout reader takes the count the file gives).
template <class Io>
void fields(Io& io, SDSectionRecord& r) {
    io(r.Name, r.SdCode1, r.SdValue1, r.SdValue2, r.CountA, Counted(r.ItemsA, r.CountA, "ItemsA"), r.CountB,
       Counted(r.ItemsB, r.CountB, "ItemsB"), r.CountC, Counted(r.ItemsC, r.CountC, "ItemsC"), r.CountD,
       Counted(r.ItemsD, r.CountD, "ItemsD"), r.SdValues3, r.SdBlock, r.SdCode2, r.SdValue4, r.SdCode3, r.SdCode4,
       r.SdCode5, r.SdValues5, r.RealCount, SdRealsForm{r.SdReals, r.RealCount, r.SdRealsUpper()}, r.SdCode6,
       r.SdCode7, r.SdCode8, r.SdValue6, r.SdValue7, r.SdValue8, r.CountE, WrittenEmpty(r.ItemsE),
       WrittenEmpty(r.SdCode9));
}

struct SDSectionData {
    Table<SDSectionRecord> SDSection{"SDSection", Allocator::Table};

    void Register(TableRegistry& reg) { reg.Add(SDSection); }
};

}  // namespace kmd
