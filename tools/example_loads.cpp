#include "tools/example_loads.h"

#include <vector>

#include "legacy/loads.h"
#include "model/loads.h"

namespace kmd::example {

namespace {

void WriteLoadCases(Writer& out, double v) {
    LoadCaseRecord dead;
    dead.Name = "DEAD";
    dead.Value1 = 1;
    dead.Value4To13 = {0x3F800000u, 0, 0, 2, 0, 0, 0, 0, 1, 0};
    dead.Short1 = -1;
    LoadCaseRecord live = dead;
    live.Name = "LIVE";
    live.Value1 = 3;
    live.Value4To13[0] = 0;
    live.Short1 = 0;
    if (v > kLoadCaseBUpTo) live.Text1 = "Floor live load";
    if (v > kLoadCaseCUpTo) live.Wide1 = 0x4059000000000000u;  // 100.0
    const std::vector cases{dead, live};
    if (v <= kLoadCaseAUpTo)
        TableAs(out, cases, [](const LoadCaseRecord& r) { return LoadCaseA{r, FixedString<8>(r.Name)}; });
    else if (v <= kLoadCaseBUpTo)
        TableAs(out, cases, [](const LoadCaseRecord& r) { return LoadCaseB{r}; });
    else if (v <= kLoadCaseCUpTo)
        TableAs(out, cases, [](const LoadCaseRecord& r) { return LoadCaseC{r}; });
    else
        Table(out, cases);
}

void WriteCombos(Writer& out, double v) {
    ComboRecord combo;
    combo.Name = "COMB1";
    combo.Text1 = "1.2D+1.6L";
    combo.Value1 = 0;
    combo.Value2 = 2;
    combo.Value4 = v > kComboAUpTo ? 1 : 0;
    combo.Value11 = v > kComboBUpTo ? 5 : kComboValue11Missing;
    combo.Short1 = 1;
    combo.Short4 = v > kComboCUpTo ? -1 : 0;
    combo.Short6 = 1;
    if (v > kComboEUpTo) {
        combo.Value3 = 7;
        combo.Short2 = 2;
    }
    if (v > kComboFUpTo) combo.Text2 = "strength";
    const std::vector combos{combo};
    if (v <= kComboAUpTo)
        TableAs(out, combos, [](const ComboRecord& r) { return ComboA{r, FixedString<8>(r.Name)}; });
    else if (v <= kComboBUpTo)
        TableAs(out, combos, [](const ComboRecord& r) { return ComboB{r, FixedString<8>(r.Name)}; });
    else if (v <= kComboCUpTo)
        TableAs(out, combos, [](const ComboRecord& r) { return ComboC{r}; });
    else if (v <= kComboDUpTo)
        TableAs(out, combos, [](const ComboRecord& r) { return ComboD{r}; });
    else if (v <= kComboEUpTo)
        TableAs(out, combos, [](const ComboRecord& r) { return ComboE{r, 9}; });
    else if (v <= kComboFUpTo)
        TableAs(out, combos, [](const ComboRecord& r) { return ComboF{r}; });
    else
        Table(out, combos);

    // One list entry per case of the combination.
    ComboListRecord dead;
    dead.Value1To7 = {1, 1, 0, 0x3F99999Au, 0, 0, 0};
    dead.Slots = {0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 2};
    ComboListRecord live = dead;
    live.Value1To7[1] = 2;
    live.Value1To7[3] = 0x3FCCCCCDu;
    Table(out, std::vector{dead, live});
}

Growth Share(Growth g, std::uint64_t tables) {
    g.bytes /= tables;
    return g;
}

// Generated loads vary their first 16-bit field over the objects.
void WriteAssignedLoads(Writer& out, double v, const LoadGrowth& growth) {
    const auto on = [](const Growth& g) { return [&g](auto& r, std::uint64_t i) { r.Short1 = g.Key(i); }; };
    // On points: mostly forces and displacements.
    const Growth point = Share(growth.points, 2);
    const Growth pointFew = Share(growth.points, 4);
    const auto forceA = [](const JFLoadRecord& r) { return JFLoadA{r}; };
    const auto forces = [&point](JFLoadRecord& r, std::uint64_t i) {
        r.Short1 = point.Key(i);
        r.Components[2] = -point.Real(1.0, 100.0);
    };
    const std::vector force{JFLoadRecord{4, 1, 0, {0.0, 0.0, -25.0, 0.0, 0.0, 0.0}, 0, ""}};
    if (v <= kJFLoadAUpTo)
        TableAs(out, Grown(force, point, forceA, forces), forceA);
    else
        Table(out, Grown(force, point, forces));
    Table(out, Grown(std::vector{JGDLoadRecord{5, 1, 0, {0.0, 0.0, -0.01, 0.0, 0.0, 0.0}}}, pointFew, on(pointFew)));
    Table(out, Grown(std::vector{JTLoadRecord{6, Block<16>(10)}}, pointFew, on(pointFew)));
    // On frames: mostly distributed loads.
    const Growth frame = Share(growth.frames, 2);
    const Growth frameFew = Share(growth.frames, 4);
    Table(out, Grown(std::vector{FCLoadRecord{1, Block<40>(30), 2}}, frameFew, on(frameFew)));
    const auto uniformA = [](const FDLoadRecord& r) { return FDLoadA{r}; };
    const std::vector uniform{
        FDLoadRecord{2, {1, 0, 2, 0, 0}, 1, {0, 0x3F800000u, 0xC1200000u, 0xC1200000u, 0, 0, 0, 0}, 0, ""}};
    if (v <= kFDLoadAUpTo)
        TableAs(out, Grown(uniform, frame, uniformA, on(frame)), uniformA);
    else
        Table(out, Grown(uniform, frame, on(frame)));
    Table(out, Grown(std::vector{FTLoadRecord{3, Block<8>(70), 1, Block<8>(80)}}, frameFew, on(frameFew)));
    // On shells: mostly uniform loads.
    const Growth shell = Share(growth.shells, 2);
    const Growth shellFew = Share(growth.shells, 4);
    Table(out, Grown(std::vector{ShULoadRecord{1, Block<24>(100), 2}}, shell, on(shell)));
    Table(out, Grown(std::vector{FTLoadRecord{2, Block<8>(130), 1, Block<8>(140)}}, shellFew, on(shellFew)));
    if (v > kNoShWPLoadUpTo)
        Table(out, Grown(std::vector{ShWPLoadRecord{2, {1, 0, 0, 3, 0, 0}, 1, {1.0, 0.8, -0.5, 0.0}}}, shellFew,
                         on(shellFew)));
}

}  // namespace

void WriteExampleLoads(Writer& out, double v, const LoadGrowth& growth) {
    WriteLoadCases(out, v);
    WriteCombos(out, v);
    WriteAssignedLoads(out, v, growth);
}

}  // namespace kmd::example
