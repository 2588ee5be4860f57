#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "support/convert.h"
#include "tools/example_sections.h"

namespace {

std::vector<std::uint8_t> ExampleBytes() {
    kmd::Writer out;
    kmd::example::WriteExampleLegacyFile(out);
    return out.Buffer();
}

TEST(ExampleFile, BundledFileIsUpToDate) {
    std::ifstream f(std::string(KMD_SOURCE_DIR) + "/examples/example.KMD", std::ios::binary);
    ASSERT_TRUE(f) << "examples/example.KMD is missing: build the target 'example'";
    std::vector<std::uint8_t> bundled((std::istreambuf_iterator<char>(f)), {});
    EXPECT_TRUE(bundled == ExampleBytes()) << "examples/example.KMD is stale: build the target 'example'";
}

TEST(ExampleFile, ConvertsCompletely) {
    kmdtest::Bytes file;
    file.append(ExampleBytes());
    auto r = kmdtest::ConvertBytes(file);
    EXPECT_EQ(r.outcome, kmd::ReadOutcome::Loaded);
    EXPECT_TRUE(r.messages.empty());
    ASSERT_GE(r.output.size(), 15u);
}

}  // namespace
