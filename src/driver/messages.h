// Messages to the user: the string table, the message "box" (standard error,
// under the title KALDO) and the one OK/Cancel question of the reader.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace kmd {

enum class MessageStyle : std::int16_t { Exclamation = 48, ExclamationOkCancel = 49 };

// The title of every message.
inline constexpr const char* kMessageTitle = "KALDO";

// A modal message box: the text under the title, with the buttons of the
// style (OK; OK and Cancel). True when OK was pressed.
using MessageBoxFunction =
    std::function<bool(const std::string& title, const std::string& text, MessageStyle style)>;

// Text of the string table; ids below 6960 are looked up as id + 3000. A missing
// entry is the empty string.
std::string ResString(std::int32_t id);

// n spaces (none for n <= 0).
std::string Spaces(std::int32_t n);

// Shows a message under the title "KALDO".
void ShowMessage(const std::string& text, MessageStyle style = MessageStyle::Exclamation);

// How the OK/Cancel question is answered.
enum class QuestionPolicy { AnswerOk, AskTerminal };

// Returns true for OK. With AnswerOk nothing is shown. With AskTerminal the
// question goes to the question handler when one is set; otherwise it is shown
// and the answer read from standard input when it is a terminal, else Cancel.
bool AskOkCancel(const std::string& text);

// Shows the question on standard error and reads y/N from standard input;
// Cancel when standard input is not a terminal.
bool AskOnTerminal(const std::string& text);

// The settings below belong to the calling thread: each conversion has its own.
void SetQuestionPolicy(QuestionPolicy p);
using QuestionHandler = std::function<bool(const std::string& text)>;
void SetQuestionHandler(QuestionHandler ask);

// Redirects messages (for tests); an empty function restores standard error.
using MessageSink = std::function<void(const std::string& title, const std::string& text)>;
void SetMessageSink(MessageSink sink);

// Sink and question handler for one scope of the calling thread; the previous
// ones come back at its end.
class ScopedMessages {
public:
    ScopedMessages(MessageSink sink, QuestionHandler ask);
    ~ScopedMessages();
    ScopedMessages(const ScopedMessages&) = delete;
    ScopedMessages& operator=(const ScopedMessages&) = delete;

private:
    MessageSink sink_;
    QuestionHandler ask_;
    QuestionPolicy policy_;
};

// Text as shown on a terminal: the CR LF pairs of composed messages become line breaks.
std::string TerminalText(const std::string& text);
// The same on one line: line breaks become spaces.
std::string OneLine(const std::string& text);

}  // namespace kmd
