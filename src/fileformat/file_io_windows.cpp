// The file layer on Windows: paths are UTF-8 and go to the wide-character calls.
#ifdef _WIN32
#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <utility>

#include "fileformat/file_io.h"
#include "fileformat/file_io_internal.h"
#include "fileformat/windows_text.h"

namespace kmd {

std::wstring Widen(std::string_view utf8) {
    if (utf8.empty()) return {};
    int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring w(std::size_t(n > 0 ? n : 0), L'\0');
    if (n > 0) ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), w.data(), n);
    return w;
}

std::string Narrow(std::wstring_view wide) {
    if (wide.empty()) return {};
    int n = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string s(std::size_t(n > 0 ? n : 0), '\0');
    if (n > 0) ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), s.data(), n, nullptr, nullptr);
    return s;
}

std::string SystemErrorText(unsigned long code) {
    // The texts of the POSIX build for the common cases, so that messages read alike.
    switch (code) {
    case ERROR_FILE_NOT_FOUND: return "No such file or directory";
    case ERROR_PATH_NOT_FOUND: return "No such file or directory";
    case ERROR_ACCESS_DENIED: return "Permission denied";
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE: return "The file is in use by another program";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return "No space left on device";
    case ERROR_WRITE_PROTECT: return "Read-only file system";
    default: break;
    }
    wchar_t* text = nullptr;
    DWORD n = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                               nullptr, code, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
                               reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string s = n ? Narrow({text, n}) : std::string();
    if (text) ::LocalFree(text);
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r' || s.back() == ' ' || s.back() == '.')) s.pop_back();
    return s.empty() ? "system error " + std::to_string(code) : s;
}

namespace {

using namespace file_io;

// A mapped input whose pages cannot be read (a network file gone, a medium
// removed) raises an in-page error: stop in order, with a message and nothing
// written.
LONG WINAPI OnInputFault(EXCEPTION_POINTERS* e) {
    if (e->ExceptionRecord->ExceptionCode != EXCEPTION_IN_PAGE_ERROR) return EXCEPTION_CONTINUE_SEARCH;
    for (std::size_t i = 0; i < kPendingSlots; ++i)
        if (pendingTaken[i] && pendingTemporaries[i][0]) ::DeleteFileW(Widen(pendingTemporaries[i]).c_str());
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_ERROR_HANDLE), kInputFaultText, DWORD(sizeof kInputFaultText - 1), &written,
                nullptr);
    ::ExitProcess(1);
    return EXCEPTION_CONTINUE_SEARCH;
}

void CatchInputFaults() {
    static const bool installed = [] { return ::AddVectoredExceptionHandler(1, OnInputFault) != nullptr; }();
    (void)installed;
}

HANDLE Handle(void* h) { return h ? static_cast<HANDLE>(h) : INVALID_HANDLE_VALUE; }

}  // namespace

std::optional<std::int64_t> LastWriteTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA a{};
    if (!::GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &a)) return std::nullopt;
    return (std::int64_t(a.ftLastWriteTime.dwHighDateTime) << 32 | a.ftLastWriteTime.dwLowDateTime);
}

std::optional<InputFile> InputFile::Open(const std::string& path) {
    // Others may read the file meanwhile, but not write it.
    HANDLE h = ::CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (h == INVALID_HANDLE_VALUE) return std::nullopt;
    LARGE_INTEGER size{};
    if (::GetFileType(h) != FILE_TYPE_DISK || !::GetFileSizeEx(h, &size) || size.QuadPart < 0 ||
        std::uint64_t(size.QuadPart) > std::uint64_t(SIZE_MAX)) {
        ::CloseHandle(h);
        return std::nullopt;
    }
    InputFile f;
    f.size_ = std::size_t(size.QuadPart);
    if (f.size_ > 0) {
        // The view keeps the file open; both handles go at once.
        HANDLE m = ::CreateFileMappingW(h, nullptr, PAGE_READONLY, 0, 0, nullptr);
        void* p = m ? ::MapViewOfFile(m, FILE_MAP_READ, 0, 0, 0) : nullptr;
        if (m) ::CloseHandle(m);
        if (p) {
            CatchInputFaults();
            f.data_ = static_cast<const std::uint8_t*>(p);
            f.mapped_ = true;
        } else {
            f.copy_.resize(f.size_);
            auto readSome = [h](std::uint8_t* at, std::size_t count) {
                DWORD n = 0;
                const DWORD want = DWORD(std::min<std::size_t>(count, 1u << 30));
                return ::ReadFile(h, at, want, &n, nullptr) ? (long long)n : -1LL;
            };
            if (!ReadWhole(f.copy_, readSome)) {
                ::CloseHandle(h);
                return std::nullopt;
            }
            f.data_ = f.copy_.data();
        }
    }
    ::CloseHandle(h);
    return f;
}

void InputFile::Close() {
    if (mapped_) ::UnmapViewOfFile(data_);
    data_ = nullptr;
    size_ = 0;
    mapped_ = false;
}

// The system keeps mapped pages only while it has room for them.
void InputFile::Consumed(std::size_t) {}

namespace {


}  // namespace

void AtomicOutputFile::Discard() {
    if (handle_) ::CloseHandle(Handle(handle_));
    handle_ = nullptr;
    if (!tmpName_.empty()) ::DeleteFileW(Widen(tmpName_).c_str());
    ForgetPending(tmpName_);
    tmpName_.clear();
}

bool AtomicOutputFile::Create() { return CreateNamed(); }

bool AtomicOutputFile::CreateNamed() {
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        std::string name = prefix_ + TemporarySuffix(attempt, ::GetCurrentProcessId());
        HANDLE h = ::CreateFileW(Widen(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                 nullptr);
        if (h != INVALID_HANDLE_VALUE) {
            handle_ = h;
            tmpName_ = name;
            NotePending(tmpName_);
            return true;
        }
        DWORD err = ::GetLastError();
        if (err == ERROR_FILE_EXISTS || err == ERROR_ALREADY_EXISTS) continue;
        error_ = SystemErrorText(err);
        return false;
    }
    error_ = "no free temporary name beside the output";
    return false;
}

void AtomicOutputFile::Put(std::span<const std::uint8_t> bytes) {
    if (!error_.empty() || bytes.empty()) return;
    if (!handle_ && !Create()) return;
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD n = 0;
        DWORD want = DWORD(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        if (!::WriteFile(Handle(handle_), bytes.data() + done, want, &n, nullptr)) {
            error_ = SystemErrorText(::GetLastError());
            Discard();
            return;
        }
        done += n;
    }
}

bool AtomicOutputFile::Commit(std::string& error) {
    auto fail = [&](DWORD err) {
        if (err) error_ = SystemErrorText(err);
        error = error_;
        Discard();
        return false;
    };
    if (error_.empty() && !handle_) Create();  // an empty output
    if (!error_.empty()) return fail(0);
    if (!::FlushFileBuffers(Handle(handle_))) return fail(::GetLastError());
    HANDLE h = Handle(std::exchange(handle_, nullptr));
    if (!::CloseHandle(h)) return fail(::GetLastError());
    // Fails, and keeps the target, while another program holds it open.
    if (!::MoveFileExW(Widen(tmpName_).c_str(), Widen(path_).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return fail(::GetLastError());
    ForgetPending(tmpName_);
    tmpName_.clear();
    return true;
}

}  // namespace kmd
#endif
