#include "tools/example_concrete.h"

#include "legacy/concrete_design.h"
#include "model/concrete_design.h"

namespace kmd::example {

namespace {

void WritePreferences(Writer& out, double v) {
    auto legacy = [](auto p) {
        p.CodeName = "Eurocode 2-2004";
        Pattern(p.Block, 5);
        return p;
    };
    As<ConcretePreferencesA>(out, v, kConcretePreferencesAUpTo, legacy) ||
        As<ConcretePreferencesB>(out, v, kConcretePreferencesBUpTo, legacy) ||
        As<ConcretePreferencesC>(out, v, kConcretePreferencesCUpTo, legacy) ||
        As<ConcretePreferencesD>(out, v, kConcretePreferencesDUpTo, legacy) ||
        As<ConcretePreferencesE>(out, v, kConcretePreferencesEUpTo, legacy) ||
        As<ConcretePreferencesF>(out, v, kConcretePreferencesFUpTo, legacy) ||
        As<ConcretePreferencesG>(out, v, kConcretePreferencesGUpTo, legacy) ||
        As<ConcretePreferencesH>(out, v, kConcretePreferencesHUpTo, legacy) ||
        As<ConcretePreferencesI>(out, v, kConcretePreferencesIUpTo, legacy) ||
        As<ConcretePreferencesJ>(out, v, kConcretePreferencesJUpTo, legacy) ||
        As<ConcretePreferencesK>(out, v, kConcretePreferencesKUpTo, legacy) ||
        (out(ResetConcretePreferences("Eurocode 2-2004", 0)), true);
}

// Overwrite record k in the layout of v.
void WriteOverwrite(Writer& out, double v, std::uint8_t k) {
    auto legacy = [k](auto r) {
        if constexpr (requires { r.Block; })
            Pattern(r.Block, k);
        else
            Pattern(r.Data, k);
        return r;
    };
    As<ConcreteOverwriteA>(out, v, kConcreteOverwriteAUpTo, legacy) ||
        As<ConcreteOverwriteB>(out, v, kConcreteOverwriteBUpTo, legacy) ||
        As<ConcreteOverwriteC>(out, v, kConcreteOverwriteCUpTo, legacy) ||
        As<ConcreteOverwriteD>(out, v, kConcreteOverwriteDUpTo, legacy) ||
        As<ConcreteOverwriteE>(out, v, kConcreteOverwriteEUpTo, legacy) ||
        As<ConcreteOverwriteF>(out, v, kConcreteOverwriteFUpTo, legacy) ||
        As<ConcreteOverwriteG>(out, v, kConcreteOverwriteGUpTo, legacy) ||
        As<ConcreteOverwriteH>(out, v, kConcreteOverwriteHUpTo, legacy) ||
        As<ConcreteOverwriteI>(out, v, kConcreteOverwriteIUpTo, legacy) ||
        (out(legacy(ConcreteOverwriteRecord{})), true);
}

// Envelope record k: two elements with bounds 1..2, blocks as long as the
// layout of v has them.
void WriteEnvelope(Writer& out, double v, std::uint8_t k) {
    auto legacy = [k](auto e) {
        e.Value1 = 3;
        Pattern(e.Block, k);
        e.Elements = decltype(e.Elements)::Sized(1, 2);
        Pattern(e.Elements.items[0].Data, std::uint8_t(k + 20));
        Pattern(e.Elements.items[1].Data, std::uint8_t(k + 40));
        if constexpr (requires { e.Trailing; }) Pattern(e.Trailing, std::uint8_t(k + 60));
        return e;
    };
    As<ConcreteEnvelopeA>(out, v, kConcreteEnvelopeAUpTo, legacy) ||
        As<ConcreteEnvelopeB>(out, v, kConcreteEnvelopeBUpTo, legacy) ||
        As<ConcreteEnvelopeC>(out, v, kConcreteEnvelopeCUpTo, legacy) ||
        As<ConcreteEnvelopeD>(out, v, kConcreteEnvelopeDUpTo, legacy) ||
        As<ConcreteEnvelopeE>(out, v, kConcreteEnvelopeEUpTo, legacy) ||
        As<ConcreteEnvelopeF>(out, v, kConcreteEnvelopeFUpTo, legacy) ||
        As<ConcreteEnvelopeG>(out, v, kConcreteEnvelopeGUpTo, legacy) ||
        As<ConcreteEnvelopeH>(out, v, kConcreteEnvelopeHUpTo, legacy) ||
        (out(legacy(ConcreteEnvelopeRecord{})), true);
}

}  // namespace

void WriteExampleConcrete(Writer& out, double v) {
    WritePreferences(out, v);
    out(std::int16_t(-1), std::int16_t(1));  // envelopes present, status
    out(std::int32_t(2));
    WriteOverwrite(out, v, 1);
    WriteOverwrite(out, v, 2);
    WriteEnvelope(out, v, 1);
    WriteEnvelope(out, v, 2);
}

}  // namespace kmd::example
