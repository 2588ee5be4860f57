// Legacy layouts of the static nonlinear cases.
#pragma once

#include "fileformat/encoding.h"
#include "model/static_nl.h"

namespace kmd {

// "StaticNL" up to 7.985: the name as 8 characters, and 6 bytes in place of
// Value1 to Short5.
inline constexpr double kStaticNLAUpTo = 7.985;

struct StaticNLA {
    FixedString<8> Name;
    StaticNLRecord rec;
    Bytes<6> Dropped{};
};
template <class Io>
void fields(Io& io, StaticNLA& r) {
    io(r.Name);
    static_nl_groups::Block1ToShort2(io, r.rec);
    io(r.Dropped);
    static_nl_groups::Block4ToEnd(io, r.rec);
}

// Above 7.985 up to 8.075: the name as 8 characters.
inline constexpr double kStaticNLBUpTo = 8.075;

struct StaticNLB {
    FixedString<8> Name;
    StaticNLRecord rec;
};
template <class Io>
void fields(Io& io, StaticNLB& r) {
    io(r.Name);
    static_nl_groups::Block1ToShort2(io, r.rec);
    static_nl_groups::Value1ToValue3(io, r.rec);
    io(r.rec.Short5);
    static_nl_groups::Block4ToEnd(io, r.rec);
}

// The name trimmed, Block1 to Short2 and Block6 carried; Value2 = 1 and the rest zero.
StaticNLRecord ImportStaticNLA(StaticNLA&& a);
// As A, with Value1 to Value3 carried.
StaticNLRecord ImportStaticNLB(StaticNLB&& b);

}  // namespace kmd
