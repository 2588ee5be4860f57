#include "fileformat/current_reader.h"

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
        in.Fail(std::to_string(in.Remaining()) + " bytes after the last table");
}

}  // namespace kmd
