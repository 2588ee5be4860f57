#include "tables/shell_assign.h"
#include "tables/table_io.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "legacy/point_assign.h"
#include "legacy/shell_assign.h"

namespace kmd {

namespace {

// Six stored modifiers widened to the ten of the current file.
void ExportShellModifier(Writer& out, const ShellModifierRecord& r) {
    std::array<double, 10> m{};
    std::copy(r.ShellModifiers.begin(), r.ShellModifiers.end(), m.begin());
    for (std::size_t k = 6; k < 10; ++k) m[k] = 1.0;
    out(r.Key, r.Tag, AsZeroBased(m));
}

}  // namespace

// File order: ShModifier, SSpring, SMass.
void ReadShellAssignments(Reader& in, Conversion& cv) {
    ShellAssignData& d = cv.model.shellAssign;
    ReadTable(in, cv, Allocator::Object, "ShModifier", d.ShModifier);
    if (cv.FileVersion <= kShellSpringRealCodeUpTo) {
        auto import = [&in](const ShellSpringA& a) {
            if (!RoundHalfEvenToInt32(a.Real3)) {
                char text[40];
                std::snprintf(text, sizeof text, "%.17g", a.Real3);
                in.FailAt(in.Offset() - sizeof a.Real3,
                          std::string("spring code ") + text + " does not fit a 32-bit integer");
            }
            return ImportShellSpringA(a);
        };
        ReadTableAs<ShellSpringA>(in, cv, Allocator::Object, "SSpring", d.SSpring, import);
    } else {
        ReadTable(in, cv, Allocator::Object, "SSpring", d.SSpring);
    }
    ReadTable(in, cv, Allocator::Object, "SMass", d.SMass);
}

void WriteShellAssignments(Writer& out, const Conversion& cv) {
    const ShellAssignData& d = cv.model.shellAssign;
    WriteTable(out, "ShModifier", d.ShModifier, ExportShellModifier);
    WriteTable(out, "SSpring", d.SSpring);
    WriteTable(out, "SMass", d.SMass);
}

}  // namespace kmd
