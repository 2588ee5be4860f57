// Project information and preferences: the first section of both files.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

#include "fileformat/encoding.h"
#include "model/store.h"

namespace kmd {

// A fixed group whose element 0 is held but carries no data: written as a
// dynamic array with bounds 0..N-1 whose element 0 is empty.
template <class T, std::size_t N>
struct ZeroBasedInPlaceGroup {
    using IsFieldForm = void;
    std::array<T, N>& held;

    void WriteCurrent(Writer& out) const {
        out.ArrayHeader0(N - 1);
        out.AsHeld(T{});
        out.WriteElements(std::span<const T>(held).subspan(1));
    }
    // Element 0 keeps what it holds.
    void ReadCurrent(Reader& in) const {
        in.ArrayHeader0(CurrentMinSize<T>(), N - 1);
        T empty{};
        in.AsHeld(empty);
        for (std::size_t k = 1; k < N; ++k) in.Field(held[k]);
    }
};
template <class T, std::size_t N>
ZeroBasedInPlaceGroup<T, N> ZeroBasedInPlace(std::array<T, N>& a) { return {a}; }

// Reals rebuilt with bounds 0..the held upper bound: element 0 empty, elements
// 1..upper taken by subscript, so the held array needs them. An array without
// storage is written 0..0; one with storage but no element at index 0 or above
// is written with no elements (count 0, lower bound 0).
struct RealsRebuiltToUpper {
    using IsFieldForm = void;
    DynArray<double>& held;
    const char* what;

    std::int64_t Upper() const {
        if (!held.HasStorage()) return 0;
        return held.Upper() < 0 ? -1 : held.Upper();
    }
    template <class C>
    void Check(C& c) const {
        if (Upper() >= 0 && !held.Holds(1, Upper()))
            c.Fail(std::string(what) + ": the stored array lacks elements 1 to " + std::to_string(Upper()));
    }
    void WriteCurrent(Writer& out) const {
        const std::int64_t upper = Upper();
        if (upper < 0) {
            out(std::int16_t(1), std::uint32_t(0), std::int32_t(0));
            return;
        }
        if (!held.Holds(1, upper)) throw std::logic_error(std::string(what) + ": written without the record check");
        out.ArrayHeader0(std::uint64_t(upper));
        out.Field(0.0);
        if (upper > 0) out.WriteElements(std::span<const double>(held.Find(1), std::size_t(upper)));
    }
    // Read back with bounds 1..upper, or with storage and no elements (0..-1).
    void ReadCurrent(Reader& in) const {
        const std::size_t at = in.Offset();
        const auto ndims = in.Get<std::int16_t>();
        const auto count = in.Get<std::uint32_t>();
        const auto lower = in.Get<std::int32_t>();
        if (ndims != 1 || lower != 0)
            in.FailAt(at, std::string(what) + ": expected an array with bounds 0 to n");
        if (count == 0) {
            held = DynArray<double>::Sized(0, -1);
            return;
        }
        in.CheckCount(count, sizeof(double), "array length");
        double empty = 0;
        in.Field(empty);
        held = DynArray<double>::Sized(1, std::int64_t(count) - 1);
        for (double& e : held.items) in.Field(e);
    }
};
inline RealsRebuiltToUpper RebuiltToUpper(DynArray<double>& a, const char* what) { return {a, what}; }

struct ModelUnitCodes {
    std::int32_t UnitSystem = 3;  // model unit-system code, 1..16
    std::int32_t SecondCode = 3;
};
template <class Io>
void fields(Io& io, ModelUnitCodes& r) { io(r.UnitSystem, r.SecondCode); }

struct ProjectInfoItem {
    std::string Text1;
    std::string Text2;
};
template <class Io>
void fields(Io& io, ProjectInfoItem& r) { io(r.Text1, r.Text2); }

struct ProjectInformation {
    std::array<std::string, 13> Texts;
    std::int32_t ItemCount = 0;
    DynArray<ProjectInfoItem> Items;
};
template <class Io>
void fields(Io& io, ProjectInformation& r) {
    io(r.Texts, r.ItemCount, Counted(r.Items, r.ItemCount, "project information items"));
}

// A counted list of names inside a StandardRecord.
struct StandardList {
    std::int32_t Count = 0;
    DynArray<std::string> Names;
};
template <class Io>
void fields(Io& io, StandardList& r) { io(r.Count, Counted(r.Names, r.Count, "name list")); }

struct StandardRecord {
    std::int16_t Word1 = 0;
    std::string Text1;
    Bytes<8> Block1{};
    std::string Text2;
    Bytes<12> Block2{};
    std::array<std::string, 6> Texts;
    std::array<StandardList, 3> Lists;
};
template <class Io>
void fields(Io& io, StandardRecord& r) {
    io(r.Word1, r.Text1, r.Block1, r.Text2, r.Block2, r.Texts, r.Lists);
}

// P1 to P14 of the preferences record: the part every legacy layout shares.
struct PreferencesHead {
    std::array<std::int32_t, 7> P1{};  // index 0 carries no data
    std::array<std::int32_t, 6> P2{};
    std::array<std::int32_t, 2> P3{};
    std::array<std::int16_t, 3> P4{};
    std::int16_t P5 = 0;
    std::int32_t P6 = 0;
    std::array<std::int16_t, 3> P7{};
    std::array<std::int32_t, 3> P8{};
    std::int16_t P9 = 0;
    std::array<std::int32_t, 5> P10{};
    std::int16_t P11 = 0;
    std::array<std::int32_t, 4> P12{};
    std::int16_t P13 = 0;
    std::int32_t P14Value1 = 0;
    std::int16_t P14Word2 = 0;
    std::int16_t P14Word3 = 0;
    std::int32_t P14Value4 = 0;
    std::int32_t P14Value5 = 0;
    std::int16_t P14Word6 = 0;
};
template <class Io>
void fields(Io& io, PreferencesHead& r) {
    io(ZeroBasedInPlace(r.P1), r.P2, r.P3, ZeroBased(r.P4), r.P5, r.P6, ZeroBased(r.P7), ZeroBased(r.P8), r.P9,
       r.P10, r.P11, r.P12, r.P13, r.P14Value1, r.P14Word2, r.P14Word3, r.P14Value4, r.P14Value5, r.P14Word6);
}

// In memory and in files above 8.045.
struct PreferencesRecord {
    PreferencesHead Head;
    std::int16_t P15 = 0;
    std::int16_t P16 = 0;
    std::string P17;
    std::int16_t P18 = 0;
    std::int16_t P19 = 0;
    std::int16_t P20 = 0;
};
template <class Io>
void fields(Io& io, PreferencesRecord& r) { io(r.Head, r.P15, r.P16, r.P17, r.P18, r.P19, r.P20); }

using ParameterBlock = Bytes<172>;

struct ListRecord {
    std::int32_t Count = 0;
    Bytes<8> Block{};
    DynArray<std::int32_t> Values;
};
template <class Io>
void fields(Io& io, ListRecord& r) { io(r.Count, r.Block, Counted(r.Values, r.Count, "list values")); }

struct SeriesRecord {
    std::int32_t Count = 0;
    DynArray<double> Reals;
    DynArray<std::int32_t> Values;
    Bytes<8> Block{};
};
template <class Io>
void fields(Io& io, SeriesRecord& r) {
    io(r.Count, Counted(r.Reals, r.Count, "series reals"), Counted(r.Values, r.Count, "series values"), r.Block);
}

struct OptionRecord {
    Bytes<6> Block{};
    std::int32_t Value = 0;
};
template <class Io>
void fields(Io& io, OptionRecord& r) { io(r.Block, r.Value); }

struct FontRecord {
    std::array<std::int16_t, 6> Words{};    // the first and fourth are never taken from a file
    std::array<std::int32_t, 2> Values{};
    std::array<std::int16_t, 3> Flags{};
    std::string FontName;
    std::array<std::int16_t, 7> Trailing{};
};
template <class Io>
void fields(Io& io, FontRecord& r) { io(r.Words, r.Values, r.Flags, r.FontName, r.Trailing); }

struct ExtendedItem {
    std::int32_t Value = 0;
    DynArray<double> Reals1;  // written with the bounds it was read with
    DynArray<double> Reals2;
    Bytes<8> Block{};
};
template <class Io>
void fields(Io& io, ExtendedItem& r) { io(r.Value, r.Reals1, r.Reals2, r.Block); }

struct ExtendedRecord {
    Bytes<36> Block{};
    DynArray<double> Reals;
    std::array<std::int16_t, 3> Words{};
    std::array<std::int32_t, 2> Values{};
    std::int32_t ItemCount = 0;
    DynArray<ExtendedItem> Items;
    std::int32_t PairCount = 0;
    DynArray<std::int32_t> PairValues;
    DynArray<double> PairReals;
};
template <class Io>
void fields(Io& io, ExtendedRecord& r) {
    io(r.Block, RebuiltToUpper(r.Reals, "reals"), r.Words, r.Values, r.ItemCount,
       Counted(r.Items, r.ItemCount, "items"), r.PairCount, Counted(r.PairValues, r.PairCount, "pair values"),
       Counted(r.PairReals, r.PairCount, "pair reals"));
}

struct ProjectData {
    ModelUnitCodes UnitCodes;
    ProjectInformation Info;
    Table<StandardRecord> Standard{"Standard", Allocator::Table};
    PreferencesRecord Preferences;
    std::string ProjectText;
    Bytes<68> SettingsBlock{};
    std::int32_t SettingsFlag = 0;
    std::array<ParameterBlock, 4> Parameters{};  // ParameterBlock 1..4
    std::array<ListRecord, 4> Lists;             // ListRecord 1..4
    std::array<SeriesRecord, 4> Series;          // SeriesRecord 1..4
    OptionRecord Option;
    Bytes<52> OptionBlock{};
    FontRecord Font;
    ExtendedRecord Extended;

    void Register(TableRegistry& reg) { reg.Add(Standard); }
};

}  // namespace kmd
