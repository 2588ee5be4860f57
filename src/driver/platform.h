// What the program needs of the system it runs on: its arguments, the
// standard streams and the message box.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "driver/messages.h"

namespace kmd {

bool StandardInputIsTerminal();
bool StandardErrorIsTerminal();

// The arguments of a Windows command line (the program name first), split as
// the C runtime splits them. A line holding "|" is the host program's call: the
// tail from the field before the first "|" is one argument, verbatim (a pair
// of double quotes around it removed), after the options that precede it, so
// that paths with spaces need no quotes.
std::vector<std::string> WindowsArguments(std::string_view commandLine);

// The program's arguments in UTF-8 (on Windows from its wide command line).
std::vector<std::string> ProgramArguments(int argc, char** argv);

// Standard output and error carry UTF-8 bytes as they are (no line-end translation).
void PrepareStandardStreams();

// The system's message box; empty where there is none, or when the
// environment variable KMDCONVERT_MESSAGES is "stderr".
MessageBoxFunction HostMessageBox();

}  // namespace kmd
