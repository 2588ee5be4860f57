// Shell sections, deck data and link properties.
#pragma once

#include "fileformat/encoding.h"
#include "model/store.h"

namespace kmd {

struct ShellPropertyData {
    void Register(TableRegistry&) {}
};

}  // namespace kmd
