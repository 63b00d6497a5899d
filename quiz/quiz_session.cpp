#include "quiz_session.h"

#include "ion.h"
#include "text.h"

bool isQuit(std::string_view answer) {
  return answer.size() < maxLineKept && ucase(withoutBlanks(answer)) == "QUIT";
}

std::string scoreLine(std::uint32_t correct, std::uint32_t answered) {
  return "Score: " + std::to_string(correct) + " of " +
         std::to_string(answered) + " correct";
}

QuizSession::QuizSession(std::uint64_t seed, unsigned choice)
    : draws_(seed, choice, questionTypes) {}

QuizQuestion QuizSession::next() { return draws_.next(drawQuestion); }
