// Files that describe far more data than they hold: the conversion stops early,
// within its memory and output limits, with one message and no output.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>

#include "driver/run.h"
#include "legacy/sd_sections.h"
#include "model/stories.h"
#include "support/convert.h"
#include "tables/coordinates.h"
#include "tables/materials.h"
#include "tables/project.h"
#include "tables/sd_sections.h"
#include "tables/sections.h"
#include "tables/stories.h"
#include "tools/example_sections.h"

namespace fs = std::filesystem;

namespace {

using ReadFn = void (*)(kmd::Reader&, kmd::Conversion&);

// Where the tables of the 9.5 example read by `fns` end.
std::size_t OffsetAfter(const std::vector<std::uint8_t>& file, std::initializer_list<ReadFn> fns) {
    auto cv = kmdtest::NewConversion();
    cv->FileVersion = 9.5;
    kmd::Reader in(file);
    in.Seek(48);
    for (ReadFn fn : fns) fn(in, *cv);
    return in.Offset();
}

// The 9.5 example with the bytes from `from` to `to` replaced.
std::vector<std::uint8_t> Spliced(std::size_t from, std::size_t to, std::span<const std::uint8_t> bytes) {
    kmd::Writer example;
    kmd::example::WriteExampleLegacyFile(example);
    std::vector<std::uint8_t> file = example.TakeBuffer();
    file.erase(file.begin() + std::ptrdiff_t(from), file.begin() + std::ptrdiff_t(to));
    file.insert(file.begin() + std::ptrdiff_t(from), bytes.begin(), bytes.end());
    return file;
}

std::vector<std::uint8_t> Example() {
    kmd::Writer w;
    kmd::example::WriteExampleLegacyFile(w);
    return w.TakeBuffer();
}

// Stories with empty arrays and many diaphragms: every story is written with
// its arrays rebuilt to the diaphragm count, some 100 kB a story.
std::vector<std::uint8_t> StoriesTimesDiaphragms() {
    const auto file = Example();
    const std::size_t from = OffsetAfter(file, {kmd::ReadProjectSection, kmd::ReadCoordinateTables});
    const std::size_t to = OffsetAfter(file, {kmd::ReadProjectSection, kmd::ReadCoordinateTables, kmd::ReadStoryTables});
    kmd::Writer w;
    w(std::int32_t(1000));
    for (int i = 0; i < 1000; ++i) w(kmd::DiaphragmRecord{});
    w(std::int32_t(100));
    for (int i = 0; i <= 100; ++i) w(kmd::StoryRecord{});
    return Spliced(from, to, w.Buffer());
}

#ifndef _WIN32  // address-space limits of a child process
// A section designer section of many items D linked to one item C of many
// points: the repair would give every item D four arrays of that many points.
std::vector<std::uint8_t> LinkedPointArrays() {
    const auto file = Example();
    std::initializer_list<ReadFn> before = {kmd::ReadProjectSection, kmd::ReadCoordinateTables, kmd::ReadStoryTables,
                                            kmd::ReadMaterialTables, kmd::ReadSectionTables};
    const std::size_t from = OffsetAfter(file, before);
    const std::size_t to = OffsetAfter(file, {kmd::ReadProjectSection, kmd::ReadCoordinateTables, kmd::ReadStoryTables,
                                              kmd::ReadMaterialTables, kmd::ReadSectionTables,
                                              kmd::ReadSDSectionTables});
    constexpr std::int32_t kPoints = 250000, kItems = 500;
    kmd::SDSectionD3 s;
    s.Name = "BIG";
    s.CountC = 1;
    s.ItemsC = kmd::DynArray<kmd::SdItemC>::Sized(1, 1);
    kmd::SdItemC& c = s.ItemsC.items[0];
    c.PointCountC = kPoints;
    c.IntsC1 = kmd::DynArray<std::int32_t>::Sized(1, kPoints);
    c.RealsC1 = kmd::DynArray<double>::Sized(1, kPoints);
    c.IntsC2 = kmd::DynArray<std::int32_t>::Sized(1, kPoints);
    c.RealsC2 = kmd::DynArray<double>::Sized(1, 4);
    c.MatrixC.dims = {{3, 1}, {3, 1}};
    c.MatrixC.items.resize(9);
    c.FlagsC1 = c.FlagsC2 = kmd::SdFlags::Sized(1, 4);
    s.CountD = kItems;
    s.ItemsD = kmd::DynArray<kmd::SdItemD>::Sized(1, kItems);
    for (kmd::SdItemD& d : s.ItemsD.items) {
        d.RefC = 1;
        d.KindD = kmd::kSdKindLinkedToC;
    }
    kmd::Writer w;
    w(std::int32_t(1), s);
    return Spliced(from, to, w.Buffer());
}

struct LimitedRun {
    int status;
    std::string err;
    double seconds;
    bool outputExists;
};

// Runs the converter on `file` in a child whose address space is limited to the
// converter's own memory limit for this input (plus the program's own needs).
LimitedRun ConvertLimited(const std::vector<std::uint8_t>& file, const char* name) {
    const fs::path dir = fs::temp_directory_path() / ("kmdlimits-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path in = dir / (std::string(name) + ".KMD"), out = dir / "out.KMD", err = dir / "err.txt";
    std::ofstream(in, std::ios::binary).write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = ::fork();
    if (pid == 0) {
#ifndef __SANITIZE_ADDRESS__  // the sanitizers reserve terabytes of address space
        rlimit limit{};
        limit.rlim_cur = limit.rlim_max = rlim_t(kmd::MemoryLimitFor(file.size()) + 64 * kmd::kMiB);
        ::setrlimit(RLIMIT_AS, &limit);
#endif
        if (!std::freopen(err.c_str(), "w", stderr)) ::_exit(126);
        ::execl(KMDCONVERT_EXE, KMDCONVERT_EXE, "--yes", in.c_str(), out.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int raw = 0;
    ::waitpid(pid, &raw, 0);
    LimitedRun r{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, "",
          std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), fs::exists(out)};
    std::ifstream e(err);
    r.err.assign(std::istreambuf_iterator<char>(e), {});
    fs::remove_all(dir);
    return r;
}

TEST(Limits, AFileNeedingTooMuchMemoryStopsFastAtItsTable) {
    LimitedRun r = ConvertLimited(LinkedPointArrays(), "linked");
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_FALSE(r.outputExists);
    EXPECT_NE(r.err.find("table \"SDSection\", byte offset"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("MiB of memory"), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_LT(r.seconds, 20.0);
}

TEST(Limits, AnOutputFarLargerThanTheInputStopsAtItsTable) {
    const auto file = StoriesTimesDiaphragms();
    LimitedRun r = ConvertLimited(file, "stories");
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_FALSE(r.outputExists);
    EXPECT_NE(r.err.find("\"Story\""), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("would exceed " + std::to_string(kmd::OutputLimitFor(file.size())) + " bytes"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_LT(r.seconds, 20.0);
}

#endif

// Written while read, a family that cannot be written gives its message only
// once the rest of the file has read; a read failure after it is the one shown.
TEST(Limits, AWriteFailureWaitsForTheRestOfTheFile) {
    struct Discard final : kmd::ByteSink {
        void Put(std::span<const std::uint8_t>) override {}
    } sink;
    auto file = StoriesTimesDiaphragms();
    for (bool cut : {false, true}) {
        if (cut) file.resize(file.size() - 2);
        kmdtest::MessageCapture capture;
        EXPECT_EQ(kmd::ConvertModelBytes(file, "KALDO", "in.KMD", &sink).status, kmd::kExitNotConverted);
        ASSERT_EQ(capture.messages.size(), 1u);
        EXPECT_NE(capture.messages[0].find(cut ? "Corrupt or truncated" : "would exceed"), std::string::npos)
            << capture.messages[0];
    }
}

// A file that goes on past the tables this build converts is not converted in part.
// Bytes after the trailer are reported and left; the model still converts.
TEST(Limits, BytesAfterTheTrailerAreReportedAndIgnored) {
    auto file = Example();
    kmdtest::MessageCapture quiet;
    const auto whole = kmd::ConvertModelBytes(file, "KALDO", "whole.KMD");
    ASSERT_EQ(whole.status, kmd::kExitOk);
    file.insert(file.end(), {1, 2, 3, 4});
    kmdtest::MessageCapture capture;
    auto r = kmd::ConvertModelBytes(file, "KALDO", "more.KMD");
    EXPECT_EQ(r.status, kmd::kExitOk);
    EXPECT_EQ(r.output, whole.output);
    ASSERT_EQ(capture.messages.size(), 1u);
    EXPECT_NE(capture.messages[0].find("4 bytes after its end (byte offset " + std::to_string(file.size() - 4)),
              std::string::npos)
        << capture.messages[0];
}

}  // namespace
