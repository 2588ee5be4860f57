#include "tools/example_results.h"

#include "legacy/base_plate.h"
#include "legacy/results.h"
#include "model/results.h"

namespace kmd::example {

namespace {

ResultKey Key(const char* first, const char* second) { return {{first}, {second}}; }

LoadGroupRecord ExampleLoadGroup() {
    LoadGroupRecord g;
    g.Text1 = {"DEAD"};
    g.Text2 = {"LIVE"};
    g.Value1 = Block<4>(1);
    g.K = 1;
    g.Entries = OneBased({LoadGroupEntry{Block<12>(2), {"Case"}, {"Step"}}});
    g.L = 2;
    g.Reals = OneBased({1.0, 2.0});
    g.Ints = OneBased<std::int32_t>({3, 4});
    return g;
}

template <class R>
R ExampleStepResult(const char* name) {
    R r;
    r.Key = Key(name, "Modal");
    r.Value1 = Block<4>(3);
    r.Text = {"Mode 1"};
    r.N = 2;
    r.Reals1 = OneBased({0.1, 0.2});
    r.Reals2 = OneBased({0.3, 0.4});
    r.Reals3 = OneBased({0.5, 0.6});
    r.Block = Block<8>(4);
    r.Group = ExampleLoadGroup();
    r.M = 1;
    StepRecord step;
    step.P = 1;
    step.Reals1 = OneBased({1.5});
    step.Reals2 = OneBased({2.5});
    step.Reals3 = OneBased({3.5});
    step.Ints = OneBased<std::int32_t>({7});
    r.Steps = OneBased({step});
    r.Tail = Block<sizeof(r.Tail)>(5);
    return r;
}

template <class R>
void One(Writer& out, const R& r) {
    out(r, std::int32_t(100));  // the companion value
}

}  // namespace

void WriteExampleDiscarded(Writer& out, double v) {
    if (v >= kDesignBlocksFrom) {
        // A leading value, one record: text, value, text, 12 bytes, array, 6 bytes.
        out(std::int32_t(0), std::int32_t(1), std::string("A"), std::int32_t(2), std::string("B"), Block<12>(1),
            OneBased<std::int32_t>({1, 2}), Block<6>(2));
    }
    if (v > 8.895) {  // block B
        out(std::int16_t(-1));
        out(std::int32_t(1));
        const std::string s = "T";
        constexpr int kRuns[][2] = {{3, 4}, {6, 16}, {1, 174}, {1, 4}, {1, 4}, {4, 64}, {2, 8}, {1, 8}, {1, 2}, {2, 12}};
        for (const auto& run : kRuns) {
            for (int k = 0; k < run[0]; ++k) out(s);
            std::vector<std::uint8_t> bytes(std::size_t(run[1]), 3);
            out.Raw(bytes.data(), bytes.size());
        }
        out(std::int32_t(1));
        for (int k = 0; k < 5; ++k) out(s);
        out(std::int32_t(0));
    }
}

void WriteExampleResults(Writer& out, double v) {
    if (v <= kNoResultsUpTo) return;
    if (v <= kResultCountsUpTo) {
        for (int i = 0; i < 14; ++i) out(std::int32_t(0));
        return;
    }
    out(std::int32_t(kResultsFormat), FramedText{0, "Analysis", 0});
    out(std::int32_t(1), std::int32_t(2), std::int32_t(0), std::int32_t(0));
    for (int i = 0; i < 13; ++i) out(std::int32_t(1));

    auto plain = [](auto r, const char* name) {
        r.Key = {name, "Static"};
        r.Value1 = Block<4>(6);
        r.Text = "Result";
        return r;
    };
    ResultR1 r1{Key("Joint", "Static"), Block<4>(1), {"Displacement"}, Block<8>(2)};
    One(out, r1);
    ResultR2 r2;
    r2.Key = Key("Frame", "Static");
    r2.Text = {"Forces"};
    r2.Reals = Block<56>(3);
    r2.Six = {1, 2, 3, 4, 5, 6};
    r2.N = 1;
    r2.Texts = OneBased({FramedString{"COMB1"}});
    r2.Group = ExampleLoadGroup();
    r2.Groups = OneBased({ExampleLoadGroup()});
    r2.Tail = Block<36>(4);
    One(out, r2);
    One(out, ExampleStepResult<ResultR3>("Modes"));
    One(out, ResultR4{Key("Base", "Static"), Block<4>(5), {"Reactions"}, Block<101>(6)});
    One(out, ExampleStepResult<ResultR5>("Spectrum"));
    One(out, ExampleStepResult<ResultR5>("History"));
    out(ResultR7{Block<4>(7), {"Story drift"}, Block<110>(8)});

    ResultR8 r8 = plain(ResultR8{}, "Shell");
    r8.Reals[0] = OneBased({1.0, 2.0});
    r8.Reals[2] = OneBased({3.0});
    One(out, r8);
    One(out, plain(ResultR9{}, "Link"));
    ResultR10 r10 = plain(ResultR10{}, "Section cut");
    r10.N = 2;
    r10.Texts1 = OneBased<std::string>({"Cut1", "Cut2"});
    r10.Texts2 = OneBased<std::string>({"X", "Y"});
    r10.Reals = OneBased({5.0, 6.0});
    One(out, r10);
    One(out, plain(ResultR11{}, "Mass"));
    One(out, plain(ResultR12{}, "Period"));
    ResultR13 r13 = plain(ResultR13{}, "Hinge");
    r13.A = 1;
    r13.B = 2;
    for (std::size_t i = 0; i < 3; ++i) r13.Reals[i] = OneBased({double(i)});
    for (std::size_t i = 3; i < 9; ++i) r13.Reals[i] = OneBased({double(i), double(i) + 0.5});
    One(out, r13);
}

void WriteExampleTrailer(Writer& out) {
    out(std::int32_t(4));
    out.Raw("KMD.", 4);
    out(std::int32_t(1));
}

}  // namespace kmd::example
