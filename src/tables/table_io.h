// The common shape of a table in both files: a 32-bit count, then the records.
#pragma once

#include <string_view>
#include <type_traits>

#include "driver/conversion.h"
#include "fileformat/encoding.h"
#include "model/store.h"

namespace kmd {

// Reads a table's count; when it is positive, checks it against the rest of the
// file and allocates the table by name. A negative count (a damaged file) is kept
// as held and reads no records. Returns whether records follow.
template <class Rec>
bool ReadTableCount(Reader& in, Conversion& cv, std::string_view name, Table<Rec>& t, std::size_t minRecordSize,
                    Allocator kind = Allocator::Table) {
    in.SetTable(name);
    t.count = in.I32();
    if (t.count <= 0) return false;
    in.CheckCount(t.count, minRecordSize);
    if (kind == Allocator::Table)
        cv.model.AllocateTable(name, t.count, t.capacity);
    else
        cv.model.AllocateObjectTable(name, t.count, t.capacity);
    return true;
}

// Reads one table whose records have the layout `Legacy`, each converted by
// `import` (not called when `Legacy` is the in-memory record, which is read
// straight into the table).
template <class Legacy, class Rec, class Import>
void ReadTableAs(Reader& in, Conversion& cv, Allocator kind, std::string_view name, Table<Rec>& t, Import import) {
    if (!ReadTableCount(in, cv, name, t, MinEncodedSize<Legacy>(), kind)) return;
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

// A table whose legacy records are the in-memory records.
template <class Rec>
void ReadTable(Reader& in, Conversion& cv, Allocator kind, std::string_view name, Table<Rec>& t) {
    ReadTableAs<Rec>(in, cv, kind, name, t, [](const Rec& r) { return r; });
}

// Writes the count, then records 1..count through `exportRecord(out, record)`.
template <class Rec, class Export>
void WriteTable(Writer& out, std::string_view name, const Table<Rec>& t, Export exportRecord) {
    out.SetTable(name);
    out.I32(t.count);
    for (std::int32_t i = 1; i <= t.count; ++i) exportRecord(out, t[i]);
}

// A table whose current records are the in-memory records.
template <class Rec>
void WriteTable(Writer& out, std::string_view name, const Table<Rec>& t) {
    WriteTable(out, name, t, [](Writer& o, const Rec& r) { o(r); });
}

}  // namespace kmd
