// Sections of the example legacy file; each table family adds its own.
#pragma once

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "fileformat/encoding.h"

namespace kmd::example {

// Version of the bundled example file (newest legacy layouts).
inline constexpr const char* kExampleVersion = "9.5";
// Its file version, the layouts the section writers use by default.
inline constexpr double kExampleFileVersion = 9.5;

struct ExampleOptions {
    // Every section is written in the legacy layout of this version.
    std::string versionText = kExampleVersion;
    // Approximate size of the file in bytes; 0 for the small example. The extra
    // bytes go to point, line and area objects.
    std::uint64_t size = 0;
    // Seed of the values of the extra objects.
    std::uint32_t seed = 1;
};

void WriteExampleLegacyFile(Writer& out, const ExampleOptions& options = {});

// Helpers of the section writers.

// N plain bytes counting up from `first` (distinct values for opaque blocks).
template <std::size_t N>
Bytes<N> Block(std::uint8_t first) {
    Bytes<N> b{};
    for (std::size_t i = 0; i < N; ++i) b[i] = std::uint8_t(first + i);
    return b;
}

// A table: the count, then each record as `form` makes it (the layout of an
// older version).
template <class Rec, class Form>
void TableAs(Writer& out, const std::vector<Rec>& records, Form form) {
    out(std::int32_t(records.size()));
    for (const Rec& r : records) out(form(r));
}

template <class Rec>
void Table(Writer& out, const std::vector<Rec>& records) {
    TableAs(out, records, [](const Rec& r) -> const Rec& { return r; });
}

// A one-dimensional array with bounds 1..n holding the n values.
template <class T>
DynArray<T> OneBased(std::initializer_list<T> values) {
    DynArray<T> a = DynArray<T>::Sized(1, std::int64_t(values.size()));
    std::copy(values.begin(), values.end(), a.items.begin());
    return a;
}

// A block of distinct values counting up from `first` in steps of 7.
template <std::size_t N>
void Pattern(Bytes<N>& b, std::uint8_t first) {
    for (std::size_t i = 0; i < N; ++i) b[i] = std::uint8_t(first + 7 * i);
}

// Writes `make(Legacy{})` when v takes the layout up to `upTo` (chained with ||
// over a table's layouts, oldest first).
template <class Legacy, class Make>
bool As(Writer& out, double v, double upTo, Make make) {
    if (v > upTo) return false;
    out(make(Legacy{}));
    return true;
}

}  // namespace kmd::example
