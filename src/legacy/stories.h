// Legacy layouts of diaphragms and stories and their import conversions.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "fileformat/encoding.h"
#include "model/stories.h"

namespace kmd {

// Diaphragm up to 8.505 (10 bytes): no D1.
inline constexpr double kDiaphragmAUpTo = 8.505;

struct DiaphragmA {
    FixedString<8> Name;
    std::int16_t Word1 = 0;
};
template <class Io>
void fields(Io& io, DiaphragmA& r) { io(r.Name, r.Word1); }

// D1 := 0; the value read becomes D2.
DiaphragmRecord ImportDiaphragmA(DiaphragmA&& a);

// Story up to 7.985: no S2, S3 or S19.
inline constexpr double kStoryAUpTo = 7.985;

struct StoryRecordA {
    std::string Name;
    Bytes<20> S1{};
    DynArray<std::int32_t> S4;
    DynArray<std::int32_t> S5;
    std::array<DynArray<double>, 11> S6ToS16;
    DynArray<StoryDiaphragmItem> S17;
    std::int16_t S18 = 0;
};
template <class Io>
void fields(Io& io, StoryRecordA& r) { io(r.Name, r.S1, r.S4, r.S5, r.S6ToS16, r.S17, r.S18); }

// Keeps the arrays with their bounds; S2 := zero bytes, S3 := 0, S19 := -1.
StoryRecord ImportStoryA(StoryRecordA&& a);

}  // namespace kmd
