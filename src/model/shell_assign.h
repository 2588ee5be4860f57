// Shell assignments.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "fileformat/encoding.h"
#include "model/store.h"

namespace kmd {

// The six stored shell modifiers, written as the ten of the current file (bounds
// 0..10, element 0 empty, modifiers 7 to 10 are 1.0).
struct WidenedModifiers {
    using IsFieldForm = void;
    std::array<double, 6>& held;

    void WriteCurrent(Writer& out) const {
        std::array<double, 10> m{};
        std::copy(held.begin(), held.end(), m.begin());
        std::fill(m.begin() + 6, m.end(), 1.0);
        ZeroBased(m).WriteCurrent(out);
    }
    void ReadCurrent(Reader& in) const {
        std::array<double, 10> m{};
        ZeroBased(m).ReadCurrent(in);
        std::copy(m.begin(), m.begin() + 6, held.begin());
    }
};

// "ShModifier"
struct ShellModifierRecord {
    std::int16_t Key = 0;
    std::int32_t Tag = 0;
    std::array<double, 6> ShellModifiers{};
};
template <class Io>
void fields(Io& io, ShellModifierRecord& r) { io(r.Key, r.Tag, WidenedModifiers{r.ShellModifiers}); }

// "SSpring"
struct ShellSpringRecord {
    std::int16_t Key = 0;
    std::int32_t Tag = 0;
    std::int32_t SValue1 = 0;
    std::int32_t SValue2 = 0;
    std::int32_t SCode = 0;
};
template <class Io>
void fields(Io& io, ShellSpringRecord& r) { io(r.Key, r.Tag, r.SValue1, r.SValue2, r.SCode); }

// "SMass"
struct ShellMassRecord {
    std::int16_t Key = 0;
    std::int32_t Tag = 0;
    Bytes<8> Block1{};
};
template <class Io>
void fields(Io& io, ShellMassRecord& r) { io(r.Key, r.Tag, r.Block1); }

struct ShellAssignData {
    Table<ShellModifierRecord> ShModifier{"ShModifier", Allocator::Object};
    Table<ShellSpringRecord> SSpring{"SSpring", Allocator::Object};
    Table<ShellMassRecord> SMass{"SMass", Allocator::Object};

    void Register(TableRegistry& reg) {
        reg.Add(ShModifier);
        reg.Add(SSpring);
        reg.Add(SMass);
    }
};

}  // namespace kmd
