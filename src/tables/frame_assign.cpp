#include "tables/frame_assign.h"

#include "legacy/frame_assign.h"
#include "legacy/point_assign.h"

namespace kmd {

namespace {

// A matrix held by columns (rows x cols) rewritten row after row.
template <std::size_t Rows, std::size_t Cols>
std::array<double, Rows * Cols> RowAfterRow(const std::array<double, Rows * Cols>& byColumns) {
    std::array<double, Rows * Cols> rows{};
    for (std::size_t i = 0; i < Rows; ++i)
        for (std::size_t j = 0; j < Cols; ++j) rows[Cols * i + j] = byColumns[Rows * j + i];
    return rows;
}

void ExportFrameFixity(Writer& out, const FrameFixityRecord& r) {
    out(r.Key, r.Tag, AsZeroBased(RowAfterRow<6, 2>(r.Fixity)));
}

void ExportFrameOffset(Writer& out, const FrameOffsetRecord& r) {
    out(r.Key, r.Tag, AsZeroBased(RowAfterRow<3, 2>(r.Offsets)), r.OffsetTag);
}

void ExportFrameModifier(Writer& out, const FrameModifierRecord& r) { out(r.Key, r.Tag, AsZeroBased(r.Modifiers)); }

}  // namespace

// File order: FFixity, FOffset, FModifier, FLink, FSpring, FMass, FMomentBeam.
void ReadFrameAssignments(Reader& in, Conversion& cv) {
    FrameAssignData& d = cv.model.frameAssign;
    const double v = cv.FileVersion;
    ReadAssignTable(in, cv, "FFixity", d.FFixity);
    if (v <= kFrameOffsetNoTagUpTo)
        ReadAssignTableAs<FrameOffsetA>(in, cv, Allocator::Object, "FOffset", d.FOffset, ImportFrameOffsetA);
    else
        ReadAssignTable(in, cv, "FOffset", d.FOffset);
    if (v <= kFrameModifierSixUpTo)
        ReadAssignTableAs<FrameModifierA>(in, cv, Allocator::Object, "FModifier", d.FModifier,
                                          ImportFrameModifierA);
    else
        ReadAssignTable(in, cv, "FModifier", d.FModifier);
    ReadAssignTable(in, cv, "FLink", d.FLink);
    ReadAssignTable(in, cv, "FSpring", d.FSpring);
    ReadAssignTable(in, cv, "FMass", d.FMass);
    if (v > kNoFrameMomentBeamUpTo) ReadAssignTable(in, cv, "FMomentBeam", d.FMomentBeam);
}

void WriteFrameAssignments(Writer& out, Conversion& cv) {
    const FrameAssignData& d = cv.model.frameAssign;
    WriteAssignTable(out, "FFixity", d.FFixity, ExportFrameFixity);
    WriteAssignTable(out, "FOffset", d.FOffset, ExportFrameOffset);
    WriteAssignTable(out, "FModifier", d.FModifier, ExportFrameModifier);
    WriteAssignTable(out, "FLink", d.FLink);
    WriteAssignTable(out, "FSpring", d.FSpring);
    WriteAssignTable(out, "FMass", d.FMass);
    WriteAssignTable(out, "FMomentBeam", d.FMomentBeam);
}

}  // namespace kmd
