// formula-quiz: practise writing ion and compound formulas and telling
// which compounds dissolve.
#include <iostream>

#include "ion.h"
#include "quiz.h"

int main() {
  initIons();
  // The quiz reads and writes only through the C++ streams.
  std::ios::sync_with_stdio(false);
  return runQuiz(std::cin, std::cout);
}
