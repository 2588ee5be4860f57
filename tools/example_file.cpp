#include "fileformat/legacy_reader.h"
#include "tools/example_assign.h"
#include "tools/example_composite.h"
#include "tools/example_concrete.h"
#include "tools/example_general.h"
#include "tools/example_joist.h"
#include "tools/example_lateral.h"
#include "tools/example_loads.h"
#include "tools/example_materials.h"
#include "tools/example_objects.h"
#include "tools/example_sd_shell.h"
#include "tools/example_static_groups.h"
#include "tools/example_results.h"
#include "tools/example_steel.h"
#include "tools/example_views.h"
#include "tools/example_wall.h"
#include "tools/example_sections.h"

namespace kmd::example {

void WriteExampleLegacyFile(Writer& out, const ExampleOptions& options) {
    std::string text = options.versionText;
    const double v = ParseFileVersion(text);
    const FixedString<16> version(options.versionText);
    out(FixedString<16>("KALDO"), version);
    if (v > 8.015) out(version);  // saved-by version
    WriteExampleGeneral(out, v);
    // Property tables, in file order.
    WriteExampleMaterials(out, v);
    WriteExampleSDSections(out, v);
    WriteExamplePierJoist(out, v);
    WriteExampleShellProps(out, v);
    WriteExampleLabels(out);
    const std::size_t before = out.Size();
    ExampleObjectCounts objects = WriteExampleObjects(out, v);
    if (options.size > 0) {
        // Written again with as many extra objects as the wanted size leaves room for.
        const std::uint64_t small = out.Size() + 4096;
        out.Buffer().resize(before);
        objects = WriteExampleObjects(out, v, options.size > small ? options.size - small : 0, options.seed);
    }
    WriteExampleAssignments(out, v);
    WriteExampleLoads(out, v);
    WriteExampleLateralLoads(out, v);
    WriteExampleFunctions(out, v);
    WriteExampleStaticNonlinear(out, v, objects.lines);
    WriteExampleGroups(out, v, objects);
    WriteExampleSteel(out, v);
    WriteExampleJoist(out, v);
    WriteExampleConcrete(out, v);
    WriteExampleComposite(out, v);
    WriteExampleWall(out, v);
    WriteExampleBasePlate(out, v);
    WriteExampleViews(out, v, objects);
    WriteExampleDiscarded(out, v);
    WriteExampleResults(out, v);
    WriteExampleTrailer(out);
}

}  // namespace kmd::example
