#include "fileformat/current_writer.h"

#include <new>

#include "driver/messages.h"
#include "fileformat/steps.h"

namespace kmd {

void WriteHeaderRecord(Writer& out, const RunState& run) {
    out(TrimSpaces(run.ProgramName), std::string(kCurrentVersionText), TrimSpaces(run.CurrentVersionText));
}

namespace {

void WriteTables(Writer& out, const Conversion& cv) {
    WriteHeaderRecord(out, cv.run);
    for (const WriteStep& step : CurrentWriteSteps()) {
        out.SetTable(step.name);
        step.fn(out, cv);
    }
}

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
    return std::move(out.Buffer());
}

namespace {

// Writes the tables into `out` (set up by `open`); shows the remarks, or the
// failure's message and gives false.
template <class Open>
bool Export(const Conversion& cv, Writer& out, Open open) {
    try {
        open(out);
        WriteTables(out, cv);
        out.Flush();
        for (const std::string& note : out.Notes()) ShowMessage(note);
        return true;
    } catch (const FormatError& e) {
        ShowMessage("Corrupt model file: the data of table \"" + e.table + "\" cannot be converted (output byte offset " +
                    std::to_string(e.offset) + "): " + e.what());
    } catch (const MemoryLimitExceeded& e) {
        ShowMessage("Corrupt model file: table \"" + out.Table() + "\" cannot be written: " + e.what());
    } catch (const std::bad_alloc&) {
        ShowMessage("The converted model cannot be written: not enough memory (table \"" + out.Table() + "\").");
    } catch (const std::exception& e) {
        ShowMessage(InternalErrorMessage("writing", out.Table(), e.what()));
    }
    return false;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> ExportCurrentModel(const Conversion& cv, std::size_t inputSize) {
    Writer out;
    if (!Export(cv, out, [&](Writer& w) { w = CurrentWriter(inputSize); })) return std::nullopt;
    return std::move(out.Buffer());
}

bool ExportCurrentModel(const Conversion& cv, std::size_t inputSize, ByteSink& sink) {
    Writer out;
    return Export(cv, out, [&](Writer& w) {
        w = Writer(Writer::Form::Current, inputSize ? OutputLimitFor(inputSize) : std::numeric_limits<std::uint64_t>::max());
        w.StreamTo(sink);
    });
}

}  // namespace kmd
