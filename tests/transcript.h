// What the console programs write, their menus made from the type tables
// as the programs make them, and reading a drill transcript back into
// question blocks. Plain C++, so the fuzz harnesses can use it too.
#ifndef REACTION_DRILL_TESTS_TRANSCRIPT_H_
#define REACTION_DRILL_TESTS_TRANSCRIPT_H_

#include <string>
#include <string_view>
#include <vector>

#include "console.h"
#include "quiz_types.h"
#include "reaction_types.h"

// Everything the drill writes before its first question.
inline const std::string drillStartup =
    "Determine the products, given the reactants.\n\n" +
    numberedMenu("Reaction types are:\n", reactionTypeMenu()) +
    "\nPress enter to reveal the answer to each question.\n\n";

// The quiz's menu, up to its prompt.
inline const std::string quizMenu =
    "Write the formula, given the name.\n\n" +
    numberedMenu("Question types are:\n", questionTypeMenu());

struct Block {
  std::string question, qtype, products, ionic;
  std::string formula, complete, net;  // with --formulas only
  std::string cathode, anode;          // with --formulas, for electrolysis
  std::vector<std::string> reasons;    // with --explain only
};

namespace transcript_detail {

// Takes the line that starts `text` if it begins with `prefix` and ends with
// `suffix` and a line break; returns what lies between them.
inline bool takeLine(std::string_view& text, std::string_view prefix,
                     std::string_view suffix, std::string& between) {
  const std::size_t end = text.find('\n');
  if (end == std::string_view::npos) return false;
  const std::string_view line = text.substr(0, end);
  if (line.size() < prefix.size() + suffix.size() ||
      line.substr(0, prefix.size()) != prefix ||
      line.substr(line.size() - suffix.size()) != suffix) {
    return false;
  }
  between =
      line.substr(prefix.size(), line.size() - prefix.size() - suffix.size());
  text.remove_prefix(end + 1);
  return true;
}

// Takes a heading line and the indented line below it, if `text` starts
// with `heading`.
inline bool takeLabelled(std::string_view& text, std::string_view heading,
                         std::string& line) {
  std::string rest;
  if (text.substr(0, heading.size() + 1) != std::string(heading) + "\n") {
    return true;
  }
  return takeLine(text, heading, "", rest) && rest.empty() &&
         takeLine(text, "  ", "", line);
}

// Takes "Why:" and the reasons set in below it, if `text` starts with it.
inline bool takeReasons(std::string_view& text,
                        std::vector<std::string>& reasons) {
  std::string reason;
  if (text.substr(0, 5) != "Why:\n") return true;
  text.remove_prefix(5);
  while (text.substr(0, 2) == "  " && takeLine(text, "  ", "", reason)) {
    reasons.push_back(reason);
  }
  return !reasons.empty();
}

}  // namespace transcript_detail

// Splits what the drill wrote after its start-up text into blocks. Returns
// false if any of it is not a complete, well-formed block ending in exactly
// two empty lines.
inline bool parseBlocks(std::string_view text, std::vector<Block>& blocks) {
  using transcript_detail::takeLabelled;
  using transcript_detail::takeLine;
  std::string ignored;
  while (!text.empty()) {
    Block b;
    if (!takeLine(text, "Question: ", "", b.question) ||
        !takeLine(text, "(", ")", b.qtype) ||
        !takeLine(text, "Products, including spectators:  ", "", b.products) ||
        !takeLine(text, "Answer, ionic:", "", ignored) || !ignored.empty() ||
        !takeLine(text, "  ", "", b.ionic) ||
        !takeLabelled(text, "Formula equation:", b.formula) ||
        !takeLabelled(text, "Complete ionic:", b.complete) ||
        !takeLabelled(text, "Net ionic:", b.net) ||
        !takeLabelled(text, "At the cathode:", b.cathode) ||
        !takeLabelled(text, "At the anode:", b.anode) ||
        !transcript_detail::takeReasons(text, b.reasons) ||
        text.substr(0, 2) != "\n\n") {
      return false;
    }
    text.remove_prefix(2);
    blocks.push_back(b);
  }
  return true;
}

#endif  // REACTION_DRILL_TESTS_TRANSCRIPT_H_
