// 4. A metal put into water: hydrogen and the hydroxide, if the metal is
// reactive enough.
// Reactants: the metal, at least as reactive as zinc.
#include <string_view>

#include "elements.h"
#include "reasons.h"
#include "terms.h"
#include "words.h"

namespace {

// Metals below zinc would only ever give "no reaction" in water.
bool isWaterMetal(const Ion& i) {
  return isFreeMetal(i) && reactivity(i.formula) >= reactivity("Zn");
}

const Ion& hydroxide() {
  static const Ion oh = catalogueIon("hydroxide");
  return oh;
}

const Ion& oxide() {
  static const Ion o = catalogueIon("oxide");
  return o;
}

// What a metal that does not react with cold water does instead. REQUIRES:
// `metal` is a drawn metal that does not react with cold water.
const chemistry::WaterBehaviour& behaviour(const Ion& metal) {
  const chemistry::WaterBehaviour* w = slowInWater(metal.formula);
  require(w != nullptr, "every metal drawn for water says what it does");
  return *w;
}

Reactants draw() {
  // As randomMetal() drawn again until it is one.
  return reactantsOf(drawIon(isWaterMetal));
}

void everyDraw(const std::function<void(const Reactants&)>& visit) {
  forEachIon(isWaterMetal, [&](const Ion& rp) { visit({{rp}, {}}); });
}

QuestionTexts compose(const Reactants& r) {
  const Ion& rp = r.ions[0];
  QuestionTexts t;
  t.qtype = "water + reactive metal -> hydrogen gas + metal hydroxide";
  t.question = "water + " + words::metal(rp);
  if (!reactsWithWater(rp.formula)) {
    words::noReaction(t, rp.name + " " + std::string(behaviour(rp).coldWater));
    return t;
  }
  t.products = "hydrogen gas + " + words::compound(rp, hydroxide());
  t.ionic = netIonic(
      words::WordSide().phrase("water").metal(rp),
      words::WordSide().phrase("hydrogen gas").compound(rp, hydroxide()));
  return t;
}

std::vector<std::string> reasons(const Reactants& r) {
  const Ion& rp = r.ions[0];
  if (!reactsWithWater(rp.formula)) {
    const chemistry::WaterBehaviour& w = behaviour(rp);
    std::vector<std::string> lines = {rp.name + " " + std::string(w.coldWater) +
                                      "."};
    if (w.steam) {
      lines.push_back("In steam it gives " + words::compound(rp, oxide()) +
                      " and hydrogen.");
    }
    lines.push_back(why::series());
    return lines;
  }
  const std::string magnesium(
      catalogueIonWithFormula(chemistry::slowestInWater)->name);
  std::vector<std::string> lines = {
      why::activity(rp, magnesium, true,
                    "it displaces hydrogen from cold water"),
      why::series()};
  if (isSolubleChar(rp, hydroxide()) != soluble) {
    lines.push_back(why::solubility(rp, hydroxide()));
  }
  lines.push_back(formulaReason(rp, hydroxide()));
  return lines;
}

FormulaEquations formulas(const Reactants& r) {
  const Ion& rp = r.ions[0];
  if (!reactsWithWater(rp.formula)) {
    return terms::noReaction(terms::side(terms::water(), terms::metal(rp)));
  }
  const State base = terms::dissolvedUnlessInsoluble(rp, hydroxide());
  return terms::derive({terms::side(terms::water(), terms::metal(rp)),
                        terms::side(terms::hydrogenGas(),
                                    terms::compound(rp, hydroxide(), base))});
}

}  // namespace

const ReactionType waterMetal = {
    "water + reactive metal",
    "water + reactive metal: a metal above magnesium gives hydrogen gas and "
    "the metal hydroxide; magnesium reacts only very slowly, zinc only with "
    "steam, and aluminium not at all under its layer of oxide.",
    draw,
    compose,
    formulas,
    reasons,
    everyDraw};
