#include "tables/project.h"

#include <span>
#include <string>
#include <utility>

#include "driver/units.h"
#include "legacy/project.h"

namespace kmd {

namespace {

// The writer rebuilds `held` with bounds 0..count: a negative count, or a held
// array without the elements 1..count, makes the record at `at` corrupt.
template <class T>
void RequireElements(const Reader& in, std::size_t at, const DynArray<T>& held, std::int64_t count,
                     const std::string& what) {
    if (count < 0) in.FailAt(at, what + ": negative element count " + std::to_string(count));
    if (!held.Holds(1, count))
        in.FailAt(at, what + ": the stored array lacks elements 1 to " + std::to_string(count));
}

// Upper bound the first real array of the extended record is written with; an
// array without storage counts as 0. An array with storage but no element at
// index 0 or above is written with no elements (bounds 0..-1).
std::int64_t ExtendedRealsUpper(const ExtendedRecord& r) {
    if (!r.Reals.HasStorage()) return 0;
    return r.Reals.Upper() < 0 ? -1 : r.Reals.Upper();
}

void WriteExtendedReals(Writer& out, const ExtendedRecord& r) {
    const std::int64_t upper = ExtendedRealsUpper(r);
    if (upper < 0) {
        out(std::int16_t(1), std::uint32_t(0), std::int32_t(0));
        return;
    }
    WriteRebuilt0(out, r.Reals, upper, "reals");
}

void CheckStandard(const Reader& in, std::size_t at, const StandardRecord& r) {
    for (const StandardList& list : r.Lists) RequireElements(in, at, list.Names, list.Count, "name list");
}

void CheckList(const Reader& in, std::size_t at, const ListRecord& r) {
    RequireElements(in, at, r.Values, r.Count, "list values");
}

void CheckSeries(const Reader& in, std::size_t at, const SeriesRecord& r) {
    RequireElements(in, at, r.Reals, r.Count, "series reals");
    RequireElements(in, at, r.Values, r.Count, "series values");
}

void CheckExtended(const Reader& in, std::size_t at, const ExtendedRecord& r) {
    if (ExtendedRealsUpper(r) >= 0) RequireElements(in, at, r.Reals, ExtendedRealsUpper(r), "reals");
    RequireElements(in, at, r.Items, r.ItemCount, "items");
    RequireElements(in, at, r.PairValues, r.PairCount, "pair values");
    RequireElements(in, at, r.PairReals, r.PairCount, "pair reals");
}

void ReadStandardTable(Reader& in, Conversion& cv) {
    in.SetTable("Standard");
    auto& t = cv.model.project.Standard;
    t.count = in.I32();
    if (t.count <= 0) return;
    in.CheckCount(t.count, MinEncodedSize<StandardRecord>());
    cv.model.AllocateTable("Standard", t.count, t.capacity);
    for (std::int32_t i = 1; i <= t.count; ++i) {
        std::size_t at = in.Offset();
        in(t[i]);
        CheckStandard(in, at, t[i]);
    }
}

void ReadPreferences(Reader& in, Conversion& cv) {
    in.SetTable("PreferencesRecord");
    const double v = cv.FileVersion;
    auto& p = cv.model.project.Preferences;
    if (v <= 7.025) {
        PreferencesA a;
        in(a);
        p = ImportPreferencesA(a);
    } else if (v <= 7.985) {
        PreferencesB b;
        in(b);
        p = ImportPreferencesB(b);
    } else if (v <= 8.045) {
        PreferencesC c;
        in(c);
        p = ImportPreferencesC(c);
    } else {
        in(p);
    }
}

// One short parameter block of the older layouts, widened into `to`.
void ReadShortParameterBlock(Reader& in, double v, ParameterBlock& to) {
    if (v <= 7.985) {
        Bytes<84> b;
        in(b);
        WidenParameterBlock84(b, to);
    } else {
        Bytes<100> b;
        in(b);
        WidenParameterBlock100(b, to);
    }
}

void ReadList(Reader& in, ListRecord& r, std::size_t& at) {
    at = in.Offset();
    in(r);
}

void ReadFont(Reader& in, Conversion& cv) {
    in.SetTable("FontRecord");
    const double v = cv.FileVersion;
    auto& f = cv.model.project.Font;
    const std::int16_t first = f.Words[0], fourth = f.Words[3];
    if (v <= 8.005) {
        FontRecordA a;
        in(a);
        ImportFontA(a, f);
    } else if (v <= 8.065) {
        FontRecordB b;
        in(b);
        ImportFontB(b, f);
    } else if (v <= 8.105) {
        FontRecordC c;
        in(c);
        ImportFontC(c, f);
    } else if (v <= 8.905) {
        FontRecordD d;
        in(d);
        ImportFontD(d, f);
    } else {
        in(f);
    }
    f.Words[0] = first;
    f.Words[3] = fourth;
    if (f.FontName.empty()) {
        f.FontName = "Arial";
        f.Trailing[1] = -1;
    }
}

void ReadExtended(Reader& in, Conversion& cv) {
    in.SetTable("ExtendedRecord");
    const double v = cv.FileVersion;
    auto& e = cv.model.project.Extended;
    std::size_t at = in.Offset();
    if (v <= 7.985) {
        ExtendedRecordA a;
        in(a);
        ImportExtendedA(a, e);
    } else if (v <= 8.125) {
        ExtendedRecordB b;
        in(b);
        ImportExtendedB(std::move(b), e);
    } else {
        in(e);
    }
    CheckExtended(in, at, e);
}

// ---------------------------------------------------------------------------
// Current layout.

void ExportProjectInformation(Writer& out, const ProjectInformation& r) {
    out(r.Texts, r.ItemCount);
    WriteRebuilt0(out, r.Items, r.ItemCount, "project information items");
}

void ExportStandard(Writer& out, const StandardRecord& r) {
    out(r.Word1, r.Text1, r.Block1, r.Text2, r.Block2, r.Texts);
    for (const StandardList& list : r.Lists) {
        out(list.Count);
        WriteRebuilt0(out, list.Names, list.Count, "name list");
    }
}

void ExportPreferences(Writer& out, const PreferencesRecord& r) {
    const PreferencesHead& h = r.Head;
    out(AsZeroBased(std::span<const std::int32_t>(h.P1).subspan(1)), h.P2, h.P3, AsZeroBased(h.P4), h.P5, h.P6,
        AsZeroBased(h.P7), AsZeroBased(h.P8), h.P9, h.P10, h.P11, h.P12, h.P13, h.P14Value1, h.P14Word2,
        h.P14Word3, h.P14Value4, h.P14Value5, h.P14Word6);
    out(r.P15, r.P16, r.P17, r.P18, r.P19, r.P20);
}

void ExportList(Writer& out, const ListRecord& r) {
    out(r.Count, r.Block);
    WriteRebuilt0(out, r.Values, r.Count, "list values");
}

void ExportSeries(Writer& out, const SeriesRecord& r) {
    out(r.Count);
    WriteRebuilt0(out, r.Reals, r.Count, "series reals");
    WriteRebuilt0(out, r.Values, r.Count, "series values");
    out(r.Block);
}

void ExportExtended(Writer& out, const ExtendedRecord& r) {
    out(r.Block);
    WriteExtendedReals(out, r);
    out(r.Words, r.Values, r.ItemCount);
    WriteRebuilt0(out, r.Items, r.ItemCount, "items");
    out(r.PairCount);
    WriteRebuilt0(out, r.PairValues, r.PairCount, "pair values");
    WriteRebuilt0(out, r.PairReals, r.PairCount, "pair reals");
}

}  // namespace

void ReadProjectSection(Reader& in, Conversion& cv) {
    const double v = cv.FileVersion;
    auto& p = cv.model.project;

    in.SetTable("ModelUnitCodes");
    in(p.UnitCodes);
    p.UnitCodes.UnitSystem = NormalUnitCode(p.UnitCodes.UnitSystem);

    in.SetTable("ProjectInformation");
    if (v <= 8.005) {
        OldProjectInformation dropped;
        in(dropped);
    } else {
        std::size_t at = in.Offset();
        in(p.Info);
        RequireElements(in, at, p.Info.Items, p.Info.ItemCount, "project information items");
    }

    if (v > 8.1925) ReadStandardTable(in, cv);
    ReadPreferences(in, cv);

    in.SetTable("settings");
    in.Skip(216);
    in(p.ProjectText, p.SettingsBlock);

    in.SetTable("ParameterBlock");
    p.SettingsFlag = 0;
    if (v <= 8.065) {
        ReadShortParameterBlock(in, v, p.Parameters[0]);
        ReadShortParameterBlock(in, v, p.Parameters[2]);
    } else if (v <= 9.035) {
        in(p.Parameters[0], p.Parameters[2]);
    } else {
        in(p.SettingsFlag, p.Parameters[0], p.Parameters[1], p.Parameters[2]);
    }

    // ListRecord 3 is kept only when its first field is 15; otherwise it gets
    // back what it held before.
    in.SetTable("ListRecord");
    const ListRecord savedList3 = p.Lists[2];
    std::array<std::size_t, 3> listAt{};
    if (v <= 8.065) {
        in.Skip(2 * 40);
    } else {
        ReadList(in, p.Lists[0], listAt[0]);
        if (v > 9.035) ReadList(in, p.Lists[1], listAt[1]);
        ReadList(in, p.Lists[2], listAt[2]);
    }
    if (p.Lists[2].Count != 15) p.Lists[2] = savedList3;
    for (std::size_t k = 0; k < 3; ++k) CheckList(in, listAt[k], p.Lists[k]);

    in.SetTable("SeriesRecord");
    if (v <= 8.065) {
        in.Skip(2 * 68);
    } else {
        for (std::size_t k = 0; k < 3; ++k) {
            if (k == 1 && v <= 9.035) continue;
            std::size_t at = in.Offset();
            in(p.Series[k]);
            CheckSeries(in, at, p.Series[k]);
        }
    }

    in.SetTable("ParameterBlock");
    if (v <= 8.065)
        ReadShortParameterBlock(in, v, p.Parameters[3]);
    else
        in(p.Parameters[3]);

    if (v <= 8.065) {
        in.SetTable("ListRecord");
        in.Skip(40 + 68);
    } else {
        in.SetTable("ListRecord");
        std::size_t at = in.Offset();
        in(p.Lists[3]);
        CheckList(in, at, p.Lists[3]);
        in.SetTable("SeriesRecord");
        at = in.Offset();
        in(p.Series[3]);
        CheckSeries(in, at, p.Series[3]);
    }

    in.SetTable("OptionRecord");
    in(p.Option, p.OptionBlock);

    ReadFont(in, cv);
    ReadExtended(in, cv);

    cv.run.CurrentUnits = p.UnitCodes.UnitSystem;
}

void WriteProjectSection(Writer& out, const Conversion& cv) {
    auto& p = cv.model.project;

    out.SetTable("ModelUnitCodes");
    ModelUnitCodes codes = p.UnitCodes;
    codes.UnitSystem = cv.run.CurrentUnits;
    out(codes);

    out.SetTable("ProjectInformation");
    ExportProjectInformation(out, p.Info);

    out.SetTable("Standard");
    out(p.Standard.count);
    for (std::int32_t i = 1; i <= p.Standard.count; ++i) ExportStandard(out, p.Standard[i]);

    out.SetTable("PreferencesRecord");
    ExportPreferences(out, p.Preferences);

    out.SetTable("settings");
    out(p.ProjectText, p.SettingsBlock, p.SettingsFlag, p.Parameters[0], p.Parameters[1], p.Parameters[2]);

    out.SetTable("ListRecord");
    for (std::size_t k = 0; k < 3; ++k) ExportList(out, p.Lists[k]);
    out.SetTable("SeriesRecord");
    for (std::size_t k = 0; k < 3; ++k) ExportSeries(out, p.Series[k]);

    out.SetTable("ParameterBlock");
    out(p.Parameters[3]);
    out.SetTable("ListRecord");
    ExportList(out, p.Lists[3]);
    out.SetTable("SeriesRecord");
    ExportSeries(out, p.Series[3]);

    out.SetTable("OptionRecord");
    out(p.Option, p.OptionBlock);
    out.SetTable("FontRecord");
    out(p.Font);
    out.SetTable("ExtendedRecord");
    ExportExtended(out, p.Extended);
}

}  // namespace kmd
