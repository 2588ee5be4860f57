// Example sections: section designer sections, and shell sections, deck data and
// link properties, in the layouts of a chosen file version.
#pragma once

#include "fileformat/encoding.h"
#include "tools/example_sections.h"

namespace kmd::example {

// "SDSection".
void WriteExampleSDSections(Writer& out, double v = kExampleFileVersion);
// "ShellSection", "DeckInfo" and "NLLinkProp".
void WriteExampleShellProps(Writer& out, double v = kExampleFileVersion);

}  // namespace kmd::example
