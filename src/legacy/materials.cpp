#include "legacy/materials.h"

#include <utility>

namespace kmd {

namespace {

// Fields every legacy form shares; the added fields stay empty.
MaterialRecord FromParts(std::string name, std::string type, const Bytes<94>& block1, std::int32_t curveCount,
                         DynArray<MaterialCurve>&& curves, const Bytes<20>& block2) {
    MaterialRecord r;
    r.Name = std::move(name);
    r.TypeCode = std::move(type);
    r.ValueBlock1 = block1;
    r.CurveCount = curveCount;
    r.Curves = std::move(curves);
    r.ValueBlock2 = block2;
    return r;
}

template <std::size_t N>
DynArray<double> OneBased(const std::array<double, N>& v) {
    DynArray<double> a;
    a.dims.push_back({std::uint32_t(N), 1});
    a.items.assign(v.begin(), v.end());
    return a;
}

}  // namespace

MaterialRecord ImportMaterialA(MaterialA&& a) {
    return FromParts(a.Name.str(), a.TypeCode.str(), a.ValueBlock1, a.CurveCount, std::move(a.Curves),
                     a.ValueBlock2);
}

MaterialRecord ImportMaterialB(MaterialB&& b) {
    MaterialA& a = b.Head;
    return FromParts(Trimmed(a.Name), a.TypeCode.str(), a.ValueBlock1, a.CurveCount, std::move(a.Curves),
                     a.ValueBlock2);
}

MaterialRecord ImportMaterialC(MaterialC&& c) {
    return FromParts(TrimSpaces(c.Name), std::move(c.TypeCode), c.ValueBlock1, c.CurveCount, std::move(c.Curves),
                     c.ValueBlock2);
}

MTRecord ImportMT(MTBlock&& b) {
    MTRecord r;
    r.Value1 = b.Value1;
    r.Value2 = b.Value2;
    r.Value3 = b.Value3;
    r.Array1 = OneBased(b.Reals1);
    r.Array2 = OneBased(b.Reals2);
    r.Array3 = OneBased(b.Reals3);
    r.Array4 = OneBased(b.Reals4);
    r.Array5 = OneBased(b.Reals5);
    r.Value4 = b.Value4;
    r.Value5 = b.Value5;
    r.Array6 = OneBased(b.Reals6);
    return r;
}

}  // namespace kmd
