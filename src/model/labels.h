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

// "PanelBays", "FloorBays", "RampBays", "AreaBays", "NSAreaBays". The two item
// arrays hold elements 1..ItemCount (with whatever bounds the legacy file gave).
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
// Legacy layout (every version); the current file rebuilds the arrays 0-based.
template <class Io>
void fields(Io& io, AreaBayRecord& r) {
    io(r.Label, r.Value1, r.Value2, r.ItemCount, r.Items1, r.Items2, r.Value3, r.Value4);
}

// A label table carries a 32-bit value of its own, stored after its count.
template <class T>
struct LabelTable : Table<T> {
    std::int32_t TableExtra = 0;
};

struct LabelData {
    LabelTable<PointNameRecord> PointNames, NSPoints;
    LabelTable<LineBayRecord> ColumnBays, BeamBays, BraceBays, LineBays, NSLineBays;
    LabelTable<AreaBayRecord> PanelBays, FloorBays, RampBays, AreaBays, NSAreaBays;

    void Register(TableRegistry& reg) {
        reg.Add("PointNames", Allocator::Table, PointNames);
        reg.Add("NSPoints", Allocator::Table, NSPoints);
        reg.Add("ColumnBays", Allocator::Table, ColumnBays);
        reg.Add("BeamBays", Allocator::Table, BeamBays);
        reg.Add("BraceBays", Allocator::Table, BraceBays);
        reg.Add("LineBays", Allocator::Table, LineBays);
        reg.Add("NSLineBays", Allocator::Table, NSLineBays);
        reg.Add("PanelBays", Allocator::Table, PanelBays);
        reg.Add("FloorBays", Allocator::Table, FloorBays);
        reg.Add("RampBays", Allocator::Table, RampBays);
        reg.Add("AreaBays", Allocator::Table, AreaBays);
        reg.Add("NSAreaBays", Allocator::Table, NSAreaBays);
    }
};

}  // namespace kmd
