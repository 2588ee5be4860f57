#include "tools/example_sd_shell.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

#include "legacy/sd_sections.h"
#include "legacy/shell_props.h"
#include "model/shell_props.h"

namespace kmd::example {

namespace {

SdFlags Flags(std::int16_t a, std::int16_t b, std::int16_t c, std::int16_t d) { return OneBased({a, b, c, d}); }

DynArray<double> Matrix(double diagonal) {
    DynArray<double> m;
    m.dims = {{3, 1}, {3, 1}};
    m.items = {diagonal, 0, 0, 0, diagonal, 0, 0, 0, diagonal};
    return m;
}

template <std::size_t N>
void PutI32(Bytes<N>& b, std::size_t at, std::int32_t v) { std::memcpy(b.data() + at, &v, 4); }

SdItemA ItemA() {
    SdItemA a;
    a.Name = "Concrete";
    a.Word1 = 1;
    a.Block1.fill(0x11);
    a.Words = {1, 0, -1};
    a.FlagsA1 = Flags(-1, -1, 0, -1);
    a.FlagsA2 = Flags(-1, -1, -1, -1);
    return a;
}

SdItemB ItemB() {
    SdItemB b;
    b.Name = "Bars";
    b.RefsB = OneBased<std::int32_t>({1, 1});
    b.Block1.fill(0x22);
    b.MatrixB = Matrix(1.0);
    b.Words = {0, 0, 1};
    b.FlagsB1 = Flags(-1, 0, 0, -1);
    b.FlagsB2 = Flags(-1, -1, -1, -1);
    return b;
}

SdItemC ItemC() {
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
    return c;
}

SdItemD ItemD() {
    SdItemD d;
    d.RefC = 1;
    d.KindD = kSdKindLinkedToC;
    d.PointCountD = 4;
    d.PointsD1 = OneBased<double>({0.0, 0.0, 24.0, 24.0});
    d.PointsD2 = OneBased<std::int32_t>({1, 2, 3, 4});
    d.PointsD3 = OneBased<std::int32_t>({0, 0, 0, 0});
    d.PointsD4 = OneBased<double>({0.5, 0.5, 0.5, 0.5});
    d.DataBlock.fill(0x44);
    return d;
}

SdItemE3 ItemE() {
    SdItemE3 e;
    e.Head.fill(0x66);
    for (auto& r : e.Reals) r = OneBased<double>({0.25});
    return e;
}

// The items in the other layouts' forms: the older items name in 8 characters,
// hold their matrices and some arrays as fixed groups, and lack the flags.
template <class T>
void Recast(const T& from, T& to) { to = from; }

void Recast(const SdItemA& a, SdItemA1& r) {
    r.Name = FixedString<8>(a.Name);
    r.Word1 = a.Word1;
    r.Block1 = a.Block1;
    r.Words = a.Words;
}

void Recast(const SdItemB& b, SdItemB1& r) {
    r.Name = FixedString<8>(b.Name);
    std::copy_n(b.RefsB.items.begin(), 2, r.Refs.begin());
    r.Block1 = b.Block1;
    std::copy_n(b.MatrixB.items.begin(), 9, r.Matrix.begin());
    r.Word1 = b.Word1;
    r.Words = b.Words;
}

void Recast(const SdItemC& c, SdItemC1& r) {
    r.Name = FixedString<8>(c.Name);
    r.PointCount = c.PointCountC;
    r.Ints1 = c.IntsC1;
    r.Reals1 = c.RealsC1;
    r.Block1 = c.Block1;
    r.Block2 = c.Block2;
    std::copy_n(c.RealsC2.items.begin(), 4, r.Reals2.begin());
    std::copy_n(c.MatrixC.items.begin(), 9, r.Matrix.begin());
    r.Words = c.Words;
    r.Block3 = c.Block3;
    r.Ints2 = c.IntsC2;
}

void Recast(const SdItemD& d, SdItemD2& r) {
    r.Head1 = d.Head1;
    r.RefC = d.RefC;
    r.Head2 = d.Head2;
    r.KindD = d.KindD;
    r.Head3 = d.Head3;
    r.Group1 = d.Group1;
    r.PointCountD = d.PointCountD;
    r.PointsD1 = d.PointsD1;
    r.PointsD2 = d.PointsD2;
    r.PointsD3 = d.PointsD3;
    r.PointsD4 = d.PointsD4;
    r.Words = d.Words;
    r.Block1 = d.Block1;
    std::copy_n(d.DataBlock.begin(), r.DataBlock.size(), r.DataBlock.begin());
}

// Above 9.525 item E holds a fifth real array.
void Recast(const SdItemE3& e, SdItemE& r) {
    r.Head = e.Head;
    std::copy(e.Reals.begin(), e.Reals.end(), r.Reals.begin());
    r.Reals[4] = OneBased<double>({0.5});
}

template <class Array>
using ItemOf = typename decltype(Array::items)::value_type;

template <class To, class From>
DynArray<To> OneItem(const From& item) {
    To to;
    Recast(item, to);
    return OneBased({to});
}

// A rectangular concrete section: one solid shape, one reinforcing layout on a
// four-point outline, and one outline item linked to it; `Sd` is the record of
// the file's layout.
template <class Sd>
Sd ExampleSection() {
    Sd s;
    s.Name = "SD-RECT1";
    s.SdCode1 = 1;
    s.SdValue1 = 2;
    s.CountA = 1;
    s.ItemsA = OneItem<ItemOf<decltype(s.ItemsA)>>(ItemA());
    s.CountB = 1;
    s.ItemsB = OneItem<ItemOf<decltype(s.ItemsB)>>(ItemB());
    s.CountC = 1;
    s.ItemsC = OneItem<ItemOf<decltype(s.ItemsC)>>(ItemC());
    s.CountD = 1;
    s.ItemsD = OneItem<ItemOf<decltype(s.ItemsD)>>(ItemD());
    s.SdBlock.fill(0x55);
    s.SdCode3 = -1;
    s.RealCount = 3;
    s.SdReals = OneBased<double>({1.5, 2.5, 3.5});
    s.CountE = 1;
    s.ItemsE = OneItem<ItemOf<decltype(s.ItemsE)>>(ItemE());
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

void WriteExampleSDSections(Writer& out, double v) {
    out.I32(1);
    if (v > 9.525)
        out(ExampleSection<SDSectionRecord>());
    else if (v > 8.405)
        out(ExampleSection<SDSectionD3>());
    else if (v > 8.075)
        out(ExampleSection<SDSectionD2>());
    else
        out(ExampleSection<SDSectionD1>());
}

void WriteExampleShellProps(Writer& out, double v) {
    const ShellSectionRecord shells[] = {ExampleShell("SLAB8", 8), ExampleShell("WALL12", 12)};
    out.I32(2);
    for (const ShellSectionRecord& r : shells) {
        if (v > 8.005)
            out(r);
        else if (v > 7.255)  // no factors
            out(ShellSectionSS2{r.Name, r.ShBlock1, r.ShCode1, r.ShValue1, r.ShValue2, r.ShCode2, r.ShCode3,
                                r.ShValue3});
        else  // nor ShCode1
            out(ShellSectionSS1{r.Name, r.ShBlock1, r.ShValue1, r.ShValue2, r.ShCode2, r.ShCode3, r.ShValue3});
    }

    DeckRecord deck;
    deck.Name = "DECK1";
    deck.DeckText = "Metal deck 3 in";
    deck.DValue1 = 1;
    deck.DCode1 = 2;
    PutI32(deck.DBlock, 0, 3);
    out.I32(1);
    if (v > 9.145)
        out(deck);
    else
        out(DeckRecordA{deck.Name, deck.DValue1, deck.DCode1, deck.DBlock});

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
