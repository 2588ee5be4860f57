// kmdconvert as a library: converts legacy KALDO model files (.KMD, versions
// 7.0 to 9.74) to the current layout (9.72), and inspects either kind.
//
// Every call is self-contained and may run on several threads at once; results
// and errors are values: nothing is printed and the process never exits.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace kmd {

inline constexpr const char* kCurrentLayoutVersion = "9.72";

struct ConvertOptions {
    // The product name the file's header must carry.
    std::string productName = "KALDO";
    // Asked before a file older than 9.0 is converted, with the message that
    // says so; true converts it. Without it the file is not converted.
    std::function<bool(const std::string& question)> confirmOlderVersion;
    // Read the output back with the current-layout reader before it is kept.
    bool verify = false;
    // A file already in the current layout is left alone (AlreadyCurrent);
    // false reads it as a legacy file, which refuses it.
    bool acceptCurrent = true;
    // ConvertFile: keep what the output file held before as this file (the
    // original, when converting in place). Empty: keep nothing.
    std::string backupPath;
};

struct TableRecords {
    std::string table;
    std::int64_t records = 0;
};

// The layout a table was read in: form `form` of `forms`, as `range` says
// ("above 8.005, at most 8.105").
struct TableLayout {
    std::string table;
    int form = 1;
    int forms = 1;
    std::string range;
};

struct DroppedRecords {
    std::string what;
    std::int64_t records = 0;
};

// What a conversion did, or what an inspection found.
struct FileReport {
    std::string status;                 // "converted", "already current", "skipped", "failed" (or "read")
    std::string reason;                 // why it failed or was skipped
    std::string inputPath;
    std::string outputPath;             // empty when nothing was written
    std::string layout;                 // "legacy" or "current"
    std::string productName;            // as the header holds it
    std::string versionText;            // the file's version, as its header holds it
    double version = 0;
    std::vector<TableLayout> layouts;   // legacy files: the layout of each table with several
    std::vector<TableRecords> tables;   // records per table of the current layout
    std::vector<DroppedRecords> dropped;
    std::vector<std::string> filled;    // filled with defaults or set by rule
    std::vector<std::string> warnings;  // shown while a file converted
};

enum class Outcome {
    Converted,       // the current file was produced
    AlreadyCurrent,  // the input is in the current layout already; nothing done
    NotConverted,    // see `messages` for why
};

struct ConversionResult {
    Outcome outcome = Outcome::NotConverted;
    std::vector<std::string> messages;  // everything the conversion said, in order
    std::vector<std::uint8_t> bytes;    // ConvertBytes: the current file
    std::uint64_t outputBytes = 0;      // size of the current file (ConvertBytes, CheckFile)
    FileReport report;

    bool ok() const { return outcome == Outcome::Converted; }
    // The last message on one line: the reason a file was not converted.
    std::string Reason() const;
};

// Converts the bytes of a legacy file in memory; `name` names it in messages.
ConversionResult ConvertBytes(std::span<const std::uint8_t> legacy, const ConvertOptions& options,
                              const std::string& name = "model");

// Converts the file `input` into `output` (which may be the same file). The
// output is replaced only once the whole model was read, written and (with
// `verify`) read back; otherwise it stays as it was.
ConversionResult ConvertFile(const std::string& input, const std::string& output, const ConvertOptions& options);

// Reads and converts `input` in memory; nothing is written.
ConversionResult CheckFile(const std::string& input, const ConvertOptions& options);

// Inspects a legacy file (converting it in memory) or a current file (reading
// it back): header, version, layouts and record counts. `ok` is false with the
// reason in `messages` when the file cannot be read.
struct Inspection {
    bool ok = false;
    std::vector<std::string> messages;
    FileReport report;
};
Inspection InspectFile(const std::string& path, const ConvertOptions& options);

// The report of one file as text (several lines) or as a JSON object.
std::string ReportText(const FileReport& report);
std::string ReportJson(const FileReport& report, int indent = 0);

}  // namespace kmd
