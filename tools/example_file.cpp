#include "tools/example_sections.h"

namespace kmd::example {

void WriteExampleLegacyFile(Writer& out) {
    out(FixedString<16>("KALDO"), FixedString<16>(kExampleVersion), FixedString<16>(kExampleVersion));
    // Table sections follow here, in file order, as the families are built.
}

}  // namespace kmd::example
