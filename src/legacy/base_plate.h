// Legacy layouts of the base plate and connection design blocks.
#pragma once

#include <string>

#include "fileformat/encoding.h"

namespace kmd {

// Both blocks are in files of version 8.1935 or above (this bound is inclusive).
inline constexpr double kDesignBlocksFrom = 8.1935;

// Base plate preferences of files up to 8.895: without the report style and
// its 2 bytes. Read and dropped.
inline constexpr double kBasePlatePreferencesAUpTo = 8.895;
struct BasePlatePreferencesA {
    std::string CodeName;
    Bytes<146> Block1{};
    Bytes<16> Block2{};
    std::string BoltName;
    Bytes<2> Block3{};
    Bytes<40> Block4{};
};
template <class Io>
void fields(Io& io, BasePlatePreferencesA& r) { io(r.CodeName, r.Block1, r.Block2, r.BoltName, r.Block3, r.Block4); }

}  // namespace kmd
