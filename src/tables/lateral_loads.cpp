// "Seismic" and "Wind": legacy layouts in, current layout out.
#include "tables/lateral_loads.h"

#include "legacy/lateral_loads.h"
#include "tables/table_io.h"

namespace kmd {

namespace {

constexpr Layout<SeismicRecord> kSeismicLayouts[] = {
    UpTo<SeismicA, ImportSeismicA>(kSeismicAUpTo),
    UpTo<SeismicB, ImportSeismicB>(kSeismicBUpTo),
    UpTo<SeismicC, ImportSeismicC>(kSeismicCUpTo),
    UpTo<SeismicD, ImportSeismicD>(kSeismicDUpTo),
    UpTo<SeismicE, ImportSeismicE>(kSeismicEUpTo),
    UpTo<SeismicF, ImportSeismicF>(kSeismicFUpTo),
    UpTo<SeismicG, ImportSeismicG>(kSeismicGUpTo),
    Newest<SeismicRecord>(),
};

// A, B and C are brought to D one step at a time.
constexpr Layout<WindRecord> kWindLayouts[] = {
    UpTo<WindA, Chain<ImportWindA, ImportWindB, ImportWindC, ImportWindD>>(kWindAUpTo),
    UpTo<WindB, Chain<ImportWindB, ImportWindC, ImportWindD>>(kWindBUpTo),
    UpTo<WindC, Chain<ImportWindC, ImportWindD>>(kWindCUpTo),
    UpTo<WindD, ImportWindD>(kWindDUpTo),
    UpTo<WindE, ImportWindE>(kWindEUpTo),
    UpTo<WindF, ImportWindF>(kWindFUpTo),
    UpTo<WindG, ImportWindG>(kWindGUpTo),
    UpTo<WindH, ImportWindH>(kWindHUpTo),
    UpTo<WindI, ImportWindI>(kWindIUpTo),
    UpTo<WindJ, ImportWindJ>(kWindJUpTo),
    Newest<WindRecord>(),
};

}  // namespace

void ReadLateralLoadTables(Reader& in, Conversion& cv) {
    LateralLoadData& d = cv.model.lateralLoads;
    ReadTable(in, cv, d.Seismic, kSeismicLayouts);
    if (cv.FileVersion <= kSeismicCUpTo && d.Seismic.count > 0) cv.report.Fill("Seismic: kind codes renumbered");
    ReadTable(in, cv, d.Wind, kWindLayouts);
}

void WriteLateralLoadTables(Writer& out, const Conversion& cv) {
    const LateralLoadData& d = cv.model.lateralLoads;
    WriteTable(out, d.Seismic);
    WriteTable(out, d.Wind);
}

void ReadBackLateralLoadTables(Reader& in, Conversion& cv) {
    LateralLoadData& d = cv.model.lateralLoads;
    ReadCurrentTable(in, cv, d.Seismic);
    ReadCurrentTable(in, cv, d.Wind);
}

}  // namespace kmd
