#include "tables/results.h"

#include "legacy/results.h"
#include "tables/table_io.h"

namespace kmd {

namespace {

// Records 1..count of a results table, sized by its count (read before the tables).
template <class Rec>
void ReadResultsTable(Reader& in, const Conversion& cv, Table<Rec>& t) {
    in.SetTable(t.name);
    if (t.count <= 0) return;
    in.CheckCount(t.count, MinEncodedSize<Rec>());
    t.Reallocate(t.count);
    t.capacity = t.count;
    static constexpr Layout<Rec> kLayout = Newest<Rec>();
    for (std::int32_t i = 1; i <= t.count; ++i) ReadRecord(in, cv, kLayout, t[i]);
}

// Files up to 9.0015: C1, C2, the counts of R1..R7 and of R9..R13. Records are
// never read: when any count announces some, every count but those below 1 of
// a file without records becomes 0 and the reading ends.
void ReadResultCounts(Reader& in, const Conversion& cv, ResultsData& d) {
    in.SetTable("analysis results counts");
    std::int32_t c1 = in.I32(), c2 = in.I32();
    bool announced = false;
    std::int32_t* counts[] = {&d.R1.count, &d.R2.count, &d.R3.count,  &d.R4.count,  &d.R5.count,  &d.R6.count,
                              &d.R7.count, &d.R9.count, &d.R10.count, &d.R11.count, &d.R12.count, &d.R13.count};
    for (std::int32_t* c : counts) {
        *c = in.I32();
        if (*c > 0) announced = true;
    }
    if (announced) {
        std::int64_t records = 0;
        for (std::int32_t* c : counts) records += *c > 0 ? *c : 0;
        cv.report.Drop("analysis results of an older version", records);
        for (std::int32_t* c : counts) *c = 0;
        c1 = c2 = 0;
        d.EndedReading = true;
    }
    d.Counts[0] = c1;
    d.Counts[1] = c2;
}

}  // namespace

void ReadResultsSection(Reader& in, Conversion& cv) {
    ResultsData& d = cv.model.results;
    const double v = cv.FileVersion;
    if (v <= kNoResultsUpTo) return;
    if (v <= kResultCountsUpTo) {
        ReadResultCounts(in, cv, d);
        return;
    }
    in.SetTable("analysis results");
    d.ResultsFormat = in.I32();
    if (d.ResultsFormat < kResultsFormat) {
        cv.report.Drop("analysis results of an older format", 0, true);
        return;
    }
    in(d.ResultsHeader, d.Counts);
    d.ForEachTable([&](auto& t) { t.count = in.I32(); });
    d.ForEachTable([&](auto& t) { ReadResultsTable(in, cv, t); });
}

// C4 is written as 0: the setting it comes from is never loaded.
void WriteResultsSection(Writer& out, const Conversion& cv) {
    const ResultsData& d = cv.model.results;
    out.SetTable("analysis results");
    out.I32(kResultsFormat);
    out(d.ResultsHeader, d.Counts[0], d.Counts[1], d.Counts[2], std::int32_t(0));
    d.ForEachTable([&](const auto& t) {
        out.CountTable(t.name, t.count);
        out.I32(t.count);
    });
    d.ForEachTable([&](const auto& t) {
        out.SetTable(t.name);
        for (std::int32_t i = 1; i <= t.count; ++i) out(t[i]);
    });
}

void ReadBackResultsSection(Reader& in, Conversion& cv) {
    ResultsData& d = cv.model.results;
    in.SetTable("analysis results");
    ReadConstant<std::int32_t>(in, kResultsFormat, "the results format");
    in(d.ResultsHeader, d.Counts[0], d.Counts[1], d.Counts[2]);
    ReadConstant<std::int32_t>(in, 0, "C4");
    d.ForEachTable([&](auto& t) {
        t.count = in.I32();
        cv.report.tables.push_back({t.name, t.count});
    });
    d.ForEachTable([&](auto& t) {
        in.SetTable(t.name);
        if (t.count <= 0) return;
        in.CheckCount(t.count, 1);
        t.Reallocate(t.count);
        t.capacity = t.count;
        for (std::int32_t i = 1; i <= t.count; ++i) in(t[i]);
    });
}

}  // namespace kmd
