// drill/: reaction-drill: its session, what it reveals, its worksheet, its
// dialogue and its command line. It includes reactions/, worksheets/,
// console/, cli/ and what they include.
//
// A drill session: the questions of one seed and one choice of type, in
// the order the dialogue, the worksheet and the browser page all ask them.
#ifndef REACTION_DRILL_DRILL_DRILL_SESSION_H_
#define REACTION_DRILL_DRILL_DRILL_SESSION_H_

#include <cstdint>
#include <string_view>

#include "menu.h"
#include "reaction_types.h"

// What the drill says before its first question, on the console and on the
// page.
inline constexpr std::string_view drillIntro =
    "Determine the products, given the reactants.";
inline constexpr std::string_view drillHint =
    "Press enter to reveal the answer to each question.";

// One question: its reactants, and the texts composed from them.
struct DrillQuestion {
  Reaction reaction;
  QuestionTexts texts;
};

class DrillSession {
 public:
  // The session of `seed` with `choice`: a type from 1 to reactionTypes, or
  // 0 for a fresh random type every question; only the questions `picks`
  // numbers, if any.
  // REQUIRES: choice <= reactionTypes.
  DrillSession(std::uint64_t seed, unsigned choice, QuestionNumbers picks = {});

  // The next question. Its draws come from the session's own generator,
  // whatever else draws in between.
  DrillQuestion next();

  // The seed's number of the question asked last, counted from 1.
  [[nodiscard]] std::uint64_t number() const { return draws_.number(); }

 private:
  SessionDraws draws_;
};

#endif  // REACTION_DRILL_DRILL_DRILL_SESSION_H_
