#include "legacy/shell_assign.h"

#include <cmath>
#include <stdexcept>

namespace kmd {

std::optional<std::int32_t> RoundHalfEvenToInt32(double x) {
    // Independent of the floating-point rounding mode: x - trunc(x) is exact.
    double r = std::round(x);
    if (std::fabs(x - std::trunc(x)) == 0.5) r = 2.0 * std::round(x / 2.0);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) return std::nullopt;
    return static_cast<std::int32_t>(r);
}

ShellSpringRecord ImportShellSpringA(const ShellSpringA& a) {
    auto code = RoundHalfEvenToInt32(a.Real3);
    if (!code) throw std::domain_error("spring code out of the 32-bit range");
    ShellSpringRecord r;
    r.Key = a.Key;
    r.Tag = a.Tag;
    r.SValue1 = a.SValue1;
    r.SValue2 = a.SValue2;
    r.SCode = *code;
    return r;
}

}  // namespace kmd
