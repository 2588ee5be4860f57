#include "model/composite_design.h"

#include "design/code_catalogue.h"

namespace kmd {

// The per-code values are not known yet: every code gets a zero block.
void CompositeDefaults(CompositePreferences& target, std::string_view codeName) {
    target.CodeName = NormaliseCompositeCodeName(codeName);
    target.Block.fill(0);
}

}  // namespace kmd
