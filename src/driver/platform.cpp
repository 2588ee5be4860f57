#include "driver/platform.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "fileformat/windows_text.h"
#else
#include <unistd.h>
#endif

namespace kmd {

namespace {

#ifdef _WIN32
// A console, not a file, a pipe or the NUL device.
bool IsConsole(DWORD which) {
    HANDLE h = ::GetStdHandle(which);
    DWORD mode = 0;
    return h && h != INVALID_HANDLE_VALUE && ::GetFileType(h) == FILE_TYPE_CHAR && ::GetConsoleMode(h, &mode);
}
#endif

struct Token {
    std::string text;
    std::size_t begin, end;  // in the line
};

bool Blank(char c) { return c == ' ' || c == '\t'; }

// Backslashes count only before a double quote; "" inside quotes is one quote.
std::vector<Token> SplitArguments(std::string_view s) {
    std::vector<Token> tokens;
    std::size_t i = 0, n = s.size();
    while (true) {
        while (i < n && Blank(s[i])) ++i;
        if (i == n) return tokens;
        Token t{{}, i, i};
        bool quoted = false;
        while (i < n && (quoted || !Blank(s[i]))) {
            if (s[i] == '\\') {
                std::size_t k = 0;
                while (i < n && s[i] == '\\') ++k, ++i;
                if (i < n && s[i] == '"') {
                    t.text.append(k / 2, '\\');
                    if (k % 2) t.text += '"', ++i;
                } else {
                    t.text.append(k, '\\');
                }
            } else if (s[i] == '"') {
                if (quoted && i + 1 < n && s[i + 1] == '"') t.text += '"', i += 2;
                else quoted = !quoted, ++i;
            } else {
                t.text += s[i++];
            }
        }
        t.end = i;
        tokens.push_back(std::move(t));
    }
}

}  // namespace

std::vector<std::string> WindowsArguments(std::string_view line) {
    // The program name: up to the closing quote or the first blank, as it stands.
    std::size_t i = 0;
    std::string program;
    if (!line.empty() && line[0] == '"') {
        std::size_t close = line.find('"', 1);
        program = std::string(line.substr(1, close == std::string_view::npos ? close : close - 1));
        i = close == std::string_view::npos ? line.size() : close + 1;
    } else {
        while (i < line.size() && !Blank(line[i])) ++i;
        program = std::string(line.substr(0, i));
    }
    std::vector<std::string> args{program};
    const std::string_view tail = line.substr(i);
    const std::size_t bar = tail.find('|');
    std::vector<Token> tokens = SplitArguments(bar == std::string_view::npos ? tail : tail.substr(0, bar));
    // The last token before the bar begins field 0, unless it is an option.
    std::size_t start = tokens.empty() ? 0 : tokens.back().end;
    if (!tokens.empty() && tail[tokens.back().begin] != '-') start = tokens.back().begin, tokens.pop_back();
    if (bar == std::string_view::npos || tail[start] == '"') {
        // No argument string, or one in quotes: split as the runtime splits.
        for (Token& t : SplitArguments(tail)) args.push_back(std::move(t.text));
        return args;
    }
    for (Token& t : tokens) args.push_back(std::move(t.text));
    std::string_view s = tail.substr(start);
    while (!s.empty() && Blank(s.back())) s.remove_suffix(1);
    args.emplace_back(s);
    return args;
}

#ifdef _WIN32

bool StandardInputIsTerminal() { return IsConsole(STD_INPUT_HANDLE); }
bool StandardErrorIsTerminal() { return IsConsole(STD_ERROR_HANDLE); }

std::vector<std::string> ProgramArguments(int, char**) { return WindowsArguments(Narrow(::GetCommandLineW())); }

void PrepareStandardStreams() {
    ::SetConsoleOutputCP(CP_UTF8);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

MessageBoxFunction HostMessageBox() {
    const char* e = std::getenv("KMDCONVERT_MESSAGES");
    if (e && std::strcmp(e, "stderr") == 0) return {};
    return [](const std::string& title, const std::string& text, MessageStyle style) {
        int pressed = ::MessageBoxW(nullptr, Widen(text).c_str(), Widen(title).c_str(), UINT(style));
        if (pressed == 0) {  // no box could be shown (no desktop): the message is not lost
            std::fprintf(stderr, "%s: %s\n", title.c_str(), TerminalText(text).c_str());
            std::fflush(stderr);
        }
        return pressed == IDOK;
    };
}

#else

bool StandardInputIsTerminal() { return ::isatty(STDIN_FILENO) != 0; }
bool StandardErrorIsTerminal() { return ::isatty(STDERR_FILENO) != 0; }

std::vector<std::string> ProgramArguments(int argc, char** argv) { return {argv, argv + argc}; }

void PrepareStandardStreams() {}

MessageBoxFunction HostMessageBox() { return {}; }

#endif

}  // namespace kmd
