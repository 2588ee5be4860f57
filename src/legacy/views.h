// Legacy layouts of the view tables: window records, named views and database
// named views (read and dropped), and the developed elevation of old files.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "fileformat/encoding.h"

namespace kmd {

// Window records and named views: 494 bytes of view data up to 7.995, 510 up
// to 8.195, 512 above.
inline constexpr double kViewDataAUpTo = 7.995;
inline constexpr double kViewDataBUpTo = 8.195;
inline constexpr std::size_t kViewDataA = 494, kViewDataB = 510, kViewDataC = 512;

template <std::size_t N>
struct NamedViewLayout {
    std::int16_t Short1 = 0;
    std::string Name;
    Bytes<N> View{};
};
template <class Io, std::size_t N>
void fields(Io& io, NamedViewLayout<N>& r) { io(r.Short1, r.Name, r.View); }

// Database named views: files up to 7.005 have none; the record ends in 18
// bytes up to 7.025 and in 22 above.
inline constexpr double kNoDBNamedViewUpTo = 7.005;
inline constexpr double kDBNamedViewAUpTo = 7.025;

struct DBNamedViewItem {
    Bytes<8> Block{};
    DynArray<Bytes<8>> Entries;
};
template <class Io>
void fields(Io& io, DBNamedViewItem& r) { io(r.Block, r.Entries); }

template <std::size_t Tail>
struct DBNamedViewLayout {
    std::int16_t Short1 = 0;
    std::string Text1;
    std::string Text2;
    Bytes<20> Block1{};
    DynArray<DBNamedViewItem> Items;
    Bytes<Tail> Block2{};
};
template <class Io, std::size_t Tail>
void fields(Io& io, DBNamedViewLayout<Tail>& r) { io(r.Short1, r.Text1, r.Text2, r.Block1, r.Items, r.Block2); }

// The display-options record is in files above 8.005; files below 8.035 get
// O2 = -1.
inline constexpr double kNoDisplayOptionsUpTo = 8.005;
inline constexpr double kDisplayOptionsO2Below = 8.035;

// The developed elevation of files up to 7.985: its points are taken from the
// area it names (UpgradeDevElev, tables/views.cpp).
inline constexpr double kOldDevElevUpTo = 7.985;
struct OldDevElevRecord {
    std::string Name;
    std::int32_t K1 = 0;
    std::int16_t K2 = 0;
    std::int16_t K3 = 0;
    std::array<std::int32_t, 4> K4to7{};
    std::int32_t Area = 0;
    std::int16_t Unused1 = 0;
    Bytes<8> Unused2{};
    std::array<double, 3> K8to10{};
    std::array<std::int16_t, 4> K11to14{};
};
template <class Io>
void fields(Io& io, OldDevElevRecord& r) {
    io(r.Name, r.K1, r.K2, r.K3, r.K4to7, r.Area, r.Unused1, r.Unused2, r.K8to10, r.K11to14);
}

}  // namespace kmd
