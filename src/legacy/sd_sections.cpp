#include "legacy/sd_sections.h"

#include <algorithm>
#include <utility>

namespace kmd {

namespace {

std::string Num(std::int64_t v) { return std::to_string(v); }

SdFlags AllTrue() {
    SdFlags f = SdFlags::Sized(1, 4);
    std::fill(f.items.begin(), f.items.end(), std::int16_t(-1));
    return f;
}

// A (1..3, 1..3) matrix from nine reals held by columns.
DynArray<double> Matrix3x3(const std::array<double, 9>& byColumns) {
    DynArray<double> m;
    m.dims = {{3, 1}, {3, 1}};
    m.items.assign(byColumns.begin(), byColumns.end());
    return m;
}

// The (1..3, 1..3) part of a matrix with wider bounds; a matrix that lacks it
// is left for the record check.
void CutToSdMatrix(DynArray<double>& m) {
    if (m.dims.size() != 2 || IsSdMatrix(m)) return;
    for (const ArrayDim& d : m.dims)
        if (d.lower > 1 || std::int64_t(d.lower) + d.count - 1 < 3) return;
    std::array<double, 9> byColumns{};
    for (std::int64_t j = 1; j <= 3; ++j)
        for (std::int64_t i = 1; i <= 3; ++i)
            byColumns[std::size_t(i - 1 + 3 * (j - 1))] =
                m.items[std::size_t((i - m.dims[0].lower) + (j - m.dims[1].lower) * std::int64_t(m.dims[0].count))];
    m = Matrix3x3(byColumns);
}

void CutMatrices(DynArray<SdItemB>& itemsB, DynArray<SdItemC>& itemsC) {
    for (SdItemB& b : itemsB.items) CutToSdMatrix(b.MatrixB);
    for (SdItemC& c : itemsC.items) CutToSdMatrix(c.MatrixC);
}

// Elements 1..n taken by subscript from a legacy array (n > 0).
template <class T>
DynArray<T> TakeOneBased(const DynArray<T>& held, std::int32_t n, const char* what) {
    if (!held.Holds(1, n)) throw SDSectionCorrupt(std::string(what) + " lacks elements 1 to " + Num(n));
    DynArray<T> a = DynArray<T>::Sized(1, n);
    std::copy_n(held.Find(1), std::size_t(n), a.items.begin());
    return a;
}

SdItemA ImportSdItemA1(const SdItemA1& l) {
    SdItemA r;
    r.Name = Trimmed(l.Name);
    r.Word1 = l.Word1;
    r.Block1 = l.Block1;
    r.Words = l.Words;
    r.FlagsA1 = AllTrue();
    r.FlagsA2 = AllTrue();
    return r;
}

SdItemB ImportSdItemB1(const SdItemB1& l) {
    SdItemB r;
    r.Name = Trimmed(l.Name);
    r.RefsB = DynArray<std::int32_t>::Sized(1, 2);
    r.RefsB.items = {l.Refs[0], l.Refs[1]};
    r.Block1 = l.Block1;
    r.MatrixB = Matrix3x3(l.Matrix);
    r.Word1 = l.Word1;
    r.Words = l.Words;
    r.FlagsB1 = AllTrue();
    r.FlagsB2 = AllTrue();
    return r;
}

SdItemC ImportSdItemC1(SdItemC1&& l) {
    SdItemC r;
    r.Name = Trimmed(l.Name);
    r.PointCountC = l.PointCount;
    if (r.PointCountC > 0) {
        r.IntsC1 = TakeOneBased(l.Ints1, r.PointCountC, "the first integer array");
        r.RealsC1 = TakeOneBased(l.Reals1, r.PointCountC, "the first real array");
    }
    r.Block1 = l.Block1;
    r.Block2 = l.Block2;
    r.RealsC2 = DynArray<double>::Sized(1, 4);
    r.RealsC2.items = {l.Reals2[0], l.Reals2[1], l.Reals2[2], 0.0};
    r.MatrixC = Matrix3x3(l.Matrix);
    r.Words = l.Words;
    r.Block3 = l.Block3;
    r.IntsC2 = std::move(l.Ints2);
    r.FlagsC1 = AllTrue();
    r.FlagsC2 = AllTrue();
    return r;
}

SdItemD ImportSdItemD2(SdItemD2&& l) {
    SdItemD r;
    r.Head1 = l.Head1;
    r.RefC = l.RefC;
    r.Head2 = l.Head2;
    r.KindD = l.KindD;
    r.Head3 = l.Head3;
    r.Group1 = l.Group1;
    r.PointCountD = l.PointCountD;
    r.PointsD1 = std::move(l.PointsD1);
    r.PointsD2 = std::move(l.PointsD2);
    r.PointsD3 = std::move(l.PointsD3);
    r.PointsD4 = std::move(l.PointsD4);
    r.Words = l.Words;
    r.Block1 = l.Block1;
    r.DataBlock = WidenSdBlock(l.DataBlock);
    return r;
}

// Every element converted, bounds kept.
template <class Item, class Legacy, class Fn>
DynArray<Item> ConvertAll(DynArray<Legacy>&& held, Fn convert) {
    DynArray<Item> a;
    a.dims = std::move(held.dims);
    ChargeMemory(held.items.size() * sizeof(Item));
    a.items.reserve(held.items.size());
    for (auto& e : held.items) a.items.push_back(convert(std::move(e)));
    return a;
}

// Only items 1..count are converted; the result has bounds 1..count. A negative
// count converts nothing (the record check rejects it).
template <class Item, class Legacy, class Fn>
DynArray<Item> ConvertCounted(DynArray<Legacy>&& held, std::int32_t count, const char* what, Fn convert) {
    DynArray<Item> a;
    if (count <= 0) return a;
    if (!held.Holds(1, count)) throw SDSectionCorrupt(std::string(what) + " lacks items 1 to " + Num(count));
    a = DynArray<Item>::Sized(1, count);
    for (std::int32_t k = 1; k <= count; ++k) a.items[std::size_t(k - 1)] = convert(std::move(*held.Find(k)));
    return a;
}

// The fields every legacy form shares with the current record.
template <class Legacy>
SDSectionRecord CopyShared(Legacy& s) {
    SDSectionRecord r;
    r.Name = std::move(s.Name);
    r.SdCode1 = s.SdCode1;
    r.SdValue1 = s.SdValue1;
    r.SdValue2 = s.SdValue2;
    r.CountA = s.CountA;
    r.CountB = s.CountB;
    r.CountC = s.CountC;
    r.CountD = s.CountD;
    r.SdValues3 = s.SdValues3;
    r.SdCode2 = 0;
    r.SdValue4 = s.SdValue4;
    r.SdCode3 = s.SdCode3;
    r.SdCode4 = s.SdCode4;
    r.SdCode5 = s.SdCode5;
    r.SdValues5 = s.SdValues5;
    r.RealCount = s.RealCount;
    r.SdReals = std::move(s.SdReals);
    r.SdCode6 = s.SdCode6;
    r.SdCode7 = s.SdCode7;
    r.SdCode8 = s.SdCode8;
    r.SdValue6 = s.SdValue6;
    r.SdValue7 = s.SdValue7;
    r.SdValue8 = s.SdValue8;
    r.CountE = s.CountE;
    r.SdCode9 = 0;
    return r;
}

template <class T>
void ResizeKeeping(DynArray<T>& a, std::int32_t n) {
    DynArray<T> b = DynArray<T>::Sized(1, n);
    for (std::int32_t k = 1; k <= n; ++k)
        if (const T* e = a.Find(k)) b.items[std::size_t(k - 1)] = *e;
    a = std::move(b);
}

}  // namespace

Bytes<192> WidenSdBlock(const Bytes<176>& b) {
    Bytes<192> w{};
    std::copy(b.begin(), b.end(), w.begin());
    std::copy_n(b.begin(), 8, w.begin() + 176);
    std::copy_n(b.begin(), 8, w.begin() + 184);
    return w;
}

SDSectionRecord ImportSDSectionD3(SDSectionD3&& s) {
    SDSectionRecord r = CopyShared(s);
    r.ItemsA = std::move(s.ItemsA);
    r.ItemsB = std::move(s.ItemsB);
    r.ItemsC = std::move(s.ItemsC);
    r.ItemsD = std::move(s.ItemsD);
    r.SdBlock = s.SdBlock;
    CutMatrices(r.ItemsB, r.ItemsC);
    return r;
}

SDSectionRecord ImportSDSectionD2(SDSectionD2&& s) {
    SDSectionRecord r = CopyShared(s);
    r.ItemsA = std::move(s.ItemsA);
    r.ItemsB = std::move(s.ItemsB);
    r.ItemsC = std::move(s.ItemsC);
    r.ItemsD = ConvertAll<SdItemD>(std::move(s.ItemsD), ImportSdItemD2);
    r.SdBlock = WidenSdBlock(s.SdBlock);
    CutMatrices(r.ItemsB, r.ItemsC);
    return r;
}

SDSectionRecord ImportSDSectionD1(SDSectionD1&& s) {
    SDSectionRecord r = CopyShared(s);
    r.ItemsA = ConvertCounted<SdItemA>(std::move(s.ItemsA), s.CountA, "ItemsA", ImportSdItemA1);
    r.ItemsB = ConvertCounted<SdItemB>(std::move(s.ItemsB), s.CountB, "ItemsB", ImportSdItemB1);
    r.ItemsC = ConvertCounted<SdItemC>(std::move(s.ItemsC), s.CountC, "ItemsC",
                                       [](SdItemC1&& c) { return ImportSdItemC1(std::move(c)); });
    r.ItemsD = ConvertAll<SdItemD>(std::move(s.ItemsD), ImportSdItemD2);
    r.SdBlock = WidenSdBlock(s.SdBlock);
    return r;
}

void RepairSDSection(SDSectionRecord& r, std::int64_t maxPoints) {
    for (std::int64_t i = 1; i <= r.CountD; ++i) {
        SdItemD* d = r.ItemsD.Find(i);
        if (!d) throw SDSectionCorrupt("ItemsD lacks item " + Num(i) + " of " + Num(r.CountD));
        if (d->KindD != kSdKindLinkedToC) continue;
        const SdItemC* c = r.ItemsC.Find(d->RefC);
        if (!c)
            throw SDSectionCorrupt("ItemsD item " + Num(i) + " refers to ItemsC entry " + Num(d->RefC) +
                                   ", which the array does not hold");
        const std::int32_t n = c->PointCountC;
        if (d->PointCountD == n) continue;
        if (n < 0 || n > maxPoints)
            throw SDSectionCorrupt("ItemsD item " + Num(i) + " takes the impossible point count " + Num(n) +
                                   " from ItemsC entry " + Num(d->RefC));
        d->PointCountD = n;
        ResizeKeeping(d->PointsD1, n);
        ResizeKeeping(d->PointsD2, n);
        ResizeKeeping(d->PointsD3, n);
        ResizeKeeping(d->PointsD4, n);
    }
}

}  // namespace kmd
