// The conversion as the command line runs it, each family written as soon as it
// is read, against reading the whole file first: same bytes, same messages. And
// the command line's time and memory grow with the model size, no faster.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#include "driver/run.h"
#include "support/convert.h"
#include "tools/example_sections.h"

namespace {

namespace fs = std::filesystem;

struct Collect final : kmd::ByteSink {
    std::vector<std::uint8_t> bytes;
    void Put(std::span<const std::uint8_t> b) override { bytes.insert(bytes.end(), b.begin(), b.end()); }
};

void ExpectSameBothWays(const std::vector<std::uint8_t>& file) {
    kmdtest::MessageCapture whole;
    const auto a = kmd::ConvertModelBytes(file, "KALDO", "in.KMD");
    const auto wholeMessages = whole.messages;
    whole.messages.clear();
    Collect sink;
    const auto b = kmd::ConvertModelBytes(file, "KALDO", "in.KMD", &sink);
    ASSERT_EQ(a.status, b.status);
    EXPECT_EQ(wholeMessages, whole.messages);
    if (a.status == kmd::kExitOk) {
        EXPECT_TRUE(a.output == sink.bytes) << "the streamed bytes differ";
    }
}

TEST(Streaming, SameBytesAndMessagesAsReadingTheWholeFileFirst) {
    std::mt19937 random(5);
    for (const char* version : {"7.0", "7.5", "7.985", "8.0151", "8.5", "8.9", "9.0015", "9.5", "9.74"}) {
        for (std::uint64_t size : {std::uint64_t(0), std::uint64_t(300) << 10}) {
            SCOPED_TRACE(std::string("version ") + version + " size " + std::to_string(size));
            kmd::Writer w;
            kmd::example::WriteExampleLegacyFile(w, {.versionText = version, .size = size, .seed = 3});
            const std::vector<std::uint8_t> file = w.TakeBuffer();
            ExpectSameBothWays(file);
            // Cut short, and with a few bytes changed.
            for (int k = 0; k < 4; ++k) {
                ExpectSameBothWays({file.begin(), file.begin() + std::ptrdiff_t(random() % file.size())});
                auto damaged = file;
                for (int j = 0; j < 6; ++j) damaged[random() % damaged.size()] = std::uint8_t(random());
                ExpectSameBothWays(damaged);
            }
        }
    }
}

#if !defined(__SANITIZE_ADDRESS__) && !defined(_WIN32)  // resource use of a child process
struct Usage {
    double cpuSeconds;
    double peakMiB;
};

// Runs a program to its end; its CPU time and peak resident memory.
Usage RunProgram(const std::vector<std::string>& args) {
    pid_t pid = ::fork();
    if (pid == 0) {
        std::vector<char*> argv;
        for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << args[0];
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return {seconds(usage.ru_utime) + seconds(usage.ru_stime), double(usage.ru_maxrss) / 1024};
}

// Per megabyte above a tiny model's cost, a model ten times larger takes about
// the time and memory of a small one, and never more memory than its size.
TEST(Streaming, TimeAndMemoryGrowLinearlyWithTheModel) {
    const fs::path exe = KMDCONVERT_EXE, generator = exe.parent_path() / "make_example";
    const fs::path dir = fs::temp_directory_path() / ("kmdlinear-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const double sizes[] = {0, 4, 40};  // MiB; 0 is the small example
    for (const char* version : {"9.5", "7.5"}) {
        SCOPED_TRACE(std::string("version ") + version);
        double cpu[3], peak[3], mib[3];
        for (int i = 0; i < 3; ++i) {
            const fs::path in = dir / "in.KMD", out = dir / "out.KMD";
            std::vector<std::string> make = {generator.string(), "--version", version};
            if (sizes[i] > 0) make.insert(make.end(), {"--size", std::to_string(int(sizes[i])) + "M"});
            make.push_back(in.string());
            RunProgram(make);
            mib[i] = double(fs::file_size(in)) / (1 << 20);
            cpu[i] = 1e9;
            peak[i] = 1e9;
            for (int run = 0; run < 3; ++run) {  // the least of a few runs: the machine is shared
                Usage r = RunProgram({exe.string(), "--yes", in.string(), out.string()});
                cpu[i] = std::min(cpu[i], r.cpuSeconds);
                peak[i] = std::min(peak[i], r.peakMiB);
            }
        }
        const double timeSmall = (cpu[1] - cpu[0]) / (mib[1] - mib[0]), timeLarge = (cpu[2] - cpu[0]) / (mib[2] - mib[0]);
        const double memSmall = (peak[1] - peak[0]) / (mib[1] - mib[0]), memLarge = (peak[2] - peak[0]) / (mib[2] - mib[0]);
        EXPECT_LT(timeLarge, 2.0 * timeSmall + 0.002) << "CPU seconds per MiB";
        EXPECT_LT(memLarge, 1.25 * memSmall) << "MiB resident per MiB of input";
        EXPECT_LT(peak[2], 1.5 * mib[2]) << "peak MiB resident";
    }
    fs::remove_all(dir);
}
#endif

}  // namespace
