// The drill's whole console dialogue, fed arbitrary bytes as standard input:
// a menu line and pause lines of any length and content, with or without a
// final line break.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dialogue.h"
#include "harness.h"
#include "transcript.h"

namespace {

// A last line without a line break still counts.
std::size_t countLines(std::string_view input) {
  const auto breaks = std::count(input.begin(), input.end(), '\n');
  const bool unfinished = !input.empty() && input.back() != '\n';
  return static_cast<std::size_t>(breaks) + (unfinished ? 1 : 0);
}

bool mentionsError(const Block& b) {
  const auto texts = {&b.question, &b.qtype, &b.products, &b.ionic};
  return std::any_of(texts.begin(), texts.end(), [](const std::string* t) {
    return t->find("<an error occurred>") != std::string::npos;
  });
}

bool sameWords(const Block& a, const Block& b) {
  return a.question == b.question && a.qtype == b.qtype &&
         a.products == b.products && a.ionic == b.ionic;
}

// With --formulas --explain every block says the same in words and adds a
// formula equation, with both ionic lines or neither, or for electrolysis
// both half-equations, and reasons.
void checkFormulas(const std::string& input, const std::vector<Block>& plain) {
  DrillSettings settings;
  settings.extras = {true, true};
  const std::string text = runDialogue(
      [&settings](std::istream& in, std::ostream& out) {
        return runDrill(in, out, 1, settings);
      },
      input);
  std::vector<Block> blocks;
  check(parseBlocks(std::string_view(text).substr(drillStartup.size()), blocks),
        "--formulas: every block complete and well-formed");
  check(blocks.size() == plain.size(), "--formulas: the same blocks");
  for (std::size_t k = 0; k < blocks.size(); ++k) {
    const Block& b = blocks[k];
    check(sameWords(b, plain[k]), "--formulas: the same words");
    check(b.formula.empty() != b.cathode.empty(),
          "--formulas: a formula equation or the half-equations");
    check(b.cathode.empty() == b.anode.empty(), "--formulas: both electrodes");
    check(b.complete.empty() == b.net.empty(), "--formulas: both ionic lines");
    check(!b.reasons.empty(), "--explain: reasons");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::string text = runDialogue(
      [](std::istream& in, std::ostream& out) { return runDrill(in, out, 1); },
      input);
  const std::size_t lines = countLines(input);
  if (lines == 0) {
    const std::string menu =
        drillStartup.substr(0, drillStartup.find("\nPress enter"));
    check(text == menu + "\n", "no input: menu and a line break");
    return 0;
  }
  check(text.compare(0, drillStartup.size(), drillStartup) == 0,
        "exact start-up text");
  std::vector<Block> blocks;
  check(parseBlocks(std::string_view(text).substr(drillStartup.size()), blocks),
        "every question block complete and well-formed");
  // The first line is the menu choice; each further line is one pause, and
  // the question on screen when input ends is answered too.
  check(blocks.size() == lines, "one block per pause line, plus one");
  check(std::none_of(blocks.begin(), blocks.end(), mentionsError),
        "no block reports an error");
  checkFormulas(input, blocks);
  return 0;
}
