// The menu both programs share: its question, the rule that a choice of 0
// asks for a fresh random type for every question, and the draws of a
// session made with it, of all its questions or some picked by number.
#ifndef REACTION_DRILL_BASE_MENU_H_
#define REACTION_DRILL_BASE_MENU_H_

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "chance.h"
#include "text.h"

// The question of every menu, before its range.
inline constexpr std::string_view menuQuestion =
    "Which kind of questions would you like?";

// The type of the next question: the one chosen, or for choice 0 a fresh
// random one from 1 to `types`.
inline std::uint32_t nextType(std::uint32_t choice, std::uint32_t types) {
  return choice != 0 ? choice : randomBelow(types) + 1;
}

// Some questions of a session, by their numbers, counted from 1 in the
// order its seed draws them, so that a student can be asked again exactly
// the ones missed: at most maxPicked numbers from 1 to maxQuestionNumber,
// in rising order. Empty: every question, in order.
using QuestionNumbers = std::vector<std::uint32_t>;
inline constexpr std::size_t maxPicked = 1000;
inline constexpr std::uint32_t maxQuestionNumber = 100000;

// Reads "3,7,12" into `numbers`: decimal numbers separated by commas, as
// QuestionNumbers holds them; false for anything else, `numbers` unchanged.
[[nodiscard]] inline bool readQuestionNumbers(std::string_view text,
                                              QuestionNumbers& numbers) {
  QuestionNumbers read;
  for (std::size_t at = 0;;) {
    const std::size_t comma = std::min(text.find(',', at), text.size());
    std::uint64_t n = 0;
    if (read.size() == maxPicked ||
        !decimal(text.substr(at, comma - at), maxQuestionNumber, n) ||
        n <= (read.empty() ? 0 : read.back())) {
      return false;
    }
    read.push_back(static_cast<std::uint32_t>(n));
    if (comma == text.size()) break;
    at = comma + 1;
  }
  numbers = std::move(read);
  return true;
}

// "3,7,12", as readQuestionNumbers reads it.
inline std::string questionNumbersText(const QuestionNumbers& numbers) {
  std::string text;
  for (const std::uint32_t n : numbers) {
    text += (text.empty() ? "" : ",") + std::to_string(n);
  }
  return text;
}

// The draws of one session: its own generator, started from its seed, the
// menu choice that picks each question's type, and the questions it asks.
class SessionDraws {
 public:
  // REQUIRES: `picks` as QuestionNumbers holds them.
  SessionDraws(std::uint64_t seed, std::uint32_t choice, std::uint32_t types,
               QuestionNumbers picks = {})
      : chance_(seededChance(seed)),
        choice_(choice),
        types_(types),
        picks_(std::move(picks)) {}

  // What `draw` makes of the next question's type, with every draw taken
  // from this session's generator, whatever else draws in between. The
  // questions before the next one picked are drawn and passed over, so
  // that each keeps its number; past the last one picked, every question
  // follows.
  template <typename Draw>
  auto next(Draw draw) {
    const DrawingFrom own(chance_);
    for (; picked_ < picks_.size() && drawn_ + 1 < picks_[picked_]; ++drawn_) {
      draw(nextType(choice_, types_));
    }
    picked_ += picked_ < picks_.size() ? 1 : 0;
    ++drawn_;
    return draw(nextType(choice_, types_));
  }

  // The number of the question drawn last, or 0 before the first.
  [[nodiscard]] std::uint64_t number() const { return drawn_; }

 private:
  Pcg32 chance_;
  std::uint32_t choice_;
  std::uint32_t types_;
  QuestionNumbers picks_;
  std::size_t picked_ = 0;
  std::uint64_t drawn_ = 0;
};

#endif  // REACTION_DRILL_BASE_MENU_H_
