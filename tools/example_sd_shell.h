// Example sections: section designer sections, and shell sections, deck data and
// link properties, in the layout of the example file's version.
#pragma once

#include "fileformat/encoding.h"

namespace kmd::example {

// "SDSection".
void WriteExampleSDSections(Writer& out);
// "ShellSection", "DeckInfo" and "NLLinkProp".
void WriteExampleShellProps(Writer& out);

}  // namespace kmd::example
