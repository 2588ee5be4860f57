// The library interface: each call converts or inspects one file with its own
// messages, question handler and memory budget, and returns what happened.
#include <memory>

#include "driver/messages.h"
#include "driver/run.h"
#include "fileformat/current_reader.h"
#include "fileformat/current_writer.h"
#include "fileformat/file_io.h"
#include "kmd/kmd.h"

namespace kmd {

namespace {

// Collects the messages of one call and hands its question to the caller.
class CallScope {
public:
    CallScope(std::vector<std::string>& messages, const ConvertOptions& options)
        : scope_([&messages](const std::string&, const std::string& text) { messages.push_back(text); },
                 options.confirmOlderVersion) {}

private:
    ScopedMessages scope_;
};

void DescribeLegacy(FileReport& f, const ModelBytesResult& m) {
    f.layout = "legacy";
    f.productName = m.header.HeaderProgramName;
    f.versionText = m.header.HeaderVersionText;
    f.version = m.header.FileVersion;
    for (const LayoutTaken& l : m.report.layouts) {
        f.layouts.push_back({l.table, l.form, l.forms, LayoutRange(l)});
        if (l.form < l.forms)
            f.filled.push_back(l.table + ": fields that newer layouts added take their defaults (read in form " +
                               std::to_string(l.form) + ")");
    }
    for (const TableCount& t : m.report.tables) f.tables.push_back({t.table, t.records});
    for (const DroppedData& d : m.report.dropped) f.dropped.push_back({d.what, d.records});
    f.filled.insert(f.filled.end(), m.report.filled.begin(), m.report.filled.end());
}

void Finish(ConversionResult& r, bool converted, const std::string& output = {}) {
    r.outcome = converted ? Outcome::Converted : Outcome::NotConverted;
    r.report.status = converted ? "converted" : "failed";
    if (converted) {
        r.report.outputPath = output;
        r.report.warnings = r.messages;
    } else {
        r.report.reason = r.Reason();
    }
}

bool AlreadyCurrent(ConversionResult& r, std::span<const std::uint8_t> bytes, const ConvertOptions& options) {
    if (!options.acceptCurrent || !IsCurrentModelFile(bytes, options.productName)) return false;
    r.outcome = Outcome::AlreadyCurrent;
    r.report.status = "already current";
    r.report.layout = "current";
    r.report.productName = TrimSpaces(options.productName);
    r.report.versionText = kCurrentVersionText;
    r.report.version = 9.72;
    return true;
}

std::string ProductName(const ConvertOptions& options) { return TrimSpaces(options.productName); }

// A sink that keeps nothing, counting what it is given.
struct CountingSink final : ByteSink {
    std::uint64_t bytes = 0;
    void Put(std::span<const std::uint8_t> b) override { bytes += b.size(); }
};

bool KeepBackup(const ConvertOptions& options, std::span<const std::uint8_t> original) {
    if (options.backupPath.empty()) return true;
    std::string error;
    if (WriteFileAtomically(options.backupPath, original, error)) return true;
    ShowMessage(ResString(11967) + options.backupPath + "\r\n" + error);
    return false;
}

bool Commit(AtomicOutputFile& out, const std::string& path) {
    std::string error;
    if (out.Commit(error)) return true;
    ShowMessage(ResString(11967) + path + "\r\n" + error);
    return false;
}

// Opens the input of a call: nothing when it cannot be opened (the result
// says so) or is already current.
std::optional<InputFile> OpenFor(ConversionResult& r, const std::string& input, const ConvertOptions& options) {
    r.report.inputPath = input;
    auto in = OpenInputFile(input);
    if (!in) Finish(r, false);
    else if (AlreadyCurrent(r, in->Bytes(), options)) in.reset();
    return in;
}

}  // namespace

std::string ConversionResult::Reason() const { return messages.empty() ? std::string() : OneLine(messages.back()); }

ConversionResult ConvertBytes(std::span<const std::uint8_t> legacy, const ConvertOptions& options,
                              const std::string& name) {
    ConversionResult r;
    CallScope scope(r.messages, options);
    r.report.inputPath = name;
    if (AlreadyCurrent(r, legacy, options)) return r;
    ModelBytesResult m = ConvertModelBytes(legacy, ProductName(options), name);
    DescribeLegacy(r.report, m);
    bool ok = m.status == kExitOk;
    if (ok && options.verify) {
        if (auto why = VerifyCurrentModelFile(m.output, m.report.tables)) {
            ShowMessage(*why);
            ok = false;
        }
    }
    if (ok) r.outputBytes = m.output.size(), r.bytes = std::move(m.output);
    Finish(r, ok);
    return r;
}

ConversionResult ConvertFile(const std::string& input, const std::string& output, const ConvertOptions& options) {
    ConversionResult r;
    CallScope scope(r.messages, options);
    auto in = OpenFor(r, input, options);
    if (!in) return r;
    bool ok = false;
    if (options.verify) {
        // Held whole: the written bytes are read back before anything is kept.
        ModelBytesResult m = ConvertModelBytes(in->Bytes(), ProductName(options), input);
        DescribeLegacy(r.report, m);
        if (m.status == kExitOk) {
            if (auto why = VerifyCurrentModelFile(m.output, m.report.tables)) {
                ShowMessage(*why);
            } else if (KeepBackup(options, in->Bytes())) {
                in.reset();
                std::string error;
                ok = WriteFileAtomically(output, m.output, error);
                if (!ok) ShowMessage(ResString(11967) + output + "\r\n" + error);
            }
        }
    } else {
        // The output streams into a temporary file that replaces the target
        // only once the whole model was read and written.
        AtomicOutputFile out(output);
        ModelBytesResult m = ConvertModelBytes(in->Bytes(), ProductName(options), input, &out, &*in);
        DescribeLegacy(r.report, m);
        if (m.status == kExitOk && KeepBackup(options, in->Bytes())) {
            in.reset();
            ok = Commit(out, output);
        }
    }
    Finish(r, ok, output);
    return r;
}

ConversionResult CheckFile(const std::string& input, const ConvertOptions& options) {
    ConversionResult r;
    CallScope scope(r.messages, options);
    auto in = OpenFor(r, input, options);
    if (!in) return r;
    if (options.verify) {
        ConversionResult whole = ConvertBytes(in->Bytes(), options, input);
        whole.bytes = {};
        return whole;
    }
    CountingSink sink;
    ModelBytesResult m = ConvertModelBytes(in->Bytes(), ProductName(options), input, &sink, &*in);
    DescribeLegacy(r.report, m);
    r.outputBytes = sink.bytes;
    Finish(r, m.status == kExitOk);
    return r;
}

Inspection InspectFile(const std::string& path, const ConvertOptions& options) {
    Inspection ins;
    ConversionResult r;
    {
        CallScope scope(r.messages, options);
        r.report.inputPath = path;
        auto in = OpenInputFile(path);
        if (in && IsCurrentModelFile(in->Bytes(), options.productName)) {
            MemoryBudget budget(MemoryLimitFor(in->Bytes().size()));
            ActiveBudget active(budget);
            try {
                auto cv = std::make_unique<Conversion>();
                cv->InitializeProgram();
                cv->ResetNewModel();
                CurrentHeader h;
                ReadCurrentModelFile(in->Bytes(), *cv, &h);
                r.report.status = "read";
                r.report.layout = "current";
                r.report.productName = h.ProgramName;
                r.report.versionText = h.VersionText;
                r.report.version = 9.72;
                for (const TableCount& t : cv->report.tables) r.report.tables.push_back({t.table, t.records});
                ins.ok = true;
            } catch (const FormatError& e) {
                ShowMessage(e.Message());
            } catch (const std::exception& e) {
                ShowMessage(std::string("The model cannot be read: ") + e.what());
            }
        } else if (in) {
            CountingSink sink;
            ModelBytesResult m = ConvertModelBytes(in->Bytes(), ProductName(options), path, &sink, &*in);
            DescribeLegacy(r.report, m);
            ins.ok = m.status == kExitOk;
            r.report.status = ins.ok ? "read" : "failed";
            if (ins.ok) r.report.warnings = r.messages;
        }
    }
    if (!ins.ok) r.report.status = "failed", r.report.reason = r.Reason();
    ins.messages = std::move(r.messages);
    ins.report = std::move(r.report);
    return ins;
}

}  // namespace kmd
