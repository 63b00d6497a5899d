// A quiz session: the questions of one seed and one choice of type, in the
// order the dialogue, the worksheet and the browser page all ask them, and
// the words the quiz says around them.
#ifndef REACTION_DRILL_QUIZ_QUIZ_SESSION_H_
#define REACTION_DRILL_QUIZ_QUIZ_SESSION_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "menu.h"
#include "quiz_types.h"

inline constexpr std::string_view quizIntro =
    "Write the formula, given the name.";
inline constexpr std::string_view quizHint =
    "Type each answer and press enter; type quit to finish.";

// "quit" in any letter case, with spaces or tabs around it, which ends the
// quiz. A line as long as the console keeps (maxLineKept) may have been
// cut, and is never quit.
bool isQuit(std::string_view answer);

// "hint" in any letter case, with spaces or tabs around it, which asks for
// the next hint; read as isQuit reads quit.
bool isHint(std::string_view answer);

// An answer that is empty or only blanks, which asks the question again
// unmarked; read as isQuit reads quit.
bool isEmptyAnswer(std::string_view answer);

// What the quiz says when no hint is left, and to a hint asked for where a
// question has none.
inline constexpr std::string_view noHintLeft = "No more hints are left.";
inline constexpr std::string_view noHintHere =
    "Hints are given at equation questions.";

// What asking for a hint gives: the lines of the next hint, or the one
// line that none is left or that the question has none.
struct HintReply {
  std::vector<std::string> lines;
  bool isHint = false;
};

// The reply to a hint asked for at `q`, where `used` hints were asked for
// before; counts this one in `used` where `q` has hints.
HintReply nextHint(const QuizQuestion& q, std::size_t& used);

// "Score: 3 of 5 correct", and "(1 after a hint)" where any right answer
// came after a hint.
std::string scoreLine(std::uint32_t correct, std::uint32_t answered,
                      std::uint32_t afterHint = 0);

class QuizSession {
 public:
  // The session of `seed` with `choice`: a type from 1 to questionTypes, or
  // 0 for a fresh random type every question; only the questions `picks`
  // numbers, if any.
  // REQUIRES: choice <= questionTypes.
  QuizSession(std::uint64_t seed, unsigned choice, QuestionNumbers picks = {});

  // The next question. Its draws come from the session's own generator,
  // whatever else draws in between.
  QuizQuestion next();

  // The seed's number of the question asked last, counted from 1.
  [[nodiscard]] std::uint64_t number() const { return draws_.number(); }

 private:
  SessionDraws draws_;
};

#endif  // REACTION_DRILL_QUIZ_QUIZ_SESSION_H_
