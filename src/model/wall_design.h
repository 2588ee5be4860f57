// Shear wall design: pier and spandrel labels, the wall design preferences, the
// pier and spandrel section tables with their design data and envelopes, the
// wall design settings, and four lists only legacy files carry.
//
// The plain runs are never interpreted: they are held as bytes, and the
// conversions of older layouts move them as byte tables (legacy/wall_design.cpp).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "fileformat/encoding.h"
#include "model/output_tables.h"
#include "model/store.h"

namespace kmd {

// "WallPier"
struct WallPierRecord {
    std::string Label;
    Bytes<4> Data{};
};
template <class Io>
void fields(Io& io, WallPierRecord& r) { io(r.Label, r.Data); }

// "WallSpand"
struct WallSpandRecord {
    std::string Label;
    std::int16_t Short1 = 0;
    Bytes<4> Data{};
};
template <class Io>
void fields(Io& io, WallSpandRecord& r) { io(r.Label, r.Short1, r.Data); }

// The wall design preferences: a code name, then 492 bytes of plain values.
inline constexpr std::size_t kWallPreferenceBytes = 492;
struct WallPreferences {
    std::string CodeName;
    Bytes<kWallPreferenceBytes> Block{};
};
template <class Io>
void fields(Io& io, WallPreferences& r) { io(r.CodeName, r.Block); }

// A pier or spandrel section as held: leading run L0..L27 (its count n at
// L24..L27), two arrays, trailing run T0..T271.
struct WallSectionData {
    Bytes<28> Leading{};
    DynArray<std::int32_t> First;
    DynArray<std::int32_t> Second;
    Bytes<272> Trailing{};

    std::int32_t Count() const;
};
template <class Io>
void fields(Io& io, WallSectionData& r) { io(r.Leading, r.First, r.Second, r.Trailing); }

// The current file writes a section as a file record of its own: the leading
// 16-bit values and the 2-wide and 3 by 3 groups of the trailing run as arrays
// with bounds 0..k, the two arrays rebuilt with bounds 0..n.
struct WallSectionFileForm {
    using IsFieldForm = void;
    WallSectionData& held;

    template <class Checker>
    void Check(Checker& c) const {
        const std::int32_t n = held.Count();
        if (n < 0) c.Fail("wall section: negative element count " + std::to_string(n));
        if (!held.First.Holds(1, n) || !held.Second.Holds(1, n))
            c.Fail("wall section: a stored array lacks elements 1 to " + std::to_string(n));
    }
    void WriteCurrent(Writer& out) const;
    void ReadCurrent(Reader& in) const;
};

// "WallSections", "SpandrelSections"
struct WallSectionRecord {
    WallSectionData Data;
};
template <class Io>
void fields(Io& io, WallSectionRecord& r) { io(WallSectionFileForm{r.Data}); }

// The 26 arrays of a wall design data record, in record order.
struct WallDataArrays {
    std::array<DynArray<std::int32_t>, 2> Ints1;
    std::array<DynArray<double>, 12> Reals1;
    std::array<DynArray<std::int32_t>, 4> Ints2;
    std::array<DynArray<double>, 8> Reals2;
};
template <class Io>
void fields(Io& io, WallDataArrays& r) { io(r.Ints1, r.Reals1, r.Ints2, r.Reals2); }

// Head bytes 146..157 hold the counts C1, C2, C3 of the arrays the current file
// keeps: array 1 (C1), arrays 3, 11, 15, 19 (C2), arrays 7, 13, 17, 23 (C3),
// each rebuilt with bounds 0..its count from what the held array has (missing
// elements 0, a negative count unallocated). The other arrays are written
// unallocated.
inline constexpr std::size_t kWallDataHead = 158, kWallDataTail = 208;
struct WallDataArraysForm {
    using IsFieldForm = void;
    WallDataArrays& held;
    const Bytes<kWallDataHead>& head;

    std::int32_t CountAt(std::size_t at) const;
    template <class Checker>
    void Check(Checker& c) const {
        // The rebuilt arrays are filled with zeros where the held ones end: no
        // count may ask for more elements than the file has bytes.
        for (std::size_t at : {146u, 150u, 154u}) {
            const std::int32_t n = CountAt(at);
            if (n > 0 && std::uint64_t(n) > c.InputSize())
                c.Fail("wall design data: array count " + std::to_string(n) + " exceeds the size of the file");
        }
    }
    void WriteCurrent(Writer& out) const;
    void ReadCurrent(Reader& in) const;
};

// "WallData"
struct WallDataRecord {
    Bytes<kWallDataHead> Head{};
    WallDataArrays Arrays;
    Bytes<kWallDataTail> Tail{};
};
template <class Io>
void fields(Io& io, WallDataRecord& r) { io(r.Head, WallDataArraysForm{r.Arrays, r.Head}, r.Tail); }

// "WallEnvelopes": read and dropped in every layout (never written). The
// layout above 8.405 and up to 9.165 differs only in the length of the two
// runs of `Long` arrays of 8-byte values.
template <std::size_t Long>
struct WallEnvelopeBlock {
    Bytes<168> Block1{};
    std::array<DynArray<double>, 2> R1;
    std::array<DynArray<std::int32_t>, 4> I1;
    std::array<DynArray<double>, 16> R2;
    Bytes<44> Block2{};
    DynArray<std::int32_t> I2;
    std::array<DynArray<double>, 8> R3;
    DynArray<std::int32_t> I3;
    std::array<DynArray<double>, 8> R4;
    std::array<DynArray<std::int32_t>, 2> I4;
    std::array<DynArray<double>, 6> R5;
    std::array<DynArray<std::int32_t>, 3> I5;
    std::array<DynArray<double>, Long> R6;
    std::array<DynArray<std::int32_t>, 3> I6;
    std::array<DynArray<double>, Long> R7;
    DynArray<std::int32_t> I7;
    std::array<DynArray<std::int16_t>, 3> S1;
    DynArray<std::int32_t> I8;
    std::array<DynArray<double>, 3> R8;
    DynArray<std::int16_t> S2;
    DynArray<double> R9;
    DynArray<std::int32_t> I9;
    std::array<DynArray<double>, 7> R10;
    std::array<DynArray<std::int16_t>, 2> S3;
    DynArray<std::int32_t> I10;
    std::array<DynArray<std::int16_t>, 2> S4;
    std::array<DynArray<double>, 4> R11;
    DynArray<std::int16_t> S5;
    Bytes<16> Block3{};
    std::array<DynArray<std::int32_t>, 5> I11;
    Bytes<4> Block4{};
    std::array<DynArray<std::int32_t>, 6> I12;
};
template <class Io, std::size_t Long>
void fields(Io& io, WallEnvelopeBlock<Long>& r) {
    io(r.Block1, r.R1, r.I1, r.R2, r.Block2, r.I2, r.R3, r.I3, r.R4, r.I4, r.R5, r.I5, r.R6, r.I6, r.R7, r.I7,
       r.S1, r.I8, r.R8, r.S2, r.R9, r.I9, r.R10, r.S3, r.I10, r.S4, r.R11, r.S5, r.Block3, r.I11, r.Block4, r.I12);
}
struct WallEnvelopeRecord : WallEnvelopeBlock<17> {};

// "SpandrelData"
struct SpandrelDataRecord {
    Bytes<194> Data{};
};
template <class Io>
void fields(Io& io, SpandrelDataRecord& r) { io(r.Data); }

// "SpandrelEnvelopes": read from the newest layout and kept, never written.
struct SpandrelEnvelopeRecord {
    Bytes<212> Data{};
};
template <class Io>
void fields(Io& io, SpandrelEnvelopeRecord& r) { io(r.Data); }

// The second wall design record. Each array is written with bounds 0..the
// 32-bit count before it (arrays 3 and 4 share one count).
struct WallDesignSettings {
    Bytes<34> Leading{};
    std::int32_t Count1 = 0;
    DynArray<std::int32_t> Array1;
    std::int32_t Count2 = 0;
    DynArray<std::int32_t> Array2;
    Bytes<8> Run3{};
    std::int32_t Count3 = 0;
    DynArray<std::int32_t> Array3;
    DynArray<double> Array4;
    Bytes<8> Run4{};
    std::int32_t Count5 = 0;
    DynArray<std::int32_t> Array5;
    Bytes<28> Trailing{};
};
template <class Io>
void fields(Io& io, WallDesignSettings& r) {
    io(r.Leading, r.Count1, Counted(r.Array1, r.Count1, "settings array 1"), r.Count2,
       Counted(r.Array2, r.Count2, "settings array 2"), r.Run3, r.Count3, Counted(r.Array3, r.Count3, "settings array 3"),
       Counted(r.Array4, r.Count3, "settings array 4"), r.Run4, r.Count5,
       Counted(r.Array5, r.Count5, "settings array 5"), r.Trailing);
}

// The defaults for a model of `stories` stories.
WallDesignSettings ResetWallDesignSettings(std::int32_t stories);

// The four legacy-only lists, read and kept (bounds 1..count), never written.
struct WallLegacyList1Record {
    Bytes<12> Block1{};
    std::array<DynArray<double>, 8> Reals;
    Bytes<4> Block2{};
    DynArray<std::int32_t> Ints;
};
template <class Io>
void fields(Io& io, WallLegacyList1Record& r) { io(r.Block1, r.Reals, r.Block2, r.Ints); }

struct WallLegacyList2Record {
    Bytes<12> Block{};
    DynArray<std::int32_t> Ints1;
    std::array<DynArray<double>, 7> Reals;
    DynArray<std::int32_t> Ints2;
};
template <class Io>
void fields(Io& io, WallLegacyList2Record& r) { io(r.Block, r.Ints1, r.Reals, r.Ints2); }

struct WallLegacyList3Record {
    Bytes<12> Block{};
    std::array<DynArray<double>, 7> Reals;
    DynArray<std::int32_t> Ints;
};
template <class Io>
void fields(Io& io, WallLegacyList3Record& r) { io(r.Block, r.Reals, r.Ints); }

struct WallLegacyList4Record {
    Bytes<28> Block1{};
    DynArray<std::int32_t> Ints;
    std::array<DynArray<double>, 3> Reals;
    Bytes<4> Block2{};
};
template <class Io>
void fields(Io& io, WallLegacyList4Record& r) { io(r.Block1, r.Ints, r.Reals, r.Block2); }

struct WallDesignData {
    Table<WallPierRecord> WallPier{"WallPier", Allocator::Table};
    Table<WallSpandRecord> WallSpand{"WallSpand", Allocator::Table};
    WallPreferences Preferences;
    std::int16_t EnvelopesPresent = 0;
    std::int16_t DesignDataPresent = 0;
    Table<WallSectionRecord> WallSections{"WallSections", Allocator::Table};
    Table<WallDataRecord> WallData{"WallData", Allocator::Output};
    Table<WallSectionRecord> SpandrelSections{"SpandrelSections", Allocator::Table};
    Table<SpandrelDataRecord> SpandrelData{"SpandrelData", Allocator::Output};
    Grid<SpandrelEnvelopeRecord> SpandrelEnvelopes{"SpandrelEnvelopes"};
    WallDesignSettings Settings;
    DynArray<WallLegacyList1Record> List1;
    DynArray<WallLegacyList2Record> List2;
    DynArray<WallLegacyList3Record> List3;
    DynArray<WallLegacyList4Record> List4;

    void Register(TableRegistry& reg, OutputRegistry& outputs) {
        reg.Add(WallPier);
        reg.Add(WallSpand);
        reg.Add(WallSections);
        reg.Add(SpandrelSections);
        outputs.Add(WallData);
        outputs.Add(SpandrelData);
        outputs.Add(SpandrelEnvelopes);
    }
};

}  // namespace kmd
