#include "tables/labels.h"

#include <type_traits>

#include "legacy/labels.h"

namespace kmd {

namespace {

template <class T>
void ReadLabelTable(Reader& in, Conversion& cv, LabelTable<T>& t, const char* name) {
    in.SetTable(name);
    in(t.count, t.TableExtra);
    if (t.count <= 0) return;
    in.CheckCount(t.count, MinEncodedSize<T>());
    cv.model.AllocateTable(name, t.count, t.capacity);
    for (std::int32_t i = 1; i <= t.count; ++i) {
        const std::size_t at = in.Offset();
        T& r = t[i];
        in(r);
        if constexpr (std::is_same_v<T, AreaBayRecord>)
            CheckItemArrays(in, at, r.ItemCount, r.Items1, "Items1", r.Items2, "Items2");
    }
}

// Current form of an area bay: both item arrays with bounds 0..ItemCount.
void ExportAreaBay(Writer& out, const AreaBayRecord& r) {
    out(r.Label, r.Value1, r.Value2, r.ItemCount);
    WriteRebuilt0(out, r.Items1, r.ItemCount, "Items1");
    WriteRebuilt0(out, r.Items2, r.ItemCount, "Items2");
    out(r.Value3, r.Value4);
}

template <class T>
void WriteLabelTable(Writer& out, const LabelTable<T>& t, const char* name) {
    out.SetTable(name);
    out(t.count, t.TableExtra);
    for (std::int32_t i = 1; i <= t.count; ++i) {
        if constexpr (std::is_same_v<T, AreaBayRecord>)
            ExportAreaBay(out, t[i]);
        else
            out(t[i]);
    }
}

}  // namespace

void ReadLabelTables(Reader& in, Conversion& cv) {
    LabelData& d = cv.model.labels;
    ReadLabelTable(in, cv, d.PointNames, "PointNames");
    ReadLabelTable(in, cv, d.NSPoints, "NSPoints");
    ReadLabelTable(in, cv, d.ColumnBays, "ColumnBays");
    ReadLabelTable(in, cv, d.BeamBays, "BeamBays");
    ReadLabelTable(in, cv, d.BraceBays, "BraceBays");
    ReadLabelTable(in, cv, d.LineBays, "LineBays");
    ReadLabelTable(in, cv, d.NSLineBays, "NSLineBays");
    ReadLabelTable(in, cv, d.PanelBays, "PanelBays");
    ReadLabelTable(in, cv, d.FloorBays, "FloorBays");
    ReadLabelTable(in, cv, d.RampBays, "RampBays");
    ReadLabelTable(in, cv, d.AreaBays, "AreaBays");
    ReadLabelTable(in, cv, d.NSAreaBays, "NSAreaBays");
}

void WriteLabelTables(Writer& out, const Conversion& cv) {
    const LabelData& d = cv.model.labels;
    WriteLabelTable(out, d.PointNames, "PointNames");
    WriteLabelTable(out, d.NSPoints, "NSPoints");
    WriteLabelTable(out, d.ColumnBays, "ColumnBays");
    WriteLabelTable(out, d.BeamBays, "BeamBays");
    WriteLabelTable(out, d.BraceBays, "BraceBays");
    WriteLabelTable(out, d.LineBays, "LineBays");
    WriteLabelTable(out, d.NSLineBays, "NSLineBays");
    WriteLabelTable(out, d.PanelBays, "PanelBays");
    WriteLabelTable(out, d.FloorBays, "FloorBays");
    WriteLabelTable(out, d.RampBays, "RampBays");
    WriteLabelTable(out, d.AreaBays, "AreaBays");
    WriteLabelTable(out, d.NSAreaBays, "NSAreaBays");
}

}  // namespace kmd
