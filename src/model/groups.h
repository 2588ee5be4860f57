// Groups of objects, their membership lists, and section cuts.
//
// 4-byte values are carried as 32-bit integers; blocks are carried bytes.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "fileformat/encoding.h"
#include "model/store.h"

namespace kmd {

// "Groop" in memory, in the current file and in files above 8.195.
struct GroupRecord {
    std::string Name;
    std::int32_t Value1 = 0;
    std::int16_t Short1 = 0;
    std::int16_t Short2 = 0;
    Bytes<16> Block1{};
    std::int32_t Value2 = 0;
    std::int32_t Value3 = 0;
    std::int32_t Value4 = 0;
    std::int32_t Value5 = 0;
    std::int16_t Short3 = 0;
};
template <class Io>
void fields(Io& io, GroupRecord& r) {
    io(r.Name, r.Value1, r.Short1, r.Short2, r.Block1, r.Value2, r.Value3, r.Value4, r.Value5, r.Short3);
}

// An entry of a membership list, the same in every file.
struct GroupMemberRecord {
    std::int16_t Short1 = 0;
    std::int32_t Value1 = 0;
    std::int32_t Value2 = 0;
};
template <class Io>
void fields(Io& io, GroupMemberRecord& r) { io(r.Short1, r.Value1, r.Value2); }

// A section cut's values: with a count of at least 1 written as held (bounds and
// all, unchecked); with a count of 0 as bounds 0..0 holding 0.0. A negative
// count cannot size them: the record is corrupt.
struct CutValuesForm {
    using IsFieldForm = void;
    DynArray<double>& held;
    const std::int32_t& count;
    const char* what;

    template <class C>
    void Check(C& c) const {
        if (count < 0) c.Fail(std::string(what) + ": negative element count " + std::to_string(count));
    }
    void WriteCurrent(Writer& out) const {
        if (count < 0) throw std::logic_error(std::string(what) + ": written without the record check");
        if (count > 0) {
            out.Field(held);
        } else {
            out.ArrayHeader0(0);
            out.F64(0.0);
        }
    }
    void ReadCurrent(Reader& in) const {
        if (count < 0) in.Fail(std::string(what) + ": negative element count " + std::to_string(count));
        if (count > 0) {
            in.Field(held);
        } else {
            in.ArrayHeader0(sizeof(double), 0);
            held = DynArray<double>::Sized(0, 0);
            in.Field(held.items[0]);
        }
    }
};

// "SectionCut" in memory and in files above 8.125.
struct SectionCutRecord {
    std::string Name;
    std::int16_t Short1 = 0;
    std::int16_t Short2 = 0;
    Bytes<8> Wide1{};
    std::int16_t Short3 = 0;
    Bytes<28> Block1{};
    std::int32_t Value1 = 0;
    Bytes<8> Wide2{};
    Bytes<8> Wide3{};
    std::array<double, 9> Axes{};  // 3 x 3, held by columns, written row by row
    std::int32_t Count = 0;
    DynArray<double> Array1;
    DynArray<double> Array2;
    Bytes<40> Block2{};
};
template <class Io>
void fields(Io& io, SectionCutRecord& r) {
    io(r.Name, r.Short1, r.Short2, r.Wide1, r.Short3, r.Block1, r.Value1, r.Wide2, r.Wide3,
       ZeroBasedRows<3, 3>(r.Axes), r.Count, CutValuesForm{r.Array1, r.Count, "section cut Array1"},
       CutValuesForm{r.Array2, r.Count, "section cut Array2"}, r.Block2);
}

struct GroupData {
    Table<GroupRecord> Groop{"Groop", Allocator::Table};
    // The membership lists have no table name: they are sized in blocks of 20
    // by their reader, and the names here only label errors.
    Table<GroupMemberRecord> PointMembers{"point group members", Allocator::Object};
    Table<GroupMemberRecord> LineMembers{"line group members", Allocator::Object};
    Table<GroupMemberRecord> AreaMembers{"area group members", Allocator::Object};
    Table<SectionCutRecord> SectionCut{"SectionCut", Allocator::Table};

    void Register(TableRegistry& reg) {
        reg.Add(Groop);
        reg.Add(SectionCut);
    }
};

}  // namespace kmd
