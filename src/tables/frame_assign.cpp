#include "tables/frame_assign.h"

#include "legacy/frame_assign.h"
#include "tables/table_io.h"

namespace kmd {

namespace {

constexpr Layout<FrameOffsetRecord> kFrameOffsetLayouts[] = {
    UpTo<FrameOffsetA, ImportFrameOffsetA>(kFrameOffsetAUpTo),
    Newest<FrameOffsetRecord>(),
};

constexpr Layout<FrameModifierRecord> kFrameModifierLayouts[] = {
    UpTo<FrameModifierA, ImportFrameModifierA>(kFrameModifierAUpTo),
    Newest<FrameModifierRecord>(),
};

}  // namespace

// File order: FFixity, FOffset, FModifier, FLink, FSpring, FMass, FMomentBeam.
void ReadFrameAssignments(Reader& in, Conversion& cv) {
    FrameAssignData& d = cv.model.frameAssign;
    ReadTable(in, cv, d.FFixity);
    ReadTable(in, cv, d.FOffset, kFrameOffsetLayouts);
    ReadTable(in, cv, d.FModifier, kFrameModifierLayouts);
    ReadTable(in, cv, d.FLink);
    ReadTable(in, cv, d.FSpring);
    ReadTable(in, cv, d.FMass);
    if (cv.FileVersion > kNoFrameMomentBeamUpTo) ReadTable(in, cv, d.FMomentBeam);
}

void WriteFrameAssignments(Writer& out, const Conversion& cv) {
    const FrameAssignData& d = cv.model.frameAssign;
    WriteTable(out, d.FFixity);
    WriteTable(out, d.FOffset);
    WriteTable(out, d.FModifier);
    WriteTable(out, d.FLink);
    WriteTable(out, d.FSpring);
    WriteTable(out, d.FMass);
    WriteTable(out, d.FMomentBeam);
}

void ReadBackFrameAssignments(Reader& in, Conversion& cv) {
    FrameAssignData& d = cv.model.frameAssign;
    ReadCurrentTable(in, cv, d.FFixity);
    ReadCurrentTable(in, cv, d.FOffset);
    ReadCurrentTable(in, cv, d.FModifier);
    ReadCurrentTable(in, cv, d.FLink);
    ReadCurrentTable(in, cv, d.FSpring);
    ReadCurrentTable(in, cv, d.FMass);
    ReadCurrentTable(in, cv, d.FMomentBeam);
}

}  // namespace kmd
