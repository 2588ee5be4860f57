#include "tables/objects.h"

#include <utility>

#include "legacy/labels.h"
#include "legacy/objects.h"

namespace kmd {

namespace {

// What the reader checks of a record once it is read.
void CheckObject(const Reader&, std::size_t, const PointObjectRecord&) {}
void CheckObject(const Reader&, std::size_t, const LineObjectRecord&) {}
void CheckObject(const Reader& in, std::size_t at, const AreaObjectRecord& r) {
    CheckItemArrays(in, at, r.ItemCount, r.AItems1, "AItems1", r.AItems2, "AItems2");
}

// Reads records 1..count of a legacy form, each over a copy of the default
// record, and converts them with `import`.
template <class Form, class Rec, class Import>
void ReadLegacyForm(Reader& in, Conversion& cv, Table<Rec>& t, const char* name, const Rec& defaults,
                    Import import) {
    in.CheckCount(t.count, MinEncodedSize<Form>());
    cv.model.AllocateObjectTable(name, t.count, t.capacity);
    Form form;
    for (std::int32_t i = 1; i <= t.count; ++i) {
        const std::size_t at = in.Offset();
        form.obj = defaults;
        in(form);
        CheckObject(in, at, form.obj);
        t[i] = import(std::move(form));
    }
}

// Reads records 1..count of the current form straight into the table.
template <class Rec>
void ReadCurrentForm(Reader& in, Conversion& cv, Table<Rec>& t, const char* name) {
    in.CheckCount(t.count, MinEncodedSize<Rec>());
    cv.model.AllocateObjectTable(name, t.count, t.capacity);
    for (std::int32_t i = 1; i <= t.count; ++i) {
        const std::size_t at = in.Offset();
        in(t[i]);
        CheckObject(in, at, t[i]);
    }
}

// Reads the table's count; true when records follow.
template <class Rec>
bool ReadCount(Reader& in, Table<Rec>& t, const char* name) {
    in.SetTable(name);
    in(t.count);
    return t.count > 0;
}

void ReadPointObjects(Reader& in, Conversion& cv) {
    ObjectData& d = cv.model.objects;
    auto& t = d.PointObjects;
    const char* name = "PointObjects";
    if (!ReadCount(in, t, name)) return;
    const double v = cv.FileVersion;
    if (v <= 7.985)
        ReadLegacyForm<PointObjectP1>(in, cv, t, name, d.DefaultPointObject,
                                      [](PointObjectP1&& f) { return ImportPointObject(std::move(f)); });
    else if (v <= 9.025)
        ReadLegacyForm<PointObjectP2>(in, cv, t, name, d.DefaultPointObject,
                                      [](PointObjectP2&& f) { return ImportPointObject(std::move(f)); });
    else
        ReadCurrentForm(in, cv, t, name);
}

template <class Form>
void ReadLineForm(Reader& in, Conversion& cv) {
    ObjectData& d = cv.model.objects;
    ReadLegacyForm<Form>(in, cv, d.LineObjects, "LineObjects", d.DefaultLineObject,
                         [](Form&& f) { return ImportLineObject(std::move(f)); });
}

void ReadLineObjects(Reader& in, Conversion& cv) {
    if (!ReadCount(in, cv.model.objects.LineObjects, "LineObjects")) return;
    const double v = cv.FileVersion;
    if (v <= 7.985)
        ReadLineForm<LineObjectL1>(in, cv);
    else if (v <= 8.005)
        ReadLineForm<LineObjectL2>(in, cv);
    else if (v <= 8.055)
        ReadLineForm<LineObjectL3>(in, cv);
    else if (v <= 8.195)
        ReadLineForm<LineObjectL4>(in, cv);
    else if (v <= 9.025)
        ReadLineForm<LineObjectL5>(in, cv);
    else
        ReadCurrentForm(in, cv, cv.model.objects.LineObjects, "LineObjects");
}

void ReadAreaObjects(Reader& in, Conversion& cv) {
    ObjectData& d = cv.model.objects;
    auto& t = d.AreaObjects;
    const char* name = "AreaObjects";
    if (!ReadCount(in, t, name)) return;
    const double v = cv.FileVersion;
    if (v <= 7.985) {
        // The model's unit system as read from the file, not the start-up one.
        const std::int32_t length = cv.CurrentDefaultLength();
        ReadLegacyForm<AreaObjectA1>(in, cv, t, name, d.DefaultAreaObject, [length](AreaObjectA1&& f) {
            return ImportAreaObject(std::move(f), length);
        });
    } else if (v <= 8.005) {
        ReadLegacyForm<AreaObjectA2>(in, cv, t, name, d.DefaultAreaObject,
                                     [](AreaObjectA2&& f) { return ImportAreaObject(std::move(f)); });
    } else if (v <= 9.025) {
        ReadLegacyForm<AreaObjectA3>(in, cv, t, name, d.DefaultAreaObject,
                                     [](AreaObjectA3&& f) { return ImportAreaObject(std::move(f)); });
    } else {
        ReadCurrentForm(in, cv, t, name);
    }
}

// ---------------------------------------------------------------------------
// Current forms: fixed groups become 0-based dynamic arrays.

// A matrix held by columns, laid out row after row.
Matrix3 ByRows(const Matrix3& byColumns) {
    Matrix3 rows;
    for (std::size_t i = 0; i < 3; ++i)
        for (std::size_t j = 0; j < 3; ++j) rows[i * 3 + j] = byColumns[j * 3 + i];
    return rows;
}

void ExportPointObject(Writer& out, const PointObjectRecord& r) {
    out(r.Label, r.PValue1, r.PValue2, r.PValue3, r.PValue4, r.PBlock1, r.PCode1, r.PCode2, r.PCode3, r.PCode4,
        AsZeroBased(r.PFlags1), AsZeroBased(r.PFlags2), r.PValue5, r.PValue6, r.PBlock2, r.PValue7, r.PText);
}

void ExportLineObject(Writer& out, const LineObjectRecord& r) {
    const Matrix3 matrix = ByRows(r.LMatrix);
    out(r.Label, r.LValue1, r.LValue2, AsZeroBased(r.LEnds), r.LValue3, r.LValue4, r.LValue5, r.LCode1, r.LValue6,
        r.LValue7, r.LZero1, r.LReal1, r.LBlock1, r.LCode2, r.LValue8, r.LValue9, r.LValue10, AsZeroBased(matrix));
    out(r.LValue11, r.LValue12, r.LValue13, r.LValue14, r.LValue15, r.LValue16, r.LCode3, r.LReal2, r.LValue17,
        r.LCode4, r.LValue18, r.LValue19, r.LValue20, r.LValue21, r.LValue22, r.LValue23, r.LValue24, r.LSwitch,
        r.LCode5, AsZeroBased(r.LRefs));
    out(r.LCode6, r.LCode7, r.LValue25, r.LValue26, r.LValue27, r.LValue28, r.LValue29, r.LValue30, r.LValue31,
        r.LValue32, r.LCode8, r.LCode9, r.LZero2, r.LValue33, r.LValue34, r.LValue35, r.LValue36, r.LValue37,
        r.LValue38, r.LValue39, r.LCode10, r.LCode11, r.LCode12);
    out(AsZeroBased(r.LFlags1), AsZeroBased(r.LFlags2), r.LTail, r.LText);
}

void ExportAreaObject(Writer& out, const AreaObjectRecord& r) {
    const Matrix3 matrix = ByRows(r.AMatrix);
    out(r.Label, r.AValue1, r.AValue2, r.ItemCount);
    WriteRebuilt0(out, r.AItems1, r.ItemCount, "AItems1");
    out(r.ACode1, r.ACode2, r.AValue3, r.AValue4, r.AValue5, r.AValue6, r.AReal1, r.AValue7, r.AValue8, r.ACode3,
        r.AValue9, r.AValue10, r.AValue11, r.AValue12, AsZeroBased(matrix), AsZeroBased(r.AReals));
    out(r.AValue13, r.AValue14, r.AValue15, r.AValue16, r.AValue17, r.AValue18, r.AValue19, r.AValue20,
        r.AValue21, r.AValue22, r.AValue23, r.AValue24, r.AValue25, r.AValue26, r.AValue27, r.AValue28,
        r.AValue29, r.AValue30, r.AValue31, r.ACode4, r.ACode5, r.ACode6, r.ACode7, r.ACode8);
    out(r.AReal2, r.AValue32, r.AValue33, r.ACode9, r.ACode10, r.ACode11, r.ACode12, r.ACode13);
    WriteRebuilt0(out, r.AItems2, r.ItemCount, "AItems2");
    out(AsZeroBased(r.AFlags1), AsZeroBased(r.AFlags2), r.ATail, r.AText);
}

template <class Rec, class Export>
void WriteObjectTable(Writer& out, const Table<Rec>& t, const char* name, Export exportRecord) {
    out.SetTable(name);
    out(t.count);
    for (std::int32_t i = 1; i <= t.count; ++i) exportRecord(out, t[i]);
}

}  // namespace

void ReadObjectTables(Reader& in, Conversion& cv) {
    ReadPointObjects(in, cv);
    ReadLineObjects(in, cv);
    ReadAreaObjects(in, cv);
}

void WriteObjectTables(Writer& out, const Conversion& cv) {
    const ObjectData& d = cv.model.objects;
    WriteObjectTable(out, d.PointObjects, "PointObjects", ExportPointObject);
    WriteObjectTable(out, d.LineObjects, "LineObjects", ExportLineObject);
    WriteObjectTable(out, d.AreaObjects, "AreaObjects", ExportAreaObject);
}

}  // namespace kmd
