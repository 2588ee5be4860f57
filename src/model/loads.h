// Load cases, combinations and the loads assigned to points, frames and shells.
//
// The 4-byte and 8-byte values are never interpreted: they are carried as raw
// bits (std::uint32_t, std::uint64_t); only the slots of a combination list are
// integers and the load components reals.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "fileformat/encoding.h"
#include "model/store.h"

namespace kmd {

// "LoadCondition"
struct LoadCaseRecord {
    std::string Name;
    std::uint32_t Value1 = 0;
    std::uint32_t Value2 = 0;
    std::uint32_t Value3 = 0;
    std::uint64_t Wide1 = 0;
    std::uint64_t Wide2 = 0;
    std::int16_t Short1 = 0;
    std::array<std::uint32_t, 10> Value4To13{};
    std::int16_t Short2 = 0;
    std::string Text1;
};
template <class Io>
void fields(Io& io, LoadCaseRecord& r) {
    io(r.Name, r.Value1, r.Value2, r.Value3, r.Wide1, r.Wide2, r.Short1, r.Value4To13, r.Short2, r.Text1);
}

// "Combo"
struct ComboRecord {
    std::string Name;
    std::string Text1;
    std::uint32_t Value1 = 0;
    std::uint32_t Value2 = 0;
    std::uint32_t Value3 = 0;
    std::uint32_t Value4 = 0;
    std::array<std::uint32_t, 6> Value5To10{};
    std::uint32_t Value11 = 0;
    std::array<std::uint32_t, 4> Value12To15{};
    std::int16_t Short1 = 0;
    std::uint32_t Value16 = 0;
    std::int16_t Short2 = 0;
    std::int16_t Short3 = 0;
    std::int16_t Short4 = 0;
    std::int16_t Short5 = 0;
    std::uint32_t Value17 = 0;
    std::int16_t Short6 = 0;
    std::string Text2;
};
template <class Io>
void fields(Io& io, ComboRecord& r) {
    io(r.Name, r.Text1, r.Value1, r.Value2, r.Value3, r.Value4, r.Value5To10, r.Value11, r.Value12To15, r.Short1,
       r.Value16, r.Short2, r.Short3, r.Short4, r.Short5, r.Value17, r.Short6, r.Text2);
}

// The eleven slots of a combination list, written as a dynamic array with bounds
// 0..10 whose element 0 is 0 (slot 0 is not carried).
struct SlotsAsItems {
    using IsFieldForm = void;
    std::array<std::int32_t, 11>& held;

    void WriteCurrent(Writer& out) const {
        out.ArrayHeader0(10);
        out.I32(0);
        out.WriteElements(std::span<const std::int32_t>(held).subspan(1));
    }
    // Slot 0 keeps what it holds.
    void ReadCurrent(Reader& in) const {
        in.ArrayHeader0(sizeof(std::int32_t), 10);
        in.I32();
        for (std::size_t k = 1; k < held.size(); ++k) in.Field(held[k]);
    }
};

// "CL": 88 bytes in the legacy file, 98 in the current one.
struct ComboListRecord {
    std::array<std::uint32_t, 7> Value1To7{};
    std::array<std::int32_t, 11> Slots{};
    std::array<std::uint32_t, 4> Value8To11{};
};
template <class Io>
void fields(Io& io, ComboListRecord& r) { io(r.Value1To7, SlotsAsItems{r.Slots}, r.Value8To11); }

// Loads assigned to objects. The fixed groups of components are written as
// dynamic arrays with bounds 0..N and an empty element 0.

// "JFLoad"
struct JFLoadRecord {
    std::int16_t Short1 = 0;
    std::uint32_t Value1 = 0;
    std::uint32_t Value2 = 0;
    std::array<double, 6> Components{};
    std::int16_t Short2 = 0;
    std::string Text1;
};
template <class Io>
void fields(Io& io, JFLoadRecord& r) { io(r.Short1, r.Value1, r.Value2, ZeroBased(r.Components), r.Short2, r.Text1); }

// "JGDLoad"
struct JGDLoadRecord {
    std::int16_t Short1 = 0;
    std::uint32_t Value1 = 0;
    std::uint32_t Value2 = 0;
    std::array<double, 6> Components{};
};
template <class Io>
void fields(Io& io, JGDLoadRecord& r) { io(r.Short1, r.Value1, r.Value2, ZeroBased(r.Components)); }

// "JTLoad"
struct JTLoadRecord {
    std::int16_t Short1 = 0;
    Bytes<16> Data1{};
};
template <class Io>
void fields(Io& io, JTLoadRecord& r) { io(r.Short1, r.Data1); }

// "FCLoad"
struct FCLoadRecord {
    std::int16_t Short1 = 0;
    Bytes<40> Data1{};
    std::int16_t Short2 = 0;
};
template <class Io>
void fields(Io& io, FCLoadRecord& r) { io(r.Short1, r.Data1, r.Short2); }

// "FDLoad"
struct FDLoadRecord {
    std::int16_t Short1 = 0;
    std::array<std::uint32_t, 5> Value1To5{};
    std::int16_t Short2 = 0;
    std::array<std::uint32_t, 8> Value6To13{};
    std::int16_t Short3 = 0;
    std::string Text1;
};
template <class Io>
void fields(Io& io, FDLoadRecord& r) { io(r.Short1, r.Value1To5, r.Short2, r.Value6To13, r.Short3, r.Text1); }

// "FTLoad" and "ShTLoad"
struct FTLoadRecord {
    std::int16_t Short1 = 0;
    Bytes<8> Data1{};
    std::int16_t Short2 = 0;
    Bytes<8> Data2{};
};
template <class Io>
void fields(Io& io, FTLoadRecord& r) { io(r.Short1, r.Data1, r.Short2, r.Data2); }

// "ShULoad"
struct ShULoadRecord {
    std::int16_t Short1 = 0;
    Bytes<24> Data1{};
    std::int16_t Short2 = 0;
};
template <class Io>
void fields(Io& io, ShULoadRecord& r) { io(r.Short1, r.Data1, r.Short2); }

// "ShWPLoad"
struct ShWPLoadRecord {
    std::int16_t Short1 = 0;
    std::array<std::uint32_t, 6> Value1To6{};
    std::int16_t Short2 = 0;
    std::array<double, 4> Components{};
};
template <class Io>
void fields(Io& io, ShWPLoadRecord& r) { io(r.Short1, r.Value1To6, r.Short2, ZeroBased(r.Components)); }

struct LoadData {
    Table<LoadCaseRecord> LoadCondition{"LoadCondition", Allocator::Table};
    Table<ComboRecord> Combo{"Combo", Allocator::Table};
    Table<ComboListRecord> CL{"CL", Allocator::Table};
    Table<JFLoadRecord> JFLoad{"JFLoad", Allocator::Object};
    Table<JGDLoadRecord> JGDLoad{"JGDLoad", Allocator::Object};
    Table<JTLoadRecord> JTLoad{"JTLoad", Allocator::Object};
    Table<FCLoadRecord> FCLoad{"FCLoad", Allocator::Object};
    Table<FDLoadRecord> FDLoad{"FDLoad", Allocator::Object};
    Table<FTLoadRecord> FTLoad{"FTLoad", Allocator::Object};
    Table<ShULoadRecord> ShULoad{"ShULoad", Allocator::Object};
    Table<FTLoadRecord> ShTLoad{"ShTLoad", Allocator::Object};
    Table<ShWPLoadRecord> ShWPLoad{"ShWPLoad", Allocator::Object};

    void Register(TableRegistry& reg) {
        reg.Add(LoadCondition);
        reg.Add(Combo);
        reg.Add(CL);
        reg.Add(JFLoad);
        reg.Add(JGDLoad);
        reg.Add(JTLoad);
        reg.Add(FCLoad);
        reg.Add(FDLoad);
        reg.Add(FTLoad);
        reg.Add(ShULoad);
        reg.Add(ShTLoad);
        reg.Add(ShWPLoad);
    }
};

}  // namespace kmd
