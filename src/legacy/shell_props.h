// Legacy layouts of ShellSection and DeckInfo. NLLinkProp has one layout in
// every version, the in-memory record.
#pragma once

#include <cstdint>
#include <string>

#include "fileformat/encoding.h"
#include "model/shell_props.h"

namespace kmd {

// ShellSection up to 7.255: no ShCode1, no factors.
struct ShellSectionSS1 {
    std::string Name;
    Bytes<36> ShBlock1{};
    std::int32_t ShValue1 = 0;
    std::int32_t ShValue2 = 0;
    std::int16_t ShCode2 = 0;
    std::int16_t ShCode3 = 0;
    std::int32_t ShValue3 = 0;
};
template <class Io>
void fields(Io& io, ShellSectionSS1& r) {
    io(r.Name, r.ShBlock1, r.ShValue1, r.ShValue2, r.ShCode2, r.ShCode3, r.ShValue3);
}

// ShellSection above 7.255 up to 8.005: no factors.
struct ShellSectionSS2 {
    std::string Name;
    Bytes<36> ShBlock1{};
    std::int16_t ShCode1 = 0;
    std::int32_t ShValue1 = 0;
    std::int32_t ShValue2 = 0;
    std::int16_t ShCode2 = 0;
    std::int16_t ShCode3 = 0;
    std::int32_t ShValue3 = 0;
};
template <class Io>
void fields(Io& io, ShellSectionSS2& r) {
    io(r.Name, r.ShBlock1, r.ShCode1, r.ShValue1, r.ShValue2, r.ShCode2, r.ShCode3, r.ShValue3);
}

// DeckInfo up to 9.145: no DeckText.
struct DeckRecordA {
    std::string Name;
    std::int32_t DValue1 = 0;
    std::int16_t DCode1 = 0;
    Bytes<116> DBlock{};
};
template <class Io>
void fields(Io& io, DeckRecordA& r) { io(r.Name, r.DValue1, r.DCode1, r.DBlock); }

// Every factor 1.0, for layouts that lack the factors or whose stored factors are not kept.
void SetDefaultShellFactors(ShellSectionRecord& r);

ShellSectionRecord ImportShellSectionSS1(ShellSectionSS1&& s);
ShellSectionRecord ImportShellSectionSS2(ShellSectionSS2&& s);
DeckRecord ImportDeckA(DeckRecordA&& d);

}  // namespace kmd
