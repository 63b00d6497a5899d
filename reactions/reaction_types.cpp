#include "reaction_types.h"

std::vector<std::string_view> reactionTypeMenu() {
  std::vector<std::string_view> names = {"random"};
  for (const ReactionType* t : reactionTypeTable) names.push_back(t->name);
  return names;
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

std::vector<std::string> reasons(const Reaction& r) {
  return reactionType(r.type).reasons(r.reactants);
}
