#include "fileformat/file_io.h"

#include <chrono>
#include <cstring>
#include <functional>
#include <thread>
#include <utility>

#include "fileformat/file_io_internal.h"

namespace kmd {

namespace file_io {

char pendingTemporaries[kPendingSlots][kPendingNameSize];
std::atomic<bool> pendingTaken[kPendingSlots];

void NotePending(const std::string& name) {
    if (name.size() >= kPendingNameSize) return;
    for (std::size_t i = 0; i < kPendingSlots; ++i)
        if (!pendingTaken[i].exchange(true)) {
            std::memcpy(pendingTemporaries[i], name.c_str(), name.size() + 1);
            return;
        }
}

void ForgetPending(const std::string& name) {
    if (name.empty()) return;
    for (std::size_t i = 0; i < kPendingSlots; ++i)
        if (pendingTaken[i] && name == pendingTemporaries[i]) {
            pendingTemporaries[i][0] = 0;
            pendingTaken[i] = false;
            return;
        }
}

std::string TemporarySuffix(unsigned attempt, std::uint64_t processId) {
    static const char kChars[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::uint64_t x = std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count()) ^
                      (processId << 40) ^ (std::hash<std::thread::id>{}(std::this_thread::get_id()) << 20) ^
                      (attempt * 0x9E3779B97F4A7C15ull);
    x ^= x >> 30;
    x *= 0xBF58476D1CE4E5B9ull;
    x ^= x >> 27;
    x *= 0x94D049BB133111EBull;
    x ^= x >> 31;
    std::string s;
    for (int i = 0; i < 6; ++i, x /= 36) s += kChars[x % 36];
    return s;
}

}  // namespace file_io

std::filesystem::path PathFromUtf8(const std::string& path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

std::string Utf8Path(const std::filesystem::path& path) {
    const std::u8string s = path.u8string();
    return std::string(s.begin(), s.end());
}

InputFile::InputFile(InputFile&& o) noexcept { *this = std::move(o); }

InputFile& InputFile::operator=(InputFile&& o) noexcept {
    if (this != &o) {
        Close();
        data_ = std::exchange(o.data_, nullptr);
        size_ = std::exchange(o.size_, 0);
        mapped_ = std::exchange(o.mapped_, false);
        released_ = std::exchange(o.released_, 0);
        copy_ = std::move(o.copy_);
        if (!mapped_) data_ = copy_.data();
    }
    return *this;
}

InputFile::~InputFile() { Close(); }

AtomicOutputFile::AtomicOutputFile(std::string path) : path_(std::move(path)) {
#ifdef _WIN32
    const char* separators = "/\\";
#else
    const char* separators = "/";
#endif
    dir_ = ".";
    std::string base = path_;
    std::string folder;  // the folder part, with its separator
    if (auto slash = path_.find_last_of(separators); slash != std::string::npos) {
        dir_ = slash == 0 ? path_.substr(0, 1) : path_.substr(0, slash);
        base = path_.substr(slash + 1);
        folder = path_.substr(0, slash + 1);
    }
#ifdef _WIN32
    else if (path_.size() >= 2 && path_[1] == ':') {  // C:NAME, in the drive's current folder
        dir_ = folder = path_.substr(0, 2);
        base = path_.substr(2);
    }
#endif
    if (base.empty()) error_ = "the output path names a folder";
    prefix_ = folder + "." + base + ".";
}

AtomicOutputFile::~AtomicOutputFile() { Discard(); }

bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes, std::string& error) {
    AtomicOutputFile out(path);
    out.Put(bytes);
    return out.Commit(error);
}

}  // namespace kmd
