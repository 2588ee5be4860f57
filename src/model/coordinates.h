// Coordinate systems with their grid lines, reference lines and planes.
#pragma once

#include "fileformat/encoding.h"
#include "model/store.h"

namespace kmd {

struct CoordinateData {
    void Register(TableRegistry&) {}
};

}  // namespace kmd
