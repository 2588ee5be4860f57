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

#include <algorithm>
#include <random>

namespace kmd::example {

namespace {

// Shares of a sized model's extra bytes, in percent: objects, then assignments
// and loads on points, frames and shells.
constexpr std::uint64_t kObjectShare = 45;
constexpr std::uint64_t kAssignShare[3] = {10, 14, 6};
constexpr std::uint64_t kLoadShare[3] = {7, 12, 6};
static_assert(kObjectShare + kAssignShare[0] + kAssignShare[1] + kAssignShare[2] + kLoadShare[0] + kLoadShare[1] +
                  kLoadShare[2] ==
              100);

void WriteFile(Writer& out, const ExampleOptions& options, std::uint64_t extraBytes) {
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
    const ExampleObjectCounts objects = WriteExampleObjects(out, v, extraBytes * kObjectShare / 100, options.seed);
    std::mt19937 rng(options.seed + 1);
    const auto grow = [&](std::uint64_t percent, std::int32_t keys) {
        return Growth{extraBytes * percent / 100, &rng, keys};
    };
    const std::int32_t keys[3] = {objects.points, objects.lines, objects.areas};
    WriteExampleAssignments(out, v,
                            {grow(kAssignShare[0], keys[0]), grow(kAssignShare[1], keys[1]),
                             grow(kAssignShare[2], keys[2])});
    WriteExampleLoads(out, v, {grow(kLoadShare[0], keys[0]), grow(kLoadShare[1], keys[1]), grow(kLoadShare[2], keys[2])});
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

}  // namespace

void WriteExampleLegacyFile(Writer& out, const ExampleOptions& options) {
    if (options.size == 0) return WriteFile(out, options, 0);
    Writer small;
    WriteFile(small, options, 0);
    if (options.size <= small.Size()) return WriteFile(out, options, 0);
    // Tables stop at whole records and some are absent in older layouts: a trial
    // at a few megabytes measures how many bytes a budget really adds.
    const std::uint64_t wanted = options.size - small.Size();
    const std::uint64_t trialBudget = std::min<std::uint64_t>(wanted, 4u << 20);
    Writer trial;
    WriteFile(trial, options, trialBudget);
    const double added = double(trial.Size() - small.Size());
    WriteFile(out, options, std::uint64_t(double(wanted) * double(trialBudget) / std::max(added, 1.0)));
}

}  // namespace kmd::example
