// The memory a conversion may take. Every allocation whose size comes from the
// file is charged before it is made; a file that would need more than the budget
// is treated as corrupt instead of exhausting the machine.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace kmd {

struct MemoryLimitExceeded : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class MemoryBudget {
public:
    explicit MemoryBudget(std::uint64_t limit) : limit_(limit) {}

    // Heap bytes one allocation of `n` bytes takes, with the allocator's header
    // and rounding.
    static std::uint64_t Footprint(std::uint64_t n) { return n == 0 ? 0 : (n + 8 + 15) / 16 * 16; }

    void Charge(std::uint64_t bytes) {
        if (bytes > limit_ - used_)
            throw MemoryLimitExceeded("the data the file describes would need more than " +
                                      std::to_string(limit_ >> 20) + " MiB of memory");
        used_ += bytes;
    }
    std::uint64_t Used() const { return used_; }
    std::uint64_t Limit() const { return limit_; }

private:
    std::uint64_t limit_;
    std::uint64_t used_ = 0;
};

namespace detail {
inline thread_local MemoryBudget* activeBudget = nullptr;
}

// Charges an allocation of `bytes` to the conversion running on this thread;
// does nothing when none is running (tests, tools).
inline void ChargeMemory(std::uint64_t bytes) {
    if (detail::activeBudget) detail::activeBudget->Charge(MemoryBudget::Footprint(bytes));
}

// Makes `budget` the active one for this thread while alive.
class ActiveBudget {
public:
    explicit ActiveBudget(MemoryBudget& b) : previous_(detail::activeBudget) { detail::activeBudget = &b; }
    ~ActiveBudget() { detail::activeBudget = previous_; }
    ActiveBudget(const ActiveBudget&) = delete;
    ActiveBudget& operator=(const ActiveBudget&) = delete;

private:
    MemoryBudget* previous_;
};

// Limits of one conversion of an input of `n` bytes: peak memory and output size.
inline constexpr std::uint64_t kMiB = 1u << 20;
inline std::uint64_t MemoryLimitFor(std::uint64_t n) { return 8 * n + 256 * kMiB; }
inline std::uint64_t OutputLimitFor(std::uint64_t n) { return 8 * n + kMiB; }

}  // namespace kmd
