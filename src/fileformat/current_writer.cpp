#include "fileformat/current_writer.h"

#include "driver/messages.h"
#include "fileformat/file_io.h"
#include "fileformat/steps.h"

namespace kmd {

void WriteHeaderRecord(Writer& out, const RunState& run) {
    out(TrimSpaces(run.ProgramName), std::string(kCurrentVersionText), TrimSpaces(run.CurrentVersionText));
}

std::vector<std::uint8_t> WriteCurrentModelFile(Conversion& cv, std::size_t sizeHint) {
    Writer out;
    // The current layout is a little larger than the legacy one (array headers).
    out.Buffer().reserve(sizeHint + sizeHint / 4);
    WriteHeaderRecord(out, cv.run);
    for (const WriteStep& step : CurrentWriteSteps()) {
        if (!step.fn) break;
        out.SetTable(step.name);
        step.fn(out, cv);
    }
    return std::move(out.Buffer());
}

bool SaveCurrentModelFile(Conversion& cv, std::size_t sizeHint) {
    std::vector<std::uint8_t> bytes;
    try {
        bytes = WriteCurrentModelFile(cv, sizeHint);
    } catch (const FormatError& e) {
        ShowMessage("Corrupt model file: the data of table \"" + e.table + "\" cannot be converted: " + e.what());
        return false;
    } catch (const std::exception& e) {
        ShowMessage(std::string("The converted model cannot be written: ") + e.what());
        return false;
    }
    std::string error;
    if (!WriteFileAtomically(cv.run.ModelFilePath, bytes, error)) {
        ShowMessage(ResString(11967) + cv.run.ModelFilePath + cv.run.LineBreak + error);
        return false;
    }
    return true;
}

}  // namespace kmd
