// Point assignments.
#pragma once

#include "fileformat/encoding.h"
#include "model/store.h"

namespace kmd {

struct PointAssignData {
    void Register(TableRegistry&) {}
};

}  // namespace kmd
