#include "tools/example_sd_shell.h"

#include <cstring>

#include "legacy/sd_sections.h"
#include "model/shell_props.h"

namespace kmd::example {

namespace {

template <class T>
DynArray<T> OneBased(std::initializer_list<T> values) {
    DynArray<T> a = DynArray<T>::Sized(1, std::int64_t(values.size()));
    std::copy(values.begin(), values.end(), a.items.begin());
    return a;
}

SdFlags Flags(std::int16_t a, std::int16_t b, std::int16_t c, std::int16_t d) { return OneBased({a, b, c, d}); }

DynArray<double> Matrix(double diagonal) {
    DynArray<double> m;
    m.dims = {{3, 1}, {3, 1}};
    m.items = {diagonal, 0, 0, 0, diagonal, 0, 0, 0, diagonal};
    return m;
}

template <std::size_t N>
void PutI32(Bytes<N>& b, std::size_t at, std::int32_t v) { std::memcpy(b.data() + at, &v, 4); }

// A rectangular concrete section: one solid shape, one reinforcing layout on a
// four-point outline, and one outline item linked to it.
SDSectionD3 ExampleSection() {
    SDSectionD3 s;
    s.Name = "SD-RECT1";
    s.SdCode1 = 1;
    s.SdValue1 = 2;

    SdItemA a;
    a.Name = "Concrete";
    a.Word1 = 1;
    a.Block1.fill(0x11);
    a.Words = {1, 0, -1};
    a.FlagsA1 = Flags(-1, -1, 0, -1);
    a.FlagsA2 = Flags(-1, -1, -1, -1);
    s.CountA = 1;
    s.ItemsA = OneBased({a});

    SdItemB b;
    b.Name = "Bars";
    b.RefsB = OneBased<std::int32_t>({1, 1});
    b.Block1.fill(0x22);
    b.MatrixB = Matrix(1.0);
    b.Words = {0, 0, 1};
    b.FlagsB1 = Flags(-1, 0, 0, -1);
    b.FlagsB2 = Flags(-1, -1, -1, -1);
    s.CountB = 1;
    s.ItemsB = OneBased({b});

    SdItemC c;
    c.Name = "Outline";
    c.PointCountC = 4;
    c.IntsC1 = OneBased<std::int32_t>({1, 2, 3, 4});
    c.RealsC1 = OneBased<double>({0.0, 12.0, 12.0, 0.0});
    c.Block1.fill(0x33);
    c.RealsC2 = OneBased<double>({1.0, 2.0, 3.0, 0.0});
    c.MatrixC = Matrix(2.0);
    c.IntsC2 = OneBased<std::int32_t>({0, 0, 1, 1});
    c.FlagsC1 = Flags(-1, -1, -1, -1);
    c.FlagsC2 = Flags(0, 0, 0, 0);
    s.CountC = 1;
    s.ItemsC = OneBased({c});

    SdItemD d;
    d.RefC = 1;
    d.KindD = kSdKindLinkedToC;
    d.PointCountD = 4;
    d.PointsD1 = OneBased<double>({0.0, 0.0, 24.0, 24.0});
    d.PointsD2 = OneBased<std::int32_t>({1, 2, 3, 4});
    d.PointsD3 = OneBased<std::int32_t>({0, 0, 0, 0});
    d.PointsD4 = OneBased<double>({0.5, 0.5, 0.5, 0.5});
    d.DataBlock.fill(0x44);
    s.CountD = 1;
    s.ItemsD = OneBased({d});

    s.SdBlock.fill(0x55);
    s.SdCode3 = -1;
    s.RealCount = 3;
    s.SdReals = OneBased<double>({1.5, 2.5, 3.5});

    SdItemE3 e;
    e.Head.fill(0x66);
    for (auto& r : e.Reals) r = OneBased<double>({0.25});
    s.CountE = 1;
    s.ItemsE = OneBased({e});
    s.SdCode9 = 1;
    return s;
}

ShellSectionRecord ExampleShell(const char* name, std::int32_t thickness) {
    ShellSectionRecord r;
    r.Name = name;
    PutI32(r.ShBlock1, 0, thickness);
    r.ShCode1 = 1;
    r.ShValue1 = 1;
    r.ShFactors.fill(1.0);
    r.ShFactors[6] = 0.7;
    r.ShCode2 = -1;
    return r;
}

}  // namespace

void WriteExampleSDSections(Writer& out) {
    out.I32(1);
    out(ExampleSection());
}

void WriteExampleShellProps(Writer& out) {
    out.I32(2);
    out(ExampleShell("SLAB8", 8), ExampleShell("WALL12", 12));

    DeckRecord deck;
    deck.Name = "DECK1";
    deck.DeckText = "Metal deck 3 in";
    deck.DValue1 = 1;
    deck.DCode1 = 2;
    PutI32(deck.DBlock, 0, 3);
    out.I32(1);
    out(deck);

    LinkPropertyRecord link;
    link.Name = "GAP1";
    link.LpValue1 = 1;
    link.LpReals1 = {1.0, 0.0, 0.0};
    link.LpReals2.fill(100.0);
    link.LpReals6 = {0.1, 0.2, 0.3, 0.4};
    link.LpFlags1 = {-1, 0, 0, 0, 0, 0};
    link.LpInts1 = {1, 0, 0, 0, 0, 0};
    link.LpReals7.fill(0.05);
    out.I32(1);
    out(link);
}

}  // namespace kmd::example
