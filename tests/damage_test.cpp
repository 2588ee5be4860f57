// Damaged copies of a complete legacy file: every one either converts or stops
// with one orderly message; none crashes, hangs or writes output after a stop.
#include <gtest/gtest.h>

#include <random>
#include <span>
#include <string>

#include "driver/run.h"
#include "fileformat/steps.h"
#include "support/convert.h"
#include "tools/example_sections.h"

namespace {

kmdtest::Bytes Example() {
    kmd::Writer out;
    kmd::example::WriteExampleLegacyFile(out);
    kmdtest::Bytes b;
    b.append(out.Buffer());
    return b;
}

// Where the tables read so far end in the example file.
std::size_t TablesEnd(const kmdtest::Bytes& file) {
    std::size_t end = 0;
    static std::size_t probeEnd;
    std::vector<kmd::ReadStep> steps;
    for (const auto& s : kmd::LegacyReadSteps()) {
        if (!s.fn) break;
        steps.push_back(s);
    }
    kmdtest::MessageCapture capture;
    auto cv = kmdtest::NewConversion();
    steps.push_back({"probe", [](kmd::Reader& in, kmd::Conversion&) { probeEnd = in.Offset(); }});
    EXPECT_EQ(kmd::ReadLegacyModelFile(file.data, *cv, nullptr, steps), kmd::ReadOutcome::Loaded);
    end = probeEnd;
    return end;
}

TEST(DamagedFiles, EveryTruncationIsAnOrderlyError) {
    auto file = Example();
    const std::size_t end = TablesEnd(file);
    for (std::size_t n = 0; n < end; ++n) {
        kmdtest::Bytes cut;
        cut.raw(file.data.data(), n);
        auto r = kmdtest::ConvertBytes(cut);
        ASSERT_EQ(r.outcome, kmd::ReadOutcome::Corrupt) << "cut at " << n;
        ASSERT_EQ(r.messages.size(), 1u) << "cut at " << n;
        EXPECT_NE(r.messages[0].find("byte offset"), std::string::npos) << r.messages[0];
    }
}

#ifdef __SANITIZE_ADDRESS__
constexpr std::size_t kCutStride = 3;  // the sanitizers are ten times slower
#else
constexpr std::size_t kCutStride = 1;
#endif

// Generated files in the layouts of versions spread over the legacy range, cut
// at every point (past 64 KiB at a dense sample): every cut stops the whole
// conversion with one message and no output.
TEST(DamagedFiles, EveryTruncationAtEveryLayoutStops) {
    for (const char* version :
         {"7.0", "7.1051", "7.2551", "7.985", "7.9951", "8.0151", "8.0751", "8.1951", "8.5051", "9.74"}) {
        SCOPED_TRACE(std::string("version ") + version);
        kmd::Writer out;
        kmd::example::WriteExampleLegacyFile(out, {.versionText = version});
        const std::span<const std::uint8_t> file = out.Buffer();
        kmdtest::MessageCapture capture;
        for (std::size_t n = 0; n < file.size(); n += n < 65536 ? kCutStride : 61) {
            capture.messages.clear();
            auto r = kmd::ConvertModelBytes(std::span(file.data(), n), "KALDO", "cut.KMD");
            ASSERT_EQ(r.status, kmd::kExitNotConverted) << "cut at " << n;
            ASSERT_TRUE(r.output.empty()) << "cut at " << n;
            ASSERT_EQ(capture.messages.size(), 1u) << "cut at " << n;
            if (n > 0) {
                EXPECT_NE(capture.messages.back().find("byte offset"), std::string::npos) << "cut at " << n;
            }
        }
    }
}

TEST(DamagedFiles, RandomByteDamageNeverCrashes) {
    auto file = Example();
    const std::size_t end = TablesEnd(file);
    if (end <= 48) GTEST_SKIP() << "no tables yet";
    std::mt19937 rng(12345);
    std::uniform_int_distribution<std::size_t> pos(48, end - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 3000; ++round) {
        kmdtest::Bytes damaged = file;
        int hits = 1 + round % 4;
        for (int h = 0; h < hits; ++h) {
            damaged.data[pos(rng)] = std::uint8_t(round % 3 == 0 ? 0xFF : byte(rng));
        }
        auto r = kmdtest::ConvertBytes(damaged);
        ASSERT_TRUE(r.outcome == kmd::ReadOutcome::Loaded || r.outcome == kmd::ReadOutcome::Corrupt);
        if (r.outcome != kmd::ReadOutcome::Loaded) {
            EXPECT_TRUE(r.output.empty());
            EXPECT_EQ(r.messages.size(), 1u);
        }
    }
}

}  // namespace
