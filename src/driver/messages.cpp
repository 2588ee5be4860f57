#include "driver/messages.h"

#include <iostream>
#include <map>

#include "driver/platform.h"

namespace kmd {

namespace {

const std::map<std::int32_t, const char*>& StringTable() {
    static const std::map<std::int32_t, const char*> table = {
        {11967, "Can not Open File "},
        {11970, "System memory clear error in defining Array "},
        {12484, "Version "},
        {12485, " file cannot be opened in older Version "},
        {12486, "You may be able to import the corresponding (.$kx or .k2x) text file."},
        {12487, " file cannot be opened in Version "},
        {12488, " file is being opened in Version "},
        {12489, "Data for new options will be set to default values."},
        {12490, "Please check your model."},
        {12491, "Any analysis results from older version will be deleted."},
        {12505, "System memory clear error"},
        {12535, "System memory error"},
        {12543, "Out of Memory !!"},
        {12544, "Try Closing any open applications"},
        {12545, "and RETRY, otherwise ABORT."},
    };
    return table;
}

thread_local QuestionPolicy g_policy = QuestionPolicy::AskTerminal;
thread_local MessageSink g_sink;
thread_local QuestionHandler g_ask;

void Emit(const std::string& text) {
    if (g_sink) {
        g_sink(kMessageTitle, text);
        return;
    }
    std::cerr << kMessageTitle << ": " << TerminalText(text) << '\n' << std::flush;
}

}  // namespace

std::string ResString(std::int32_t id) {
    std::int64_t key = id >= 6960 ? std::int64_t(id) : std::int64_t(id) + 3000;
    auto it = StringTable().find(std::int32_t(key));
    return it == StringTable().end() ? std::string() : std::string(it->second);
}

std::string Spaces(std::int32_t n) { return n > 0 ? std::string(std::size_t(n), ' ') : std::string(); }

std::string TerminalText(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += '\n';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string OneLine(const std::string& text) {
    std::string s = TerminalText(text);
    for (char& c : s)
        if (c == '\n' || c == '\r') c = ' ';
    return s;
}

void ShowMessage(const std::string& text, MessageStyle) { Emit(text); }

void SetQuestionPolicy(QuestionPolicy p) { g_policy = p; }

void SetQuestionHandler(QuestionHandler ask) { g_ask = std::move(ask); }

void SetMessageSink(MessageSink sink) { g_sink = std::move(sink); }

ScopedMessages::ScopedMessages(MessageSink sink, QuestionHandler ask)
    : sink_(std::move(g_sink)), ask_(std::move(g_ask)), policy_(g_policy) {
    g_sink = std::move(sink);
    g_ask = std::move(ask);
    g_policy = QuestionPolicy::AskTerminal;
}

ScopedMessages::~ScopedMessages() {
    g_sink = std::move(sink_);
    g_ask = std::move(ask_);
    g_policy = policy_;
}

namespace {

void EmitUnanswered(const std::string& text) {
    Emit(text);
    Emit("No answer can be read from the terminal, so the conversion is cancelled. "
         "Pass --yes to convert files of older versions without being asked.");
}

}  // namespace

bool AskOkCancel(const std::string& text) {
    // Answered before it is asked (--yes): nothing to show.
    if (g_policy == QuestionPolicy::AnswerOk) return true;
    if (g_ask) return g_ask(text);
    if (g_sink) {  // messages are collected: nobody to ask
        EmitUnanswered(text);
        return false;
    }
    return AskOnTerminal(text);
}

bool AskOnTerminal(const std::string& text) {
    if (!StandardInputIsTerminal()) {
        EmitUnanswered(text);
        return false;
    }
    std::cerr << kMessageTitle << ": " << TerminalText(text) << "\nConvert this file? [y/N] " << std::flush;
    std::string answer;
    if (!std::getline(std::cin, answer)) return false;
    return answer == "y" || answer == "Y" || answer == "yes" || answer == "Yes" || answer == "YES";
}

}  // namespace kmd
