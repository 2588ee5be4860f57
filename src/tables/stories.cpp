#include "tables/stories.h"

#include <string>
#include <string_view>
#include <utility>

#include "legacy/stories.h"

namespace kmd {

namespace {

// Items 1..D of S17 are written with their arrays rebuilt to 0..their count.
void CheckStoryItems(const Reader& in, std::size_t at, const StoryRecord& r, std::int32_t diaphragms) {
    for (std::int32_t j = 1; j <= diaphragms; ++j) {
        const StoryDiaphragmItem* item = r.S17.Find(j);
        if (!item) continue;
        if (item->Count < 0)
            in.FailAt(at, "diaphragm item " + std::to_string(j) + ": negative element count " +
                              std::to_string(item->Count));
        if (!item->Values.Holds(1, item->Count))
            in.FailAt(at, "diaphragm item " + std::to_string(j) + ": the stored array lacks elements 1 to " +
                              std::to_string(item->Count));
    }
}

void ReadDiaphragms(Reader& in, Conversion& cv) {
    in.SetTable("Diaphragm");
    const double v = cv.FileVersion;
    auto& t = cv.model.stories.Diaphragm;
    t.count = in.I32();
    if (t.count <= 0) return;
    in.CheckCount(t.count, v <= 8.505 ? MinEncodedSize<DiaphragmA>() : MinEncodedSize<DiaphragmRecord>());
    cv.model.AllocateObjectTable("Diaphragm", t.count, t.capacity);
    for (std::int32_t i = 1; i <= t.count; ++i) {
        if (v <= 8.505) {
            DiaphragmA a;
            in(a);
            t[i] = ImportDiaphragmA(a);
        } else {
            in(t[i]);
        }
    }
}

void ReadStories(Reader& in, Conversion& cv) {
    in.SetTable("Story");
    const double v = cv.FileVersion;
    auto& t = cv.model.stories.Story;
    const std::int32_t diaphragms = cv.model.stories.Diaphragm.count;
    const std::size_t countAt = in.Offset();
    t.count = in.I32();
    if (t.count <= 0) return;
    if (diaphragms < 0)
        in.FailAt(countAt, "stories need their per-diaphragm values, but the diaphragm count is negative (" +
                               std::to_string(diaphragms) + ")");
    // N stories are held as N + 1 records.
    const std::int64_t records = std::int64_t(t.count) + 1;
    in.CheckCount(records, v <= 7.985 ? MinEncodedSize<StoryRecordA>() : MinEncodedSize<StoryRecord>());
    cv.model.AllocateObjectTable("Story", std::int32_t(records), t.capacity);
    for (std::int64_t i = 1; i <= records; ++i) {
        const std::size_t at = in.Offset();
        if (v <= 7.985) {
            StoryRecordA a;
            in(a);
            t[i] = UpgradeStoryRecord(std::move(a));
        } else {
            in(t[i]);
        }
        CheckStoryItems(in, at, t[i], diaphragms);
    }
}

// Writes `held` with bounds 0..d; elements it lacks are written empty.
template <class T>
void WritePerDiaphragm(Writer& out, const DynArray<T>& held, std::int32_t d, bool& lacking) {
    if (!held.Holds(1, d)) lacking = true;
    WriteRebuilt0Filled(out, held, d);
}

void ExportStory(Writer& out, const StoryRecord& r, std::int32_t d) {
    bool lacking = false;
    out(r.Name, r.S1, r.S2, r.S3);
    WritePerDiaphragm(out, r.S4, d, lacking);
    WritePerDiaphragm(out, r.S5, d, lacking);
    for (const auto& reals : r.S6ToS16) WritePerDiaphragm(out, reals, d, lacking);

    // Element 0 and items the held array lacks are empty items (inner array
    // without storage); the others get their arrays rebuilt to 0..count.
    out.ArrayHeader0(std::uint64_t(d));
    out(StoryDiaphragmItem{});
    for (std::int32_t j = 1; j <= d; ++j) {
        if (const StoryDiaphragmItem* item = r.S17.Find(j)) {
            out(item->Count, item->Word);
            WriteRebuilt0(out, item->Values, item->Count, "diaphragm item");
        } else {
            out(StoryDiaphragmItem{});
            lacking = true;
        }
    }
    out(r.S18, r.S19);

    if (lacking)
        out.Note("Story \"" + r.Name + "\" holds values for fewer than " + std::to_string(d) +
                    " diaphragms; the missing values are written empty.");
}

}  // namespace

void ReadStoryTables(Reader& in, Conversion& cv) {
    ReadDiaphragms(in, cv);
    ReadStories(in, cv);
}

void WriteStoryTables(Writer& out, const Conversion& cv) {
    const auto& s = cv.model.stories;

    out.SetTable("Diaphragm");
    out(s.Diaphragm.count);
    for (std::int32_t i = 1; i <= s.Diaphragm.count; ++i) {
        const DiaphragmRecord& r = s.Diaphragm[i];
        // The name as a variable-length string of its 8 held characters.
        out(std::string_view(r.Name.chars.data(), r.Name.chars.size()), r.D1, r.D2);
    }

    out.SetTable("Story");
    out(s.Story.count);
    if (s.Story.count <= 0) return;
    const std::int32_t d = s.Diaphragm.count;
    if (d < 0) out.Fail("stories need their per-diaphragm values, but the diaphragm count is negative");
    const std::int64_t records = std::int64_t(s.Story.count) + 1;
    for (std::int64_t i = 1; i <= records; ++i) ExportStory(out, s.Story[i], d);
}

}  // namespace kmd
