#include "quiz_types.h"

#include <sstream>
#include <utility>

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

Verdict verdictOf(bool right, std::string_view line) {
  if (right) return Verdict::right;
  return line.substr(0, 5) == "Close" ? Verdict::close : Verdict::wrong;
}

MarkedAnswer markAnswer(const QuizQuestion& q, std::string_view answer) {
  std::ostringstream out;
  const bool right = q.mark(answer, out);
  std::string line = out.str();
  if (!line.empty() && line.back() == '\n') line.pop_back();
  const Verdict verdict = verdictOf(right, line);
  return {std::move(line), verdict};
}
