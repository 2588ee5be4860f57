// Legacy layouts of the composite beam design block: the preferences in five
// older layouts, the overwrite records in five and the envelope records in three.
#pragma once

#include <cstddef>
#include <string>

#include "fileformat/encoding.h"
#include "model/composite_design.h"

namespace kmd {

// A legacy preferences record: the code name, then a block of numbers placed
// onto the defaults of the record's code.
template <std::size_t N>
struct CompositePreferencesBlock {
    std::string CodeName;
    Bytes<N> Block{};
};
template <class Io, std::size_t N>
void fields(Io& io, CompositePreferencesBlock<N>& r) { io(r.CodeName, r.Block); }

inline constexpr double kCompositePreferencesAUpTo = 7.985;
struct CompositePreferencesA : CompositePreferencesBlock<258> {};
inline constexpr double kCompositePreferencesBUpTo = 8.105;
struct CompositePreferencesB : CompositePreferencesBlock<290> {};
inline constexpr double kCompositePreferencesCUpTo = 8.115;
struct CompositePreferencesC : CompositePreferencesBlock<326> {};
inline constexpr double kCompositePreferencesDUpTo = 8.125;
struct CompositePreferencesD : CompositePreferencesBlock<338> {};
inline constexpr double kCompositePreferencesEUpTo = 9.525;
struct CompositePreferencesE : CompositePreferencesBlock<354> {};

// The defaults of the code, the legacy code name kept; A and B carry nothing
// of their block.
CompositePreferences ImportCompositePreferencesA(CompositePreferencesA&& a);
CompositePreferences ImportCompositePreferencesB(CompositePreferencesB&& b);
CompositePreferences ImportCompositePreferencesC(CompositePreferencesC&& c);
CompositePreferences ImportCompositePreferencesD(CompositePreferencesD&& d);
CompositePreferences ImportCompositePreferencesE(CompositePreferencesE&& e);

// A legacy overwrite record: the lists of the current record between plain runs
// of other sizes. `Head` and `Middle` are the runs before lists 1 and 5 without
// their counts.
template <std::size_t Head, std::size_t Middle, std::size_t Trail>
struct CompositeOverwriteParts {
    Bytes<Head> Leading{};
    CompositeLists Lists;
    Bytes<Middle> Inner{};
    CompositeLastList Last;
    Bytes<Trail> Trailing{};
};
template <class Io, std::size_t Head, std::size_t Middle, std::size_t Trail>
void fields(Io& io, CompositeOverwriteParts<Head, Middle, Trail>& r) {
    io(r.Leading, r.Lists, r.Inner, r.Last, r.Trailing);
}

inline constexpr double kCompositeOverwriteAUpTo = 7.985;
struct CompositeOverwriteA : CompositeOverwriteParts<90, 110, 122> {};
inline constexpr double kCompositeOverwriteBUpTo = 8.105;
struct CompositeOverwriteB : CompositeOverwriteParts<90, 118, 140> {};
inline constexpr double kCompositeOverwriteCUpTo = 8.115;
struct CompositeOverwriteC : CompositeOverwriteParts<70, 86, 238> {};
inline constexpr double kCompositeOverwriteDUpTo = 8.125;
struct CompositeOverwriteD : CompositeOverwriteParts<70, 86, 250> {};
inline constexpr double kCompositeOverwriteEUpTo = 9.525;
struct CompositeOverwriteE : CompositeOverwriteParts<70, 86, 282> {};

// A and B: the lists and their counts carried, every other byte 0. C to E: all
// but the trailing block carried unchanged, the trailing block moved.
CompositeOverwriteRecord ImportCompositeOverwriteA(CompositeOverwriteA&& a);
CompositeOverwriteRecord ImportCompositeOverwriteB(CompositeOverwriteB&& b);
CompositeOverwriteRecord ImportCompositeOverwriteC(CompositeOverwriteC&& c);
CompositeOverwriteRecord ImportCompositeOverwriteD(CompositeOverwriteD&& d);
CompositeOverwriteRecord ImportCompositeOverwriteE(CompositeOverwriteE&& e);

// Envelope records of files up to 9.525, read and dropped.
template <std::size_t Lead, std::size_t Trail>
struct CompositeEnvelopeParts {
    Bytes<Lead> Block1{};
    DynArray<std::int32_t> Values1;
    Bytes<8> Block2{};
    DynArray<double> Values2;
    Bytes<Trail> Block3{};
};
template <class Io, std::size_t Lead, std::size_t Trail>
void fields(Io& io, CompositeEnvelopeParts<Lead, Trail>& r) {
    io(r.Block1, r.Values1, r.Block2, r.Values2, r.Block3);
}

inline constexpr double kCompositeEnvelopeAUpTo = 7.985;
struct CompositeEnvelopeA {
    Bytes<66> Block1{};
    DynArray<std::int32_t> Values1;
    Bytes<74> Block2{};
};
template <class Io>
void fields(Io& io, CompositeEnvelopeA& r) { io(r.Block1, r.Values1, r.Block2); }
inline constexpr double kCompositeEnvelopeBUpTo = 8.125;
struct CompositeEnvelopeB : CompositeEnvelopeParts<70, 74> {};
inline constexpr double kCompositeEnvelopeCUpTo = 9.525;
struct CompositeEnvelopeC : CompositeEnvelopeParts<70, 138> {};

}  // namespace kmd
