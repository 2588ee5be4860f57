#include "tools/example_general.h"

#include <cstring>
#include <initializer_list>
#include <string>

#include "model/coordinates.h"
#include "model/project.h"
#include "model/stories.h"

namespace kmd::example {

namespace {

template <class T>
DynArray<T> OneBased(std::initializer_list<T> v) {
    DynArray<T> a = DynArray<T>::Sized(1, std::int64_t(v.size()));
    std::size_t i = 0;
    for (const T& x : v) a.items[i++] = x;
    return a;
}

// A plain block of N bytes holding the given 32-bit words from the front.
template <std::size_t N>
Bytes<N> Words(std::initializer_list<std::int32_t> words) {
    Bytes<N> b{};
    std::size_t at = 0;
    for (std::int32_t w : words) {
        if (at + 4 > N) break;
        std::memcpy(b.data() + at, &w, 4);
        at += 4;
    }
    return b;
}

void WriteProject(Writer& out) {
    out(ModelUnitCodes{6, 3});

    ProjectInformation info;
    info.Texts[0] = "Riverside Office";
    info.Texts[1] = "Example Engineers";
    info.Texts[2] = "2004-117";
    info.ItemCount = 2;
    info.Items = OneBased<ProjectInfoItem>({{"Client", "Riverside Holdings"}, {"Checked by", "JM"}});
    out(info);

    out(std::int32_t(1));  // Standard
    StandardRecord standard;
    standard.Word1 = 1;
    standard.Text1 = "Office";
    standard.Text2 = "Default";
    standard.Lists[0].Count = 2;
    standard.Lists[0].Names = OneBased<std::string>({"DEAD", "LIVE"});
    standard.Lists[1].Count = 1;
    standard.Lists[1].Names = OneBased<std::string>({"WIND"});
    out(standard);

    PreferencesRecord prefs;
    prefs.Head.P1 = {0, 1, 1, 2, 0, 1, 0};
    prefs.Head.P5 = -1;
    prefs.Head.P6 = 12;
    prefs.P15 = -1;
    prefs.P16 = 0;
    prefs.P17 = "Default";
    prefs.P18 = -1;
    prefs.P19 = -1;
    prefs.P20 = -1;
    out(prefs);

    out(Bytes<216>{});  // dropped by the converter
    out(std::string("Example model"), Words<68>({1, 0, 2}));
    out(std::int32_t(1));  // SettingsFlag
    for (std::int32_t k = 1; k <= 3; ++k) out(Words<172>({k, 10 * k, 100 * k}));

    ListRecord list;
    list.Count = 2;
    list.Values = OneBased<std::int32_t>({4, 5});
    out(list, list);
    ListRecord list3;  // kept only with 15 entries
    list3.Count = 15;
    list3.Values = DynArray<std::int32_t>::Sized(1, 15);
    for (std::int32_t i = 0; i < 15; ++i) list3.Values.items[std::size_t(i)] = i + 1;
    out(list3);

    SeriesRecord series;
    series.Count = 2;
    series.Reals = OneBased<double>({0.25, 0.5});
    series.Values = OneBased<std::int32_t>({1, 2});
    out(series, series, series);

    out(Words<172>({4, 40, 400}), list, series);
    out(OptionRecord{{}, 1}, Words<52>({1, 1}));

    FontRecord font;
    font.Words = {0, 8, 400, 0, 0, 0};
    font.Values = {0, 0};
    font.FontName = "Arial";
    font.Trailing = {-1, 0, 0, 0, 0, 0, 0};
    out(font);

    ExtendedRecord ext;
    ext.Reals = OneBased<double>({1.0, 2.0, 3.0});
    ext.ItemCount = 1;
    ExtendedItem item;
    item.Value = 7;
    item.Reals1 = OneBased<double>({0.1, 0.2});
    ext.Items = OneBased<ExtendedItem>({item});
    ext.PairCount = 1;
    ext.PairValues = OneBased<std::int32_t>({3});
    ext.PairReals = OneBased<double>({0.75});
    out(ext);
}

GridLineRecord Grid(const char* name, std::int32_t position, std::int32_t direction, std::int32_t ordinate) {
    GridLineRecord g;
    g.Name = name;
    g.G1 = position;
    g.G2 = direction;
    g.G3 = ordinate;
    g.G6 = 1;
    g.G9 = -1;
    g.G13 = 1;
    g.G17 = -1;
    return g;
}

void WriteCoordinates(Writer& out) {
    CoordSystemRecord cs;
    cs.Name = "GLOBAL";
    cs.MatrixAt(1, 1) = cs.MatrixAt(2, 2) = cs.MatrixAt(3, 3) = 1.0;
    cs.C3 = -1;
    cs.GridCount1 = 3;
    cs.Grid1 = OneBased<GridLineRecord>({Grid("A", 1, 1, 0), Grid("B", 2, 1, 288), Grid("C", 3, 1, 576)});
    cs.GridCount2 = 2;
    cs.Grid2 = OneBased<GridLineRecord>({Grid("1", 1, 2, 0), Grid("2", 2, 2, 360)});
    cs.Grid3 = DynArray<GridLineRecord>::Sized(1, 0);
    cs.Grid4 = DynArray<GridLineRecord>::Sized(1, 0);
    cs.C6 = -1;
    out(std::int32_t(1), cs);

    out(std::int32_t(1), ReferenceLineRecord{{100, 200, 300, 400}, 0, -1});
    out(std::int32_t(1), ReferencePlaneRecord{{120, 1}, -1, 0});
}

StoryRecord Story(const char* name, std::int32_t diaphragm) {
    StoryRecord s;
    s.Name = name;
    s.S4 = OneBased<std::int32_t>({diaphragm});
    s.S5 = OneBased<std::int32_t>({0});
    for (auto& reals : s.S6ToS16) reals = OneBased<double>({0.0});
    StoryDiaphragmItem item;
    item.Count = 1;
    item.Values = OneBased<std::int32_t>({diaphragm});
    s.S17 = OneBased<StoryDiaphragmItem>({item});
    s.S19 = -1;
    return s;
}

void WriteStories(Writer& out) {
    DiaphragmRecord d;
    d.Name = FixedString<8>("D1");
    d.D2 = -1;
    out(std::int32_t(1), d);

    // Two stories and the base: three records.
    out(std::int32_t(2), Story("STORY2", 1), Story("STORY1", 1), Story("BASE", 0));
}

}  // namespace

void WriteExampleGeneral(Writer& out) {
    WriteProject(out);
    WriteCoordinates(out);
    WriteStories(out);
}

}  // namespace kmd::example
