// reactions/: the reaction types and what turns a question's reactants into
// words, reasons and equation terms. It includes shared/, equations/ and
// base/.
//
// The reaction types of the drill, each in a file of its own that holds all
// of it: what it draws (and redraws), the words of its answer, the terms of
// its formula equations and its entry in the manual. The table at the end is
// the one place that lists them; the drill, the quiz, the worksheets, the
// bench, the browser page, the manual pages and the scripts (through
// session_ranges) take the count and the names from it.
#ifndef REACTION_DRILL_REACTIONS_REACTION_TYPES_H_
#define REACTION_DRILL_REACTIONS_REACTION_TYPES_H_

#include <cstddef>
#include <cstdint>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "equation.h"
#include "ion.h"

// The reactants of one question: the ions it names, in the order its type
// lists them, and the numbers it draws (the atoms of a fuel).
struct Reactants {
  std::vector<Ion> ions;
  std::vector<int> counts;
};

// Reactants of `ions`, moved in, in the order given.
template <typename... Ions>
Reactants reactantsOf(Ions&&... ions) {
  Reactants r;
  r.ions.reserve(sizeof...(ions));
  (r.ions.push_back(std::forward<Ions>(ions)), ...);
  return r;
}

// Every set of reactants that `everyDraw` hands out, in its order.
std::vector<Reactants> listed(
    void (*everyDraw)(const std::function<void(const Reactants&)>&));

// One of `all`, each as likely: how a type draws whose rules would reject
// most ions drawn at random. REQUIRES: `all` is not empty.
inline Reactants drawOneOf(const std::vector<Reactants>& all) {
  return all[randomBelow(static_cast<std::uint32_t>(all.size()))];
}

// Draws with `once` until `askable` takes the whole question: how a type
// keeps every fact of chemistry it names true.
template <typename Once, typename Askable>
Reactants drawUntil(Once once, Askable askable) {
  Reactants r = once();
  while (!askable(r)) r = once();
  return r;
}

// The four texts of one question, as a reaction type writes them.
struct QuestionTexts {
  std::string question;  // the reactants in words
  std::string qtype;     // the reaction-type caption, or why nothing reacts
  std::string products;  // every product, spectators included
  std::string ionic;     // the net ionic answer, or a no-reaction text
};

struct FormulaEquations {
  Equation formula;                  // balanced, or "reactants -> no reaction"
  std::optional<Equation> complete;  // only when a term dissolves into ions
  std::optional<Equation> net;       // present exactly when `complete` is
  // For electrolysis, what happens at each electrode, with its electrons:
  // shown in place of the three equations above, which stay data.
  std::optional<Equation> cathode;
  std::optional<Equation> anode;  // present exactly when `cathode` is
};

// One reaction type: its name and what it does. Drawing takes its ions at
// random from the catalogue by rejection, in a fixed order, so that a seed
// reproduces a question; everything else is pure.
struct ReactionType {
  std::string_view name;  // as the drill's menu lists it
  // Its entry in the manual page: a short name, a colon, then what happens,
  // in sentences; `words` in backquotes are set in bold.
  std::string_view summary;
  Reactants (*draw)();
  // The four texts; `reactants` as draw gives them.
  QuestionTexts (*compose)(const Reactants& reactants);
  // The balanced formula equation, with its ionic equations where anything
  // dissolves into ions.
  FormulaEquations (*formulas)(const Reactants& reactants);
  // Why the answer is what it is, one sentence per decision.
  std::vector<std::string> (*reasons)(const Reactants& reactants);
  // Hands `visit` every set of reactants that draw can give, each once,
  // through the same rules draw applies.
  void (*everyDraw)(const std::function<void(const Reactants&)>& visit);
  // The four texts in HTML, for a type whose texts hold formulas; null
  // where all four are words.
  QuestionTexts (*html)(const Reactants& reactants) = nullptr;
};

// Each type, defined in its own file.
extern const ReactionType acidBase;
extern const ReactionType acidCarbonate;
extern const ReactionType acidMetal;
extern const ReactionType waterMetal;
extern const ReactionType metalNonmetal;
extern const ReactionType precipitation;
extern const ReactionType displacement;
extern const ReactionType combustion;
extern const ReactionType halogenDisplacement;
extern const ReactionType thermalDecomposition;
extern const ReactionType electrolysis;

// The reaction types, numbered from 1 in the order they are taught.
inline constexpr const ReactionType* reactionTypeTable[] = {
    &acidBase,
    &acidCarbonate,
    &acidMetal,
    &waterMetal,
    &metalNonmetal,
    &precipitation,
    &displacement,
    &combustion,
    &halogenDisplacement,
    &thermalDecomposition,
    &electrolysis,
};

// The number of reaction types; they are numbered 1 to reactionTypes.
inline constexpr unsigned reactionTypes = std::size(reactionTypeTable);

// The type numbered `type`. REQUIRES: 1 <= type <= reactionTypes.
inline const ReactionType& reactionType(unsigned type) {
  return *reactionTypeTable[type - 1];
}

// "random", then the name of every type, as the menu numbers them from 0.
std::vector<std::string_view> reactionTypeMenu();

// The reactants of one question, and its type.
struct Reaction {
  unsigned type = 1;  // 1 to reactionTypes
  Reactants reactants;
};

// Draws the reactants of a question of reaction type `type`.
// REQUIRES: 1 <= type <= reactionTypes.
Reaction drawReaction(unsigned type);

// The four texts of a drawn reaction.
QuestionTexts compose(const Reaction& r);

// The formula equations of a drawn reaction.
FormulaEquations formulaEquations(const Reaction& r);

// Why the answer of a drawn reaction is what it is.
std::vector<std::string> reasons(const Reaction& r);

// The same, given the reaction's formula equations `e`, for a caller that
// has them already. REQUIRES: `e` is formulaEquations(r).
std::vector<std::string> reasons(const Reaction& r, const FormulaEquations& e);

#endif  // REACTION_DRILL_REACTIONS_REACTION_TYPES_H_
