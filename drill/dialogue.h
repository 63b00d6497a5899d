// The console dialogue of the drill: menu, choice, then questions until
// input ends.
#ifndef REACTION_DRILL_DRILL_DIALOGUE_H_
#define REACTION_DRILL_DRILL_DIALOGUE_H_

#include <cstdint>
#include <istream>
#include <ostream>

#include "reaction_types.h"
#include "reveal.h"
#include "session_options.h"

// What the command line can change in the dialogue.
struct DrillSettings {
  static constexpr unsigned types = reactionTypes;  // the highest --type
  SessionOptions session;
  Extras extras;  // the formula equations and the reasons, revealed too
};

// Shows the menu and reads the choice of reaction type once, unless
// `settings` fixes it (a type fixes it, anything else means a fresh random
// type for every question), then for each question of the session of
// `seed` shows the reactants, waits for one line and reveals the answer,
// with its formula equations and reasons where `settings` asks for them. When
// input ends at a question, that question's answer is still revealed; after
// `settings.session.count` questions, if given, the drill ends.
// Returns the exit status: 0 when input ends, 1 as soon as `out` can no
// longer be written.
int runDrill(std::istream& in, std::ostream& out, std::uint64_t seed,
             const DrillSettings& settings = {});

#endif  // REACTION_DRILL_DRILL_DIALOGUE_H_
