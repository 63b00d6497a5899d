#include "quiz_session.h"

#include <utility>

#include "ion.h"
#include "text.h"

namespace {

// `word`, in any letter case, with spaces or tabs around it. A line as long
// as the console keeps may have been cut, and is never one.
bool isCommand(std::string_view answer, std::string_view word) {
  return answer.size() < maxLineKept && ucase(withoutBlanks(answer)) == word;
}

}  // namespace

bool isQuit(std::string_view answer) { return isCommand(answer, "QUIT"); }

bool isHint(std::string_view answer) { return isCommand(answer, "HINT"); }

bool isEmptyAnswer(std::string_view answer) { return isCommand(answer, ""); }

HintReply nextHint(const QuizQuestion& q, std::size_t& used) {
  if (q.hints.empty()) return {{std::string(noHintHere)}, false};
  const std::size_t asked = used++;
  if (asked < q.hints.size()) return {q.hints[asked], true};
  return {{std::string(noHintLeft)}, false};
}

std::string scoreLine(std::uint32_t correct, std::uint32_t answered,
                      std::uint32_t afterHint) {
  std::string line = "Score: " + std::to_string(correct) + " of " +
                     std::to_string(answered) + " correct";
  if (afterHint > 0)
    line += " (" + std::to_string(afterHint) + " after a hint)";
  return line;
}

QuizSession::QuizSession(std::uint64_t seed, unsigned choice,
                         QuestionNumbers picks)
    : draws_(seed, choice, questionTypes, std::move(picks)) {}

QuizQuestion QuizSession::next() { return draws_.next(drawQuestion); }
