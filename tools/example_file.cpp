#include "tools/example_assign.h"
#include "tools/example_general.h"
#include "tools/example_materials.h"
#include "tools/example_objects.h"
#include "tools/example_sd_shell.h"
#include "tools/example_sections.h"

namespace kmd::example {

void WriteExampleLegacyFile(Writer& out) {
    out(FixedString<16>("KALDO"), FixedString<16>(kExampleVersion), FixedString<16>(kExampleVersion));
    WriteExampleGeneral(out);
    // Property tables, in file order.
    WriteExampleMaterials(out);
    WriteExampleSDSections(out);
    WriteExamplePierJoist(out);
    WriteExampleShellProps(out);
    WriteExampleLabels(out);
    WriteExampleObjects(out);
    WriteExampleAssignments(out);
}

}  // namespace kmd::example
