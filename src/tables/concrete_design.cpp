#include "tables/concrete_design.h"


#include "legacy/concrete_design.h"
#include "tables/table_io.h"

namespace kmd {

namespace {

constexpr const char* kPreferencesTable = "concrete preferences";

constexpr Layout<ConcretePreferences> kConcretePreferenceLayouts[] = {
    UpTo<ConcretePreferencesA, ImportConcretePreferencesA>(kConcretePreferencesAUpTo),
    UpTo<ConcretePreferencesB, ImportConcretePreferencesB>(kConcretePreferencesBUpTo),
    UpTo<ConcretePreferencesC, ImportConcretePreferencesC>(kConcretePreferencesCUpTo),
    UpTo<ConcretePreferencesD, ImportConcretePreferencesD>(kConcretePreferencesDUpTo),
    UpTo<ConcretePreferencesE, ImportConcretePreferencesE>(kConcretePreferencesEUpTo),
    UpTo<ConcretePreferencesF, ImportConcretePreferencesF>(kConcretePreferencesFUpTo),
    UpTo<ConcretePreferencesG, ImportConcretePreferencesG>(kConcretePreferencesGUpTo),
    UpTo<ConcretePreferencesH, ImportConcretePreferencesH>(kConcretePreferencesHUpTo),
    UpTo<ConcretePreferencesI, ImportConcretePreferencesI>(kConcretePreferencesIUpTo),
    UpTo<ConcretePreferencesJ, ImportConcretePreferencesJ>(kConcretePreferencesJUpTo),
    UpTo<ConcretePreferencesK, ImportConcretePreferencesK>(kConcretePreferencesKUpTo),
    Newest<ConcretePreferences>(),
};

constexpr Layout<ConcreteOverwriteRecord> kConcreteOverwriteLayouts[] = {
    UpTo<ConcreteOverwriteA, ImportConcreteOverwriteA>(kConcreteOverwriteAUpTo),
    UpTo<ConcreteOverwriteB, ImportConcreteOverwriteB>(kConcreteOverwriteBUpTo),
    UpTo<ConcreteOverwriteC, ImportConcreteOverwriteC>(kConcreteOverwriteCUpTo),
    UpTo<ConcreteOverwriteD, ImportConcreteOverwriteD>(kConcreteOverwriteDUpTo),
    UpTo<ConcreteOverwriteE, ImportConcreteOverwriteE>(kConcreteOverwriteEUpTo),
    UpTo<ConcreteOverwriteF, ImportConcreteOverwriteF>(kConcreteOverwriteFUpTo),
    UpTo<ConcreteOverwriteG, ImportConcreteOverwriteG>(kConcreteOverwriteGUpTo),
    UpTo<ConcreteOverwriteH, ImportConcreteOverwriteH>(kConcreteOverwriteHUpTo),
    UpTo<ConcreteOverwriteI, ImportConcreteOverwriteI>(kConcreteOverwriteIUpTo),
    Newest<ConcreteOverwriteRecord>(),
};

// An envelope layout of older files: read whole to stay in step, then dropped.
struct DroppedEnvelopeLayout {
    double upTo;
    std::size_t (*minSize)();
    void (*skip)(Reader& in);
};
template <class Legacy>
constexpr DroppedEnvelopeLayout Dropped(double upTo) {
    return {upTo, &MinEncodedSize<Legacy>, [](Reader& in) {
                Legacy dropped;
                in(dropped);
            }};
}
constexpr DroppedEnvelopeLayout kDroppedEnvelopeLayouts[] = {
    Dropped<ConcreteEnvelopeA>(kConcreteEnvelopeAUpTo), Dropped<ConcreteEnvelopeB>(kConcreteEnvelopeBUpTo),
    Dropped<ConcreteEnvelopeC>(kConcreteEnvelopeCUpTo), Dropped<ConcreteEnvelopeD>(kConcreteEnvelopeDUpTo),
    Dropped<ConcreteEnvelopeE>(kConcreteEnvelopeEUpTo), Dropped<ConcreteEnvelopeF>(kConcreteEnvelopeFUpTo),
    Dropped<ConcreteEnvelopeG>(kConcreteEnvelopeGUpTo), Dropped<ConcreteEnvelopeH>(kConcreteEnvelopeHUpTo),
};

// One envelope record per overwrite record. Files above 8.935 hold the current
// layout, which is kept; older ones are only read (nothing is allocated for
// them, so they cannot make a file fail for memory) and the flag is cleared.
void ReadEnvelopes(Reader& in, Conversion& cv) {
    ConcreteDesignData& d = cv.model.concrete;
    Table<ConcreteEnvelopeRecord>& t = d.ConcreteEnvelopes;
    const std::int32_t count = d.ConcreteData.count;
    in.SetTable(t.name);
    const double v = cv.FileVersion;
    if (v > kConcreteEnvelopeHUpTo) {
        if (count <= 0) return;
        in.CheckCount(count, MinEncodedSize<ConcreteEnvelopeRecord>());
        cv.model.AllocateOutputTable(t.name, count);
        t.count = count;
        for (std::int32_t i = 1; i <= count; ++i) in(t[i]);
        return;
    }
    const DroppedEnvelopeLayout* layout = &kDroppedEnvelopeLayouts[0];
    for (const DroppedEnvelopeLayout& l : kDroppedEnvelopeLayouts)
        if (v <= l.upTo) {
            layout = &l;
            break;
        }
    if (count > 0) {
        in.CheckCount(count, layout->minSize());
        for (std::int32_t i = 1; i <= count; ++i) layout->skip(in);
    }
    cv.report.Drop("concrete design envelopes of an older layout", count);
    d.EnvelopesPresent = 0;
}

}  // namespace

// File order: preferences, EnvelopesPresent, StatusFlag, overwrites, envelopes
// (when present). Without a code name the preferences are reset and the
// overwrites dropped.
void ReadConcreteDesign(Reader& in, Conversion& cv) {
    ConcreteDesignData& d = cv.model.concrete;
    in.SetTable(kPreferencesTable);
    ReadRecord(in, cv, LayoutFor<ConcretePreferences>(kConcretePreferenceLayouts, cv, in.Table()), d.Preferences);
    in(d.EnvelopesPresent, d.StatusFlag);
    ReadTable(in, cv, d.ConcreteData, kConcreteOverwriteLayouts);
    if (d.EnvelopesPresent != 0) ReadEnvelopes(in, cv);

    if (d.Preferences.CodeName.empty()) {
        cv.report.Drop("concrete design overwrites without a design code", d.ConcreteData.count);
        cv.report.Fill("concrete design preferences reset: the file names no design code");
        d.Preferences = ResetConcretePreferences("", 0);
        d.ConcreteData.count = 0;
        d.EnvelopesPresent = 0;
        d.StatusFlag = 0;
    }
}

// No envelopes are written: EnvelopesPresent is always 0.
void WriteConcreteDesign(Writer& out, const Conversion& cv) {
    const ConcreteDesignData& d = cv.model.concrete;
    out.SetTable(kPreferencesTable);
    out(d.Preferences, std::int16_t(0), d.StatusFlag);
    WriteTable(out, d.ConcreteData);
}

void ReadBackConcreteDesign(Reader& in, Conversion& cv) {
    ConcreteDesignData& d = cv.model.concrete;
    in.SetTable(kPreferencesTable);
    in(d.Preferences);
    ReadConstant<std::int16_t>(in, 0, "the design envelopes flag");
    in(d.StatusFlag);
    ReadCurrentTable(in, cv, d.ConcreteData);
}

}  // namespace kmd
