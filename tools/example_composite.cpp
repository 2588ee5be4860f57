#include "tools/example_composite.h"

#include "legacy/composite_design.h"
#include "model/composite_design.h"

namespace kmd::example {

namespace {

void WritePreferences(Writer& out, double v) {
    auto legacy = [](auto p) {
        p.CodeName = "BS5950 90";
        Pattern(p.Block, 5);
        return p;
    };
    As<CompositePreferencesA>(out, v, kCompositePreferencesAUpTo, legacy) ||
        As<CompositePreferencesB>(out, v, kCompositePreferencesBUpTo, legacy) ||
        As<CompositePreferencesC>(out, v, kCompositePreferencesCUpTo, legacy) ||
        As<CompositePreferencesD>(out, v, kCompositePreferencesDUpTo, legacy) ||
        As<CompositePreferencesE>(out, v, kCompositePreferencesEUpTo, legacy) ||
        (out(legacy(CompositePreferences{})), true);
}

// Lists 1, 2, 4 and 5 hold elements, list 3 is empty with no storage.
void FillLists(CompositeLists& l, CompositeLastList& last) {
    l.Count1 = 2;
    l.Names1 = OneBased<std::string>({"Start", "End"});
    l.Values1 = OneBased({0.1, 0.9});
    l.Short2 = 1;
    l.Count2 = 1;
    l.Names2 = OneBased<std::string>({"Stud"});
    l.Values2A = OneBased({0.5});
    l.Values2B = OneBased({12.0});
    Pattern(l.Run3, 40);
    l.Short4 = 2;
    l.Count4 = 1;
    l.Names4 = OneBased<std::string>({"Deck"});
    l.Values4A = OneBased({0.25});
    l.Values4B = OneBased({3.0});
    last.Count5 = 2;
    last.Items5 = OneBased<std::int32_t>({3, 4});
    last.Values5A = OneBased({1.5, 2.5});
    last.Values5B = OneBased({-1.0, 4.0});
}

// Overwrite record k in the layout of v.
void WriteOverwrite(Writer& out, double v, std::uint8_t k) {
    auto legacy = [k](auto r) {
        if constexpr (requires { r.Leading; }) {
            Pattern(r.Leading, k);
            Pattern(r.Inner, std::uint8_t(k + 50));
        } else {
            Pattern(r.Head, k);
            Pattern(r.Middle, std::uint8_t(k + 50));
        }
        Pattern(r.Trailing, std::uint8_t(k + 100));
        FillLists(r.Lists, r.Last);
        return r;
    };
    As<CompositeOverwriteA>(out, v, kCompositeOverwriteAUpTo, legacy) ||
        As<CompositeOverwriteB>(out, v, kCompositeOverwriteBUpTo, legacy) ||
        As<CompositeOverwriteC>(out, v, kCompositeOverwriteCUpTo, legacy) ||
        As<CompositeOverwriteD>(out, v, kCompositeOverwriteDUpTo, legacy) ||
        As<CompositeOverwriteE>(out, v, kCompositeOverwriteEUpTo, legacy) ||
        (out(legacy(CompositeOverwriteRecord{})), true);
}

// Envelope record k in the layout of v.
void WriteEnvelope(Writer& out, double v, std::uint8_t k) {
    auto legacy = [k](auto e) {
        Pattern(e.Block1, k);
        e.Values1 = OneBased<std::int32_t>({1, 2});
        Pattern(e.Block2, std::uint8_t(k + 30));
        if constexpr (requires { e.Block3; }) {
            e.Values2 = OneBased({0.5});
            Pattern(e.Block3, std::uint8_t(k + 60));
        }
        return e;
    };
    As<CompositeEnvelopeA>(out, v, kCompositeEnvelopeAUpTo, legacy) ||
        As<CompositeEnvelopeB>(out, v, kCompositeEnvelopeBUpTo, legacy) ||
        As<CompositeEnvelopeC>(out, v, kCompositeEnvelopeCUpTo, legacy) ||
        (out(legacy(CompositeEnvelopeRecord{})), true);
}

}  // namespace

void WriteExampleComposite(Writer& out, double v) {
    WritePreferences(out, v);
    out(std::int16_t(-1), std::int16_t(1));  // envelopes present, status
    out(std::int32_t(2));
    WriteOverwrite(out, v, 1);
    WriteOverwrite(out, v, 2);
    WriteEnvelope(out, v, 1);
    WriteEnvelope(out, v, 2);
}

}  // namespace kmd::example
