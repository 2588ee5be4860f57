#include "tables/properties.h"

#include "tables/materials.h"
#include "tables/sd_sections.h"
#include "tables/sections.h"
#include "tables/shell_props.h"

namespace kmd {

// File order: Material, MT, Section, AUTO, VS, Rebar, CP, SDSection, PierSection,
// JoistData, ShellSection, DeckInfo, NLLinkProp.
void ReadPropertyTables(Reader& in, Conversion& cv) {
    ReadMaterialTables(in, cv);
    ReadSectionTables(in, cv);
    ReadSDSectionTables(in, cv);
    ReadPierJoistTables(in, cv);
    ReadShellPropertyTables(in, cv);
}

void WritePropertyTables(Writer& out, const Conversion& cv) {
    WriteMaterialTables(out, cv);
    WriteSectionTables(out, cv);
    WriteSDSectionTables(out, cv);
    WritePierJoistTables(out, cv);
    WriteShellPropertyTables(out, cv);
}

void ReadBackPropertyTables(Reader& in, Conversion& cv) {
    ReadBackMaterialTables(in, cv);
    ReadBackSectionTables(in, cv);
    ReadBackSDSectionTables(in, cv);
    ReadBackPierJoistTables(in, cv);
    ReadBackShellPropertyTables(in, cv);
}

}  // namespace kmd
