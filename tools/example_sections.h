// Sections of the example legacy file; each table family adds its own.
#pragma once

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <random>
#include <string>
#include <utility>
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
    // bytes go to objects, assignments and loads.
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

// Extra records of a sized model: the bytes one table may grow by, the generator
// of their values and the number of objects their keys range over.
struct Growth {
    std::uint64_t bytes = 0;
    std::mt19937* rng = nullptr;
    std::int32_t objects = 1;

    // A key of one of the objects (keys are 16-bit, so large models repeat them).
    std::int16_t Key(std::uint64_t i) const {
        return std::int16_t(1 + i % std::uint64_t(std::clamp(objects, 1, 32767)));
    }
    // A real between lo and hi.
    double Real(double lo, double hi) const { return std::uniform_real_distribution<double>(lo, hi)(*rng); }
};

// `records` followed by copies of its first record, each changed by vary(r, i),
// as many as fit in g.bytes in the layout that `form` writes.
template <class Rec, class Form, class Vary>
std::vector<Rec> Grown(std::vector<Rec> records, const Growth& g, Form form, Vary vary) {
    if (g.bytes == 0 || records.empty()) return records;
    Writer one;
    one(form(records.front()));
    const Rec base = records.front();
    for (std::uint64_t used = 0; used < g.bytes; used += one.Size()) {
        Rec r = base;
        vary(r, std::uint64_t(records.size()));
        records.push_back(std::move(r));
    }
    return records;
}

template <class Rec, class Vary>
std::vector<Rec> Grown(std::vector<Rec> records, const Growth& g, Vary vary) {
    return Grown(std::move(records), g, [](const Rec& r) -> const Rec& { return r; }, vary);
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
