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

void WritePointAssignments(Writer& out, double v) {
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

    Table(out, std::vector{JointConstraintRecord{5, 0, 1}, JointConstraintRecord{6, 0, 1}});
    Table(out, std::vector{PanelZoneRecord{7, 0, Block<26>(1), Block<32>(40)}});

    RestraintRecord fixed{1, 0, {-1, -1, -1, -1, -1, -1}, 0};
    RestraintRecord pinned{2, 0, {-1, -1, -1, 0, 0, 0}, 0};
    Table(out, std::vector{fixed, pinned});

    PointSpringRecord spring{3, 0, {}};
    spring.SpringValues[0] = 1200.0;
    spring.SpringValues[6] = 1200.0;
    spring.SpringValues[11] = 5000.0;
    Table(out, std::vector{spring});

    Table(out, std::vector{PointLinkRecord{4, 0, Block<16>(80)}});
    Table(out, std::vector{PointMassRecord{8, 0, {2.5, 2.5, 0.0, 0.0, 0.0, 10.0}}});
}

void WriteFrameAssignments(Writer& out, double v) {
    // Moment release at the end of a beam: column 1 the start, column 2 the end.
    FrameFixityRecord release{2, 0, {}};
    release.Fixity = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0};
    Table(out, std::vector{release});

    FrameOffsetRecord offset{3, 0, {0.5, 0.0, 0.0, 0.75, 0.0, 0.0}, 1};
    if (v <= kFrameOffsetAUpTo)
        TableAs(out, std::vector{offset},
                [](const FrameOffsetRecord& r) { return FrameOffsetA{r.Key, r.Tag, r.Offsets}; });
    else
        Table(out, std::vector{offset});

    FrameModifierRecord cracked{4, 0, {1.0, 1.0, 1.0, 0.35, 0.35, 0.35, 1.0, 1.0}};
    if (v <= kFrameModifierAUpTo)
        TableAs(out, std::vector{cracked}, [](const FrameModifierRecord& r) {
            FrameModifierA a{r.Key, r.Tag, {}};
            std::copy_n(r.Modifiers.begin(), a.Modifiers.size(), a.Modifiers.begin());
            return a;
        });
    else
        Table(out, std::vector{cracked});

    Table(out, std::vector{FrameLinkRecord{5, 0, 2}});
    Table(out, std::vector{FrameSpringRecord{6, 0, Block<12>(10)}});
    Table(out, std::vector{FrameMassRecord{7, 0, Block<8>(30)}});
    if (v > kNoFrameMomentBeamUpTo) Table(out, std::vector{FrameMomentBeamRecord{8, 0, Block<56>(50)}});
}

void WriteShellAssignments(Writer& out, double v) {
    Table(out, std::vector{ShellModifierRecord{1, 0, {0.25, 0.25, 0.25, 0.7, 0.7, 0.7}}});
    const ShellSpringRecord spring{2, 0, 0, 0, 3};
    if (v <= kShellSpringAUpTo)  // the code as a real
        TableAs(out, std::vector{spring}, [](const ShellSpringRecord& r) {
            return ShellSpringA{r.Key, r.Tag, r.SValue1, r.SValue2, double(r.SCode)};
        });
    else
        Table(out, std::vector{spring});
    Table(out, std::vector{ShellMassRecord{3, 0, Block<8>(20)}});
}

}  // namespace

void WriteExampleAssignments(Writer& out, double v) {
    WritePointAssignments(out, v);
    WriteFrameAssignments(out, v);
    WriteShellAssignments(out, v);
}

}  // namespace kmd::example
