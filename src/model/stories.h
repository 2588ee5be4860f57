// Diaphragms and stories.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "fileformat/encoding.h"
#include "model/store.h"

namespace kmd {

struct DiaphragmRecord {
    FixedString<8> Name;
    std::int16_t D1 = 0;  // 0 for diaphragms from files of 8.505 and below
    std::int16_t D2 = 0;
};
template <class Io>
void fields(Io& io, DiaphragmRecord& r) { io(r.Name, r.D1, r.D2); }

struct StoryDiaphragmItem {
    std::int32_t Count = 0;
    std::int16_t Word = 0;
    DynArray<std::int32_t> Values;  // written with bounds 0..Count
};
template <class Io>
void fields(Io& io, StoryDiaphragmItem& r) { io(r.Count, r.Word, r.Values); }

// In memory, and in files above 7.985. S4 to S17 hold one element per diaphragm.
struct StoryRecord {
    std::string Name;
    Bytes<20> S1{};
    Bytes<8> S2{};
    std::int16_t S3 = 0;
    DynArray<std::int32_t> S4;
    DynArray<std::int32_t> S5;
    std::array<DynArray<double>, 11> S6ToS16;
    DynArray<StoryDiaphragmItem> S17;
    std::int16_t S18 = 0;
    std::int16_t S19 = 0;
};
template <class Io>
void fields(Io& io, StoryRecord& r) { io(r.Name, r.S1, r.S2, r.S3, r.S4, r.S5, r.S6ToS16, r.S17, r.S18, r.S19); }

struct StoryData {
    Table<DiaphragmRecord> Diaphragm{"Diaphragm", Allocator::Object};
    // The count is the story count N; a table with N > 0 holds N + 1 records.
    Table<StoryRecord> Story{"Story", Allocator::Object};

    void Register(TableRegistry& reg) {
        reg.Add(Diaphragm);
        reg.Add(Story);
    }
};

}  // namespace kmd
