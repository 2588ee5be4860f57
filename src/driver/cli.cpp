// The command line: options, the four ways to run, exit status.
#include <charconv>
#include <iostream>
#include <optional>

#include "driver/batch.h"
#include "driver/messages.h"
#include "driver/platform.h"
#include "driver/run.h"
#include "fileformat/file_io.h"
#include "kmd/kmd.h"

namespace kmd {

namespace {

constexpr const char* kUsage =
    "Usage: kmdconvert [options] INPUT OUTPUT\n"
    "       kmdconvert [options] \"PRODUCT|ANY|INPUT|OUTPUT\"\n"
    "       kmdconvert [options] --out-dir DIR FILE_OR_FOLDER...\n"
    "       kmdconvert [options] --in-place FILE_OR_FOLDER...\n"
    "       kmdconvert --check [options] INPUT...\n"
    "       kmdconvert inspect [--json] [options] FILE...\n"
    "\n"
    "Converts KALDO model files (.KMD) of versions 7.0 to 9.74 to the current\n"
    "file layout (9.72). An output is replaced only when the whole model was read\n"
    "and written; INPUT and OUTPUT may be the same file.\n"
    "\n"
    "Options:\n"
    "  -y, --yes               convert files older than 9.0 without asking\n"
    "      --product NAME      product name the files must carry (default KALDO)\n"
    "      --verify            read each written file back before it is kept\n"
    "  -v, --verbose           show what the conversion changed (the report)\n"
    "      --report FILE       write the report of every file to FILE\n"
    "      --report-format F   text (default) or json\n"
    "      --check             read and convert each INPUT in memory and report; write nothing\n"
    "Many files:\n"
    "      --out-dir DIR       convert into DIR, keeping relative paths and names;\n"
    "                          folders are searched for .KMD files (any letter case)\n"
    "      --in-place          replace each file, keeping the original as NAME.bak\n"
    "      --no-backup         with --in-place: keep no NAME.bak\n"
    "  -r, --recursive         search folders and their subfolders\n"
    "  -j, --jobs N            convert N files at once (default: one per core)\n"
    "      --force             convert even when the output is newer than its source\n"
    "Inspect:\n"
    "      --json              print the inspection as JSON on standard output\n"
    "\n"
    "  -h, --help              show this help and exit\n"
    "      --version           show the version and exit\n"
    "\n"
    "Files already in the current layout are skipped as \"already current\" when\n"
    "many files are converted. Messages and progress go to standard error (on\n"
    "Windows the argument-string form shows them in a message box).\n"
    "\n"
    "Exit status: 0 converted (with many files or --check: no file failed), 1 not\n"
    "converted (the reason is shown), 2 usage error.\n";

int UsageError(const std::string& why) {
    if (!why.empty()) std::cerr << "kmdconvert: " << why << "\n";
    std::cerr << kUsage;
    return kExitUsage;
}

struct Options {
    bool yes = false, check = false, verify = false, verbose = false, json = false;
    bool inPlace = false, noBackup = false, recursive = false, force = false;
    std::optional<std::string> product, outDir, report;
    std::string reportFormat = "text";
    unsigned jobs = 0;
    std::vector<std::string> operands;
};

// Parses GNU-style options (--opt=value and --opt value, -j4, a lone -- ends
// them). An error is the message to show; nothing when fine.
std::optional<std::string> Parse(const std::vector<std::string>& argv, Options& o, bool& help, bool& version) {
    bool optionsDone = false;
    const std::size_t argc = argv.size();
    for (std::size_t i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (optionsDone || a.empty() || a[0] != '-' || a == "-") {
            o.operands.push_back(a);
            continue;
        }
        if (a == "--") {
            optionsDone = true;
            continue;
        }
        std::string name = a, value;
        bool inlineValue = false;
        if (a.rfind("--", 0) == 0) {
            if (auto eq = a.find('='); eq != std::string::npos)
                name = a.substr(0, eq), value = a.substr(eq + 1), inlineValue = true;
        } else if (a.size() > 2) {  // -j4
            name = a.substr(0, 2), value = a.substr(2), inlineValue = true;
        }
        auto takeValue = [&]() -> std::optional<std::string> {
            if (inlineValue) return value;
            if (i + 1 >= argc) return std::nullopt;
            return argv[++i];
        };
        auto flag = [&](bool& b) {
            if (inlineValue) return false;
            b = true;
            return true;
        };
        bool ok = true;
        if (name == "-h" || name == "--help") ok = flag(help);
        else if (name == "--version") ok = flag(version);
        else if (name == "-y" || name == "--yes") ok = flag(o.yes);
        else if (name == "--check") ok = flag(o.check);
        else if (name == "--verify") ok = flag(o.verify);
        else if (name == "-v" || name == "--verbose") ok = flag(o.verbose);
        else if (name == "--json") ok = flag(o.json);
        else if (name == "--in-place") ok = flag(o.inPlace);
        else if (name == "--no-backup") ok = flag(o.noBackup);
        else if (name == "-r" || name == "--recursive") ok = flag(o.recursive);
        else if (name == "--force") ok = flag(o.force);
        else if (name == "--product" || name == "--out-dir" || name == "--report" || name == "--report-format" ||
                 name == "-j" || name == "--jobs") {
            auto v = takeValue();
            if (!v) return name + " needs a value";
            if (name == "--product") o.product = *v;
            else if (name == "--out-dir") o.outDir = *v;
            else if (name == "--report") o.report = *v;
            else if (name == "--report-format") o.reportFormat = *v;
            else {
                auto [end, ec] = std::from_chars(v->data(), v->data() + v->size(), o.jobs);
                if (ec != std::errc() || end != v->data() + v->size() || o.jobs == 0 || o.jobs > 1024)
                    return name + " needs a number of jobs from 1 to 1024, not \"" + *v + "\"";
            }
        } else {
            return "unknown option " + a;
        }
        if (!ok) return name + " takes no value";
    }
    if (o.reportFormat != "text" && o.reportFormat != "json")
        return "--report-format is text or json, not \"" + o.reportFormat + "\"";
    return std::nullopt;
}

ConvertOptions LibraryOptions(const Options& o) {
    ConvertOptions c;
    if (o.product) c.productName = TrimSpaces(*o.product);
    c.verify = o.verify;
    if (o.yes) c.confirmOlderVersion = [](const std::string&) { return true; };
    else if (StandardInputIsTerminal()) c.confirmOlderVersion = AskOnTerminal;
    return c;
}

void Show(const std::vector<std::string>& messages) {
    for (const std::string& m : messages) ShowMessage(m);
}

// The reports as text, or as one JSON object with a "files" array.
std::string Render(const std::vector<FileReport>& reports, bool json) {
    std::string text;
    if (!json) {
        for (std::size_t i = 0; i < reports.size(); ++i) text += (i ? "\n" : "") + ReportText(reports[i]);
        return text;
    }
    text = "{\n  \"files\": [";
    for (std::size_t i = 0; i < reports.size(); ++i)
        text += std::string(i ? "," : "") + "\n    " + ReportJson(reports[i], 2);
    return text + (reports.empty() ? "]\n}\n" : "\n  ]\n}\n");
}

// Writes the reports to the --report file; false (with a message) when it cannot.
bool WriteReport(const Options& o, const std::vector<FileReport>& reports) {
    if (!o.report) return true;
    const std::string text = Render(reports, o.reportFormat == "json");
    std::string error;
    const auto* p = reinterpret_cast<const std::uint8_t*>(text.data());
    if (WriteFileAtomically(*o.report, {p, text.size()}, error)) return true;
    std::cerr << "kmdconvert: cannot write the report " << *o.report << ": " << error << "\n";
    return false;
}

int Finish(const Options& o, const std::vector<FileReport>& reports, int status) {
    if (o.verbose)
        for (const FileReport& r : reports) std::cerr << ReportText(r);
    return WriteReport(o, reports) ? status : kExitNotConverted;
}

int Inspect(const Options& o) {
    if (o.operands.empty()) return UsageError("inspect needs a file");
    int status = kExitOk;
    std::vector<FileReport> reports;
    // Nothing is written, so files older than 9.0 are read without asking.
    ConvertOptions options = LibraryOptions(o);
    options.confirmOlderVersion = [](const std::string&) { return true; };
    for (const std::string& path : o.operands) {
        Inspection ins = InspectFile(path, options);
        if (!ins.ok) {
            Show(ins.messages);
            status = kExitNotConverted;
        }
        reports.push_back(std::move(ins.report));
    }
    std::cout << Render(reports, o.json);
    return WriteReport(o, reports) ? status : kExitNotConverted;
}

int Check(const Options& o) {
    if (o.operands.empty()) return UsageError("--check needs an input file");
    int status = kExitOk;
    std::vector<FileReport> reports;
    for (const std::string& path : o.operands) {
        ConversionResult r = CheckFile(path, LibraryOptions(o));
        Show(r.messages);
        if (r.ok())
            std::cerr << "kmdconvert: " << path << " converts (" << r.outputBytes << " bytes in the current layout)\n";
        else if (r.outcome == Outcome::AlreadyCurrent)
            std::cerr << "kmdconvert: " << path << " is already current\n";
        else
            status = kExitNotConverted;
        reports.push_back(std::move(r.report));
    }
    return Finish(o, reports, status);
}

int Batch(const Options& o) {
    if (o.operands.empty()) return UsageError("no files or folders to convert");
    if (o.inPlace && o.outDir) return UsageError("--in-place and --out-dir exclude each other");
    if (o.noBackup && !o.inPlace) return UsageError("--no-backup goes with --in-place");
    BatchRequest b;
    b.operands = o.operands;
    b.outDir = o.outDir.value_or("");
    b.inPlace = o.inPlace;
    b.backup = !o.noBackup;
    b.recursive = o.recursive;
    b.force = o.force;
    b.answerYes = o.yes;
    b.jobs = o.jobs;
    b.options.verify = o.verify;
    if (o.product) b.options.productName = TrimSpaces(*o.product);
    std::vector<FileReport> reports = RunBatch(b);
    int status = kExitOk;
    for (const FileReport& r : reports)
        if (r.status == "failed") status = kExitNotConverted;
    return Finish(o, reports, status);
}

// One file, as the host program starts it. In the argument-string form the
// messages go to the message box when there is one.
int Single(const Options& o, const MessageBoxFunction& box) {
    std::optional<RunRequest> request;
    const bool boxed = box && o.operands.size() == 1;
    if (o.operands.size() == 1) {
        request = ParseArgumentString(o.operands[0]);
        if (!request)
            return UsageError(o.operands[0].empty() ? "empty argument string" : "the argument string needs four fields");
        if (o.product) request->ProgramName = TrimSpaces(*o.product);
    } else if (o.operands.size() == 2) {
        request = RunRequest{o.product ? TrimSpaces(*o.product) : std::string("KALDO"), o.operands[0], o.operands[1]};
    } else {
        return UsageError(o.operands.empty() ? "" : "too many operands");
    }
    ConvertOptions c = LibraryOptions(o);
    c.productName = request->ProgramName;
    c.acceptCurrent = false;  // read as the host program reads it
    if (boxed && !o.yes)
        c.confirmOlderVersion = [&box](const std::string& text) {
            return box(kMessageTitle, text, MessageStyle::ExclamationOkCancel);
        };
    ConversionResult r = ConvertFile(request->InputPath, request->OutputPath, c);
    if (boxed)
        for (const std::string& m : r.messages) box(kMessageTitle, m, MessageStyle::Exclamation);
    else
        Show(r.messages);
    return Finish(o, {r.report}, r.ok() ? kExitOk : kExitNotConverted);
}

}  // namespace

int Main(const std::vector<std::string>& args, const MessageBoxFunction& box) {
    Options o;
    bool help = false, version = false;
    if (auto error = Parse(args, o, help, version)) return UsageError(*error);
    if (help) {
        std::cout << kUsage;
        return kExitOk;
    }
    if (version) {
        std::cout << "kmdconvert 1.1 (writes model files of version " << kCurrentLayoutVersion << ")\n";
        return kExitOk;
    }
    // The first operand "inspect" names the command (a file of that name: ./inspect).
    if (!o.operands.empty() && o.operands[0] == "inspect") {
        o.operands.erase(o.operands.begin());
        return Inspect(o);
    }
    if (o.check) return Check(o);
    if (o.outDir || o.inPlace) return Batch(o);
    return Single(o, box);
}

}  // namespace kmd
