#include "driver/run.h"

#include <memory>

#include "driver/messages.h"
#include "fileformat/current_writer.h"
#include "fileformat/encoding.h"
#include "fileformat/file_io.h"
#include "fileformat/memory_budget.h"
#include "fileformat/legacy_reader.h"

namespace kmd {

std::vector<std::string> SplitArgumentString(std::string_view s) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        std::size_t bar = s.find('|', start);
        if (bar == std::string_view::npos) {
            fields.emplace_back(s.substr(start));
            return fields;
        }
        fields.emplace_back(s.substr(start, bar - start));
        start = bar + 1;
    }
}

std::optional<RunRequest> ParseArgumentString(std::string_view s) {
    if (s.empty()) return std::nullopt;
    auto f = SplitArgumentString(s);
    if (f.size() < 4) return std::nullopt;
    return RunRequest{TrimSpaces(f[0]), TrimSpaces(f[2]), TrimSpaces(f[3])};
}

namespace {

// Reads and writes the model; the result's status and output.
void Convert(ModelBytesResult& result, Conversion& cv, std::span<const std::uint8_t> input, ByteSink* sink,
             ReadProgress* progress) {
    // Nothing is written when reading stopped early: the user's file is not
    // replaced by an empty or half-read model.
    if (sink) {
        StreamingExport exporter(cv, input.size(), *sink);
        ReadLegacyModelFile(input, cv, &result.header, exporter.Hooks(progress));
        if (!cv.run.ModelLoaded || !exporter.Finish()) return;
    } else {
        ReadLegacyModelFile(input, cv, &result.header);
        if (!cv.run.ModelLoaded) return;
        auto bytes = ExportCurrentModel(cv, input.size());
        if (!bytes) return;
        result.output = std::move(*bytes);
    }
    result.status = kExitOk;
}

}  // namespace

ModelBytesResult ConvertModelBytes(std::span<const std::uint8_t> input, const std::string& programName,
                                   const std::string& inputPath, ByteSink* sink, ReadProgress* progress) {
    ModelBytesResult result;
    if (input.empty()) {
        ShowMessage(ResString(11967) + inputPath, MessageStyle::Exclamation);
        return result;
    }
    MemoryBudget budget(MemoryLimitFor(input.size()));
    ActiveBudget active(budget);
    std::unique_ptr<Conversion> cv;
    try {
        budget.Charge(input.size());  // the input is held whole
        cv = std::make_unique<Conversion>();
        cv->InitializeProgram();
        cv->ResetNewModel();
        cv->run.ProgramName = programName;
        cv->run.ModelFilePath = inputPath;
        Convert(result, *cv, input, sink, progress);
    } catch (const std::exception& e) {
        result.status = kExitNotConverted;
        ShowMessage(std::string("The model cannot be converted: ") + e.what());
    }
    if (cv) result.report = std::move(cv->report);
    return result;
}

}  // namespace kmd
