// Concrete frame design: the design preferences, two flags, the design
// overwrites per frame ("ConcreteData") and their envelopes.
//
// The numbered fields are never interpreted: the preferences block and the
// overwrite record are held as packed bytes, and their fields are named (for the
// conversions of older layouts) by the runs declared beside them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "fileformat/encoding.h"
#include "fileformat/packed_fields.h"
#include "model/output_tables.h"
#include "model/store.h"

namespace kmd {

namespace concrete {
inline constexpr std::uint8_t kI32 = 4, kWord = 4, kReal = 8;
}

// The concrete preferences: a code name, then 520 bytes of numbered fields.
inline constexpr PackedRun kConcretePreferenceFields[] = {
    {"Int", 1, 5, concrete::kI32},   {"Real", 1, 2, concrete::kReal},   {"Int", 6, 6, concrete::kI32},
    {"Real", 3, 6, concrete::kReal}, {"Int", 7, 7, concrete::kI32},     {"Real", 7, 33, concrete::kReal},
    {"Int", 8, 11, concrete::kI32},  {"Real", 34, 40, concrete::kReal}, {"Int", 12, 12, concrete::kI32},
    {"Real", 41, 56, concrete::kReal}, {"Int", 13, 14, concrete::kI32}, {"Real", 57, 58, concrete::kReal},
};
inline constexpr std::size_t kConcretePreferenceBytes = PackedPartSize(kConcretePreferenceFields, 0);
static_assert(kConcretePreferenceBytes == 520 && FindPackedField(kConcretePreferenceFields, "Real53").offset == 464);

struct ConcretePreferences {
    std::string CodeName;
    Bytes<kConcretePreferenceBytes> Block{};
};
template <class Io>
void fields(Io& io, ConcretePreferences& r) { io(r.CodeName, r.Block); }

// The preferences reset to their defaults, `codeName` through
// DefaultConcreteCodeName. The defaults are those of frame kind 0, the only kind
// the conversion resets with.
ConcretePreferences ResetConcretePreferences(std::string_view codeName, std::int32_t frameKind);

// "ConcreteData": 316 bytes of numbered fields, one raw block.
inline constexpr PackedRun kConcreteOverwriteFields[] = {
    {"Word", 1, 1, concrete::kWord},   {"Int", 1, 5, concrete::kI32},     {"Real", 1, 14, concrete::kReal},
    {"Word", 2, 9, concrete::kWord},   {"Real", 15, 25, concrete::kReal}, {"Int", 6, 6, concrete::kI32},
    {"Word", 10, 19, concrete::kWord}, {"Real", 26, 26, concrete::kReal}, {"Word", 20, 21, concrete::kWord},
};
inline constexpr std::size_t kConcreteOverwriteBytes = PackedPartSize(kConcreteOverwriteFields, 0);
static_assert(kConcreteOverwriteBytes == 316 && FindPackedField(kConcreteOverwriteFields, "Word20").offset == 308);

struct ConcreteOverwriteRecord {
    Bytes<kConcreteOverwriteBytes> Data{};
};
template <class Io>
void fields(Io& io, ConcreteOverwriteRecord& r) { io(r.Data); }

// "ConcreteEnvelopes": a 16-bit value, a plain block, the element records and a
// trailing block. Read from the newest layout and kept, never written.
template <std::size_t N>
struct ConcreteEnvelopeElement {
    Bytes<N> Data{};
};
template <class Io, std::size_t N>
void fields(Io& io, ConcreteEnvelopeElement<N>& r) { io(r.Data); }

template <std::size_t P, std::size_t E, std::size_t T>
struct ConcreteEnvelopeOf {
    std::int16_t Value1 = 0;
    Bytes<P> Block{};
    DynArray<ConcreteEnvelopeElement<E>> Elements;
    Bytes<T> Trailing{};
};
template <class Io, std::size_t P, std::size_t E, std::size_t T>
void fields(Io& io, ConcreteEnvelopeOf<P, E, T>& r) { io(r.Value1, r.Block, r.Elements, r.Trailing); }

struct ConcreteEnvelopeRecord : ConcreteEnvelopeOf<16, 560, 160> {};

struct ConcreteDesignData {
    ConcretePreferences Preferences;
    std::int16_t EnvelopesPresent = 0;
    std::int16_t StatusFlag = 0;
    Table<ConcreteOverwriteRecord> ConcreteData{"ConcreteData", Allocator::Object};
    // Sized by AllocateOutputTable to the "ConcreteData" count.
    Table<ConcreteEnvelopeRecord> ConcreteEnvelopes{"ConcreteEnvelopes", Allocator::Output};

    void Register(TableRegistry& reg, OutputRegistry& outputs) {
        reg.Add(ConcreteData);
        outputs.Add(ConcreteEnvelopes);
    }
};

}  // namespace kmd
