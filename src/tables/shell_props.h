// ShellSection, DeckInfo and NLLinkProp (last tables of step 4).
#pragma once

#include "driver/conversion.h"
#include "fileformat/encoding.h"

namespace kmd {

void ReadShellPropertyTables(Reader& in, Conversion& cv);
void WriteShellPropertyTables(Writer& out, const Conversion& cv);
void ReadBackShellPropertyTables(Reader& in, Conversion& cv);

}  // namespace kmd
