// Diaphragms and stories.
#pragma once

#include "fileformat/encoding.h"
#include "model/store.h"

namespace kmd {

struct StoryData {
    void Register(TableRegistry&) {}
};

}  // namespace kmd
