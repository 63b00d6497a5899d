// 3. A metal put into an acid: hydrogen and a salt, if the metal is
// reactive enough.
// Reactants: the acid's anion, the metal (one of the activity series).
#include <string_view>

#include "elements.h"
#include "reasons.h"
#include "terms.h"
#include "words.h"

namespace {

// The anions of acids that oxidise a metal rather than give hydrogen with
// it: nitric acid gives nitrogen oxides, and dissolves copper and silver.
constexpr std::string_view oxidisingAcids = "NO3";

bool isAskedAcid(const Ion& anion) {
  return role::acid(anion) && !isListed(oxidisingAcids, anion.formula);
}

// Where the metal reacts, the salt it forms exists.
bool formsRealSalt(const Reactants& r) {
  const Ion& an = r.ions[0];
  const Ion& rp = r.ions[1];
  return !reactsWithAcid(rp.formula) || compoundExists(rp, an);
}

// An acid (as randomAcid() drawn again until it is no oxidising acid) and a
// metal; both again in the rare case that their salt would not exist.
Reactants draw() {
  return drawUntil(
      [] {
        Ion an = drawIon(isAskedAcid);
        Ion rp = rankedMetal();
        return reactantsOf(std::move(an), std::move(rp));
      },
      formsRealSalt);
}

void everyDraw(const std::function<void(const Reactants&)>& visit) {
  forEachIon(isAskedAcid, [&](const Ion& an) {
    forEachIon(isRankedMetal, [&](const Ion& rp) {
      const Reactants r{{an, rp}, {}};
      if (formsRealSalt(r)) visit(r);
    });
  });
}

words::WordSide reactantsOf(const Ion& an, const Ion& rp) {
  return words::WordSide().acid(an).metal(rp);
}

words::WordSide productsOf(const Ion& an, const Ion& rp) {
  return words::WordSide().phrase("hydrogen gas").compound(rp, an);
}

QuestionTexts compose(const Reactants& r) {
  const Ion& an = r.ions[0];
  const Ion& rp = r.ions[1];
  QuestionTexts t;
  t.qtype = "acid + reactive metal -> hydrogen gas + salt";
  t.question = words::acid(an) + " + " + words::metal(rp);
  if (!reactsWithAcid(rp.formula)) {
    words::noReaction(t,
                      rp.name + " is not reactive enough to react with acid");
    return t;
  }
  t.products = "hydrogen gas + " + words::compound(rp, an);
  t.ionic = netIonic(reactantsOf(an, rp), productsOf(an, rp));
  return t;
}

FormulaEquations formulas(const Reactants& r) {
  const Ion& an = r.ions[0];
  const Ion& rp = r.ions[1];
  if (!reactsWithAcid(rp.formula)) {
    return terms::noReaction(terms::side(terms::acid(an), terms::metal(rp)));
  }
  return terms::derive(
      {terms::side(terms::acid(an), terms::metal(rp)),
       terms::side(
           terms::hydrogenGas(),
           terms::compound(rp, an, terms::dissolvedUnlessInsoluble(rp, an)))});
}

std::vector<std::string> reasons(const Reactants& r) {
  const Ion& an = r.ions[0];
  const Ion& rp = r.ions[1];
  if (!reactsWithAcid(rp.formula)) {
    return {why::activity(rp, "hydrogen", false, "nothing reacts"),
            why::series()};
  }
  std::vector<std::string> lines = {
      why::activity(rp, "hydrogen", true,
                    "it displaces hydrogen from the acid"),
      why::series()};
  if (isWeakAcid(an)) lines.push_back(weakAcidReason(an));
  if (isSolubleChar(rp, an) != soluble) {
    lines.push_back(why::solubility(rp, an));
  }
  why::addSpectators(lines, reactantsOf(an, rp), productsOf(an, rp));
  lines.push_back(formulaReason(rp, an));
  return lines;
}

}  // namespace

const ReactionType acidMetal = {
    "acid + reactive metal",
    "acid + reactive metal: a metal above copper in the activity series gives "
    "hydrogen gas and a salt; a less reactive one does not react.",
    draw,
    compose,
    formulas,
    reasons,
    everyDraw};
