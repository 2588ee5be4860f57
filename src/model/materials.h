// Materials and the MT table.
#pragma once

#include "fileformat/encoding.h"
#include "model/store.h"

namespace kmd {

struct MaterialData {
    void Register(TableRegistry&) {}
};

}  // namespace kmd
