// Legacy layouts of the "Funcshun", "Spectra" and "History" records and their
// conversions.
#pragma once

#include <cstdint>
#include <string>

#include "fileformat/encoding.h"
#include "model/functions.h"

namespace kmd {

// ---------------------------------------------------------------------------
// "Funcshun": every layout up to 9.145 is a name, a description and one block
// (P, Q, R or S). P, Q and R are brought to S, S to the current record.

// Up to 7.005: block P with fixed-length name and description.
inline constexpr double kFunctionFixedUpTo = 7.005;

struct FunctionFixed {
    FixedString<8> Name;
    FixedString<64> Text1;
    Bytes<312> P{};
};
template <class Io>
void fields(Io& io, FunctionFixed& r) { io(r.Name, r.Text1, r.P); }

template <std::size_t N>
struct FunctionBlock {
    std::string Name;
    std::string Text1;
    Bytes<N> Block{};
};
template <class Io, std::size_t N>
void fields(Io& io, FunctionBlock<N>& r) { io(r.Name, r.Text1, r.Block); }

inline constexpr double kFunctionPUpTo = 8.125;
inline constexpr double kFunctionQUpTo = 8.475;
inline constexpr double kFunctionRUpTo = 8.505;
inline constexpr double kFunctionSUpTo = 9.145;

using FunctionP = FunctionBlock<312>;
using FunctionQ = FunctionBlock<348>;
using FunctionR = FunctionBlock<388>;
using FunctionS = FunctionBlock<424>;

// Above 9.145 up to 9.525: the current fields with a 228-byte last block.
inline constexpr double kFunctionTUpTo = 9.525;

struct FunctionT {
    std::string Name;
    std::string Text1;
    Bytes<344> Block1{};
    std::string Text2;
    Bytes<56> Block2{};
    std::string Text3;
    Bytes<228> T{};
};
template <class Io>
void fields(Io& io, FunctionT& r) { io(r.Name, r.Text1, r.Block1, r.Text2, r.Block2, r.Text3, r.T); }

// The fixed texts as they are (ImportFunctionP trims them).
FunctionP ImportFunctionFixed(FunctionFixed&& f);
// To the intermediate layout, its missing values filled; P's texts are trimmed.
FunctionS ImportFunctionP(FunctionP&& p);
FunctionS ImportFunctionQ(FunctionQ&& q);
FunctionS ImportFunctionR(FunctionR&& r);
// Coefficient1 chosen by Kind and SubKind, the newer groups given their defaults.
FunctionRecord ImportFunctionS(FunctionS&& s);
FunctionRecord ImportFunctionT(FunctionT&& t);

// ---------------------------------------------------------------------------
// "History" up to 8.075: fixed-length name. "Spectra" up to 8.075 has the same
// layout, and up to 8.1905 the layout of the current history record.
inline constexpr double kHistoryFixedUpTo = 8.075;
inline constexpr double kSpectraFixedUpTo = 8.075;
inline constexpr double kSpectraAsHistoryUpTo = 8.1905;

struct HistoryFixed {
    FixedString<8> Name;
    Bytes<108> Block1{};
    std::int16_t Short1 = 0;
};
template <class Io>
void fields(Io& io, HistoryFixed& r) { io(r.Name, r.Block1, r.Short1); }

// Name trimmed.
HistoryRecord ImportHistoryFixed(HistoryFixed&& h);
// Name trimmed, the block spread over the spectrum's first block and Block2;
// no arrays (Count 0).
SpectraRecord ImportSpectraFromHistory(HistoryRecord&& h);

}  // namespace kmd
