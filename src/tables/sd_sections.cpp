#include "tables/sd_sections.h"

#include <string>

#include "legacy/sd_sections.h"
#include "tables/table_io.h"

namespace kmd {

namespace {

constexpr Layout<SDSectionRecord> kSDSectionLayouts[] = {
    UpTo<SDSectionD1, ImportSDSectionD1>(kSDSectionD1UpTo),
    UpTo<SDSectionD2, ImportSDSectionD2>(kSDSectionD2UpTo),
    UpTo<SDSectionD3, ImportSDSectionD3>(kSDSectionD3UpTo),
    Newest<SDSectionRecord>(),
};

}  // namespace

// Each record is repaired (linked point counts) between reading and its check.
void ReadSDSectionTables(Reader& in, Conversion& cv) {
    auto& t = cv.model.sdSections.SDSection;
    const Layout<SDSectionRecord>& layout = LayoutFor<SDSectionRecord>(kSDSectionLayouts, cv, t.name);
    if (!ReadTableCount(in, cv, t, layout.minSize())) return;
    // Point arrays that the repair lengthens are filled with zeros: never more
    // elements than the file has bytes.
    const std::int64_t maxPoints = std::int64_t(in.Size());
    for (std::int32_t i = 1; i <= t.count; ++i) {
        const std::size_t at = in.Offset();
        try {
            layout.read(in, t[i], cv);
            RepairSDSection(t[i], maxPoints);
        } catch (const SDSectionCorrupt& e) {
            in.FailAt(at, "record " + std::to_string(i) + ": " + e.what());
        }
        CheckRecord(in, at, t[i]);
    }
}

void WriteSDSectionTables(Writer& out, const Conversion& cv) { WriteTable(out, cv.model.sdSections.SDSection); }

void ReadBackSDSectionTables(Reader& in, Conversion& cv) { ReadCurrentTable(in, cv, cv.model.sdSections.SDSection); }

}  // namespace kmd
