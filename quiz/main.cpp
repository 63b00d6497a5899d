// formula-quiz: practise writing ion and compound formulas and telling
// which compounds dissolve.
#include "ion.h"
#include "quiz.h"
#include "standard_input.h"

int main() {
  initIons();
  return runOnStandardStreams("formula-quiz", runQuiz);
}
