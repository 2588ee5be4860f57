#include "tables/composite_design.h"

#include "legacy/composite_design.h"
#include "tables/table_io.h"

namespace kmd {

namespace {

constexpr const char* kPreferencesTable = "composite preferences";

constexpr Layout<CompositePreferences> kCompositePreferenceLayouts[] = {
    UpTo<CompositePreferencesA, ImportCompositePreferencesA>(kCompositePreferencesAUpTo),
    UpTo<CompositePreferencesB, ImportCompositePreferencesB>(kCompositePreferencesBUpTo),
    UpTo<CompositePreferencesC, ImportCompositePreferencesC>(kCompositePreferencesCUpTo),
    UpTo<CompositePreferencesD, ImportCompositePreferencesD>(kCompositePreferencesDUpTo),
    UpTo<CompositePreferencesE, ImportCompositePreferencesE>(kCompositePreferencesEUpTo),
    Newest<CompositePreferences>(),
};

constexpr Layout<CompositeOverwriteRecord> kCompositeOverwriteLayouts[] = {
    UpTo<CompositeOverwriteA, ImportCompositeOverwriteA>(kCompositeOverwriteAUpTo),
    UpTo<CompositeOverwriteB, ImportCompositeOverwriteB>(kCompositeOverwriteBUpTo),
    UpTo<CompositeOverwriteC, ImportCompositeOverwriteC>(kCompositeOverwriteCUpTo),
    UpTo<CompositeOverwriteD, ImportCompositeOverwriteD>(kCompositeOverwriteDUpTo),
    UpTo<CompositeOverwriteE, ImportCompositeOverwriteE>(kCompositeOverwriteEUpTo),
    Newest<CompositeOverwriteRecord>(),
};

// `count` records of an older envelope layout, read and dropped.
template <class Legacy>
void DropEnvelopes(Reader& in, std::int32_t count) {
    if (count <= 0) return;
    in.CheckCount(count, MinEncodedSize<Legacy>());
    Legacy dropped;
    for (std::int32_t i = 1; i <= count; ++i) in(dropped);
}

// One envelope record per overwrite record; only the newest layout is kept.
void ReadEnvelopes(Reader& in, Conversion& cv, std::int32_t count) {
    CompositeDesignData& d = cv.model.composite;
    Table<CompositeEnvelopeRecord>& t = d.CompositeEnvelopes;
    in.SetTable(t.name);
    const double v = cv.FileVersion;
    if (v > kCompositeEnvelopeCUpTo) {
        if (count <= 0) return;
        in.CheckCount(count, MinEncodedSize<CompositeEnvelopeRecord>());
        cv.model.AllocateOutputTable(t.name, count);
        t.count = count;
        for (std::int32_t i = 1; i <= count; ++i) in(t[i]);
        return;
    }
    if (v <= kCompositeEnvelopeAUpTo)
        DropEnvelopes<CompositeEnvelopeA>(in, count);
    else if (v <= kCompositeEnvelopeBUpTo)
        DropEnvelopes<CompositeEnvelopeB>(in, count);
    else
        DropEnvelopes<CompositeEnvelopeC>(in, count);
    cv.report.Drop("composite design envelopes of an older layout", count);
    d.EnvelopesPresent = 0;
}

}  // namespace

// File order: preferences, EnvelopesPresent, StatusFlag, overwrites, envelopes
// (when present). Without a code name the preferences take the defaults and the
// overwrites are dropped.
void ReadCompositeDesign(Reader& in, Conversion& cv) {
    CompositeDesignData& d = cv.model.composite;
    in.SetTable(kPreferencesTable);
    ReadRecord(in, cv, LayoutFor<CompositePreferences>(kCompositePreferenceLayouts, cv, in.Table()), d.Preferences);
    in(d.EnvelopesPresent, d.StatusFlag);

    const bool hasCode = !d.Preferences.CodeName.empty();
    std::int32_t overwrites;
    if (hasCode) {
        ReadTable(in, cv, d.CompositeData, kCompositeOverwriteLayouts);
        overwrites = d.CompositeData.count;
    } else {
        overwrites = SkipTable(in, cv, "CompositeData", kCompositeOverwriteLayouts);
    }
    if (d.EnvelopesPresent != 0) ReadEnvelopes(in, cv, overwrites);

    if (!hasCode) {
        cv.report.Drop("composite design overwrites without a design code", overwrites);
        cv.report.Fill("composite preferences from the defaults: the file names no design code");
        CompositeDefaults(d.Preferences, "");
        d.CompositeData.count = 0;
        d.EnvelopesPresent = 0;
        d.StatusFlag = 0;
    }
}

// No envelopes are written: EnvelopesPresent is always 0.
void WriteCompositeDesign(Writer& out, const Conversion& cv) {
    const CompositeDesignData& d = cv.model.composite;
    out.SetTable(kPreferencesTable);
    out(d.Preferences, std::int16_t(0), d.StatusFlag);
    WriteTable(out, d.CompositeData);
}

void ReadBackCompositeDesign(Reader& in, Conversion& cv) {
    CompositeDesignData& d = cv.model.composite;
    in.SetTable(kPreferencesTable);
    in(d.Preferences);
    ReadConstant<std::int16_t>(in, 0, "the design envelopes flag");
    in(d.StatusFlag);
    ReadCurrentTable(in, cv, d.CompositeData);
}

}  // namespace kmd
