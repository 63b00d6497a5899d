// The facts a chemistry teacher checks a key against, over every question
// each type can draw and the quiz's compounds, and the worked examples of
// what this model once stated falsely.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "catalogue.h"
#include "equation_text.h"
#include "quiz_kinds.h"
#include "reaction_types.h"

namespace {

// Compounds that do not exist, and weak acids split into ions; the only
// bicarbonates that exist.
const std::set<std::string> never = {
    "(NH4)2O",   "(NH4)3N",   "(NH4)3P", "Al2(CO3)3", "Cr2(CO3)3",
    "Fe2(CO3)3", "Au2(CO3)3", "HF",      "H3PO4",     "H2CO3"};
const std::set<std::string> bicarbonates = {
    "LiHCO3", "NaHCO3", "KHCO3", "NH4HCO3", "Mg(HCO3)2", "Ba(HCO3)2"};

// A compound that does not exist or a weak acid split into ions, an oxide
// in solution, or gold but gold(III).
bool isFalse(const Term& t) {
  if (!t.ions) return false;
  const Constituent& cation = (*t.ions)[0];
  const std::string& anion = (*t.ions)[1].formula;
  return never.count(t.formula) == 1 ||
         (anion == "HCO3" && bicarbonates.count(t.formula) == 0) ||
         (cation.formula == "Au" && cation.charge != 3) ||
         (t.state == State::aqueous &&
          (anion == "O" || anion == "N" || anion == "P"));
}

// The reactants each type never names first.
const std::vector<std::pair<unsigned, std::string>> neverAsked = {
    {2, "carbonic acid"},   {3, "nitric acid"},  {5, "gold metal"},
    {7, "potassium metal"}, {7, "sodium metal"}, {7, "lithium metal"}};

void expectTrueKey(unsigned type, const Reactants& r) {
  const Reaction reaction{type, r};
  const QuestionTexts t = compose(reaction);
  const FormulaEquations e = formulaEquations(reaction);
  const std::string key = t.question + " | " + ascii(e.formula);
  EXPECT_EQ((t.question + t.products).find("copper(III)"), std::string::npos);
  std::vector<const Equation*> lines = {&e.formula};
  if (e.net) lines.insert(lines.end(), {&*e.complete, &*e.net});
  for (const Equation* line : lines) {
    for (const auto* side : {&line->reactants, &line->products}) {
      for (const Term& term : *side) EXPECT_FALSE(isFalse(term)) << key;
    }
  }
  for (const auto& [asked, start] : neverAsked) {
    EXPECT_FALSE(type == asked && t.question.rfind(start, 0) == 0) << key;
  }
  const std::set<std::string> nitrides = {"Li3N", "Mg3N2", "Be3N2", "Ba3N2",
                                          "AlN"};
  EXPECT_TRUE(type != 5 || t.question.find("nitrogen") == std::string::npos ||
              nitrides.count(e.formula.products[0].formula) == 1)
      << key;
  // A fuel is a molecule: an even number of hydrogen atoms, methane alone
  // of one carbon.
  EXPECT_TRUE(type != 8 ||
              (r.counts[2] % 2 == 0 && (r.counts[0] > 1 || r.counts[2] == 4)))
      << key;
}

TEST(Chemistry, EveryKeyStatesOnlyTrueFacts) {
  initIons();
  for (unsigned type = 1; type <= reactionTypes; ++type) {
    reactionType(type).kind->everyDraw(
        [type](const Reactants& r) { expectTrueKey(type, r); });
  }
  seedChance(3);
  for (int k = 0; k < 2000; ++k) {
    const std::string formula = drawQuestion(2).answer.text;
    EXPECT_TRUE(never.count(formula) == 0 &&
                (formula.find("HCO3") == std::string::npos ||
                 bicarbonates.count(formula) == 1))
        << formula;
  }
}

TEST(Chemistry, WorkedExamplesOfWhatChanged) {
  const struct {
    unsigned type;
    std::vector<std::string> ions;
    std::string ionic, formula, net;  // net "" for no ionic lines
  } examples[] = {
      {1,
       {"chloride", "sodium", "oxide"},
       "hydrogen ions + sodium oxide -> sodium ions + water",
       "2HCl(aq) + Na2O(s) -> 2NaCl(aq) + H2O(l)",
       "2H+(aq) + Na2O(s) -> 2Na+(aq) + H2O(l)"},
      {5,
       {"iron", "chloride"},
       "iron metal + chlorine gas -> iron(III) chloride",
       "2Fe(s) + 3Cl2(g) -> 2FeCl3(s)",
       ""},
      {1,
       {"fluoride", "sodium", "hydroxide"},
       "hydrofluoric acid + hydroxide ions -> fluoride ions + water",
       "HF(aq) + NaOH(aq) -> NaF(aq) + H2O(l)",
       "HF(aq) + OH-(aq) -> F-(aq) + H2O(l)"},
      {1,
       {"phosphate", "silver", "hydroxide"},
       "phosphoric acid + silver hydroxide -> silver phosphate + water",
       "H3PO4(aq) + 3AgOH(s) -> Ag3PO4(s) + 3H2O(l)",
       ""},
      {3,
       {"fluoride", "zinc"},
       "hydrofluoric acid + zinc metal -> hydrogen gas + zinc ions + fluoride "
       "ions",
       "2HF(aq) + Zn(s) -> H2(g) + ZnF2(aq)",
       "2HF(aq) + Zn(s) -> H2(g) + Zn2+(aq) + 2F-(aq)"},
  };
  for (const auto& e : examples) {
    Reaction r{e.type, {}};
    for (const std::string& name : e.ions)
      r.reactants.ions.push_back(named(name));
    const FormulaEquations f = formulaEquations(r);
    EXPECT_EQ(compose(r).ionic, e.ionic);
    EXPECT_EQ(ascii(f.formula), e.formula);
    EXPECT_EQ(f.net ? ascii(*f.net) : "", e.net) << e.formula;
  }
  // The complete ionic equation keeps the weak acid whole too.
  EXPECT_EQ(
      ascii(*formulaEquations(Reaction{1,
                                       {{named("fluoride"), named("sodium"),
                                         named("hydroxide")},
                                        {}}})
                 .complete),
      "HF(aq) + Na+(aq) + OH-(aq) -> Na+(aq) + F-(aq) + H2O(l)");
}

}  // namespace
