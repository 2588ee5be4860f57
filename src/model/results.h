// The analysis results section at the end of both files: the results format,
// the header text, seventeen counts C1..C17 and the results tables R1..R13.
//
// Files above 9.0015 hold the section in the layout the current file has:
// R1..R7 with framed texts (a 32-bit value, the string, a 32-bit value), keys
// second text first, and arrays as raw elements after their counts; R8..R13 in
// the record encoding. Each record but R7's is followed by a companion value.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>

#include "fileformat/encoding.h"
#include "model/store.h"

namespace kmd {

// A text of an R1..R7 record: only the string is kept; the current file frames
// it with two zero values.
struct FramedString {
    std::string text;
};
template <class Io>
void fields(Io& io, FramedString& t) {
    if constexpr (std::is_same_v<Io, Writer>) {
        io(std::int32_t(0), t.text, std::int32_t(0));
    } else {
        std::int32_t before = 0, after = 0;
        io(before, t.text, after);
    }
}

// The results header: a framed text kept with its two values as read.
struct FramedText {
    std::int32_t Value1 = 0;
    std::string Text;
    std::int32_t Value2 = 0;
};
template <class Io>
void fields(Io& io, FramedText& t) { io(t.Value1, t.Text, t.Value2); }

// Elements 1..count of an array that the file holds without an array header,
// right after its count. A count of 0 or less has no elements. The writer puts
// zeros in place of elements a padded array lacks; any other missing element
// makes the record unwritable.
template <class T>
struct RawRun {
    DynArray<T>& items;
    const std::int32_t& count;
    bool padded = false;
};
template <class T>
RawRun<T> Run(DynArray<T>& a, const std::int32_t& count) { return {a, count, false}; }
template <class T>
RawRun<T> PaddedRun(DynArray<T>& a, const std::int32_t& count) { return {a, count, true}; }

template <class Io, class T>
void fields(Io& io, RawRun<T>& r) {
    if constexpr (std::is_same_v<Io, Reader>) {
        r.items = {};
        if (r.count <= 0) return;
        io.CheckCount(r.count, MinEncodedSize<T>(), "array length");
        r.items = DynArray<T>::Sized(1, r.count);
        if constexpr (is_scalar_v<T>) {
            auto bytes = io.Raw(sizeof(T) * std::size_t(r.count));
            std::memcpy(r.items.items.data(), bytes.data(), bytes.size());
        } else {
            for (T& e : r.items.items) io(e);
        }
    } else if constexpr (std::is_same_v<Io, Writer>) {
        for (std::int32_t i = 1; i <= r.count; ++i) {
            if (const T* e = r.items.Find(i)) io(*e);
            else if (r.padded) io(T{});
            else io.Fail("a results array lacks element " + std::to_string(i) + " of " + std::to_string(r.count));
        }
    }
    // MinSize: no bytes; RecordCheck: nothing to check.
}

// A results key of R1..R7: the second text comes first in the file.
struct ResultKey {
    FramedString First;
    FramedString Second;
};
template <class Io>
void fields(Io& io, ResultKey& k) { io(k.Second, k.First); }

// A results key of R8..R13, in the record encoding.
struct PlainResultKey {
    std::string First;
    std::string Second;
};
template <class Io>
void fields(Io& io, PlainResultKey& k) { io(k.First, k.Second); }

struct LoadGroupEntry {
    Bytes<12> Block{};
    FramedString Text1;
    FramedString Text2;
};
template <class Io>
void fields(Io& io, LoadGroupEntry& r) { io(r.Block, r.Text1, r.Text2); }

struct LoadGroupRecord {
    FramedString Text1;
    FramedString Text2;
    Bytes<4> Value1{};
    std::int32_t K = 0;
    DynArray<LoadGroupEntry> Entries;
    Bytes<4> Value2{};
    std::int32_t L = 0;
    DynArray<double> Reals;
    DynArray<std::int32_t> Ints;
};
template <class Io>
void fields(Io& io, LoadGroupRecord& r) {
    io(r.Text1, r.Text2, r.Value1, r.K, Run(r.Entries, r.K), r.Value2, r.L, Run(r.Reals, r.L), Run(r.Ints, r.L));
}

struct StepRecord {
    std::int32_t P = 0;
    DynArray<double> Reals1, Reals2, Reals3;
    DynArray<std::int32_t> Ints;
};
template <class Io>
void fields(Io& io, StepRecord& r) {
    io(r.P, PaddedRun(r.Reals1, r.P), PaddedRun(r.Reals2, r.P), PaddedRun(r.Reals3, r.P), PaddedRun(r.Ints, r.P));
}

// R1
struct ResultR1 {
    ResultKey Key;
    Bytes<4> Value1{};
    FramedString Text;
    Bytes<8> Block{};
};
template <class Io>
void fields(Io& io, ResultR1& r) { io(r.Key, r.Value1, r.Text, r.Block); }

// R2: seven doubles, six 32-bit values, n texts, a load group, n load groups,
// two 50-byte blocks, four doubles and a 32-bit value.
struct ResultR2 {
    ResultKey Key;
    Bytes<4> Value1{};
    FramedString Text;
    Bytes<56> Reals{};
    std::array<std::int32_t, 6> Six{};
    std::int32_t N = 0;
    DynArray<FramedString> Texts;
    LoadGroupRecord Group;
    DynArray<LoadGroupRecord> Groups;
    Bytes<100> Blocks{};
    Bytes<36> Tail{};
};
template <class Io>
void fields(Io& io, ResultR2& r) {
    io(r.Key, r.Value1, r.Text, r.Reals, r.Six, r.N, Run(r.Texts, r.N), r.Group, Run(r.Groups, r.N), r.Blocks,
       r.Tail);
}

// R3 (Tail: a 16-bit value, a 32-bit value and a byte), R5 and R6 (Tail: three
// doubles and a 32-bit value).
template <std::size_t TailBytes>
struct StepResult {
    ResultKey Key;
    Bytes<4> Value1{};
    FramedString Text;
    std::int32_t N = 0;
    DynArray<double> Reals1, Reals2, Reals3;
    Bytes<8> Block{};
    LoadGroupRecord Group;
    std::int32_t M = 0;
    DynArray<StepRecord> Steps;
    Bytes<TailBytes> Tail{};
};
template <class Io, std::size_t TailBytes>
void fields(Io& io, StepResult<TailBytes>& r) {
    io(r.Key, r.Value1, r.Text, r.N, PaddedRun(r.Reals1, r.N), PaddedRun(r.Reals2, r.N), PaddedRun(r.Reals3, r.N),
       r.Block, r.Group, r.M, Run(r.Steps, r.M), r.Tail);
}
using ResultR3 = StepResult<7>;
using ResultR5 = StepResult<28>;

// R4
struct ResultR4 {
    ResultKey Key;
    Bytes<4> Value1{};
    FramedString Text;
    Bytes<101> Block{};
};
template <class Io>
void fields(Io& io, ResultR4& r) { io(r.Key, r.Value1, r.Text, r.Block); }

// R7: no key and no companion value.
struct ResultR7 {
    Bytes<4> Value1{};
    FramedString Text;
    Bytes<110> Block{};
};
template <class Io>
void fields(Io& io, ResultR7& r) { io(r.Value1, r.Text, r.Block); }

// An R8 array: rebuilt with bounds 0..its stored upper bound; an absent one
// stays absent, one whose upper bound is below 0 has no elements.
struct UpperBoundArray {
    using IsFieldForm = void;
    DynArray<double>& held;

    template <class Checker>
    void Check(Checker& c) const {
        if (!held.HasStorage()) return;
        if (held.dims.size() != 1) c.Fail("results array with " + std::to_string(held.dims.size()) + " dimensions");
        if (held.Lower() > 1) c.Fail("results array with lower bound " + std::to_string(held.Lower()));
    }
    void WriteCurrent(Writer& out) const {
        if (!held.HasStorage()) {
            out.I16(0);
            return;
        }
        const std::int64_t upper = held.Upper();
        if (upper < 0) {
            out(std::int16_t(1), std::uint32_t(0), std::int32_t(0));
            return;
        }
        out.ArrayHeader0(std::uint64_t(upper));
        out.F64(0.0);
        for (std::int64_t i = 1; i <= upper; ++i) out.F64(*held.Find(i));
    }
    // Read back with bounds 1..upper (0..-1 when the array has no elements).
    void ReadCurrent(Reader& in) const {
        const std::size_t at = in.Offset();
        const auto ndims = in.I16();
        held = {};
        if (ndims == 0) return;
        const auto count = in.Get<std::uint32_t>();
        const auto lower = in.I32();
        if (ndims != 1 || lower != 0)
            in.FailAt(at, "expected an absent array or one with bounds 0 to n, found " + std::to_string(ndims) +
                              " dimension(s) from " + std::to_string(lower));
        if (count == 0) {
            held.dims.push_back({0, 0});
            return;
        }
        in.CheckCount(count, sizeof(double), "array length");
        in.F64();
        held = DynArray<double>::Sized(1, std::int64_t(count) - 1);
        for (double& e : held.items) e = in.F64();
    }
};

// An R10 array: rebuilt with bounds 0..N, elements 1..N copied only when the
// stored array holds them all, otherwise all empty.
template <class T>
struct AllOrNoneArray {
    using IsFieldForm = void;
    DynArray<T>& held;
    const std::int32_t& count;

    template <class Checker>
    void Check(Checker& c) const {
        if (count < 0) c.Fail("results array with negative element count " + std::to_string(count));
        if (std::uint64_t(count) > c.InputSize())
            c.Fail("results array of " + std::to_string(count) + " elements exceeds the size of the file");
    }
    void WriteCurrent(Writer& out) const {
        out.ArrayHeader0(std::uint64_t(count));
        out.Field(T{});
        const bool copy = held.dims.size() == 1 && held.Holds(1, count);
        for (std::int32_t i = 1; i <= count; ++i) out.Field(copy ? *held.Find(i) : T{});
    }
    void ReadCurrent(Reader& in) const {
        if (count < 0) in.Fail("results array with negative element count " + std::to_string(count));
        in.ArrayHeader0(CurrentMinSize<T>(), count);
        in.Get<T>();
        held = DynArray<T>::Sized(1, count);
        for (T& e : held.items) in.Field(e);
    }
};

struct ResultR8 {
    PlainResultKey Key;
    Bytes<4> Value1{};
    std::string Text;
    Bytes<4> Value2{};
    std::array<DynArray<double>, 4> Reals;
    Bytes<92> Block{};
};
template <class Io>
void fields(Io& io, ResultR8& r) {
    io(r.Key, r.Value1, r.Text, r.Value2);
    for (auto& a : r.Reals) io(UpperBoundArray{a});
    io(r.Block);
}

// R9 (4 bytes after the text), R11 (76) and R12 (5 + 216): written as held.
template <std::size_t TailBytes>
struct PlainResult {
    PlainResultKey Key;
    Bytes<4> Value1{};
    std::string Text;
    Bytes<TailBytes> Tail{};
};
template <class Io, std::size_t TailBytes>
void fields(Io& io, PlainResult<TailBytes>& r) { io(r.Key, r.Value1, r.Text, r.Tail); }
using ResultR9 = PlainResult<4>;
using ResultR11 = PlainResult<76>;
using ResultR12 = PlainResult<221>;

struct ResultR10 {
    PlainResultKey Key;
    Bytes<4> Value1{};
    std::string Text;
    std::int32_t N = 0;
    DynArray<std::string> Texts1, Texts2;
    DynArray<double> Reals;
};
template <class Io>
void fields(Io& io, ResultR10& r) {
    io(r.Key, r.Value1, r.Text, r.N, AllOrNoneArray<std::string>{r.Texts1, r.N},
       AllOrNoneArray<std::string>{r.Texts2, r.N}, AllOrNoneArray<double>{r.Reals, r.N});
}

// R13: of the three values after the text, the second is A (the first three
// arrays have elements 1..A) and the third B (the other six, 1..B).
struct ResultR13 {
    PlainResultKey Key;
    Bytes<4> Value1{};
    std::string Text;
    std::int32_t Value2 = 0;
    std::int32_t A = 0;
    std::int32_t B = 0;
    std::array<DynArray<double>, 9> Reals;
    Bytes<104> Block{};
};
template <class Io>
void fields(Io& io, ResultR13& r) {
    io(r.Key, r.Value1, r.Text, r.Value2, r.A, r.B);
    for (std::size_t i = 0; i < 3; ++i) io(Counted(r.Reals[i], r.A, "R13 array"));
    for (std::size_t i = 3; i < 9; ++i) io(Counted(r.Reals[i], r.B, "R13 array"));
    io(r.Block);
}

// A results record followed by its companion value.
template <class R>
struct WithCompanion {
    R record;
    std::int32_t Companion = 0;
};
template <class Io, class R>
void fields(Io& io, WithCompanion<R>& r) { io(r.record, r.Companion); }

struct ResultsData {
    std::int32_t ResultsFormat = 0;  // as read; the current file always has 3
    FramedText ResultsHeader;
    // C1..C4; C5..C17 are the counts of the tables.
    std::array<std::int32_t, 4> Counts{};
    Table<WithCompanion<ResultR1>> R1{"results table R1", Allocator::Output};
    Table<WithCompanion<ResultR2>> R2{"results table R2", Allocator::Output};
    Table<WithCompanion<ResultR3>> R3{"results table R3", Allocator::Output};
    Table<WithCompanion<ResultR4>> R4{"results table R4", Allocator::Output};
    Table<WithCompanion<ResultR5>> R5{"results table R5", Allocator::Output};
    Table<WithCompanion<ResultR5>> R6{"results table R6", Allocator::Output};
    Table<ResultR7> R7{"results table R7", Allocator::Output};
    Table<WithCompanion<ResultR8>> R8{"results table R8", Allocator::Output};
    Table<WithCompanion<ResultR9>> R9{"results table R9", Allocator::Output};
    Table<WithCompanion<ResultR10>> R10{"results table R10", Allocator::Output};
    Table<WithCompanion<ResultR11>> R11{"results table R11", Allocator::Output};
    Table<WithCompanion<ResultR12>> R12{"results table R12", Allocator::Output};
    Table<WithCompanion<ResultR13>> R13{"results table R13", Allocator::Output};
    // Set when the results of a file up to 9.0015 announced records: they are
    // dropped and the reading ends there, without the trailer.
    bool EndedReading = false;

    // Calls f on each table, R1..R13.
    template <class F>
    void ForEachTable(F&& f) {
        f(R1), f(R2), f(R3), f(R4), f(R5), f(R6), f(R7), f(R8), f(R9), f(R10), f(R11), f(R12), f(R13);
    }
    template <class F>
    void ForEachTable(F&& f) const {
        f(R1), f(R2), f(R3), f(R4), f(R5), f(R6), f(R7), f(R8), f(R9), f(R10), f(R11), f(R12), f(R13);
    }
};

}  // namespace kmd
