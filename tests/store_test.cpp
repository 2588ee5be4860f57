// Model tables, messages and units.
#include <gtest/gtest.h>

#include "driver/messages.h"
#include "driver/units.h"
#include "model/store.h"
#include "support/convert.h"

namespace {

using kmd::Allocator;
using kmd::Table;
using kmd::TableRegistry;

struct Rec {
    std::int32_t v = 0;
    std::string s;
};

TEST(ModelStore, AllocateTableInBlocksOfTen) {
    kmdtest::MessageCapture capture;
    TableRegistry reg;
    Table<Rec> t{"Material", Allocator::Table};
    reg.Add(t);
    for (auto [count, cap] : std::initializer_list<std::pair<int, int>>{{0, 10}, {1, 10}, {10, 10}, {11, 20}, {-5, 10}}) {
        kmd::AllocateTable(reg, "Material", count, t.capacity);
        EXPECT_EQ(t.capacity, cap) << count;
        EXPECT_EQ(t.records.size(), std::size_t(cap)) << count;
    }
    // A second allocation discards the previous records.
    t[3].v = 7;
    kmd::AllocateTable(reg, "Material", 3, t.capacity);
    EXPECT_EQ(t[3].v, 0);
    EXPECT_THROW(t[0], std::out_of_range);
    EXPECT_THROW(t[11], std::out_of_range);
    EXPECT_TRUE(capture.messages.empty());
}

TEST(ModelStore, AllocateObjectTableInBlocksOfTwenty) {
    kmdtest::MessageCapture capture;
    TableRegistry reg;
    Table<Rec> t{"PointObjects", Allocator::Object};
    reg.Add(t);
    kmd::AllocateObjectTable(reg, "PointObjects", 20, t.capacity);
    EXPECT_EQ(t.capacity, 20);
    kmd::AllocateObjectTable(reg, "PointObjects", 21, t.capacity);
    EXPECT_EQ(t.capacity, 40);
    kmd::AllocateObjectTable(reg, "PointObjects", 0, t.capacity);  // nothing at all
    EXPECT_EQ(t.capacity, 40);
    EXPECT_EQ(t.records.size(), 40u);
    kmd::AllocateObjectTable(reg, "NoSuchTable", 0, t.capacity);
    EXPECT_TRUE(capture.messages.empty());
}

TEST(ModelStore, UnknownNamesShowTheirMessages) {
    kmdtest::MessageCapture capture;
    TableRegistry reg;
    reg.reporter = kmd::Conversion().model.registry.reporter;  // the run's message box
    Table<Rec> t{"Material", Allocator::Table};
    reg.Add(t);
    std::int32_t cap = 0;
    kmd::AllocateTable(reg, "material", 5, cap);  // case-sensitive
    EXPECT_EQ(cap, 10);
    EXPECT_FALSE(t.Allocated());
    kmd::AllocateObjectTable(reg, "Material", 5, cap);  // known only to the other allocator
    EXPECT_EQ(cap, 20);
    ASSERT_EQ(capture.messages.size(), 2u);
    EXPECT_EQ(capture.messages[0], "System memory clear error");
    EXPECT_EQ(capture.messages[1], "System memory clear error in defining Array Material");
}

TEST(ModelStore, EveryTableOfANewModelIsEmpty) {
    auto cv = kmdtest::NewConversion();
    EXPECT_EQ(cv->model.project.UnitCodes.UnitSystem, 3);
    EXPECT_EQ(cv->model.project.UnitCodes.SecondCode, 3);
}

TEST(Messages, ResStringIdRule) {
    EXPECT_EQ(kmd::ResString(11967), "Can not Open File ");
    EXPECT_EQ(kmd::ResString(8967), "");  // 6960 and above: looked up unchanged
    EXPECT_EQ(kmd::ResString(6960), "");
    EXPECT_EQ(kmd::ResString(6959), "");  // looks up 9959, which the table lacks
    EXPECT_EQ(kmd::ResString(-5), "");
    EXPECT_EQ(kmd::Spaces(0), "");
    EXPECT_EQ(kmd::Spaces(-1), "");
    EXPECT_EQ(kmd::Spaces(3), "   ");
    EXPECT_EQ(kmd::TerminalText("a\r\nb\rc\n"), "a\nb\rc\n");
}

TEST(Units, CatalogueFactors) {
    kmd::UnitsCatalogue u;
    u.Build();
    EXPECT_EQ(u.DefaultLength[2], 4);
    EXPECT_EQ(u.DefaultLength[5], 1000);
    EXPECT_EQ(u.DefaultLength[13], 100);
    EXPECT_DOUBLE_EQ(48 * u.LengthPerInch[6], 1.2192);
    EXPECT_DOUBLE_EQ(1000 * u.ForcePerPound[6], 4.448222);
    EXPECT_EQ(u.ForcePerPound[11], 0.0004535924);
    EXPECT_EQ(u.LengthPerInch[2], 1.0 / 12.0);
    EXPECT_EQ(u.TemperatureScale[9], 5.0 / 9.0);
    for (double r : {u.ForceRatio, u.LengthRatio, u.TemperatureRatio, u.AreaRatio, u.Length3Ratio, u.Length4Ratio,
                     u.MomentRatio, u.ForcePerLengthRatio, u.StressRatio, u.ForcePerLength3Ratio,
                     u.ForcePerLength4Ratio, u.StressTargetRatio})
        EXPECT_EQ(r, 1.0);
    u.ComputeUnitRatios(3, 6, 9);
    EXPECT_DOUBLE_EQ(u.LengthRatio, 0.0254);
    EXPECT_DOUBLE_EQ(u.ForceRatio, 4.448222);
    EXPECT_DOUBLE_EQ(u.StressTargetRatio, 4448.222 / (25.4 * 25.4));
    EXPECT_EQ(kmd::NormalUnitCode(17), 3);
    EXPECT_EQ(kmd::NormalUnitCode(0), 3);
    EXPECT_EQ(kmd::NormalUnitCode(16), 16);
}

}  // namespace
