// Frame sections and section data tables.
#pragma once

#include "fileformat/encoding.h"
#include "model/store.h"

namespace kmd {

struct SectionData {
    void Register(TableRegistry&) {}
};

}  // namespace kmd
