#include "drill_session.h"

#include <utility>

DrillSession::DrillSession(std::uint64_t seed, unsigned choice,
                           QuestionNumbers picks)
    : draws_(seed, choice, reactionTypes, std::move(picks)) {}

DrillQuestion DrillSession::next() {
  return draws_.next([](unsigned type) {
    Reaction r = drawReaction(type);
    QuestionTexts t = compose(r);
    return DrillQuestion{std::move(r), std::move(t)};
  });
}
