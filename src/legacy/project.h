// Legacy layouts of the project section and their import conversions.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "fileformat/encoding.h"
#include "model/project.h"

namespace kmd {

// Project information of files up to 8.005: read and dropped.
struct OldProjectInformation {
    std::string Text1;
    std::string Text2;
};
template <class Io>
void fields(Io& io, OldProjectInformation& r) { io(r.Text1, r.Text2); }

// Preferences up to 7.025: no P15, nothing after P17.
struct PreferencesA {
    PreferencesHead Head;
    std::int16_t P16 = 0;
    std::string P17;
};
template <class Io>
void fields(Io& io, PreferencesA& r) { io(r.Head, r.P16, r.P17); }

// Preferences above 7.025 and up to 7.985: P1 to P17.
struct PreferencesB {
    PreferencesHead Head;
    std::int16_t P15 = 0;
    std::int16_t P16 = 0;
    std::string P17;
};
template <class Io>
void fields(Io& io, PreferencesB& r) { io(r.Head, r.P15, r.P16, r.P17); }

// Preferences above 7.985 and up to 8.045: P1 to P19.
struct PreferencesC {
    PreferencesHead Head;
    std::int16_t P15 = 0;
    std::int16_t P16 = 0;
    std::string P17;
    std::int16_t P18 = 0;
    std::int16_t P19 = 0;
};
template <class Io>
void fields(Io& io, PreferencesC& r) { io(r.Head, r.P15, r.P16, r.P17, r.P18, r.P19); }

PreferencesRecord ImportPreferencesA(const PreferencesA& a);
PreferencesRecord ImportPreferencesB(const PreferencesB& b);
PreferencesRecord ImportPreferencesC(const PreferencesC& c);

// Parameter blocks of 84 bytes (up to 7.985) and 100 bytes (up to 8.065), widened
// into the 172-byte block; words the short block lacks keep their values.
void WidenParameterBlock84(const Bytes<84>& from, ParameterBlock& to);
void WidenParameterBlock100(const Bytes<100>& from, ParameterBlock& to);

// Font record up to 8.005: six 16-bit and two 32-bit values.
struct FontRecordA {
    std::array<std::int16_t, 6> Words{};
    std::array<std::int32_t, 2> Values{};
};
template <class Io>
void fields(Io& io, FontRecordA& r) { io(r.Words, r.Values); }

// Above 8.005 and up to 8.065: plus the first flag.
struct FontRecordB {
    std::array<std::int16_t, 6> Words{};
    std::array<std::int32_t, 2> Values{};
    std::int16_t Flag1 = 0;
};
template <class Io>
void fields(Io& io, FontRecordB& r) { io(r.Words, r.Values, r.Flag1); }

// Above 8.065 and up to 8.105: all three flags, no font name.
struct FontRecordC {
    std::array<std::int16_t, 6> Words{};
    std::array<std::int32_t, 2> Values{};
    std::array<std::int16_t, 3> Flags{};
};
template <class Io>
void fields(Io& io, FontRecordC& r) { io(r.Words, r.Values, r.Flags); }

// Above 8.105 and up to 8.905: the current record with four trailing values.
struct FontRecordD {
    std::array<std::int16_t, 6> Words{};
    std::array<std::int32_t, 2> Values{};
    std::array<std::int16_t, 3> Flags{};
    std::string FontName;
    std::array<std::int16_t, 4> Trailing{};
};
template <class Io>
void fields(Io& io, FontRecordD& r) { io(r.Words, r.Values, r.Flags, r.FontName, r.Trailing); }

// Each overlays what its layout holds on `r`; other fields keep their values.
void ImportFontA(const FontRecordA& a, FontRecord& r);
void ImportFontB(const FontRecordB& b, FontRecord& r);
void ImportFontC(const FontRecordC& c, FontRecord& r);
void ImportFontD(const FontRecordD& d, FontRecord& r);

// Extended record up to 7.985 (46 bytes).
struct ExtendedRecordA {
    Bytes<36> Block{};
    std::array<std::int16_t, 3> Words{};
    std::int32_t Value1 = 0;
};
template <class Io>
void fields(Io& io, ExtendedRecordA& r) { io(r.Block, r.Words, r.Value1); }

// Above 7.985 and up to 8.125: the current record up to its item array.
struct ExtendedRecordB {
    Bytes<36> Block{};
    DynArray<double> Reals;
    std::array<std::int16_t, 3> Words{};
    std::array<std::int32_t, 2> Values{};
    std::int32_t ItemCount = 0;
    DynArray<ExtendedItem> Items;
};
template <class Io>
void fields(Io& io, ExtendedRecordB& r) { io(r.Block, r.Reals, r.Words, r.Values, r.ItemCount, r.Items); }

// Each overlays what its layout holds on `r`; other fields keep their values.
void ImportExtendedA(const ExtendedRecordA& a, ExtendedRecord& r);
void ImportExtendedB(ExtendedRecordB&& b, ExtendedRecord& r);

}  // namespace kmd
