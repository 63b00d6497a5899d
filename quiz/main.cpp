// formula-quiz: practise writing ion and compound formulas and telling
// which compounds dissolve.
#include "options.h"
#include "program.h"
#include "quiz_command.h"

int main(int argc, char** argv) {
  return formulaQuiz(argumentsOf(argc, argv), standardConsole());
}
