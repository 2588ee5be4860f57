#include "tables/shell_assign.h"

#include "legacy/shell_assign.h"
#include "tables/table_io.h"

namespace kmd {

namespace {

constexpr Layout<ShellSpringRecord> kShellSpringLayouts[] = {
    UpTo<ShellSpringA, ImportShellSpringA>(kShellSpringAUpTo),
    Newest<ShellSpringRecord>(),
};

}  // namespace

// File order: ShModifier, SSpring, SMass.
void ReadShellAssignments(Reader& in, Conversion& cv) {
    ShellAssignData& d = cv.model.shellAssign;
    ReadTable(in, cv, d.ShModifier);
    ReadTable(in, cv, d.SSpring, kShellSpringLayouts);
    ReadTable(in, cv, d.SMass);
}

void WriteShellAssignments(Writer& out, const Conversion& cv) {
    const ShellAssignData& d = cv.model.shellAssign;
    WriteTable(out, d.ShModifier);
    WriteTable(out, d.SSpring);
    WriteTable(out, d.SMass);
}

void ReadBackShellAssignments(Reader& in, Conversion& cv) {
    ShellAssignData& d = cv.model.shellAssign;
    ReadCurrentTable(in, cv, d.ShModifier);
    ReadCurrentTable(in, cv, d.SSpring);
    ReadCurrentTable(in, cv, d.SMass);
}

}  // namespace kmd
