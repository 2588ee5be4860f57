// Legacy layouts of the point assignment tables, and the table framing shared
// by the assignment families (a 32-bit count, then the records).
#pragma once

#include <string_view>
#include <type_traits>

#include "driver/conversion.h"
#include "fileformat/encoding.h"
#include "model/point_assign.h"

namespace kmd {

// "Constraint" of files up to this version: 8-character name.
inline constexpr double kConstraintFixedNameUpTo = 8.075;

struct ConstraintA {
    FixedString<8> Name;
    std::int32_t CValue1 = 0;
    std::int32_t CValue2 = 0;
    std::int32_t CUnused = 0;
    std::array<std::int32_t, 6> CRefs{};
    std::int32_t CValue3 = 0;
    std::int32_t CValue4 = 0;
    std::int32_t CValue5 = 0;
    std::int16_t CCode1 = 0;
    std::int16_t CCode2 = 0;
};
template <class Io>
void fields(Io& io, ConstraintA& r) {
    io(r.Name, r.CValue1, r.CValue2, r.CUnused, r.CRefs, r.CValue3, r.CValue4, r.CValue5, r.CCode1, r.CCode2);
}

// Name trimmed; the legacy CUnused is not kept.
ConstraintRecord ImportConstraintA(const ConstraintA& a);

// Reads one table: its 32-bit count and, when the count is above 0, the records
// in the layout `Legacy`, each converted by `import` (not called when `Legacy`
// is the in-memory record, which is read straight into the table). A count
// below 0 reads nothing further and is kept as it is.
template <class Legacy, class Rec, class Import>
void ReadAssignTableAs(Reader& in, Conversion& cv, Allocator kind, std::string_view name, Table<Rec>& t,
                       Import import) {
    in.SetTable(name);
    t.count = in.I32();
    if (t.count <= 0) return;
    in.CheckCount(t.count, MinEncodedSize<Legacy>());
    if (kind == Allocator::Table)
        cv.model.AllocateTable(name, t.count, t.capacity);
    else
        cv.model.AllocateObjectTable(name, t.count, t.capacity);
    if constexpr (std::is_same_v<Legacy, Rec>) {
        for (std::int32_t i = 1; i <= t.count; ++i) in(t[i]);
    } else {
        Legacy r;
        for (std::int32_t i = 1; i <= t.count; ++i) {
            in(r);
            t[i] = import(r);
        }
    }
}

// Per-object table whose legacy records are the in-memory records.
template <class Rec>
void ReadAssignTable(Reader& in, Conversion& cv, std::string_view name, Table<Rec>& t) {
    ReadAssignTableAs<Rec>(in, cv, Allocator::Object, name, t, [](const Rec& r) { return r; });
}

// Writes the count, then records 1..count through `exportRecord(out, record)`.
template <class Rec, class Export>
void WriteAssignTable(Writer& out, std::string_view name, const Table<Rec>& t, Export exportRecord) {
    out.SetTable(name);
    out.I32(t.count);
    for (std::int32_t i = 1; i <= t.count; ++i) exportRecord(out, t[i]);
}

// Writes a table whose current records are the in-memory records.
template <class Rec>
void WriteAssignTable(Writer& out, std::string_view name, const Table<Rec>& t) {
    WriteAssignTable(out, name, t, [](Writer& o, const Rec& r) { o(r); });
}

}  // namespace kmd
