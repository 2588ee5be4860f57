#include "tables/point_assign.h"

#include "legacy/point_assign.h"
#include "tables/table_io.h"

namespace kmd {

namespace {

constexpr Layout<ConstraintRecord> kConstraintLayouts[] = {
    UpTo<ConstraintA, ImportConstraintA>(kConstraintAUpTo),
    Newest<ConstraintRecord>(),
};

}  // namespace

// File order: Constraint, CJoint, PanelZone, Restraint, Spring, JLink, Mass.
void ReadPointAssignments(Reader& in, Conversion& cv) {
    PointAssignData& d = cv.model.pointAssign;
    ReadTable(in, cv, d.Constraint, kConstraintLayouts);
    ReadTable(in, cv, d.CJoint);
    ReadTable(in, cv, d.PanelZone);
    ReadTable(in, cv, d.Restraint);
    ReadTable(in, cv, d.Spring);
    ReadTable(in, cv, d.JLink);
    ReadTable(in, cv, d.Mass);
}

void WritePointAssignments(Writer& out, const Conversion& cv) {
    const PointAssignData& d = cv.model.pointAssign;
    WriteTable(out, d.Constraint);
    WriteTable(out, d.CJoint);
    WriteTable(out, d.PanelZone);
    WriteTable(out, d.Restraint);
    WriteTable(out, d.Spring);
    WriteTable(out, d.JLink);
    WriteTable(out, d.Mass);
}

void ReadBackPointAssignments(Reader& in, Conversion& cv) {
    PointAssignData& d = cv.model.pointAssign;
    ReadCurrentTable(in, cv, d.Constraint);
    ReadCurrentTable(in, cv, d.CJoint);
    ReadCurrentTable(in, cv, d.PanelZone);
    ReadCurrentTable(in, cv, d.Restraint);
    ReadCurrentTable(in, cv, d.Spring);
    ReadCurrentTable(in, cv, d.JLink);
    ReadCurrentTable(in, cv, d.Mass);
}

}  // namespace kmd
