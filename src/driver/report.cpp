#include "driver/report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kmd {

namespace {

std::string VersionText(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.4f", v);
    std::string s = buf;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s;
}

}  // namespace

void ConversionReport::Layout(std::string_view table, int form, int forms, double above, double atMost) {
    for (const LayoutTaken& l : layouts)
        if (l.table == table) return;
    layouts.push_back({std::string(table), form, forms, above, atMost});
}

void ConversionReport::Drop(std::string_view what, std::int64_t records, bool evenIfNone) {
    if (records <= 0 && !evenIfNone) return;
    if (records < 0) records = 0;
    for (DroppedData& d : dropped)
        if (d.what == what) {
            d.records += records;
            return;
        }
    dropped.push_back({std::string(what), records});
}

void ConversionReport::Fill(std::string text) {
    if (std::find(filled.begin(), filled.end(), text) == filled.end()) filled.push_back(std::move(text));
}

std::string LayoutRange(const LayoutTaken& l) {
    const bool low = std::isfinite(l.above), high = std::isfinite(l.atMost);
    if (!low && !high) return "every version";
    std::string s;
    if (low) s += "above " + VersionText(l.above);
    if (low && high) s += ", ";
    if (high) s += "at most " + VersionText(l.atMost);
    return s;
}

}  // namespace kmd
