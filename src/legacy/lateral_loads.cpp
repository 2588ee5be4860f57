#include "legacy/lateral_loads.h"

#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <tuple>
#include <utility>

#include "fileformat/exact_math.h"
#include "legacy/blocks.h"

namespace kmd {

namespace {

// ---------------------------------------------------------------------------
// "Seismic"

// Kind of the layouts up to 8.125: a Kind above 7 is raised by 1.
std::int32_t RaisedKind(std::int32_t kind) {
    if (kind <= 7) return kind;
    if (kind == std::numeric_limits<std::int32_t>::max())
        throw RecordCorrupt("seismic Kind " + std::to_string(kind) + " cannot be renumbered");
    return kind + 1;
}

// Up to 7.145 a Kind of 9 first becomes 10.
std::int32_t RaisedEarlyKind(std::int32_t kind) { return RaisedKind(kind == 9 ? 10 : kind); }

// The parameter group of Block2 (positions 412-503) as the layouts that lack
// it, or lack its end, are given it.
const Bytes<504>& ParameterDefaults() {
    static const Bytes<504> d = [] {
        Bytes<504> b{};
        Put<412>(b, 1.0);
        Put<420>(b, std::int32_t(6));
        Put<424>(b, 0.05);
        Put<432>(b, 0.4);
        Put<440>(b, 1.0);
        Put<448>(b, 1.0);
        Put<456>(b, std::int32_t(1));
        Put<460>(b, 0.36);
        Put<468>(b, 1.0);
        Put<476>(b, std::int32_t(2));
        Put<480>(b, 5.0);
        Put<488>(b, 0.075);
        Put<496>(b, 1.0);
        return b;
    }();
    return d;
}

// Block2 from its stored positions 0 .. N-1, the rest of the parameter group
// filled; positions 504-559 stay zero.
template <std::size_t N>
Bytes<560> SeismicBlock2(const Bytes<N>& stored) {
    Bytes<560> b{};
    CopyBytes<0, 0, N>(b, stored);
    if constexpr (N < 504) CopyBytes<N, N, 504>(b, ParameterDefaults());
    return b;
}

SeismicRecord SeismicFrom(SeismicHead&& head, const Bytes<560>& block2, const Bytes<16>& block3Tail) {
    SeismicRecord r;
    r.Head = std::move(head);
    r.Block2 = block2;
    CopyBytes<284, 0, 16>(r.Block3, block3Tail);
    return r;
}

template <std::size_t N>
SeismicRecord SeismicFromLate(SeismicLate<N>&& l) {
    SeismicRecord r = SeismicFrom(std::move(l.Head), SeismicBlock2(l.Block2), l.Block3Tail);
    r.Short3 = l.Short3;
    r.Sub = std::move(l.Sub);
    r.Block4 = l.Block4;
    return r;
}

// Option1 and Option2 of a Kind 5 record above 7.035, from the stored Option1.
std::pair<std::int32_t, std::int32_t> DerivedOptions(std::int32_t stored) {
    switch (stored) {
        case -2: return {2, 2};
        case -1: return {1, 2};
        case 1: return {1, 1};
        case 2: return {2, 1};
        case 3: return {3, 1};
        default: return {0, 0};
    }
}

// ---------------------------------------------------------------------------
// "Wind"

template <class T>
DynArray<T> Copied(const DynArray<T>& a) {
    ChargeMemory(a.items.size() * sizeof(T) + (a.dims.size() > 2 ? a.dims.size() * sizeof(ArrayDim) : 0));
    return a;
}

// Head, Block2, Short4 and Sub, alike in every layout from C on (the name and
// the arrays are moved out of `from`).
template <class To, class From>
void TakeThroughSub(To& to, From& from) {
    to.Head = std::move(from.Head);
    to.Block2 = from.Block2;
    to.Short4 = from.Short4;
    to.Sub = std::move(from.Sub);
}

// The fields up to Short5 of the layouts C to G; Factor1 stays 0.0.
template <std::size_t N>
WindRecord WindFromTrailed(WindTrailed<N>& t) {
    WindRecord r;
    TakeThroughSub(r, t);
    CopyBytes<0, 0, 40>(r.Block3, t.Block3);
    CopyBytes<48, 40, 76>(r.Block3, t.Block3);
    r.Short5 = t.Short5;
    return r;
}

// Block4 of the layouts E and F: T0-T51, positions 52-79 zero, then T52-T135.
template <std::size_t N>
void Block4FromTrailing(Bytes<164>& block4, const Bytes<N>& t) {
    CopyBytes<0, 0, 52>(block4, t);
    CopyBytes<80, 52, 136>(block4, t);
}

// The fields up to Block4 of the layouts above 9.145; Factor1 is 1.0 whatever
// they hold.
template <class Rest>
WindRecord WindFromLate(WindLate<Rest>& l) {
    WindRecord r;
    TakeThroughSub(r, l);
    r.Block3 = l.Block3;
    Put<40>(r.Block3, 1.0);
    r.Short5 = l.Short5;
    r.Block4 = l.Block4;
    return r;
}

}  // namespace

SeismicRecord ImportSeismicA(SeismicA&& a) {
    a.Head.Kind = RaisedEarlyKind(a.Head.Kind);
    return SeismicFrom(std::move(a.Head), SeismicBlock2(a.Block2), a.Block3Tail);
}

SeismicRecord ImportSeismicB(SeismicB&& b) {
    b.Head.Kind = RaisedEarlyKind(b.Head.Kind);
    SeismicRecord r = SeismicFrom(std::move(b.Head), SeismicBlock2(b.Block2), b.Block3Tail);
    std::int32_t option2 = 0;
    if (r.Head.Kind == 5) std::tie(r.Head.Block1.Option1, option2) = DerivedOptions(r.Head.Block1.Option1);
    Put<244>(r.Block2, option2);
    return r;
}

SeismicRecord ImportSeismicC(SeismicC&& c) {
    c.Head.Kind = RaisedKind(c.Head.Kind);
    SeismicRecord r = SeismicFromLate(std::move(c));
    r.Short3 = 0;  // the 16-bit integer in its place is not carried
    return r;
}

SeismicRecord ImportSeismicD(SeismicD&& d) { return SeismicFromLate(std::move(d)); }
SeismicRecord ImportSeismicE(SeismicE&& e) { return SeismicFromLate(std::move(e)); }
SeismicRecord ImportSeismicF(SeismicF&& f) { return SeismicFromLate(std::move(f)); }

SeismicRecord ImportSeismicG(SeismicG&& g) {
    SeismicRecord r = SeismicFrom(std::move(g.Head), g.Block2, g.Block3Tail);
    r.Text1 = std::move(g.Text1);
    CopyBytes<0, 0, 148>(r.Block3, g.Block3);
    r.Short3 = g.Short3;
    r.Sub = std::move(g.Sub);
    r.Block4 = g.Block4;
    return r;
}

WindB ImportWindA(WindA&& a) {
    WindB b;
    b.Head = std::move(a.Head);
    b.Block2Start = a.Block2Start;
    b.Short4 = a.Short4;
    b.Block3 = a.Block3;
    b.Short5 = a.Short5;
    b.Trailer = a.Trailer;
    WindSubRecord& s = b.Sub;
    s.Count = a.Sub.Count;
    s.Array1 = std::move(a.Sub.Array1);
    s.Array2 = std::move(a.Sub.Array2);
    DynArray<double>& sixth = a.Sub.Reals[3];
    for (std::size_t k = 0; k < 3; ++k) s.Reals[k] = std::move(a.Sub.Reals[k]);
    // Arrays 6 to 9 start as copies of the sixth.
    for (std::size_t k = 3; k < 6; ++k) s.Reals[k] = Copied(sixth);
    s.Reals[6] = std::move(sixth);
    DynArray<double> &a6 = s.Reals[3], &a7 = s.Reals[4], &a8 = s.Reals[5], &a9 = s.Reals[6];
    // A sixth array that lacks elements 1..Count fails the record check.
    if (!a9.Holds(1, s.Count)) return b;
    const bool split = b.Head.Kind == 11;
    const double angle = Get<double, 4>(b.Head.Block1) * std::numbers::pi / 180;
#ifdef _WIN32
    // The Windows runtime's sine and cosine differ from the Linux library's in
    // the last bit for about a quarter of all angles; the correctly rounded
    // forms agree with it for all but a few in a thousand.
    const double cosine = Cosine(angle), sine = Sine(angle);
#else
    const double cosine = std::cos(angle), sine = std::sin(angle);
#endif
    for (std::int64_t k = 1; k <= s.Count; ++k) {
        double& value = *a9.Find(k);
        if (split) {
            *a6.Find(k) = 0.0;
            *a7.Find(k) = cosine * value;
            *a8.Find(k) = sine * value;
        } else {
            *a7.Find(k) = 0.0;
            *a8.Find(k) = 0.0;
        }
        value = 0.0;
    }
    return b;
}

WindC ImportWindB(WindB&& b) {
    WindC c;
    c.Head = std::move(b.Head);
    switch (c.Head.Kind) {
        case 4: c.Head.Kind = 5; break;
        case 5: c.Head.Kind = 7; break;
        case 6: c.Head.Kind = 11; break;
        case 7: c.Head.Kind = 12; break;
        default: break;
    }
    const std::int32_t kind = c.Head.Kind;
    CopyBytes<0, 0, 8>(c.Block2, b.Block2Start);
    Put<8>(c.Block2, std::int32_t(1));
    Put<12>(c.Block2, 0.8);
    if (kind == 3)
        CopyBytes<20, 8, 16>(c.Block2, b.Trailer);
    else if (kind == 7)
        CopyBytes<20, 36, 44>(c.Block2, b.Trailer);
    else
        Put<20>(c.Block2, kind == 1 || kind == 2 ? 0.6 : 0.5);
    c.Short4 = b.Short4;
    c.Sub = std::move(b.Sub);
    c.Block3 = b.Block3;
    c.Short5 = b.Short5;
    CopyBytes<0, 0, 8>(c.T, b.Trailer);
    CopyBytes<8, 16, 36>(c.T, b.Trailer);
    CopyBytes<28, 44, 52>(c.T, b.Trailer);
    Put<36>(c.T, 1.0);
    const std::int32_t t16 = Get<std::int32_t, 16>(c.T);
    Put<44>(c.T, t16 == 1 || t16 == 2 ? 0.8 : 0.85);
    Put<52>(c.T, 30.0);
    Put<60>(c.T, 1.0);
    Put<68>(c.T, 0.25);
    return c;
}

WindD ImportWindC(WindC&& c) {
    WindD d;
    TakeThroughSub(d, c);
    if (d.Head.Kind == 10)
        d.Head.Kind = 11;
    else if (d.Head.Kind == 11)
        d.Head.Kind = 12;
    d.Block3 = c.Block3;
    d.Short5 = c.Short5;
    CopyBytes<0, 0, 76>(d.T, c.T);
    Put<84>(d.T, 0.7);
    Put<100>(d.T, 1.0);
    Put<108>(d.T, std::int32_t(2));
    Put<112>(d.T, 0.05);
    return d;
}

WindRecord ImportWindD(WindD&& d) {
    WindRecord r = WindFromTrailed(d);
    CopyBytes<0, 0, 52>(r.Block4, d.T);
    CopyBytes<80, 52, 124>(r.Block4, d.T);
    CopyBytes<156, 124, 132>(r.Block4, d.T);
    Put<152>(r.Block4, std::int32_t(Get<double, 124>(d.T) > 0.0 ? 1 : 0));  // Flag1
    return r;
}

WindRecord ImportWindE(WindE&& e) {
    WindRecord r = WindFromTrailed(e);
    Block4FromTrailing(r.Block4, e.T);
    return r;
}

WindRecord ImportWindF(WindF&& f) {
    WindRecord r = WindFromTrailed(f);
    Block4FromTrailing(r.Block4, f.T);
    CopyBytes<0, 136, 160>(r.Block5, f.T);
    CopyBytes<32, 168, 176>(r.Block5, f.T);
    return r;
}

WindRecord ImportWindG(WindG&& g) {
    WindRecord r = WindFromTrailed(g);
    Put<40>(r.Block3, 1.0);
    CopyBytes<0, 0, 164>(r.Block4, g.T);
    CopyBytes<0, 164, 188>(r.Block5, g.T);
    CopyBytes<32, 196, 204>(r.Block5, g.T);
    return r;
}

WindRecord ImportWindH(WindH&& h) {
    WindRecord r = WindFromLate(h);
    CopyBytes<0, 0, 40>(r.Block5, h.Tail);
    return r;
}

WindRecord ImportWindI(WindI&& i) {
    WindRecord r = WindFromLate(i);
    CopyBytes<0, 0, 76>(r.Block5, i.Tail);
    return r;
}

WindRecord ImportWindJ(WindJ&& j) {
    WindRecord r = WindFromLate(j);
    r.Block5 = j.Tail.Block5;
    r.Short7 = j.Tail.Short7;
    return r;
}

}  // namespace kmd
