#include "legacy/shell_assign.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace kmd {

std::optional<std::int32_t> RoundHalfEvenToInt32(double x) {
    // Independent of the floating-point rounding mode: x - trunc(x) is exact.
    double r = std::round(x);
    if (std::fabs(x - std::trunc(x)) == 0.5) r = 2.0 * std::round(x / 2.0);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) return std::nullopt;
    return static_cast<std::int32_t>(r);
}

ShellSpringRecord ImportShellSpringA(ShellSpringA&& a) {
    auto code = RoundHalfEvenToInt32(a.Real3);
    if (!code) {
        char text[40];
        std::snprintf(text, sizeof text, "%.17g", a.Real3);
        // Real3 follows Key, Tag, SValue1 and SValue2.
        throw RecordCorrupt(std::string("spring code ") + text + " does not fit a 32-bit integer", 14);
    }
    ShellSpringRecord r;
    r.Key = a.Key;
    r.Tag = a.Tag;
    r.SValue1 = a.SValue1;
    r.SValue2 = a.SValue2;
    r.SCode = *code;
    return r;
}

}  // namespace kmd
