// Frame assignments.
#pragma once

#include <array>
#include <cstdint>

#include "fileformat/encoding.h"
#include "model/store.h"

namespace kmd {

// "FFixity": Fixity(i, j), i 1..6, j 1..2, held by columns: (i, j) is
// Fixity[6 * (j - 1) + (i - 1)]; the current file holds it row after row.
struct FrameFixityRecord {
    std::int16_t Key = 0;
    std::int32_t Tag = 0;
    std::array<double, 12> Fixity{};
};
template <class Io>
void fields(Io& io, FrameFixityRecord& r) { io(r.Key, r.Tag, ZeroBasedRows<6, 2>(r.Fixity)); }

// "FOffset": Offsets(i, j), i 1..3, j 1..2, held by columns: (i, j) is
// Offsets[3 * (j - 1) + (i - 1)].
struct FrameOffsetRecord {
    std::int16_t Key = 0;
    std::int32_t Tag = 0;
    std::array<double, 6> Offsets{};
    std::int32_t OffsetTag = 0;
};
template <class Io>
void fields(Io& io, FrameOffsetRecord& r) { io(r.Key, r.Tag, ZeroBasedRows<3, 2>(r.Offsets), r.OffsetTag); }

// "FModifier"
struct FrameModifierRecord {
    std::int16_t Key = 0;
    std::int32_t Tag = 0;
    std::array<double, 8> Modifiers{};
};
template <class Io>
void fields(Io& io, FrameModifierRecord& r) { io(r.Key, r.Tag, ZeroBased(r.Modifiers)); }

// "FLink"
struct FrameLinkRecord {
    std::int16_t Key = 0;
    std::int32_t Tag = 0;
    std::int32_t Value1 = 0;
};
template <class Io>
void fields(Io& io, FrameLinkRecord& r) { io(r.Key, r.Tag, r.Value1); }

// "FSpring"
struct FrameSpringRecord {
    std::int16_t Key = 0;
    std::int32_t Tag = 0;
    Bytes<12> Block1{};
};
template <class Io>
void fields(Io& io, FrameSpringRecord& r) { io(r.Key, r.Tag, r.Block1); }

// "FMass"
struct FrameMassRecord {
    std::int16_t Key = 0;
    std::int32_t Tag = 0;
    Bytes<8> Block1{};
};
template <class Io>
void fields(Io& io, FrameMassRecord& r) { io(r.Key, r.Tag, r.Block1); }

// "FMomentBeam"
struct FrameMomentBeamRecord {
    std::int16_t Key = 0;
    std::int32_t Tag = 0;
    Bytes<56> Block1{};
};
template <class Io>
void fields(Io& io, FrameMomentBeamRecord& r) { io(r.Key, r.Tag, r.Block1); }

struct FrameAssignData {
    Table<FrameFixityRecord> FFixity{"FFixity", Allocator::Object};
    Table<FrameOffsetRecord> FOffset{"FOffset", Allocator::Object};
    Table<FrameModifierRecord> FModifier{"FModifier", Allocator::Object};
    Table<FrameLinkRecord> FLink{"FLink", Allocator::Object};
    Table<FrameSpringRecord> FSpring{"FSpring", Allocator::Object};
    Table<FrameMassRecord> FMass{"FMass", Allocator::Object};
    Table<FrameMomentBeamRecord> FMomentBeam{"FMomentBeam", Allocator::Object};

    void Register(TableRegistry& reg) {
        reg.Add(FFixity);
        reg.Add(FOffset);
        reg.Add(FModifier);
        reg.Add(FLink);
        reg.Add(FSpring);
        reg.Add(FMass);
        reg.Add(FMomentBeam);
    }
};

}  // namespace kmd
