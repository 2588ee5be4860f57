// Runs conversions in-process for tests.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "driver/conversion.h"
#include "driver/messages.h"
#include "fileformat/current_writer.h"
#include "fileformat/encoding.h"
#include "fileformat/legacy_reader.h"
#include "support/bytes.h"

namespace kmdtest {

// Collects the messages shown while alive, and answers the question OK (or not).
class MessageCapture {
public:
    explicit MessageCapture(bool answerOk = true) {
        kmd::SetQuestionPolicy(answerOk ? kmd::QuestionPolicy::AnswerOk : kmd::QuestionPolicy::AskTerminal);
        kmd::SetMessageSink([this](const std::string&, const std::string& text) { messages.push_back(text); });
    }
    ~MessageCapture() {
        kmd::SetMessageSink({});
        kmd::SetQuestionPolicy(kmd::QuestionPolicy::AskTerminal);
    }
    std::vector<std::string> messages;
};

// A conversion after start-up and a new model, as the run prepares it.
inline std::unique_ptr<kmd::Conversion> NewConversion(std::string program = "KALDO") {
    auto cv = std::make_unique<kmd::Conversion>();
    cv->InitializeProgram();
    cv->ResetNewModel();
    cv->run.ProgramName = std::move(program);
    return cv;
}

struct Converted {
    kmd::ReadOutcome outcome;
    std::vector<std::uint8_t> output;  // the whole current file; empty unless loaded
    std::vector<std::string> messages;
    std::unique_ptr<kmd::Conversion> cv;
};

// Reads a legacy file (answering OK to the question) and writes the current file.
inline Converted ConvertBytes(const Bytes& legacy, std::string program = "KALDO") {
    MessageCapture capture;
    Converted r;
    r.cv = NewConversion(std::move(program));
    r.outcome = kmd::ReadLegacyModelFile(legacy.data, *r.cv);
    if (r.outcome == kmd::ReadOutcome::Loaded) r.output = kmd::WriteCurrentModelFile(*r.cv);
    r.messages = capture.messages;
    return r;
}

// Model state a step depends on, set up before it reads.
using Setup = std::function<void(kmd::Conversion&)>;

// A model holding the given numbers of point, line and area objects (default
// records), allocated as their reader allocates them.
inline Setup WithObjects(std::int32_t points, std::int32_t lines, std::int32_t areas) {
    return [=](kmd::Conversion& cv) {
        auto& o = cv.model.objects;
        auto allocate = [&](auto& table, std::int32_t count) {
            table.count = count;
            cv.model.AllocateObjectTable(table.name, count, table.capacity);
        };
        allocate(o.PointObjects, points);
        allocate(o.LineObjects, lines);
        allocate(o.AreaObjects, areas);
    };
}

// Runs one reader step on `section` (table bytes without a header) for the given
// file version; fails the test's expectations through the returned conversion.
template <class ReadFn>
std::unique_ptr<kmd::Conversion> ReadSection(ReadFn fn, const Bytes& section, double version,
                                             std::size_t* consumed = nullptr, const Setup& setup = {}) {
    auto cv = NewConversion();
    cv->FileVersion = version;
    if (setup) setup(*cv);
    kmd::Reader in(section.data);
    fn(in, *cv);
    if (consumed) *consumed = in.Offset();
    return cv;
}

// Runs one writer step and returns the bytes it wrote.
template <class WriteFn>
std::vector<std::uint8_t> WriteSection(WriteFn fn, kmd::Conversion& cv) {
    kmd::Writer out(kmd::Writer::Form::Current);
    fn(out, cv);
    for (const std::string& note : out.Notes()) kmd::ShowMessage(note);
    return out.TakeBuffer();
}

// Reads `section` with `read` at `version`, checks every byte was consumed,
// and returns what `write` writes for the result.
template <class ReadFn, class WriteFn>
std::vector<std::uint8_t> RoundTrip(ReadFn read, WriteFn write, const Bytes& section, double version,
                                    const Setup& setup = {}) {
    std::size_t consumed = 0;
    auto cv = ReadSection(read, section, version, &consumed, setup);
    if (consumed != section.size())
        throw std::runtime_error("reader consumed " + std::to_string(consumed) + " of " +
                                 std::to_string(section.size()) + " bytes");
    return WriteSection(write, *cv);
}

// Damages `legacy` at random (overwritten bytes, or a cut) many times: reading
// either stops with a FormatError or gives a model that the writer writes.
template <class ReadFn, class WriteFn>
void ExpectDamageHandled(ReadFn read, WriteFn write, const Bytes& legacy, double v, const Setup& setup = {}) {
    std::mt19937 rng(unsigned(v * 1000));
    std::uniform_int_distribution<std::size_t> pos(0, legacy.size() - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    MessageCapture capture;
    for (int round = 0; round < 300; ++round) {
        Bytes damaged = legacy;
        if (round % 5 == 4)
            damaged.data.resize(pos(rng));
        else
            for (int hit = 0; hit <= round % 5; ++hit) damaged.data[pos(rng)] = std::uint8_t(byte(rng));
        std::unique_ptr<kmd::Conversion> cv;
        try {
            cv = ReadSection(read, damaged, v, nullptr, setup);
        } catch (const kmd::FormatError&) {
            continue;
        }
        EXPECT_NO_THROW(WriteSection(write, *cv)) << "version " << v << ", round " << round;
    }
}

// Hex dump for readable failure messages.
inline std::string Hex(const std::vector<std::uint8_t>& b) {
    static const char* digits = "0123456789ABCDEF";
    std::string s;
    for (std::size_t i = 0; i < b.size(); ++i) {
        if (i) s += (i % 16 == 0) ? '\n' : ' ';
        s += digits[b[i] >> 4];
        s += digits[b[i] & 15];
    }
    return s;
}

}  // namespace kmdtest

// Compares byte vectors and prints both as hex on a mismatch.
namespace kmdtest {
inline std::vector<std::uint8_t> ByteVector(std::span<const std::uint8_t> b) { return {b.begin(), b.end()}; }
}  // namespace kmdtest

#define EXPECT_BYTES(actual, expected)                                                          \
    do {                                                                                         \
        const std::vector<std::uint8_t> a_ = kmdtest::ByteVector(actual);                        \
        const std::vector<std::uint8_t> e_ = kmdtest::ByteVector(expected);                      \
        EXPECT_EQ(a_, e_) << "actual:\n" << kmdtest::Hex(a_) << "\nexpected:\n" << kmdtest::Hex(e_); \
    } while (0)
