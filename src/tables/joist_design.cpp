#include "tables/joist_design.h"

#include "tables/table_io.h"

namespace kmd {

// EnvelopesPresent, StatusFlag, the overwrites, then (when present) one
// envelope per overwrite record, read to stay in step and dropped.
void ReadJoistDesign(Reader& in, Conversion& cv) {
    JoistDesignData& d = cv.model.joist;
    if (cv.FileVersion <= kNoJoistBlockUpTo) return;
    in.SetTable("steel joist design data");
    in(d.EnvelopesPresent, d.StatusFlag);
    ReadTable(in, cv, d.SteelJoistData);
    if (d.EnvelopesPresent == 0 || d.SteelJoistData.count <= 0) return;
    in.SetTable("SteelJoistEnvelopes");
    in.CheckCount(d.SteelJoistData.count, MinEncodedSize<JoistEnvelopeRecord>());
    JoistEnvelopeRecord dropped;
    for (std::int32_t i = 1; i <= d.SteelJoistData.count; ++i) in(dropped);
}

// No envelopes are written: EnvelopesPresent is always 0.
void WriteJoistDesign(Writer& out, const Conversion& cv) {
    const JoistDesignData& d = cv.model.joist;
    out.SetTable("steel joist design data");
    out(std::int16_t(0), d.StatusFlag);
    WriteTable(out, d.SteelJoistData);
}

void ReadBackJoistDesign(Reader& in, Conversion& cv) {
    JoistDesignData& d = cv.model.joist;
    in.SetTable("steel joist design data");
    ReadConstant<std::int16_t>(in, 0, "the design envelopes flag");
    in(d.StatusFlag);
    ReadCurrentTable(in, cv, d.SteelJoistData);
}

}  // namespace kmd
