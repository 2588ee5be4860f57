#include "tools/example_objects.h"

#include <algorithm>
#include <initializer_list>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "legacy/objects.h"
#include "model/labels.h"
#include "model/objects.h"

namespace kmd::example {

namespace {

DynArray<std::int32_t> Items(std::initializer_list<std::int32_t> values) { return OneBased(values); }

void EmptyLabelTable(Writer& out) { out(std::int32_t(0), std::int32_t(0)); }

PointObjectRecord Point(const std::string& label, std::int32_t first) {
    PointObjectRecord p;
    p.Label = label;
    p.PValue1 = first;
    p.PValue2 = first + 1;
    p.PValue3 = 1;
    p.PValue4 = 6;
    p.PBlock1 = Block<32>(std::uint8_t(first));
    p.PCode2 = p.PCode3 = -1;
    p.PFlags1.fill(-1);
    p.PValue5 = 2;
    p.PText = "";
    return p;
}

LineObjectRecord Line(const std::string& label, std::int32_t from, std::int32_t to) {
    LineObjectRecord l;
    l.Label = label;
    l.LEnds = {from, to};
    l.LValue3 = 1;
    l.LValue4 = 6;
    l.LValue5 = 4;
    l.LReal1 = 1.0;
    l.LMatrix = {1, 0, 0, 0, 1, 0, 0, 0, 1};
    l.LReal2 = 24.0;
    l.LValue17 = 3;
    l.LCode4 = -1;
    l.LValue24 = 10;
    l.LRefs = {from, to, 0, 0, 0, 0};
    l.LCode6 = 1;
    l.LCode10 = l.LCode11 = -1;
    l.LFlags1.fill(-1);
    l.LText = "frame " + label;
    return l;
}

}  // namespace

void WriteExampleLabels(Writer& out) {
    // "PointNames": two names.
    out(std::int32_t(2), std::int32_t(0));
    out(PointNameRecord{"1", Block<34>(1)}, PointNameRecord{"2", Block<34>(40)});
    EmptyLabelTable(out);  // "NSPoints"
    // "ColumnBays": one bay.
    out(std::int32_t(1), std::int32_t(1));
    out(LineBayRecord{"C1", Block<24>(7)});
    for (int i = 0; i < 4; ++i) EmptyLabelTable(out);  // "BeamBays" to "NSLineBays"
    // "PanelBays", "FloorBays": one bay each.
    AreaBayRecord panel{"P1", 1, 0, 4, Items({1, 2, 3, 4}), Items({0, 0, 0, 0}), 0, 0};
    out(std::int32_t(1), std::int32_t(0), panel);
    AreaBayRecord floor{"F1", 2, 0, 3, Items({1, 2, 3}), Items({1, 1, 1}), 5, 0};
    out(std::int32_t(1), std::int32_t(2), floor);
    for (int i = 0; i < 3; ++i) EmptyLabelTable(out);  // "RampBays" to "NSAreaBays"
}

namespace {

AreaObjectRecord Area(const std::string& label, std::initializer_list<std::int32_t> corners) {
    AreaObjectRecord a;
    a.Label = label;
    a.ItemCount = std::int32_t(corners.size());
    a.AItems1 = Items(corners);
    a.AValue3 = 1;
    a.AValue4 = 6;
    a.AValue5 = 4;
    a.AReal1 = 1.0;
    a.AMatrix = {1, 0, 0, 0, 1, 0, 0, 0, 1};
    a.AReals = {0.5, 0.5, 0.5, 0.5};
    a.ACode5 = a.ACode6 = -1;
    a.AReal2 = 48.0;
    a.AValue32 = a.AValue33 = 1;
    a.ACode10 = a.ACode11 = a.ACode12 = -1;
    a.AItems2 = DynArray<std::int32_t>::Sized(1, a.ItemCount);
    a.AFlags1.fill(-1);
    a.AText = "slab";
    return a;
}

// Each object in the legacy form of version v; the forms wrap the record.
void WriteObject(Writer& out, double v, const PointObjectRecord& p) {
    if (v <= 7.985)
        out(PointObjectP1{p, p.PValue4});
    else if (v <= 9.025)
        out(PointObjectP2{p});
    else
        out(p);
}

// L2 and L3 hold the switch inverted.
template <int Form>
LineObjectL2To4<Form> LineForm(LineObjectRecord l) {
    if (Form < 4) l.LSwitch = std::int16_t(~l.LSwitch);
    return {std::move(l), {}};
}

void WriteObject(Writer& out, double v, const LineObjectRecord& l) {
    if (v <= 7.985)
        out(LineObjectL1{l, std::int16_t(l.LCode6 != 0 ? -1 : 0)});
    else if (v <= 8.005)
        out(LineForm<2>(l));
    else if (v <= 8.055)
        out(LineForm<3>(l));
    else if (v <= 8.195)
        out(LineForm<4>(l));
    else if (v <= 9.025)
        out(LineObjectL5{l});
    else
        out(l);
}

void WriteObject(Writer& out, double v, const AreaObjectRecord& a) {
    if (v <= 7.985)
        out(AreaObjectA1{a});
    else if (v <= 8.005)
        out(AreaObjectA2{a, {}, {}, {}});
    else if (v <= 9.025)
        out(AreaObjectA3{a, {}});
    else
        out(a);
}

std::uint64_t EncodedSize(double v, const auto& record) {
    Writer w;
    WriteObject(w, v, record);
    return w.Size();
}

template <class Rec>
void WriteObjects(Writer& out, double v, const std::vector<Rec>& records) {
    out(std::int32_t(records.size()));
    for (const Rec& r : records) WriteObject(out, v, r);
}

}  // namespace

ExampleObjectCounts WriteExampleObjects(Writer& out, double v, std::uint64_t extraBytes, std::uint32_t seed) {
    std::vector<PointObjectRecord> points{Point("1", 1), Point("2", 2), Point("3", 3), Point("4", 4)};
    std::vector<LineObjectRecord> lines{Line("B1", 1, 2), Line("C1", 1, 3)};
    std::vector<AreaObjectRecord> areas{Area("F1", {1, 2, 4, 3})};
    if (extraBytes > 0) {
        // Of the extra bytes a third each to points, lines and areas.
        std::mt19937 rng(seed);
        std::uniform_int_distribution<std::int32_t> pick(1, 1 << 20);
        const std::uint64_t share = extraBytes / 3;
        const std::uint64_t n = points.size();
        for (std::uint64_t used = 0; used < share;) {
            points.push_back(Point(std::to_string(points.size() + 1), pick(rng)));
            used += EncodedSize(v, points.back());
        }
        for (std::uint64_t used = 0; used < share;) {
            std::int32_t from = std::int32_t(1 + std::uint64_t(pick(rng)) % points.size());
            lines.push_back(Line("L" + std::to_string(lines.size() + 1), from, std::int32_t(n)));
            used += EncodedSize(v, lines.back());
        }
        for (std::uint64_t used = 0; used < extraBytes - 2 * share;) {
            std::int32_t c = std::int32_t(1 + std::uint64_t(pick(rng)) % points.size());
            areas.push_back(Area("A" + std::to_string(areas.size() + 1), {c, 1, 2, 3}));
            used += EncodedSize(v, areas.back());
        }
    }
    WriteObjects(out, v, points);
    WriteObjects(out, v, lines);
    WriteObjects(out, v, areas);
    return {std::int32_t(points.size()), std::int32_t(lines.size()), std::int32_t(areas.size())};
}

}  // namespace kmd::example
