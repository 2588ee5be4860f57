#include "tables/frame_assign.h"
#include "tables/table_io.h"

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
    ReadTable(in, cv, Allocator::Object, "FFixity", d.FFixity);
    if (v <= kFrameOffsetNoTagUpTo)
        ReadTableAs<FrameOffsetA>(in, cv, Allocator::Object, "FOffset", d.FOffset, ImportFrameOffsetA);
    else
        ReadTable(in, cv, Allocator::Object, "FOffset", d.FOffset);
    if (v <= kFrameModifierSixUpTo)
        ReadTableAs<FrameModifierA>(in, cv, Allocator::Object, "FModifier", d.FModifier,
                                          ImportFrameModifierA);
    else
        ReadTable(in, cv, Allocator::Object, "FModifier", d.FModifier);
    ReadTable(in, cv, Allocator::Object, "FLink", d.FLink);
    ReadTable(in, cv, Allocator::Object, "FSpring", d.FSpring);
    ReadTable(in, cv, Allocator::Object, "FMass", d.FMass);
    if (v > kNoFrameMomentBeamUpTo) ReadTable(in, cv, Allocator::Object, "FMomentBeam", d.FMomentBeam);
}

void WriteFrameAssignments(Writer& out, const Conversion& cv) {
    const FrameAssignData& d = cv.model.frameAssign;
    WriteTable(out, "FFixity", d.FFixity, ExportFrameFixity);
    WriteTable(out, "FOffset", d.FOffset, ExportFrameOffset);
    WriteTable(out, "FModifier", d.FModifier, ExportFrameModifier);
    WriteTable(out, "FLink", d.FLink);
    WriteTable(out, "FSpring", d.FSpring);
    WriteTable(out, "FMass", d.FMass);
    WriteTable(out, "FMomentBeam", d.FMomentBeam);
}

}  // namespace kmd
