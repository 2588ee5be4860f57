// What a conversion did to the model, table by table: the layout each table was
// read in, what was dropped, what was filled by rule, and the records written.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "fileformat/encoding.h"

namespace kmd {

// The legacy layout a table was read in: form `form` of `forms`, taken for file
// versions above `above` and at most `atMost` (infinite bounds are open).
struct LayoutTaken {
    std::string table;
    int form = 1;
    int forms = 1;
    double above = -std::numeric_limits<double>::infinity();
    double atMost = std::numeric_limits<double>::infinity();
    bool operator==(const LayoutTaken&) const = default;
};

// Data of the legacy file that the current layout does not keep.
struct DroppedData {
    std::string what;
    std::int64_t records = 0;
    bool operator==(const DroppedData&) const = default;
};

struct ConversionReport {
    std::vector<LayoutTaken> layouts;   // each table once, in file order
    std::vector<DroppedData> dropped;
    std::vector<std::string> filled;    // filled with defaults or set by rule
    std::vector<TableCount> tables;     // records per table of the file written (or read back)

    // The layout of a table with `forms` layouts, the last one open-ended.
    void Layout(std::string_view table, int form, int forms, double above, double atMost);
    // Nothing is noted for no records, unless `evenIfNone` (their number unknown).
    void Drop(std::string_view what, std::int64_t records, bool evenIfNone = false);
    void Fill(std::string text);
};

// "above 8.005, at most 8.105"
std::string LayoutRange(const LayoutTaken& l);

}  // namespace kmd
