#include "driver/run.h"

#include <cstring>
#include <iostream>
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

ConversionResult ConvertModelBytes(std::span<const std::uint8_t> input, const std::string& programName,
                                   const std::string& inputPath, ByteSink* sink, ReadProgress* progress) {
    ConversionResult result;
    if (input.empty()) {
        ShowMessage(ResString(11967) + inputPath, MessageStyle::Exclamation);
        return result;
    }
    MemoryBudget budget(MemoryLimitFor(input.size()));
    ActiveBudget active(budget);
    try {
        budget.Charge(input.size());  // the input is held whole
        auto cv = std::make_unique<Conversion>();
        cv->InitializeProgram();
        cv->ResetNewModel();
        cv->run.ProgramName = programName;
        cv->run.ModelFilePath = inputPath;
        // Nothing is written when reading stopped early: the user's file is not
        // replaced by an empty or half-read model.
        if (sink) {
            StreamingExport exporter(*cv, input.size(), *sink);
            ReadLegacyModelFile(input, *cv, nullptr, exporter.Hooks(progress));
            if (!cv->run.ModelLoaded || !exporter.Finish()) return result;
        } else {
            ReadLegacyModelFile(input, *cv);
            if (!cv->run.ModelLoaded) return result;
            auto bytes = ExportCurrentModel(*cv, input.size());
            if (!bytes) return result;
            result.output = std::move(*bytes);
        }
        result.status = kExitOk;
    } catch (const std::exception& e) {
        ShowMessage(std::string("The model cannot be converted: ") + e.what());
    }
    return result;
}

int RunConversion(const RunRequest& request) {
    auto input = OpenInputFile(request.InputPath);
    if (!input) return kExitNotConverted;
    // The output streams into a temporary file that replaces the target only
    // once the whole model was read and written.
    AtomicOutputFile output(request.OutputPath);
    ConversionResult r = ConvertModelBytes(input->Bytes(), request.ProgramName, request.InputPath, &output, &*input);
    input.reset();
    if (r.status != kExitOk) return r.status;
    std::string error;
    if (!output.Commit(error)) {
        ShowMessage(ResString(11967) + request.OutputPath + "\r\n" + error);
        return kExitNotConverted;
    }
    return kExitOk;
}

namespace {

// A sink that keeps nothing, counting what it is given.
struct CountingSink final : ByteSink {
    std::uint64_t bytes = 0;
    void Put(std::span<const std::uint8_t> b) override { bytes += b.size(); }
};

}  // namespace

int CheckConversion(const std::string& programName, const std::string& inputPath) {
    auto input = OpenInputFile(inputPath);
    if (!input) return kExitNotConverted;
    CountingSink sink;
    ConversionResult r = ConvertModelBytes(input->Bytes(), programName, inputPath, &sink, &*input);
    if (r.status == kExitOk)
        std::cerr << "kmdconvert: " << inputPath << " converts (" << sink.bytes << " bytes in the current layout)\n";
    return r.status;
}

namespace {

constexpr const char* kUsage =
    "Usage: kmdconvert [options] INPUT OUTPUT\n"
    "       kmdconvert [options] \"PRODUCT|ANY|INPUT|OUTPUT\"\n"
    "       kmdconvert --check [options] INPUT...\n"
    "\n"
    "Converts a KALDO model file (.KMD) of version 7.0 to 9.74 to the current\n"
    "file layout (9.72). The output replaces OUTPUT only when the whole model was\n"
    "read and written; INPUT and OUTPUT may be the same file.\n"
    "\n"
    "Options:\n"
    "  -y, --yes         convert files older than 9.0 without asking\n"
    "      --check       read and convert each INPUT in memory and report; write nothing\n"
    "      --product NAME  product name the file must carry (default KALDO)\n"
    "  -h, --help        show this help and exit\n"
    "      --version     show the version and exit\n"
    "\n"
    "Exit status: 0 converted (with --check: every INPUT converts), 1 not converted\n"
    "(the reason is shown), 2 usage error.\n";

int UsageError(const std::string& why) {
    if (!why.empty()) std::cerr << "kmdconvert: " << why << "\n";
    std::cerr << kUsage;
    return kExitUsage;
}

}  // namespace

int Main(int argc, char** argv) {
    bool yes = false, check = false;
    std::optional<std::string> product;
    std::vector<std::string> operands;
    bool options_done = false;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (options_done || a.empty() || a[0] != '-' || a == "-") {
            operands.push_back(a);
        } else if (a == "--") {
            options_done = true;
        } else if (a == "-h" || a == "--help") {
            std::cout << kUsage;
            return kExitOk;
        } else if (a == "--version") {
            std::cout << "kmdconvert 1.0 (writes model files of version " << kCurrentVersionText << ")\n";
            return kExitOk;
        } else if (a == "-y" || a == "--yes") {
            yes = true;
        } else if (a == "--check") {
            check = true;
        } else if (a == "--product") {
            if (i + 1 >= argc) return UsageError("--product needs a name");
            product = argv[++i];
        } else if (a.rfind("--product=", 0) == 0) {
            product = a.substr(std::strlen("--product="));
        } else {
            return UsageError("unknown option " + a);
        }
    }
    SetQuestionPolicy(yes ? QuestionPolicy::AnswerOk : QuestionPolicy::AskTerminal);

    if (check) {
        if (operands.empty()) return UsageError("--check needs an input file");
        const std::string name = product ? TrimSpaces(*product) : std::string("KALDO");
        int status = kExitOk;
        for (const std::string& path : operands)
            if (CheckConversion(name, path) != kExitOk) status = kExitNotConverted;
        return status;
    }

    std::optional<RunRequest> request;
    if (operands.size() == 1) {
        request = ParseArgumentString(operands[0]);
        if (!request) return UsageError(operands[0].empty() ? "empty argument string"
                                                             : "the argument string needs four fields");
        if (product) request->ProgramName = TrimSpaces(*product);
    } else if (operands.size() == 2) {
        request = RunRequest{product ? TrimSpaces(*product) : std::string("KALDO"), operands[0], operands[1]};
    } else {
        return UsageError(operands.empty() ? "" : "too many operands");
    }
    return RunConversion(*request);
}

}  // namespace kmd
