// Frame assignments.
#pragma once

#include "fileformat/encoding.h"
#include "model/store.h"

namespace kmd {

struct FrameAssignData {
    void Register(TableRegistry&) {}
};

}  // namespace kmd
