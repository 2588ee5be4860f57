// Inputs the fuzz target found troublesome, and its seed corpus, replayed
// through the normal conversion: each converts or stops with one message.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "driver/run.h"
#include "support/convert.h"

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> FilesIn(const char* folder) {
    std::vector<fs::path> files;
    fs::path dir = fs::path(KMD_SOURCE_DIR) / folder;
    if (fs::is_directory(dir))
        for (const auto& e : fs::directory_iterator(dir))
            if (e.is_regular_file() && e.path().filename().string()[0] != '.') files.push_back(e.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::uint8_t> Slurp(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(f), {});
}

TEST(FuzzRegressions, EveryInputConvertsOrStopsWithOneMessage) {
    for (const fs::path& p : FilesIn("fuzz/regressions")) {
        kmdtest::MessageCapture capture;
        auto r = kmd::ConvertModelBytes(Slurp(p), "KALDO", p.string());
        if (r.status == kmd::kExitOk) {
            EXPECT_FALSE(r.output.empty()) << p;
        } else {
            EXPECT_EQ(r.status, kmd::kExitNotConverted) << p;
            EXPECT_TRUE(r.output.empty()) << p;
            EXPECT_EQ(capture.messages.size(), 1u) << p;
        }
    }
}

TEST(FuzzCorpus, EverySeedConverts) {
    for (const fs::path& p : FilesIn("fuzz/corpus")) {
        kmdtest::MessageCapture capture;
        auto r = kmd::ConvertModelBytes(Slurp(p), "KALDO", p.string());
        EXPECT_EQ(r.status, kmd::kExitOk) << p << (capture.messages.empty() ? "" : ": " + capture.messages[0]);
    }
}

}  // namespace
