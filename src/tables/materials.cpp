// "Material" and "MT": legacy forms in, current layout out.
#include "tables/materials.h"

#include "legacy/materials.h"
#include "model/materials.h"
#include "tables/table_io.h"

namespace kmd {

namespace {

constexpr Layout<MaterialRecord> kMaterialLayouts[] = {
    UpTo<MaterialA, ImportMaterialA>(kMaterialAUpTo),
    UpTo<MaterialB, ImportMaterialB>(kMaterialBUpTo),
    UpTo<MaterialC, ImportMaterialC>(kMaterialCUpTo),
    Newest<MaterialRecord>(),
};

constexpr Layout<MTRecord> kMTLayouts[] = {
    UpTo<MTBlock, ImportMT>(kMTBlockUpTo),
    Newest<MTRecord>(),
};

}  // namespace

void ReadMaterialTables(Reader& in, Conversion& cv) {
    MaterialData& m = cv.model.materials;
    ReadTable(in, cv, m.Material, kMaterialLayouts);
    ReadTable(in, cv, m.MT, kMTLayouts);
}

void WriteMaterialTables(Writer& out, const Conversion& cv) {
    const MaterialData& m = cv.model.materials;
    WriteTable(out, m.Material);
    WriteTable(out, m.MT);
}

void ReadBackMaterialTables(Reader& in, Conversion& cv) {
    MaterialData& m = cv.model.materials;
    ReadCurrentTable(in, cv, m.Material);
    ReadCurrentTable(in, cv, m.MT);
}

}  // namespace kmd
