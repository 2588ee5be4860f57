// Legacy layouts of the "Seismic" and "Wind" records and their conversions.
#pragma once

#include <cstdint>
#include <string>

#include "fileformat/encoding.h"
#include "model/lateral_loads.h"

namespace kmd {

// ---------------------------------------------------------------------------
// "Seismic"

// Up to 7.145: Block2 up to position 411, the 16 bytes that become Block3
// positions 284-299, and a trailer that is not carried (32 bytes up to 7.035,
// 40 bytes above). No sub-record and no Block4.
inline constexpr double kSeismicAUpTo = 7.035;
inline constexpr double kSeismicBUpTo = 7.145;

template <std::size_t TrailerSize>
struct SeismicEarly {
    SeismicHead Head;
    Bytes<412> Block2{};
    Bytes<16> Block3Tail{};
    Bytes<TrailerSize> Trailer{};
};
template <class Io, std::size_t T>
void fields(Io& io, SeismicEarly<T>& r) { io(r.Head, r.Block2, r.Block3Tail, r.Trailer); }

using SeismicA = SeismicEarly<32>;
using SeismicB = SeismicEarly<40>;

// Above 7.145 up to 9.145: Block2 up to position N - 1, the 16 bytes of Block3
// positions 284-299, a 16-bit integer, the sub-record and Block4. The 16-bit
// integer is Short3 above 8.125 and is not carried up to 8.125.
inline constexpr double kSeismicCUpTo = 8.125;
inline constexpr double kSeismicDUpTo = 8.285;
inline constexpr double kSeismicEUpTo = 8.505;
inline constexpr double kSeismicFUpTo = 9.145;

template <std::size_t N>
struct SeismicLate {
    SeismicHead Head;
    Bytes<N> Block2{};
    Bytes<16> Block3Tail{};
    std::int16_t Short3 = 0;
    SeismicSubRecord Sub;
    Bytes<40> Block4{};
};
template <class Io, std::size_t N>
void fields(Io& io, SeismicLate<N>& r) { io(r.Head, r.Block2, r.Block3Tail, r.Short3, r.Sub, r.Block4); }

using SeismicC = SeismicLate<412>;
using SeismicD = SeismicLate<448>;
using SeismicE = SeismicLate<456>;
using SeismicF = SeismicLate<504>;

// Above 9.145 up to 9.525: Block2 whole, Text1, Block3 up to position 147, then
// its positions 284-299.
inline constexpr double kSeismicGUpTo = 9.525;

struct SeismicG {
    SeismicHead Head;
    Bytes<560> Block2{};
    std::string Text1;
    Bytes<148> Block3{};
    Bytes<16> Block3Tail{};
    std::int16_t Short3 = 0;
    SeismicSubRecord Sub;
    Bytes<40> Block4{};
};
template <class Io>
void fields(Io& io, SeismicG& r) { io(r.Head, r.Block2, r.Text1, r.Block3, r.Block3Tail, r.Short3, r.Sub, r.Block4); }

// Kind renumbered (a Kind that cannot be raised by 1 is RecordCorrupt), Option1
// and Option2 derived for Kind 5 above 7.035, the missing part of the Block2
// parameter group filled with its defaults.
SeismicRecord ImportSeismicA(SeismicA&& a);
SeismicRecord ImportSeismicB(SeismicB&& b);
SeismicRecord ImportSeismicC(SeismicC&& c);
SeismicRecord ImportSeismicD(SeismicD&& d);
SeismicRecord ImportSeismicE(SeismicE&& e);
SeismicRecord ImportSeismicF(SeismicF&& f);
SeismicRecord ImportSeismicG(SeismicG&& g);

// ---------------------------------------------------------------------------
// "Wind": layouts A, B and C are brought to D step by step, D and every later
// layout to the current record.

// Layout A's sub-record holds four arrays of doubles.
using WindSubA = LoadSubRecord<4>;

// Layouts A (up to 7.145) and B (up to 7.985): 8 bytes that become Block2
// positions 0-7, Short4, the sub-record, the 76 bytes of Block3 without Factor1,
// Short5 and 52 trailing bytes.
inline constexpr double kWindAUpTo = 7.145;
inline constexpr double kWindBUpTo = 7.985;

template <class SubRecord>
struct WindEarly {
    WindHead Head;
    Bytes<8> Block2Start{};
    std::int16_t Short4 = 0;
    SubRecord Sub;
    Bytes<76> Block3{};
    std::int16_t Short5 = 0;
    Bytes<52> Trailer{};
};
template <class Io, class S>
void fields(Io& io, WindEarly<S>& r) { io(r.Head, r.Block2Start, r.Short4, r.Sub, r.Block3, r.Short5, r.Trailer); }

using WindA = WindEarly<WindSubA>;
using WindB = WindEarly<WindSubRecord>;

// Layouts C (up to 8.125, 84 trailing bytes), D (up to 8.235, 132), and the
// three after them (136, 220 and 248): Block3 without Factor1, then N trailing
// bytes T0 .. T(N-1).
inline constexpr double kWindCUpTo = 8.125;
inline constexpr double kWindDUpTo = 8.235;
inline constexpr double kWindEUpTo = 8.505;
inline constexpr double kWindFUpTo = 8.895;
inline constexpr double kWindGUpTo = 9.145;

template <std::size_t N>
struct WindTrailed {
    WindHead Head;
    Bytes<28> Block2{};
    std::int16_t Short4 = 0;
    WindSubRecord Sub;
    Bytes<76> Block3{};
    std::int16_t Short5 = 0;
    Bytes<N> T{};
};
template <class Io, std::size_t N>
void fields(Io& io, WindTrailed<N>& r) { io(r.Head, r.Block2, r.Short4, r.Sub, r.Block3, r.Short5, r.T); }

using WindC = WindTrailed<84>;
using WindD = WindTrailed<132>;
using WindE = WindTrailed<136>;
using WindF = WindTrailed<220>;
using WindG = WindTrailed<248>;

// Above 9.145: Block3 whole, Short5 and Block4, then what follows Block4 in
// each layout.
template <class Rest>
struct WindLate {
    WindHead Head;
    Bytes<28> Block2{};
    std::int16_t Short4 = 0;
    WindSubRecord Sub;
    Bytes<84> Block3{};
    std::int16_t Short5 = 0;
    Bytes<164> Block4{};
    Rest Tail{};
};
template <class Io, class R>
void fields(Io& io, WindLate<R>& r) { io(r.Head, r.Block2, r.Short4, r.Sub, r.Block3, r.Short5, r.Block4, r.Tail); }

struct WindBlock5AndShort7 {
    Bytes<160> Block5{};
    std::int16_t Short7 = 0;
};
template <class Io>
void fields(Io& io, WindBlock5AndShort7& r) { io(r.Block5, r.Short7); }

inline constexpr double kWindHUpTo = 9.525;  // 84 trailing bytes
inline constexpr double kWindIUpTo = 9.535;  // Block5 up to position 75
inline constexpr double kWindJUpTo = 9.545;  // Block5 and Short7, no Short6

using WindH = WindLate<Bytes<84>>;
using WindI = WindLate<Bytes<76>>;
using WindJ = WindLate<WindBlock5AndShort7>;

// A to B: the sixth array spread over arrays 6 to 9, split by the angle of
// Block1 positions 4-11 (degrees) for Kind 11.
WindB ImportWindA(WindA&& a);
// B to C: Kind renumbered, Block2 completed and the trailing bytes widened.
WindC ImportWindB(WindB&& b);
// C to D: Kind renumbered and the trailing bytes widened.
WindD ImportWindC(WindC&& c);
// The later layouts to the current record.
WindRecord ImportWindD(WindD&& d);
WindRecord ImportWindE(WindE&& e);
WindRecord ImportWindF(WindF&& f);
WindRecord ImportWindG(WindG&& g);
WindRecord ImportWindH(WindH&& h);
WindRecord ImportWindI(WindI&& i);
WindRecord ImportWindJ(WindJ&& j);

}  // namespace kmd
