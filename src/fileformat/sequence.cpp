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
#include "legacy/views.h"

namespace kmd {

namespace {

// Nothing else runs in this process, so there are no pending events to yield to.
void YieldToPendingEvents(Reader&, Conversion&) {}

// A family that only its own reader and writer use.
template <auto Family>
void Release(Conversion& cv) {
    cv.model.*Family = {};
}

// The object records: later steps use the object counts (kept), and the
// developed elevations of the oldest files the point and area records.
template <class T>
void DropRecords(Table<T>& table) {
    std::vector<T>().swap(table.records);
}
void ReleaseObjectRecords(Conversion& cv) {
    ObjectData& o = cv.model.objects;
    DropRecords(o.LineObjects);
    if (cv.FileVersion <= kOldDevElevUpTo) return;
    DropRecords(o.PointObjects);
    DropRecords(o.AreaObjects);
}
void ReleaseObjectsAndViews(Conversion& cv) {
    DropRecords(cv.model.objects.PointObjects);
    DropRecords(cv.model.objects.AreaObjects);
    Release<&Model::views>(cv);
}

constexpr ReadStep kReadSteps[] = {
    {"project information and preferences", ReadProjectSection, 1},
    {"coordinate systems, grids, reference lines and planes", ReadCoordinateTables, 1},
    {"stories and diaphragms", ReadStoryTables, 1},
    {"materials, sections, section designer sections, shell sections, deck data and link properties", ReadPropertyTables, 1},
    {"point names and bays", ReadLabelTables, 1, Release<&Model::labels>},
    {"point, line and area objects", ReadObjectTables, 1, ReleaseObjectRecords},
    {"point assignments", ReadPointAssignments, 1, Release<&Model::pointAssign>},
    {"frame assignments", ReadFrameAssignments, 1, Release<&Model::frameAssign>},
    {"shell assignments", ReadShellAssignments, 1, Release<&Model::shellAssign>},
    {"yield to pending events", YieldToPendingEvents},
    {"load cases, combinations and assigned loads", ReadLoadTables, 1, Release<&Model::loads>},
    {"automatic seismic and wind loads", ReadLateralLoadTables, 1, Release<&Model::lateralLoads>},
    {"response spectrum and time history functions", ReadFunctionTables, 1, Release<&Model::functions>},
    {"static nonlinear cases", ReadStaticNonlinearTables, 1, Release<&Model::staticNL>},
    {"groups and section cuts", ReadGroupTables, 1, Release<&Model::groups>},
    {"steel frame design data and overwrites", ReadSteelDesign, 1, Release<&Model::steel>},
    {"steel joist design data", ReadJoistDesign, 1, Release<&Model::joist>},
    {"concrete frame design data", ReadConcreteDesign, 1, Release<&Model::concrete>},
    {"composite beam design data", ReadCompositeDesign, 1, Release<&Model::composite>},
    {"shear wall design data", ReadWallDesign, 1, Release<&Model::wall>},
    {"base plate design data", ReadBasePlateDesign},
    {"connection design data", ReadConnectionDesign, 0, Release<&Model::designBlocks>},
    {"window records and named views", ReadWindowsAndNamedViews},
    {"developed elevations, time functions, database named views and display options", ReadViewTables, 1,
     ReleaseObjectsAndViews},
    {"discarded table A", ReadDiscardedTableA},
    {"discarded block B", ReadDiscardedBlockB},
    {"analysis output block", ReadResultsSection, 1},
    {"trailer", ReadTrailer},
};
static_assert(std::size(kReadSteps) == 28);

constexpr WriteStep kWriteSteps[] = {
    {"project information and preferences", WriteProjectSection, ReadBackProjectSection},
    {"coordinate systems, grids, reference lines and planes", WriteCoordinateTables, ReadBackCoordinateTables},
    {"stories and diaphragms", WriteStoryTables, ReadBackStoryTables},
    {"materials, sections, section designer sections, shell sections, deck data and link properties", WritePropertyTables, ReadBackPropertyTables},
    {"point names and bays", WriteLabelTables, ReadBackLabelTables},
    {"point, line and area objects", WriteObjectTables, ReadBackObjectTables},
    {"point assignments", WritePointAssignments, ReadBackPointAssignments},
    {"frame assignments", WriteFrameAssignments, ReadBackFrameAssignments},
    {"shell assignments", WriteShellAssignments, ReadBackShellAssignments},
    {"load cases, combinations and assigned loads", WriteLoadTables, ReadBackLoadTables},
    {"automatic seismic and wind loads", WriteLateralLoadTables, ReadBackLateralLoadTables},
    {"response spectrum and time history functions", WriteFunctionTables, ReadBackFunctionTables},
    {"static nonlinear cases", WriteStaticNonlinearTables, ReadBackStaticNonlinearTables},
    {"groups and section cuts", WriteGroupTables, ReadBackGroupTables},
    {"steel frame design data and overwrites", WriteSteelDesign, ReadBackSteelDesign},
    {"steel joist design data", WriteJoistDesign, ReadBackJoistDesign},
    {"concrete frame design data", WriteConcreteDesign, ReadBackConcreteDesign},
    {"composite beam design data", WriteCompositeDesign, ReadBackCompositeDesign},
    {"shear wall design data", WriteWallDesign, ReadBackWallDesign},
    {"developed elevations, time functions and the display-options record", WriteViewTables, ReadBackViewTables},
    {"analysis output tables", WriteResultsSection, ReadBackResultsSection},
};
static_assert(std::size(kWriteSteps) == 21);

constexpr int WritesAfterReading() {
    int n = 0;
    for (const ReadStep& step : kReadSteps) n += step.writes;
    return n;
}
static_assert(WritesAfterReading() == std::size(kWriteSteps));

}  // namespace

std::span<const ReadStep> LegacyReadSteps() { return kReadSteps; }
std::span<const WriteStep> CurrentWriteSteps() { return kWriteSteps; }

}  // namespace kmd
