#include "quiz_types.h"

std::vector<std::string_view> questionTypeMenu() {
  std::vector<std::string_view> names = {"random"};
  for (const QuizType& k : quizTypes) names.push_back(k.name);
  return names;
}

std::vector<std::string_view> quizOpenings() {
  std::vector<std::string_view> openings = {randomOpening};
  for (const QuizType& k : quizTypes) openings.push_back(k.opening);
  return openings;
}

std::string promptFor(const QuizQuestion& q) {
  return q.line.text + "\n" + std::string(q.prompt) + " ";
}
