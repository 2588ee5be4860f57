#include "legacy/project.h"

#include <cstring>
#include <utility>

namespace kmd {

ProjectInformation ImportOldProjectInformation(OldProjectInformation&&) { return {}; }

PreferencesRecord ImportPreferencesA(PreferencesA&& a) {
    PreferencesRecord r;
    r.Head = a.Head;
    r.P15 = -1;
    r.P16 = a.P16;
    r.P17 = std::move(a.P17);
    r.P18 = -1;
    r.P19 = -1;
    return r;
}

PreferencesRecord ImportPreferencesB(PreferencesB&& b) {
    PreferencesRecord r;
    r.Head = b.Head;
    r.P15 = b.P15;
    r.P16 = b.P16;
    r.P17 = std::move(b.P17);
    r.P18 = -1;
    r.P19 = -1;
    return r;
}

PreferencesRecord ImportPreferencesC(PreferencesC&& c) {
    PreferencesRecord r;
    r.Head = c.Head;
    r.P15 = c.P15;
    r.P16 = c.P16;
    r.P17 = std::move(c.P17);
    r.P18 = c.P18;
    r.P19 = c.P19;
    r.P20 = -1;
    return r;
}

// Words 0-11 take w0-w11; words 16-24 take w12-w20.
ParameterBlock WidenParameterBlock84(Bytes<84>&& from) {
    ParameterBlock to{};
    std::memcpy(to.data(), from.data(), 12 * 4);
    std::memcpy(to.data() + 16 * 4, from.data() + 12 * 4, 9 * 4);
    return to;
}

// Words 0-24 take the 25 words of the short block.
ParameterBlock WidenParameterBlock100(Bytes<100>&& from) {
    ParameterBlock to{};
    std::memcpy(to.data(), from.data(), from.size());
    return to;
}

FontRecord ImportFontA(FontRecordA&& a) {
    FontRecord r;
    r.Words = a.Words;
    r.Values = a.Values;
    r.Flags[1] = -1;
    r.Trailing[0] = -1;
    return r;
}

FontRecord ImportFontB(FontRecordB&& b) {
    FontRecord r;
    r.Words = b.Words;
    r.Values = b.Values;
    r.Flags[0] = b.Flag1;
    r.Flags[1] = -1;
    r.Trailing[0] = -1;
    return r;
}

// The third flag of this layout moved to the first trailing value.
FontRecord ImportFontC(FontRecordC&& c) {
    FontRecord r;
    r.Words = c.Words;
    r.Values = c.Values;
    r.Flags[0] = c.Flags[0];
    r.Flags[1] = c.Flags[1];
    r.Trailing[0] = c.Flags[2];
    return r;
}

FontRecord ImportFontD(FontRecordD&& d) {
    FontRecord r;
    r.Words = d.Words;
    r.Values = d.Values;
    r.Flags = d.Flags;
    r.FontName = std::move(d.FontName);
    for (std::size_t i = 0; i < d.Trailing.size(); ++i) r.Trailing[i] = d.Trailing[i];
    return r;
}

ExtendedRecord ImportExtendedA(ExtendedRecordA&& a) {
    ExtendedRecord r;
    r.Block = a.Block;
    r.Words = a.Words;
    r.Values[0] = a.Value1;
    return r;
}

ExtendedRecord ImportExtendedB(ExtendedRecordB&& b) {
    ExtendedRecord r;
    r.Block = b.Block;
    r.Reals = std::move(b.Reals);
    r.Words = b.Words;
    r.Values = b.Values;
    r.ItemCount = b.ItemCount;
    r.Items = std::move(b.Items);
    return r;
}

}  // namespace kmd
