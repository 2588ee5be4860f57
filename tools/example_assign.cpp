#include "tools/example_assign.h"

#include <algorithm>
#include <vector>

#include "legacy/frame_assign.h"
#include "legacy/point_assign.h"
#include "legacy/shell_assign.h"
#include "model/frame_assign.h"
#include "model/point_assign.h"
#include "model/shell_assign.h"

namespace kmd::example {

namespace {

// One table's share of a group's growth.
Growth Share(Growth g, std::uint64_t tables) {
    g.bytes /= tables;
    return g;
}

void WritePointAssignments(Writer& out, double v, const Growth& group) {
    ConstraintRecord diaphragm;
    diaphragm.Name = "D1";
    diaphragm.CValue1 = 1;
    diaphragm.CValue2 = 3;
    diaphragm.CRefs = {1, 1, 0, 0, 0, 1};
    diaphragm.CCode1 = -1;
    if (v <= kConstraintAUpTo)
        TableAs(out, std::vector{diaphragm}, [](const ConstraintRecord& c) {
            return ConstraintA{FixedString<8>(c.Name), c.CValue1, c.CValue2, c.CUnused, c.CRefs,
                               c.CValue3, c.CValue4, c.CValue5, c.CCode1, c.CCode2};
        });
    else
        Table(out, std::vector{diaphragm});

    // Most of a sized model's point assignments are supports, springs and masses.
    const Growth g = Share(group, 6);
    const auto key = [&g](auto& r, std::uint64_t i) { r.Key = g.Key(i); };
    Table(out, Grown(std::vector{JointConstraintRecord{5, 0, 1}, JointConstraintRecord{6, 0, 1}}, g, key));
    Table(out, Grown(std::vector{PanelZoneRecord{7, 0, Block<26>(1), Block<32>(40)}}, Share(g, 4), key));

    RestraintRecord fixed{1, 0, {-1, -1, -1, -1, -1, -1}, 0};
    RestraintRecord pinned{2, 0, {-1, -1, -1, 0, 0, 0}, 0};
    Table(out, Grown(std::vector{fixed, pinned}, g, key));

    PointSpringRecord spring{3, 0, {}};
    spring.SpringValues[0] = 1200.0;
    spring.SpringValues[6] = 1200.0;
    spring.SpringValues[11] = 5000.0;
    Table(out, Grown(std::vector{spring}, g, [&g](PointSpringRecord& r, std::uint64_t i) {
        r.Key = g.Key(i);
        r.SpringValues[0] = r.SpringValues[6] = g.Real(100.0, 5000.0);
    }));

    Table(out, Grown(std::vector{PointLinkRecord{4, 0, Block<16>(80)}}, Share(g, 4), key));
    Table(out, Grown(std::vector{PointMassRecord{8, 0, {2.5, 2.5, 0.0, 0.0, 0.0, 10.0}}}, g,
                     [&g](PointMassRecord& r, std::uint64_t i) {
                         r.Key = g.Key(i);
                         r.MassValues[0] = r.MassValues[1] = g.Real(0.5, 20.0);
                     }));
}

void WriteFrameAssignments(Writer& out, double v, const Growth& group) {
    // Most of a sized model's frame assignments are releases, offsets and modifiers.
    const Growth g = Share(group, 4);
    const Growth few = Share(group, 16);
    const auto key = [&g](auto& r, std::uint64_t i) { r.Key = g.Key(i); };
    // Moment release at the end of a beam: column 1 the start, column 2 the end.
    FrameFixityRecord release{2, 0, {}};
    release.Fixity = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0};
    Table(out, Grown(std::vector{release}, g, key));

    const auto offsetA = [](const FrameOffsetRecord& r) { return FrameOffsetA{r.Key, r.Tag, r.Offsets}; };
    const auto offsets = [&g](FrameOffsetRecord& r, std::uint64_t i) {
        r.Key = g.Key(i);
        r.Offsets[0] = r.Offsets[3] = g.Real(0.0, 1.5);
    };
    const std::vector offset{FrameOffsetRecord{3, 0, {0.5, 0.0, 0.0, 0.75, 0.0, 0.0}, 1}};
    if (v <= kFrameOffsetAUpTo)
        TableAs(out, Grown(offset, g, offsetA, offsets), offsetA);
    else
        Table(out, Grown(offset, g, offsets));

    const auto modifierA = [](const FrameModifierRecord& r) {
        FrameModifierA a{r.Key, r.Tag, {}};
        std::copy_n(r.Modifiers.begin(), a.Modifiers.size(), a.Modifiers.begin());
        return a;
    };
    const std::vector cracked{FrameModifierRecord{4, 0, {1.0, 1.0, 1.0, 0.35, 0.35, 0.35, 1.0, 1.0}}};
    if (v <= kFrameModifierAUpTo)
        TableAs(out, Grown(cracked, g, modifierA, key), modifierA);
    else
        Table(out, Grown(cracked, g, key));

    Table(out, Grown(std::vector{FrameLinkRecord{5, 0, 2}}, few, key));
    Table(out, Grown(std::vector{FrameSpringRecord{6, 0, Block<12>(10)}}, few, key));
    Table(out, Grown(std::vector{FrameMassRecord{7, 0, Block<8>(30)}}, few, key));
    if (v > kNoFrameMomentBeamUpTo)
        Table(out, Grown(std::vector{FrameMomentBeamRecord{8, 0, Block<56>(50)}}, few, key));
}

void WriteShellAssignments(Writer& out, double v, const Growth& group) {
    const Growth g = Share(group, 3);
    const auto key = [&g](auto& r, std::uint64_t i) { r.Key = g.Key(i); };
    Table(out, Grown(std::vector{ShellModifierRecord{1, 0, {0.25, 0.25, 0.25, 0.7, 0.7, 0.7}}}, g,
                     [&g](ShellModifierRecord& r, std::uint64_t i) {
                         r.Key = g.Key(i);
                         r.ShellModifiers[3] = r.ShellModifiers[4] = g.Real(0.25, 1.0);
                     }));
    const std::vector spring{ShellSpringRecord{2, 0, 0, 0, 3}};
    const auto springA = [](const ShellSpringRecord& r) {  // the code as a real
        return ShellSpringA{r.Key, r.Tag, r.SValue1, r.SValue2, double(r.SCode)};
    };
    if (v <= kShellSpringAUpTo)
        TableAs(out, Grown(spring, g, springA, key), springA);
    else
        Table(out, Grown(spring, g, key));
    Table(out, Grown(std::vector{ShellMassRecord{3, 0, Block<8>(20)}}, g, key));
}

}  // namespace

void WriteExampleAssignments(Writer& out, double v, const AssignmentGrowth& growth) {
    WritePointAssignments(out, v, growth.points);
    WriteFrameAssignments(out, v, growth.frames);
    WriteShellAssignments(out, v, growth.shells);
}

}  // namespace kmd::example
