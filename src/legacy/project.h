// Legacy layouts of the project section and their import conversions.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "fileformat/encoding.h"
#include "model/project.h"

namespace kmd {

// Project information up to 8.005: two texts, read and dropped.
inline constexpr double kOldProjectInformationUpTo = 8.005;

struct OldProjectInformation {
    std::string Text1;
    std::string Text2;
};
template <class Io>
void fields(Io& io, OldProjectInformation& r) { io(r.Text1, r.Text2); }

// Empty project information.
ProjectInformation ImportOldProjectInformation(OldProjectInformation&& old);

// Files up to 8.1925 hold no Standard table.
inline constexpr double kNoStandardUpTo = 8.1925;

// Preferences up to 7.025: no P15, nothing after P17.
inline constexpr double kPreferencesAUpTo = 7.025;

struct PreferencesA {
    PreferencesHead Head;
    std::int16_t P16 = 0;
    std::string P17;
};
template <class Io>
void fields(Io& io, PreferencesA& r) { io(r.Head, r.P16, r.P17); }

// Preferences up to 7.985: P1 to P17.
inline constexpr double kPreferencesBUpTo = 7.985;

struct PreferencesB {
    PreferencesHead Head;
    std::int16_t P15 = 0;
    std::int16_t P16 = 0;
    std::string P17;
};
template <class Io>
void fields(Io& io, PreferencesB& r) { io(r.Head, r.P15, r.P16, r.P17); }

// Preferences up to 8.045: P1 to P19.
inline constexpr double kPreferencesCUpTo = 8.045;

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

// Values a layout lacks are -1 (P15, P18, P19; P20 from C on).
PreferencesRecord ImportPreferencesA(PreferencesA&& a);
PreferencesRecord ImportPreferencesB(PreferencesB&& b);
PreferencesRecord ImportPreferencesC(PreferencesC&& c);

// The 216 bytes in front of the project text, skipped in every version.
inline constexpr std::size_t kSkippedSettingsBytes = 216;

// Parameter blocks of 84 bytes up to 7.985 and of 100 bytes up to 8.065, widened
// into the 172-byte block; words the short block lacks are 0.
inline constexpr double kParameterBlock84UpTo = 7.985;
inline constexpr double kParameterBlock100UpTo = 8.065;

ParameterBlock WidenParameterBlock84(Bytes<84>&& from);
ParameterBlock WidenParameterBlock100(Bytes<100>&& from);

// Up to 8.065 the list and series records have a fixed size and are skipped.
inline constexpr double kSkippedListsUpTo = 8.065;
inline constexpr std::size_t kSkippedListBytes = 40;
inline constexpr std::size_t kSkippedSeriesBytes = 68;

// Up to 9.035: no settings flag, and no second parameter block, list or series.
inline constexpr double kNoSecondParametersUpTo = 9.035;

// Font record up to 8.005: six 16-bit and two 32-bit values.
inline constexpr double kFontAUpTo = 8.005;

struct FontRecordA {
    std::array<std::int16_t, 6> Words{};
    std::array<std::int32_t, 2> Values{};
};
template <class Io>
void fields(Io& io, FontRecordA& r) { io(r.Words, r.Values); }

// Up to 8.065: plus the first flag.
inline constexpr double kFontBUpTo = 8.065;

struct FontRecordB {
    std::array<std::int16_t, 6> Words{};
    std::array<std::int32_t, 2> Values{};
    std::int16_t Flag1 = 0;
};
template <class Io>
void fields(Io& io, FontRecordB& r) { io(r.Words, r.Values, r.Flag1); }

// Up to 8.105: all three flags, no font name.
inline constexpr double kFontCUpTo = 8.105;

struct FontRecordC {
    std::array<std::int16_t, 6> Words{};
    std::array<std::int32_t, 2> Values{};
    std::array<std::int16_t, 3> Flags{};
};
template <class Io>
void fields(Io& io, FontRecordC& r) { io(r.Words, r.Values, r.Flags); }

// Up to 8.905: the current record with four trailing values.
inline constexpr double kFontDUpTo = 8.905;

struct FontRecordD {
    std::array<std::int16_t, 6> Words{};
    std::array<std::int32_t, 2> Values{};
    std::array<std::int16_t, 3> Flags{};
    std::string FontName;
    std::array<std::int16_t, 4> Trailing{};
};
template <class Io>
void fields(Io& io, FontRecordD& r) { io(r.Words, r.Values, r.Flags, r.FontName, r.Trailing); }

// Fields a layout lacks keep their defaults, but for the -1s of the older ones.
FontRecord ImportFontA(FontRecordA&& a);
FontRecord ImportFontB(FontRecordB&& b);
FontRecord ImportFontC(FontRecordC&& c);
FontRecord ImportFontD(FontRecordD&& d);

// Extended record up to 7.985 (46 bytes).
inline constexpr double kExtendedAUpTo = 7.985;

struct ExtendedRecordA {
    Bytes<36> Block{};
    std::array<std::int16_t, 3> Words{};
    std::int32_t Value1 = 0;
};
template <class Io>
void fields(Io& io, ExtendedRecordA& r) { io(r.Block, r.Words, r.Value1); }

// Up to 8.125: the current record up to its item array.
inline constexpr double kExtendedBUpTo = 8.125;

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

// Fields a layout lacks keep their defaults.
ExtendedRecord ImportExtendedA(ExtendedRecordA&& a);
ExtendedRecord ImportExtendedB(ExtendedRecordB&& b);

}  // namespace kmd
