// Steel frame design: lateral bracing per frame, the design preferences, the
// design overwrites per frame with their envelopes, and the optimisation lists.
//
// The numbered fields are never interpreted: the preferences and the fixed runs
// of an overwrite record are held as packed bytes, and their fields are named
// (for the conversions of older layouts) by the runs declared beside them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "fileformat/encoding.h"
#include "fileformat/packed_fields.h"
#include "model/store.h"

namespace kmd {

// "FLateralBrace": list A of NamesA/ValuesA and list B of NamesB/ValuesB1/ValuesB2,
// each written with bounds 0..its count.
struct LateralBraceRecord {
    std::int16_t Short1 = 0;
    std::int32_t Value1 = 0;
    std::int16_t Short2 = 0;
    std::int32_t CountA = 0;
    DynArray<std::string> NamesA;
    DynArray<double> ValuesA;
    std::int16_t Short3 = 0;
    std::int32_t CountB = 0;
    DynArray<std::string> NamesB;
    DynArray<double> ValuesB1;
    DynArray<double> ValuesB2;
};
template <class Io>
void fields(Io& io, LateralBraceRecord& r) {
    io(r.Short1, r.Value1, r.Short2, r.CountA, Counted(r.NamesA, r.CountA, "NamesA"),
       Counted(r.ValuesA, r.CountA, "ValuesA"), r.Short3, r.CountB, Counted(r.NamesB, r.CountB, "NamesB"),
       Counted(r.ValuesB1, r.CountB, "ValuesB1"), Counted(r.ValuesB2, r.CountB, "ValuesB2"));
}

// The steel preferences: a code name, then 700 bytes of numbered fields.
inline constexpr std::uint8_t kI16 = 2, kI32 = 4, kWord = 4, kReal = 8;
inline constexpr PackedRun kSteelPreferenceFields[] = {
    {"Int", 1, 6, kI32},    {"Real", 1, 12, kReal},  {"Int", 7, 13, kI32},  {"Real", 13, 27, kReal},
    {"Int", 14, 15, kI32},  {"Real", 28, 51, kReal}, {"Int", 16, 16, kI32}, {"Real", 52, 53, kReal},
    {"Int", 17, 19, kI32},  {"Real", 54, 56, kReal}, {"Int", 20, 20, kI32}, {"Real", 57, 57, kReal},
    {"Int", 21, 24, kI32},  {"Real", 58, 67, kReal}, {"Int", 25, 25, kI32}, {"Real", 68, 72, kReal},
    {"Int", 26, 26, kI32},  {"Real", 73, 73, kReal}, {"Int", 27, 27, kI32}, {"Real", 74, 74, kReal},
};
inline constexpr std::size_t kSteelPreferenceBytes = PackedPartSize(kSteelPreferenceFields, 0);
static_assert(kSteelPreferenceBytes == 700 && FindPackedField(kSteelPreferenceFields, "Real74").offset == 692);

struct SteelPreferences {
    std::string CodeName;
    Bytes<kSteelPreferenceBytes> Block{};
};
template <class Io>
void fields(Io& io, SteelPreferences& r) { io(r.CodeName, r.Block); }

// The preferences reset to their defaults: `codeName` normalised to a steel code,
// `frameKind` in Int17, lengths in units of `unitLength` inches.
SteelPreferences ResetSteelPreferences(std::string_view codeName, std::int32_t frameKind, double unitLength);

// The lateral bracing part of an overwrite record after Short1 (which ends the
// leading run): list A, Short2, list B, Short3.
struct SteelBraceLists {
    std::int32_t CountA = 0;
    DynArray<std::string> NamesA;
    DynArray<double> ValuesA;
    std::int16_t Short2 = 0;
    std::int32_t CountB = 0;
    DynArray<std::string> NamesB;
    DynArray<double> ValuesB1;
    DynArray<double> ValuesB2;
    std::int16_t Short3 = 0;
};
template <class Io>
void fields(Io& io, SteelBraceLists& r) {
    io(r.CountA, Counted(r.NamesA, r.CountA, "NamesA"), Counted(r.ValuesA, r.CountA, "ValuesA"), r.Short2, r.CountB,
       Counted(r.NamesB, r.CountB, "NamesB"), Counted(r.ValuesB1, r.CountB, "ValuesB1"),
       Counted(r.ValuesB2, r.CountB, "ValuesB2"), r.Short3);
}

// "SteelData": the leading run Word1..Short1 (part 0), the lists, and the
// trailing run Real20..Real48 (part 1).
inline constexpr std::uint8_t kSteelLeading = 0, kSteelTrailing = 1;
inline constexpr PackedRun kSteelOverwriteFields[] = {
    {"Word", 1, 9, kWord},   {"Real", 1, 2, kReal},   {"Word", 10, 11, kWord}, {"Int", 1, 2, kI32},
    {"Real", 3, 5, kReal},   {"Int", 3, 4, kI32},     {"Real", 6, 7, kReal},   {"Int", 5, 12, kI32},
    {"Real", 8, 17, kReal},  {"Int", 13, 13, kI32},   {"Word", 12, 13, kWord}, {"Real", 18, 19, kReal},
    {"Int", 14, 14, kI32},   {"Short", 1, 1, kI16},
    {"Real", 20, 44, kReal, kSteelTrailing},  {"Word", 14, 19, kWord, kSteelTrailing},
    {"Int", 15, 16, kI32, kSteelTrailing},    {"Word", 20, 21, kWord, kSteelTrailing},
    {"Real", 45, 46, kReal, kSteelTrailing},  {"Word", 22, 43, kWord, kSteelTrailing},
    {"Int", 17, 17, kI32, kSteelTrailing},    {"Real", 47, 48, kReal, kSteelTrailing},
};
static_assert(PackedPartSize(kSteelOverwriteFields, kSteelLeading) == 262 &&
              PackedPartSize(kSteelOverwriteFields, kSteelTrailing) == 364);

struct SteelOverwriteRecord {
    Bytes<262> Leading{};
    SteelBraceLists Lists;
    Bytes<364> Trailing{};
};
template <class Io>
void fields(Io& io, SteelOverwriteRecord& r) { io(r.Leading, r.Lists, r.Trailing); }

// "SteelEnvelopes": read from the newest layout, never written.
struct SteelEnvelopeRecord {
    Bytes<40> Block1{};
    std::string Text1;
    Bytes<48> Block2{};
    std::string Text2;
    Bytes<316> Block3{};
};
template <class Io>
void fields(Io& io, SteelEnvelopeRecord& r) { io(r.Block1, r.Text1, r.Block2, r.Text2, r.Block3); }

// "OptimizationD", "OptimizationT"
struct OptimizationRecord {
    Bytes<36> Data{};
};
template <class Io>
void fields(Io& io, OptimizationRecord& r) { io(r.Data); }

struct SteelDesignData {
    Table<LateralBraceRecord> FLateralBrace{"FLateralBrace", Allocator::Object};
    SteelPreferences Preferences;
    std::int16_t EnvelopesPresent = 0;
    std::int16_t StatusFlag = 0;
    Table<SteelOverwriteRecord> SteelData{"SteelData", Allocator::Object};
    // An output table, sized to the "SteelData" count; not allocated by name.
    Table<SteelEnvelopeRecord> SteelEnvelopes{"SteelEnvelopes", Allocator::Object};
    Table<OptimizationRecord> OptimizationD{"OptimizationD", Allocator::Table};
    Table<OptimizationRecord> OptimizationT{"OptimizationT", Allocator::Table};

    void Register(TableRegistry& reg) {
        reg.Add(FLateralBrace);
        reg.Add(SteelData);
        reg.Add(OptimizationD);
        reg.Add(OptimizationT);
    }
};

}  // namespace kmd
