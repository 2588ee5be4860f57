#include "tables/static_nl.h"

#include <limits>

#include "legacy/static_nl.h"
#include "tables/table_io.h"

namespace kmd {

namespace {

constexpr Layout<StaticNLRecord> kStaticNLLayouts[] = {
    UpTo<StaticNLA, ImportStaticNLA>(kStaticNLAUpTo),
    UpTo<StaticNLB, ImportStaticNLB>(kStaticNLBUpTo),
    Newest<StaticNLRecord>(),
};

// One layout in every version, read straight; then each hinge point takes the
// point count of its hinge, which its curves are checked and written for.
constexpr Layout<HingePropertyRecord> kHingePropertyLayouts[] = {
    {std::numeric_limits<double>::infinity(), &MinEncodedSize<HingePropertyRecord>,
     [](Reader& in, HingePropertyRecord& r, const Conversion&) {
         in(r);
         SharePointCounts(r);
     }},
};

constexpr Layout<FrameNLRecord> kFrameNLLayouts[] = {Newest<FrameNLRecord>()};

// The current presence flag: whether any of the three tables holds anything.
bool SectionPresent(const StaticNLData& d) {
    return d.StaticNL.count > 0 || d.FHProp1.count >= 1 || d.FrameNLFlag != 0;
}

}  // namespace

// File order: a presence value (0 ends the section), StaticNL, FHProp1, the
// FrameNL flag and, when it is not 0, one FrameNL record per line object.
void ReadStaticNonlinearTables(Reader& in, Conversion& cv) {
    StaticNLData& d = cv.model.staticNL;
    in.SetTable(d.StaticNL.name);
    if (in.I32() == 0) return;
    ReadTable(in, cv, d.StaticNL, kStaticNLLayouts);
    ReadTable(in, cv, d.FHProp1, kHingePropertyLayouts);

    in.SetTable(d.FrameNL.name);
    d.FrameNLFlag = in.I16();
    if (d.FrameNLFlag == 0) return;
    const Table<LineObjectRecord>& lines = cv.model.objects.LineObjects;
    in.CheckCount(lines.count, MinEncodedSize<FrameNLRecord>(), "line-object count");
    // Sized to the line-object table; a model without line objects allocates
    // nothing and keeps the flag as read.
    cv.model.AllocateOutputTable(d.FrameNL.name, lines.capacity);
    d.FrameNL.count = lines.count > 0 ? lines.count : 0;
    for (std::int32_t i = 1; i <= d.FrameNL.count; ++i) ReadRecord(in, cv, kFrameNLLayouts[0], d.FrameNL[i]);
}

void WriteStaticNonlinearTables(Writer& out, const Conversion& cv) {
    const StaticNLData& d = cv.model.staticNL;
    out.SetTable(d.StaticNL.name);
    const bool present = SectionPresent(d);
    out.I16(present ? -1 : 0);
    if (!present) return;
    WriteTable(out, d.StaticNL);
    WriteTable(out, d.FHProp1);

    out.SetTable(d.FrameNL.name);
    out.I16(d.FrameNLFlag);
    if (d.FrameNLFlag == 0) return;
    for (std::int32_t i = 1; i <= cv.model.objects.LineObjects.count; ++i) out(d.FrameNL[i]);
}

void ReadBackStaticNonlinearTables(Reader& in, Conversion& cv) {
    StaticNLData& d = cv.model.staticNL;
    in.SetTable(d.StaticNL.name);
    if (in.I16() == 0) return;
    ReadCurrentTable(in, cv, d.StaticNL);
    ReadCurrentTable(in, cv, d.FHProp1);

    in.SetTable(d.FrameNL.name);
    d.FrameNLFlag = in.I16();
    if (d.FrameNLFlag == 0) return;
    const std::int32_t count = cv.model.objects.LineObjects.count;
    if (count <= 0) return;
    in.CheckCount(count, 1, "line-object count");
    const std::int16_t flag = d.FrameNLFlag;
    cv.model.AllocateOutputTable(d.FrameNL.name, count);  // sets the flag
    d.FrameNLFlag = flag;
    d.FrameNL.count = count;
    for (std::int32_t i = 1; i <= count; ++i) in(d.FrameNL[i]);
}

}  // namespace kmd
