#include "model/output_tables.h"

#include <algorithm>

namespace kmd {

namespace {

constexpr std::string_view kKeptTables[] = {
    "LoadNodalSummation", "SpecNodalSummation", "HistoryNodalSummation", "MovingNodalSummation",
    "ModeNodalSummation", "StaticNLNodalSummation", "StepNodalSummation", "ComboNodalSummation",
    "tmpNodalSummation", "LoadDisps", "SpecDisps", "HistoryDisps", "MovingDisps", "VirginModes", "ComboDisps",
    "StaticNLDisps", "VECT", "MVECT", "SteelEnvelopes", "CompositeEnvelopes", "InteractiveCompositeEnvelopes",
    "SteelJoistEnvelopes", "InteractiveSteelJoistEnvelopesEnvelopes", "SteelData", "CompositeData",
    "ConcreteData", "WallData", "SpandrelData", "BasePlateData", "ConnectionData", "tmpConcreteEnvelope",
    "ConcreteEnvelopes", "tmpWallEnvelopes", "tmpSpandrelEnvelopes", "BasePlateEnvelopes", "ConnectionEnvelopes",
    "FrameNL", "LineObjectSections",
};

constexpr std::string_view kScratchTables[] = {
    "SteelCombo", "ConcreteCombo", "FrameDisp", "Edge", "char1", "char8", "FTLoadAsmbld", "JFLoadAsmbld",
    "JGDLoadAsmbld", "JTLoadAsmbld", "ShTLoadAsmbld", "ShULoadAsmbld", "AvStress", "tmpSort", "tmpFaces",
    "BayBeam",
};

constexpr std::string_view kKeptGrids[] = {
    "LoadNodalForces", "ModeNodalForces", "ModeForces", "LoadForces", "SpecForces", "HistoryForces",
    "MovingForces", "MCorrespondingForces", "ComboForces", "StaticNLForces", "StepForces",
    "LoadNodalForcesE", "ModeNodalForcesE", "ModeForcesE", "LoadForcesE", "SpecForcesE", "HistoryForcesE",
    "MovingForcesE", "MCorrespondingForcesE", "ComboForcesE", "StaticNLForcesE", "StepForcesE",
    "LoadStresses", "SpecStresses", "HistoryStresses", "MovingStresses", "ModeStresses", "ComboStresses",
    "StaticNLStresses", "DesignComboForces", "SteelCheck", "BasePlateCheck", "ConnectionCheck", "CompositeCheck",
    "SteelJoistCheck", "ConcreteDesign", "WallDesign", "WallEnvelopes", "SpandrelDesign", "SpandrelEnvelopes",
};

constexpr std::string_view kScratchGrids[] = {"VirginForces", "VirginStresses", "Vertex", "AllModeShapes", "FrameDisp"};

bool Listed(std::span<const std::string_view> names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// "StaticNLForcesE" names the grid of "StaticNLForces".
std::string_view GridKey(std::string_view name) { return name == "StaticNLForcesE" ? "StaticNLForces" : name; }

[[noreturn]] void Unregistered(std::string_view name) {
    throw std::logic_error("output table \"" + std::string(name) + "\" has no table in this build");
}

}  // namespace

std::span<const std::string_view> KeptOutputTableNames() { return kKeptTables; }
std::span<const std::string_view> ScratchOutputTableNames() { return kScratchTables; }
std::span<const std::string_view> KeptOutputGridNames() { return kKeptGrids; }
std::span<const std::string_view> ScratchOutputGridNames() { return kScratchGrids; }

void OutputRegistry::AddTable(TableBase& table, std::int32_t* capacity, std::int16_t* flag) {
    if (!Listed(kKeptTables, table.name))
        throw std::logic_error(std::string("\"") + table.name + "\" is not an output table name");
    tables_[table.name] = {&table, capacity, flag};
}

void OutputRegistry::Add(GridBase& grid) {
    if (!Listed(kKeptGrids, grid.name))
        throw std::logic_error(std::string("\"") + grid.name + "\" is not an output grid name");
    grids_[std::string(GridKey(grid.name))] = &grid;
}

const OutputRegistry::TableEntry* OutputRegistry::FindTable(std::string_view name) const {
    auto it = tables_.find(name);
    return it == tables_.end() ? nullptr : &it->second;
}

GridBase* OutputRegistry::FindGrid(std::string_view name) const {
    auto it = grids_.find(GridKey(name));
    return it == grids_.end() ? nullptr : it->second;
}

void AllocateOutputTable(const OutputRegistry& reg, std::string_view name, std::int32_t count) {
    if (count < 1) return;
    if (const OutputRegistry::TableEntry* e = reg.FindTable(name)) {
        e->table->Reallocate(count);
        *e->capacity = count;
        if (e->flag) *e->flag = -1;
    } else if (Listed(kKeptTables, name)) {
        Unregistered(name);
    } else if (!Listed(kScratchTables, name)) {
        reg.Report(12535);
    }
}

void AllocateOutputGrid(const OutputRegistry& reg, std::string_view name, std::int32_t rows,
                        std::int32_t columns) {
    GridBase* grid = reg.FindGrid(name);
    if (!grid && !Listed(kKeptGrids, name) && !Listed(kScratchGrids, name)) {
        reg.Report(12535);
        return;
    }
    if (rows < 1 || columns < 1) return;
    if (!grid && Listed(kKeptGrids, name)) Unregistered(name);
    if (grid) grid->Reallocate(rows, columns);
}

}  // namespace kmd
