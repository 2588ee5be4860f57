// Sections of the example legacy file; each table family adds its own.
#pragma once

#include <cstdint>
#include <string>

#include "fileformat/encoding.h"

namespace kmd::example {

// Version of the bundled example file (newest legacy layouts).
inline constexpr const char* kExampleVersion = "9.5";
// Its file version, the layouts the section writers use by default.
inline constexpr double kExampleFileVersion = 9.5;

struct ExampleOptions {
    // Every section is written in the legacy layout of this version.
    std::string versionText = kExampleVersion;
    // Approximate size of the file in bytes; 0 for the small example. The extra
    // bytes go to point, line and area objects.
    std::uint64_t size = 0;
    // Seed of the values of the extra objects.
    std::uint32_t seed = 1;
};

void WriteExampleLegacyFile(Writer& out, const ExampleOptions& options = {});

}  // namespace kmd::example
