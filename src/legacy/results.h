// Legacy forms of the analysis results section.
#pragma once

namespace kmd {

// Files up to 8.895 have no results section; files up to 9.0015 hold only
// fourteen counts (C1, C2, C5..C11, C13..C17), their records are never read.
inline constexpr double kNoResultsUpTo = 8.895;
inline constexpr double kResultCountsUpTo = 9.0015;
// A results format below this holds nothing after it; the current file has it.
inline constexpr int kResultsFormat = 3;

}  // namespace kmd
