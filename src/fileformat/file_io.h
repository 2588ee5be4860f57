// Input files mapped whole, and output replaced atomically.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "fileformat/encoding.h"

namespace kmd {

// Paths are UTF-8 strings throughout; these give the system's form of one.
std::filesystem::path PathFromUtf8(const std::string& path);
std::string Utf8Path(const std::filesystem::path& path);

// When the file was last written, as the system's finest count of time (to
// compare with another file's); nothing when it cannot be told.
std::optional<std::int64_t> LastWriteTime(const std::string& path);

// A regular file, mapped read-only (read into memory where it cannot be mapped).
// The reader tells it how far it has read; pages behind that are handed back to
// the system (they are read again from the file should they be touched again),
// so a large input does not stay resident as a whole.
class InputFile final : public ReadProgress {
public:
    // Nothing when the file cannot be opened, is not a regular file, or cannot
    // be read. An empty file gives an empty view.
    static std::optional<InputFile> Open(const std::string& path);

    InputFile(InputFile&& o) noexcept;
    InputFile& operator=(InputFile&& o) noexcept;
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    ~InputFile();

    std::span<const std::uint8_t> Bytes() const { return {data_, size_}; }
    void Consumed(std::size_t upTo) override;

private:
    InputFile() = default;
    void Close();

    const std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
    bool mapped_ = false;
    std::size_t released_ = 0;       // bytes at the front handed back
    std::vector<std::uint8_t> copy_;  // the bytes when not mapped
};

// Output that replaces `path` only when complete. Bytes go to a temporary file
// in the folder of `path`, created with the first bytes; Commit flushes it and
// renames it over `path`. The temporary is unnamed where the system allows
// (named only for the rename), so a killed process leaves no file behind;
// otherwise it is a hidden `.NAME.XXXXXX`. On Windows a target that another
// program holds open cannot be replaced: Commit fails and the target is kept. Without Commit, or when anything
// fails, nothing is left behind and an existing file at `path` is untouched. A
// failure while writing is kept and reported by Commit (later bytes are
// dropped), so that the caller can finish its work and report its own failures
// first. A new file gets the permissions 0666 less the umask.
class AtomicOutputFile final : public ByteSink {
public:
    explicit AtomicOutputFile(std::string path);
    AtomicOutputFile(const AtomicOutputFile&) = delete;
    AtomicOutputFile& operator=(const AtomicOutputFile&) = delete;
    ~AtomicOutputFile();

    void Put(std::span<const std::uint8_t> bytes) override;
    // True when `path` now holds every byte put; otherwise the reason is in `error`.
    bool Commit(std::string& error);

private:
    bool Create();
    bool CreateNamed();
#ifndef _WIN32
    bool CopyToNamedFile();  // when the unnamed file cannot be named
#endif
    void Discard();

    std::string path_, dir_, prefix_;
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
    bool unnamed_ = false;
#endif
    std::string tmpName_;  // named temporary (empty while unnamed)
    std::string error_;    // the first failure
};

// The bytes as one output (see AtomicOutputFile).
bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes, std::string& error);

}  // namespace kmd
