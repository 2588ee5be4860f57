// Shell sections, deck data and link properties.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "fileformat/encoding.h"
#include "model/store.h"

namespace kmd {

struct ShellSectionRecord {
    std::string Name;
    Bytes<36> ShBlock1{};
    std::int16_t ShCode1 = 0;
    std::int32_t ShValue1 = 0;
    std::int32_t ShValue2 = 0;
    std::array<double, 10> ShFactors{};  // 1..10
    std::int16_t ShCode2 = 0;
    std::int16_t ShCode3 = 0;
    std::int32_t ShValue3 = 0;
};
template <class Io>
void fields(Io& io, ShellSectionRecord& r) {
    io(r.Name, r.ShBlock1, r.ShCode1, r.ShValue1, r.ShValue2, ZeroBased(r.ShFactors), r.ShCode2, r.ShCode3,
       r.ShValue3);
}

struct DeckRecord {
    std::string Name;
    std::string DeckText;
    std::int32_t DValue1 = 0;
    std::int16_t DCode1 = 0;
    Bytes<116> DBlock{};
};
template <class Io>
void fields(Io& io, DeckRecord& r) { io(r.Name, r.DeckText, r.DValue1, r.DCode1, r.DBlock); }

struct LinkPropertyRecord {
    std::string Name;
    std::int32_t LpValue1 = 0;
    std::int32_t LpValue2 = 0;
    std::int32_t LpValue3 = 0;
    std::array<double, 3> LpReals1{};
    std::int32_t LpValue4 = 0;
    std::int32_t LpValue5 = 0;
    std::int32_t LpValue6 = 0;
    std::int32_t LpValue7 = 0;
    std::int32_t LpValue8 = 0;
    std::int32_t LpValue9 = 0;
    std::array<double, 6> LpReals2{};
    std::array<double, 6> LpReals3{};
    std::array<double, 6> LpReals4{};
    std::array<double, 18> LpReals5{};
    std::array<double, 4> LpReals6{};
    std::array<std::int16_t, 6> LpFlags1{};  // booleans
    std::array<std::int16_t, 6> LpFlags2{};
    std::array<std::int32_t, 6> LpInts1{};
    std::array<std::int32_t, 6> LpInts2{};
    std::array<std::int32_t, 6> LpInts3{};
    std::array<double, 6> LpReals7{};
    std::int16_t LpCode1 = 0;
    std::int16_t LpCode2 = 0;
};
template <class Io>
void fields(Io& io, LinkPropertyRecord& r) {
    io(r.Name, r.LpValue1, r.LpValue2, r.LpValue3, ZeroBased(r.LpReals1), r.LpValue4, r.LpValue5, r.LpValue6,
       r.LpValue7, r.LpValue8, r.LpValue9, ZeroBased(r.LpReals2), ZeroBased(r.LpReals3), ZeroBased(r.LpReals4),
       ZeroBased(r.LpReals5), ZeroBased(r.LpReals6), ZeroBased(r.LpFlags1), ZeroBased(r.LpFlags2),
       ZeroBased(r.LpInts1), ZeroBased(r.LpInts2), ZeroBased(r.LpInts3), ZeroBased(r.LpReals7), r.LpCode1,
       r.LpCode2);
}

struct ShellPropertyData {
    Table<ShellSectionRecord> ShellSection{"ShellSection", Allocator::Table};
    Table<DeckRecord> DeckInfo{"DeckInfo", Allocator::Table};
    Table<LinkPropertyRecord> NLLinkProp{"NLLinkProp", Allocator::Table};

    void Register(TableRegistry& reg) {
        reg.Add(ShellSection);
        reg.Add(DeckInfo);
        reg.Add(NLLinkProp);
    }
};

}  // namespace kmd
