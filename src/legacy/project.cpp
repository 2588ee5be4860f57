#include "legacy/project.h"

#include <cstring>
#include <utility>

namespace kmd {

PreferencesRecord ImportPreferencesA(const PreferencesA& a) {
    PreferencesRecord r;
    r.Head = a.Head;
    r.P15 = -1;
    r.P16 = a.P16;
    r.P17 = a.P17;
    r.P18 = -1;
    r.P19 = -1;
    return r;
}

PreferencesRecord ImportPreferencesB(const PreferencesB& b) {
    PreferencesRecord r;
    r.Head = b.Head;
    r.P15 = b.P15;
    r.P16 = b.P16;
    r.P17 = b.P17;
    r.P18 = -1;
    r.P19 = -1;
    return r;
}

PreferencesRecord ImportPreferencesC(const PreferencesC& c) {
    PreferencesRecord r;
    r.Head = c.Head;
    r.P15 = c.P15;
    r.P16 = c.P16;
    r.P17 = c.P17;
    r.P18 = c.P18;
    r.P19 = c.P19;
    r.P20 = -1;
    return r;
}

// Words 0-11 take w0-w11; words 16-24 take w12-w20.
void WidenParameterBlock84(const Bytes<84>& from, ParameterBlock& to) {
    std::memcpy(to.data(), from.data(), 12 * 4);
    std::memcpy(to.data() + 16 * 4, from.data() + 12 * 4, 9 * 4);
}

// Words 0-24 take the 25 words of the short block.
void WidenParameterBlock100(const Bytes<100>& from, ParameterBlock& to) {
    std::memcpy(to.data(), from.data(), from.size());
}

void ImportFontA(const FontRecordA& a, FontRecord& r) {
    r.Words = a.Words;
    r.Values = a.Values;
    r.Flags[0] = 0;
    r.Flags[1] = -1;
    r.Trailing[0] = -1;
}

void ImportFontB(const FontRecordB& b, FontRecord& r) {
    r.Words = b.Words;
    r.Values = b.Values;
    r.Flags[0] = b.Flag1;
    r.Flags[1] = -1;
    r.Trailing[0] = -1;
}

// The third flag of this layout moved to the first trailing value.
void ImportFontC(const FontRecordC& c, FontRecord& r) {
    r.Words = c.Words;
    r.Values = c.Values;
    r.Flags[0] = c.Flags[0];
    r.Flags[1] = c.Flags[1];
    r.Trailing[0] = c.Flags[2];
}

void ImportFontD(const FontRecordD& d, FontRecord& r) {
    r.Words = d.Words;
    r.Values = d.Values;
    r.Flags = d.Flags;
    r.FontName = d.FontName;
    for (std::size_t i = 0; i < d.Trailing.size(); ++i) r.Trailing[i] = d.Trailing[i];
}

void ImportExtendedA(const ExtendedRecordA& a, ExtendedRecord& r) {
    r.Block = a.Block;
    r.Words = a.Words;
    r.Values[0] = a.Value1;
}

void ImportExtendedB(ExtendedRecordB&& b, ExtendedRecord& r) {
    r.Block = b.Block;
    r.Reals = std::move(b.Reals);
    r.Words = b.Words;
    r.Values = b.Values;
    r.ItemCount = b.ItemCount;
    r.Items = std::move(b.Items);
}

}  // namespace kmd
