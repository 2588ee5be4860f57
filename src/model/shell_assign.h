// Shell assignments.
#pragma once

#include "fileformat/encoding.h"
#include "model/store.h"

namespace kmd {

struct ShellAssignData {
    void Register(TableRegistry&) {}
};

}  // namespace kmd
