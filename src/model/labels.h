// Point names and bays.
#pragma once

#include "fileformat/encoding.h"
#include "model/store.h"

namespace kmd {

struct LabelData {
    void Register(TableRegistry&) {}
};

}  // namespace kmd
