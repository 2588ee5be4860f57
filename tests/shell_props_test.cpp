#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/bytes.h"
#include "support/convert.h"
#include "tables/shell_props.h"
#include "tools/example_sd_shell.h"

using kmd::FormatError;
using kmdtest::Bytes;

namespace {

std::vector<std::uint8_t> Convert(const Bytes& step, double version) {
    return kmdtest::RoundTrip(kmd::ReadShellPropertyTables, kmd::WriteShellPropertyTables, step, version);
}

// The three tables of the step, each a count and its records.
Bytes Step(const Bytes& shells, const Bytes& decks, const Bytes& links) {
    return Bytes().append(shells).append(decks).append(links);
}
const Bytes kNone = Bytes().i32(0);

enum class ShellForm { SS1, SS2, SS3 };

std::vector<double> FileFactors(int s) {
    std::vector<double> f;
    for (int k = 1; k <= 10; ++k) f.push_back(s + k * 0.125);
    return f;
}

Bytes LegacyShell(ShellForm form, int s) {
    Bytes b;
    b.str("SH" + std::to_string(s)).seq(36, std::uint8_t(s));
    if (form != ShellForm::SS1) b.i16(std::int16_t(s + 1));
    b.i32(s + 2).i32(s + 3);
    if (form == ShellForm::SS3)
        for (double f : FileFactors(s)) b.f64(f);
    b.i16(std::int16_t(s + 4)).i16(std::int16_t(s + 5)).i32(s + 6);
    return b;
}

Bytes CurrentShell(int s, std::int16_t code1, bool keepFactors) {
    Bytes b;
    b.str("SH" + std::to_string(s)).seq(36, std::uint8_t(s)).i16(code1).i32(s + 2).i32(s + 3);
    b.header({{11, 0}}).f64(0);
    for (double f : FileFactors(s)) b.f64(keepFactors ? f : 1.0);
    b.i16(std::int16_t(s + 4)).i16(std::int16_t(s + 5)).i32(s + 6);
    return b;
}

TEST(ShellSectionTable, EveryLayoutAndThreshold) {
    struct {
        double version;
        ShellForm form;
        bool keepFactors;
    } cases[] = {
        {7.0, ShellForm::SS1, false},   {7.255, ShellForm::SS1, false}, {7.26, ShellForm::SS2, false},
        {8.005, ShellForm::SS2, false}, {8.006, ShellForm::SS3, false}, {8.02, ShellForm::SS3, false},
        {8.025, ShellForm::SS3, false}, {8.026, ShellForm::SS3, true},  {8.1, ShellForm::SS3, true},
        {9.74, ShellForm::SS3, true},
    };
    for (auto c : cases) {
        SCOPED_TRACE(c.version);
        Bytes legacy = Bytes().i32(2).append(LegacyShell(c.form, 1)).append(LegacyShell(c.form, 20));
        std::int16_t code1 = c.form == ShellForm::SS1 ? 0 : 2;
        Bytes expected = Bytes().i32(2).append(CurrentShell(1, code1, c.keepFactors));
        expected.append(CurrentShell(20, c.form == ShellForm::SS1 ? 0 : 21, c.keepFactors));
        EXPECT_BYTES(Convert(Step(legacy, kNone, kNone), c.version), Step(expected, kNone, kNone).data);
    }
}

Bytes DeckTail(int s) { return Bytes().i32(s).i16(std::int16_t(-s)).seq(116, std::uint8_t(s)); }

TEST(DeckInfoTable, SecondStringAddedAbove9145) {
    Bytes old = Bytes().i32(2);
    old.str("DECK1").append(DeckTail(1)).str("DECK2").append(DeckTail(2));
    Bytes converted = Bytes().i32(2);
    converted.str("DECK1").str("").append(DeckTail(1)).str("DECK2").str("").append(DeckTail(2));
    EXPECT_BYTES(Convert(Step(kNone, old, kNone), 9.145), Step(kNone, converted, kNone).data);
    EXPECT_BYTES(Convert(Step(kNone, old, kNone), 9.1), Step(kNone, converted, kNone).data);

    Bytes current = Bytes().i32(1);
    current.str("DECK1").str("Metal deck").append(DeckTail(1));
    EXPECT_BYTES(Convert(Step(kNone, current, kNone), 9.15), Step(kNone, current, kNone).data);
}

// Fields 2 to 11 of a link property, as the groups' values in field order.
struct LinkValues {
    std::vector<std::int32_t> values1{1, 2, 3}, values2{4, 5, 6, 7, 8, 9};
    std::vector<double> reals1{1.5, 2.5, 3.5};
    std::vector<std::vector<double>> reals2to5;
    std::vector<double> reals6{0.1, 0.2, 0.3, 0.4}, reals7;
    std::vector<std::int16_t> flags1{-1, 0, -1, 0, 0, -1}, flags2{1, 0, 0, 0, 0, -1};
    std::vector<std::vector<std::int32_t>> ints;
    LinkValues() {
        for (int g = 0; g < 4; ++g) {
            std::vector<double> v;
            for (int k = 1; k <= (g == 3 ? 18 : 6); ++k) v.push_back(g * 100 + k);
            reals2to5.push_back(v);
        }
        for (int g = 0; g < 3; ++g) ints.push_back({g, g + 1, g + 2, g + 3, g + 4, -g});
        for (int k = 1; k <= 6; ++k) reals7.push_back(k * 0.5);
    }
};

template <class T>
void Group(Bytes& b, const std::vector<T>& v, bool zeroBased) {
    const T zero{};
    if (zeroBased) b.header({{std::uint32_t(v.size() + 1), 0}}).raw(&zero, sizeof(T));
    b.raw(v.data(), v.size() * sizeof(T));
}

Bytes Link(const std::string& name, const LinkValues& l, bool current) {
    Bytes b;
    b.str(name);
    for (auto v : l.values1) b.i32(v);
    Group(b, l.reals1, current);
    for (auto v : l.values2) b.i32(v);
    for (const auto& g : l.reals2to5) Group(b, g, current);
    Group(b, l.reals6, current);
    Group(b, l.flags1, current);
    Group(b, l.flags2, current);
    for (const auto& g : l.ints) Group(b, g, current);
    Group(b, l.reals7, current);
    return b.i16(7).i16(-8);
}

TEST(NLLinkPropTable, GroupsWrittenAsZeroBasedArrays) {
    LinkValues l;
    Bytes legacy = Link("GAP1", l, false);
    ASSERT_EQ(legacy.size(), 2 + 4 + 528u);
    // r1..r4 of LpReals6 become 0, r1, r2, r3, r4.
    Bytes reals6 = Bytes().header({{5, 0}}).f64(0).f64(0.1).f64(0.2).f64(0.3).f64(0.4);
    Bytes current = Link("GAP1", l, true);
    ASSERT_NE(std::search(current.data.begin(), current.data.end(), reals6.data.begin(), reals6.data.end()),
              current.data.end());
    for (double v : {7.0, 9.74}) {
        EXPECT_BYTES(Convert(Step(kNone, kNone, Bytes().i32(1).append(legacy)), v),
                     Step(kNone, kNone, Bytes().i32(1).append(current)).data);
    }
}

TEST(ShellPropertyStep, AllThreeTablesInOrderAndDamagedCounts) {
    LinkValues l;
    Bytes shells = Bytes().i32(1).append(LegacyShell(ShellForm::SS3, 3));
    Bytes decks = Bytes().i32(1).str("D").str("T").append(DeckTail(4));
    Bytes links = Bytes().i32(1).append(Link("L", l, false));
    Bytes expected = Step(Bytes().i32(1).append(CurrentShell(3, 4, true)), decks,
                          Bytes().i32(1).append(Link("L", l, true)));
    EXPECT_BYTES(Convert(Step(shells, decks, links), 9.5), expected.data);

    // A negative count reads nothing and is written back as it is.
    Bytes negative = Step(Bytes().i32(-1), Bytes().i32(-2), Bytes().i32(-3));
    EXPECT_BYTES(Convert(negative, 9.5), negative.data);

    // Counts beyond the file, and records cut short, name their table.
    for (const char* table : {"ShellSection", "DeckInfo", "NLLinkProp"}) {
        std::string t = table;
        Bytes huge = Step(t == "ShellSection" ? Bytes().i32(1 << 30) : shells,
                          t == "DeckInfo" ? Bytes().i32(1 << 30) : decks, t == "NLLinkProp" ? Bytes().i32(1 << 30) : links);
        try {
            kmdtest::ReadSection(kmd::ReadShellPropertyTables, huge, 9.5);
            ADD_FAILURE() << table;
        } catch (const FormatError& e) {
            EXPECT_EQ(e.table, t);
        }
    }
    Bytes cut = Step(shells, decks, links);
    cut.data.pop_back();
    EXPECT_THROW(kmdtest::ReadSection(kmd::ReadShellPropertyTables, cut, 9.5), FormatError);
}

TEST(ShellPropertyStep, ExampleTablesConvert) {
    kmd::Writer w;
    kmd::example::WriteExampleShellProps(w);
    Bytes step;
    step.append(w.Buffer());
    auto cv = kmdtest::ReadSection(kmd::ReadShellPropertyTables, step, 9.5);
    EXPECT_EQ(cv->model.shellProps.ShellSection.count, 2);
    EXPECT_EQ(cv->model.shellProps.DeckInfo[1].DeckText, "Metal deck 3 in");
    EXPECT_EQ(cv->model.shellProps.NLLinkProp.count, 1);
}

}  // namespace
