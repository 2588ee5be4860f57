// "Section", "AUTO", "VS", "Rebar", "CP", "PierSection" and "JoistData".
#include "tables/sections.h"

#include <string>
#include <utility>

#include "legacy/sections.h"
#include "model/sections.h"
#include "tables/table_io.h"

namespace kmd {

namespace {

// S1 kind codes are renumbered; a code whose new number does not fit makes the
// record corrupt.
void ReadSectionS1(Reader& in, FrameSectionRecord& r, const Conversion&) {
    const std::size_t at = in.Offset();
    SectionS1 s;
    in(s);
    std::int32_t kind = 0;
    if (!RenumberKindCode(s.KindCode, kind))
        in.FailAt(at, "section kind code " + std::to_string(s.KindCode) + " out of range");
    r = ImportSectionS1(std::move(s), kind);
}

constexpr Layout<FrameSectionRecord> kSectionLayouts[] = {
    {kSectionS1UpTo, &MinEncodedSize<SectionS1>, &ReadSectionS1},
    UpTo<SectionS2, ImportSectionS2>(kSectionS2UpTo),
    UpTo<SectionS3, ImportSectionS3UnitFactors>(kSectionS3UnitFactorsUpTo),
    UpTo<SectionS3, ImportSectionS3>(kSectionS3UpTo),
    UpTo<SectionS4, ImportSectionS4>(kSectionS4UpTo),
    UpTo<SectionS5, ImportSectionS5>(kSectionS5UpTo),
    Newest<FrameSectionRecord>(),
};

constexpr Layout<CPRecord> kCPLayouts[] = {
    UpTo<CPRecordA, ImportCP>(kCPAUpTo),
    Newest<CPRecord>(),
};

}  // namespace

void ReadSectionTables(Reader& in, Conversion& cv) {
    SectionData& s = cv.model.sections;
    ReadTable(in, cv, s.Section, kSectionLayouts);
    if (cv.FileVersion <= kSectionS1UpTo && s.Section.count > 0)
        cv.report.Fill("Section: kind codes renumbered");
    ReadTable(in, cv, s.AUTO);
    ReadTable(in, cv, s.VS);
    ReadTable(in, cv, s.Rebar);
    ReadTable(in, cv, s.CP, kCPLayouts);
}

void WriteSectionTables(Writer& out, const Conversion& cv) {
    const SectionData& s = cv.model.sections;
    WriteTable(out, s.Section);
    WriteTable(out, s.AUTO);
    WriteTable(out, s.VS);
    WriteTable(out, s.Rebar);
    WriteTable(out, s.CP);
}

void ReadBackSectionTables(Reader& in, Conversion& cv) {
    SectionData& s = cv.model.sections;
    ReadCurrentTable(in, cv, s.Section);
    ReadCurrentTable(in, cv, s.AUTO);
    ReadCurrentTable(in, cv, s.VS);
    ReadCurrentTable(in, cv, s.Rebar);
    ReadCurrentTable(in, cv, s.CP);
}

void ReadPierJoistTables(Reader& in, Conversion& cv) {
    SectionData& s = cv.model.sections;
    ReadTable(in, cv, s.PierSection);
    // Without a joist table in the file, it stays empty.
    if (cv.FileVersion > kJoistDataAbsentUpTo) ReadTable(in, cv, s.JoistData);
}

void WritePierJoistTables(Writer& out, const Conversion& cv) {
    const SectionData& s = cv.model.sections;
    WriteTable(out, s.PierSection);
    WriteTable(out, s.JoistData);
}

void ReadBackPierJoistTables(Reader& in, Conversion& cv) {
    SectionData& s = cv.model.sections;
    ReadCurrentTable(in, cv, s.PierSection);
    ReadCurrentTable(in, cv, s.JoistData);
}

}  // namespace kmd
