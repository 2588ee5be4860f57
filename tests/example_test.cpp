#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/convert.h"
#include "tools/example_sections.h"

namespace {

std::vector<std::uint8_t> ExampleBytes(const kmd::example::ExampleOptions& options = {}) {
    kmd::Writer out;
    kmd::example::WriteExampleLegacyFile(out, options);
    return out.TakeBuffer();
}

// The versions of fuzz/corpus-versions.txt: every layout threshold of the reader,
// at it and just above it, and a few between.
std::vector<std::string> CorpusVersions() {
    std::ifstream f(std::string(KMD_SOURCE_DIR) + "/fuzz/corpus-versions.txt");
    std::vector<std::string> versions;
    for (std::string line; std::getline(f, line);)
        if (!line.empty() && line[0] != '#') versions.push_back(line);
    return versions;
}

std::vector<std::uint8_t> Bundled(const char* name) {
    std::ifstream f(std::string(KMD_SOURCE_DIR) + "/examples/" + name, std::ios::binary);
    EXPECT_TRUE(f) << "examples/" << name << " is missing: build the target 'example'";
    return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(f)), {});
}

TEST(ExampleFile, BundledFileIsUpToDate) {
    EXPECT_TRUE(Bundled("example.KMD") == ExampleBytes()) << "examples/example.KMD is stale: build the target 'example'";
}

// The checked-in conversion of the example: any change of the output shows here.
TEST(ExampleFile, ConvertsToTheCheckedInCurrentFile) {
    kmdtest::Bytes file;
    file.append(Bundled("example.KMD"));
    auto r = kmdtest::ConvertBytes(file);
    EXPECT_EQ(r.outcome, kmd::ReadOutcome::Loaded);
    EXPECT_TRUE(r.messages.empty());
    EXPECT_BYTES(r.output, Bundled("example.converted.KMD"));
}

// Each generated file is read whole in the layouts of its version.
TEST(ExampleFile, ConvertsCompletelyAtEveryLayoutThreshold) {
    const auto versions = CorpusVersions();
    ASSERT_GE(versions.size(), 30u) << "fuzz/corpus-versions.txt is missing or short";
    for (const std::string& version : versions) {
        SCOPED_TRACE("version " + version);
        kmdtest::Bytes file;
        file.append(ExampleBytes({.versionText = version}));
        auto r = kmdtest::ConvertBytes(file);
        ASSERT_EQ(r.outcome, kmd::ReadOutcome::Loaded) << (r.messages.empty() ? "" : r.messages[0]);
        EXPECT_TRUE(r.messages.empty());
        // Values that every layout carries came through its import.
        const auto& m = r.cv->model;
        EXPECT_EQ(m.materials.Material[2].TypeCode, "S");
        EXPECT_EQ(m.stories.Story[3].Name, "BASE");
        EXPECT_EQ(m.frameAssign.FModifier[1].Modifiers[3], 0.35);
        EXPECT_EQ(m.shellAssign.SSpring[1].SCode, 3);
    }
}

// A sized model comes close to the size asked, spread over objects, assignments
// and loads, and converts whole.
TEST(ExampleFile, SizedModelHasTheSizeAskedAndConverts) {
    constexpr std::uint64_t kSize = 2u << 20;
    for (const char* version : {"9.5", "7.5"}) {
        SCOPED_TRACE(std::string("version ") + version);
        kmdtest::Bytes file;
        file.append(ExampleBytes({.versionText = version, .size = kSize, .seed = 7}));
        EXPECT_NEAR(double(file.data.size()), double(kSize), 0.1 * double(kSize));
        auto r = kmdtest::ConvertBytes(file);
        ASSERT_EQ(r.outcome, kmd::ReadOutcome::Loaded) << (r.messages.empty() ? "" : r.messages[0]);
        EXPECT_TRUE(r.messages.empty());
        const auto& m = r.cv->model;
        EXPECT_GT(m.objects.LineObjects.count, 500);
        EXPECT_GT(m.frameAssign.FFixity.count, 500);
        EXPECT_GT(m.shellAssign.ShModifier.count, 500);
        EXPECT_GT(m.loads.FDLoad.count, 500);
    }
}

}  // namespace
