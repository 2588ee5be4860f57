#include "tables/project.h"

#include <array>
#include <span>

#include "driver/units.h"
#include "legacy/project.h"
#include "tables/table_io.h"

namespace kmd {

namespace {

// The section's blocks, by the names errors report.
constexpr const char* kUnitCodesTable = "ModelUnitCodes";
constexpr const char* kInformationTable = "ProjectInformation";
constexpr const char* kPreferencesTable = "PreferencesRecord";
constexpr const char* kSettingsTable = "settings";
constexpr const char* kParameterTable = "ParameterBlock";
constexpr const char* kListTable = "ListRecord";
constexpr const char* kSeriesTable = "SeriesRecord";
constexpr const char* kOptionTable = "OptionRecord";
constexpr const char* kFontTable = "FontRecord";
constexpr const char* kExtendedTable = "ExtendedRecord";

constexpr Layout<ProjectInformation> kInformationLayouts[] = {
    UpTo<OldProjectInformation, ImportOldProjectInformation>(kOldProjectInformationUpTo),
    Newest<ProjectInformation>(),
};

constexpr Layout<PreferencesRecord> kPreferencesLayouts[] = {
    UpTo<PreferencesA, ImportPreferencesA>(kPreferencesAUpTo),
    UpTo<PreferencesB, ImportPreferencesB>(kPreferencesBUpTo),
    UpTo<PreferencesC, ImportPreferencesC>(kPreferencesCUpTo),
    Newest<PreferencesRecord>(),
};

constexpr Layout<ParameterBlock> kParameterLayouts[] = {
    UpTo<Bytes<84>, WidenParameterBlock84>(kParameterBlock84UpTo),
    UpTo<Bytes<100>, WidenParameterBlock100>(kParameterBlock100UpTo),
    Newest<ParameterBlock>(),
};

constexpr Layout<FontRecord> kFontLayouts[] = {
    UpTo<FontRecordA, ImportFontA>(kFontAUpTo),
    UpTo<FontRecordB, ImportFontB>(kFontBUpTo),
    UpTo<FontRecordC, ImportFontC>(kFontCUpTo),
    UpTo<FontRecordD, ImportFontD>(kFontDUpTo),
    Newest<FontRecord>(),
};

constexpr Layout<ExtendedRecord> kExtendedLayouts[] = {
    UpTo<ExtendedRecordA, ImportExtendedA>(kExtendedAUpTo),
    UpTo<ExtendedRecordB, ImportExtendedB>(kExtendedBUpTo),
    Newest<ExtendedRecord>(),
};

// Reads one record in the layout of the file's version, and checks it.
template <class Rec, std::size_t N>
void ReadSingle(Reader& in, const Conversion& cv, Rec& rec, const Layout<Rec> (&layouts)[N]) {
    ReadRecord(in, cv, LayoutFor(std::span<const Layout<Rec>>(layouts), cv, in.Table()), rec);
}

// Reads one record of the newest layout, and checks it.
template <class Rec>
void ReadSingle(Reader& in, Rec& rec) {
    const std::size_t at = in.Offset();
    in(rec);
    CheckRecord(in, at, rec);
}

// The first and fourth words never come from the file; an empty font name
// becomes "Arial".
void ReadFont(Reader& in, const Conversion& cv, FontRecord& f) {
    in.SetTable(kFontTable);
    const std::int16_t first = f.Words[0], fourth = f.Words[3];
    ReadSingle(in, cv, f, kFontLayouts);
    f.Words[0] = first;
    f.Words[3] = fourth;
    if (f.FontName.empty()) {
        f.FontName = "Arial";
        f.Trailing[1] = -1;
    }
}

}  // namespace

void ReadProjectSection(Reader& in, Conversion& cv) {
    const double v = cv.FileVersion;
    auto& p = cv.model.project;

    in.SetTable(kUnitCodesTable);
    ReadSingle(in, p.UnitCodes);
    p.UnitCodes.UnitSystem = NormalUnitCode(p.UnitCodes.UnitSystem);

    in.SetTable(kInformationTable);
    ReadSingle(in, cv, p.Info, kInformationLayouts);

    if (v > kNoStandardUpTo) ReadTable(in, cv, p.Standard);

    in.SetTable(kPreferencesTable);
    ReadSingle(in, cv, p.Preferences, kPreferencesLayouts);

    in.SetTable(kSettingsTable);
    in.Skip(kSkippedSettingsBytes);
    in(p.ProjectText, p.SettingsBlock);

    const bool second = v > kNoSecondParametersUpTo;
    in.SetTable(kParameterTable);
    if (second) in(p.SettingsFlag);
    ReadSingle(in, cv, p.Parameters[0], kParameterLayouts);
    if (second) ReadSingle(in, cv, p.Parameters[1], kParameterLayouts);
    ReadSingle(in, cv, p.Parameters[2], kParameterLayouts);

    const bool skipLists = v <= kSkippedListsUpTo;
    in.SetTable(kListTable);
    if (skipLists) {
        in.Skip(2 * kSkippedListBytes);
    } else {
        // ListRecord 3 is kept only when its first field is 15; otherwise it
        // gets back what it held before. The records are checked once list 3
        // is settled, in file order.
        const ListRecord held = p.Lists[2];
        std::array<std::size_t, 3> at{};
        for (std::size_t k = 0; k < 3; ++k) {
            if (k == 1 && !second) continue;
            at[k] = in.Offset();
            in(p.Lists[k]);
        }
        if (p.Lists[2].Count != 15) p.Lists[2] = held;
        for (std::size_t k = 0; k < 3; ++k) CheckRecord(in, at[k], p.Lists[k]);
    }

    in.SetTable(kSeriesTable);
    if (skipLists) {
        in.Skip(2 * kSkippedSeriesBytes);
    } else {
        ReadSingle(in, p.Series[0]);
        if (second) ReadSingle(in, p.Series[1]);
        ReadSingle(in, p.Series[2]);
    }

    in.SetTable(kParameterTable);
    ReadSingle(in, cv, p.Parameters[3], kParameterLayouts);

    in.SetTable(kListTable);
    if (skipLists) {
        in.Skip(kSkippedListBytes + kSkippedSeriesBytes);
    } else {
        ReadSingle(in, p.Lists[3]);
        in.SetTable(kSeriesTable);
        ReadSingle(in, p.Series[3]);
    }

    in.SetTable(kOptionTable);
    ReadSingle(in, p.Option);
    in(p.OptionBlock);

    ReadFont(in, cv, p.Font);

    in.SetTable(kExtendedTable);
    ReadSingle(in, cv, p.Extended, kExtendedLayouts);

    cv.run.CurrentUnits = p.UnitCodes.UnitSystem;
}

// The tables after the unit codes, in file order: written, or read back from
// the current file (`table` writes or reads the standards table).
template <class Io, class Project, class TableIo>
void ProjectTables(Io& io, Project& p, TableIo table) {
    io.SetTable(kInformationTable);
    io(p.Info);
    table(p.Standard);
    io.SetTable(kPreferencesTable);
    io(p.Preferences);

    io.SetTable(kSettingsTable);
    io(p.ProjectText, p.SettingsBlock, p.SettingsFlag, p.Parameters[0], p.Parameters[1], p.Parameters[2]);
    io.SetTable(kListTable);
    io(p.Lists[0], p.Lists[1], p.Lists[2]);
    io.SetTable(kSeriesTable);
    io(p.Series[0], p.Series[1], p.Series[2]);

    io.SetTable(kParameterTable);
    io(p.Parameters[3]);
    io.SetTable(kListTable);
    io(p.Lists[3]);
    io.SetTable(kSeriesTable);
    io(p.Series[3]);

    io.SetTable(kOptionTable);
    io(p.Option, p.OptionBlock);
    io.SetTable(kFontTable);
    io(p.Font);
    io.SetTable(kExtendedTable);
    io(p.Extended);
}

void WriteProjectSection(Writer& out, const Conversion& cv) {
    const auto& p = cv.model.project;

    // The unit system is the run's current one.
    out.SetTable(kUnitCodesTable);
    ModelUnitCodes codes = p.UnitCodes;
    codes.UnitSystem = cv.run.CurrentUnits;
    out(codes);

    ProjectTables(out, p, [&](const auto& t) { WriteTable(out, t); });
}

void ReadBackProjectSection(Reader& in, Conversion& cv) {
    auto& p = cv.model.project;

    in.SetTable(kUnitCodesTable);
    in(p.UnitCodes);
    cv.run.CurrentUnits = p.UnitCodes.UnitSystem;

    ProjectTables(in, p, [&](auto& t) { ReadCurrentTable(in, cv, t); });
}

}  // namespace kmd
