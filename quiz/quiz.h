// The console dialogue of the formula quiz: menu, choice, then questions
// until the student types quit or input ends.
#ifndef REACTION_DRILL_QUIZ_QUIZ_H_
#define REACTION_DRILL_QUIZ_QUIZ_H_

#include <cstdint>
#include <istream>
#include <ostream>

#include "quiz_types.h"
#include "session_options.h"

// What the command line can change in the quiz.
struct QuizSettings {
  static constexpr unsigned types = questionTypes;  // the highest --type
  SessionOptions session;
  bool explain = false;  // the reasons in a worksheet's key
};

// Shows the menu and reads the choice of question type once, unless
// `settings` fixes it (a type fixes it, anything else means a fresh random
// type for every question), then asks the questions of the session of
// `seed` and marks each answer line as typed; an empty line or "hint"
// (isHint) asks again, unmarked. The answer "quit" (isQuit),
// or the end of input at a question, ends the quiz with the score of the
// questions answered; so does the answer to question
// `settings.session.count`, if given.
// Returns the exit status: 0 when the quiz ends, 1 as soon as `out` can no
// longer be written.
int runQuiz(std::istream& in, std::ostream& out, std::uint64_t seed,
            const QuizSettings& settings = {});

#endif  // REACTION_DRILL_QUIZ_QUIZ_H_
