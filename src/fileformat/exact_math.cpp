#include "fileformat/exact_math.h"

#include <bit>
#include <cfloat>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <limits>

// Everything below is built from single IEEE double operations, each rounded
// once, plus integer arithmetic; no library math is called.
static_assert(std::numeric_limits<double>::is_iec559, "needs IEEE doubles");
static_assert(FLT_EVAL_METHOD == 0, "needs double expressions evaluated in double");
// A fused multiply-add would break the exact splitting in TwoProduct, and
// compilers fuse a * b + c on their own when the target has the instruction.
#if defined(__clang__)
#pragma clang fp contract(off)
#elif defined(__GNUC__)
#pragma GCC optimize("fp-contract=off")
#endif

namespace kmd {
namespace {

using u64 = std::uint64_t;
__extension__ typedef unsigned __int128 u128;

// Unevaluated sum hi + lo with |lo| <= ulp(hi).
struct DD {
    double hi;
    double lo;
};

DD TwoSum(double a, double b) {
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

// Needs |a| >= |b| (or a == 0).
DD FastTwoSum(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}

// Splits a into two halves of at most 26 bits each.
DD Split(double a) {
    const double t = 134217729.0 * a;  // 2^27 + 1
    const double hi = t - (t - a);
    return {hi, a - hi};
}

// a * b exactly.
DD TwoProduct(double a, double b) {
    const double p = a * b;
    const DD x = Split(a);
    const DD y = Split(b);
    return {p, ((x.hi * y.hi - p) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo};
}

DD Add(DD a, DD b) {
    const DD s = TwoSum(a.hi, b.hi);
    const DD t = TwoSum(a.lo, b.lo);
    const DD u = FastTwoSum(s.hi, s.lo + t.hi);
    return FastTwoSum(u.hi, u.lo + t.lo);
}

DD Mul(DD a, DD b) {
    const DD p = TwoProduct(a.hi, b.hi);
    return FastTwoSum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

DD Neg(DD a) { return {-a.hi, -a.lo}; }

// 2^e for -1022 <= e <= 1023.
double Pow2(int e) { return std::bit_cast<double>(static_cast<u64>(e + 1023) << 52); }

constexpr DD kPiOver2 = {0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54};
constexpr double kPiOver4 = 0x1.921fb54442d18p-1;  // just below pi/4

// (-1)^n / (2n+1)! for n = 1..14.
constexpr DD kSinCoef[] = {
    {-0x1.5555555555555p-3, -0x1.5555555555555p-57},
    {0x1.1111111111111p-7, 0x1.1111111111111p-63},
    {-0x1.a01a01a01a01ap-13, -0x1.a01a01a01a01ap-73},
    {0x1.71de3a556c734p-19, -0x1.c154f8ddc6c00p-73},
    {-0x1.ae64567f544e4p-26, 0x1.c062e06d1f209p-80},
    {0x1.6124613a86d09p-33, 0x1.f28e0cc748ebep-87},
    {-0x1.ae7f3e733b81fp-41, -0x1.1d8656b0ee8cbp-97},
    {0x1.952c77030ad4ap-49, 0x1.ac981465ddc6cp-103},
    {-0x1.2f49b46814157p-57, -0x1.2650f61dbdcb4p-112},
    {0x1.71b8ef6dcf572p-66, -0x1.d043ae40c4647p-120},
    {-0x1.761b41316381ap-75, 0x1.3423c7d91404fp-130},
    {0x1.3f3ccdd165fa9p-84, -0x1.58ddadf344487p-139},
    {-0x1.d1ab1c2dccea3p-94, -0x1.054d0c78aea14p-149},
    {0x1.259f98b4358adp-103, 0x1.eaf8c39dd9bc5p-157},
};

// (-1)^n / (2n)! for n = 1..15.
constexpr DD kCosCoef[] = {
    {-0x1.0000000000000p-1, 0.0},
    {0x1.5555555555555p-5, 0x1.5555555555555p-59},
    {-0x1.6c16c16c16c17p-10, 0x1.f49f49f49f49fp-65},
    {0x1.a01a01a01a01ap-16, 0x1.a01a01a01a01ap-76},
    {-0x1.27e4fb7789f5cp-22, -0x1.cbbc05b4fa99ap-76},
    {0x1.1eed8eff8d898p-29, -0x1.2aec959e14c06p-83},
    {-0x1.93974a8c07c9dp-37, -0x1.05d6f8a2efd1fp-92},
    {0x1.ae7f3e733b81fp-45, 0x1.1d8656b0ee8cbp-101},
    {-0x1.6827863b97d97p-53, -0x1.eec01221a8b0bp-107},
    {0x1.e542ba4020225p-62, 0x1.ea72b4afe3c2fp-120},
    {-0x1.0ce396db7f853p-70, 0x1.aebcdbd20331cp-124},
    {0x1.f2cf01972f578p-80, -0x1.9ada5fcc1ab14p-135},
    {-0x1.88e85fc6a4e5ap-89, 0x1.71c37ebd16540p-143},
    {0x1.0a18a2635085dp-98, 0x1.b9e2e28e1aa54p-153},
    {-0x1.3932c5047d60ep-108, -0x1.832b7b530a627p-162},
};

// Sum of c[i] * z^(i+1) by Horner's rule, for z <= (pi/4)^2. The terms from
// c[D] on are below 2^-58 of the final sine or cosine, so those are summed in
// plain double (high parts only): that costs less than 2^-108.
template <std::size_t D, std::size_t N>
DD Series(const DD (&c)[N], DD z) {
    static_assert(D < N);
    double t = c[N - 1].hi;
    for (std::size_t i = N - 1; i-- > D;) t = t * z.hi + c[i].hi;
    DD p = {t, 0.0};
    for (std::size_t i = D; i-- > 0;) p = Add(Mul(p, z), c[i]);
    return Mul(p, z);
}

// |r| <= pi/4.
DD SinSmall(DD r) { return Add(r, Mul(r, Series<8>(kSinCoef, Mul(r, r)))); }
DD CosSmall(DD r) { return Add({1.0, 0.0}, Series<9>(kCosCoef, Mul(r, r))); }

// 2/pi in binary, 64 bits a word, most significant first: enough for the
// largest double.
constexpr u64 kTwoOverPi[] = {
    0xa2f9836e4e441529, 0xfc2757d1f534ddc0, 0xdb6295993c439041, 0xfe5163abdebbc561,
    0xb7246e3a424dd2e0, 0x06492eea09d1921c, 0xfe1deb1cb129a73e, 0xe88235f52ebb4484,
    0xe99c7026b45f7e41, 0x3991d639835339f4, 0x9c845f8bbdf9283b, 0x1ff897ffde05980f,
    0xef2f118b5a0a6d1f, 0x6d367ecf27cb09b7, 0x4f463f669e5fea2d, 0x7527bac7ebe5f17b,
    0x3d0739f78a5292ea, 0x6bfb5fb11f8d5d08, 0x56033046fc7b6bab, 0xf0cfbc209af4361d,
};
constexpr int kWindow = 5;  // words of 2/pi multiplied per argument
static_assert((1023 - 52 - 2) / 64 + kWindow <= int(std::size(kTwoOverPi)));

struct Reduced {
    unsigned quadrant;  // x = (quadrant + 4j) * pi/2 + r
    DD r;               // |r| <= pi/4
};

// The 64 bits of p starting at bit `low`; bits past the top read as 0.
u64 Bits(const u64 (&p)[kWindow + 1], int low) {
    const int w = low / 64, b = low % 64;
    u64 v = w <= kWindow ? p[w] >> b : 0;
    if (b != 0 && w + 1 <= kWindow) v |= p[w + 1] << (64 - b);
    return v;
}

// x finite and >= pi/4. Exact product of x with the needed bits of 2/pi.
Reduced Reduce(double x) {
    const u64 bits = std::bit_cast<u64>(x);
    const u64 m = (bits & ((u64{1} << 52) - 1)) | (u64{1} << 52);
    const int e = int(bits >> 52) - 1075;  // x = m * 2^e
    // Bit i of 2/pi (weight 2^-i) adds m * 2^(e-i) to x*2/pi, a multiple of 4
    // for i <= e-2: start at the word that holds bit e-1.
    const int first = e > 2 ? (e - 2) / 64 : 0;

    u64 p[kWindow + 1];  // m * words, least significant limb first
    u128 acc = 0;
    for (int i = 0; i < kWindow; ++i) {
        acc += u128{m} * kTwoOverPi[first + kWindow - 1 - i];
        p[i] = u64(acc);
        acc >>= 64;
    }
    p[kWindow] = u64(acc);

    // x*2/pi = p * 2^-point; at least 255 fraction bits, so point - 192 >= 0.
    const int point = 64 * (first + kWindow) - e;
    unsigned quadrant = unsigned(Bits(p, point)) & 3;
    u64 f2 = Bits(p, point - 64), f1 = Bits(p, point - 128), f0 = Bits(p, point - 192);

    // Fraction in [1/2, 1): take f - 1 and the next quadrant.
    const bool negative = f2 >> 63;
    if (negative) {
        f0 = ~f0 + 1;
        f1 = ~f1 + (f0 == 0);
        f2 = ~f2 + (f0 == 0 && f1 == 0);
        ++quadrant;
    }

    // |f| = 0.f2f1f0 in binary; normalise so that bit 63 of f2 is set.
    int shift = 0;
    while (f2 == 0 && shift < 128) {
        f2 = f1;
        f1 = f0;
        f0 = 0;
        shift += 64;
    }
    if (f2 == 0) return {quadrant & 3, {0.0, 0.0}};
    if (const int z = std::countl_zero(f2); z != 0) {
        f2 = (f2 << z) | (f1 >> (64 - z));
        f1 = (f1 << z) | (f0 >> (64 - z));
        shift += z;
    }
    // Top 53 bits exact in hi, the next 75 in lo (rounded once).
    const double hi = double(f2 >> 11) * Pow2(-53 - shift);
    const double mid = double(((f2 & 0x7ff) << 42) | (f1 >> 22)) * Pow2(-106 - shift);
    const double low = double(f1 & 0x3fffff) * Pow2(-128 - shift);
    const DD r = Mul({hi, mid + low}, kPiOver2);
    return {quadrant & 3, negative ? Neg(r) : r};
}

double Round(DD a) { return a.hi + a.lo; }

constexpr u64 kSignBit = u64{1} << 63;
constexpr u64 kInfBits = 0x7ff0000000000000;
constexpr u64 kTinyBits = 0x3e40000000000000;  // 2^-27

// NaN and infinity give what glibc gives on x86-64: a NaN stays itself, made
// quiet; an infinity gives the default NaN of SSE, sign bit set.
double NotFinite(u64 bits) {
    if ((bits & ~kSignBit) == kInfBits) return std::bit_cast<double>(u64{0xfff8000000000000});
    return std::bit_cast<double>(bits | (u64{1} << 51));
}

}  // namespace

double Sine(double x) {
    const u64 bits = std::bit_cast<u64>(x);
    const u64 mag = bits & ~kSignBit;
    if (mag >= kInfBits) return NotFinite(bits);
    if (mag < kTinyBits) return x;  // sin x = x - x^3/6 rounds to x
    const double ax = std::bit_cast<double>(mag);
    if (ax < kPiOver4) return Round(SinSmall({x, 0.0}));
    const Reduced red = Reduce(ax);
    DD s = (red.quadrant & 1) ? CosSmall(red.r) : SinSmall(red.r);
    if (red.quadrant >= 2) s = Neg(s);
    const double y = Round(s);
    return (bits & kSignBit) ? -y : y;
}

double Cosine(double x) {
    const u64 bits = std::bit_cast<u64>(x);
    const u64 mag = bits & ~kSignBit;
    if (mag >= kInfBits) return NotFinite(bits);
    if (mag < kTinyBits) return 1.0;  // cos x = 1 - x^2/2 rounds to 1
    const double ax = std::bit_cast<double>(mag);
    if (ax < kPiOver4) return Round(CosSmall({ax, 0.0}));
    const Reduced red = Reduce(ax);
    DD c = (red.quadrant & 1) ? SinSmall(red.r) : CosSmall(red.r);
    if (red.quadrant == 1 || red.quadrant == 2) c = Neg(c);
    return Round(c);
}

}  // namespace kmd
