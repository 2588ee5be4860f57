// "Material" and "MT": legacy forms in, current layout out.
#include "tables/materials.h"
#include "tables/table_io.h"

#include <string>
#include <utility>

#include "legacy/materials.h"
#include "model/materials.h"

namespace kmd {

namespace {

// The writer copies curves 1..CurveCount and points 1..PointCount of each of
// them, so those must exist. Curves beyond the count are never written.
void CheckCurves(const Reader& in, std::size_t at, const MaterialRecord& r) {
    if (r.CurveCount < 0) in.FailAt(at, "negative material curve count " + std::to_string(r.CurveCount));
    if (!r.Curves.Holds(1, r.CurveCount))
        in.FailAt(at, "material curves lack elements 1 to " + std::to_string(r.CurveCount));
    for (std::int32_t i = 1; i <= r.CurveCount; ++i) {
        const MaterialCurve& c = *r.Curves.Find(i);
        if (c.PointCount < 0)
            in.FailAt(at, "negative point count " + std::to_string(c.PointCount) + " in material curve " +
                              std::to_string(i));
        if (!c.X.Holds(1, c.PointCount) || !c.Y.Holds(1, c.PointCount))
            in.FailAt(at, "material curve " + std::to_string(i) + " lacks points 1 to " +
                              std::to_string(c.PointCount));
    }
}

void CheckMTArrays(const Reader& in, std::size_t at, const MTRecord& r) {
    const DynArray<double>* arrays[6] = {&r.Array1, &r.Array2, &r.Array3, &r.Array4, &r.Array5, &r.Array6};
    for (int k = 0; k < 6; ++k)
        if (!arrays[k]->Holds(1, kMTArraySizes[k]))
            in.FailAt(at, "MT array " + std::to_string(k + 1) + " lacks elements 1 to " +
                              std::to_string(kMTArraySizes[k]));
}

void ReadMaterials(Reader& in, Conversion& cv) {
    const double v = cv.FileVersion;
    auto& t = cv.model.materials.Material;
    std::size_t minSize = v > 8.1925  ? MinEncodedSize<MaterialRecord>()
                          : v > 8.075 ? MinEncodedSize<MaterialC>()
                          : v > 8.005 ? MinEncodedSize<MaterialB>()
                                      : MinEncodedSize<MaterialA>();
    if (!ReadTableCount(in, cv, "Material", t, minSize)) return;
    for (std::int32_t i = 1; i <= t.count; ++i) {
        const std::size_t at = in.Offset();
        MaterialRecord& r = t[i];
        if (v > 8.1925) {
            in(r);
        } else if (v > 8.075) {
            MaterialC c;
            in(c);
            r = ImportMaterialC(std::move(c));
        } else if (v > 8.005) {
            MaterialB b;
            in(b);
            r = ImportMaterialB(std::move(b));
        } else {
            MaterialA a;
            in(a);
            r = ImportMaterialA(std::move(a));
        }
        CheckCurves(in, at, r);
    }
}

void ReadMT(Reader& in, Conversion& cv) {
    const bool straight = cv.FileVersion > 8.075;
    auto& t = cv.model.materials.MT;
    if (!ReadTableCount(in, cv, "MT", t, straight ? MinEncodedSize<MTRecord>() : MinEncodedSize<MTBlock>())) return;
    for (std::int32_t i = 1; i <= t.count; ++i) {
        const std::size_t at = in.Offset();
        if (straight) {
            in(t[i]);
            CheckMTArrays(in, at, t[i]);
        } else {
            MTBlock b;
            in(b);
            t[i] = ImportMT(b);
        }
    }
}

void ExportMaterialCurve(Writer& out, const MaterialCurve& c) {
    out(c.PointCount);
    WriteRebuilt0(out, c.X, c.PointCount, "material curve X");
    WriteRebuilt0(out, c.Y, c.PointCount, "material curve Y");
}

void ExportMaterial(Writer& out, const MaterialRecord& r) {
    out(r.Name, r.TypeCode, r.ValueBlock1, r.CurveCount);
    if (r.CurveCount < 0) out.Fail("negative material curve count " + std::to_string(r.CurveCount));
    if (!r.Curves.Holds(1, r.CurveCount))
        out.Fail("material curves lack elements 1 to " + std::to_string(r.CurveCount));
    out.ArrayHeader0(std::uint64_t(r.CurveCount));
    out(MaterialCurve{});
    for (std::int32_t i = 1; i <= r.CurveCount; ++i) ExportMaterialCurve(out, *r.Curves.Find(i));
    out(r.ValueBlock2, r.AddedText1, r.AddedValue, r.AddedText2);
}

void ExportMT(Writer& out, const MTRecord& r) {
    out(r.Value1, r.Value2, r.Value3);
    WriteRebuilt0(out, r.Array1, kMTArraySizes[0], "MT array 1");
    WriteRebuilt0(out, r.Array2, kMTArraySizes[1], "MT array 2");
    WriteRebuilt0(out, r.Array3, kMTArraySizes[2], "MT array 3");
    WriteRebuilt0(out, r.Array4, kMTArraySizes[3], "MT array 4");
    WriteRebuilt0(out, r.Array5, kMTArraySizes[4], "MT array 5");
    out(r.Value4, r.Value5);
    WriteRebuilt0(out, r.Array6, kMTArraySizes[5], "MT array 6");
}

}  // namespace

void ReadMaterialTables(Reader& in, Conversion& cv) {
    ReadMaterials(in, cv);
    ReadMT(in, cv);
}

void WriteMaterialTables(Writer& out, const Conversion& cv) {
    const auto& m = cv.model.materials;
    out.SetTable("Material");
    out.I32(m.Material.count);
    for (std::int32_t i = 1; i <= m.Material.count; ++i) ExportMaterial(out, m.Material[i]);
    out.SetTable("MT");
    out.I32(m.MT.count);
    for (std::int32_t i = 1; i <= m.MT.count; ++i) ExportMT(out, m.MT[i]);
}

}  // namespace kmd
