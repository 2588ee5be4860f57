// Steel joist design: the overwrite record per joist frame object, carried
// unchanged, and the envelopes of older files (read and dropped).
#pragma once

#include <cstdint>
#include <string>

#include "fileformat/encoding.h"
#include "model/store.h"

namespace kmd {

// "SteelJoistData": the same in memory, in legacy files and in the current file.
struct JoistOverwriteRecord {
    Bytes<6> Block1{};
    Bytes<4> Block2{};
    std::string Label;
    Bytes<18> Block3{};
};
template <class Io>
void fields(Io& io, JoistOverwriteRecord& r) { io(r.Block1, r.Block2, r.Label, r.Block3); }

// "SteelJoistEnvelopes" (legacy files only): 192 bytes plus the string.
struct JoistEnvelopeRecord {
    Bytes<4> Block1{};
    std::string Text;
    Bytes<86> Block2{};
    Bytes<94> Block3{};
    Bytes<8> Block4{};
};
template <class Io>
void fields(Io& io, JoistEnvelopeRecord& r) { io(r.Block1, r.Text, r.Block2, r.Block3, r.Block4); }

struct JoistDesignData {
    std::int16_t EnvelopesPresent = 0;
    std::int16_t StatusFlag = 0;
    Table<JoistOverwriteRecord> SteelJoistData{"SteelJoistData", Allocator::Object};

    void Register(TableRegistry& reg) { reg.Add(SteelJoistData); }
};

}  // namespace kmd
