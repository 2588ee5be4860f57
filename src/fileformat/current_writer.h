// The current model file: header record and table sequence.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "driver/conversion.h"
#include "fileformat/encoding.h"
#include "fileformat/legacy_reader.h"

namespace kmd {

inline constexpr const char* kCurrentVersionText = "9.72";

// Header record: trimmed product name, "9.72", trimmed CurrentVersionText.
void WriteHeaderRecord(Writer& out, const RunState& run);

// Writes the current-file steps first..end-1 (CurrentWriteSteps); step 0 starts
// with the header record.
void WriteCurrentSteps(Writer& out, const Conversion& cv, std::size_t first, std::size_t end);

// The whole current file in memory. Throws FormatError when the model holds
// data the current layout cannot express (a damaged input). With `inputSize`
// (the legacy file's size) the buffer is grown once and the output may take at
// most OutputLimitFor(inputSize) bytes; 0 sets no limit. The writers' remarks
// for the user go to `notes` (ignored when it is null).
std::vector<std::uint8_t> WriteCurrentModelFile(const Conversion& cv, std::size_t inputSize = 0,
                                                std::vector<std::string>* notes = nullptr);

// The same, showing the remarks once the file is written; a failure shows only
// its message and gives nothing.
std::optional<std::vector<std::uint8_t>> ExportCurrentModel(const Conversion& cv, std::size_t inputSize);
// Writes the current file to `sink` while the legacy file is read: each table
// family as soon as it is read, after which what no later step needs is let go.
// The bytes are those of ExportCurrentModel, and so are the messages: a
// writer's failure is kept and shown only once the whole file has read (a
// reader's failure later in the file is the one shown).
class StreamingExport {
public:
    StreamingExport(Conversion& cv, std::size_t inputSize, ByteSink& sink);
    // Hooks for ReadLegacyModelFile with the legacy read steps.
    ReadHooks Hooks(ReadProgress* input);
    // Once the file is read: writes what is left and shows the remarks, or the
    // failure (false).
    bool Finish();

private:
    void AfterStep(std::size_t step);
    void WriteUpTo(std::size_t end);

    Conversion& cv_;
    Writer out_;
    std::size_t next_ = 0;  // next current-file step
    std::string failure_;   // the writer's failure, shown by Finish
};

}  // namespace kmd
