// Output tables allocated by name.
#include <gtest/gtest.h>

#include <deque>
#include <stdexcept>
#include <string>

#include "model/output_tables.h"
#include "support/convert.h"

namespace {

struct Rec {
    std::int32_t v = 0;
};

// A registry with a table or grid for every kept name, reporting like the run.
struct AllKept {
    kmd::OutputRegistry reg;
    std::deque<kmd::Table<Rec>> tables;
    std::deque<kmd::Grid<Rec>> grids;
    std::int16_t flag = 0;

    AllKept() {
        reg.reporter = kmd::Conversion().model.outputs.reporter;
        for (std::string_view name : kmd::KeptOutputTableNames())
            reg.Add(tables.emplace_back(name.data(), kmd::Allocator::Output), name == "FrameNL" ? &flag : nullptr);
        for (std::string_view name : kmd::KeptOutputGridNames())
            if (name != "StaticNLForcesE") reg.Add(grids.emplace_back(name.data()));
    }
};

TEST(OutputTables, EveryNameKeptOrAccepted) {
    kmdtest::MessageCapture capture;
    AllKept k;
    for (auto names : {kmd::KeptOutputTableNames(), kmd::ScratchOutputTableNames()})
        for (std::string_view name : names) kmd::AllocateOutputTable(k.reg, name, 3);
    for (auto names : {kmd::KeptOutputGridNames(), kmd::ScratchOutputGridNames()})
        for (std::string_view name : names) kmd::AllocateOutputGrid(k.reg, name, 2, 3);
    EXPECT_TRUE(capture.messages.empty());
    for (const auto& t : k.tables) EXPECT_EQ(t.capacity, 3) << t.name;
    for (const auto& g : k.grids) EXPECT_EQ(g.elements.size(), 6u) << g.name;
    EXPECT_EQ(k.flag, -1);  // allocating FrameNL sets the FrameNL flag

    // A count of 0 leaves the FrameNL table and the flag as they are.
    kmd::Table<Rec>& frameNL = k.tables[std::size_t(36)];
    ASSERT_EQ(std::string(frameNL.name), "FrameNL");
    frameNL[3].v = 5;
    k.flag = 0;
    kmd::AllocateOutputTable(k.reg, "FrameNL", 0);
    EXPECT_EQ(frameNL[3].v, 5);
    EXPECT_EQ(k.flag, 0);
    // "StaticNLForcesE" is the grid of "StaticNLForces".
    kmd::Grid<Rec>& shared = k.grids[9];
    ASSERT_EQ(std::string(shared.name), "StaticNLForces");
    kmd::AllocateOutputGrid(k.reg, "StaticNLForcesE", 4, 2);
    shared.At(4, 2).v = 9;
    EXPECT_THROW(shared.At(5, 1), std::out_of_range);
    kmd::AllocateOutputGrid(k.reg, "StaticNLForces", 0, 5);  // nothing allocated
    EXPECT_EQ(shared.At(4, 2).v, 9);
}

TEST(OutputTables, UnknownNamesShowMessage12535) {
    kmdtest::MessageCapture capture;
    AllKept k;
    kmd::AllocateOutputTable(k.reg, "framenl", 1);     // case-sensitive
    kmd::AllocateOutputTable(k.reg, "Material", 5);    // a model table, not an output table
    kmd::AllocateOutputTable(k.reg, "NoSuchName", 0);  // a count below 1 looks at nothing
    kmd::AllocateOutputGrid(k.reg, "FrameNL", 2, 2);   // known to the other service only
    kmd::AllocateOutputGrid(k.reg, "StepForcesEE", 0, 0);
    ASSERT_EQ(capture.messages.size(), 4u);
    for (const std::string& m : capture.messages) EXPECT_EQ(m, "System memory error");
    // Registering another name, or allocating a kept name no family holds, is a
    // defect of the converter, not of the file.
    kmd::Table<Rec> t{"Material", kmd::Allocator::Output};
    EXPECT_THROW(k.reg.Add(t), std::logic_error);
    EXPECT_THROW(kmd::AllocateOutputTable(kmd::OutputRegistry{}, "SteelData", 2), std::logic_error);
}

}  // namespace
