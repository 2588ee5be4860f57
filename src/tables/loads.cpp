#include "tables/loads.h"

#include "legacy/loads.h"
#include "tables/table_io.h"

namespace kmd {

namespace {

constexpr Layout<LoadCaseRecord> kLoadCaseLayouts[] = {
    UpTo<LoadCaseA, ImportLoadCaseA>(kLoadCaseAUpTo),
    UpTo<LoadCaseB, ImportLoadCaseB>(kLoadCaseBUpTo),
    UpTo<LoadCaseC, ImportLoadCaseC>(kLoadCaseCUpTo),
    Newest<LoadCaseRecord>(),
};

constexpr Layout<ComboRecord> kComboLayouts[] = {
    UpTo<ComboA, ImportComboA>(kComboAUpTo),
    UpTo<ComboB, ImportComboB>(kComboBUpTo),
    UpTo<ComboC, ImportComboC>(kComboCUpTo),
    UpTo<ComboD, ImportComboD>(kComboDUpTo),
    UpTo<ComboE, ImportComboE>(kComboEUpTo),
    UpTo<ComboF, ImportComboF>(kComboFUpTo),
    Newest<ComboRecord>(),
};

constexpr Layout<JFLoadRecord> kJFLoadLayouts[] = {
    UpTo<JFLoadA, ImportJFLoadA>(kJFLoadAUpTo),
    Newest<JFLoadRecord>(),
};

constexpr Layout<FDLoadRecord> kFDLoadLayouts[] = {
    UpTo<FDLoadA, ImportFDLoadA>(kFDLoadAUpTo),
    Newest<FDLoadRecord>(),
};

}  // namespace

// File order: LoadCondition, Combo, CL (only after a non-zero Combo count), then
// the nine assigned-load tables.
void ReadLoadTables(Reader& in, Conversion& cv) {
    LoadData& d = cv.model.loads;
    ReadTable(in, cv, d.LoadCondition, kLoadCaseLayouts);
    ReadTable(in, cv, d.Combo, kComboLayouts);
    if (d.Combo.count != 0) ReadTable(in, cv, d.CL);
    ReadTable(in, cv, d.JFLoad, kJFLoadLayouts);
    ReadTable(in, cv, d.JGDLoad);
    ReadTable(in, cv, d.JTLoad);
    ReadTable(in, cv, d.FCLoad);
    ReadTable(in, cv, d.FDLoad, kFDLoadLayouts);
    ReadTable(in, cv, d.FTLoad);
    ReadTable(in, cv, d.ShULoad);
    ReadTable(in, cv, d.ShTLoad);
    if (cv.FileVersion > kNoShWPLoadUpTo) ReadTable(in, cv, d.ShWPLoad);
}

void WriteLoadTables(Writer& out, const Conversion& cv) {
    const LoadData& d = cv.model.loads;
    WriteTable(out, d.LoadCondition);
    WriteTable(out, d.Combo);
    if (d.Combo.count != 0) WriteTable(out, d.CL);
    WriteTable(out, d.JFLoad);
    WriteTable(out, d.JGDLoad);
    WriteTable(out, d.JTLoad);
    WriteTable(out, d.FCLoad);
    WriteTable(out, d.FDLoad);
    WriteTable(out, d.FTLoad);
    WriteTable(out, d.ShULoad);
    WriteTable(out, d.ShTLoad);
    WriteTable(out, d.ShWPLoad);
}

void ReadBackLoadTables(Reader& in, Conversion& cv) {
    LoadData& d = cv.model.loads;
    ReadCurrentTable(in, cv, d.LoadCondition);
    ReadCurrentTable(in, cv, d.Combo);
    if (d.Combo.count != 0) ReadCurrentTable(in, cv, d.CL);
    ReadCurrentTable(in, cv, d.JFLoad);
    ReadCurrentTable(in, cv, d.JGDLoad);
    ReadCurrentTable(in, cv, d.JTLoad);
    ReadCurrentTable(in, cv, d.FCLoad);
    ReadCurrentTable(in, cv, d.FDLoad);
    ReadCurrentTable(in, cv, d.FTLoad);
    ReadCurrentTable(in, cv, d.ShULoad);
    ReadCurrentTable(in, cv, d.ShTLoad);
    ReadCurrentTable(in, cv, d.ShWPLoad);
}

}  // namespace kmd
