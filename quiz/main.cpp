// formula-quiz: practise writing ion and compound formulas and telling
// which compounds dissolve.
#include <iostream>

#include "ion.h"
#include "quiz.h"

int main() {
  initIons();
  return runQuiz(std::cin, std::cout);
}
