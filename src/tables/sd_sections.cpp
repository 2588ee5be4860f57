#include "tables/sd_sections.h"

#include <algorithm>
#include <limits>
#include <string>

#include "legacy/sd_sections.h"

namespace kmd {

namespace {

constexpr const char* kTable = "SDSection";

std::string Num(std::int64_t v) { return std::to_string(v); }

// ---------------------------------------------------------------------------
// 3 x 3 matrices, held 2-dimensional with the first subscript varying fastest.

// Holds every subscript (1..3, 1..3), whatever its bounds.
bool HoldsMatrix3x3(const DynArray<double>& m) {
    if (m.dims.size() != 2) return false;
    for (const ArrayDim& d : m.dims)
        if (d.lower > 1 || std::int64_t(d.lower) + d.count - 1 < 3) return false;
    return true;
}

// Exactly bounds (1..3, 1..3).
bool IsMatrix3x3(const DynArray<double>& m) {
    const ArrayDim d{3, 1};
    return m.dims.size() == 2 && m.dims[0] == d && m.dims[1] == d;
}

double MatrixValue(const DynArray<double>& m, std::int64_t i, std::int64_t j) {
    std::int64_t k = (i - m.dims[0].lower) + (j - m.dims[1].lower) * std::int64_t(m.dims[0].count);
    return m.items[std::size_t(k)];
}

// Upper bound of the rebuilt SdReals: RealCount, or less when the stored array ends earlier.
std::int64_t SdRealsUpper(const SDSectionRecord& r) {
    std::int64_t stored = r.SdReals.HasStorage() ? r.SdReals.Upper() : 0;
    return std::min<std::int64_t>(r.RealCount, stored);
}

// ---------------------------------------------------------------------------
// Checks after reading: everything the writer takes must be there.

class SdRecordCheck {
public:
    explicit SdRecordCheck(bool exactMatrices) : exactMatrices_(exactMatrices) {}

    void Check(const SDSectionRecord& r) {
        Items(r.ItemsA, r.CountA, "ItemsA", [&](const SdItemA& a) {
            Flags(a.FlagsA1, "FlagsA1");
            Flags(a.FlagsA2, "FlagsA2");
        });
        Items(r.ItemsB, r.CountB, "ItemsB", [&](const SdItemB& b) {
            Elements(b.RefsB, 2, "RefsB");
            Matrix(b.MatrixB, "MatrixB");
            Flags(b.FlagsB1, "FlagsB1");
            Flags(b.FlagsB2, "FlagsB2");
        });
        Items(r.ItemsC, r.CountC, "ItemsC", [&](const SdItemC& c) {
            Elements(c.IntsC1, c.PointCountC, "IntsC1");
            Elements(c.RealsC1, c.PointCountC, "RealsC1");
            Elements(c.RealsC2, 4, "RealsC2");
            Matrix(c.MatrixC, "MatrixC");
            Elements(c.IntsC2, c.PointCountC, "IntsC2");
            Flags(c.FlagsC1, "FlagsC1");
            Flags(c.FlagsC2, "FlagsC2");
        });
        Items(r.ItemsD, r.CountD, "ItemsD", [&](const SdItemD& d) {
            Elements(d.PointsD1, d.PointCountD, "PointsD1");
            Elements(d.PointsD2, d.PointCountD, "PointsD2");
            Elements(d.PointsD3, d.PointCountD, "PointsD3");
            Elements(d.PointsD4, d.PointCountD, "PointsD4");
        });
        list_ = nullptr;
        Elements(r.SdReals, SdRealsUpper(r), "SdReals");
    }

private:
    template <class T, class Fn>
    void Items(const DynArray<T>& items, std::int32_t count, const char* list, Fn checkItem) {
        list_ = nullptr;
        Elements(items, count, list);
        list_ = list;
        for (item_ = 1; item_ <= count; ++item_) checkItem(*items.Find(item_));
    }

    template <class T>
    void Elements(const DynArray<T>& a, std::int64_t n, const char* field) {
        if (n < 0) Fail(field, " has the negative element count " + Num(n));
        if (!a.Holds(1, n)) Fail(field, " lacks elements 1 to " + Num(n));
    }
    void Flags(const SdFlags& f, const char* field) { Elements(f, 4, field); }
    void Matrix(const DynArray<double>& m, const char* field) {
        if (exactMatrices_ ? !IsMatrix3x3(m) : !HoldsMatrix3x3(m))
            Fail(field, exactMatrices_ ? " is not a matrix with bounds (1 to 3, 1 to 3)"
                                       : " lacks elements (1 to 3, 1 to 3)");
    }

    [[noreturn]] void Fail(const char* field, const std::string& what) const {
        std::string where = list_ ? std::string(list_) + " item " + Num(item_) + ": " : std::string();
        throw SDSectionCorrupt(where + field + what);
    }

    bool exactMatrices_;
    const char* list_ = nullptr;
    std::int64_t item_ = 0;
};

SDSectionRecord ReadLegacyRecord(Reader& in, double v) {
    if (v > 8.405) {
        SDSectionD3 s;
        in(s);
        return ImportSDSectionD3(std::move(s));
    }
    if (v > 8.075) {
        SDSectionD2 s;
        in(s);
        return ImportSDSectionD2(std::move(s));
    }
    SDSectionD1 s;
    in(s);
    return ImportSDSectionD1(std::move(s));
}

std::size_t MinRecordSize(double v) {
    if (v > 9.525) return MinEncodedSize<SDSectionRecord>();
    if (v > 8.405) return MinEncodedSize<SDSectionD3>();
    if (v > 8.075) return MinEncodedSize<SDSectionD2>();
    return MinEncodedSize<SDSectionD1>();
}

// ---------------------------------------------------------------------------
// Current layout: every item array and every array inside an item rebuilt with
// bounds 0 to its count; the matrices written row after row as 0..9.

void WriteMatrix0(Writer& out, const DynArray<double>& m, const char* what) {
    if (!HoldsMatrix3x3(m)) out.Fail(std::string(what) + " lacks elements (1 to 3, 1 to 3)");
    out.ArrayHeader0(9);
    out.F64(0.0);
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j) out.F64(MatrixValue(m, i, j));
}

void ExportSdItemA(Writer& out, const SdItemA& a) {
    out(a.Name, a.Word1, a.Block1, a.Words);
    WriteRebuilt0(out, a.FlagsA1, 4, "FlagsA1");
    WriteRebuilt0(out, a.FlagsA2, 4, "FlagsA2");
}

void ExportSdItemB(Writer& out, const SdItemB& b) {
    out(b.Name);
    WriteRebuilt0(out, b.RefsB, 2, "RefsB");
    out(b.Block1);
    WriteMatrix0(out, b.MatrixB, "MatrixB");
    out(b.Word1, b.Words);
    WriteRebuilt0(out, b.FlagsB1, 4, "FlagsB1");
    WriteRebuilt0(out, b.FlagsB2, 4, "FlagsB2");
}

void ExportSdItemC(Writer& out, const SdItemC& c) {
    out(c.Name, c.PointCountC);
    WriteRebuilt0(out, c.IntsC1, c.PointCountC, "IntsC1");
    WriteRebuilt0(out, c.RealsC1, c.PointCountC, "RealsC1");
    out(c.Block1, c.Block2);
    WriteRebuilt0(out, c.RealsC2, 4, "RealsC2");
    WriteMatrix0(out, c.MatrixC, "MatrixC");
    out(c.Words, c.Block3);
    WriteRebuilt0(out, c.IntsC2, c.PointCountC, "IntsC2");
    WriteRebuilt0(out, c.FlagsC1, 4, "FlagsC1");
    WriteRebuilt0(out, c.FlagsC2, 4, "FlagsC2");
}

void ExportSdItemD(Writer& out, const SdItemD& d) {
    out(d.Head1, d.RefC, d.Head2, d.KindD, d.Head3, d.Group1, d.PointCountD);
    WriteRebuilt0(out, d.PointsD1, d.PointCountD, "PointsD1");
    WriteRebuilt0(out, d.PointsD2, d.PointCountD, "PointsD2");
    WriteRebuilt0(out, d.PointsD3, d.PointCountD, "PointsD3");
    WriteRebuilt0(out, d.PointsD4, d.PointCountD, "PointsD4");
    out(d.Words, d.Block1, d.DataBlock);
}

// Bounds 0..count; element 0 is an empty item written as it is, not exported.
template <class T>
void WriteItems0(Writer& out, const DynArray<T>& held, std::int32_t count, const char* what,
                 void (*exportItem)(Writer&, const T&)) {
    if (count < 0) out.Fail(std::string(what) + ": negative item count " + Num(count));
    if (!held.Holds(1, count)) out.Fail(std::string(what) + ": the stored array lacks items 1 to " + Num(count));
    out.ArrayHeader0(std::uint64_t(count));
    out(T{});
    for (std::int32_t k = 1; k <= count; ++k) exportItem(out, *held.Find(k));
}

void ExportSDSection(Writer& out, const SDSectionRecord& r) {
    out(r.Name, r.SdCode1, r.SdValue1, r.SdValue2);
    out(r.CountA);
    WriteItems0(out, r.ItemsA, r.CountA, "ItemsA", ExportSdItemA);
    out(r.CountB);
    WriteItems0(out, r.ItemsB, r.CountB, "ItemsB", ExportSdItemB);
    out(r.CountC);
    WriteItems0(out, r.ItemsC, r.CountC, "ItemsC", ExportSdItemC);
    out(r.CountD);
    WriteItems0(out, r.ItemsD, r.CountD, "ItemsD", ExportSdItemD);
    out(r.SdValues3, r.SdBlock, r.SdCode2, r.SdValue4, r.SdCode3, r.SdCode4, r.SdCode5, r.SdValues5, r.RealCount);
    WriteRebuilt0(out, r.SdReals, SdRealsUpper(r), "SdReals");
    out(r.SdCode6, r.SdCode7, r.SdCode8, r.SdValue6, r.SdValue7, r.SdValue8, r.CountE);
    out.I16(0);  // ItemsE: without storage
    out.I16(0);  // SdCode9
}

}  // namespace

void ReadSDSectionTables(Reader& in, Conversion& cv) {
    in.SetTable(kTable);
    auto& t = cv.model.sdSections.SDSection;
    t.count = in.I32();
    if (t.count <= 0) return;
    const double v = cv.FileVersion;
    in.CheckCount(t.count, MinRecordSize(v));
    cv.model.AllocateTable(kTable, t.count, t.capacity);
    // Point arrays that the repair lengthens are filled with zeros: never more
    // elements than the file has bytes.
    const std::int64_t maxPoints = std::int64_t(in.Size());
    SdRecordCheck check(v > 9.525);
    for (std::int32_t i = 1; i <= t.count; ++i) {
        const std::size_t start = in.Offset();
        try {
            if (v > 9.525)
                in(t[i]);
            else
                t[i] = ReadLegacyRecord(in, v);
            RepairSDSection(t[i], maxPoints);
            check.Check(t[i]);
        } catch (const SDSectionCorrupt& e) {
            in.FailAt(start, "record " + Num(i) + ": " + e.what());
        }
    }
}

void WriteSDSectionTables(Writer& out, const Conversion& cv) {
    out.SetTable(kTable);
    auto& t = cv.model.sdSections.SDSection;
    out.I32(t.count);
    for (std::int32_t i = 1; i <= t.count; ++i) ExportSDSection(out, t[i]);
}

}  // namespace kmd
