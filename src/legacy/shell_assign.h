// Legacy layouts of the shell assignment tables.
#pragma once

#include <cstdint>
#include <optional>

#include "fileformat/encoding.h"
#include "model/shell_assign.h"

namespace kmd {

// "SSpring" up to 7.105: the code as a 64-bit real.
inline constexpr double kShellSpringAUpTo = 7.105;

struct ShellSpringA {
    std::int16_t Key = 0;
    std::int32_t Tag = 0;
    std::int32_t SValue1 = 0;
    std::int32_t SValue2 = 0;
    double Real3 = 0;
};
template <class Io>
void fields(Io& io, ShellSpringA& r) { io(r.Key, r.Tag, r.SValue1, r.SValue2, r.Real3); }

// The real rounded to the nearest integer, halves to the even neighbour;
// nothing when the result is outside the 32-bit range or the real is not a number.
std::optional<std::int32_t> RoundHalfEvenToInt32(double x);

// Real3 rounded to the code; RecordCorrupt when it does not convert (see
// RoundHalfEvenToInt32).
ShellSpringRecord ImportShellSpringA(ShellSpringA&& a);

}  // namespace kmd
