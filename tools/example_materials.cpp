#include "tools/example_materials.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <initializer_list>
#include <utility>

#include "legacy/materials.h"
#include "legacy/sections.h"
#include "model/materials.h"
#include "model/sections.h"

namespace kmd::example {

namespace {

// A plain block of N bytes filled from the front with what `fill` writes.
template <std::size_t N, class Fill>
Bytes<N> Block(Fill fill) {
    Writer w;
    fill(w);
    Bytes<N> b{};
    std::memcpy(b.data(), w.Buffer().data(), w.Size() < N ? w.Size() : N);
    return b;
}

// Seven (code, value) pairs, two 4-byte values and a flag.
Bytes<94> MaterialValues(double mass, double weight, double e, double nu, double alpha, double fy, double fu) {
    return Block<94>([&](Writer& w) {
        std::int32_t code = 1;
        for (double x : {mass, weight, e, nu, alpha, fy, fu}) w(code++, x);
        w(std::int32_t(0), std::int32_t(1), std::int16_t(-1));
    });
}

MaterialRecord Material(const char* name, const char* type, const Bytes<94>& values) {
    MaterialRecord m;
    m.Name = name;
    m.TypeCode = type;
    m.ValueBlock1 = values;
    m.ValueBlock2 = Block<20>([](Writer& w) { w(std::int16_t(0), std::int16_t(1)); });
    return m;
}

FrameSectionRecord Section(const char* name, std::int32_t kind, double depth, double width) {
    FrameSectionRecord s;
    s.Name = FixedString<32>(name);
    s.Name2 = FixedString<32>(name);
    s.Values1 = {1, 0, 0, kind, 1};
    s.Code2 = FixedString<2>("I");
    s.Block1 = Block<192>([&](Writer& w) { w(depth, width, 0.5, width, 0.5, 0.0); });
    s.Factors = {1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0};
    s.Values4 = Block<12>([](Writer& w) { w(std::int32_t(0), std::int16_t(0), std::int16_t(-1), std::int32_t(0)); });
    return s;
}

// Material forms up to 8.1925. The trailer of forms B and C is dropped.
MaterialA MaterialAsA(const MaterialRecord& m) {
    return MaterialA{FixedString<8>(m.Name), FixedString<1>(m.TypeCode), m.ValueBlock1, m.CurveCount, m.Curves,
                     m.ValueBlock2};
}
const MaterialTrailer kMaterialTrailer{"Example", "", 1, "", ""};

void WriteMaterial(Writer& out, double v, const MaterialRecord& m) {
    if (v > 8.1925)
        out(m);
    else if (v > 8.075)
        out(MaterialC{m.Name, m.TypeCode, m.ValueBlock1, m.CurveCount, m.Curves, m.ValueBlock2, kMaterialTrailer});
    else if (v > 8.005)
        out(MaterialB{MaterialAsA(m), kMaterialTrailer});
    else
        out(MaterialAsA(m));
}

template <std::size_t N>
std::array<double, N> Fixed(const DynArray<double>& a) {
    std::array<double, N> f{};
    std::copy_n(a.items.begin(), N, f.begin());
    return f;
}

// "MT" up to 8.075: the arrays as fixed groups.
MTBlock MTAsBlock(const MTRecord& r) {
    return MTBlock{r.Value1, r.Value2, r.Value3, Fixed<3>(r.Array1), Fixed<3>(r.Array2), Fixed<15>(r.Array3),
                   Fixed<6>(r.Array4), Fixed<6>(r.Array5), r.Value4, r.Value5, Fixed<6>(r.Array6)};
}

// A section in one of the legacy forms S1 to S5, from the fields that form holds.
template <class S>
S SectionAs(const FrameSectionRecord& r) {
    S s;
    s.Name = r.Name;
    s.Text1 = r.Text1;
    s.Name2 = r.Name2;
    s.Code2 = r.Code2;
    s.Block1 = r.Block1;
    s.Values2 = r.Values2;
    s.Values3 = r.Values3;
    s.Values4 = r.Values4;
    if constexpr (requires(S& x) { x.Values1; }) {
        s.Values1 = r.Values1;
    } else {
        // S1: no AddedValue1, and kind codes above 10 one lower.
        const std::int32_t kind = r.Values1[FrameSectionRecord::kKindCode];
        s.Cell1 = r.Values1[0];
        s.Cell2 = r.Values1[1];
        s.KindCode = kind > 11 ? kind - 1 : kind;
        s.Cell5 = r.Values1[4];
    }
    if constexpr (requires(S& x) { x.Factors; }) s.Factors = r.Factors;
    if constexpr (requires(S& x) { x.Code3; }) s.Code3 = r.Code3;
    if constexpr (requires(S& x) { x.Text2; }) {
        s.Text2 = r.Text2;
        s.Value5 = r.Value5;
        s.Text3 = r.Text3;
    }
    if constexpr (requires(S& x) { x.Trailer; }) s.Trailer = SectionTrailer{"Example", "", 1, ""};
    return s;
}

void WriteSection(Writer& out, double v, const FrameSectionRecord& r) {
    if (v > 9.005)
        out(r);
    else if (v > 8.1925)
        out(SectionAs<SectionS5>(r));
    else if (v > 8.055)
        out(SectionAs<SectionS4>(r));
    else if (v > 8.005)
        out(SectionAs<SectionS3>(r));
    else if (v > 7.255)
        out(SectionAs<SectionS2>(r));
    else
        out(SectionAs<SectionS1>(r));
}

}  // namespace

void WriteExampleMaterials(Writer& out, double v) {
    MaterialRecord conc = Material("CONC", "C", MaterialValues(2.4e-4, 0.0868, 3604.0, 0.2, 5.5e-6, 60.0, 4.0));
    MaterialCurve curve;
    curve.PointCount = 3;
    curve.X = OneBased<double>({0.0, 0.002, 0.0035});
    curve.Y = OneBased<double>({0.0, 4.0, 3.4});
    conc.CurveCount = 1;
    conc.Curves = DynArray<MaterialCurve>::Sized(1, 1);
    conc.Curves.items[0] = curve;
    MaterialRecord steel = Material("STEEL", "S", MaterialValues(7.3e-4, 0.2836, 29000.0, 0.3, 6.5e-6, 50.0, 65.0));
    steel.Curves = DynArray<MaterialCurve>::Sized(1, 0);
    out(std::int32_t(2));
    WriteMaterial(out, v, conc);
    WriteMaterial(out, v, steel);

    MTRecord mt;
    mt.Value1 = 1;
    mt.Array1 = OneBased<double>({1.0, 0.0, 0.0});
    mt.Array2 = OneBased<double>({0.0, 1.0, 0.0});
    mt.Array3 = OneBased<double>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
    mt.Array4 = OneBased<double>({0.1, 0.2, 0.3, 0.4, 0.5, 0.6});
    mt.Array5 = OneBased<double>({1, 1, 1, 1, 1, 1});
    mt.Value4 = 2;
    mt.Array6 = OneBased<double>({0, 0, 0, 0, 0, 0.25});
    out(std::int32_t(1));
    if (v > 8.075)
        out(mt);
    else
        out(MTAsBlock(mt));

    FrameSectionRecord w12 = Section("W12X26", 1, 12.22, 6.49);
    w12.Text1 = "STEEL";
    w12.Text2 = "AISC";
    FrameSectionRecord c24 = Section("C24X24", 8, 24.0, 24.0);
    c24.Text1 = "CONC";
    c24.Code2 = FixedString<2>("R");
    c24.Factors[0] = 0.7;
    out(std::int32_t(2));
    WriteSection(out, v, w12);
    WriteSection(out, v, c24);

    AutoSelectRecord autoSel;
    autoSel.Data = Block<8>([](Writer& w) { w(std::int32_t(1), std::int32_t(2)); });
    out(std::int32_t(1), autoSel);

    VSRecord vs;
    vs.Data = Block<32>([](Writer& w) { w(1.0, 0.5, 0.25, 0.125); });
    out(std::int32_t(1), vs);

    RebarRecord r4{"#4", 4, Block<16>([](Writer& w) { w(0.2, 0.5); })};
    RebarRecord r5{"#5", 5, Block<16>([](Writer& w) { w(0.31, 0.625); })};
    out(std::int32_t(2), r4, r5);

    CPRecord cp;
    cp.Value1 = 2;
    cp.Word1 = -1;
    for (std::size_t i = 0; i < cp.Values.size(); ++i) cp.Values[i] = std::int32_t(100 + i);
    cp.Value2 = 7;
    out(std::int32_t(1));
    if (v > 9.085) {
        out(cp);
    } else {
        CPRecordA a{cp.Value1, cp.Word1, {}, cp.Word2, cp.Value2};  // 21 values
        std::copy_n(cp.Values.begin(), a.Values.size(), a.Values.begin());
        out(a);
    }
}

void WriteExamplePierJoist(Writer& out, double v) {
    PierSectionRecord pier;
    pier.Name = "P1";
    pier.Block1 = Block<22>([](Writer& w) { w(12.0, 144.0, std::int32_t(1), std::int16_t(-1)); });
    pier.Block2 = Block<36>([](Writer& w) { w(2.0, 2.0, 0.0, 0.0, std::int32_t(3)); });
    out(std::int32_t(1), pier);
    if (v <= 7.995) return;  // no joist table yet

    JoistRecord joist;
    joist.Name = "18K3";
    joist.Block1 = Block<40>([](Writer& w) { w(18.0, 6.6, 0.0, 0.0, 40.0); });
    joist.Text1 = "K";
    joist.SegmentCount = 2;
    joist.Block2 = Block<40>([](Writer& w) { w(1.0, 1.0, 0.5, 0.5, 0.0); });
    joist.Segments = DynArray<JoistSegment>::Sized(1, 2);
    joist.Segments.items[0] = Block<32>([](Writer& w) { w(0.0, 0.5, 1.0, 1.0); });
    joist.Segments.items[1] = Block<32>([](Writer& w) { w(0.5, 1.0, 1.0, 1.0); });
    joist.Value1 = 1;
    out(std::int32_t(1), joist);
}

}  // namespace kmd::example
