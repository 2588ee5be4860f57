#include "tables/coordinates.h"

#include "legacy/coordinates.h"
#include "tables/table_io.h"

namespace kmd {

namespace {

constexpr Layout<CoordSystemRecord> kCoordSystemLayouts[] = {
    UpTo<OldCoordSystemRecord, ImportOldCoordSystem>(kOldCoordSystemUpTo),
    UpTo<CoordSystemA, ImportCoordSystemA>(kCoordSystemAUpTo),
    UpTo<CoordSystemB, ImportCoordSystemB>(kCoordSystemBUpTo),
    Newest<CoordSystemRecord>(),
};

constexpr Layout<ReferenceLineRecord> kReferenceLineLayouts[] = {
    UpTo<ReferenceLineA, ImportReferenceLineA>(kReferenceLineAUpTo),
    Newest<ReferenceLineRecord>(),
};

constexpr Layout<ReferencePlaneRecord> kReferencePlaneLayouts[] = {
    UpTo<ReferencePlaneA, ImportReferencePlaneA>(kReferencePlaneAUpTo),
    Newest<ReferencePlaneRecord>(),
};

// Grid count and array of direction k (1..3).
std::int32_t& GridCount(CoordSystemRecord& r, std::int32_t k) {
    return k == 1 ? r.GridCount1 : k == 2 ? r.GridCount2 : r.GridCount3;
}
DynArray<GridLineRecord>& Grid(CoordSystemRecord& r, std::int32_t k) {
    return k == 1 ? r.Grid1 : k == 2 ? r.Grid2 : r.Grid3;
}

// Appends an old grid line to grid `Direction` of system `System`; a line that
// names no system or no direction is dropped.
void MergeOldGridLine(Conversion& cv, const OldGridLineRecord& old) {
    auto& systems = cv.model.coords.CoordSystem;
    if (old.System < 1 || old.System > systems.count) return;
    if (old.Direction < 1 || old.Direction > 3) return;
    CoordSystemRecord& cs = systems[old.System];
    std::int32_t& count = GridCount(cs, old.Direction);
    DynArray<GridLineRecord>& grid = Grid(cs, old.Direction);
    // Systems of these versions start without grid lines, so the array is 1..count.
    if (!grid.HasStorage()) grid = DynArray<GridLineRecord>::Sized(1, 0);
    const std::int32_t n = count + 1;
    grid.items.push_back(BuildGridLine(old, n, old.Direction, cv.model.stories.Story.count));
    grid.dims[0].count = std::uint32_t(grid.items.size());
    count = n;
}

// The separate grid line table: a count, then lines merged into their systems.
void ReadOldGridLines(Reader& in, Conversion& cv) {
    in.SetTable("old grid lines");
    const std::int32_t count = in.I32();
    if (count <= 0) return;
    in.CheckCount(count, MinEncodedSize<OldGridLineRecord>());
    OldGridLineRecord old;
    for (std::int32_t i = 1; i <= count; ++i) {
        const std::size_t at = in.Offset();
        in(old);
        CheckRecord(in, at, old);
        MergeOldGridLine(cv, old);
    }
}

}  // namespace

void ReadCoordinateTables(Reader& in, Conversion& cv) {
    const double v = cv.FileVersion;
    auto& c = cv.model.coords;
    ReadTable(in, cv, c.CoordSystem, kCoordSystemLayouts);
    if (v < kGridLinesInSystemsFrom) ReadOldGridLines(in, cv);
    if (v <= kNoReferenceTablesUpTo) return;
    ReadTable(in, cv, c.ReferenceLine, kReferenceLineLayouts);
    ReadTable(in, cv, c.ReferencePlane, kReferencePlaneLayouts);
}

void WriteCoordinateTables(Writer& out, const Conversion& cv) {
    const auto& c = cv.model.coords;
    WriteTable(out, c.CoordSystem);
    WriteTable(out, c.ReferenceLine);
    WriteTable(out, c.ReferencePlane);
}

void ReadBackCoordinateTables(Reader& in, Conversion& cv) {
    auto& c = cv.model.coords;
    ReadCurrentTable(in, cv, c.CoordSystem);
    ReadCurrentTable(in, cv, c.ReferenceLine);
    ReadCurrentTable(in, cv, c.ReferencePlane);
}

}  // namespace kmd
