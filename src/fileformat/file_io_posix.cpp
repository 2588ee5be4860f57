// The file layer on POSIX systems.
#ifndef _WIN32
#include "fileformat/file_io.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <utility>

#include "fileformat/file_io_internal.h"

namespace kmd {

// ---------------------------------------------------------------------------
// Input

namespace {

using namespace file_io;

// A mapped input cut short by another program faults when the missing pages are
// touched: stop in order, with a message and nothing written.
void OnInputFault(int) {
    for (std::size_t i = 0; i < kPendingSlots; ++i)
        if (pendingTaken[i] && pendingTemporaries[i][0]) ::unlink(pendingTemporaries[i]);
    ssize_t ignored = ::write(2, kInputFaultText, sizeof kInputFaultText - 1);
    (void)ignored;
    ::_exit(1);
}

void CatchInputFaults() {
    static const bool installed = [] {
        struct sigaction sa {};
        sa.sa_handler = OnInputFault;
        sigemptyset(&sa.sa_mask);
        return ::sigaction(SIGBUS, &sa, nullptr) == 0;
    }();
    (void)installed;
}

}  // namespace

std::optional<std::int64_t> LastWriteTime(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    return std::int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

std::optional<InputFile> InputFile::Open(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    InputFile f;
    f.size_ = std::size_t(st.st_size);
    if (f.size_ > 0) {
        void* p = ::mmap(nullptr, f.size_, PROT_READ, MAP_SHARED, fd, 0);
        if (p != MAP_FAILED) {
            CatchInputFaults();
            f.data_ = static_cast<const std::uint8_t*>(p);
            f.mapped_ = true;
            ::madvise(p, f.size_, MADV_SEQUENTIAL);
        } else {
            f.copy_.resize(f.size_);
            auto readSome = [fd](std::uint8_t* at, std::size_t count) {
                ssize_t n;
                do n = ::read(fd, at, count);
                while (n < 0 && errno == EINTR);
                return (long long)n;
            };
            if (!ReadWhole(f.copy_, readSome)) {
                ::close(fd);
                return std::nullopt;
            }
            f.data_ = f.copy_.data();
        }
    }
    ::close(fd);
    return f;
}

void InputFile::Close() {
    if (mapped_) ::munmap(const_cast<std::uint8_t*>(data_), size_);
    data_ = nullptr;
    size_ = 0;
    mapped_ = false;
}

void InputFile::Consumed(std::size_t upTo) {
    if (!mapped_) return;
    static const std::size_t page = std::size_t(::sysconf(_SC_PAGESIZE));
    std::size_t end = std::min(upTo, size_) / page * page;
    if (end <= released_) return;
    ::madvise(const_cast<std::uint8_t*>(data_) + released_, end - released_, MADV_DONTNEED);
    released_ = end;
}

// ---------------------------------------------------------------------------
// Output

namespace {

int WriteAll(int fd, const std::uint8_t* p, std::size_t n) {
    std::size_t done = 0;
    while (done < n) {
        ssize_t k = ::write(fd, p + done, n - done);
        if (k < 0 && errno == EINTR) continue;
        if (k < 0) return errno;
        done += std::size_t(k);
    }
    return 0;
}

#ifdef O_TMPFILE

// Gives the unnamed file a hidden name beside the output.
bool LinkUnnamedFile(int fd, const std::string& prefix, std::string& name) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        name = prefix + TemporarySuffix(attempt, std::uint64_t(::getpid()));
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) return true;
        if (errno == EEXIST) continue;
#ifdef AT_EMPTY_PATH
        // Without /proc; allowed only to privileged processes.
        if (::linkat(fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0) return true;
        if (errno == EEXIST) continue;
#endif
        return false;
    }
    return false;
}
#endif

}  // namespace

void AtomicOutputFile::Discard() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!tmpName_.empty()) ::unlink(tmpName_.c_str());
    ForgetPending(tmpName_);
    tmpName_.clear();
}

bool AtomicOutputFile::Create() {
#ifdef O_TMPFILE
    // Fails where the kernel or the file system has no unnamed files; any
    // other reason shows again, with its message, on the named path.
    fd_ = ::open(dir_.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
    if (fd_ >= 0) {
        unnamed_ = true;
        return true;
    }
#endif
    return CreateNamed();
}

bool AtomicOutputFile::CreateNamed() {
    unnamed_ = false;
    std::string tmp = prefix_ + "XXXXXX";
    std::vector<char> name(tmp.begin(), tmp.end());
    name.push_back('\0');
    fd_ = ::mkstemp(name.data());
    if (fd_ < 0) {
        error_ = std::strerror(errno);
        return false;
    }
    tmpName_ = name.data();
    NotePending(tmpName_);
    // Same permissions as a newly created file.
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd_, 0666 & ~mask);
    return true;
}

void AtomicOutputFile::Put(std::span<const std::uint8_t> bytes) {
    if (!error_.empty() || bytes.empty()) return;
    if (fd_ < 0 && !Create()) return;
    if (int err = WriteAll(fd_, bytes.data(), bytes.size())) {
        error_ = std::strerror(err);
        Discard();
    }
}

bool AtomicOutputFile::Commit(std::string& error) {
    auto fail = [&](int err) {
        if (err) error_ = std::strerror(err);
        error = error_;
        Discard();
        return false;
    };
    if (error_.empty() && fd_ < 0) Create();  // an empty output
    if (!error_.empty()) return fail(0);
    if (::fsync(fd_) != 0) return fail(errno);
#ifdef O_TMPFILE
    if (unnamed_) {
        std::string name;
        if (LinkUnnamedFile(fd_, prefix_, name)) {
            tmpName_ = name;
            NotePending(tmpName_);
        } else if (!CopyToNamedFile()) {
            return fail(0);
        }
    }
#endif
    int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0) return fail(errno);
    if (::rename(tmpName_.c_str(), path_.c_str()) != 0) return fail(errno);
    ForgetPending(tmpName_);
    tmpName_.clear();
    return true;
}

bool AtomicOutputFile::CopyToNamedFile() {
    const int from = std::exchange(fd_, -1);
    bool ok = CreateNamed();
    std::vector<std::uint8_t> buf(1 << 20);
    for (off_t at = 0; ok;) {
        ssize_t n = ::pread(from, buf.data(), buf.size(), at);
        if (n < 0 && errno == EINTR) continue;
        if (n == 0) break;
        int err = n < 0 ? errno : WriteAll(fd_, buf.data(), std::size_t(n));
        if (err) {
            error_ = std::strerror(err);
            ok = false;
        }
        at += n;
    }
    ::close(from);
    if (ok && ::fsync(fd_) != 0) {
        error_ = std::strerror(errno);
        ok = false;
    }
    return ok;
}

}  // namespace kmd
#endif
