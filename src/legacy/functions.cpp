#include "legacy/functions.h"

#include <utility>

#include "legacy/blocks.h"

namespace kmd {

namespace {

// Names and descriptions move over; the 424-byte block starts zero.
template <std::size_t N>
FunctionS IntermediateFrom(FunctionBlock<N>& f) {
    FunctionS s;
    s.Name = std::move(f.Name);
    s.Text1 = std::move(f.Text1);
    return s;
}

}  // namespace

FunctionP ImportFunctionFixed(FunctionFixed&& f) { return {f.Name.str(), f.Text1.str(), f.P}; }

FunctionS ImportFunctionP(FunctionP&& p) {
    FunctionS s = IntermediateFrom(p);
    s.Name = TrimSpaces(s.Name);
    s.Text1 = TrimSpaces(s.Text1);
    CopyBytes<0, 0, 188>(s.Block, p.Block);
    Put<188>(s.Block, 1.0);
    Put<196>(s.Block, std::int32_t(4));
    Put<200>(s.Block, 0.05);
    Put<208>(s.Block, 0.4);
    Put<216>(s.Block, 1.0);
    CopyBytes<300, 188, 312>(s.Block, p.Block);
    return s;
}

FunctionS ImportFunctionQ(FunctionQ&& q) {
    FunctionS s = IntermediateFrom(q);
    CopyBytes<0, 0, 224>(s.Block, q.Block);
    Put<224>(s.Block, std::int32_t(3));
    Put<228>(s.Block, 1.0);
    Put<236>(s.Block, 0.05);
    Put<244>(s.Block, 0.25);
    Put<252>(s.Block, std::int32_t(0));
    Put<256>(s.Block, std::int32_t(1));
    Put<260>(s.Block, std::int32_t(1));
    CopyBytes<300, 224, 348>(s.Block, q.Block);
    return s;
}

FunctionS ImportFunctionR(FunctionR&& r) {
    FunctionS s = IntermediateFrom(r);
    CopyBytes<0, 0, 264>(s.Block, r.Block);
    Put<264>(s.Block, 0.36);
    Put<272>(s.Block, 1.0);
    Put<280>(s.Block, std::int32_t(2));
    Put<284>(s.Block, 1.0);
    Put<292>(s.Block, 1.0);
    CopyBytes<300, 264, 388>(s.Block, r.Block);
    return s;
}

FunctionRecord ImportFunctionS(FunctionS&& s) {
    FunctionRecord r;
    r.Name = std::move(s.Name);
    r.Text1 = std::move(s.Text1);
    const Bytes<424>& b = s.Block;
    CopyBytes<0, 0, 32>(r.Block1, b);
    Put<32>(r.Block1, std::int32_t(1));
    const std::int32_t kind = Get<std::int32_t, 0>(b), subKind = Get<std::int32_t, 4>(b);
    if (kind == 1 && subKind == 10)
        CopyBytes<36, 200, 208>(r.Block1, b);
    else if (kind == 1 && subKind == 11)
        CopyBytes<36, 236, 244>(r.Block1, b);
    else
        Put<36>(r.Block1, 0.05);
    CopyBytes<44, 32, 300>(r.Block1, b);  // up to position 311
    Put<44>(r.Block3, 0.5);
    Put<52>(r.Block3, 1.0);
    Put<60>(r.Block3, 0.68);
    Put<68>(r.Block3, 0.34);
    Put<76>(r.Block3, 0.18);
    Put<84>(r.Block3, std::int32_t(3));
    Put<88>(r.Block3, 1.0);
    Put<96>(r.Block3, 1.0);
    CopyBytes<200, 300, 424>(r.Block3, b);
    return r;
}

FunctionRecord ImportFunctionT(FunctionT&& t) {
    FunctionRecord r;
    r.Name = std::move(t.Name);
    r.Text1 = std::move(t.Text1);
    r.Block1 = t.Block1;
    r.Text2 = std::move(t.Text2);
    r.Block2 = t.Block2;
    r.Text3 = std::move(t.Text3);
    CopyBytes<0, 0, 104>(r.Block3, t.T);
    CopyBytes<200, 104, 228>(r.Block3, t.T);
    return r;
}

HistoryRecord ImportHistoryFixed(HistoryFixed&& h) { return {Trimmed(h.Name), h.Block1, h.Short1}; }

SpectraRecord ImportSpectraFromHistory(HistoryRecord&& h) {
    SpectraRecord r;
    r.Name = TrimSpaces(h.Name);
    const Bytes<108>& u = h.Block1;
    SpectraBlock1& b = r.Block1;
    CopyBytes<0, 0, 32>(b.Values1, u);
    CopyBytesTo<40, 64>(b.Reals, u);
    CopyBytes<0, 64, 80>(b.Values2, u);
    CopyBytesTo<84, 96>(b.Integers, u);
    CopyBytes<0, 96, 100>(b.Values3, u);  // positions 96-99; 100-115 stay zero
    CopyBytes<0, 100, 108>(r.Block2, u);
    r.Short1 = h.Short1;
    return r;
}

}  // namespace kmd
