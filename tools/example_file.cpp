#include "tools/example_general.h"
#include "tools/example_sections.h"

namespace kmd::example {

void WriteExampleLegacyFile(Writer& out) {
    out(FixedString<16>("KALDO"), FixedString<16>(kExampleVersion), FixedString<16>(kExampleVersion));
    WriteExampleGeneral(out);
}

}  // namespace kmd::example
