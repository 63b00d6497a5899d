// 7. A metal put into the solution of another metal's salt.
// Reactants: the free metal, then the dissolved salt's metal (a different
// element) and anion.
#include "elements.h"
#include "reasons.h"
#include "solutions.h"
#include "terms.h"
#include "words.h"

namespace {

bool isOtherMetal(const Ion& dissolved, const Ion& free) {
  return dissolved.formula != free.formula;
}

// Only a more reactive metal displaces another.
bool displaces(const Ion& metal, const Ion& dissolved) {
  return reactivity(metal.formula) > reactivity(dissolved.formula);
}

// A metal that reacts with water would react with the solution's water, not
// with its salt.
bool isAsked(const Ion& metal) { return !reactsWithWater(metal.formula); }

// Metals at or above this one are never deposited from a solution: a metal
// more reactive still would react with the water instead.
constexpr std::string_view lowestNeverDeposited = "Al";

// Metals that dissolve in a hydroxide solution, giving hydrogen, as their
// oxides and hydroxides dissolve in alkali; never put into one.
constexpr std::string_view dissolveInAlkali = "Al Zn";

// What a question would claim is true: a metal is deposited only where it
// can be, a new salt exists and can stand in water, and the metal put in
// meets no solution that dissolves it.
bool askable(const Ion& rp, const Ion& ep, const Ion& en) {
  if (isListed(dissolveInAlkali, rp.formula) && en.formula == "OH") {
    return false;
  }
  return !displaces(rp, ep) ||
         (reactivity(ep.formula) < reactivity(lowestNeverDeposited) &&
          compoundExists(rp, en) && staysInWater(rp, en));
}

// The free metal, then the dissolved salt, whose metal and anion are drawn
// again until the salt dissolves and exists; the whole question again in the
// rare case that the new salt would not exist.
Reactants draw() {
  return drawUntil(
      [] {
        // In place, copied once taken.
        const Ion& rp = drawIonInPlace(
            [](const Ion& i) { return isRankedMetal(i) && isAsked(i); });
        const Ion& ep = drawIonInPlace([&rp](const Ion& i) {
          return isRankedMetal(i) && isOtherMetal(i, rp);
        });
        // As randomNeg() drawn again until the salt dissolves and exists.
        const Ion& en = drawIonInPlace([&ep](const Ion& i) {
          return i.isAnion() && isDrawnDissolved(ep, i) &&
                 compoundExists(ep, i);
        });
        return reactantsOf(Ion(rp), Ion(ep), Ion(en));
      },
      [](const Reactants& r) {
        return askable(r.ions[0], r.ions[1], r.ions[2]);
      });
}

void everyDraw(const std::function<void(const Reactants&)>& visit) {
  forEachIon(isRankedMetal, [&](const Ion& rp) {
    if (!isAsked(rp)) return;
    forEachIon(isRankedMetal, [&](const Ion& ep) {
      if (!isOtherMetal(ep, rp)) return;
      forEachIon(role::anion, [&](const Ion& en) {
        if (isDrawnDissolved(ep, en) && compoundExists(ep, en) &&
            askable(rp, ep, en)) {
          visit({{rp, ep, en}, {}});
        }
      });
    });
  });
}

// The free metal and the solution, and what forms where the metal
// displaces the other.
words::WordSide reactantsOf(const Reactants& r) {
  return words::WordSide().metal(r.ions[0]).compound(r.ions[1], r.ions[2]);
}

words::WordSide productsOf(const Reactants& r) {
  return words::WordSide().metal(r.ions[1]).compound(r.ions[0], r.ions[2]);
}

QuestionTexts compose(const Reactants& r) {
  const Ion& rp = r.ions[0];
  const Ion& ep = r.ions[1];
  const Ion& en = r.ions[2];
  QuestionTexts t;
  t.qtype = "single displacement reaction";
  t.question = words::metal(rp) + " + " + words::compound(ep, en) + " solution";
  if (!displaces(rp, ep)) {
    words::noReaction(
        t, rp.name + " is not reactive enough to displace " + ep.name);
    return t;
  }
  t.products = words::metal(ep) + " + " + words::compound(rp, en);
  t.ionic = netIonic(reactantsOf(r), productsOf(r));
  return t;
}

std::vector<std::string> reasons(const Reactants& r) {
  const Ion& rp = r.ions[0];
  const Ion& ep = r.ions[1];
  const Ion& en = r.ions[2];
  if (!displaces(rp, ep)) {
    return {why::activity(rp, ep.name, false, "nothing reacts"), why::series()};
  }
  std::vector<std::string> lines = {
      why::activity(rp, ep.name, true,
                    "it displaces " + ep.name + " from its salt"),
      why::series()};
  if (isSolubleChar(rp, en) != soluble) {
    lines.push_back(why::solubility(rp, en));
  }
  why::addSpectators(lines, reactantsOf(r), productsOf(r));
  lines.push_back(formulaReason(rp, en));
  return lines;
}

FormulaEquations formulas(const Reactants& r) {
  const Ion& rp = r.ions[0];
  const Ion& ep = r.ions[1];
  const Ion& en = r.ions[2];
  std::vector<Term> reactants =
      terms::side(terms::metal(rp), terms::compound(ep, en, State::aqueous));
  if (!displaces(rp, ep)) return terms::noReaction(std::move(reactants));
  // A new salt with no rule counts as dissolved.
  return terms::derive(
      {std::move(reactants),
       terms::side(
           terms::metal(ep),
           terms::compound(rp, en, terms::dissolvedUnlessInsoluble(rp, en)))});
}

}  // namespace

const ReactionType displacement = {
    "single displacement",
    "single displacement: a metal takes the place of a less reactive metal in "
    "its salt, or is not reactive enough to.",
    draw,
    compose,
    formulas,
    reasons,
    everyDraw};
