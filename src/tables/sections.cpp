// "Section", "AUTO", "VS", "Rebar", "CP", "PierSection" and "JoistData".
#include "tables/sections.h"
#include "tables/table_io.h"

#include <string>
#include <string_view>
#include <utility>

#include "legacy/sections.h"
#include "model/sections.h"

namespace kmd {

namespace {

// A table whose records are the same in every version.
template <class Rec>
void ReadStraight(Reader& in, Conversion& cv, const char* name, Table<Rec>& t) {
    if (!ReadTableCount(in, cv, name, t, MinEncodedSize<Rec>())) return;
    for (std::int32_t i = 1; i <= t.count; ++i) in(t[i]);
}

template <class Rec>
void WriteStraight(Writer& out, const char* name, const Table<Rec>& t) {
    out.SetTable(name);
    out.I32(t.count);
    for (std::int32_t i = 1; i <= t.count; ++i) out(t[i]);
}

void ReadSections(Reader& in, Conversion& cv) {
    const double v = cv.FileVersion;
    auto& t = cv.model.sections.Section;
    std::size_t minSize = v > 9.005    ? MinEncodedSize<FrameSectionRecord>()
                          : v > 8.1925 ? MinEncodedSize<SectionS5>()
                          : v > 8.055  ? MinEncodedSize<SectionS4>()
                          : v > 8.005  ? MinEncodedSize<SectionS3>()
                          : v > 7.255  ? MinEncodedSize<SectionS2>()
                                       : MinEncodedSize<SectionS1>();
    if (!ReadTableCount(in, cv, "Section", t, minSize)) return;
    for (std::int32_t i = 1; i <= t.count; ++i) {
        FrameSectionRecord& r = t[i];
        if (v > 9.005) {
            in(r);
        } else if (v > 8.1925) {
            SectionS5 s;
            in(s);
            r = ImportSectionS5(std::move(s));
        } else if (v > 8.055) {
            SectionS4 s;
            in(s);
            r = ImportSectionS4(std::move(s));
        } else if (v > 8.005) {
            SectionS3 s;
            in(s);
            r = ImportSectionS3(std::move(s), v > 8.025);
        } else if (v > 7.255) {
            SectionS2 s;
            in(s);
            r = ImportSectionS2(std::move(s));
        } else {
            const std::size_t at = in.Offset();
            SectionS1 s;
            in(s);
            std::int32_t kind = 0;
            if (!RenumberKindCode(s.KindCode, kind))
                in.FailAt(at, "section kind code " + std::to_string(s.KindCode) + " out of range");
            r = ImportSectionS1(std::move(s), kind);
        }
    }
}

void ReadCP(Reader& in, Conversion& cv) {
    const bool straight = cv.FileVersion > 9.085;
    auto& t = cv.model.sections.CP;
    if (!ReadTableCount(in, cv, "CP", t, straight ? MinEncodedSize<CPRecord>() : MinEncodedSize<CPRecordA>())) return;
    for (std::int32_t i = 1; i <= t.count; ++i) {
        if (straight) {
            in(t[i]);
        } else {
            CPRecordA a;
            in(a);
            t[i] = ImportCP(a);
        }
    }
}

void ReadJoists(Reader& in, Conversion& cv) {
    auto& t = cv.model.sections.JoistData;
    if (!ReadTableCount(in, cv, "JoistData", t, MinEncodedSize<JoistRecord>())) return;
    for (std::int32_t i = 1; i <= t.count; ++i) {
        const std::size_t at = in.Offset();
        JoistRecord& r = t[i];
        in(r);
        if (r.SegmentCount < 0) in.FailAt(at, "negative joist segment count " + std::to_string(r.SegmentCount));
        if (!r.Segments.Holds(1, r.SegmentCount))
            in.FailAt(at, "joist segments lack elements 1 to " + std::to_string(r.SegmentCount));
    }
}

void ExportSection(Writer& out, const FrameSectionRecord& r) {
    out(Trimmed(r.Name), r.Text1, Trimmed(r.Name2), r.Values1, std::string_view(r.Code2.chars.data(), 2), r.Block1,
        r.Values2, AsZeroBased(r.Factors), r.Values3, r.Code3, r.Values4, r.Text2, r.Value5, r.Text3, r.Text4,
        r.Text5);
}

void ExportJoist(Writer& out, const JoistRecord& r) {
    out(r.Name, r.Block1, r.Text1, r.Block2, r.SegmentCount);
    WriteRebuilt0(out, r.Segments, r.SegmentCount, "joist segments");
    out(r.Value1, r.Word1);
}

}  // namespace

void ReadSectionTables(Reader& in, Conversion& cv) {
    auto& s = cv.model.sections;
    ReadSections(in, cv);
    ReadStraight(in, cv, "AUTO", s.AUTO);
    ReadStraight(in, cv, "VS", s.VS);
    ReadStraight(in, cv, "Rebar", s.Rebar);
    ReadCP(in, cv);
}

void WriteSectionTables(Writer& out, const Conversion& cv) {
    const auto& s = cv.model.sections;
    out.SetTable("Section");
    out.I32(s.Section.count);
    for (std::int32_t i = 1; i <= s.Section.count; ++i) ExportSection(out, s.Section[i]);
    WriteStraight(out, "AUTO", s.AUTO);
    WriteStraight(out, "VS", s.VS);
    WriteStraight(out, "Rebar", s.Rebar);
    WriteStraight(out, "CP", s.CP);
}

void ReadPierJoistTables(Reader& in, Conversion& cv) {
    ReadStraight(in, cv, "PierSection", cv.model.sections.PierSection);
    // Files up to 7.995 have no joist table; it stays empty.
    if (cv.FileVersion > 7.995) ReadJoists(in, cv);
}

void WritePierJoistTables(Writer& out, const Conversion& cv) {
    const auto& s = cv.model.sections;
    WriteStraight(out, "PierSection", s.PierSection);
    out.SetTable("JoistData");
    out.I32(s.JoistData.count);
    for (std::int32_t i = 1; i <= s.JoistData.count; ++i) ExportJoist(out, s.JoistData[i]);
}

}  // namespace kmd
