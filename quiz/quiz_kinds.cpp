#include "quiz_kinds.h"

std::vector<std::string_view> questionTypeMenu() {
  std::vector<std::string_view> names = {"random"};
  for (const QuizKind& k : quizKinds) names.push_back(k.name);
  return names;
}

std::string promptFor(const QuizQuestion& q) {
  return q.line.text + "\n" + std::string(q.prompt) + " ";
}
