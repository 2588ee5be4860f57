// Point names and bays.
#pragma once

#include <cstdint>
#include <string>

#include "fileformat/encoding.h"
#include "model/store.h"

namespace kmd {

// "PointNames", "NSPoints".
struct PointNameRecord {
    std::string Label;
    Bytes<34> Data{};  // plain values, the last one 16-bit
};
template <class Io>
void fields(Io& io, PointNameRecord& r) { io(r.Label, r.Data); }

// "ColumnBays", "BeamBays", "BraceBays", "LineBays", "NSLineBays".
struct LineBayRecord {
    std::string Label;
    Bytes<24> Data{};
};
template <class Io>
void fields(Io& io, LineBayRecord& r) { io(r.Label, r.Data); }

// "PanelBays", "FloorBays", "RampBays", "AreaBays", "NSAreaBays"; one layout in
// every legacy version. The two item arrays hold elements 1..ItemCount (with
// whatever bounds the legacy file gave); the current file holds them 0..ItemCount.
struct AreaBayRecord {
    std::string Label;
    std::int16_t Value1 = 0;
    std::int16_t Value2 = 0;
    std::int32_t ItemCount = 0;
    DynArray<std::int32_t> Items1;
    DynArray<std::int32_t> Items2;
    std::int32_t Value3 = 0;
    std::int32_t Value4 = 0;
};
template <class Io>
void fields(Io& io, AreaBayRecord& r) {
    io(r.Label, r.Value1, r.Value2, r.ItemCount, Counted(r.Items1, r.ItemCount, "Items1"),
       Counted(r.Items2, r.ItemCount, "Items2"), r.Value3, r.Value4);
}

// A label table carries a 32-bit value of its own, stored after its count.
template <class T>
struct LabelTable : Table<T> {
    using Table<T>::Table;
    std::int32_t TableExtra = 0;
};

struct LabelData {
    LabelTable<PointNameRecord> PointNames{"PointNames", Allocator::Table};
    LabelTable<PointNameRecord> NSPoints{"NSPoints", Allocator::Table};
    LabelTable<LineBayRecord> ColumnBays{"ColumnBays", Allocator::Table};
    LabelTable<LineBayRecord> BeamBays{"BeamBays", Allocator::Table};
    LabelTable<LineBayRecord> BraceBays{"BraceBays", Allocator::Table};
    LabelTable<LineBayRecord> LineBays{"LineBays", Allocator::Table};
    LabelTable<LineBayRecord> NSLineBays{"NSLineBays", Allocator::Table};
    LabelTable<AreaBayRecord> PanelBays{"PanelBays", Allocator::Table};
    LabelTable<AreaBayRecord> FloorBays{"FloorBays", Allocator::Table};
    LabelTable<AreaBayRecord> RampBays{"RampBays", Allocator::Table};
    LabelTable<AreaBayRecord> AreaBays{"AreaBays", Allocator::Table};
    LabelTable<AreaBayRecord> NSAreaBays{"NSAreaBays", Allocator::Table};

    // Every table, in file order.
    template <class Fn>
    void ForEach(Fn fn) {
        fn(PointNames), fn(NSPoints), fn(ColumnBays), fn(BeamBays), fn(BraceBays), fn(LineBays), fn(NSLineBays);
        fn(PanelBays), fn(FloorBays), fn(RampBays), fn(AreaBays), fn(NSAreaBays);
    }
    template <class Fn>
    void ForEach(Fn fn) const { const_cast<LabelData*>(this)->ForEach([&](const auto& t) { fn(t); }); }

    void Register(TableRegistry& reg) {
        ForEach([&](auto& t) { reg.Add(t); });
    }
};

}  // namespace kmd
