// Legacy layouts of the steel design overwrite record ("SteelData"): twelve
// plain blocks, then three layouts of a leading part, the lateral bracing lists
// and a trailing part. Each import starts from an all-zero record and moves the
// legacy bytes into the current fields as its layout's table says.
#pragma once

#include <cstddef>

#include "fileformat/encoding.h"
#include "model/steel_design.h"

namespace kmd {

template <std::size_t N>
struct SteelOverwriteBlock {
    Bytes<N> Block{};
};
template <class Io, std::size_t N>
void fields(Io& io, SteelOverwriteBlock<N>& r) { io(r.Block); }

// The leading part ends with Short1; the lists are those of the current record.
template <std::size_t Lead, std::size_t Trail>
struct SteelOverwriteParts {
    Bytes<Lead> Leading{};
    SteelBraceLists Lists;
    Bytes<Trail> Trailing{};
};
template <class Io, std::size_t Lead, std::size_t Trail>
void fields(Io& io, SteelOverwriteParts<Lead, Trail>& r) { io(r.Leading, r.Lists, r.Trailing); }

inline constexpr double kSteelOverwriteAUpTo = 8.195;
struct SteelOverwriteA : SteelOverwriteBlock<196> {};
inline constexpr double kSteelOverwriteBUpTo = 8.205;
struct SteelOverwriteB : SteelOverwriteBlock<274> {};
inline constexpr double kSteelOverwriteCUpTo = 8.245;
struct SteelOverwriteC : SteelOverwriteBlock<354> {};
inline constexpr double kSteelOverwriteDUpTo = 8.395;
struct SteelOverwriteD : SteelOverwriteBlock<384> {};
inline constexpr double kSteelOverwriteEUpTo = 8.405;
struct SteelOverwriteE : SteelOverwriteBlock<416> {};
inline constexpr double kSteelOverwriteFUpTo = 8.465;
struct SteelOverwriteF : SteelOverwriteBlock<424> {};
inline constexpr double kSteelOverwriteGUpTo = 8.475;
struct SteelOverwriteG : SteelOverwriteBlock<428> {};
inline constexpr double kSteelOverwriteHUpTo = 8.505;
struct SteelOverwriteH : SteelOverwriteBlock<436> {};
inline constexpr double kSteelOverwriteIUpTo = 8.895;
struct SteelOverwriteI : SteelOverwriteBlock<468> {};
inline constexpr double kSteelOverwriteJUpTo = 8.935;
struct SteelOverwriteJ : SteelOverwriteBlock<492> {};
inline constexpr double kSteelOverwriteKUpTo = 9.065;
struct SteelOverwriteK : SteelOverwriteBlock<512> {};
inline constexpr double kSteelOverwriteLUpTo = 9.145;
struct SteelOverwriteL : SteelOverwriteBlock<516> {};
inline constexpr double kSteelOverwriteMUpTo = 9.155;
struct SteelOverwriteM : SteelOverwriteParts<222, 340> {};
inline constexpr double kSteelOverwriteNUpTo = 9.525;
struct SteelOverwriteN : SteelOverwriteParts<246, 340> {};
inline constexpr double kSteelOverwriteOUpTo = 9.705;
struct SteelOverwriteO : SteelOverwriteParts<254, 356> {};

SteelOverwriteRecord ImportSteelOverwriteA(SteelOverwriteA&& a);
SteelOverwriteRecord ImportSteelOverwriteB(SteelOverwriteB&& b);
SteelOverwriteRecord ImportSteelOverwriteC(SteelOverwriteC&& c);
SteelOverwriteRecord ImportSteelOverwriteD(SteelOverwriteD&& d);
SteelOverwriteRecord ImportSteelOverwriteE(SteelOverwriteE&& e);
SteelOverwriteRecord ImportSteelOverwriteF(SteelOverwriteF&& f);
SteelOverwriteRecord ImportSteelOverwriteG(SteelOverwriteG&& g);
SteelOverwriteRecord ImportSteelOverwriteH(SteelOverwriteH&& h);
SteelOverwriteRecord ImportSteelOverwriteI(SteelOverwriteI&& i);
SteelOverwriteRecord ImportSteelOverwriteJ(SteelOverwriteJ&& j);
SteelOverwriteRecord ImportSteelOverwriteK(SteelOverwriteK&& k);
SteelOverwriteRecord ImportSteelOverwriteL(SteelOverwriteL&& l);
// The lists carried whole, bounds included.
SteelOverwriteRecord ImportSteelOverwriteM(SteelOverwriteM&& m);
SteelOverwriteRecord ImportSteelOverwriteN(SteelOverwriteN&& n);
SteelOverwriteRecord ImportSteelOverwriteO(SteelOverwriteO&& o);

}  // namespace kmd
