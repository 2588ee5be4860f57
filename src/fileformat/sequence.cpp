// The two table sequences. A table family plugs its reader and writer in here.
#include "fileformat/legacy_tail.h"
#include "fileformat/steps.h"
#include "tables/composite_design.h"
#include "tables/concrete_design.h"
#include "tables/base_plate.h"
#include "tables/coordinates.h"
#include "tables/frame_assign.h"
#include "tables/functions.h"
#include "tables/groups.h"
#include "tables/labels.h"
#include "tables/lateral_loads.h"
#include "tables/loads.h"
#include "tables/objects.h"
#include "tables/point_assign.h"
#include "tables/project.h"
#include "tables/properties.h"
#include "tables/results.h"
#include "tables/shell_assign.h"
#include "tables/static_nl.h"
#include "tables/joist_design.h"
#include "tables/steel_design.h"
#include "tables/stories.h"
#include "tables/wall_design.h"
#include "tables/views.h"

namespace kmd {

namespace {

// Nothing else runs in this process, so there are no pending events to yield to.
void YieldToPendingEvents(Reader&, Conversion&) {}

constexpr ReadStep kReadSteps[] = {
    {"project information and preferences", ReadProjectSection},
    {"coordinate systems, grids, reference lines and planes", ReadCoordinateTables},
    {"stories and diaphragms", ReadStoryTables},
    {"materials, sections, section designer sections, shell sections, deck data and link properties", ReadPropertyTables},
    {"point names and bays", ReadLabelTables},
    {"point, line and area objects", ReadObjectTables},
    {"point assignments", ReadPointAssignments},
    {"frame assignments", ReadFrameAssignments},
    {"shell assignments", ReadShellAssignments},
    {"yield to pending events", YieldToPendingEvents},
    {"load cases, combinations and assigned loads", ReadLoadTables},
    {"automatic seismic and wind loads", ReadLateralLoadTables},
    {"response spectrum and time history functions", ReadFunctionTables},
    {"static nonlinear cases", ReadStaticNonlinearTables},
    {"groups and section cuts", ReadGroupTables},
    {"steel frame design data and overwrites", ReadSteelDesign},
    {"steel joist design data", ReadJoistDesign},
    {"concrete frame design data", ReadConcreteDesign},
    {"composite beam design data", ReadCompositeDesign},
    {"shear wall design data", ReadWallDesign},
    {"base plate design data", ReadBasePlateDesign},
    {"connection design data", ReadConnectionDesign},
    {"window records and named views", ReadWindowsAndNamedViews},
    {"developed elevations, time functions, database named views and display options", ReadViewTables},
    {"discarded table A", ReadDiscardedTableA},
    {"discarded block B", ReadDiscardedBlockB},
    {"analysis output block", ReadResultsSection},
    {"trailer", ReadTrailer},
};
static_assert(std::size(kReadSteps) == 28);

constexpr WriteStep kWriteSteps[] = {
    {"project information and preferences", WriteProjectSection},
    {"coordinate systems, grids, reference lines and planes", WriteCoordinateTables},
    {"stories and diaphragms", WriteStoryTables},
    {"materials, sections, section designer sections, shell sections, deck data and link properties", WritePropertyTables},
    {"point names and bays", WriteLabelTables},
    {"point, line and area objects", WriteObjectTables},
    {"point assignments", WritePointAssignments},
    {"frame assignments", WriteFrameAssignments},
    {"shell assignments", WriteShellAssignments},
    {"load cases, combinations and assigned loads", WriteLoadTables},
    {"automatic seismic and wind loads", WriteLateralLoadTables},
    {"response spectrum and time history functions", WriteFunctionTables},
    {"static nonlinear cases", WriteStaticNonlinearTables},
    {"groups and section cuts", WriteGroupTables},
    {"steel frame design data and overwrites", WriteSteelDesign},
    {"steel joist design data", WriteJoistDesign},
    {"concrete frame design data", WriteConcreteDesign},
    {"composite beam design data", WriteCompositeDesign},
    {"shear wall design data", WriteWallDesign},
    {"developed elevations, time functions and the display-options record", WriteViewTables},
    {"analysis output tables", WriteResultsSection},
};
static_assert(std::size(kWriteSteps) == 21);

}  // namespace

std::span<const ReadStep> LegacyReadSteps() { return kReadSteps; }
std::span<const WriteStep> CurrentWriteSteps() { return kWriteSteps; }

}  // namespace kmd
