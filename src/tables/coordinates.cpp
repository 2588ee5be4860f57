#include "tables/coordinates.h"

#include <string>
#include <utility>

#include "legacy/coordinates.h"

namespace kmd {

namespace {

// Grid count and array of direction k (1..3).
std::int32_t& GridCount(CoordSystemRecord& r, std::int32_t k) {
    return k == 1 ? r.GridCount1 : k == 2 ? r.GridCount2 : r.GridCount3;
}
DynArray<GridLineRecord>& Grid(CoordSystemRecord& r, std::int32_t k) {
    return k == 1 ? r.Grid1 : k == 2 ? r.Grid2 : r.Grid3;
}

// The writer rebuilds every grid array with bounds 0..its count.
void CheckGrid(const Reader& in, std::size_t at, const DynArray<GridLineRecord>& grid, std::int32_t count,
               const char* what) {
    if (count < 0) in.FailAt(at, std::string(what) + ": negative grid line count " + std::to_string(count));
    if (!grid.Holds(1, count))
        in.FailAt(at, std::string(what) + ": the stored grid lacks lines 1 to " + std::to_string(count));
}

void CheckGrids(const Reader& in, std::size_t at, const CoordSystemRecord& r) {
    CheckGrid(in, at, r.Grid1, r.GridCount1, "grid 1");
    CheckGrid(in, at, r.Grid2, r.GridCount2, "grid 2");
    CheckGrid(in, at, r.Grid3, r.GridCount3, "grid 3");
    CheckGrid(in, at, r.Grid4, r.GridCount4, "grid 4");
}

void ReadCoordSystem(Reader& in, double v, CoordSystemRecord& r) {
    if (v > 8.125) {
        in(r);
    } else if (v > 8.075) {
        CoordSystemB b;
        in(b);
        r = ImportCoordSystemB(std::move(b));
    } else if (v > 7.985) {
        CoordSystemA a;
        in(a);
        r = ImportCoordSystemA(std::move(a));
    } else {
        OldCoordSystemRecord o;
        in(o);
        r = ImportOldCoordSystem(o);
    }
}

std::size_t CoordSystemMinSize(double v) {
    if (v > 8.125) return MinEncodedSize<CoordSystemRecord>();
    if (v > 8.075) return MinEncodedSize<CoordSystemB>();
    if (v > 7.985) return MinEncodedSize<CoordSystemA>();
    return MinEncodedSize<OldCoordSystemRecord>();
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

void ReadOldGridLines(Reader& in, Conversion& cv) {
    in.SetTable("old grid lines");
    const std::int32_t count = in.I32();
    if (count <= 0) return;
    in.CheckCount(count, MinEncodedSize<OldGridLineRecord>());
    OldGridLineRecord old;
    for (std::int32_t i = 1; i <= count; ++i) {
        in(old);
        MergeOldGridLine(cv, old);
    }
}

void ReadReferenceLines(Reader& in, Conversion& cv) {
    in.SetTable("ReferenceLine");
    const double v = cv.FileVersion;
    auto& t = cv.model.coords.ReferenceLine;
    t.count = in.I32();
    if (t.count <= 0) return;
    in.CheckCount(t.count, v <= 7.985 ? MinEncodedSize<ReferenceLineA>() : MinEncodedSize<ReferenceLineRecord>());
    cv.model.AllocateTable("ReferenceLine", t.count, t.capacity);
    for (std::int32_t i = 1; i <= t.count; ++i) {
        if (v <= 7.985) {
            ReferenceLineA a;
            in(a);
            t[i] = ImportReferenceLineA(a);
        } else {
            in(t[i]);
        }
    }
}

void ReadReferencePlanes(Reader& in, Conversion& cv) {
    in.SetTable("ReferencePlane");
    const double v = cv.FileVersion;
    auto& t = cv.model.coords.ReferencePlane;
    t.count = in.I32();
    if (t.count <= 0) return;
    in.CheckCount(t.count, v <= 7.995 ? MinEncodedSize<ReferencePlaneA>() : MinEncodedSize<ReferencePlaneRecord>());
    cv.model.AllocateTable("ReferencePlane", t.count, t.capacity);
    for (std::int32_t i = 1; i <= t.count; ++i) {
        if (v <= 7.995) {
            ReferencePlaneA a;
            in(a);
            t[i] = ImportReferencePlaneA(a);
        } else {
            in(t[i]);
        }
    }
}

// Current layout: the matrix row by row as reals 0..9, every grid 0..its count.
void ExportCoordSystem(Writer& out, const CoordSystemRecord& r) {
    out(r.Name, r.C1);
    out.ArrayHeader0(9);
    out.F64(0.0);
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j) out.F64(r.MatrixAt(i, j));
    out(r.C2, r.C3, r.GridCount1, r.GridCount2, r.GridCount3);
    WriteRebuilt0(out, r.Grid1, r.GridCount1, "grid 1");
    WriteRebuilt0(out, r.Grid2, r.GridCount2, "grid 2");
    WriteRebuilt0(out, r.Grid3, r.GridCount3, "grid 3");
    out(r.GridCount4, r.C4);
    WriteRebuilt0(out, r.Grid4, r.GridCount4, "grid 4");
    out(r.C5, r.C6);
}

}  // namespace

void ReadCoordinateTables(Reader& in, Conversion& cv) {
    const double v = cv.FileVersion;

    in.SetTable("CoordSystem");
    auto& systems = cv.model.coords.CoordSystem;
    systems.count = in.I32();
    if (systems.count > 0) {
        in.CheckCount(systems.count, CoordSystemMinSize(v));
        cv.model.AllocateTable("CoordSystem", systems.count, systems.capacity);
        for (std::int32_t i = 1; i <= systems.count; ++i) {
            std::size_t at = in.Offset();
            ReadCoordSystem(in, v, systems[i]);
            CheckGrids(in, at, systems[i]);
        }
    }

    if (v < 7.985) ReadOldGridLines(in, cv);
    if (v <= 7.015) return;
    ReadReferenceLines(in, cv);
    ReadReferencePlanes(in, cv);
}

void WriteCoordinateTables(Writer& out, const Conversion& cv) {
    const auto& c = cv.model.coords;

    out.SetTable("CoordSystem");
    out(c.CoordSystem.count);
    for (std::int32_t i = 1; i <= c.CoordSystem.count; ++i) ExportCoordSystem(out, c.CoordSystem[i]);

    out.SetTable("ReferenceLine");
    out(c.ReferenceLine.count);
    for (std::int32_t i = 1; i <= c.ReferenceLine.count; ++i) out(c.ReferenceLine[i]);

    out.SetTable("ReferencePlane");
    out(c.ReferencePlane.count);
    for (std::int32_t i = 1; i <= c.ReferencePlane.count; ++i) out(c.ReferencePlane[i]);
}

}  // namespace kmd
