// Legacy layouts of the shear wall design block: the preferences in eight older
// layouts, the pier design data in six, the spandrel design data in three, the
// section, envelope and settings records of older files, and the older layout
// of the first legacy list.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "fileformat/encoding.h"
#include "model/wall_design.h"

namespace kmd {

// Preferences: the code name, then a block whose bytes the import moves into
// the current block (the rest stay 0).
template <std::size_t N>
struct WallPreferencesBlock {
    std::string CodeName;
    Bytes<N> Block{};
};
template <class Io, std::size_t N>
void fields(Io& io, WallPreferencesBlock<N>& r) { io(r.CodeName, r.Block); }

inline constexpr double kWallPreferencesAUpTo = 7.985;
struct WallPreferencesA : WallPreferencesBlock<92> {};
inline constexpr double kWallPreferencesBUpTo = 8.275;
struct WallPreferencesB : WallPreferencesBlock<100> {};
inline constexpr double kWallPreferencesCUpTo = 8.285;
struct WallPreferencesC : WallPreferencesBlock<120> {};
inline constexpr double kWallPreferencesDUpTo = 8.295;
struct WallPreferencesD : WallPreferencesBlock<148> {};
inline constexpr double kWallPreferencesEUpTo = 8.395;
struct WallPreferencesE : WallPreferencesBlock<150> {};
inline constexpr double kWallPreferencesFUpTo = 8.515;
struct WallPreferencesF : WallPreferencesBlock<128> {};
inline constexpr double kWallPreferencesGUpTo = 8.895;
struct WallPreferencesG : WallPreferencesBlock<144> {};
inline constexpr double kWallPreferencesHUpTo = 9.165;
struct WallPreferencesH : WallPreferencesBlock<344> {};

WallPreferences ImportWallPreferencesA(WallPreferencesA&& a);
WallPreferences ImportWallPreferencesB(WallPreferencesB&& b);
WallPreferences ImportWallPreferencesC(WallPreferencesC&& c);
WallPreferences ImportWallPreferencesD(WallPreferencesD&& d);
WallPreferences ImportWallPreferencesE(WallPreferencesE&& e);
WallPreferences ImportWallPreferencesF(WallPreferencesF&& f);
WallPreferences ImportWallPreferencesG(WallPreferencesG&& g);
WallPreferences ImportWallPreferencesH(WallPreferencesH&& h);

// Section records of files up to 8.435: read and dropped (the table record
// stays all zero).
template <std::size_t Lead, std::size_t Trail>
struct WallSectionParts {
    Bytes<Lead> Leading{};
    DynArray<std::int32_t> First;
    DynArray<std::int32_t> Second;
    Bytes<Trail> Trailing{};
};
template <class Io, std::size_t Lead, std::size_t Trail>
void fields(Io& io, WallSectionParts<Lead, Trail>& r) { io(r.Leading, r.First, r.Second, r.Trailing); }

inline constexpr double kWallSectionAUpTo = 7.995;
struct WallSectionA : WallSectionParts<20, 180> {};
inline constexpr double kWallSectionBUpTo = 8.435;
struct WallSectionB : WallSectionParts<28, 256> {};

WallSectionRecord DropWallSectionA(WallSectionA&&);
WallSectionRecord DropWallSectionB(WallSectionB&&);

// Pier design data: a head, two arrays of 4-byte values, `Reals` arrays of
// 8-byte values, a tail.
template <std::size_t Head, std::size_t Reals, std::size_t Tail>
struct WallDataParts {
    Bytes<Head> Head_{};
    std::array<DynArray<std::int32_t>, 2> Ints;
    std::array<DynArray<double>, Reals> Reals_;
    Bytes<Tail> Tail_{};
};
template <class Io, std::size_t Head, std::size_t Reals, std::size_t Tail>
void fields(Io& io, WallDataParts<Head, Reals, Tail>& r) { io(r.Head_, r.Ints, r.Reals_, r.Tail_); }

inline constexpr double kWallDataAUpTo = 7.985;
struct WallDataA {
    Bytes<286> Block{};
};
template <class Io>
void fields(Io& io, WallDataA& r) { io(r.Block); }
inline constexpr double kWallDataBUpTo = 8.1905;
struct WallDataB : WallDataParts<130, 12, 184> {};
inline constexpr double kWallDataCUpTo = 8.275;
struct WallDataC : WallDataParts<134, 12, 184> {};
inline constexpr double kWallDataDUpTo = 8.285;
struct WallDataD : WallDataParts<140, 12, 178> {};
inline constexpr double kWallDataEUpTo = 8.295;
struct WallDataE : WallDataParts<158, 20, 218> {};
inline constexpr double kWallDataFUpTo = 8.395;
struct WallDataF : WallDataParts<158, 20, 222> {};

// The oldest layout takes two lengths from the unit system's default length.
WallDataRecord ImportWallDataA(WallDataA&& a, double defaultLength);
WallDataRecord ImportWallDataB(WallDataB&& b);
WallDataRecord ImportWallDataC(WallDataC&& c);
WallDataRecord ImportWallDataD(WallDataD&& d);
WallDataRecord ImportWallDataE(WallDataE&& e);
WallDataRecord ImportWallDataF(WallDataF&& f);

// Spandrel design data: plain blocks.
template <std::size_t N>
struct SpandrelDataBlock {
    Bytes<N> Data{};
};
template <class Io, std::size_t N>
void fields(Io& io, SpandrelDataBlock<N>& r) { io(r.Data); }

inline constexpr double kSpandrelDataAUpTo = 8.1905;
struct SpandrelDataA : SpandrelDataBlock<182> {};
inline constexpr double kSpandrelDataBUpTo = 8.275;
struct SpandrelDataB : SpandrelDataBlock<186> {};
inline constexpr double kSpandrelDataCUpTo = 8.395;
struct SpandrelDataC : SpandrelDataBlock<218> {};

SpandrelDataRecord ImportSpandrelDataA(SpandrelDataA&& a);
SpandrelDataRecord ImportSpandrelDataB(SpandrelDataB&& b);
SpandrelDataRecord ImportSpandrelDataC(SpandrelDataC&& c);

// Envelope records of files up to 9.165: read and dropped.
template <std::size_t N>
struct RawEnvelope {
    Bytes<N> Data{};
};
template <class Io, std::size_t N>
void fields(Io& io, RawEnvelope<N>& r) { io(r.Data); }

inline constexpr double kWallEnvelopeAUpTo = 7.085;
struct WallEnvelopeA : RawEnvelope<472> {};
inline constexpr double kWallEnvelopeBUpTo = 7.135;
struct WallEnvelopeB : RawEnvelope<504> {};
inline constexpr double kWallEnvelopeCUpTo = 7.995;
struct WallEnvelopeC : RawEnvelope<536> {};
inline constexpr double kWallEnvelopeDUpTo = 8.275;
struct WallEnvelopeD {
    Bytes<168> Block1{};
    DynArray<std::int32_t> I1;
    std::array<DynArray<double>, 8> R1;
    Bytes<84> Block2{};
    DynArray<double> R2;
    Bytes<12> Block3{};
    DynArray<std::int32_t> I2;
    Bytes<4> Block4{};
    std::array<DynArray<std::int32_t>, 2> I3;
    std::array<DynArray<double>, 6> R3;
    Bytes<132> Block5{};
};
template <class Io>
void fields(Io& io, WallEnvelopeD& r) {
    io(r.Block1, r.I1, r.R1, r.Block2, r.R2, r.Block3, r.I2, r.Block4, r.I3, r.R3, r.Block5);
}
inline constexpr double kWallEnvelopeEUpTo = 8.405;
struct WallEnvelopeE {
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
    std::array<DynArray<double>, 11> R6;
    std::array<DynArray<std::int32_t>, 3> I6;
    std::array<DynArray<double>, 11> R7;
    Bytes<16> Block3{};
    std::array<DynArray<std::int32_t>, 5> I7;
    Bytes<4> Block4{};
    std::array<DynArray<std::int32_t>, 4> I8;
};
template <class Io>
void fields(Io& io, WallEnvelopeE& r) {
    io(r.Block1, r.R1, r.I1, r.R2, r.Block2, r.I2, r.R3, r.I3, r.R4, r.I4, r.R5, r.I5, r.R6, r.I6, r.R7, r.Block3,
       r.I7, r.Block4, r.I8);
}
inline constexpr double kWallEnvelopeFUpTo = 9.165;
struct WallEnvelopeF : WallEnvelopeBlock<11> {};

template <class Legacy>
WallEnvelopeRecord DropWallEnvelope(Legacy&&) { return {}; }

inline constexpr double kSpandrelEnvelopeAUpTo = 7.085;
struct SpandrelEnvelopeA : RawEnvelope<148> {};
inline constexpr double kSpandrelEnvelopeBUpTo = 7.135;
struct SpandrelEnvelopeB : RawEnvelope<156> {};
inline constexpr double kSpandrelEnvelopeCUpTo = 9.165;
struct SpandrelEnvelopeC : RawEnvelope<164> {};

template <class Legacy>
SpandrelEnvelopeRecord DropSpandrelEnvelope(Legacy&&) { return {}; }

// Settings: files up to 8.305 have none; up to 8.335 a record read and dropped;
// the newer layouts are leading parts of the current record.
inline constexpr double kNoWallSettingsUpTo = 8.305;
inline constexpr double kWallSettingsAUpTo = 8.335;
struct WallSettingsA {
    Bytes<46> Block{};
    DynArray<std::int32_t> Array;
};
template <class Io>
void fields(Io& io, WallSettingsA& r) { io(r.Block, r.Array); }

inline constexpr double kWallSettingsBUpTo = 8.375;
struct WallSettingsB {
    Bytes<34> Leading{};
    std::int32_t Count1 = 0;
    DynArray<std::int32_t> Array1;
    std::int32_t Count2 = 0;
    DynArray<std::int32_t> Array2;
};
template <class Io>
void fields(Io& io, WallSettingsB& r) { io(r.Leading, r.Count1, r.Array1, r.Count2, r.Array2); }

inline constexpr double kWallSettingsCUpTo = 9.725;
struct WallSettingsC : WallSettingsB {
    Bytes<8> Run3{};
    std::int32_t Count3 = 0;
    DynArray<std::int32_t> Array3;
    DynArray<double> Array4;
};
template <class Io>
void fields(Io& io, WallSettingsC& r) {
    fields(io, static_cast<WallSettingsB&>(r));
    io(r.Run3, r.Count3, r.Array3, r.Array4);
}

inline constexpr double kWallSettingsDUpTo = 9.735;
struct WallSettingsD : WallSettingsC {
    Bytes<8> Run4{};
    std::int32_t Count5 = 0;
    DynArray<std::int32_t> Array5;
    Bytes<20> Trailing{};
};
template <class Io>
void fields(Io& io, WallSettingsD& r) {
    fields(io, static_cast<WallSettingsC&>(r));
    io(r.Run4, r.Count5, r.Array5, r.Trailing);
}

// Copied over the defaults of a model of `stories` stories.
WallDesignSettings ImportWallSettingsA(WallSettingsA&& a, std::int32_t stories);
WallDesignSettings ImportWallSettingsB(WallSettingsB&& b, std::int32_t stories);
WallDesignSettings ImportWallSettingsC(WallSettingsC&& c, std::int32_t stories);
WallDesignSettings ImportWallSettingsD(WallSettingsD&& d, std::int32_t stories);

// The first legacy list, files up to 8.375: read and dropped.
inline constexpr double kWallList1AUpTo = 8.375;
struct WallLegacyList1A {
    Bytes<12> Block{};
    std::array<DynArray<double>, 5> Reals;
    DynArray<std::int32_t> Ints;
};
template <class Io>
void fields(Io& io, WallLegacyList1A& r) { io(r.Block, r.Reals, r.Ints); }

// Envelopes of files below 8.275 are never kept; files up to 9.125 lack the
// 16-bit value after the spandrel block.
inline constexpr double kWallEnvelopesFrom = 8.275;
inline constexpr double kNoWallValueUpTo = 9.125;

// The legacy lists are absent from files up to 8.315, the fourth up to 8.325.
inline constexpr double kNoWallListsUpTo = 8.315;
inline constexpr double kNoWallList4UpTo = 8.325;

}  // namespace kmd
