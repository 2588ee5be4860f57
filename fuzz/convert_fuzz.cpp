// Fuzz target: legacy file bytes in, the whole conversion run in memory.
// Every input must end in a current file or in one orderly message.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "driver/messages.h"
#include "driver/run.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    kmd::SetQuestionPolicy(kmd::QuestionPolicy::AnswerOk);
    kmd::SetMessageSink([](const std::string&, const std::string&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kmd::ConvertModelBytes(std::span<const std::uint8_t>(data, size), "KALDO", "fuzz-input.KMD");
    return 0;
}
