#include "tables/objects.h"

#include <utility>

#include "legacy/objects.h"
#include "tables/table_io.h"

namespace kmd {

namespace {

const PointObjectRecord& DefaultOf(const Conversion& cv, const PointObjectRecord*) {
    return cv.model.objects.DefaultPointObject;
}
const LineObjectRecord& DefaultOf(const Conversion& cv, const LineObjectRecord*) {
    return cv.model.objects.DefaultLineObject;
}
const AreaObjectRecord& DefaultOf(const Conversion& cv, const AreaObjectRecord*) {
    return cv.model.objects.DefaultAreaObject;
}

// A legacy object form, read over a copy of the default record of its kind
// (the fields it lacks keep their defaults) and converted by `Import`.
template <class Form, auto Import>
constexpr auto OverDefault(double upTo) {
    using Rec = decltype(Form{}.obj);
    return Layout<Rec>{upTo, &MinEncodedSize<Form>, [](Reader& in, Rec& rec, const Conversion& cv) {
                           Form form;
                           form.obj = DefaultOf(cv, &rec);
                           in(form);
                           rec = RunImport<Import>(std::move(form), cv);
                       }};
}

PointObjectRecord ImportP1(PointObjectP1&& f) { return ImportPointObject(std::move(f)); }
PointObjectRecord ImportP2(PointObjectP2&& f) { return ImportPointObject(std::move(f)); }
template <class Form>
LineObjectRecord ImportL(Form&& f) { return ImportLineObject(std::move(f)); }
// The model's unit system as read from the file, not the start-up one.
AreaObjectRecord ImportA1(AreaObjectA1&& f, const Conversion& cv) {
    return ImportAreaObject(std::move(f), cv.CurrentDefaultLength());
}
AreaObjectRecord ImportA2(AreaObjectA2&& f) { return ImportAreaObject(std::move(f)); }
AreaObjectRecord ImportA3(AreaObjectA3&& f) { return ImportAreaObject(std::move(f)); }

constexpr Layout<PointObjectRecord> kPointObjectLayouts[] = {
    OverDefault<PointObjectP1, ImportP1>(kPointObjectP1UpTo),
    OverDefault<PointObjectP2, ImportP2>(kPointObjectP2UpTo),
    Newest<PointObjectRecord>(),
};

constexpr Layout<LineObjectRecord> kLineObjectLayouts[] = {
    OverDefault<LineObjectL1, ImportL<LineObjectL1>>(kLineObjectL1UpTo),
    OverDefault<LineObjectL2, ImportL<LineObjectL2>>(kLineObjectL2UpTo),
    OverDefault<LineObjectL3, ImportL<LineObjectL3>>(kLineObjectL3UpTo),
    OverDefault<LineObjectL4, ImportL<LineObjectL4>>(kLineObjectL4UpTo),
    OverDefault<LineObjectL5, ImportL<LineObjectL5>>(kLineObjectL5UpTo),
    Newest<LineObjectRecord>(),
};

constexpr Layout<AreaObjectRecord> kAreaObjectLayouts[] = {
    OverDefault<AreaObjectA1, ImportA1>(kAreaObjectA1UpTo),
    OverDefault<AreaObjectA2, ImportA2>(kAreaObjectA2UpTo),
    OverDefault<AreaObjectA3, ImportA3>(kAreaObjectA3UpTo),
    Newest<AreaObjectRecord>(),
};

}  // namespace

void ReadObjectTables(Reader& in, Conversion& cv) {
    ObjectData& d = cv.model.objects;
    ReadTable(in, cv, d.PointObjects, kPointObjectLayouts);
    ReadTable(in, cv, d.LineObjects, kLineObjectLayouts);
    ReadTable(in, cv, d.AreaObjects, kAreaObjectLayouts);
}

void WriteObjectTables(Writer& out, const Conversion& cv) {
    const ObjectData& d = cv.model.objects;
    WriteTable(out, d.PointObjects);
    WriteTable(out, d.LineObjects);
    WriteTable(out, d.AreaObjects);
}

void ReadBackObjectTables(Reader& in, Conversion& cv) {
    ObjectData& d = cv.model.objects;
    ReadCurrentTable(in, cv, d.PointObjects);
    ReadCurrentTable(in, cv, d.LineObjects);
    ReadCurrentTable(in, cv, d.AreaObjects);
}

}  // namespace kmd
