// Fuzz target: legacy file bytes in, the whole conversion run in memory, once
// read whole and then written, once written while it is read. Every input must
// end in a current file or in one orderly message, the same both ways.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "driver/messages.h"
#include "driver/run.h"

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
    return 0;
}
