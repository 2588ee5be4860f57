#include "tables/point_assign.h"
#include "tables/table_io.h"

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
        ReadTableAs<ConstraintA>(in, cv, Allocator::Table, "Constraint", d.Constraint, ImportConstraintA);
    else
        ReadTableAs<ConstraintRecord>(in, cv, Allocator::Table, "Constraint", d.Constraint, AsRead);
    ReadTable(in, cv, Allocator::Object, "CJoint", d.CJoint);
    ReadTable(in, cv, Allocator::Object, "PanelZone", d.PanelZone);
    ReadTable(in, cv, Allocator::Object, "Restraint", d.Restraint);
    ReadTable(in, cv, Allocator::Object, "Spring", d.Spring);
    ReadTable(in, cv, Allocator::Object, "JLink", d.JLink);
    ReadTable(in, cv, Allocator::Object, "Mass", d.Mass);
}

void WritePointAssignments(Writer& out, Conversion& cv) {
    const PointAssignData& d = cv.model.pointAssign;
    WriteTable(out, "Constraint", d.Constraint, ExportConstraint);
    WriteTable(out, "CJoint", d.CJoint);
    WriteTable(out, "PanelZone", d.PanelZone);
    WriteTable(out, "Restraint", d.Restraint, ExportRestraint);
    WriteTable(out, "Spring", d.Spring, ExportPointSpring);
    WriteTable(out, "JLink", d.JLink);
    WriteTable(out, "Mass", d.Mass, ExportPointMass);
}

}  // namespace kmd
