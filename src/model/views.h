// Developed elevations, time functions and the display-options record; the
// window records and named views of the legacy file are read and dropped
// (legacy/views.h).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "fileformat/encoding.h"
#include "model/store.h"

namespace kmd {

// Extra[0] carries no data: written as a dynamic array 0..3 whose element 0 is 0.
struct ExtraGroup {
    using IsFieldForm = void;
    std::array<double, 4>& held;
    void WriteCurrent(Writer& out) const {
        out.ArrayHeader0(3);
        out.F64(0.0);
        for (std::size_t i = 1; i < 4; ++i) out.F64(held[i]);
    }
    void ReadCurrent(Reader& in) const {
        in.ArrayHeader0(sizeof(double), 3);
        in.F64();
        held[0] = 0.0;
        for (std::size_t i = 1; i < 4; ++i) held[i] = in.F64();
    }
};

// E9 written as a dynamic array of 16-bit values 0..4, elements 1..4 holding it.
struct RepeatedE9 {
    using IsFieldForm = void;
    std::int16_t& held;
    void WriteCurrent(Writer& out) const {
        out.ArrayHeader0(4);
        out.I16(0);
        for (int i = 0; i < 4; ++i) out.I16(held);
    }
    // The model holds one value: four that differ cannot be kept.
    void ReadCurrent(Reader& in) const {
        in.ArrayHeader0(sizeof(std::int16_t), 4);
        in.I16();
        const std::size_t at = in.Offset();
        held = in.I16();
        for (int i = 1; i < 4; ++i)
            if (in.I16() != held) in.FailAt(at, "E9: the four elements differ");
    }
};

// PointsA and PointsB come before their count PointCount: read back with the
// bounds their headers give, and PointCount checked against them when it
// follows (PointCountAfter). Written and checked as Counted.
template <class T>
struct AheadOfCountForm {
    using IsFieldForm = void;
    DynArray<T>& held;
    std::int32_t& count;
    const char* what;

    CountedArray<T, std::int32_t&> Counted() const { return {held, count, what}; }
    template <class Checker>
    void Check(Checker& c) const { Counted().Check(c); }
    void WriteCurrent(Writer& out) const { Counted().WriteCurrent(out); }
    void ReadCurrent(Reader& in) const {
        const std::uint32_t upper = in.ArrayHeader0(CurrentMinSize<T>());
        ReadEmptyElement<T>(in);
        held = DynArray<T>::Sized(1, upper);
        for (T& e : held.items) in.Field(e);
    }
};

struct PointCountAfter {
    using IsFieldForm = void;
    std::int32_t& held;
    const DynArray<double>& pointsA;
    const DynArray<double>& pointsB;

    void WriteCurrent(Writer& out) const { out.I32(held); }
    void ReadCurrent(Reader& in) const {
        const std::size_t at = in.Offset();
        held = in.I32();
        if (held != pointsA.Upper() || held != pointsB.Upper())
            in.FailAt(at, "PointCount " + std::to_string(held) + " does not match the arrays before it (" +
                              std::to_string(pointsA.Upper()) + " and " + std::to_string(pointsB.Upper()) +
                              " elements)");
    }
};

// "DevElev"
struct DevElevRecord {
    std::int16_t E1 = 0;
    std::string Name;
    std::int32_t E2 = 0;
    std::int16_t E3 = 0;
    DynArray<double> PointsA;  // elements 1..PointCount
    DynArray<double> PointsB;  // elements 1..PointCount
    std::int32_t PointCount = 0;
    std::array<std::int32_t, 4> E4to7{};
    std::array<double, 4> Extra{};
    std::array<std::int16_t, 3> E8{};
    std::int16_t E9 = 0;
    // Not in the file: the import found the elevation's area or one of its
    // points missing and left the elevation without points.
    bool PointsDropped = false;
};
template <class Io>
void fields(Io& io, DevElevRecord& r) {
    io(r.E1, r.Name, r.E2, r.E3, AheadOfCountForm<double>{r.PointsA, r.PointCount, "PointsA"},
       AheadOfCountForm<double>{r.PointsB, r.PointCount, "PointsB"}, PointCountAfter{r.PointCount, r.PointsA, r.PointsB},
       r.E4to7, ExtraGroup{r.Extra}, NotWritten(r.E8), RepeatedE9{r.E9});
}

// "TimeFunction": the same in every version and in the current file.
struct TimeFunctionRecord {
    std::string Name;
    Bytes<34> Block{};
};
template <class Io>
void fields(Io& io, TimeFunctionRecord& r) { io(r.Name, r.Block); }

// A dynamic array the current file always writes with bounds 0..0 and one
// empty element, whatever it held.
template <class T>
struct EmptiedArray {
    using IsFieldForm = void;
    DynArray<T>& held;
    void WriteCurrent(Writer& out) const {
        out.ArrayHeader0(0);
        out.Field(T{});
    }
    void ReadCurrent(Reader& in) const {
        in.ArrayHeader0(sizeof(T), 0);
        in.Get<T>();
        held = {};
    }
};
template <class T>
EmptiedArray<T> Emptied(DynArray<T>& a) { return {a}; }

struct DisplayOptionsRecord {
    std::int16_t O1 = 0;
    std::int16_t O2 = 0;
    std::array<DynArray<double>, 3> Reals;
    DynArray<std::int16_t> Shorts;
    Bytes<60> Block{};
    std::array<DynArray<std::int32_t>, 6> Ints;
};
template <class Io>
void fields(Io& io, DisplayOptionsRecord& r) {
    io(r.O1, r.O2);
    for (auto& a : r.Reals) io(Emptied(a));
    io(Emptied(r.Shorts), r.Block);
    for (auto& a : r.Ints) io(Emptied(a));
}

struct ViewData {
    Table<DevElevRecord> DevElev{"DevElev", Allocator::Object};
    Table<TimeFunctionRecord> TimeFunction{"TimeFunction", Allocator::Table};
    DisplayOptionsRecord DisplayOptions;

    void Register(TableRegistry& reg) {
        reg.Add(DevElev);
        reg.Add(TimeFunction);
    }
};

}  // namespace kmd
