#include "tables/point_assign.h"

#include "legacy/point_assign.h"

namespace kmd {

namespace {

ConstraintRecord AsRead(const ConstraintRecord& r) { return r; }

void ExportConstraint(Writer& out, const ConstraintRecord& r) {
    out(r.Name, r.CValue1, r.CValue2, AsZeroBased(r.CRefs), r.CValue3, r.CValue4, r.CValue5, r.CCode1, r.CCode2);
}

void ExportRestraint(Writer& out, const RestraintRecord& r) { out(r.Key, r.Tag, AsZeroBased(r.RFlags), r.RValue); }

void ExportPointSpring(Writer& out, const PointSpringRecord& r) { out(r.Key, r.Tag, AsZeroBased(r.SpringValues)); }

void ExportPointMass(Writer& out, const PointMassRecord& r) { out(r.Key, r.Tag, AsZeroBased(r.MassValues)); }

}  // namespace

// File order: Constraint, CJoint, PanelZone, Restraint, Spring, JLink, Mass.
void ReadPointAssignments(Reader& in, Conversion& cv) {
    PointAssignData& d = cv.model.pointAssign;
    if (cv.FileVersion <= kConstraintFixedNameUpTo)
        ReadAssignTableAs<ConstraintA>(in, cv, Allocator::Table, "Constraint", d.Constraint, ImportConstraintA);
    else
        ReadAssignTableAs<ConstraintRecord>(in, cv, Allocator::Table, "Constraint", d.Constraint, AsRead);
    ReadAssignTable(in, cv, "CJoint", d.CJoint);
    ReadAssignTable(in, cv, "PanelZone", d.PanelZone);
    ReadAssignTable(in, cv, "Restraint", d.Restraint);
    ReadAssignTable(in, cv, "Spring", d.Spring);
    ReadAssignTable(in, cv, "JLink", d.JLink);
    ReadAssignTable(in, cv, "Mass", d.Mass);
}

void WritePointAssignments(Writer& out, Conversion& cv) {
    const PointAssignData& d = cv.model.pointAssign;
    WriteAssignTable(out, "Constraint", d.Constraint, ExportConstraint);
    WriteAssignTable(out, "CJoint", d.CJoint);
    WriteAssignTable(out, "PanelZone", d.PanelZone);
    WriteAssignTable(out, "Restraint", d.Restraint, ExportRestraint);
    WriteAssignTable(out, "Spring", d.Spring, ExportPointSpring);
    WriteAssignTable(out, "JLink", d.JLink);
    WriteAssignTable(out, "Mass", d.Mass, ExportPointMass);
}

}  // namespace kmd
