// Legacy layouts of groups and section cuts.
#pragma once

#include <cstdint>

#include "fileformat/encoding.h"
#include "model/groups.h"

namespace kmd {

// "Groop" up to 7.985: no Value2, Value4, Value5 or Short3.
inline constexpr double kGroupAUpTo = 7.985;

struct GroupA {
    GroupRecord group;
};
template <class Io>
void fields(Io& io, GroupA& r) {
    auto& g = r.group;
    io(g.Name, g.Value1, g.Short1, g.Short2, g.Block1, g.Value3);
}

// Above 7.985 up to 8.195: a 4-byte value, not carried, in place of Value2; no
// Value4 or Value5.
inline constexpr double kGroupBUpTo = 8.195;

struct GroupB {
    GroupRecord group;
    std::int32_t Dropped = 0;
};
template <class Io>
void fields(Io& io, GroupB& r) {
    auto& g = r.group;
    io(g.Name, g.Value1, g.Short1, g.Short2, g.Block1, r.Dropped, g.Value3, g.Short3);
}

// The fields held, the rest 0.
GroupRecord ImportGroupA(GroupA&& a);
GroupRecord ImportGroupB(GroupB&& b);

// "SectionCut" up to 8.125: a 4-byte value, not carried, after Short2; nothing
// after Axes.
inline constexpr double kSectionCutAUpTo = 8.125;

struct SectionCutA {
    SectionCutRecord cut;
    std::int32_t Dropped = 0;
};
template <class Io>
void fields(Io& io, SectionCutA& r) {
    auto& c = r.cut;
    io(c.Name, c.Short1, c.Short2, r.Dropped, c.Short3, c.Block1, c.Value1, c.Axes);
}

// The fields held; Wide1 to Wide3, Count and Block2 zero, the arrays without storage.
SectionCutRecord ImportSectionCutA(SectionCutA&& a);

}  // namespace kmd
