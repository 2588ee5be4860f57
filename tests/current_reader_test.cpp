// The current-layout reader: what each writer step writes, its reader reads
// back into a model that writes the same bytes again.
#include <gtest/gtest.h>

#include "fileformat/current_reader.h"
#include "fileformat/steps.h"
#include "support/convert.h"
#include "tools/example_sections.h"

namespace {

const char* const kVersions[] = {"7.0",  "7.5",  "7.985", "8.0151", "8.105", "8.3",
                                 "8.5",  "8.9",  "9.0015", "9.2",   "9.5",   "9.74"};

std::vector<std::uint8_t> ExampleFile(const char* version) {
    kmd::Writer w;
    kmd::example::WriteExampleLegacyFile(w, {.versionText = version, .size = 0, .seed = 7});
    return w.TakeBuffer();
}

std::unique_ptr<kmd::Conversion> ReadLegacy(const std::vector<std::uint8_t>& file) {
    auto cv = kmdtest::NewConversion();
    EXPECT_EQ(kmd::ReadLegacyModelFile(file, *cv), kmd::ReadOutcome::Loaded);
    return cv;
}

std::vector<std::uint8_t> WriteStep(const kmd::Conversion& cv, std::size_t i) {
    kmd::Writer out(kmd::Writer::Form::Current);
    kmd::WriteCurrentSteps(out, cv, i, i + 1);
    return out.TakeBuffer();
}

// The legacy read step after which write step i runs.
const kmd::ReadStep& ReadStepWriting(std::size_t i) {
    std::size_t written = 0;
    for (const kmd::ReadStep& step : kmd::LegacyReadSteps()) {
        written += std::size_t(step.writes);
        if (i < written) return step;
    }
    throw std::logic_error("no read step writes step " + std::to_string(i));
}

TEST(CurrentReader, EachStepReadsBackWhatItWrote) {
    kmdtest::MessageCapture quiet;
    const auto steps = kmd::CurrentWriteSteps();
    for (const char* version : kVersions) {
        const auto file = ExampleFile(version);
        const auto original = ReadLegacy(file);
        for (std::size_t i = 0; i < steps.size(); ++i) {
            if (!steps[i].readBack) continue;
            SCOPED_TRACE(std::string("version ") + version + ", step " + steps[i].name);
            const auto bytes = WriteStep(*original, i);
            // A model whose family was let go; the other families are as read.
            auto cv = ReadLegacy(file);
            if (const auto release = ReadStepWriting(i).release) release(*cv);
            kmd::Reader in(bytes, nullptr, kmd::Reader::Form::Current);
            if (i == 0) {
                std::string product, versionText, savedBy;
                in(product, versionText, savedBy);
            }
            try {
                steps[i].readBack(in, *cv);
            } catch (const kmd::FormatError& e) {
                ADD_FAILURE() << e.Message();
                continue;
            }
            EXPECT_EQ(in.Remaining(), 0u);
            EXPECT_BYTES(WriteStep(*cv, i), bytes);
        }
    }
}

TEST(CurrentReader, TheWholeFileReadsBackWithTheSameCounts) {
    for (const auto& step : kmd::CurrentWriteSteps())
        if (!step.readBack) GTEST_SKIP() << "no reader yet for " << step.name;
    kmdtest::MessageCapture quiet;
    for (const char* version : kVersions) {
        SCOPED_TRACE(std::string("version ") + version);
        const auto original = ReadLegacy(ExampleFile(version));
        const auto bytes = kmd::WriteCurrentModelFile(*original);
        ASSERT_TRUE(kmd::IsCurrentModelFile(bytes, "KALDO"));
        auto cv = kmdtest::NewConversion();
        kmd::ReadCurrentModelFile(bytes, *cv);
        EXPECT_EQ(cv->report.tables, original->report.tables);
        EXPECT_BYTES(kmd::WriteCurrentModelFile(*cv), bytes);
    }
}

TEST(CurrentReader, ACutOrChangedFileFailsInOrder) {
    for (const auto& step : kmd::CurrentWriteSteps())
        if (!step.readBack) GTEST_SKIP() << "no reader yet for " << step.name;
    kmdtest::MessageCapture quiet;
    const auto original = ReadLegacy(ExampleFile("8.5"));
    const auto bytes = kmd::WriteCurrentModelFile(*original);
    const auto& counts = original->report.tables;
    EXPECT_EQ(kmd::VerifyCurrentModelFile(bytes, counts), std::nullopt);
    for (std::size_t cut = 0; cut < bytes.size(); cut += 1 + cut / 8) {
        const std::vector<std::uint8_t> part(bytes.begin(), bytes.begin() + std::ptrdiff_t(cut));
        const auto why = kmd::VerifyCurrentModelFile(part, counts);
        ASSERT_TRUE(why) << "cut at " << cut;
        EXPECT_EQ(why->find("Internal error"), std::string::npos) << *why;
    }
    auto longer = bytes;
    longer.push_back(0);
    EXPECT_NE(kmd::VerifyCurrentModelFile(longer, counts)->find("after its last table (1 more bytes)"), std::string::npos);
}

}  // namespace
