#include "tables/wall_design.h"

#include <limits>

#include "legacy/wall_design.h"
#include "tables/table_io.h"

namespace kmd {

namespace {

constexpr const char* kPreferencesTable = "wall preferences";
constexpr const char* kSettingsTable = "wall design settings";
constexpr const char* kFlagTable = "wall design value";

// The story count of the model (the story table holds one record more); 0 when
// a damaged file holds a negative one.
std::int32_t StoryCount(const Conversion& cv) {
    const std::int32_t n = cv.model.stories.Story.count;
    return n > 0 ? n : 0;
}

WallDataRecord ImportWallDataOldest(WallDataA&& a, const Conversion& cv) {
    return ImportWallDataA(std::move(a), double(cv.CurrentDefaultLength()));
}
WallDesignSettings ImportSettingsA(WallSettingsA&& a, const Conversion& cv) {
    return ImportWallSettingsA(std::move(a), StoryCount(cv));
}
WallDesignSettings ImportSettingsB(WallSettingsB&& b, const Conversion& cv) {
    return ImportWallSettingsB(std::move(b), StoryCount(cv));
}
WallDesignSettings ImportSettingsC(WallSettingsC&& c, const Conversion& cv) {
    return ImportWallSettingsC(std::move(c), StoryCount(cv));
}
WallDesignSettings ImportSettingsD(WallSettingsD&& d, const Conversion& cv) {
    return ImportWallSettingsD(std::move(d), StoryCount(cv));
}
WallLegacyList1Record DropList1A(WallLegacyList1A&&) { return {}; }

constexpr Layout<WallPreferences> kPreferenceLayouts[] = {
    UpTo<WallPreferencesA, ImportWallPreferencesA>(kWallPreferencesAUpTo),
    UpTo<WallPreferencesB, ImportWallPreferencesB>(kWallPreferencesBUpTo),
    UpTo<WallPreferencesC, ImportWallPreferencesC>(kWallPreferencesCUpTo),
    UpTo<WallPreferencesD, ImportWallPreferencesD>(kWallPreferencesDUpTo),
    UpTo<WallPreferencesE, ImportWallPreferencesE>(kWallPreferencesEUpTo),
    UpTo<WallPreferencesF, ImportWallPreferencesF>(kWallPreferencesFUpTo),
    UpTo<WallPreferencesG, ImportWallPreferencesG>(kWallPreferencesGUpTo),
    UpTo<WallPreferencesH, ImportWallPreferencesH>(kWallPreferencesHUpTo),
    Newest<WallPreferences>(),
};

constexpr Layout<WallSectionRecord> kSectionLayouts[] = {
    UpTo<WallSectionA, DropWallSectionA>(kWallSectionAUpTo),
    UpTo<WallSectionB, DropWallSectionB>(kWallSectionBUpTo),
    Newest<WallSectionRecord>(),
};

constexpr Layout<WallDataRecord> kWallDataLayouts[] = {
    UpTo<WallDataA, ImportWallDataOldest>(kWallDataAUpTo),
    UpTo<WallDataB, ImportWallDataB>(kWallDataBUpTo),
    UpTo<WallDataC, ImportWallDataC>(kWallDataCUpTo),
    UpTo<WallDataD, ImportWallDataD>(kWallDataDUpTo),
    UpTo<WallDataE, ImportWallDataE>(kWallDataEUpTo),
    UpTo<WallDataF, ImportWallDataF>(kWallDataFUpTo),
    Newest<WallDataRecord>(),
};

constexpr Layout<WallEnvelopeRecord> kWallEnvelopeLayouts[] = {
    UpTo<WallEnvelopeA, DropWallEnvelope<WallEnvelopeA>>(kWallEnvelopeAUpTo),
    UpTo<WallEnvelopeB, DropWallEnvelope<WallEnvelopeB>>(kWallEnvelopeBUpTo),
    UpTo<WallEnvelopeC, DropWallEnvelope<WallEnvelopeC>>(kWallEnvelopeCUpTo),
    UpTo<WallEnvelopeD, DropWallEnvelope<WallEnvelopeD>>(kWallEnvelopeDUpTo),
    UpTo<WallEnvelopeE, DropWallEnvelope<WallEnvelopeE>>(kWallEnvelopeEUpTo),
    UpTo<WallEnvelopeF, DropWallEnvelope<WallEnvelopeF>>(kWallEnvelopeFUpTo),
    Newest<WallEnvelopeRecord>(),
};

constexpr Layout<SpandrelDataRecord> kSpandrelDataLayouts[] = {
    UpTo<SpandrelDataA, ImportSpandrelDataA>(kSpandrelDataAUpTo),
    UpTo<SpandrelDataB, ImportSpandrelDataB>(kSpandrelDataBUpTo),
    UpTo<SpandrelDataC, ImportSpandrelDataC>(kSpandrelDataCUpTo),
    Newest<SpandrelDataRecord>(),
};

constexpr Layout<SpandrelEnvelopeRecord> kSpandrelEnvelopeLayouts[] = {
    UpTo<SpandrelEnvelopeA, DropSpandrelEnvelope<SpandrelEnvelopeA>>(kSpandrelEnvelopeAUpTo),
    UpTo<SpandrelEnvelopeB, DropSpandrelEnvelope<SpandrelEnvelopeB>>(kSpandrelEnvelopeBUpTo),
    UpTo<SpandrelEnvelopeC, DropSpandrelEnvelope<SpandrelEnvelopeC>>(kSpandrelEnvelopeCUpTo),
    Newest<SpandrelEnvelopeRecord>(),
};

// Files up to 8.305 hold no settings (the defaults stay).
constexpr Layout<WallDesignSettings> kSettingsLayouts[] = {
    UpTo<WallSettingsA, ImportSettingsA>(kWallSettingsAUpTo),
    UpTo<WallSettingsB, ImportSettingsB>(kWallSettingsBUpTo),
    UpTo<WallSettingsC, ImportSettingsC>(kWallSettingsCUpTo),
    UpTo<WallSettingsD, ImportSettingsD>(kWallSettingsDUpTo),
    Newest<WallDesignSettings>(),
};

constexpr Layout<WallLegacyList1Record> kList1Layouts[] = {
    UpTo<WallLegacyList1A, DropList1A>(kWallList1AUpTo),
    Newest<WallLegacyList1Record>(),
};

template <class Rec, std::size_t N>
const Layout<Rec>& LayoutOf(const Layout<Rec> (&layouts)[N], const Conversion& cv, std::string_view table) {
    return LayoutFor(std::span<const Layout<Rec>>(layouts), cv, table);
}

// One design data record per section, in an output table sized to the count
// (read and dropped when the block has no design code).
template <class Rec, std::size_t N>
void ReadDesignData(Reader& in, Conversion& cv, Table<Rec>& t, std::int32_t count, bool kept,
                    const Layout<Rec> (&layouts)[N]) {
    const Layout<Rec>& layout = LayoutOf(layouts, cv, t.name);
    in.SetTable(t.name);
    if (!kept) return SkipRecords(in, cv, layout, count);
    in.CheckCount(count, layout.minSize());
    cv.model.AllocateOutputTable(t.name, count);
    t.count = count;
    for (std::int32_t i = 1; i <= count; ++i) ReadRecord(in, cv, layout, t[i]);
}

// Two envelope records per section, (i, 1) and (i, 2). Returns whether they
// were read in the newest layout (older ones are dropped).
template <class Rec, std::size_t N>
bool ReadEnvelopes(Reader& in, Conversion& cv, Grid<Rec>& g, std::int32_t count, const Layout<Rec> (&layouts)[N]) {
    const Layout<Rec>& layout = LayoutOf(layouts, cv, g.name);
    in.SetTable(g.name);
    in.CheckCount(2 * std::int64_t(count), layout.minSize());
    cv.model.AllocateOutputGrid(g.name, count, 2);
    for (std::int32_t i = 1; i <= count; ++i)
        for (std::int32_t j = 1; j <= 2; ++j) ReadRecord(in, cv, layout, g.At(i, j));
    return layout.upTo == std::numeric_limits<double>::infinity();
}

// The pier envelopes are never written, and held they would take some twenty
// times their bytes in the file: every layout is read and dropped. Returns
// whether they were in the newest layout.
bool SkipWallEnvelopes(Reader& in, const Conversion& cv, std::int32_t count) {
    const Layout<WallEnvelopeRecord>& layout = LayoutOf(kWallEnvelopeLayouts, cv, "WallEnvelopes");
    in.SetTable("WallEnvelopes");
    SkipRecords(in, cv, layout, 2 * std::int64_t(count));
    cv.report.Drop("shear wall pier envelopes", 2 * std::int64_t(count));
    return layout.upTo == std::numeric_limits<double>::infinity();
}

// A legacy list: a count, then that many records, held with bounds 1..count.
template <class Rec, std::size_t N>
void ReadList(Reader& in, const Conversion& cv, DynArray<Rec>& list, const char* name,
              const Layout<Rec> (&layouts)[N]) {
    const Layout<Rec>& layout = LayoutOf(layouts, cv, name);
    in.SetTable(name);
    const std::int32_t count = in.I32();
    list = {};
    if (count < 0) return;
    cv.report.Drop("shear wall legacy lists", count);
    in.CheckCount(count, layout.minSize());
    list = DynArray<Rec>::Sized(1, count);
    for (Rec& r : list.items) ReadRecord(in, cv, layout, r);
}
template <class Rec>
void ReadList(Reader& in, const Conversion& cv, DynArray<Rec>& list, const char* name) {
    static constexpr Layout<Rec> kOnly[] = {Newest<Rec>()};
    ReadList(in, cv, list, name, kOnly);
}

// Design data of the current file: one record per section.
template <class Rec>
void ReadBackDesignData(Reader& in, Conversion& cv, Table<Rec>& t, std::int32_t sections) {
    in.SetTable(t.name);
    if (sections <= 0) return;
    in.CheckCount(sections, 1);
    cv.model.AllocateOutputTable(t.name, sections);
    t.count = sections;
    for (std::int32_t i = 1; i <= sections; ++i) in(t[i]);
}

}  // namespace

// File order: piers, spandrels, preferences, the two flags, pier sections with
// their design data and envelopes, spandrel sections likewise, a 16-bit value
// (above 9.125), the settings (above 8.305) and the legacy lists (above 8.315).
void ReadWallDesign(Reader& in, Conversion& cv) {
    WallDesignData& d = cv.model.wall;
    const double v = cv.FileVersion;
    ReadTable(in, cv, d.WallPier);
    ReadTable(in, cv, d.WallSpand);

    in.SetTable(kPreferencesTable);
    ReadRecord(in, cv, LayoutOf(kPreferenceLayouts, cv, kPreferencesTable), d.Preferences);
    in(d.EnvelopesPresent, d.DesignDataPresent);
    const std::int16_t envelopesRead = d.EnvelopesPresent;

    // Without a code name the sections and their design data are dropped.
    const bool hasCode = !d.Preferences.CodeName.empty();
    auto readSections = [&](Table<WallSectionRecord>& t) {
        if (hasCode) {
            ReadTable(in, cv, t, kSectionLayouts);
            return t.count;
        }
        const std::int32_t dropped = SkipTable(in, cv, t.name, kSectionLayouts);
        cv.report.Drop("shear wall sections without a design code", dropped);
        return dropped;
    };

    const std::int32_t walls = readSections(d.WallSections);
    if (walls >= 1 && d.DesignDataPresent != 0) ReadDesignData(in, cv, d.WallData, walls, hasCode, kWallDataLayouts);
    if (walls >= 1 && d.EnvelopesPresent != 0 && !SkipWallEnvelopes(in, cv, walls)) d.EnvelopesPresent = 0;

    const std::int32_t spandrels = readSections(d.SpandrelSections);
    if (spandrels >= 1 && d.DesignDataPresent != 0)
        ReadDesignData(in, cv, d.SpandrelData, spandrels, hasCode, kSpandrelDataLayouts);
    if (spandrels >= 1 && envelopesRead != 0 &&
        !ReadEnvelopes(in, cv, d.SpandrelEnvelopes, spandrels, kSpandrelEnvelopeLayouts))
        d.EnvelopesPresent = 0;

    if (v < kWallEnvelopesFrom) d.EnvelopesPresent = 0;
    if (v > kNoWallValueUpTo) {
        in.SetTable(kFlagTable);
        in.I16();
    }
    if (!hasCode) {
        d.WallSections.count = 0;
        d.SpandrelSections.count = 0;
        d.EnvelopesPresent = 0;
        d.DesignDataPresent = 0;
    }

    d.Settings = ResetWallDesignSettings(StoryCount(cv));
    if (v <= kNoWallSettingsUpTo) cv.report.Fill("shear wall design settings from the defaults");
    if (v > kNoWallSettingsUpTo) {
        in.SetTable(kSettingsTable);
        ReadRecord(in, cv, LayoutOf(kSettingsLayouts, cv, kSettingsTable), d.Settings);
    }
    if (v > kNoWallListsUpTo) {
        ReadList(in, cv, d.List1, "wall list 1", kList1Layouts);
        ReadList(in, cv, d.List2, "wall list 2");
        ReadList(in, cv, d.List3, "wall list 3");
    }
    if (v > kNoWallList4UpTo) ReadList(in, cv, d.List4, "wall list 4");
}

// No envelopes and none of the legacy lists are written: EnvelopesPresent is
// always 0.
void WriteWallDesign(Writer& out, const Conversion& cv) {
    const WallDesignData& d = cv.model.wall;
    WriteTable(out, d.WallPier);
    WriteTable(out, d.WallSpand);
    out.SetTable(kPreferencesTable);
    out(d.Preferences, std::int16_t(0), d.DesignDataPresent);

    WriteTable(out, d.WallSections);
    if (d.DesignDataPresent != 0) {
        out.SetTable(d.WallData.name);
        for (std::int32_t i = 1; i <= d.WallSections.count; ++i) out(d.WallData[i]);
    }
    WriteTable(out, d.SpandrelSections);
    if (d.DesignDataPresent != 0) {
        out.SetTable(d.SpandrelData.name);
        for (std::int32_t i = 1; i <= d.SpandrelSections.count; ++i) out(d.SpandrelData[i]);
    }
    out.SetTable(kFlagTable);
    out.I16(0);
    out.SetTable(kSettingsTable);
    out(d.Settings);
}

void ReadBackWallDesign(Reader& in, Conversion& cv) {
    WallDesignData& d = cv.model.wall;
    ReadCurrentTable(in, cv, d.WallPier);
    ReadCurrentTable(in, cv, d.WallSpand);
    in.SetTable(kPreferencesTable);
    in(d.Preferences);
    ReadConstant<std::int16_t>(in, 0, "the design envelopes flag");
    in(d.DesignDataPresent);

    ReadCurrentTable(in, cv, d.WallSections);
    if (d.DesignDataPresent != 0) ReadBackDesignData(in, cv, d.WallData, d.WallSections.count);
    ReadCurrentTable(in, cv, d.SpandrelSections);
    if (d.DesignDataPresent != 0) ReadBackDesignData(in, cv, d.SpandrelData, d.SpandrelSections.count);
    in.SetTable(kFlagTable);
    ReadConstant<std::int16_t>(in, 0, "the wall flag");
    in.SetTable(kSettingsTable);
    in(d.Settings);
}

}  // namespace kmd
