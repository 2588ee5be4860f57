// Legacy layouts of ShellSection and DeckInfo. NLLinkProp has one layout in
// every version, the in-memory record.
#pragma once

#include <cstdint>
#include <string>

#include "fileformat/encoding.h"
#include "model/shell_props.h"

namespace kmd {

// "ShellSection" up to 7.255: no ShCode1, no factors.
inline constexpr double kShellSectionSS1UpTo = 7.255;

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

// "ShellSection" up to 8.005: no factors.
inline constexpr double kShellSectionSS2UpTo = 8.005;

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

// "ShellSection" up to 8.025: the current record, its stored factors not kept.
inline constexpr double kShellSectionSS3UpTo = 8.025;

using ShellSectionSS3 = ShellSectionRecord;

// "DeckInfo" up to 9.145: no DeckText.
inline constexpr double kDeckAUpTo = 9.145;

struct DeckRecordA {
    std::string Name;
    std::int32_t DValue1 = 0;
    std::int16_t DCode1 = 0;
    Bytes<116> DBlock{};
};
template <class Io>
void fields(Io& io, DeckRecordA& r) { io(r.Name, r.DValue1, r.DCode1, r.DBlock); }

// Every factor is 1.0.
ShellSectionRecord ImportShellSectionSS1(ShellSectionSS1&& s);
ShellSectionRecord ImportShellSectionSS2(ShellSectionSS2&& s);
ShellSectionRecord ImportShellSectionSS3(ShellSectionSS3&& s);
DeckRecord ImportDeckA(DeckRecordA&& d);

}  // namespace kmd
