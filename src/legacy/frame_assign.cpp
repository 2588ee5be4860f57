#include "legacy/frame_assign.h"

#include <algorithm>

namespace kmd {

FrameOffsetRecord ImportFrameOffsetA(FrameOffsetA&& a) {
    FrameOffsetRecord r;
    r.Key = a.Key;
    r.Tag = a.Tag;
    r.Offsets = a.Offsets;
    r.OffsetTag = 1;
    return r;
}

FrameModifierRecord ImportFrameModifierA(FrameModifierA&& a) {
    FrameModifierRecord r;
    r.Key = a.Key;
    r.Tag = a.Tag;
    std::copy(a.Modifiers.begin(), a.Modifiers.end(), r.Modifiers.begin());
    r.Modifiers[6] = 1.0;
    r.Modifiers[7] = 1.0;
    return r;
}

}  // namespace kmd
