// The common shape of a table in both files: a 32-bit count, then the records;
// and the declaration of a table's legacy layouts by file version.
#pragma once

#include <concepts>
#include <limits>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "driver/conversion.h"
#include "fileformat/encoding.h"
#include "model/store.h"

namespace kmd {

// One legacy layout of a table's records: read for files up to `upTo` (a file
// version equal to it takes this layout), then converted into the record.
template <class Rec>
struct Layout {
    double upTo;
    std::size_t (*minSize)();  // fewest bytes a record of this layout takes
    void (*read)(Reader& in, Rec& rec, const Conversion& cv);
};

// Runs an import conversion, `Rec Import(Legacy&&)` or
// `Rec Import(Legacy&&, const Conversion&)`.
template <auto Import, class Legacy>
auto RunImport(Legacy&& legacy, const Conversion& cv) {
    if constexpr (std::is_invocable_v<decltype(Import), Legacy&&, const Conversion&>)
        return Import(std::move(legacy), cv);
    else
        return Import(std::move(legacy));
}

// A legacy layout `Legacy` read up to version `upTo` and converted by `Import`.
template <class Legacy, auto Import>
constexpr auto UpTo(double upTo) {
    using Rec = decltype(RunImport<Import>(std::declval<Legacy>(), std::declval<const Conversion&>()));
    return Layout<Rec>{upTo, &MinEncodedSize<Legacy>, [](Reader& in, Rec& rec, const Conversion& cv) {
                           Legacy legacy;
                           in(legacy);
                           rec = RunImport<Import>(std::move(legacy), cv);
                       }};
}

// Imports applied one after the other: a legacy layout brought up through the
// newer layouts, `Chain<ImportA, ImportB, ImportC>`, is one import.
template <auto First, auto... Rest>
struct ChainedImport {
    template <class Legacy>
    auto operator()(Legacy&& legacy) const {
        if constexpr (sizeof...(Rest) == 0)
            return First(std::move(legacy));
        else
            return ChainedImport<Rest...>{}(First(std::move(legacy)));
    }
};
template <auto... Imports>
inline constexpr ChainedImport<Imports...> Chain{};

// The newest layout: the record itself, read straight by its field list.
template <class Rec>
constexpr Layout<Rec> Newest() {
    return {std::numeric_limits<double>::infinity(), &MinEncodedSize<Rec>,
            [](Reader& in, Rec& rec, const Conversion&) { in(rec); }};
}

// The layout of file version v in a list ordered oldest first and ending in Newest.
template <class Rec>
const Layout<Rec>& LayoutFor(std::span<const Layout<Rec>> layouts, double v) {
    for (const Layout<Rec>& l : layouts)
        if (v <= l.upTo) return l;
    return layouts.back();
}

// The same for the file being converted; the report notes the layout taken.
template <class Rec>
const Layout<Rec>& LayoutFor(std::span<const Layout<Rec>> layouts, const Conversion& cv, std::string_view table) {
    const Layout<Rec>& l = LayoutFor(layouts, cv.FileVersion);
    if (layouts.size() > 1) {
        const std::size_t i = std::size_t(&l - layouts.data());
        cv.report.Layout(table, int(i + 1), int(layouts.size()),
                         i ? layouts[i - 1].upTo : -std::numeric_limits<double>::infinity(), l.upTo);
    }
    return l;
}

// Allocates records for the table's count by its name and allocator.
template <class Rec>
void AllocateRecords(Conversion& cv, Table<Rec>& t) {
    if (t.kind == Allocator::Table)
        cv.model.AllocateTable(t.name, t.count, t.capacity);
    else if (t.kind == Allocator::Object)
        cv.model.AllocateObjectTable(t.name, t.count, t.capacity);
    else
        throw std::logic_error(std::string("output table ") + t.name + " is sized by its reader");
}

// Reads a table's count; when it is positive, checks it against the rest of the
// file and allocates the table. A negative count (a damaged file) is kept as held
// and reads no records. Returns whether records follow.
template <class Rec>
bool ReadTableCount(Reader& in, Conversion& cv, Table<Rec>& t, std::size_t minRecordSize) {
    in.SetTable(t.name);
    t.count = in.I32();
    if (t.count <= 0) return false;
    in.CheckCount(t.count, minRecordSize);
    AllocateRecords(cv, t);
    return true;
}

// Reads one record in `layout` and checks it.
template <class Rec>
void ReadRecord(Reader& in, const Conversion& cv, const Layout<Rec>& layout, Rec& rec) {
    const std::size_t at = in.Offset();
    try {
        layout.read(in, rec, cv);
    } catch (const RecordCorrupt& e) {
        in.FailAt(at + e.at, e.what());
    }
    CheckRecord(in, at, rec);
}

// Reads a table whose records have the layouts `layouts` (oldest first).
template <class Rec, std::size_t N>
void ReadTable(Reader& in, Conversion& cv, Table<Rec>& t, const Layout<Rec> (&layouts)[N]) {
    const Layout<Rec>& layout = LayoutFor(std::span<const Layout<Rec>>(layouts), cv, t.name);
    if (!ReadTableCount(in, cv, t, layout.minSize())) return;
    for (std::int32_t i = 1; i <= t.count; ++i) ReadRecord(in, cv, layout, t[i]);
}

// Reads `count` records of `layout` that are dropped: only read to stay in step
// with the file, so they are neither checked nor can their conversion fail it.
template <class Rec>
void SkipRecords(Reader& in, const Conversion& cv, const Layout<Rec>& layout, std::int64_t count) {
    if (count <= 0) return;
    in.CheckCount(count, layout.minSize());
    Rec dropped;
    for (std::int64_t i = 1; i <= count; ++i) {
        try {
            layout.read(in, dropped, cv);
        } catch (const RecordCorrupt&) {
        }
    }
}

// Reads a table whose records are dropped (a design block without its code):
// the count, then the records. Returns the count as held.
template <class Rec, std::size_t N>
std::int32_t SkipTable(Reader& in, const Conversion& cv, std::string_view name, const Layout<Rec> (&layouts)[N]) {
    in.SetTable(name);
    const std::int32_t count = in.I32();
    SkipRecords(in, cv, LayoutFor(std::span<const Layout<Rec>>(layouts), cv, name), count);
    return count;
}

// A table whose records are the same in every version.
template <class Rec>
void ReadTable(Reader& in, Conversion& cv, Table<Rec>& t) {
    static constexpr Layout<Rec> kOnly[] = {Newest<Rec>()};
    ReadTable(in, cv, t, kOnly);
}

// Writes the count, then records 1..count in the current layout.
template <class Rec>
void WriteTable(Writer& out, const Table<Rec>& t) {
    out.SetTable(t.name);
    out.CountTable(t.name, t.count);
    out.I32(t.count);
    for (std::int32_t i = 1; i <= t.count; ++i) out(t[i]);
}

// Reads a value that the writer writes as a constant. Another value is data
// this reader does not hold (design envelopes, say) or damage: the file is
// refused rather than misread.
template <class T>
void ReadConstant(Reader& in, T expected, std::string_view what) {
    const std::size_t at = in.Offset();
    const T v = in.Get<T>();
    if (v != expected)
        in.FailAt(at, std::string(what) + " is " + std::to_string(v) + "; files in the current layout written by this "
                  "converter hold " + std::to_string(expected) + ", and nothing else can be read back");
}

// The allocators size a table in blocks of up to 20 records within 32 bits.
inline void CheckRecordCount(Reader& in, std::int64_t count) {
    constexpr std::int64_t kMostRecords = std::numeric_limits<std::int32_t>::max() - 40;
    if (count > kMostRecords) in.Fail("record count " + std::to_string(count) + " exceeds what a table can hold");
}

// Reads a table of the current file back, as WriteTable wrote it.
template <class Rec>
void ReadCurrentTable(Reader& in, Conversion& cv, Table<Rec>& t) {
    in.SetTable(t.name);
    t.count = in.I32();
    cv.report.tables.push_back({t.name, t.count});
    if (t.count <= 0) return;
    CheckRecordCount(in, t.count);
    in.CheckCount(t.count, CurrentMinSize<Rec>());
    if (t.kind == Allocator::Output) {
        t.Reallocate(t.count);
        t.capacity = t.count;
    } else {
        AllocateRecords(cv, t);
    }
    for (std::int32_t i = 1; i <= t.count; ++i) in(t[i]);
}

}  // namespace kmd
