#include "tables/labels.h"

#include "tables/table_io.h"

namespace kmd {

namespace {

// A label table: its count, a 32-bit value of its own, then the records.
template <class T>
void ReadLabelTable(Reader& in, Conversion& cv, LabelTable<T>& t) {
    in.SetTable(t.name);
    in(t.count, t.TableExtra);
    if (t.count <= 0) return;
    in.CheckCount(t.count, MinEncodedSize<T>());
    AllocateRecords(cv, t);
    static constexpr Layout<T> kOnly = Newest<T>();
    for (std::int32_t i = 1; i <= t.count; ++i) ReadRecord(in, cv, kOnly, t[i]);
}

template <class T>
void WriteLabelTable(Writer& out, const LabelTable<T>& t) {
    out.SetTable(t.name);
    out.CountTable(t.name, t.count);
    out(t.count, t.TableExtra);
    for (std::int32_t i = 1; i <= t.count; ++i) out(t[i]);
}

template <class T>
void ReadBackLabelTable(Reader& in, Conversion& cv, LabelTable<T>& t) {
    in.SetTable(t.name);
    in(t.count, t.TableExtra);
    cv.report.tables.push_back({t.name, t.count});
    if (t.count <= 0) return;
    CheckRecordCount(in, t.count);
    in.CheckCount(t.count, CurrentMinSize<T>());
    AllocateRecords(cv, t);
    for (std::int32_t i = 1; i <= t.count; ++i) in(t[i]);
}

}  // namespace

void ReadLabelTables(Reader& in, Conversion& cv) {
    LabelData& d = cv.model.labels;
    d.ForEach([&](auto& t) { ReadLabelTable(in, cv, t); });
}

void WriteLabelTables(Writer& out, const Conversion& cv) {
    const LabelData& d = cv.model.labels;
    d.ForEach([&](const auto& t) { WriteLabelTable(out, t); });
}

void ReadBackLabelTables(Reader& in, Conversion& cv) {
    LabelData& d = cv.model.labels;
    d.ForEach([&](auto& t) { ReadBackLabelTable(in, cv, t); });
}

}  // namespace kmd
