// The model store: every table family of the model, and the registry by which
// tables are allocated by name.
#pragma once

#include "model/composite_design.h"
#include "model/concrete_design.h"
#include "model/coordinates.h"
#include "model/design_blocks.h"
#include "model/frame_assign.h"
#include "model/functions.h"
#include "model/groups.h"
#include "model/joist_design.h"
#include "model/labels.h"
#include "model/lateral_loads.h"
#include "model/loads.h"
#include "model/materials.h"
#include "model/objects.h"
#include "model/output_tables.h"
#include "model/point_assign.h"
#include "model/project.h"
#include "model/results.h"
#include "model/sd_sections.h"
#include "model/sections.h"
#include "model/shell_assign.h"
#include "model/shell_props.h"
#include "model/static_nl.h"
#include "model/steel_design.h"
#include "model/stories.h"
#include "model/wall_design.h"
#include "model/views.h"
#include "model/store.h"

namespace kmd {

struct Model {
    ProjectData project;
    CoordinateData coords;
    StoryData stories;
    MaterialData materials;
    SectionData sections;
    SDSectionData sdSections;
    ShellPropertyData shellProps;
    LabelData labels;
    ObjectData objects;
    PointAssignData pointAssign;
    FrameAssignData frameAssign;
    ShellAssignData shellAssign;
    LoadData loads;
    LateralLoadData lateralLoads;
    FunctionData functions;
    StaticNLData staticNL;
    GroupData groups;
    SteelDesignData steel;
    JoistDesignData joist;
    CompositeDesignData composite;
    WallDesignData wall;
    ConcreteDesignData concrete;
    DesignBlockData designBlocks;
    ViewData views;
    ResultsData results;

    TableRegistry registry;
    OutputRegistry outputs;

    Model() { RegisterAll(); }
    Model(const Model&) = delete;
    Model& operator=(const Model&) = delete;

    // Empties every table (the families are assigned anew in place, so the
    // registry keeps pointing at them).
    void Reset() {
        project = {};
        coords = {};
        stories = {};
        materials = {};
        sections = {};
        sdSections = {};
        shellProps = {};
        labels = {};
        objects = {};
        pointAssign = {};
        frameAssign = {};
        shellAssign = {};
        loads = {};
        lateralLoads = {};
        functions = {};
        staticNL = {};
        groups = {};
        steel = {};
        joist = {};
        composite = {};
        wall = {};
        concrete = {};
        designBlocks = {};
        views = {};
        results = {};
    }

    void AllocateTable(std::string_view name, std::int32_t count, std::int32_t& capacity) const {
        kmd::AllocateTable(registry, name, count, capacity);
    }
    void AllocateObjectTable(std::string_view name, std::int32_t count, std::int32_t& capacity) const {
        kmd::AllocateObjectTable(registry, name, count, capacity);
    }
    void AllocateOutputTable(std::string_view name, std::int32_t count) const {
        kmd::AllocateOutputTable(outputs, name, count);
    }
    void AllocateOutputGrid(std::string_view name, std::int32_t rows, std::int32_t columns) const {
        kmd::AllocateOutputGrid(outputs, name, rows, columns);
    }

private:
    void RegisterAll() {
        project.Register(registry);
        coords.Register(registry);
        stories.Register(registry);
        materials.Register(registry);
        sections.Register(registry);
        sdSections.Register(registry);
        shellProps.Register(registry);
        labels.Register(registry);
        objects.Register(registry);
        pointAssign.Register(registry);
        frameAssign.Register(registry);
        shellAssign.Register(registry);
        loads.Register(registry);
        lateralLoads.Register(registry);
        functions.Register(registry);
        staticNL.Register(registry, outputs);
        groups.Register(registry);
        steel.Register(registry);
        joist.Register(registry);
        composite.Register(registry, outputs);
        wall.Register(registry, outputs);
        concrete.Register(registry, outputs);
        designBlocks.Register(registry, outputs);
        views.Register(registry);
    }
};

}  // namespace kmd
