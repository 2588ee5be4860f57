#include "tables/stories.h"

#include <span>
#include <string>

#include "legacy/stories.h"
#include "tables/table_io.h"

namespace kmd {

namespace {

constexpr Layout<DiaphragmRecord> kDiaphragmLayouts[] = {
    UpTo<DiaphragmA, ImportDiaphragmA>(kDiaphragmAUpTo),
    Newest<DiaphragmRecord>(),
};

constexpr Layout<StoryRecord> kStoryLayouts[] = {
    UpTo<StoryRecordA, ImportStoryA>(kStoryAUpTo),
    Newest<StoryRecord>(),
};

// N stories are held as N + 1 records, each with values for every diaphragm.
void ReadStories(Reader& in, Conversion& cv) {
    auto& t = cv.model.stories.Story;
    in.SetTable(t.name);
    const std::int32_t diaphragms = cv.model.stories.Diaphragm.count;
    const std::size_t countAt = in.Offset();
    t.count = in.I32();
    if (t.count <= 0) return;
    if (diaphragms < 0)
        in.FailAt(countAt, "stories need their per-diaphragm values, but the diaphragm count is negative (" +
                               std::to_string(diaphragms) + ")");
    const auto& layout = LayoutFor(std::span<const Layout<StoryRecord>>(kStoryLayouts), cv, t.name);
    const std::int64_t records = std::int64_t(t.count) + 1;
    in.CheckCount(records, layout.minSize());
    cv.model.AllocateObjectTable(t.name, std::int32_t(records), t.capacity);
    for (std::int64_t i = 1; i <= records; ++i) {
        const std::size_t at = in.Offset();
        layout.read(in, t[i], cv);
        t[i].Diaphragms = diaphragms;
        CheckRecord(in, at, t[i]);
    }
}

// Whether one of S4 to S17 lacks a value for one of the story's diaphragms.
bool LacksDiaphragmValues(const StoryRecord& r) {
    const std::int32_t d = r.Diaphragms;
    bool lacks = !r.S4.Holds(1, d) || !r.S5.Holds(1, d) || !r.S17.Holds(1, d);
    for (const auto& reals : r.S6ToS16) lacks = lacks || !reals.Holds(1, d);
    return lacks;
}

}  // namespace

void ReadStoryTables(Reader& in, Conversion& cv) {
    ReadTable(in, cv, cv.model.stories.Diaphragm, kDiaphragmLayouts);
    ReadStories(in, cv);
}

void WriteStoryTables(Writer& out, const Conversion& cv) {
    const auto& s = cv.model.stories;
    WriteTable(out, s.Diaphragm);

    out.SetTable(s.Story.name);
    out.CountTable(s.Story.name, s.Story.count);
    out.I32(s.Story.count);
    if (s.Story.count <= 0) return;
    const std::int64_t records = std::int64_t(s.Story.count) + 1;
    for (std::int64_t i = 1; i <= records; ++i) {
        const StoryRecord& r = s.Story[i];
        out(r);
        if (LacksDiaphragmValues(r))
            out.Note("Story \"" + r.Name + "\" holds values for fewer than " + std::to_string(r.Diaphragms) +
                 " diaphragms; the missing values are written empty.");
    }
}

// Each story takes the diaphragm count its values are written for.
void ReadBackStoryTables(Reader& in, Conversion& cv) {
    auto& s = cv.model.stories;
    ReadCurrentTable(in, cv, s.Diaphragm);

    auto& t = s.Story;
    in.SetTable(t.name);
    const std::size_t countAt = in.Offset();
    t.count = in.I32();
    cv.report.tables.push_back({t.name, t.count});
    if (t.count <= 0) return;
    if (s.Diaphragm.count < 0)
        in.FailAt(countAt, "stories need their per-diaphragm values, but the diaphragm count is negative (" +
                               std::to_string(s.Diaphragm.count) + ")");
    const std::int64_t records = std::int64_t(t.count) + 1;
    CheckRecordCount(in, records);
    in.CheckCount(records, 1);
    cv.model.AllocateObjectTable(t.name, std::int32_t(records), t.capacity);
    for (std::int64_t i = 1; i <= records; ++i) {
        StoryRecord& r = t[i];
        r.Diaphragms = s.Diaphragm.count;
        in(r);
    }
}

}  // namespace kmd
