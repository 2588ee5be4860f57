// Diaphragms and stories.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "fileformat/encoding.h"
#include "model/store.h"

namespace kmd {

// A fixed-length name written as a variable-length string of its held characters.
template <std::size_t N>
struct VariableLengthName {
    using IsFieldForm = void;
    FixedString<N>& held;

    void WriteCurrent(Writer& out) const { out(std::string_view(held.chars.data(), N)); }
    void ReadCurrent(Reader& in) const {
        const std::size_t at = in.Offset();
        std::string s;
        in.Field(s);
        if (s.size() != N)
            in.FailAt(at, "a name of " + std::to_string(N) + " characters has " + std::to_string(s.size()));
        held = FixedString<N>(s);
    }
};
template <std::size_t N>
VariableLengthName<N> VariableLength(FixedString<N>& name) { return {name}; }

struct DiaphragmRecord {
    FixedString<8> Name;
    std::int16_t D1 = 0;  // 0 for diaphragms from files of 8.505 and below
    std::int16_t D2 = 0;
};
template <class Io>
void fields(Io& io, DiaphragmRecord& r) { io(VariableLength(r.Name), r.D1, r.D2); }

struct StoryDiaphragmItem {
    std::int32_t Count = 0;
    std::int16_t Word = 0;
    DynArray<std::int32_t> Values;
};
template <class Io>
void fields(Io& io, StoryDiaphragmItem& r) { io(r.Count, r.Word, Counted(r.Values, r.Count, "diaphragm item")); }

// Values per diaphragm, written with bounds 0..D for D diaphragms: element 0,
// and every element of 1..D the held array lacks, is written empty.
template <class T>
struct PerDiaphragmValues {
    using IsFieldForm = void;
    DynArray<T>& held;
    const std::int32_t& diaphragms;

    void WriteCurrent(Writer& out) const {
        out.ArrayHeader0(std::uint64_t(diaphragms < 0 ? 0 : diaphragms));
        out.AsHeld(T{});
        for (std::int32_t j = 1; j <= diaphragms; ++j) {
            if (const T* e = held.Find(j))
                out.Field(*e);
            else
                out.AsHeld(T{});
        }
    }
    // Read back with bounds 1..D.
    void ReadCurrent(Reader& in) const {
        const std::int32_t d = diaphragms < 0 ? 0 : diaphragms;
        in.ArrayHeader0(CurrentMinSize<T>(), d);
        T empty{};
        in.AsHeld(empty);
        held = DynArray<T>::Sized(1, d);
        for (T& e : held.items) in.Field(e);
    }
};

// A group of such arrays.
template <class T, std::size_t N>
struct PerDiaphragmGroup {
    using IsFieldForm = void;
    std::array<DynArray<T>, N>& held;
    const std::int32_t& diaphragms;

    void WriteCurrent(Writer& out) const {
        for (DynArray<T>& a : held) out(PerDiaphragmValues<T>{a, diaphragms});
    }
    void ReadCurrent(Reader& in) const {
        for (DynArray<T>& a : held) PerDiaphragmValues<T>{a, diaphragms}.ReadCurrent(in);
    }
};

template <class T>
PerDiaphragmValues<T> PerDiaphragm(DynArray<T>& a, const std::int32_t& diaphragms) { return {a, diaphragms}; }
template <class T, std::size_t N>
PerDiaphragmGroup<T, N> PerDiaphragm(std::array<DynArray<T>, N>& a, const std::int32_t& diaphragms) {
    return {a, diaphragms};
}

// The diaphragm items of a story: items 1..D are written in their current form,
// so each of them needs its values 1..Count; items beyond D are dropped unchecked.
struct PerDiaphragmItems {
    using IsFieldForm = void;
    DynArray<StoryDiaphragmItem>& held;
    const std::int32_t& diaphragms;

    void WriteCurrent(Writer& out) const { out(PerDiaphragmValues<StoryDiaphragmItem>{held, diaphragms}); }
    // An item the held array lacked is written empty as held (its values without
    // storage) and is left out again; the items held are one run of 1..D.
    void ReadCurrent(Reader& in) const {
        const std::int32_t d = diaphragms < 0 ? 0 : diaphragms;
        in.ArrayHeader0(CurrentMinSize<StoryDiaphragmItem>(), d);
        StoryDiaphragmItem empty;
        in.AsHeld(empty);
        held = DynArray<StoryDiaphragmItem>::Sized(1, d);
        std::int32_t first = 0, last = 0;
        for (std::int32_t j = 1; j <= d; ++j) {
            const std::size_t at = in.Offset();
            in.Skip(6);  // Count, Word
            const bool asHeld = in.I16() == 0;
            in.Seek(at);
            StoryDiaphragmItem& item = held.items[std::size_t(j - 1)];
            if (asHeld) {
                in.AsHeld(item);
                continue;
            }
            in.Field(item);
            if (first != 0 && last != j - 1)
                in.FailAt(at, "diaphragm item " + std::to_string(j) + " follows an item written empty");
            if (first == 0) first = j;
            last = j;
        }
        if (first == 0) {
            held = {};
        } else if (first > 1 || last < d) {
            held.items.erase(held.items.begin() + last, held.items.end());
            held.items.erase(held.items.begin(), held.items.begin() + (first - 1));
            held.dims[0] = {std::uint32_t(last - first + 1), first};
        }
    }
    template <class C>
    void Check(C& c) const {
        for (std::int32_t j = 1; j <= diaphragms; ++j) {
            const StoryDiaphragmItem* item = held.Find(j);
            if (!item) continue;
            const std::string what = "diaphragm item " + std::to_string(j);
            if (item->Count < 0) c.Fail(what + ": negative element count " + std::to_string(item->Count));
            if (!item->Values.Holds(1, item->Count))
                c.Fail(what + ": the stored array lacks elements 1 to " + std::to_string(item->Count));
        }
    }
};
inline PerDiaphragmItems PerDiaphragm(DynArray<StoryDiaphragmItem>& a, const std::int32_t& diaphragms) {
    return {a, diaphragms};
}

// In memory, and in files above 7.985. S4 to S17 hold one element per diaphragm.
struct StoryRecord {
    std::string Name;
    Bytes<20> S1{};
    Bytes<8> S2{};
    std::int16_t S3 = 0;
    DynArray<std::int32_t> S4;
    DynArray<std::int32_t> S5;
    std::array<DynArray<double>, 11> S6ToS16;
    DynArray<StoryDiaphragmItem> S17;
    std::int16_t S18 = 0;
    std::int16_t S19 = 0;
    // Not in the files: the diaphragm count S4 to S17 are written for, taken
    // from the diaphragm table when the story is read.
    std::int32_t Diaphragms = 0;
};
template <class Io>
void fields(Io& io, StoryRecord& r) {
    io(r.Name, r.S1, r.S2, r.S3, PerDiaphragm(r.S4, r.Diaphragms), PerDiaphragm(r.S5, r.Diaphragms),
       PerDiaphragm(r.S6ToS16, r.Diaphragms), PerDiaphragm(r.S17, r.Diaphragms), r.S18, r.S19);
}

struct StoryData {
    Table<DiaphragmRecord> Diaphragm{"Diaphragm", Allocator::Object};
    // The count is the story count N; a table with N > 0 holds N + 1 records.
    Table<StoryRecord> Story{"Story", Allocator::Object};

    void Register(TableRegistry& reg) {
        reg.Add(Diaphragm);
        reg.Add(Story);
    }
};

}  // namespace kmd
