#include "fileformat/current_reader.h"

#include <algorithm>
#include <memory>
#include <new>

#include "fileformat/current_writer.h"
#include "fileformat/steps.h"

namespace kmd {

bool IsCurrentModelFile(std::span<const std::uint8_t> file, const std::string& programName) {
    const std::string name = TrimSpaces(programName);
    Reader in(file);
    try {
        std::string product, version;
        in(product, version);
        return product == name && version == kCurrentVersionText;
    } catch (const FormatError&) {
        return false;
    }
}

void ReadCurrentModelFile(std::span<const std::uint8_t> file, Conversion& cv, CurrentHeader* header) {
    Reader in(file, nullptr, Reader::Form::Current);
    in.SetTable("file header");
    CurrentHeader h;
    in(h.ProgramName, h.VersionText, h.SavedByText);
    if (h.VersionText != kCurrentVersionText)
        in.FailAt(0, "the file is not of version " + std::string(kCurrentVersionText) + " (it says \"" +
                         h.VersionText + "\")");
    if (header) *header = h;
    cv.run.ProgramName = h.ProgramName;
    cv.run.CurrentVersionText = h.SavedByText;
    cv.FileVersion = 9.72;
    for (const WriteStep& step : CurrentWriteSteps()) {
        in.SetTable(step.name);
        if (!step.readBack) in.Fail("this table cannot be read back yet");
        step.readBack(in, cv);
    }
    if (in.Remaining() > 0)
        in.Fail("the file goes on after its last table (" + std::to_string(in.Remaining()) + " more bytes)");
}

std::optional<std::string> VerifyCurrentModelFile(std::span<const std::uint8_t> file,
                                                  const std::vector<TableCount>& written) {
    const std::string failed = "The written file does not read back as it was written: ";
    MemoryBudget budget(MemoryLimitFor(file.size()));
    ActiveBudget active(budget);
    try {
        auto cv = std::make_unique<Conversion>();
        cv->InitializeProgram();
        cv->ResetNewModel();
        ReadCurrentModelFile(file, *cv);
        if (cv->report.tables != written) {
            const auto& read = cv->report.tables;
            std::size_t i = 0;
            while (i < read.size() && i < written.size() && read[i] == written[i]) ++i;
            if (i < read.size() && i < written.size())
                return failed + "table \"" + read[i].table + "\" holds " + std::to_string(read[i].records) +
                       " records, " + std::to_string(written[i].records) + " were written.";
            return failed + "it holds " + std::to_string(read.size()) + " tables, " +
                   std::to_string(written.size()) + " were written.";
        }
        const auto again = WriteCurrentModelFile(*cv, file.size());
        if (!std::equal(again.begin(), again.end(), file.begin(), file.end())) {
            const auto diff = std::mismatch(again.begin(), again.end(), file.begin(), file.end());
            return failed + "written again it differs from byte offset " +
                   std::to_string(diff.first - again.begin()) + ".";
        }
    } catch (const FormatError& e) {
        return failed + e.Message();
    } catch (const MemoryLimitExceeded& e) {
        return failed + e.what();
    } catch (const std::bad_alloc&) {
        return failed + "not enough memory.";
    } catch (const std::exception& e) {
        return failed + e.what();
    }
    return std::nullopt;
}

}  // namespace kmd
