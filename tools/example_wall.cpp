#include "tools/example_wall.h"

#include <cstring>

#include "legacy/wall_design.h"
#include "model/wall_design.h"

namespace kmd::example {

namespace {

template <std::size_t N>
void PutI32(Bytes<N>& b, std::size_t at, std::int32_t v) { std::memcpy(b.data() + at, &v, 4); }

void WritePreferences(Writer& out, double v) {
    auto legacy = [](auto p) {
        p.CodeName = "ACI 318-05/IBC2003";
        Pattern(p.Block, 5);
        return p;
    };
    As<WallPreferencesA>(out, v, kWallPreferencesAUpTo, legacy) ||
        As<WallPreferencesB>(out, v, kWallPreferencesBUpTo, legacy) ||
        As<WallPreferencesC>(out, v, kWallPreferencesCUpTo, legacy) ||
        As<WallPreferencesD>(out, v, kWallPreferencesDUpTo, legacy) ||
        As<WallPreferencesE>(out, v, kWallPreferencesEUpTo, legacy) ||
        As<WallPreferencesF>(out, v, kWallPreferencesFUpTo, legacy) ||
        As<WallPreferencesG>(out, v, kWallPreferencesGUpTo, legacy) ||
        As<WallPreferencesH>(out, v, kWallPreferencesHUpTo, legacy) ||
        (out(legacy(WallPreferences{})), true);
}

// Section k; the newest layout holds two elements in each array.
void WriteSection(Writer& out, double v, std::uint8_t k) {
    auto legacy = [k](auto s) {
        Pattern(s.Leading, k);
        Pattern(s.Trailing, std::uint8_t(k + 60));
        s.First = OneBased<std::int32_t>({k, 2});
        s.Second = OneBased<std::int32_t>({3, k});
        return s;
    };
    if (As<WallSectionA>(out, v, kWallSectionAUpTo, legacy) || As<WallSectionB>(out, v, kWallSectionBUpTo, legacy))
        return;
    WallSectionData s = legacy(WallSectionData{});
    PutI32(s.Leading, 24, 2);
    out(s);
}

// Design data of pier k; the newest layout with counts 2, 1 and 3.
void WriteWallData(Writer& out, double v, std::uint8_t k) {
    auto legacy = [k](auto d) {
        if constexpr (requires { d.Block; }) {
            Pattern(d.Block, k);
        } else {
            Pattern(d.Head_, k);
            Pattern(d.Tail_, std::uint8_t(k + 30));
            // C1..C3 end every legacy head.
            PutI32(d.Head_, d.Head_.size() - 12, 1);
            PutI32(d.Head_, d.Head_.size() - 8, 2);
            PutI32(d.Head_, d.Head_.size() - 4, 0);
            d.Ints[0] = OneBased<std::int32_t>({1, 2});
            d.Reals_[0] = OneBased({0.5});
            d.Reals_[d.Reals_.size() - 1] = OneBased({1.5, 2.5});
        }
        return d;
    };
    if (As<WallDataA>(out, v, kWallDataAUpTo, legacy) || As<WallDataB>(out, v, kWallDataBUpTo, legacy) ||
        As<WallDataC>(out, v, kWallDataCUpTo, legacy) || As<WallDataD>(out, v, kWallDataDUpTo, legacy) ||
        As<WallDataE>(out, v, kWallDataEUpTo, legacy) || As<WallDataF>(out, v, kWallDataFUpTo, legacy))
        return;
    WallDataRecord d;
    Pattern(d.Head, k);
    Pattern(d.Tail, std::uint8_t(k + 30));
    PutI32(d.Head, 146, 2);
    PutI32(d.Head, 150, 1);
    PutI32(d.Head, 154, 3);
    d.Arrays.Ints1[0] = OneBased<std::int32_t>({1, 2});
    d.Arrays.Reals1[0] = OneBased({0.5});
    d.Arrays.Reals1[4] = OneBased({1.0, 2.0, 3.0});
    d.Arrays.Reals2[0] = OneBased({4.0});
    out(d);
}

void WriteWallEnvelope(Writer& out, double v, std::uint8_t k) {
    auto legacy = [k](auto e) {
        if constexpr (requires { e.Data; }) Pattern(e.Data, k);
        else Pattern(e.Block1, k);
        return e;
    };
    As<WallEnvelopeA>(out, v, kWallEnvelopeAUpTo, legacy) || As<WallEnvelopeB>(out, v, kWallEnvelopeBUpTo, legacy) ||
        As<WallEnvelopeC>(out, v, kWallEnvelopeCUpTo, legacy) ||
        As<WallEnvelopeD>(out, v, kWallEnvelopeDUpTo, legacy) ||
        As<WallEnvelopeE>(out, v, kWallEnvelopeEUpTo, legacy) ||
        As<WallEnvelopeF>(out, v, kWallEnvelopeFUpTo, legacy) || (out(legacy(WallEnvelopeRecord{})), true);
}

void WriteSpandrelData(Writer& out, double v, std::uint8_t k) {
    auto legacy = [k](auto d) {
        Pattern(d.Data, k);
        return d;
    };
    As<SpandrelDataA>(out, v, kSpandrelDataAUpTo, legacy) || As<SpandrelDataB>(out, v, kSpandrelDataBUpTo, legacy) ||
        As<SpandrelDataC>(out, v, kSpandrelDataCUpTo, legacy) || (out(legacy(SpandrelDataRecord{})), true);
}

void WriteSpandrelEnvelope(Writer& out, double v, std::uint8_t k) {
    auto legacy = [k](auto e) {
        Pattern(e.Data, k);
        return e;
    };
    As<SpandrelEnvelopeA>(out, v, kSpandrelEnvelopeAUpTo, legacy) ||
        As<SpandrelEnvelopeB>(out, v, kSpandrelEnvelopeBUpTo, legacy) ||
        As<SpandrelEnvelopeC>(out, v, kSpandrelEnvelopeCUpTo, legacy) ||
        (out(legacy(SpandrelEnvelopeRecord{})), true);
}

// Settings for three stories, with one element in array 2 and two in arrays 3 and 4.
void WriteSettings(Writer& out, double v) {
    const WallDesignSettings s = [] {
        WallDesignSettings r = ResetWallDesignSettings(3);
        r.Count2 = 1;
        r.Array2 = OneBased<std::int32_t>({7});
        r.Count3 = 2;
        r.Array3 = OneBased<std::int32_t>({1, 2});
        r.Array4 = OneBased({0.5, 0.25});
        return r;
    }();
    if (v <= kWallSettingsAUpTo) {
        WallSettingsA a;
        Pattern(a.Block, 11);
        a.Array = OneBased<std::int32_t>({4});
        out(a);
        return;
    }
    WallSettingsD d;
    d.Leading = s.Leading;
    d.Count1 = s.Count1;
    d.Array1 = s.Array1;
    d.Count2 = s.Count2;
    d.Array2 = s.Array2;
    if (v <= kWallSettingsBUpTo) return out(static_cast<const WallSettingsB&>(d));
    d.Run3 = s.Run3;
    d.Count3 = s.Count3;
    d.Array3 = s.Array3;
    d.Array4 = s.Array4;
    if (v <= kWallSettingsCUpTo) return out(static_cast<const WallSettingsC&>(d));
    if (v <= kWallSettingsDUpTo) {
        std::memcpy(d.Trailing.data(), s.Trailing.data(), d.Trailing.size());
        return out(d);
    }
    out(s);
}

void WriteLists(Writer& out, double v) {
    out(std::int32_t(1));
    if (v <= kWallList1AUpTo) {
        WallLegacyList1A a;
        Pattern(a.Block, 21);
        a.Reals[0] = OneBased({1.0});
        out(a);
    } else {
        WallLegacyList1Record r;
        Pattern(r.Block1, 21);
        r.Ints = OneBased<std::int32_t>({5});
        out(r);
    }
    WallLegacyList2Record l2;
    Pattern(l2.Block, 31);
    l2.Ints1 = OneBased<std::int32_t>({6});
    WallLegacyList3Record l3;
    Pattern(l3.Block, 41);
    out(std::int32_t(1), l2, std::int32_t(1), l3);
}

}  // namespace

void WriteExampleWall(Writer& out, double v) {
    out(std::int32_t(2), WallPierRecord{"P1", {1, 2, 3, 4}}, WallPierRecord{"P2", {5, 6, 7, 8}});
    out(std::int32_t(1), WallSpandRecord{"S1", 1, {9, 10, 11, 12}});
    WritePreferences(out, v);
    out(std::int16_t(-1), std::int16_t(-1));  // envelopes present, design data present
    out(std::int32_t(2));
    WriteSection(out, v, 1);
    WriteSection(out, v, 2);
    WriteWallData(out, v, 1);
    WriteWallData(out, v, 2);
    for (std::uint8_t k = 1; k <= 4; ++k) WriteWallEnvelope(out, v, k);
    out(std::int32_t(1));
    WriteSection(out, v, 3);
    WriteSpandrelData(out, v, 3);
    WriteSpandrelEnvelope(out, v, 1);
    WriteSpandrelEnvelope(out, v, 2);
    if (v > kNoWallValueUpTo) out(std::int16_t(5));
    if (v > kNoWallSettingsUpTo) WriteSettings(out, v);
    if (v > kNoWallListsUpTo) WriteLists(out, v);
    if (v > kNoWallList4UpTo) {
        WallLegacyList4Record r;
        Pattern(r.Block1, 51);
        r.Reals[1] = OneBased({2.0});
        out(std::int32_t(1), r);
    }
}

}  // namespace kmd::example
