#include "tables/views.h"

#include <cstring>

#include "tables/table_io.h"

namespace kmd {

namespace {

// Records of a table that the current file does not hold: read to stay in step
// with the file and dropped. A negative count reads nothing.
template <class Rec>
void ReadDropped(Reader& in, const Conversion& cv, const char* table, const char* what) {
    in.SetTable(table);
    const std::int32_t count = in.I32();
    cv.report.Drop(what, count);
    if (count <= 0) return;
    in.CheckCount(count, MinEncodedSize<Rec>());
    Rec dropped;
    for (std::int32_t i = 0; i < count; ++i) in(dropped);
}

std::size_t ViewDataSize(double v) {
    return v <= kViewDataAUpTo ? kViewDataA : v <= kViewDataBUpTo ? kViewDataB : kViewDataC;
}

constexpr Layout<DevElevRecord> kDevElevLayouts[] = {
    UpTo<OldDevElevRecord, UpgradeDevElev>(kOldDevElevUpTo),
    Newest<DevElevRecord>(),
};

double PBlockValue(const PointObjectRecord& p, std::size_t k) {
    double d;
    std::memcpy(&d, p.PBlock1.data() + 8 * k, sizeof d);
    return d;
}

}  // namespace

// Only areas and points within their tables' counts are taken; an elevation
// naming anything else keeps no points (and is reported when written).
DevElevRecord UpgradeDevElev(OldDevElevRecord&& old, const Conversion& cv) {
    DevElevRecord r;
    r.E1 = old.K3;
    r.Name = std::move(old.Name);
    r.E2 = old.K1;
    r.E3 = old.K2;
    r.E4to7 = old.K4to7;
    for (std::size_t i = 0; i < 3; ++i) r.Extra[i + 1] = old.K8to10[i];
    for (std::size_t i = 0; i < 3; ++i) r.E8[i] = old.K11to14[i];
    r.E9 = old.K11to14[3];
    if (old.Area <= 0) return r;

    const auto& areas = cv.model.objects.AreaObjects;
    const auto& points = cv.model.objects.PointObjects;
    if (old.Area > areas.count) {
        r.PointsDropped = true;
        return r;
    }
    const AreaObjectRecord& area = areas[old.Area];
    const std::int32_t n = area.ItemCount;
    for (std::int32_t i = 1; i <= n; ++i) {
        const std::int32_t* p = area.AItems1.Find(i);
        if (!p) break;
        if (*p <= 0 || *p > points.count) {
            r.PointsDropped = true;
            return r;
        }
    }
    if (n <= 0) return r;
    r.PointCount = n;
    r.PointsA = DynArray<double>::Sized(1, n);
    r.PointsB = DynArray<double>::Sized(1, n);
    for (std::int32_t i = 1; i <= n; ++i) {
        const std::int32_t* p = area.AItems1.Find(i);
        if (!p) break;
        r.PointsA.items[std::size_t(i - 1)] = PBlockValue(points[*p], 0);
        r.PointsB.items[std::size_t(i - 1)] = PBlockValue(points[*p], 1);
    }
    return r;
}

void ReadWindowsAndNamedViews(Reader& in, Conversion& cv) {
    const std::size_t view = ViewDataSize(cv.FileVersion);
    in.SetTable("window records");
    in.I32();
    // The model holds four windows; more (a damaged file) are read and dropped too.
    const std::int32_t windows = in.I32();
    if (windows > 0) {
        in.CheckCount(windows, view, "window count");
        in.Skip(std::size_t(windows) * view);
    }
    cv.report.Drop("window records", windows);
    if (view == kViewDataA)
        ReadDropped<NamedViewLayout<kViewDataA>>(in, cv, "NamedView", "named views");
    else if (view == kViewDataB)
        ReadDropped<NamedViewLayout<kViewDataB>>(in, cv, "NamedView", "named views");
    else
        ReadDropped<NamedViewLayout<kViewDataC>>(in, cv, "NamedView", "named views");
}

void ReadViewTables(Reader& in, Conversion& cv) {
    ViewData& d = cv.model.views;
    const double v = cv.FileVersion;
    ReadTable(in, cv, d.DevElev, kDevElevLayouts);
    ReadTable(in, cv, d.TimeFunction);
    if (v > kNoDBNamedViewUpTo) {
        if (v <= kDBNamedViewAUpTo)
            ReadDropped<DBNamedViewLayout<18>>(in, cv, "DBNamedView", "database named views");
        else
            ReadDropped<DBNamedViewLayout<22>>(in, cv, "DBNamedView", "database named views");
    }
    if (v > kNoDisplayOptionsUpTo) {
        in.SetTable("display options");
        in(d.DisplayOptions);
        if (v < kDisplayOptionsO2Below) d.DisplayOptions.O2 = -1;
    }
}

void WriteViewTables(Writer& out, const Conversion& cv) {
    const ViewData& d = cv.model.views;
    WriteTable(out, d.DevElev);
    std::int32_t dropped = 0;
    const DevElevRecord* first = nullptr;
    for (std::int32_t i = 1; i <= d.DevElev.count; ++i)
        if (d.DevElev[i].PointsDropped && dropped++ == 0) first = &d.DevElev[i];
    if (first)
        out.Note("Developed elevation \"" + first->Name + "\"" +
                 (dropped > 1 ? " and " + std::to_string(dropped - 1) + " more" : std::string()) +
                 " named an area or point that the model does not hold; written without points.");
    WriteTable(out, d.TimeFunction);
    out.SetTable("display options");
    out(d.DisplayOptions);
}

void ReadBackViewTables(Reader& in, Conversion& cv) {
    ViewData& d = cv.model.views;
    ReadCurrentTable(in, cv, d.DevElev);
    ReadCurrentTable(in, cv, d.TimeFunction);
    in.SetTable("display options");
    in(d.DisplayOptions);
}

}  // namespace kmd
