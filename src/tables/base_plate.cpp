#include "tables/base_plate.h"

#include "legacy/base_plate.h"
#include "tables/table_io.h"

namespace kmd {

namespace {

// One envelope record per design record, when EnvelopesPresent is not 0.
template <class Rec>
void ReadEnvelopes(Reader& in, Conversion& cv, Table<Rec>& t, std::int32_t designCount) {
    in.SetTable(t.name);
    if (designCount <= 0) return;
    in.CheckCount(designCount, MinEncodedSize<Rec>());
    cv.model.AllocateOutputTable(t.name, designCount);
    t.count = designCount;
    for (std::int32_t i = 1; i <= t.count; ++i) in(t[i]);
}

}  // namespace

void ReadBasePlateDesign(Reader& in, Conversion& cv) {
    DesignBlockData& d = cv.model.designBlocks;
    if (cv.FileVersion < kDesignBlocksFrom) return;
    in.SetTable("base plate preferences");
    if (cv.FileVersion <= kBasePlatePreferencesAUpTo) {
        BasePlatePreferencesA dropped;
        in(dropped);
    } else {
        in(d.Preferences);
    }
    in(d.EnvelopesPresent, d.StatusFlag);
    ReadTable(in, cv, d.BasePlateData);
    if (d.EnvelopesPresent != 0) ReadEnvelopes(in, cv, d.BasePlateEnvelopes, d.BasePlateData.count);
    cv.report.Drop("base plate design data", d.BasePlateData.count);
    if (d.EnvelopesPresent != 0) cv.report.Drop("base plate design envelopes", d.BasePlateEnvelopes.count);
}

void ReadConnectionDesign(Reader& in, Conversion& cv) {
    DesignBlockData& d = cv.model.designBlocks;
    if (cv.FileVersion < kDesignBlocksFrom) return;
    in.SetTable("connection preferences");
    in(d.Connection, d.ConnectionEnvelopesPresent, d.ConnectionStatusFlag);
    ReadTable(in, cv, d.ConnectionData);
    if (d.ConnectionEnvelopesPresent != 0)
        ReadEnvelopes(in, cv, d.ConnectionEnvelopes, d.ConnectionData.count);
    cv.report.Drop("connection design data", d.ConnectionData.count);
    if (d.ConnectionEnvelopesPresent != 0)
        cv.report.Drop("connection design envelopes", d.ConnectionEnvelopes.count);
}

}  // namespace kmd
