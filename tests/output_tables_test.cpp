// Output tables allocated by name.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <stdexcept>
#include <string>

#include "model/output_tables.h"
#include "support/convert.h"

namespace {

using kmd::OutputRegistry;

struct Rec {
    std::int32_t v = 0;
};

// A registry with a table or grid for every kept name, reporting like the run.
struct AllKept {
    OutputRegistry reg;
    std::deque<kmd::Table<Rec>> tables;
    std::deque<kmd::Grid<Rec>> grids;
    std::int16_t flag = 0;

    AllKept() {
        reg.reporter = kmd::Conversion().model.outputs.reporter;
        for (std::string_view name : kmd::KeptOutputTableNames()) {
            tables.emplace_back(name.data(), kmd::Allocator::Output);
            reg.Add(tables.back(), name == "FrameNL" ? &flag : nullptr);
        }
        for (std::string_view name : kmd::KeptOutputGridNames())
            if (name != "StaticNLForcesE") {
                grids.emplace_back(name.data());
                reg.Add(grids.back());
            }
    }
};

TEST(OutputTables, EveryNameOfTheVocabularyIsAllocatedWithoutAMessage) {
    kmdtest::MessageCapture capture;
    AllKept k;
    for (auto names : {kmd::KeptOutputTableNames(), kmd::ScratchOutputTableNames()})
        for (std::string_view name : names) kmd::AllocateOutputTable(k.reg, name, 3);
    for (auto names : {kmd::KeptOutputGridNames(), kmd::ScratchOutputGridNames()})
        for (std::string_view name : names) kmd::AllocateOutputGrid(k.reg, name, 2, 3);
    EXPECT_TRUE(capture.messages.empty());
    for (const auto& t : k.tables) EXPECT_EQ(t.records.size(), 3u) << t.name;
    for (const auto& g : k.grids) EXPECT_EQ(g.elements.size(), 6u) << g.name;
    EXPECT_EQ(k.flag, -1);  // allocating FrameNL sets the FrameNL flag
}

TEST(OutputTables, SizesAndSharedGrid) {
    kmdtest::MessageCapture capture;
    AllKept k;
    kmd::Table<Rec>& frameNL = *std::find_if(k.tables.begin(), k.tables.end(),
                                             [](const auto& t) { return std::string(t.name) == "FrameNL"; });
    kmd::AllocateOutputTable(k.reg, "FrameNL", 41);
    EXPECT_EQ(frameNL.capacity, 41);
    frameNL[41].v = 5;
    EXPECT_THROW(frameNL[42], std::out_of_range);
    // A count of 0 leaves the table and the flag as they are.
    k.flag = 0;
    kmd::AllocateOutputTable(k.reg, "FrameNL", 0);
    EXPECT_EQ(frameNL[41].v, 5);
    EXPECT_EQ(k.flag, 0);

    kmd::Grid<Rec>& shared = *std::find_if(k.grids.begin(), k.grids.end(),
                                           [](const auto& g) { return std::string(g.name) == "StaticNLForces"; });
    kmd::AllocateOutputGrid(k.reg, "StaticNLForcesE", 4, 2);
    EXPECT_EQ(shared.rows, 4);
    EXPECT_EQ(shared.columns, 2);
    shared.At(4, 2).v = 9;
    EXPECT_THROW(shared.At(5, 1), std::out_of_range);
    kmd::AllocateOutputGrid(k.reg, "StaticNLForces", 0, 5);  // nothing allocated
    EXPECT_EQ(shared.At(4, 2).v, 9);
    kmd::AllocateOutputGrid(k.reg, "StaticNLForces", 1, 1);
    EXPECT_EQ(shared.At(1, 1).v, 0);
    EXPECT_TRUE(capture.messages.empty());
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
}

TEST(OutputTables, NamesOutsideTheVocabularyCannotBeRegistered) {
    OutputRegistry reg;
    kmd::Table<Rec> t{"Material", kmd::Allocator::Output};
    EXPECT_THROW(reg.Add(t), std::logic_error);
    kmd::Grid<Rec> g{"FrameNL"};
    EXPECT_THROW(reg.Add(g), std::logic_error);
    // A kept name whose table this build does not hold is a defect, not a damaged file.
    EXPECT_THROW(kmd::AllocateOutputTable(reg, "SteelData", 2), std::logic_error);
    EXPECT_NO_THROW(kmd::AllocateOutputTable(reg, "SteelData", 0));
}

}  // namespace
