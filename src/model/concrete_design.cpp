#include "model/concrete_design.h"

#include <array>
#include <cstring>

#include "design/code_catalogue.h"

namespace kmd {

namespace {

struct ResetValue {
    PackedPlace at;
    double value;
};

constexpr ResetValue R(std::string_view field, double value) {
    return {FindPackedField(kConcretePreferenceFields, field), value};
}

// The defaults of the default concrete code for frame kind 0.
constexpr ResetValue kConcretePreferenceResets[] = {
    R("Int1", 2), R("Int2", 1), R("Int3", 1), R("Int4", 24), R("Int5", 11),
    R("Real1", 0.1), R("Real2", 0.002), R("Int6", 2),
    R("Real3", 0.9), R("Real4", 0.7), R("Real5", 0.75), R("Real6", 0.85), R("Int7", 4),
    R("Real7", 0.9), R("Real8", 0.65), R("Real9", 0.75), R("Real10", 0.75), R("Real11", 0.6),
    R("Real12", 0.85), R("Real13", 0.8), R("Real14", 0.6), R("Real15", 0.7), R("Real16", 0.6),
    R("Real17", 0.7), R("Real18", 0.85), R("Real19", 0.65), R("Real20", 0.85), R("Real21", 0.6),
    R("Real22", 1.05), R("Real23", 1.5), R("Real24", 1.25), R("Real25", 1.15), R("Real26", 1.5),
    R("Real27", 1.25), R("Real28", 1.15), R("Real29", 1.5), R("Real30", 1.25), R("Real31", 0.01),
    R("Real32", 1.15), R("Real33", 1.5),
    R("Int8", 1), R("Int9", 1), R("Int10", 2), R("Int11", 1),
    R("Real34", 0.005), R("Real35", 1.15), R("Real36", 1.5), R("Real37", 1), R("Real38", 1),
    R("Real39", 0.85), R("Real40", 0.85), R("Int12", 2),
    R("Real41", 1.15), R("Real42", 1.5), R("Real43", 0.9), R("Real44", 0.8), R("Real45", 0.7),
    R("Real46", 0.8), R("Real47", 0.8), R("Real48", 0.85), R("Real49", 0.85), R("Real50", 0.85),
    R("Real51", 0.75), R("Real52", 1), R("Real53", 1.25 / 0.85), R("Real54", 1), R("Real55", 1),
    R("Real56", 1), R("Int13", 1), R("Int14", 2), R("Real57", 0.75), R("Real58", 0.95),
};

// Every field has its default, once.
consteval bool EveryFieldOnce() {
    std::array<int, PackedFieldCount(kConcretePreferenceFields)> seen{};
    for (const ResetValue& r : kConcretePreferenceResets) ++seen[r.at.index];
    for (int n : seen)
        if (n != 1) return false;
    return true;
}
static_assert(EveryFieldOnce());

}  // namespace

ConcretePreferences ResetConcretePreferences(std::string_view codeName, std::int32_t /*frameKind*/) {
    ConcretePreferences p;
    p.CodeName = DefaultConcreteCodeName(codeName);
    for (const ResetValue& r : kConcretePreferenceResets) {
        if (r.at.size == 8) {
            std::memcpy(p.Block.data() + r.at.offset, &r.value, 8);
        } else {
            const auto i = std::int32_t(r.value);
            std::memcpy(p.Block.data() + r.at.offset, &i, 4);
        }
    }
    return p;
}

}  // namespace kmd
