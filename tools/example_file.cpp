#include "tools/example_assign.h"
#include "tools/example_general.h"
#include "tools/example_materials.h"
#include "tools/example_objects.h"
#include "tools/example_sd_shell.h"
#include "tools/example_sections.h"

namespace kmd::example {

void WriteExampleLegacyFile(Writer& out, const ExampleOptions& options) {
    const FixedString<16> version(options.versionText);
    out(FixedString<16>("KALDO"), version, version);
    WriteExampleGeneral(out);
    // Property tables, in file order.
    WriteExampleMaterials(out);
    WriteExampleSDSections(out);
    WriteExamplePierJoist(out);
    WriteExampleShellProps(out);
    WriteExampleLabels(out);
    const std::size_t before = out.Size();
    WriteExampleObjects(out);
    if (options.size > 0) {
        // Written again with as many extra objects as the wanted size leaves room for.
        const std::uint64_t small = out.Size() + 4096;
        out.Buffer().resize(before);
        WriteExampleObjects(out, options.size > small ? options.size - small : 0, options.seed);
    }
    WriteExampleAssignments(out);
}

}  // namespace kmd::example
