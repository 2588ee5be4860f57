#include "tools/example_lateral.h"

#include <algorithm>
#include <initializer_list>

#include "legacy/blocks.h"
#include "legacy/functions.h"
#include "legacy/lateral_loads.h"
#include "model/functions.h"
#include "model/lateral_loads.h"

namespace kmd::example {

namespace {

// A table of one record.
template <class Rec>
void One(Writer& out, const Rec& record) {
    out(std::int32_t(1));
    out(record);
}


void WriteSeismic(Writer& out, double v) {
    SeismicHead head;
    head.Kind = 5;
    head.Name = "EQX";
    head.Block1.Values1 = Block<8>(1);
    head.Block1.Option1 = -1;
    head.Block1.Count = 2;
    head.Array1 = OneBased<std::int32_t>({1, 2});
    head.Array2 = OneBased<std::int32_t>({3, 4});
    head.Array3 = OneBased<double>({0.05, 0.1});
    SeismicSubRecord sub;
    sub.Count = 1;
    sub.Array1 = OneBased<std::int32_t>({1});
    sub.Array2 = OneBased<std::int32_t>({2});
    for (DynArray<double>& a : sub.Reals) a = OneBased<double>({0.5});
    const Bytes<16> tail = Block<16>(200);
    const Bytes<40> block4 = Block<40>(150);
    if (v <= kSeismicAUpTo)
        One(out, SeismicA{head, Block<412>(7), tail, {}});
    else if (v <= kSeismicBUpTo)
        One(out, SeismicB{head, Block<412>(7), tail, {}});
    else if (v <= kSeismicCUpTo)
        One(out, SeismicC{head, Block<412>(7), tail, 0, sub, block4});
    else if (v <= kSeismicDUpTo)
        One(out, SeismicD{head, Block<448>(7), tail, 1, sub, block4});
    else if (v <= kSeismicEUpTo)
        One(out, SeismicE{head, Block<456>(7), tail, 1, sub, block4});
    else if (v <= kSeismicFUpTo)
        One(out, SeismicF{head, Block<504>(7), tail, 1, sub, block4});
    else if (v <= kSeismicGUpTo)
        One(out, SeismicG{head, Block<560>(7), "site class D", Block<148>(60), tail, 1, sub, block4});
    else
        One(out, SeismicRecord{head, Block<560>(7), "site class D", Block<300>(60), 1, sub, block4});
}

void WriteWind(Writer& out, double v) {
    WindHead head{v <= kWindAUpTo ? 11 : 2, "WX", 1, 0, Block<20>(1), 0};
    Put<4>(head.Block1, 30.0);  // the angle of the oldest layout
    WindSubRecord sub;
    sub.Count = 2;
    sub.Array1 = OneBased<std::int32_t>({1, 2});
    sub.Array2 = OneBased<std::int32_t>({2, 3});
    for (DynArray<double>& a : sub.Reals) a = OneBased<double>({12.0, 24.0});
    const Bytes<28> block2 = Block<28>(30);
    if (v <= kWindAUpTo) {
        WindSubA a{sub.Count, sub.Array1, sub.Array2, {}};
        std::copy_n(sub.Reals.begin(), a.Reals.size(), a.Reals.begin());
        One(out, WindA{head, Block<8>(30), 0, a, Block<76>(40), 0, Block<52>(120)});
    } else if (v <= kWindBUpTo) {
        One(out, WindB{head, Block<8>(30), 0, sub, Block<76>(40), 0, Block<52>(120)});
    } else if (v <= kWindCUpTo) {
        One(out, WindC{head, block2, 0, sub, Block<76>(40), 0, Block<84>(120)});
    } else if (v <= kWindDUpTo) {
        One(out, WindD{head, block2, 0, sub, Block<76>(40), 0, Block<132>(120)});
    } else if (v <= kWindEUpTo) {
        One(out, WindE{head, block2, 0, sub, Block<76>(40), 0, Block<136>(120)});
    } else if (v <= kWindFUpTo) {
        One(out, WindF{head, block2, 0, sub, Block<76>(40), 0, Block<220>(120)});
    } else if (v <= kWindGUpTo) {
        One(out, WindG{head, block2, 0, sub, Block<76>(40), 0, Block<248>(120)});
    } else if (v <= kWindHUpTo) {
        One(out, WindH{head, block2, 0, sub, Block<84>(40), 0, Block<164>(70), Block<84>(120)});
    } else if (v <= kWindIUpTo) {
        One(out, WindI{head, block2, 0, sub, Block<84>(40), 0, Block<164>(70), Block<76>(120)});
    } else if (v <= kWindJUpTo) {
        One(out, WindJ{head, block2, 0, sub, Block<84>(40), 0, Block<164>(70), {Block<160>(120), 0}});
    } else {
        One(out, WindRecord{head, block2, 0, sub, Block<84>(40), 0, Block<164>(70), 0, Block<160>(120), 0});
    }
}

// A function block of Kind 1 and SubKind 10.
template <std::size_t N>
Bytes<N> FunctionValues() {
    Bytes<N> b = Block<N>(1);
    Put<0>(b, std::int32_t(1));
    Put<4>(b, std::int32_t(10));
    return b;
}

void WriteFunctionTable(Writer& out, double v) {
    const char* name = "RS1";
    const char* text = "Response spectrum";
    if (v <= kFunctionFixedUpTo)
        One(out, FunctionFixed{FixedString<8>(name), FixedString<64>(text), FunctionValues<312>()});
    else if (v <= kFunctionPUpTo)
        One(out, FunctionP{name, text, FunctionValues<312>()});
    else if (v <= kFunctionQUpTo)
        One(out, FunctionQ{name, text, FunctionValues<348>()});
    else if (v <= kFunctionRUpTo)
        One(out, FunctionR{name, text, FunctionValues<388>()});
    else if (v <= kFunctionSUpTo)
        One(out, FunctionS{name, text, FunctionValues<424>()});
    else if (v <= kFunctionTUpTo)
        One(out, FunctionT{name, text, FunctionValues<344>(), "", Block<56>(9), "", Block<228>(30)});
    else
        One(out, FunctionRecord{name, text, FunctionValues<344>(), "", Block<56>(9), "", Block<324>(30)});
}

void WriteSpectra(Writer& out, double v) {
    if (v <= kSpectraFixedUpTo) return One(out, HistoryFixed{FixedString<8>("UBC"), Block<108>(1), 0});
    if (v <= kSpectraAsHistoryUpTo) return One(out, HistoryRecord{"UBC", Block<108>(1), 0});
    SpectraRecord s;
    s.Name = "UBC";
    s.Block1.Values1 = Block<32>(1);
    s.Block1.Reals = {0.1, 0.2, 0.3};
    s.Block1.Integers = {1, 2, 3};
    s.Block1.Count = 2;
    s.Array1 = OneBased<std::int32_t>({1, 2});
    s.Array2 = OneBased<std::int32_t>({3, 4});
    s.Array3 = OneBased<double>({0.0, 0.5});
    s.Block2 = Block<8>(200);
    One(out, s);
}

}  // namespace

void WriteExampleLateralLoads(Writer& out, double v) {
    WriteSeismic(out, v);
    WriteWind(out, v);
}

void WriteExampleFunctions(Writer& out, double v) {
    WriteFunctionTable(out, v);
    One(out, TVRecord{Block<20>(5)});
    WriteSpectra(out, v);
    if (v <= kHistoryFixedUpTo)
        One(out, HistoryFixed{FixedString<8>("EL1"), Block<108>(50), 0});
    else
        One(out, HistoryRecord{"EL1", Block<108>(50), 0});
    One(out, LARecord{Block<48>(6)});
    One(out, MDRecord{Block<16>(7)});
}

}  // namespace kmd::example
