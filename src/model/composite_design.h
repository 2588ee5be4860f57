// Composite beam design: the design preferences, the design overwrites per beam
// and their envelopes.
//
// The numbers are never interpreted: the preferences block and the plain runs of
// an overwrite record are held as bytes. Older layouts place their bytes by
// position, so the fields of the two runs that their conversions fill are named
// by their first byte ("Byte82", "Real120").
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "fileformat/encoding.h"
#include "fileformat/packed_fields.h"
#include "model/output_tables.h"
#include "model/store.h"

namespace kmd {

// True when every field is named by its first byte: the number of each run is
// its offset in the part, and a run of wider fields holds one field.
consteval bool NamedByPosition(std::span<const PackedRun> runs) {
    std::size_t offsets[8] = {};
    for (const PackedRun& r : runs) {
        if (r.first != offsets[r.part] || (r.size != 1 && r.first != r.last)) return false;
        offsets[r.part] += std::size_t(r.last - r.first + 1) * r.size;
    }
    return true;
}

// The preferences: a code name, then 470 bytes.
inline constexpr PackedRun kCompositePreferenceFields[] = {
    {"Byte", 0, 105, 1},  {"Short", 106, 106, 2}, {"Real", 108, 108, 8}, {"Int", 116, 116, 4},
    {"Real", 120, 120, 8}, {"Real", 128, 128, 8}, {"Byte", 136, 151, 1}, {"Real", 152, 152, 8},
    {"Byte", 160, 469, 1},
};
inline constexpr std::size_t kCompositePreferenceBytes = PackedPartSize(kCompositePreferenceFields, 0);
static_assert(kCompositePreferenceBytes == 470 && NamedByPosition(kCompositePreferenceFields));

struct CompositePreferences {
    std::string CodeName;
    Bytes<kCompositePreferenceBytes> Block{};
};
template <class Io>
void fields(Io& io, CompositePreferences& r) { io(r.CodeName, r.Block); }

// Fills `target` with the defaults of the composite code `codeName` stands for.
void CompositeDefaults(CompositePreferences& target, std::string_view codeName);

// The part of an overwrite record from the last 4 bytes of its 74-byte head
// through list 4. Each list is written with bounds 0..the count that ends the
// plain run before it: list 1 (Names1, Values1) after the head, list 2 after a
// 6-byte run, list 3 after a 28-byte run, list 4 after a 6-byte run.
struct CompositeLists {
    std::int32_t Count1 = 0;
    DynArray<std::string> Names1;
    DynArray<double> Values1;
    std::int16_t Short2 = 0;
    std::int32_t Count2 = 0;
    DynArray<std::string> Names2;
    DynArray<double> Values2A;
    DynArray<double> Values2B;
    Bytes<24> Run3{};
    std::int32_t Count3 = 0;
    DynArray<std::string> Names3;
    DynArray<double> Values3;
    std::int16_t Short4 = 0;
    std::int32_t Count4 = 0;
    DynArray<std::string> Names4;
    DynArray<double> Values4A;
    DynArray<double> Values4B;
};
template <class Io>
void fields(Io& io, CompositeLists& r) {
    io(r.Count1, Counted(r.Names1, r.Count1, "Names1"), Counted(r.Values1, r.Count1, "Values1"), r.Short2,
       r.Count2, Counted(r.Names2, r.Count2, "Names2"), Counted(r.Values2A, r.Count2, "Values2A"),
       Counted(r.Values2B, r.Count2, "Values2B"), r.Run3, r.Count3, Counted(r.Names3, r.Count3, "Names3"),
       Counted(r.Values3, r.Count3, "Values3"), r.Short4, r.Count4, Counted(r.Names4, r.Count4, "Names4"),
       Counted(r.Values4A, r.Count4, "Values4A"), Counted(r.Values4B, r.Count4, "Values4B"));
}

// List 5, after the 90-byte run whose last 4 bytes are its count.
struct CompositeLastList {
    std::int32_t Count5 = 0;
    DynArray<std::int32_t> Items5;
    DynArray<double> Values5A;
    DynArray<double> Values5B;
};
template <class Io>
void fields(Io& io, CompositeLastList& r) {
    io(r.Count5, Counted(r.Items5, r.Count5, "Items5"), Counted(r.Values5A, r.Count5, "Values5A"),
       Counted(r.Values5B, r.Count5, "Values5B"));
}

// The trailing block of an overwrite record: 454 bytes.
inline constexpr PackedRun kCompositeTrailingFields[] = {
    {"Byte", 0, 3, 1},     {"Real", 4, 4, 8},     {"Int", 12, 12, 4},    {"Byte", 16, 75, 1},
    {"Int", 76, 76, 4},    {"Real", 80, 80, 8},   {"Real", 88, 88, 8},   {"Byte", 96, 111, 1},
    {"Real", 112, 112, 8}, {"Real", 120, 120, 8}, {"Byte", 128, 453, 1},
};
inline constexpr std::size_t kCompositeTrailingBytes = PackedPartSize(kCompositeTrailingFields, 0);
static_assert(kCompositeTrailingBytes == 454 && NamedByPosition(kCompositeTrailingFields));

// "CompositeData": the head (its first 70 bytes), lists 1 to 4, the first 86
// bytes of the run before list 5, list 5, the trailing block.
struct CompositeOverwriteRecord {
    Bytes<70> Head{};
    CompositeLists Lists;
    Bytes<86> Middle{};
    CompositeLastList Last;
    Bytes<kCompositeTrailingBytes> Trailing{};
};
template <class Io>
void fields(Io& io, CompositeOverwriteRecord& r) { io(r.Head, r.Lists, r.Middle, r.Last, r.Trailing); }

// "CompositeEnvelopes": read from the newest layout, never written.
struct CompositeEnvelopeRecord {
    Bytes<70> Block1{};
    DynArray<std::int32_t> Values1;
    Bytes<8> Block2{};
    DynArray<double> Values2;
    Bytes<186> Block3{};
};
template <class Io>
void fields(Io& io, CompositeEnvelopeRecord& r) { io(r.Block1, r.Values1, r.Block2, r.Values2, r.Block3); }

struct CompositeDesignData {
    CompositePreferences Preferences;
    std::int16_t EnvelopesPresent = 0;
    std::int16_t StatusFlag = 0;
    Table<CompositeOverwriteRecord> CompositeData{"CompositeData", Allocator::Object};
    // An output table, one record per "CompositeData" record.
    Table<CompositeEnvelopeRecord> CompositeEnvelopes{"CompositeEnvelopes", Allocator::Output};

    void Register(TableRegistry& reg, OutputRegistry& outputs) {
        reg.Add(CompositeData);
        outputs.Add(CompositeEnvelopes);
    }
};

}  // namespace kmd
