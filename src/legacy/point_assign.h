// Legacy layouts of the point assignment tables.
#pragma once

#include "fileformat/encoding.h"
#include "model/point_assign.h"

namespace kmd {

// "Constraint" up to 8.075: an 8-character name.
inline constexpr double kConstraintAUpTo = 8.075;

struct ConstraintA {
    FixedString<8> Name;
    std::int32_t CValue1 = 0;
    std::int32_t CValue2 = 0;
    std::int32_t CUnused = 0;
    std::array<std::int32_t, 6> CRefs{};
    std::int32_t CValue3 = 0;
    std::int32_t CValue4 = 0;
    std::int32_t CValue5 = 0;
    std::int16_t CCode1 = 0;
    std::int16_t CCode2 = 0;
};
template <class Io>
void fields(Io& io, ConstraintA& r) {
    io(r.Name, r.CValue1, r.CValue2, r.CUnused, r.CRefs, r.CValue3, r.CValue4, r.CValue5, r.CCode1, r.CCode2);
}

// Name trimmed; the legacy CUnused is not kept.
ConstraintRecord ImportConstraintA(ConstraintA&& a);


}  // namespace kmd
