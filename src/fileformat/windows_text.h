// Text at the Windows system calls: UTF-8 inside, UTF-16 at the calls.
#pragma once
#ifdef _WIN32

#include <string>
#include <string_view>

namespace kmd {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);
// The text of a system error code.
std::string SystemErrorText(unsigned long code);

}  // namespace kmd

#endif
