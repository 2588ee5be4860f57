#include "model/steel_design.h"

#include <array>
#include <cstring>

#include "design/code_catalogue.h"

namespace kmd {

namespace {

// A reset default: a value, or a multiple of the unit length.
struct ResetValue {
    PackedPlace at;
    double value;
    bool perLength;
};
inline constexpr bool kU = true;

consteval ResetValue R(std::string_view field, double value, bool perLength = false) {
    return {FindPackedField(kSteelPreferenceFields, field), value, perLength};
}

constexpr ResetValue kSteelPreferenceResets[] = {
    R("Int1", 2), R("Int2", 1), R("Int3", 1), R("Int4", 1), R("Int5", 4), R("Int6", 4),
    R("Real1", 1.0), R("Real2", 1.0), R("Real3", 0.5), R("Real4", 8.0), R("Real5", 3.0), R("Real6", 5.5),
    R("Real7", 0.35), R("Real8", 5.0), R("Real9", 1.5), R("Real10", 4.0), R("Real11", 1.0), R("Real12", 1.0),
    R("Int7", 1), R("Int8", 1), R("Int9", 2), R("Int10", 1), R("Int11", 1), R("Int12", 1), R("Int13", 2),
    R("Real13", 0.002), R("Real14", 0.9), R("Real15", 0.9), R("Real16", 0.9), R("Real17", 0.75),
    R("Real18", 0.9), R("Real19", 1.0), R("Real20", 0.9), R("Real21", 1.67), R("Real22", 1.67),
    R("Real23", 1.67), R("Real24", 2.0), R("Real25", 1.67), R("Real26", 1.5), R("Real27", 1.67),
    R("Int14", 1), R("Int15", 1),
    R("Real28", 0.9), R("Real29", 0.85), R("Real30", 0.9), R("Real31", 0.75), R("Real32", 0.9),
    R("Real33", 0.75), R("Real34", 0.9), R("Real35", 0.9), R("Real36", 0.85), R("Real37", 0.9),
    R("Real38", 0.9), R("Real39", 0.9), R("Real40", 0.9), R("Real41", 0.9), R("Real42", 0.9),
    R("Real43", 0.9), R("Real44", 0.9), R("Real45", 0.9), R("Real46", 0.9), R("Real47", 0.9),
    R("Real48", 0.9), R("Real49", 0.9), R("Real50", 0.9), R("Real51", 0.9),
    R("Int16", 1), R("Real52", 1.1), R("Real53", 1.1), R("Int17", 0), R("Int18", 1), R("Int19", 2),
    R("Real54", 1.0), R("Real55", 1.0), R("Real56", 1.25), R("Int20", 2), R("Real57", 1.0),
    R("Int21", 2), R("Int22", 1), R("Int23", 2), R("Int24", 3),
    R("Real58", 120.0), R("Real59", 120.0), R("Real60", 360.0), R("Real61", 240.0), R("Real62", 240.0),
    R("Real63", 1.0, kU), R("Real64", 1.0, kU), R("Real65", 1.0, kU), R("Real66", 1.0, kU), R("Real67", 1.0, kU),
    R("Int25", 1), R("Real68", 1.0), R("Real69", 0.75, kU), R("Real70", 4.0, kU), R("Real71", 180.0),
    R("Real72", 0.25, kU), R("Int26", 2), R("Real73", 0.75), R("Int27", 1), R("Real74", 0.95),
};

// Every field has its default, once.
consteval bool EveryFieldOnce() {
    std::array<int, PackedFieldCount(kSteelPreferenceFields)> seen{};
    for (const ResetValue& r : kSteelPreferenceResets) ++seen[r.at.index];
    for (int n : seen)
        if (n != 1) return false;
    return true;
}
static_assert(EveryFieldOnce());

void Store(Bytes<kSteelPreferenceBytes>& block, const PackedPlace& at, double v) {
    if (at.size == 8) {
        std::memcpy(block.data() + at.offset, &v, 8);
    } else {
        const auto i = std::int32_t(v);
        std::memcpy(block.data() + at.offset, &i, 4);
    }
}

}  // namespace

SteelPreferences ResetSteelPreferences(std::string_view codeName, std::int32_t frameKind, double unitLength) {
    SteelPreferences p;
    p.CodeName = NormaliseSteelCodeName(codeName);
    for (const ResetValue& r : kSteelPreferenceResets) Store(p.Block, r.at, r.perLength ? r.value * unitLength : r.value);
    Store(p.Block, FindPackedField(kSteelPreferenceFields, "Int17"), frameKind);
    return p;
}

}  // namespace kmd
