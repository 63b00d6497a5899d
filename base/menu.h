// The menu both programs share: its question, the rule that a choice of 0
// asks for a fresh random type for every question, and the draws of a
// session made with it.
#ifndef REACTION_DRILL_BASE_MENU_H_
#define REACTION_DRILL_BASE_MENU_H_

#include <cstdint>
#include <string_view>

#include "chance.h"

// The question of every menu, before its range.
inline constexpr std::string_view menuQuestion =
    "Which kind of questions would you like?";

// The type of the next question: the one chosen, or for choice 0 a fresh
// random one from 1 to `types`.
inline std::uint32_t nextType(std::uint32_t choice, std::uint32_t types) {
  return choice != 0 ? choice : randomBelow(types) + 1;
}

// The draws of one session: its own generator, started from its seed, and
// the menu choice that picks each question's type.
class SessionDraws {
 public:
  SessionDraws(std::uint64_t seed, std::uint32_t choice, std::uint32_t types)
      : chance_(seededChance(seed)), choice_(choice), types_(types) {}

  // What `draw` makes of the next question's type, with every draw taken
  // from this session's generator, whatever else draws in between.
  template <typename Draw>
  auto next(Draw draw) {
    const DrawingFrom own(chance_);
    return draw(nextType(choice_, types_));
  }

 private:
  Pcg32 chance_;
  std::uint32_t choice_;
  std::uint32_t types_;
};

#endif  // REACTION_DRILL_BASE_MENU_H_
