// Conversion of many files at once, in parallel.
#pragma once

#include <string>
#include <vector>

#include "kmd/kmd.h"

namespace kmd {

struct BatchRequest {
    std::vector<std::string> operands;  // files and folders
    std::string outDir;                 // empty with inPlace
    bool inPlace = false;
    bool backup = true;                 // inPlace: keep NAME.bak
    bool recursive = false;
    bool force = false;                 // convert even when the output is newer
    bool answerYes = false;
    unsigned jobs = 0;                  // 0: one per core
    ConvertOptions options;             // product name and verify
};

// Converts every file, showing progress and a summary on standard error.
// The reports of the files, in the order of the operands.
std::vector<FileReport> RunBatch(const BatchRequest& request);

}  // namespace kmd
