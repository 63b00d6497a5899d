// The formula quiz's whole console dialogue, fed arbitrary bytes as standard
// input: a menu line and answer lines of any length and content.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "harness.h"
#include "quiz.h"
#include "transcript.h"

namespace {

// The verdict lines that begin with `verdict`: each follows its prompt on
// one line, since answers are not echoed. A verdict may quote the answer,
// but never across a line break, so only the start of a line counts.
std::size_t verdictLines(std::string_view text, std::string_view verdict) {
  constexpr std::string_view prompts[] = {
      "Formula: ",   "Soluble? (y/n): ", "Equation: ",
      "Net ionic: ", "At the cathode: ", "At the anode: "};
  std::size_t count = 0;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::string_view line = text.substr(start, end - start);
    for (const std::string_view prompt : prompts) {
      if (line.substr(0, prompt.size()) == prompt &&
          line.substr(prompt.size(), verdict.size()) == verdict) {
        ++count;
      }
    }
    start = end + 1;
  }
  return count;
}

// Whether a line, its CR LF break already taken off, is `word`: in any
// letter case, between spaces and tabs, and short enough to be kept whole.
// The empty word is a blank line, at which the quiz asks again.
bool isWord(std::string_view line, std::string_view word) {
  if (line.size() >= 4096) return false;
  const std::size_t first = line.find_first_not_of(" \t");
  if (first == std::string_view::npos) return word.empty();
  line = line.substr(first, line.find_last_not_of(" \t") - first + 1);
  if (line.size() != word.size()) return false;
  for (std::size_t k = 0; k < word.size(); ++k) {
    if ((line[k] | 0x20) != word[k]) return false;
  }
  return true;
}

// The lines after the menu line, up to the first that quits, but for the
// blank ones: the answers the quiz marks, and of them the hints it is asked
// for. Returns nothing when there is no menu line.
struct Lines {
  std::size_t answers = 0;
  std::size_t hints = 0;
};
std::optional<Lines> answersIn(std::string_view input) {
  if (input.empty()) return std::nullopt;
  Lines lines;
  std::size_t start = input.find('\n');
  while (start != std::string_view::npos && start + 1 < input.size()) {
    const std::size_t end = input.find('\n', start + 1);
    std::string_view line = input.substr(start + 1, end - start - 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (isWord(line, "quit")) break;
    lines.answers += isWord(line, "") ? 0 : 1;
    lines.hints += isWord(line, "hint") ? 1 : 0;
    start = end;
  }
  return lines;
}

// The end of `text`: the score of the answers marked, then, where any was,
// their totals.
void checkScore(const std::string& text, std::size_t right,
                std::size_t answers) {
  const std::string score = "Score: " + std::to_string(right) + " of " +
                            std::to_string(answers) + " correct";
  const std::size_t last = text.rfind("Score: ");
  const std::string_view end = std::string_view(text).substr(
      last == std::string::npos ? text.size() : last);
  const std::string_view after =
      end.substr(std::min(end.find('\n') + 1, end.size()));
  const std::string totals = "All types: right " + std::to_string(right) +
                             " of " + std::to_string(answers) + " (";
  check(end.substr(0, score.size()) == score &&
            (end.substr(score.size(), 1) == "\n" ||
             end.substr(score.size(), 2) == " (") &&
            (answers == 0 ? after.empty()
                          : after.substr(0, totals.size()) == totals),
        "ends with the score of the answers marked, then their totals");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::string text = runDialogue(
      [](std::istream& in, std::ostream& out) { return runQuiz(in, out, 1); },
      input);
  const std::optional<Lines> lines = answersIn(input);
  if (!lines) {
    check(text == std::string(quizMenu) + "\n",
          "no input: menu and a line break");
    return 0;
  }
  check(text.compare(0, quizMenu.size(), quizMenu) == 0, "exact menu");
  // A hint asked for is answered in place of a verdict, with the next hint
  // or why there is none; every other line but a blank one is an answer.
  const std::size_t hints = verdictLines(text, "Hint:") +
                            verdictLines(text, "No more hints") +
                            verdictLines(text, "Hints are given");
  check(hints == lines->hints,
        "a hint where one was asked for, and only there");
  const std::size_t answers = lines->answers - hints;
  const std::size_t right = verdictLines(text, "Correct.");
  const std::size_t verdicts =
      right + verdictLines(text, "Close; ") + verdictLines(text, "Incorrect; ");
  check(verdicts == answers, "one verdict per answer before quit");
  checkScore(text, right, answers);
  return 0;
}
