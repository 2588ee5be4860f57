// Starting the program under test: its arguments, folder, outputs and exit status.
#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>

#include "fileformat/windows_text.h"
#else
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace kmdtest {

struct ProcessResult {
    int status = -1;  // the exit status; -1 when it did not exit
    std::string out, err;
};

inline std::string ProcessId() {
#ifdef _WIN32
    return std::to_string(::GetCurrentProcessId());
#else
    return std::to_string(::getpid());
#endif
}

// The words of a command written for the shell: blanks separate them, single
// quotes hold blanks (the only quoting the tests use).
inline std::vector<std::string> ShellWords(const std::string& s) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false, quoted = false;
    for (char c : s) {
        if (c == '\'') quoted = !quoted, inWord = true;
        else if (c == ' ' && !quoted) {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c, inWord = true;
        }
    }
    if (inWord) words.push_back(word);
    return words;
}

inline std::string Slurp(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

#ifdef _WIN32
// One argument as the C runtime splits a command line.
inline std::string QuoteWindowsArgument(const std::string& a) {
    if (!a.empty() && a.find_first_of(" \t\"") == std::string::npos) return a;
    std::string q = "\"";
    std::size_t backslashes = 0;
    for (char c : a) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        q.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        backslashes = 0;
        q += c;
    }
    q.append(2 * backslashes, '\\');
    return q + "\"";
}
#endif

// Runs args[0] with the rest in `folder`; standard input is empty (not a
// terminal). On Windows the last argument goes unquoted when `quoteLast` is false.
inline ProcessResult RunProgram(const std::vector<std::string>& args, const std::filesystem::path& folder,
                                [[maybe_unused]] bool quoteLast = true) {
    namespace fs = std::filesystem;
    const fs::path outFile = folder / "stdout.txt", errFile = folder / "stderr.txt";
    ProcessResult r;
#ifdef _WIN32
    std::string line;
    for (std::size_t i = 0; i < args.size(); ++i)
        line += (i ? " " : "") + (quoteLast || i + 1 < args.size() ? QuoteWindowsArgument(args[i]) : args[i]);
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    auto open = [&](const fs::path& p, bool write) {
        return ::CreateFileW(p.c_str(), write ? GENERIC_WRITE : GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             &inherit, write ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    };
    HANDLE in = open(L"NUL", false), out = open(outFile, true), err = open(errFile, true);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = in, si.hStdOutput = out, si.hStdError = err;
    PROCESS_INFORMATION pi{};
    std::wstring wide = kmd::Widen(line);
    if (::CreateProcessW(nullptr, wide.data(), nullptr, nullptr, TRUE, 0, nullptr, folder.c_str(), &si, &pi)) {
        ::WaitForSingleObject(pi.hProcess, INFINITE);
        DWORD code = 0;
        if (::GetExitCodeProcess(pi.hProcess, &code)) r.status = int(code);
        ::CloseHandle(pi.hThread);
        ::CloseHandle(pi.hProcess);
    }
    ::CloseHandle(in), ::CloseHandle(out), ::CloseHandle(err);
#else
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::fflush(nullptr);
    pid_t pid = ::fork();
    if (pid == 0) {
        int in = ::open("/dev/null", O_RDONLY);
        int out = ::open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in < 0 || out < 0 || err < 0 || ::chdir(folder.c_str()) != 0) ::_exit(127);
        ::dup2(in, 0), ::dup2(out, 1), ::dup2(err, 2);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int raw = 0;
    if (pid > 0 && ::waitpid(pid, &raw, 0) == pid && WIFEXITED(raw)) r.status = WEXITSTATUS(raw);
#endif
    r.out = Slurp(outFile);
    r.err = Slurp(errFile);
    fs::remove(outFile);
    fs::remove(errFile);
    return r;
}

}  // namespace kmdtest
