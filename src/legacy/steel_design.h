// Legacy layouts of the steel design block: the preferences record in eleven
// older layouts, the envelope records, and the tables older files lack.
#pragma once

#include <cstddef>
#include <limits>
#include <string>

#include "fileformat/encoding.h"
#include "model/steel_design.h"

namespace kmd {

// "FLateralBrace" is absent from files up to 9.155, "OptimizationT" from files
// up to 7.985.
inline constexpr double kNoLateralBraceUpTo = 9.155;
inline constexpr double kNoOptimizationTUpTo = 7.985;

// A legacy preferences record: the code name, then a block of numbers whose bytes
// the import moves into the fields of the current block (the rest stay 0).
template <std::size_t N>
struct SteelPreferencesBlock {
    std::string CodeName;
    Bytes<N> Block{};
};
template <class Io, std::size_t N>
void fields(Io& io, SteelPreferencesBlock<N>& r) { io(r.CodeName, r.Block); }

inline constexpr double kSteelPreferencesAUpTo = 7.985;
struct SteelPreferencesA : SteelPreferencesBlock<36> {};
inline constexpr double kSteelPreferencesBUpTo = 8.045;
struct SteelPreferencesB : SteelPreferencesBlock<48> {};
inline constexpr double kSteelPreferencesCUpTo = 8.195;
struct SteelPreferencesC : SteelPreferencesBlock<48> {};
inline constexpr double kSteelPreferencesDUpTo = 8.395;
struct SteelPreferencesD : SteelPreferencesBlock<268> {};
inline constexpr double kSteelPreferencesEUpTo = 8.465;
struct SteelPreferencesE : SteelPreferencesBlock<288> {};
inline constexpr double kSteelPreferencesFUpTo = 8.935;
struct SteelPreferencesF : SteelPreferencesBlock<292> {};
inline constexpr double kSteelPreferencesGUpTo = 9.145;
struct SteelPreferencesG : SteelPreferencesBlock<376> {};
inline constexpr double kSteelPreferencesHUpTo = 9.155;
struct SteelPreferencesH : SteelPreferencesBlock<604> {};
inline constexpr double kSteelPreferencesIUpTo = 9.535;
struct SteelPreferencesI : SteelPreferencesBlock<612> {};
inline constexpr double kSteelPreferencesJUpTo = 9.705;
struct SteelPreferencesJ : SteelPreferencesBlock<648> {};
inline constexpr double kSteelPreferencesKUpTo = 9.725;
struct SteelPreferencesK : SteelPreferencesBlock<668> {};

// The code name carried unchanged, the block moved as each layout's table says.
SteelPreferences ImportSteelPreferencesA(SteelPreferencesA&& a);
SteelPreferences ImportSteelPreferencesB(SteelPreferencesB&& b);
SteelPreferences ImportSteelPreferencesC(SteelPreferencesC&& c);
SteelPreferences ImportSteelPreferencesD(SteelPreferencesD&& d);
SteelPreferences ImportSteelPreferencesE(SteelPreferencesE&& e);
SteelPreferences ImportSteelPreferencesF(SteelPreferencesF&& f);
SteelPreferences ImportSteelPreferencesG(SteelPreferencesG&& g);
SteelPreferences ImportSteelPreferencesH(SteelPreferencesH&& h);
SteelPreferences ImportSteelPreferencesI(SteelPreferencesI&& i);
SteelPreferences ImportSteelPreferencesJ(SteelPreferencesJ&& j);
SteelPreferences ImportSteelPreferencesK(SteelPreferencesK&& k);

// Envelope records: the size of the trailing block by version. Only the newest
// layout is kept; the older ones are read and dropped.
struct SteelEnvelopeLayout {
    double upTo;
    std::size_t trailing;
};
inline constexpr double kSteelEnvelopeAUpTo = 8.195;
inline constexpr double kSteelEnvelopeBUpTo = 8.265;
inline constexpr double kSteelEnvelopeCUpTo = 8.395;
inline constexpr double kSteelEnvelopeDUpTo = 8.505;
inline constexpr double kSteelEnvelopeEUpTo = 8.895;
inline constexpr double kSteelEnvelopeFUpTo = 8.935;
inline constexpr double kSteelEnvelopeGUpTo = 9.145;
inline constexpr double kSteelEnvelopeHUpTo = 9.155;
inline constexpr SteelEnvelopeLayout kSteelEnvelopeLayouts[] = {
    {kSteelEnvelopeAUpTo, 164},
    {kSteelEnvelopeBUpTo, 196},
    {kSteelEnvelopeCUpTo, 220},
    {kSteelEnvelopeDUpTo, 236},
    {kSteelEnvelopeEUpTo, 268},
    {kSteelEnvelopeFUpTo, 236},
    {kSteelEnvelopeGUpTo, 268},
    {kSteelEnvelopeHUpTo, 268},
    {std::numeric_limits<double>::infinity(), sizeof(SteelEnvelopeRecord::Block3)},
};

// The envelope layout of file version v.
constexpr const SteelEnvelopeLayout& SteelEnvelopeLayoutFor(double v) {
    for (const SteelEnvelopeLayout& l : kSteelEnvelopeLayouts)
        if (v <= l.upTo) return l;
    return kSteelEnvelopeLayouts[std::size(kSteelEnvelopeLayouts) - 1];
}

}  // namespace kmd
