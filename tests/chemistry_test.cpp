// The facts a chemistry teacher checks a key against, over every question
// each type can draw and the quiz's compounds, and the worked examples of
// what this model once stated falsely.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "catalogue.h"
#include "equation_text.h"
#include "quiz_types.h"
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

// Every compound that stays solid where something dissolves has the rule
// row that makes it so among the reasons, and nothing fails to react
// without the rule that stopped it.
void expectReasonsForEveryDecision(const Reaction& reaction,
                                   const FormulaEquations& e) {
  std::string all;
  for (const std::string& reason : reasons(reaction)) all += reason + "\n";
  const std::string key = ascii(e.formula) + "\n" + all;
  if (e.formula.noReaction) {
    EXPECT_TRUE(all.find("activity series") != std::string::npos ||
                all.find("stays dissolved") != std::string::npos)
        << key;
  }
  const auto aqueous = [](const Term& t) { return t.state == State::aqueous; };
  const std::vector<Term>& left = e.formula.reactants;
  if (std::none_of(left.begin(), left.end(), aqueous)) return;
  for (const auto* side : {&e.formula.reactants, &e.formula.products}) {
    for (const Term& t : *side) {
      if (!t.ions || t.state != State::solid) continue;
      const Ion cation("", (*t.ions)[0].formula, false, 1, false, "");
      const Ion anion("", (*t.ions)[1].formula, true, 1, false, "");
      EXPECT_NE(all.find(ruleSentence(*solubilityRule(cation, anion))),
                std::string::npos)
          << key;
    }
  }
}

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
  expectReasonsForEveryDecision(reaction, e);
  // A fuel is a molecule: an even number of hydrogen atoms, methane alone
  // of one carbon.
  EXPECT_TRUE(type != 8 ||
              (r.counts[2] % 2 == 0 && (r.counts[0] > 1 || r.counts[2] == 4)))
      << key;
}

TEST(Chemistry, EveryKeyStatesOnlyTrueFacts) {
  for (unsigned type = 1; type <= reactionTypes; ++type) {
    reactionType(type).everyDraw(
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

// One question of each type and its reasons, joined by " | ".
TEST(Chemistry, ReasonsOfEachType) {
  const std::string series =
      "The activity series: K Na Li Mg Al Zn Fe Sn Pb (H) Cu Hg Ag Au.";
  const struct {
    Reaction reaction;
    std::string reasons;
  } examples[] = {
      {{1, {{named("nitrate"), named("copper(II)"), named("hydroxide")}, {}}},
       "copper(II) hydroxide is solid. Hydroxides do not dissolve, except "
       "those of barium and strontium. | nitrate ions are spectators: "
       "dissolved on both sides, unchanged. | Cu2+ and NO3 -: one Cu for two "
       "NO3 gives Cu(NO3)2."},
      {{2, {{named("fluoride"), named("sodium"), named("carbonate")}, {}}},
       "hydrofluoric acid is a weak acid: it stays a molecule in water. | "
       "sodium ions are spectators: dissolved on both sides, unchanged. | Na+ "
       "and F-: one of each gives NaF."},
      {{3, {{named("sulphate"), named("copper")}, {}}},
       "copper is below hydrogen in the activity series, so nothing reacts. "
       "| " +
           series},
      {{4, {{named("magnesium")}, {}}},
       "magnesium reacts with cold water too slowly to count: only the metals "
       "above it in the activity series do. | " +
           series},
      {{5, {{named("iron"), named("chloride")}, {}}},
       "chlorine takes iron to iron(III), its higher charge. | Fe3+ and Cl-: "
       "one Fe for three Cl gives FeCl3."},
      {{6,
        {{named("silver"), named("nitrate"), named("sodium"),
          named("chloride")},
         {}}},
       "silver chloride is solid. Chlorides and bromides dissolve, except "
       "those of silver and lead. | sodium nitrate stays dissolved. Salts of "
       "potassium, sodium, lithium, ammonium and hydrogen dissolve. | nitrate "
       "ions and sodium ions are spectators: dissolved on both sides, "
       "unchanged. | Ag+ and Cl-: one of each gives AgCl."},
      {{7, {{named("zinc"), named("copper"), named("sulphate")}, {}}},
       "zinc is above copper in the activity series, so it displaces copper "
       "from its salt. | " +
           series +
           " | sulphate ions are spectators: "
           "dissolved on both sides, unchanged. | Zn2+ and SO4 2-: one of each "
           "gives ZnSO4."},
      {{8, {{}, {2, 0, 6}}},
       "In air, carbon burns to carbon dioxide and hydrogen to water. | "
       "Balance C, then H, then O: 2C2H6 + 7O2 -> 4CO2 + 6H2O."},
  };
  for (const auto& e : examples) {
    std::string joined;
    for (const std::string& r : reasons(e.reaction)) {
      joined += (joined.empty() ? "" : " | ") + r;
    }
    EXPECT_EQ(joined, e.reasons);
  }
}

}  // namespace
