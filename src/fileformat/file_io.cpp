#include "fileformat/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

namespace kmd {

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    std::vector<std::uint8_t> data(std::size_t(st.st_size));
    std::size_t got = 0;
    while (got < data.size()) {
        ssize_t n = ::read(fd, data.data() + got, data.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += std::size_t(n);
    }
    ::close(fd);
    if (got != data.size()) return std::nullopt;
    return data;
}

namespace {

// Writes all the bytes and flushes them to the disk; 0 or the errno.
int WriteAndSync(int fd, const std::vector<std::uint8_t>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        done += std::size_t(n);
    }
    return ::fsync(fd) == 0 ? 0 : errno;
}

// A hidden named temporary beside the output, renamed over it when complete.
bool WriteThroughNamedFile(const std::string& prefix, const std::string& path, const std::vector<std::uint8_t>& bytes,
                           std::string& error) {
    std::string tmp = prefix + "XXXXXX";
    std::vector<char> name(tmp.begin(), tmp.end());
    name.push_back('\0');
    int fd = ::mkstemp(name.data());
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    auto fail = [&](int err) {
        error = std::strerror(err);
        ::unlink(name.data());
        return false;
    };
    // Same permissions as a newly created file.
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    if (int err = WriteAndSync(fd, bytes)) {
        ::close(fd);
        return fail(err);
    }
    if (::close(fd) != 0) return fail(errno);
    if (::rename(name.data(), path.c_str()) != 0) return fail(errno);
    return true;
}

#ifdef O_TMPFILE
enum class Unnamed { Written, Failed, Unavailable };

// Six letters or digits for a temporary name (clashes are retried).
std::string NameSuffix(unsigned attempt) {
    static const char kChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::uint64_t x = std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count()) ^
                      (std::uint64_t(::getpid()) << 40) ^ (attempt * 0x9E3779B97F4A7C15ull);
    x ^= x >> 30;
    x *= 0xBF58476D1CE4E5B9ull;
    x ^= x >> 27;
    x *= 0x94D049BB133111EBull;
    x ^= x >> 31;
    std::string s;
    for (int i = 0; i < 6; ++i, x /= 62) s += kChars[x % 62];
    return s;
}

// Gives the unnamed file a hidden name beside the output.
bool LinkUnnamedFile(int fd, const std::string& prefix, std::string& name) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        name = prefix + NameSuffix(attempt);
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

// An unnamed file in the output's folder, named only just before the rename:
// a process killed while writing leaves no file behind.
Unnamed WriteThroughUnnamedFile(const std::string& dir, const std::string& prefix, const std::string& path,
                                const std::vector<std::uint8_t>& bytes, std::string& error) {
    // Fails where the kernel or the file system has no unnamed files; any
    // other reason shows again, with its message, on the named path.
    int fd = ::open(dir.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0) return Unnamed::Unavailable;
    if (int err = WriteAndSync(fd, bytes)) {
        ::close(fd);
        error = std::strerror(err);
        return Unnamed::Failed;
    }
    std::string name;
    if (!LinkUnnamedFile(fd, prefix, name)) {
        ::close(fd);
        return Unnamed::Unavailable;
    }
    int err = 0;
    if (::close(fd) != 0)
        err = errno;
    else if (::rename(name.c_str(), path.c_str()) != 0)
        err = errno;
    if (err == 0) return Unnamed::Written;
    ::unlink(name.c_str());
    error = std::strerror(err);
    return Unnamed::Failed;
}
#endif

}  // namespace

bool WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes, std::string& error) {
    std::string dir = ".", base = path;
    if (auto slash = path.find_last_of('/'); slash != std::string::npos) {
        dir = slash == 0 ? "/" : path.substr(0, slash);
        base = path.substr(slash + 1);
    }
    if (base.empty()) {
        error = "the output path names a folder";
        return false;
    }
    const std::string prefix = dir + "/." + base + ".";
#ifdef O_TMPFILE
    switch (WriteThroughUnnamedFile(dir, prefix, path, bytes, error)) {
        case Unnamed::Written: return true;
        case Unnamed::Failed: return false;
        case Unnamed::Unavailable: break;
    }
#endif
    return WriteThroughNamedFile(prefix, path, bytes, error);
}

}  // namespace kmd
