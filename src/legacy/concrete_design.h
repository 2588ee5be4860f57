// Legacy layouts of the concrete frame design block: the preferences record in
// eleven older layouts, the overwrite record ("ConcreteData") in nine, and the
// envelope records of older files, which are read and dropped.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "fileformat/encoding.h"
#include "model/concrete_design.h"

namespace kmd {

// A legacy preferences record: the code name, then a block of numbers whose bytes
// the import moves into the fields of the current block (the rest stay 0).
template <std::size_t N>
struct ConcretePreferencesBlock {
    std::string CodeName;
    Bytes<N> Block{};
};
template <class Io, std::size_t N>
void fields(Io& io, ConcretePreferencesBlock<N>& r) { io(r.CodeName, r.Block); }

inline constexpr double kConcretePreferencesAUpTo = 7.985;
struct ConcretePreferencesA : ConcretePreferencesBlock<112> {};
inline constexpr double kConcretePreferencesBUpTo = 8.045;
struct ConcretePreferencesB : ConcretePreferencesBlock<120> {};
inline constexpr double kConcretePreferencesCUpTo = 8.195;
struct ConcretePreferencesC : ConcretePreferencesBlock<128> {};
inline constexpr double kConcretePreferencesDUpTo = 8.255;
struct ConcretePreferencesD : ConcretePreferencesBlock<332> {};
inline constexpr double kConcretePreferencesEUpTo = 8.265;
struct ConcretePreferencesE : ConcretePreferencesBlock<330> {};
inline constexpr double kConcretePreferencesFUpTo = 8.395;
struct ConcretePreferencesF : ConcretePreferencesBlock<332> {};
inline constexpr double kConcretePreferencesGUpTo = 8.925;
struct ConcretePreferencesG : ConcretePreferencesBlock<336> {};
inline constexpr double kConcretePreferencesHUpTo = 9.145;
struct ConcretePreferencesH : ConcretePreferencesBlock<340> {};
inline constexpr double kConcretePreferencesIUpTo = 9.165;
struct ConcretePreferencesI : ConcretePreferencesBlock<428> {};
inline constexpr double kConcretePreferencesJUpTo = 9.525;
struct ConcretePreferencesJ : ConcretePreferencesBlock<496> {};
inline constexpr double kConcretePreferencesKUpTo = 9.705;
struct ConcretePreferencesK : ConcretePreferencesBlock<536> {};

// The code name carried unchanged, the block moved as each layout's table says.
ConcretePreferences ImportConcretePreferencesA(ConcretePreferencesA&& a);
ConcretePreferences ImportConcretePreferencesB(ConcretePreferencesB&& b);
ConcretePreferences ImportConcretePreferencesC(ConcretePreferencesC&& c);
ConcretePreferences ImportConcretePreferencesD(ConcretePreferencesD&& d);
ConcretePreferences ImportConcretePreferencesE(ConcretePreferencesE&& e);
ConcretePreferences ImportConcretePreferencesF(ConcretePreferencesF&& f);
ConcretePreferences ImportConcretePreferencesG(ConcretePreferencesG&& g);
ConcretePreferences ImportConcretePreferencesH(ConcretePreferencesH&& h);
ConcretePreferences ImportConcretePreferencesI(ConcretePreferencesI&& i);
ConcretePreferences ImportConcretePreferencesJ(ConcretePreferencesJ&& j);
ConcretePreferences ImportConcretePreferencesK(ConcretePreferencesK&& k);

// A legacy overwrite record: one plain block.
template <std::size_t N>
struct ConcreteOverwriteBlock {
    Bytes<N> Block{};
};
template <class Io, std::size_t N>
void fields(Io& io, ConcreteOverwriteBlock<N>& r) { io(r.Block); }

inline constexpr double kConcreteOverwriteAUpTo = 8.1915;
struct ConcreteOverwriteA : ConcreteOverwriteBlock<116> {};
inline constexpr double kConcreteOverwriteBUpTo = 8.265;
struct ConcreteOverwriteB : ConcreteOverwriteBlock<112> {};
inline constexpr double kConcreteOverwriteCUpTo = 8.285;
struct ConcreteOverwriteC : ConcreteOverwriteBlock<140> {};
inline constexpr double kConcreteOverwriteDUpTo = 8.395;
struct ConcreteOverwriteD : ConcreteOverwriteBlock<190> {};
inline constexpr double kConcreteOverwriteEUpTo = 8.425;
struct ConcreteOverwriteE : ConcreteOverwriteBlock<180> {};
inline constexpr double kConcreteOverwriteFUpTo = 9.0005;
struct ConcreteOverwriteF : ConcreteOverwriteBlock<184> {};
inline constexpr double kConcreteOverwriteGUpTo = 9.145;
struct ConcreteOverwriteG : ConcreteOverwriteBlock<200> {};
inline constexpr double kConcreteOverwriteHUpTo = 9.505;
struct ConcreteOverwriteH : ConcreteOverwriteBlock<224> {};
inline constexpr double kConcreteOverwriteIUpTo = 9.725;
struct ConcreteOverwriteI : ConcreteOverwriteBlock<256> {};

// Each starts from an all-zero record.
ConcreteOverwriteRecord ImportConcreteOverwriteA(ConcreteOverwriteA&& a);
ConcreteOverwriteRecord ImportConcreteOverwriteB(ConcreteOverwriteB&& b);
ConcreteOverwriteRecord ImportConcreteOverwriteC(ConcreteOverwriteC&& c);
ConcreteOverwriteRecord ImportConcreteOverwriteD(ConcreteOverwriteD&& d);
ConcreteOverwriteRecord ImportConcreteOverwriteE(ConcreteOverwriteE&& e);
ConcreteOverwriteRecord ImportConcreteOverwriteF(ConcreteOverwriteF&& f);
ConcreteOverwriteRecord ImportConcreteOverwriteG(ConcreteOverwriteG&& g);
ConcreteOverwriteRecord ImportConcreteOverwriteH(ConcreteOverwriteH&& h);
ConcreteOverwriteRecord ImportConcreteOverwriteI(ConcreteOverwriteI&& i);

// Envelope records of files up to 8.935: an 8-byte plain block, elements of the
// layout's size and a trailing block (none up to 7.005). They are only read.
inline constexpr double kConcreteEnvelopeAUpTo = 7.005;
struct ConcreteEnvelopeA {
    std::int16_t Value1 = 0;
    Bytes<8> Block{};
    DynArray<ConcreteEnvelopeElement<156>> Elements;
};
template <class Io>
void fields(Io& io, ConcreteEnvelopeA& r) { io(r.Value1, r.Block, r.Elements); }
inline constexpr double kConcreteEnvelopeBUpTo = 7.115;
struct ConcreteEnvelopeB : ConcreteEnvelopeOf<8, 560, 32> {};
inline constexpr double kConcreteEnvelopeCUpTo = 7.175;
struct ConcreteEnvelopeC : ConcreteEnvelopeOf<8, 560, 64> {};
inline constexpr double kConcreteEnvelopeDUpTo = 7.995;
struct ConcreteEnvelopeD : ConcreteEnvelopeOf<8, 220, 128> {};
inline constexpr double kConcreteEnvelopeEUpTo = 8.185;
struct ConcreteEnvelopeE : ConcreteEnvelopeOf<8, 248, 128> {};
inline constexpr double kConcreteEnvelopeFUpTo = 8.385;
struct ConcreteEnvelopeF : ConcreteEnvelopeOf<8, 264, 160> {};
inline constexpr double kConcreteEnvelopeGUpTo = 8.395;
struct ConcreteEnvelopeG : ConcreteEnvelopeOf<8, 272, 160> {};
inline constexpr double kConcreteEnvelopeHUpTo = 8.935;
struct ConcreteEnvelopeH : ConcreteEnvelopeOf<8, 292, 160> {};

}  // namespace kmd
