#include "tools/example_views.h"

#include "legacy/base_plate.h"
#include "legacy/views.h"
#include "model/design_blocks.h"
#include "model/views.h"

namespace kmd::example {

namespace {

DynArray<double> Reals(double first) { return OneBased({first, first + 1, first + 2}); }

ConnectionPart ExamplePart(std::uint8_t first) {
    ConnectionPart p;
    p.Block1 = Block<2>(first);
    p.Text1 = "Plate";
    p.Block3 = Block<32>(first);
    p.Text2 = "Weld";
    p.Block4 = Block<58>(first);
    p.Text3 = "Bolt";
    p.Block6 = Block<20>(first);
    return p;
}

template <std::size_t N>
NamedViewLayout<N> ExampleNamedView(const char* name) {
    NamedViewLayout<N> r;
    r.Short1 = 1;
    r.Name = name;
    r.View = Block<N>(9);
    return r;
}

template <std::size_t Tail>
DBNamedViewLayout<Tail> ExampleDBNamedView() {
    DBNamedViewLayout<Tail> r;
    r.Short1 = 2;
    r.Text1 = "Frames";
    r.Text2 = "Story1";
    r.Block1 = Block<20>(4);
    DBNamedViewItem item;
    item.Block = Block<8>(6);
    item.Entries = OneBased({Block<8>(1), Block<8>(2)});
    r.Items = OneBased({item});
    r.Block2 = Block<Tail>(8);
    return r;
}

}  // namespace

void WriteExampleBasePlate(Writer& out, double v) {
    if (v < kDesignBlocksFrom) return;
    if (v <= kBasePlatePreferencesAUpTo) {
        out(BasePlatePreferencesA{"AISC-LRFD2002", Block<146>(1), Block<16>(2), "A307 bolts", {}, Block<40>(3)});
    } else {
        BasePlatePreferences p;
        p.CodeName = "AISC-LRFD2002";
        p.Block1 = Block<146>(1);
        p.BoltName = "A307 bolts";
        p.ReportStyle = "Brief";
        out(p);
    }
    BasePlateRecord plate;
    plate.Block1 = Block<72>(5);
    plate.Reals1 = Reals(1);
    plate.Reals3 = Reals(4);
    plate.Text1 = "Base";
    plate.Block5 = Block<44>(6);
    BasePlateEnvelopeRecord plateEnvelope;
    plateEnvelope.Text1 = "COMB1";
    plateEnvelope.Text2 = "COMB2";
    out(std::int16_t(-1), std::int16_t(1), std::int32_t(1), plate, plateEnvelope);

    ConnectionPreferences c;
    c.CodeName = "AISC-LRFD2002";
    c.BoltName = "A307 bolts";
    c.Text1 = "Brief";
    c.Block4 = Block<72>(7);
    ConnectionRecord joint;
    joint.Block1 = Block<354>(1);
    joint.Part1 = ExamplePart(2);
    joint.Part2 = ExamplePart(3);
    joint.Reals2 = Reals(7);
    joint.Text1 = "Joint";
    ConnectionEnvelopeRecord jointEnvelope;
    jointEnvelope.Block1 = Block<52>(8);
    jointEnvelope.Text1 = "COMB1";
    out(c, std::int16_t(1), std::int16_t(0), std::int32_t(1), joint, jointEnvelope);
}

void WriteExampleViews(Writer& out, double v, const ExampleObjectCounts& objects) {
    // Two windows, the second one showing, and one named view.
    const std::size_t view = v <= kViewDataAUpTo ? kViewDataA : v <= kViewDataBUpTo ? kViewDataB : kViewDataC;
    out(std::int32_t(1), std::int32_t(2));
    for (std::uint8_t w = 0; w < 2; ++w) {
        std::vector<std::uint8_t> window(view, std::uint8_t(w + 1));
        out.Raw(window.data(), window.size());
    }
    out(std::int32_t(1));
    if (view == kViewDataA) out(ExampleNamedView<kViewDataA>("Plan"));
    else if (view == kViewDataB) out(ExampleNamedView<kViewDataB>("Plan"));
    else out(ExampleNamedView<kViewDataC>("Plan"));

    out(std::int32_t(1));
    if (v <= kOldDevElevUpTo) {
        OldDevElevRecord e;
        e.Name = "Elevation A";
        e.K1 = 1;
        e.K2 = 2;
        e.K3 = 3;
        e.K4to7 = {4, 5, 6, 7};
        e.Area = objects.areas >= 1 ? 1 : 0;
        e.K8to10 = {0.5, 1.5, 2.5};
        e.K11to14 = {11, 12, 13, 14};
        out(e);
    } else {
        DevElevRecord e;
        e.E1 = 3;
        e.Name = "Elevation A";
        e.E2 = 1;
        e.E3 = 2;
        e.PointsA = OneBased({0.0, 10.0, 10.0});
        e.PointsB = OneBased({0.0, 0.0, 12.0});
        e.PointCount = 3;
        e.E4to7 = {4, 5, 6, 7};
        e.Extra = {0.0, 0.5, 1.5, 2.5};
        e.E8 = {11, 12, 13};
        e.E9 = 14;
        out.AsHeld(e);
    }
    out(std::int32_t(1), TimeFunctionRecord{"RAMP", Block<34>(2)});
    if (v > kNoDBNamedViewUpTo) {
        out(std::int32_t(1));
        if (v <= kDBNamedViewAUpTo) out(ExampleDBNamedView<18>());
        else out(ExampleDBNamedView<22>());
    }
    if (v > kNoDisplayOptionsUpTo) {
        DisplayOptionsRecord d;
        d.O1 = 1;
        d.O2 = 0;
        d.Reals[0] = Reals(2);
        d.Shorts = OneBased<std::int16_t>({1, 2});
        d.Block = Block<60>(3);
        d.Ints[5] = OneBased<std::int32_t>({4});
        out.AsHeld(d);
    }
}

}  // namespace kmd::example
