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

void WriteAssignedLoads(Writer& out, double v) {
    JFLoadRecord force{4, 1, 0, {0.0, 0.0, -25.0, 0.0, 0.0, 0.0}, 0, ""};
    if (v <= kJFLoadAUpTo)
        TableAs(out, std::vector{force}, [](const JFLoadRecord& r) { return JFLoadA{r}; });
    else
        Table(out, std::vector{force});
    Table(out, std::vector{JGDLoadRecord{5, 1, 0, {0.0, 0.0, -0.01, 0.0, 0.0, 0.0}}});
    Table(out, std::vector{JTLoadRecord{6, Block<16>(10)}});
    Table(out, std::vector{FCLoadRecord{1, Block<40>(30), 2}});
    FDLoadRecord uniform{2, {1, 0, 2, 0, 0}, 1, {0, 0x3F800000u, 0xC1200000u, 0xC1200000u, 0, 0, 0, 0}, 0, ""};
    if (v <= kFDLoadAUpTo)
        TableAs(out, std::vector{uniform}, [](const FDLoadRecord& r) { return FDLoadA{r}; });
    else
        Table(out, std::vector{uniform});
    Table(out, std::vector{FTLoadRecord{3, Block<8>(70), 1, Block<8>(80)}});
    Table(out, std::vector{ShULoadRecord{1, Block<24>(100), 2}});
    Table(out, std::vector{FTLoadRecord{2, Block<8>(130), 1, Block<8>(140)}});
    if (v > kNoShWPLoadUpTo) Table(out, std::vector{ShWPLoadRecord{2, {1, 0, 0, 3, 0, 0}, 1, {1.0, 0.8, -0.5, 0.0}}});
}

}  // namespace

void WriteExampleLoads(Writer& out, double v) {
    WriteLoadCases(out, v);
    WriteCombos(out, v);
    WriteAssignedLoads(out, v);
}

}  // namespace kmd::example
