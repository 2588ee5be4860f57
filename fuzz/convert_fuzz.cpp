// Fuzz target: legacy file bytes in, the whole conversion run in memory, once
// read whole and then written, once written while it is read. Every input must
// end in a current file or in one orderly message, the same both ways. A
// current file must read back as written; damaged, it must fail in order.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "driver/messages.h"
#include "driver/run.h"
#include "fileformat/current_reader.h"

namespace {

std::vector<std::string>* messages = nullptr;

struct Collect final : kmd::ByteSink {
    std::vector<std::uint8_t> bytes;
    void Put(std::span<const std::uint8_t> b) override { bytes.insert(bytes.end(), b.begin(), b.end()); }
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    kmd::SetQuestionPolicy(kmd::QuestionPolicy::AnswerOk);
    kmd::SetMessageSink([](const std::string&, const std::string& text) {
        if (messages) messages->push_back(text);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> input(data, size);
    std::vector<std::string> whole, streamed;
    messages = &whole;
    auto a = kmd::ConvertModelBytes(input, "KALDO", "fuzz-input.KMD");
    messages = &streamed;
    Collect sink;
    auto b = kmd::ConvertModelBytes(input, "KALDO", "fuzz-input.KMD", &sink);
    messages = nullptr;
    if (a.status != b.status || whole != streamed || (a.status == kmd::kExitOk && a.output != sink.bytes)) std::abort();
    if (a.status != kmd::kExitOk) return 0;
    if (auto why = kmd::VerifyCurrentModelFile(a.output, a.report.tables)) {
        std::fprintf(stderr, "%s\n", why->c_str());
        std::abort();
    }
    // The current-layout reader on a damaged current file: the input's own
    // bytes say where it is cut and which byte changes.
    std::uint64_t h = 1469598103934665603u;
    for (std::uint8_t byte : input) h = (h ^ byte) * 1099511628211u;
    auto damaged = a.output;
    damaged[h % damaged.size()] ^= std::uint8_t((h >> 32) | 1);
    damaged.resize(damaged.size() - (h >> 40) % 2 * ((h >> 48) % damaged.size()));
    (void)kmd::VerifyCurrentModelFile(damaged, a.report.tables);
    return 0;
}
