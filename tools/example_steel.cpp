#include "tools/example_steel.h"

#include "legacy/steel_design.h"
#include "legacy/steel_overwrites.h"
#include "model/steel_design.h"

namespace kmd::example {

namespace {

void WriteLateralBracing(Writer& out) {
    LateralBraceRecord brace;
    brace.Short1 = 12;
    brace.Value1 = 1;
    brace.CountA = 2;
    brace.NamesA = OneBased<std::string>({"Top", "Bottom"});
    brace.ValuesA = OneBased({0.25, 0.75});
    brace.CountB = 1;
    brace.NamesB = OneBased<std::string>({"Point"});
    brace.ValuesB1 = OneBased({0.5});
    brace.ValuesB2 = OneBased({1.0});
    out(std::int32_t(1), brace);
}

void WritePreferences(Writer& out, double v) {
    auto legacy = [](auto p) {
        p.CodeName = "AISC360-05/IBC2006";
        Pattern(p.Block, 3);
        return p;
    };
    As<SteelPreferencesA>(out, v, kSteelPreferencesAUpTo, legacy) ||
        As<SteelPreferencesB>(out, v, kSteelPreferencesBUpTo, legacy) ||
        As<SteelPreferencesC>(out, v, kSteelPreferencesCUpTo, legacy) ||
        As<SteelPreferencesD>(out, v, kSteelPreferencesDUpTo, legacy) ||
        As<SteelPreferencesE>(out, v, kSteelPreferencesEUpTo, legacy) ||
        As<SteelPreferencesF>(out, v, kSteelPreferencesFUpTo, legacy) ||
        As<SteelPreferencesG>(out, v, kSteelPreferencesGUpTo, legacy) ||
        As<SteelPreferencesH>(out, v, kSteelPreferencesHUpTo, legacy) ||
        As<SteelPreferencesI>(out, v, kSteelPreferencesIUpTo, legacy) ||
        As<SteelPreferencesJ>(out, v, kSteelPreferencesJUpTo, legacy) ||
        As<SteelPreferencesK>(out, v, kSteelPreferencesKUpTo, legacy) ||
        (out(ResetSteelPreferences("Eurocode 3-2005", 1, 1.0)), true);
}

// Overwrite record k in the layout of v.
void WriteOverwrite(Writer& out, double v, std::uint8_t k) {
    auto legacy = [k](auto r) {
        if constexpr (requires { r.Block; }) {
            Pattern(r.Block, k);
        } else {
            Pattern(r.Leading, k);
            Pattern(r.Trailing, std::uint8_t(k + 100));
            r.Lists.CountA = 1;
            r.Lists.NamesA = OneBased<std::string>({"Mid"});
            r.Lists.ValuesA = OneBased({0.5});
            r.Lists.Short2 = 2;
        }
        return r;
    };
    As<SteelOverwriteA>(out, v, kSteelOverwriteAUpTo, legacy) ||
        As<SteelOverwriteB>(out, v, kSteelOverwriteBUpTo, legacy) ||
        As<SteelOverwriteC>(out, v, kSteelOverwriteCUpTo, legacy) ||
        As<SteelOverwriteD>(out, v, kSteelOverwriteDUpTo, legacy) ||
        As<SteelOverwriteE>(out, v, kSteelOverwriteEUpTo, legacy) ||
        As<SteelOverwriteF>(out, v, kSteelOverwriteFUpTo, legacy) ||
        As<SteelOverwriteG>(out, v, kSteelOverwriteGUpTo, legacy) ||
        As<SteelOverwriteH>(out, v, kSteelOverwriteHUpTo, legacy) ||
        As<SteelOverwriteI>(out, v, kSteelOverwriteIUpTo, legacy) ||
        As<SteelOverwriteJ>(out, v, kSteelOverwriteJUpTo, legacy) ||
        As<SteelOverwriteK>(out, v, kSteelOverwriteKUpTo, legacy) ||
        As<SteelOverwriteL>(out, v, kSteelOverwriteLUpTo, legacy) ||
        As<SteelOverwriteM>(out, v, kSteelOverwriteMUpTo, legacy) ||
        As<SteelOverwriteN>(out, v, kSteelOverwriteNUpTo, legacy) ||
        As<SteelOverwriteO>(out, v, kSteelOverwriteOUpTo, legacy) ||
        (out(legacy(SteelOverwriteRecord{})), true);
}

// Envelope record k: its trailing block as long as the layout of v has it.
void WriteEnvelope(Writer& out, double v, std::uint8_t k) {
    SteelEnvelopeRecord e;
    Pattern(e.Block1, k);
    e.Text1 = "COMB1";
    Pattern(e.Block2, std::uint8_t(k + 50));
    e.Text2 = "W14X30";
    Pattern(e.Block3, std::uint8_t(k + 90));
    out(e.Block1, e.Text1, e.Block2, e.Text2);
    out.Raw(e.Block3.data(), SteelEnvelopeLayoutFor(v).trailing);
}

}  // namespace

void WriteExampleSteel(Writer& out, double v) {
    if (v > kNoLateralBraceUpTo) WriteLateralBracing(out);
    WritePreferences(out, v);
    out(std::int16_t(-1), std::int16_t(1));  // envelopes present, status
    out(std::int32_t(2));
    WriteOverwrite(out, v, 1);
    WriteOverwrite(out, v, 2);
    WriteEnvelope(out, v, 1);
    WriteEnvelope(out, v, 2);
    OptimizationRecord optimization;
    Pattern(optimization.Data, 9);
    out(std::int32_t(1), optimization);
    if (v > kNoOptimizationTUpTo) out(std::int32_t(1), optimization);
}

}  // namespace kmd::example
