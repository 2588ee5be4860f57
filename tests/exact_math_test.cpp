#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>

#include "fileformat/exact_math.h"

namespace {

std::uint64_t Bits(double x) { return std::bit_cast<std::uint64_t>(x); }
double FromBits(std::uint64_t b) { return std::bit_cast<double>(b); }

std::string Hex(double x) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%a", x);
    return buf;
}

void ExpectSame(double got, double want) {
    EXPECT_EQ(Bits(got), Bits(want)) << Hex(got) << " instead of " << Hex(want);
}

struct Point {
    double x, sin, cos;
};

// Correctly rounded values; the same as glibc 2.36 gives except where marked
// "glibc is off". Angles in degrees are converted as deg * pi / 180.
constexpr Point kPoints[] = {
    {0x1p-1, 0x1.eaee8744b05fp-2, 0x1.c1528065b7d5p-1},
    {0x1p-26, 0x1p-26, 0x1.fffffffffffffp-1},
    {0x1.1df46a2529d39p-6, 0x1.1df0b2b89dd1ep-6, 0x1.ffec097f5af8ap-1},   // 1 degree
    {0x1.0c152382d7365p-1, 0x1.fffffffffffffp-2, 0x1.bb67ae8584cabp-1},   // 30
    {0x1.921fb54442d18p-1, 0x1.6a09e667f3bccp-1, 0x1.6a09e667f3bcdp-1},   // 45, just below pi/4
    {0x1.921fb54442d19p-1, 0x1.6a09e667f3bcdp-1, 0x1.6a09e667f3bccp-1},   // just above pi/4
    {0x1.0c152382d7365p+0, 0x1.bb67ae8584caap-1, 0x1.0000000000001p-1},   // 60
    {0x1.8da7e39bae2a4p+0, 0x1.ffec097f5af8ap-1, 0x1.1df0b2b89dcf7p-6},   // 89
    {0x1.921fb54442d18p+0, 0x1p+0, 0x1.1a62633145c07p-54},                // 90
    {0x1.921fb54442d19p+0, 0x1p+0, -0x1.72cece675d1fdp-53},               // next double up; glibc is off
    {0x1.2d97c7f3321d2p+1, 0x1.6a09e667f3bcdp-1, -0x1.6a09e667f3bccp-1},  // 135
    {0x1.921fb54442d18p+1, 0x1.1a62633145c07p-53, -0x1p+0},               // 180
    {0x1.d524fe24f89f2p+1, -0x1.0000000000001p-1, -0x1.bb67ae8584caap-1}, // 210
    {0x1.2d97c7f3321d2p+2, -0x1p+0, -0x1.a79394c9e8a0ap-53},              // 270
    {0x1.4f1a6c638d03fp+2, -0x1.bb67ae8584caap-1, 0x1.0000000000001p-1},  // 300
    {0x1.921cd938f5a5ap+2, -0x1.6e05a676c4f62p-13, 0x1.ffffff7d2af5fp-1}, // 359.99
    {0x1.921fb54442d18p+2, -0x1.1a62633145c07p-52, 0x1p+0},               // 360
    {0x1.921fb54442d18p+3, -0x1.1a62633145c07p-51, 0x1p+0},               // 720
    {0x1.0d57474965437p+11, -0x1.9393c3aa77c51p-2, 0x1.d68efde6f854fp-1}, // 123456.789
    {0x1.10b52b8a59178p+14, -0x1.f838b8c81279ep-1, 0x1.63a1a7e0a6e0bp-3}, // 1e6
    {1e22, -0x1.b453ab76bf397p-1, 0x1.0be2cef01c8f4p-1},
    {1e300, -0x1.a2c16b010e385p-1, -0x1.2699022adc4c1p-1},
    // The double nearest to a multiple of pi/2 (remainder about 2^-61).
    {0x1.6ac5b262ca1ffp+849, 0x1p+0, -0x1.14ae72e6ba22fp-61},  // glibc is off
    {std::numeric_limits<double>::max(), 0x1.452fc98b34e97p-8, -0x1.fffe62ecfab75p-1},
    {0x1.fp-27, 0x1.fp-27, 0x1.fffffffffffffp-1},
    // One of the two results lies within 2^-22 of an ulp of a rounding boundary.
    {0x1.3a4e2c95a5176p-15, 0x1.3a4e2c94693d3p-15, 0x1.fffffff9f8709p-1},
    {0x1.aeccbeac4eda8p-5, 0x1.ae99eb89d31cbp-5, 0x1.ff4acd93f6b9fp-1},   // glibc is off
    {0x1.20d910bd7e11cp+3, 0x1.8d246902448bfp-2, -0x1.d7ece22152008p-1}, // glibc is off
    {0x1.5f8faa7de0114p+3, -0x1.fffa5905d5fa1p-1, -0x1.304f58bc11cafp-7},
    {0x1.74d6401b78d7fp+3, -0x1.95dc1ad9ab3ffp-1, 0x1.381fed0de36cap-1},
    {0x1.1cb8feda6affep+82, 0x1.fbada8aa33fdep-1, 0x1.0988142393548p-3},
};

}  // namespace

TEST(ExactMath, CorrectlyRoundedAtKnownPoints) {
    for (const Point& p : kPoints) {
        SCOPED_TRACE("x = " + Hex(p.x));
        ExpectSame(kmd::Sine(p.x), p.sin);
        ExpectSame(kmd::Cosine(p.x), p.cos);
        ExpectSame(kmd::Sine(-p.x), -p.sin);
        ExpectSame(kmd::Cosine(-p.x), p.cos);
    }
}

TEST(ExactMath, ZerosTinyAndNotFinite) {
    ExpectSame(kmd::Sine(0.0), 0.0);
    ExpectSame(kmd::Sine(-0.0), -0.0);
    ExpectSame(kmd::Cosine(-0.0), 1.0);
    const double tiny[] = {0x1p-1074, -0x1p-1074, 0x1.fffffffffffffp-1023, 0x1p-28, -0x1.fffffffffffffp-28};
    for (double x : tiny) {
        ExpectSame(kmd::Sine(x), x);
        ExpectSame(kmd::Cosine(x), 1.0);
    }

    const double inf = std::numeric_limits<double>::infinity();
    for (double x : {inf, -inf}) {
        EXPECT_EQ(Bits(kmd::Sine(x)), 0xfff8000000000000u);
        EXPECT_EQ(Bits(kmd::Cosine(x)), 0xfff8000000000000u);
    }
    // A NaN comes back quiet with its sign and payload.
    const std::uint64_t nans[][2] = {{0x7ff8000000001234, 0x7ff8000000001234},
                                     {0xfff4000000001234, 0xfffc000000001234},
                                     {0x7ff0000000000001, 0x7ff8000000000001}};
    for (const auto& n : nans) {
        EXPECT_EQ(Bits(kmd::Sine(FromBits(n[0]))), n[1]);
        EXPECT_EQ(Bits(kmd::Cosine(FromBits(n[0]))), n[1]);
    }
}
