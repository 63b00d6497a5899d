#include "dialogue.h"

#include <cstdint>
#include <limits>
#include <string>

#include "console.h"
#include "drill_session.h"
#include "reveal.h"

namespace {

const std::string menu = numberedMenu(
    std::string(drillIntro) + "\n\nReaction types are:\n", reactionTypeMenu());

}  // namespace

int runDrill(std::istream& in, std::ostream& out, std::uint64_t seed,
             const DrillSettings& settings) {
  unsigned choice = 0;
  if (!chooseType(in, out, settings.session.type, menu, reactionTypes,
                  choice)) {
    return exitStatus(out);
  }
  out << drillHint << "\n\n";
  DrillSession session(seed, choice);
  // Without a count, as many questions as input asks for. Read behind a
  // branch: an optional's empty value may be read ahead, which valgrind
  // calls a jump on an uninitialised value.
  std::uint64_t last = std::numeric_limits<std::uint64_t>::max();
  if (settings.session.count) last = *settings.session.count;
  for (std::uint64_t asked = 0; asked < last; ++asked) {
    const DrillQuestion q = session.next();
    out << "Question: " << q.texts.question << '\n' << std::flush;
    // Nobody reads a dead output, so stop rather than wait for input.
    if (!out) return 1;
    const bool more = skipLine(in);
    out << revealedText(q, settings.extras);
    if (!more) break;
  }
  return exitStatus(out);
}
