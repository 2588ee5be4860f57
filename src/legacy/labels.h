// Point names and bays have one layout in every legacy version: the records of
// model/labels.h are read straight. What the reader checks of an area bay (and of
// an area object, which holds the same kind of item arrays) is here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fileformat/encoding.h"

namespace kmd {

// The current file rebuilds both item arrays with bounds 0..count from the
// elements 1..count of the stored arrays: a negative count, or an array that
// lacks one of those elements, makes the record corrupt.
void CheckItemArrays(const Reader& in, std::size_t recordStart, std::int32_t count,
                     const DynArray<std::int32_t>& first, std::string_view firstName,
                     const DynArray<std::int32_t>& second, std::string_view secondName);

}  // namespace kmd
