// formula-quiz as a whole, from its command line on: main runs it on the
// standard streams, and a test on strings.
#ifndef REACTION_DRILL_QUIZ_QUIZ_COMMAND_H_
#define REACTION_DRILL_QUIZ_QUIZ_COMMAND_H_

#include <string>
#include <vector>

#include "program.h"

// Runs formula-quiz with the arguments `args` (without the program's name)
// on `console` and returns its exit status.
int formulaQuiz(const std::vector<std::string>& args, const Console& console);

#endif  // REACTION_DRILL_QUIZ_QUIZ_COMMAND_H_
