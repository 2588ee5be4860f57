#include "tools/example_static_groups.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "legacy/groups.h"
#include "legacy/static_nl.h"
#include "model/groups.h"
#include "model/static_nl.h"

namespace kmd::example {

namespace {

StaticNLRecord PushoverCase() {
    StaticNLRecord c;
    c.Name = "PUSH";
    c.Block1 = Block<22>(1);
    c.Count1 = 2;
    c.Points1 = OneBased({Block<16>(40), Block<16>(60)});
    c.Count2 = 1;
    c.Points2 = OneBased({Block<16>(80)});
    c.Short1 = -1;
    c.Count3 = 2;
    c.Array1 = OneBased<std::int32_t>({3, 4});
    c.Value2 = 1;
    c.Array2 = OneBased({0.0, 0.5});
    c.Detail.Text1 = "DEAD";
    c.Short7 = 1;
    return c;
}

// A hinge of two curve points, and a set of Rows 1 and Columns 2.
HingePropertyRecord MomentHinge() {
    HingePointRecord point;
    point.CurveX = OneBased({0.0, 0.02});
    point.CurveY = OneBased({1.0, 1.1});
    point.Reals1 = {1, 2, 3, 4, 5, 6};
    point.Values1 = {1, 0, 0, 1, 0, 0};
    HingeRecord hinge;
    hinge.PointCount = 2;
    hinge.ItemCount = 1;
    hinge.Items = OneBased({point});
    HingeSetRecord set;
    set.Count = 1;
    set.Array1 = OneBased<std::int32_t>({7});
    set.Rows = 1;
    set.Columns = 2;
    set.Matrix.dims = {{2, 1}, {2, 1}};  // (1..Columns, 1..Rows + 1)
    set.Matrix.items = {0.1, 0.2, 0.3, 0.4};
    set.Extra = OneBased({9.0});
    HingePropertyRecord p;
    p.Name = "M3";
    p.Count1 = 1;
    p.Count2 = 1;
    p.Hinges = OneBased({hinge});
    p.Sets = OneBased({set});
    return p;
}

// A count, then each record as `write` writes it.
template <class Rec, class Write>
void Table(Writer& out, const std::vector<Rec>& records, Write write) {
    out(std::int32_t(records.size()));
    for (const Rec& r : records) write(r);
}

SectionCutRecord Cut(const std::string& name, std::int32_t count) {
    SectionCutRecord c;
    c.Name = name;
    c.Short1 = 1;
    c.Block1 = Block<28>(10);
    c.Axes = {1, 0, 0, 0, 1, 0, 0, 0, 1};
    c.Count = count;
    if (count > 0) {
        c.Array1 = OneBased({0.0, 10.0});
        c.Array2 = OneBased({0.0, 10.0});
    }
    return c;
}

}  // namespace

void WriteExampleStaticNonlinear(Writer& out, double v, std::int32_t lineObjects) {
    out(std::int32_t(1));  // present
    Table(out, std::vector{PushoverCase()}, [&](const StaticNLRecord& c) {
        if (v <= kStaticNLAUpTo)
            out(StaticNLA{FixedString<8>(c.Name), c, Block<6>(0)});
        else if (v <= kStaticNLBUpTo)
            out(StaticNLB{FixedString<8>(c.Name), c});
        else
            out(c);
    });
    Table(out, std::vector{MomentHinge()}, [&](const HingePropertyRecord& p) { out(p); });
    out(std::int16_t(-1));
    for (std::int32_t i = 1; i <= lineObjects; ++i) {
        FrameNLRecord r;
        r.Count = i % 2;
        r.Items1 = OneBased({Block<36>(std::uint8_t(i))});
        r.Items2 = OneBased({Block<108>(1)});
        out(r);
    }
}

void WriteExampleGroups(Writer& out, double v, const ExampleObjectCounts& objects) {
    GroupRecord all{"ALL", 1, 0, -1, Block<16>(1), 2, 3, 4, 5, -1};
    GroupRecord beams{"BEAMS", 2, 0, 0, Block<16>(20), 6, 7, 8, 9, 0};
    Table(out, std::vector{all, beams}, [&](const GroupRecord& g) {
        if (v <= kGroupAUpTo)
            out(GroupA{g});
        else if (v <= kGroupBUpTo)
            out(GroupB{g, 10});
        else
            out(g);
    });
    // Every object belongs to the first group, line objects also to the second.
    auto members = [&](std::int32_t n, std::int16_t groups) {
        out(std::int32_t(n * groups));
        for (std::int32_t i = 1; i <= n; ++i)
            for (std::int16_t g = 1; g <= groups; ++g) out(GroupMemberRecord{g, i, 0});
    };
    if (objects.points >= 1) members(objects.points, 1);
    if (objects.lines > 0) members(objects.lines, 2);
    if (objects.areas > 0) members(objects.areas, 1);

    Table(out, std::vector{Cut("SC1", 0), Cut("SC2", 1)}, [&](const SectionCutRecord& c) {
        if (v <= kSectionCutAUpTo)
            out(SectionCutA{c, 0});
        else
            out(c);
    });
}

}  // namespace kmd::example
