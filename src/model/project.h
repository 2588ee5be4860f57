// Project information and preferences: the first section of both files.
#pragma once

#include "fileformat/encoding.h"
#include "model/store.h"

namespace kmd {

struct ModelUnitCodes {
    std::int32_t UnitSystem = 3;  // model unit-system code, 1..16
    std::int32_t SecondCode = 3;
};
template <class Io>
void fields(Io& io, ModelUnitCodes& r) { io(r.UnitSystem, r.SecondCode); }

struct ProjectData {
    ModelUnitCodes UnitCodes;

    void Register(TableRegistry&) {}
};

}  // namespace kmd
