// Section designer sections.
#pragma once

#include "fileformat/encoding.h"
#include "model/store.h"

namespace kmd {

struct SDSectionData {
    void Register(TableRegistry&) {}
};

}  // namespace kmd
