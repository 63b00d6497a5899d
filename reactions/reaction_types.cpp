#include "reaction_types.h"

#include "sight.h"

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

// What a class would see closes the reasons, the same for every type.
std::vector<std::string> reasons(const Reaction& r) {
  std::vector<std::string> lines = reactionType(r.type).reasons(r.reactants);
  lines.push_back(seenLine(formulaEquations(r)));
  return lines;
}
