#include "tables/shell_props.h"
#include "tables/table_io.h"

#include "legacy/shell_props.h"

namespace kmd {

namespace {

void ReadShellSections(Reader& in, Conversion& cv) {
    auto& t = cv.model.shellProps.ShellSection;
    const double v = cv.FileVersion;
    std::size_t minSize = v > 8.005   ? MinEncodedSize<ShellSectionRecord>()
                          : v > 7.255 ? MinEncodedSize<ShellSectionSS2>()
                                      : MinEncodedSize<ShellSectionSS1>();
    if (!ReadTableCount(in, cv, "ShellSection", t, minSize)) return;
    for (std::int32_t i = 1; i <= t.count; ++i) {
        if (v > 8.005) {
            in(t[i]);
            // Factors stored up to 8.025 are not kept.
            if (v <= 8.025) SetDefaultShellFactors(t[i]);
        } else if (v > 7.255) {
            ShellSectionSS2 s;
            in(s);
            t[i] = ImportShellSectionSS2(std::move(s));
        } else {
            ShellSectionSS1 s;
            in(s);
            t[i] = ImportShellSectionSS1(std::move(s));
        }
    }
}

void ReadDeckInfo(Reader& in, Conversion& cv) {
    auto& t = cv.model.shellProps.DeckInfo;
    const bool withText = cv.FileVersion > 9.145;
    std::size_t minSize = withText ? MinEncodedSize<DeckRecord>() : MinEncodedSize<DeckRecordA>();
    if (!ReadTableCount(in, cv, "DeckInfo", t, minSize)) return;
    for (std::int32_t i = 1; i <= t.count; ++i) {
        if (withText) {
            in(t[i]);
        } else {
            DeckRecordA d;
            in(d);
            t[i] = ImportDeckA(std::move(d));
        }
    }
}

void ReadLinkProperties(Reader& in, Conversion& cv) {
    auto& t = cv.model.shellProps.NLLinkProp;
    if (!ReadTableCount(in, cv, "NLLinkProp", t, MinEncodedSize<LinkPropertyRecord>())) return;
    for (std::int32_t i = 1; i <= t.count; ++i) in(t[i]);
}

void ExportShellSection(Writer& out, const ShellSectionRecord& r) {
    out(r.Name, r.ShBlock1, r.ShCode1, r.ShValue1, r.ShValue2, AsZeroBased(r.ShFactors), r.ShCode2, r.ShCode3,
        r.ShValue3);
}

void ExportLinkProperty(Writer& out, const LinkPropertyRecord& r) {
    out(r.Name, r.LpValue1, r.LpValue2, r.LpValue3, AsZeroBased(r.LpReals1), r.LpValue4, r.LpValue5, r.LpValue6,
        r.LpValue7, r.LpValue8, r.LpValue9, AsZeroBased(r.LpReals2), AsZeroBased(r.LpReals3),
        AsZeroBased(r.LpReals4), AsZeroBased(r.LpReals5), AsZeroBased(r.LpReals6), AsZeroBased(r.LpFlags1),
        AsZeroBased(r.LpFlags2), AsZeroBased(r.LpInts1), AsZeroBased(r.LpInts2), AsZeroBased(r.LpInts3),
        AsZeroBased(r.LpReals7), r.LpCode1, r.LpCode2);
}

template <class Record, class ExportFn>
void WriteTable(Writer& out, const char* name, const Table<Record>& t, ExportFn exportRecord) {
    out.SetTable(name);
    out.I32(t.count);
    for (std::int32_t i = 1; i <= t.count; ++i) exportRecord(out, t[i]);
}

}  // namespace

void ReadShellPropertyTables(Reader& in, Conversion& cv) {
    ReadShellSections(in, cv);
    ReadDeckInfo(in, cv);
    ReadLinkProperties(in, cv);
}

void WriteShellPropertyTables(Writer& out, const Conversion& cv) {
    const auto& m = cv.model.shellProps;
    WriteTable(out, "ShellSection", m.ShellSection, ExportShellSection);
    WriteTable(out, "DeckInfo", m.DeckInfo, [](Writer& w, const DeckRecord& r) { w(r); });
    WriteTable(out, "NLLinkProp", m.NLLinkProp, ExportLinkProperty);
}

}  // namespace kmd
