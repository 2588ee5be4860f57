// What the platform parts of the file layer share.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kmd::file_io {

// The named temporaries being written (one slot per output written at once),
// removed should the process be stopped by a fault in a mapped input.
constexpr std::size_t kPendingSlots = 64;
constexpr std::size_t kPendingNameSize = 4096;
extern char pendingTemporaries[kPendingSlots][kPendingNameSize];
extern std::atomic<bool> pendingTaken[kPendingSlots];
void NotePending(const std::string& name);
void ForgetPending(const std::string& name);

// Six lower-case letters or digits for a temporary name (clashes are retried;
// file systems that ignore letter case may hold them).
std::string TemporarySuffix(unsigned attempt, std::uint64_t processId);

// Fills `buffer` by calls of `readSome(at, count)`, each giving the number of
// bytes read (0 or less ends the reading); true when it is full.
template <class ReadSome>
bool ReadWhole(std::vector<std::uint8_t>& buffer, ReadSome readSome) {
    for (std::size_t got = 0; got < buffer.size();) {
        const long long n = readSome(buffer.data() + got, buffer.size() - got);
        if (n <= 0) return false;
        got += std::size_t(n);
    }
    return true;
}

// The message of the fault handlers.
inline constexpr char kInputFaultText[] =
    "kmdconvert: an input file was changed while it was read; its output was not written.\n";

}  // namespace kmd::file_io
