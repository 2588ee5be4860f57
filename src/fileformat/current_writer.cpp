#include "fileformat/current_writer.h"

#include <algorithm>
#include <new>

#include "driver/messages.h"
#include "fileformat/steps.h"

namespace kmd {

void WriteHeaderRecord(Writer& out, const RunState& run) {
    out(TrimSpaces(run.ProgramName), std::string(kCurrentVersionText), TrimSpaces(run.CurrentVersionText));
}

// The header record comes before step 0.
void WriteCurrentSteps(Writer& out, const Conversion& cv, std::size_t first, std::size_t end) {
    const auto steps = CurrentWriteSteps();
    end = std::min(end, steps.size());
    if (first == 0 && end > 0) WriteHeaderRecord(out, cv.run);
    for (std::size_t i = first; i < end; ++i) {
        out.SetTable(steps[i].name);
        steps[i].fn(out, cv);
    }
}

namespace {

void WriteTables(Writer& out, const Conversion& cv) { WriteCurrentSteps(out, cv, 0, CurrentWriteSteps().size()); }

Writer CurrentWriter(std::size_t inputSize) {
    Writer out(Writer::Form::Current, inputSize ? OutputLimitFor(inputSize) : std::numeric_limits<std::uint64_t>::max());
    // The current layout is a little larger than the legacy one (array headers).
    out.Reserve(inputSize + inputSize / 4);
    return out;
}

}  // namespace

std::vector<std::uint8_t> WriteCurrentModelFile(const Conversion& cv, std::size_t inputSize,
                                                std::vector<std::string>* notes) {
    Writer out = CurrentWriter(inputSize);
    WriteTables(out, cv);
    if (notes) *notes = out.Notes();
    cv.report.tables = out.Counts();
    return out.TakeBuffer();
}

namespace {

// The message for the writer's failure being handled (call inside a catch).
std::string WriteFailureMessage(const Writer& out) {
    try {
        throw;
    } catch (const FormatError& e) {
        return "Corrupt model file: the data of table \"" + e.table + "\" cannot be converted (output byte offset " +
               std::to_string(e.offset) + "): " + e.what();
    } catch (const MemoryLimitExceeded& e) {
        return "Corrupt model file: table \"" + out.Table() + "\" cannot be written: " + e.what();
    } catch (const std::bad_alloc&) {
        return "The converted model cannot be written: not enough memory (table \"" + out.Table() + "\").";
    } catch (const std::exception& e) {
        return InternalErrorMessage("writing", out.Table(), e.what());
    }
}

}  // namespace

std::optional<std::vector<std::uint8_t>> ExportCurrentModel(const Conversion& cv, std::size_t inputSize) {
    Writer out;
    try {
        out = CurrentWriter(inputSize);
        WriteTables(out, cv);
        cv.report.tables = out.Counts();
        for (const std::string& note : out.Notes()) ShowMessage(note);
        return out.TakeBuffer();
    } catch (const std::exception&) {
        ShowMessage(WriteFailureMessage(out));
    }
    return std::nullopt;
}

StreamingExport::StreamingExport(Conversion& cv, std::size_t inputSize, ByteSink& sink)
    : cv_(cv), out_(Writer::Form::Current, OutputLimitFor(inputSize)) {
    out_.StreamTo(sink);
}

ReadHooks StreamingExport::Hooks(ReadProgress* input) {
    return {input, [this](std::size_t step) { AfterStep(step); }};
}

void StreamingExport::WriteUpTo(std::size_t end) {
    if (!failure_.empty() || end <= next_) return;
    try {
        WriteCurrentSteps(out_, cv_, next_, end);
        next_ = end;
    } catch (const std::exception&) {
        failure_ = WriteFailureMessage(out_);
    }
}

void StreamingExport::AfterStep(std::size_t i) {
    if (i >= LegacyReadSteps().size()) return;
    const ReadStep& step = LegacyReadSteps()[i];
    if (step.writes == 0 && !step.release) return;
    WriteUpTo(next_ + std::size_t(step.writes));
    if (step.release) step.release(cv_);
}

bool StreamingExport::Finish() {
    WriteUpTo(CurrentWriteSteps().size());
    if (failure_.empty()) {
        try {
            out_.Flush();
        } catch (const std::exception&) {
            failure_ = WriteFailureMessage(out_);
        }
    }
    if (!failure_.empty()) {
        ShowMessage(failure_);
        return false;
    }
    cv_.report.tables = out_.Counts();
    for (const std::string& note : out_.Notes()) ShowMessage(note);
    return true;
}

}  // namespace kmd
