#include "tables/steel_design.h"

#include "legacy/steel_design.h"
#include "legacy/steel_overwrites.h"
#include "tables/table_io.h"

namespace kmd {

namespace {

constexpr const char* kPreferencesTable = "steel preferences";

constexpr Layout<SteelPreferences> kSteelPreferenceLayouts[] = {
    UpTo<SteelPreferencesA, ImportSteelPreferencesA>(kSteelPreferencesAUpTo),
    UpTo<SteelPreferencesB, ImportSteelPreferencesB>(kSteelPreferencesBUpTo),
    UpTo<SteelPreferencesC, ImportSteelPreferencesC>(kSteelPreferencesCUpTo),
    UpTo<SteelPreferencesD, ImportSteelPreferencesD>(kSteelPreferencesDUpTo),
    UpTo<SteelPreferencesE, ImportSteelPreferencesE>(kSteelPreferencesEUpTo),
    UpTo<SteelPreferencesF, ImportSteelPreferencesF>(kSteelPreferencesFUpTo),
    UpTo<SteelPreferencesG, ImportSteelPreferencesG>(kSteelPreferencesGUpTo),
    UpTo<SteelPreferencesH, ImportSteelPreferencesH>(kSteelPreferencesHUpTo),
    UpTo<SteelPreferencesI, ImportSteelPreferencesI>(kSteelPreferencesIUpTo),
    UpTo<SteelPreferencesJ, ImportSteelPreferencesJ>(kSteelPreferencesJUpTo),
    UpTo<SteelPreferencesK, ImportSteelPreferencesK>(kSteelPreferencesKUpTo),
    Newest<SteelPreferences>(),
};

constexpr Layout<SteelOverwriteRecord> kSteelOverwriteLayouts[] = {
    UpTo<SteelOverwriteA, ImportSteelOverwriteA>(kSteelOverwriteAUpTo),
    UpTo<SteelOverwriteB, ImportSteelOverwriteB>(kSteelOverwriteBUpTo),
    UpTo<SteelOverwriteC, ImportSteelOverwriteC>(kSteelOverwriteCUpTo),
    UpTo<SteelOverwriteD, ImportSteelOverwriteD>(kSteelOverwriteDUpTo),
    UpTo<SteelOverwriteE, ImportSteelOverwriteE>(kSteelOverwriteEUpTo),
    UpTo<SteelOverwriteF, ImportSteelOverwriteF>(kSteelOverwriteFUpTo),
    UpTo<SteelOverwriteG, ImportSteelOverwriteG>(kSteelOverwriteGUpTo),
    UpTo<SteelOverwriteH, ImportSteelOverwriteH>(kSteelOverwriteHUpTo),
    UpTo<SteelOverwriteI, ImportSteelOverwriteI>(kSteelOverwriteIUpTo),
    UpTo<SteelOverwriteJ, ImportSteelOverwriteJ>(kSteelOverwriteJUpTo),
    UpTo<SteelOverwriteK, ImportSteelOverwriteK>(kSteelOverwriteKUpTo),
    UpTo<SteelOverwriteL, ImportSteelOverwriteL>(kSteelOverwriteLUpTo),
    UpTo<SteelOverwriteM, ImportSteelOverwriteM>(kSteelOverwriteMUpTo),
    UpTo<SteelOverwriteN, ImportSteelOverwriteN>(kSteelOverwriteNUpTo),
    UpTo<SteelOverwriteO, ImportSteelOverwriteO>(kSteelOverwriteOUpTo),
    Newest<SteelOverwriteRecord>(),
};

// One inch in the model's length unit.
double InchInModelUnits(const Conversion& cv) {
    return cv.units.LengthPerInch[NormalUnitCode(cv.run.CurrentUnits)] / cv.units.LengthPerInch[3];
}

// One envelope record per overwrite record; only the newest layout is kept.
void ReadEnvelopes(Reader& in, Conversion& cv, std::int32_t count) {
    SteelDesignData& d = cv.model.steel;
    Table<SteelEnvelopeRecord>& t = d.SteelEnvelopes;
    in.SetTable(t.name);
    if (count <= 0) return;
    const SteelEnvelopeLayout& layout = SteelEnvelopeLayoutFor(cv.FileVersion);
    const bool kept = layout.trailing == sizeof(SteelEnvelopeRecord::Block3);
    in.CheckCount(count, MinEncodedSize<SteelEnvelopeRecord>() - sizeof(SteelEnvelopeRecord::Block3) + layout.trailing);
    if (kept) {
        t.Reallocate(count);
        t.count = t.capacity = count;
    }
    for (std::int32_t i = 1; i <= count; ++i) {
        if (kept) {
            in(t[i]);
            continue;
        }
        SteelEnvelopeRecord dropped;
        in(dropped.Block1, dropped.Text1, dropped.Block2, dropped.Text2);
        in.Skip(layout.trailing);
        d.EnvelopesPresent = 0;
    }
    if (!kept) cv.report.Drop("steel design envelopes of an older layout", count);
}

}  // namespace

// File order: lateral bracing (above 9.155), preferences, EnvelopesPresent,
// StatusFlag, overwrites, envelopes (when present), OptimizationD,
// OptimizationT (above 7.985). Without a code name the preferences are reset
// and the overwrites dropped.
void ReadSteelDesign(Reader& in, Conversion& cv) {
    SteelDesignData& d = cv.model.steel;
    const double v = cv.FileVersion;
    if (v > kNoLateralBraceUpTo) ReadTable(in, cv, d.FLateralBrace);

    in.SetTable(kPreferencesTable);
    ReadRecord(in, cv, LayoutFor<SteelPreferences>(kSteelPreferenceLayouts, cv, in.Table()), d.Preferences);
    in(d.EnvelopesPresent, d.StatusFlag);

    const bool hasCode = !d.Preferences.CodeName.empty();
    std::int32_t overwrites;
    if (hasCode) {
        ReadTable(in, cv, d.SteelData, kSteelOverwriteLayouts);
        overwrites = d.SteelData.count;
    } else {
        overwrites = SkipTable(in, cv, "SteelData", kSteelOverwriteLayouts);
    }
    if (d.EnvelopesPresent != 0) ReadEnvelopes(in, cv, overwrites);

    ReadTable(in, cv, d.OptimizationD);
    if (v > kNoOptimizationTUpTo) ReadTable(in, cv, d.OptimizationT);

    if (!hasCode) {
        cv.report.Drop("steel design overwrites without a design code", overwrites);
        cv.report.Fill("steel design preferences reset: the file names no design code");
        d.Preferences = ResetSteelPreferences("", 0, InchInModelUnits(cv));
        d.SteelData.count = 0;
        d.EnvelopesPresent = 0;
        d.StatusFlag = 0;
    }
}

// No envelopes are written: EnvelopesPresent is always 0.
void WriteSteelDesign(Writer& out, const Conversion& cv) {
    const SteelDesignData& d = cv.model.steel;
    WriteTable(out, d.FLateralBrace);
    out.SetTable(kPreferencesTable);
    out(d.Preferences, std::int16_t(0), d.StatusFlag);
    WriteTable(out, d.SteelData);
    WriteTable(out, d.OptimizationD);
    WriteTable(out, d.OptimizationT);
}

void ReadBackSteelDesign(Reader& in, Conversion& cv) {
    SteelDesignData& d = cv.model.steel;
    ReadCurrentTable(in, cv, d.FLateralBrace);
    in.SetTable(kPreferencesTable);
    in(d.Preferences);
    ReadConstant<std::int16_t>(in, 0, "the design envelopes flag");
    in(d.StatusFlag);
    ReadCurrentTable(in, cv, d.SteelData);
    ReadCurrentTable(in, cv, d.OptimizationD);
    ReadCurrentTable(in, cv, d.OptimizationT);
}

}  // namespace kmd
