#include "fileformat/encoding.h"

namespace kmd {

std::string TrimSpaces(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && s[b] == ' ') ++b;
    while (e > b && s[e - 1] == ' ') --e;
    return std::string(s.substr(b, e - b));
}

std::string FormatError::Message() const {
    std::string where = table.empty() ? std::string() : "table \"" + table + "\", ";
    return "Corrupt or truncated model file (" + where + "byte offset " + std::to_string(offset) + "): " + what();
}

void Reader::FailShort(std::size_t n) const {
    Fail("unexpected end of file (" + std::to_string(n) + " bytes needed, " + std::to_string(Remaining()) + " left)");
}

std::string InternalErrorMessage(std::string_view doing, std::string_view table, std::string_view what) {
    return "Internal error of kmdconvert while " + std::string(doing) + " table \"" + std::string(table) +
           "\": " + std::string(what) + ". The file itself may be sound; nothing was written.";
}

}  // namespace kmd
