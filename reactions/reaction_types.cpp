#include "reaction_types.h"

#include "sight.h"

std::vector<std::string_view> reactionTypeMenu() {
  std::vector<std::string_view> names = {"random"};
  for (const ReactionType* t : reactionTypeTable) names.push_back(t->name);
  return names;
}

std::vector<Reactants> listed(
    void (*everyDraw)(const std::function<void(const Reactants&)>&)) {
  std::vector<Reactants> all;
  everyDraw([&all](const Reactants& r) { all.push_back(r); });
  return all;
}

Reaction drawReaction(unsigned type) {
  return {type, reactionType(type).draw()};
}

QuestionTexts compose(const Reaction& r) {
  return reactionType(r.type).compose(r.reactants);
}

FormulaEquations formulaEquations(const Reaction& r) {
  return reactionType(r.type).formulas(r.reactants);
}

// What a class would see closes the reasons, the same for every type.
std::vector<std::string> reasons(const Reaction& r) {
  return reasons(r, formulaEquations(r));
}

std::vector<std::string> reasons(const Reaction& r, const FormulaEquations& e) {
  std::vector<std::string> lines = reactionType(r.type).reasons(r.reactants);
  lines.push_back(seenLine(e));
  return lines;
}
