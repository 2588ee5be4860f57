#include "tools/example_general.h"

#include <cstring>
#include <initializer_list>
#include <string>
#include <utility>

#include "legacy/coordinates.h"
#include "legacy/project.h"
#include "legacy/stories.h"
#include "model/coordinates.h"
#include "model/project.h"
#include "model/stories.h"

namespace kmd::example {

namespace {

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

// A short parameter block of the files up to 8.065: 84 bytes up to 7.985, else 100.
void WriteShortParameterBlock(Writer& out, double v, std::int32_t k) {
    if (v <= 7.985)
        out(Words<84>({k, 10 * k, 100 * k}));
    else
        out(Words<100>({k, 10 * k, 100 * k}));
}

void WritePreferences(Writer& out, double v, const PreferencesRecord& p) {
    if (v <= 7.025)
        out(PreferencesA{p.Head, p.P16, p.P17});
    else if (v <= 7.985)
        out(PreferencesB{p.Head, p.P15, p.P16, p.P17});
    else if (v <= 8.045)
        out(PreferencesC{p.Head, p.P15, p.P16, p.P17, p.P18, p.P19});
    else
        out(p);
}

void WriteFont(Writer& out, double v, const FontRecord& f) {
    if (v <= 8.005) {
        out(FontRecordA{f.Words, f.Values});
    } else if (v <= 8.065) {
        out(FontRecordB{f.Words, f.Values, f.Flags[0]});
    } else if (v <= 8.105) {
        // The first trailing value was this layout's third flag.
        out(FontRecordC{f.Words, f.Values, {f.Flags[0], f.Flags[1], f.Trailing[0]}});
    } else if (v <= 8.905) {
        const auto& t = f.Trailing;
        out(FontRecordD{f.Words, f.Values, f.Flags, f.FontName, {t[0], t[1], t[2], t[3]}});
    } else {
        out(f);
    }
}

void WriteExtended(Writer& out, double v, const ExtendedRecord& e) {
    if (v <= 7.985)  // no arrays yet: a few plain values instead
        out(ExtendedRecordA{Words<36>({2, 4}), {1, 0, -1}, 5});
    else if (v <= 8.125)
        out(ExtendedRecordB{e.Block, e.Reals, e.Words, e.Values, e.ItemCount, e.Items});
    else
        out(e);
}

void WriteProject(Writer& out, double v) {
    out(ModelUnitCodes{6, 3});

    ProjectInformation info;
    info.Texts[0] = "Riverside Office";
    info.Texts[1] = "Example Engineers";
    info.Texts[2] = "2004-117";
    info.ItemCount = 2;
    info.Items = OneBased<ProjectInfoItem>({{"Client", "Riverside Holdings"}, {"Checked by", "JM"}});
    if (v <= 8.005)
        out(OldProjectInformation{info.Texts[0], info.Texts[1]});
    else
        out(info);

    if (v > 8.1925) {
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
    }

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
    WritePreferences(out, v, prefs);

    out(Bytes<216>{});  // dropped by the converter
    out(std::string("Example model"), Words<68>({1, 0, 2}));
    if (v <= 8.065) {
        WriteShortParameterBlock(out, v, 1);
        WriteShortParameterBlock(out, v, 3);
    } else if (v <= 9.035) {
        out(Words<172>({1, 10, 100}), Words<172>({3, 30, 300}));
    } else {
        out(std::int32_t(1));  // SettingsFlag
        for (std::int32_t k = 1; k <= 3; ++k) out(Words<172>({k, 10 * k, 100 * k}));
    }

    ListRecord list;
    list.Count = 2;
    list.Values = OneBased<std::int32_t>({4, 5});
    ListRecord list3;  // kept only with 15 entries
    list3.Count = 15;
    list3.Values = DynArray<std::int32_t>::Sized(1, 15);
    for (std::int32_t i = 0; i < 15; ++i) list3.Values.items[std::size_t(i)] = i + 1;
    SeriesRecord series;
    series.Count = 2;
    series.Reals = OneBased<double>({0.25, 0.5});
    series.Values = OneBased<std::int32_t>({1, 2});
    if (v <= 8.065) {
        // Lists and series of these files are skipped whole by the converter.
        out(Bytes<2 * 40>{}, Bytes<2 * 68>{});
        WriteShortParameterBlock(out, v, 4);
        out(Bytes<40 + 68>{});
    } else {
        out(list);
        if (v > 9.035) out(list);
        out(list3);
        out(series);
        if (v > 9.035) out(series);
        out(series);
        out(Words<172>({4, 40, 400}), list, series);
    }
    out(OptionRecord{{}, 1}, Words<52>({1, 1}));

    FontRecord font;
    font.Words = {0, 8, 400, 0, 0, 0};
    font.Values = {0, 0};
    font.FontName = "Arial";
    font.Trailing = {-1, 0, 0, 0, 0, 0, 0};
    WriteFont(out, v, font);

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
    WriteExtended(out, v, ext);
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

// A system of the layouts without C6, named as the layout names it.
template <class NameT>
CoordSystemWithoutC6<NameT> WithoutC6(const CoordSystemRecord& r, NameT name) {
    CoordSystemWithoutC6<NameT> s;
    s.Name = std::move(name);
    s.C1 = r.C1;
    s.Matrix = r.Matrix;
    s.C2 = r.C2;
    s.C3 = r.C3;
    s.GridCount1 = r.GridCount1;
    s.GridCount2 = r.GridCount2;
    s.GridCount3 = r.GridCount3;
    s.Grid1 = r.Grid1;
    s.Grid2 = r.Grid2;
    s.Grid3 = r.Grid3;
    s.GridCount4 = r.GridCount4;
    s.C4 = r.C4;
    s.Grid4 = r.Grid4;
    s.C5 = r.C5;
    return s;
}

// The system of the files up to 7.985, without grid lines: those below 7.985 hold
// them in a table of their own.
OldCoordSystemRecord OldSystem(const CoordSystemRecord& r) {
    OldCoordSystemRecord o;
    o.Name = FixedString<8>(r.Name);
    std::memcpy(&o.A, r.C1.data(), 4);
    std::memcpy(o.B.data(), r.C1.data() + 4, 12 * 4);
    o.Matrix = r.Matrix;
    for (std::size_t i = 0; i < o.D.size(); ++i) o.D[i] = r.C5[2 + i];
    o.E = r.C2;
    o.F = r.C3;
    return o;
}

OldGridLineRecord OldGridLine(const GridLineRecord& g) {
    OldGridLineRecord o;
    o.System = 1;
    o.Direction = g.G2;
    o.Name = g.Name;
    o.H1 = g.G7;
    o.H2 = g.G8;
    o.H3 = g.G3;
    o.H4 = g.G4;
    o.H5 = g.G10;
    o.H6 = g.G11;
    o.H7 = g.G2 == 2 ? std::int16_t(~g.G12) : g.G12;  // held inverted in direction 2
    o.H8 = g.G15;
    return o;
}

void WriteCoordinates(Writer& out, double v) {
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
    out(std::int32_t(1));
    if (v > 8.125)
        out(cs);
    else if (v > 8.075)
        out(WithoutC6(cs, cs.Name));
    else if (v > 7.985)
        out(WithoutC6(cs, FixedString<8>(cs.Name)));
    else
        out(OldSystem(cs));
    if (v < 7.985) {  // the grid line table
        out(std::int32_t(cs.GridCount1 + cs.GridCount2));
        for (const auto* grid : {&cs.Grid1, &cs.Grid2})
            for (const GridLineRecord& g : grid->items) out(OldGridLine(g));
    }
    if (v <= 7.015) return;  // no reference lines or planes yet

    const ReferenceLineRecord line{{100, 200, 300, 400}, 0, -1};
    out(std::int32_t(1));
    if (v <= 7.985)
        out(ReferenceLineA{line.Values, line.Word1});
    else
        out(line);
    const ReferencePlaneRecord plane{{120, 1}, -1, 0};
    out(std::int32_t(1));
    if (v <= 7.995)
        out(ReferencePlaneA{plane.Values, plane.Word1});
    else
        out(plane);
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

// A story of the files up to 7.985: no S2, S3 or S19.
StoryRecordA OldStory(const StoryRecord& s) {
    return StoryRecordA{s.Name, s.S1, s.S4, s.S5, s.S6ToS16, s.S17, s.S18};
}

void WriteStories(Writer& out, double v) {
    DiaphragmRecord d;
    d.Name = FixedString<8>("D1");
    d.D2 = -1;
    out(std::int32_t(1));
    if (v <= 8.505)
        out(DiaphragmA{d.Name, d.D2});
    else
        out(d);

    // Two stories and the base: three records.
    out(std::int32_t(2));
    for (const StoryRecord& s : {Story("STORY2", 1), Story("STORY1", 1), Story("BASE", 0)}) {
        if (v <= 7.985)
            out(OldStory(s));
        else
            out(s);
    }
}

}  // namespace

void WriteExampleGeneral(Writer& out, double v) {
    WriteProject(out, v);
    WriteCoordinates(out, v);
    WriteStories(out, v);
}

}  // namespace kmd::example
