#include "tools/example_objects.h"

#include <algorithm>
#include <initializer_list>
#include <string>

#include "model/labels.h"
#include "model/objects.h"

namespace kmd::example {

namespace {

DynArray<std::int32_t> Items(std::initializer_list<std::int32_t> values) {
    auto a = DynArray<std::int32_t>::Sized(1, std::int64_t(values.size()));
    std::copy(values.begin(), values.end(), a.items.begin());
    return a;
}

template <std::size_t N>
Bytes<N> Block(std::uint8_t first) {
    Bytes<N> b{};
    for (std::size_t i = 0; i < N; ++i) b[i] = std::uint8_t(first + i);
    return b;
}

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

void WriteExampleObjects(Writer& out) {
    out(std::int32_t(4));
    out(Point("1", 1), Point("2", 2), Point("3", 3), Point("4", 4));

    out(std::int32_t(2));
    out(Line("B1", 1, 2), Line("C1", 1, 3));

    AreaObjectRecord a;
    a.Label = "F1";
    a.ItemCount = 4;
    a.AItems1 = Items({1, 2, 4, 3});
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
    a.AItems2 = Items({0, 0, 0, 0});
    a.AFlags1.fill(-1);
    a.AText = "slab";
    out(std::int32_t(1), a);
}

}  // namespace kmd::example
