// The formula quiz's whole console dialogue, fed arbitrary bytes as standard
// input: a menu line and answer lines of any length and content.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "harness.h"
#include "quiz.h"
#include "transcript.h"

namespace {

std::size_t occurrences(std::string_view text, std::string_view part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string_view::npos;
       at = text.find(part, at + part.size())) {
    ++count;
  }
  return count;
}

// Whether a line, its CR LF break already taken off, is the word quit: in
// any letter case, between spaces and tabs, and short enough to be kept
// whole.
bool quits(std::string_view line) {
  if (line.size() >= 4096) return false;
  const std::size_t first = line.find_first_not_of(" \t");
  if (first == std::string_view::npos) return false;
  line = line.substr(first, line.find_last_not_of(" \t") - first + 1);
  if (line.size() != 4) return false;
  for (std::size_t k = 0; k < 4; ++k) {
    if ((line[k] | 0x20) != "quit"[k]) return false;
  }
  return true;
}

// The answers the quiz marks: every line after the menu line, up to the
// first that quits. Returns nothing when there is no menu line.
std::optional<std::size_t> answersIn(std::string_view input) {
  if (input.empty()) return std::nullopt;
  std::size_t answers = 0;
  std::size_t start = input.find('\n');
  while (start != std::string_view::npos && start + 1 < input.size()) {
    const std::size_t end = input.find('\n', start + 1);
    std::string_view line = input.substr(start + 1, end - start - 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (quits(line)) break;
    ++answers;
    start = end;
  }
  return answers;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::string text = runDialogue(
      [](std::istream& in, std::ostream& out) { return runQuiz(in, out); },
      input);
  const std::optional<std::size_t> answers = answersIn(input);
  if (!answers) {
    check(text == std::string(quizMenu) + "\n",
          "no input: menu and a line break");
    return 0;
  }
  check(text.compare(0, quizMenu.size(), quizMenu) == 0, "exact menu");
  // Answers are not echoed, so each verdict follows its prompt on one line.
  const std::size_t right = occurrences(text, ": Correct.\n");
  const std::size_t verdicts = right + occurrences(text, ": Close; ") +
                               occurrences(text, ": Incorrect; ");
  check(verdicts == *answers, "one verdict per answer before quit");
  const std::string score = "Score: " + std::to_string(right) + " of " +
                            std::to_string(*answers) + " correct\n";
  check(text.size() >= score.size() &&
            text.compare(text.size() - score.size(), score.size(), score) == 0,
        "ends with the score of the answers marked");
  return 0;
}
