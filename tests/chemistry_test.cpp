// The facts a chemistry teacher checks a key against, over every question
// each type can draw and the quiz's compounds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "catalogue.h"
#include "equation_text.h"
#include "quiz_types.h"
#include "reaction_types.h"

namespace {

// Compounds that do not exist, or not as their formula says, and the weak
// acids and the weak base split into ions; the only bicarbonates,
// phosphides and gold compounds that exist; and the sulfides that react
// with water, made only dry from the elements.
const std::set<std::string> never = {
    "(NH4)2O", "(NH4)3N", "(NH4)3P", "Al2(CO3)3", "Cr2(CO3)3", "Fe2(CO3)3",
    "CuI2",    "FeI3",    "AgOH",    "Hg(OH)2",   "HgCO3",     "BeCO3"};
const std::set<std::string> molecules = {"HF", "H3PO4", "H2CO3", "NH4OH"};
const std::set<std::string> bicarbonates = {
    "LiHCO3",    "NaHCO3",    "KHCO3",    "NH4HCO3",
    "Mg(HCO3)2", "Ca(HCO3)2", "Ba(HCO3)2"};
const std::set<std::string> phosphides = {"Li3P",  "Na3P",  "K3P", "Mg3P2",
                                          "Ca3P2", "Ba3P2", "AlP", "Zn3P2"};
const std::set<std::string> sulfidesMadeDry = {"BeS", "MgS", "Al2S3", "Cr2S3"};

bool isFalse(const Term& t, unsigned type) {
  if (!t.ions) return false;
  const std::string& cation = (*t.ions)[0].formula;
  const std::string& anion = (*t.ions)[1].formula;
  return never.count(t.formula) == 1 || molecules.count(t.formula) == 1 ||
         (anion == "HCO3" && bicarbonates.count(t.formula) == 0) ||
         (anion == "P" && phosphides.count(t.formula) == 0) ||
         (cation == "Au" && t.formula != "AuCl3" && t.formula != "AuBr3") ||
         (type != 5 && sulfidesMadeDry.count(t.formula) == 1) ||
         (t.state == State::aqueous &&
          (anion == "O" || anion == "N" || anion == "P"));
}

// Ions that react otherwise when their solutions are mixed, and metals that
// are never deposited from a solution.
const std::set<std::set<std::string>> reactOtherwise = {{"NH4+", "OH-"},
                                                        {"HCO3-", "OH-"},
                                                        {"Fe3+", "I-"},
                                                        {"Cu2+", "I-"},
                                                        {"Fe3+", "Sn2+"}};
const std::set<std::string> neverDeposited = {"K", "Na", "Li", "Mg", "Al"};

// The ions of a reactant term, written with their charges.
std::vector<std::string> ionsOf(const Term& t) {
  if (!t.ions) return {};
  return {(*t.ions)[0].formula + chargeText((*t.ions)[0].charge),
          (*t.ions)[1].formula + chargeText((*t.ions)[1].charge)};
}

// What a mixture, a metal put into a solution or a metal burnt poses that
// does not happen as the question would have it.
bool posesFalsely(unsigned type, const Equation& e) {
  const std::vector<Term>& in = e.reactants;
  if (in.size() < 2) return false;
  const std::string& first = in[0].formula;
  if (type == 6) {
    for (const std::string& a : ionsOf(in[0])) {
      for (const std::string& b : ionsOf(in[1])) {
        if (reactOtherwise.count({a, b}) == 1) return true;
      }
    }
  }
  if (type == 7) {
    const bool alkali = in[1].ions && (*in[1].ions)[1].formula == "OH";
    return (!e.noReaction &&
            neverDeposited.count(e.products[0].formula) == 1) ||
           ((first == "Al" || first == "Zn") && alkali);
  }
  const std::string pair = first + " " + in[1].formula;
  return type == 5 && (pair == "Ag O2" || pair == "Hg O2" || pair == "Cu S" ||
                       pair == "Cu I2" || first == "Au");
}

// A key whose reasons say that something reacts where nothing does, or the
// other way round; or that names a metal of several charges without its
// charge, or spells a word the old way.
bool contradictsItself(const QuestionTexts& t,
                       const std::vector<std::string>& reasons) {
  std::string all = t.qtype + "\n";
  for (const std::string& r : reasons) all += r + "\n";
  const bool none = t.ionic.rfind("NO REACTION", 0) == 0;
  const bool saysReacts = all.find("so it displaces") != std::string::npos;
  const bool saysNot = all.find("nothing reacts") != std::string::npos ||
                       all.find("not reactive enough") != std::string::npos;
  if ((none && saysReacts) || (!none && saysNot)) return true;
  const std::string text = t.question + " " + t.products + " " + t.ionic;
  for (const char* metal :
       {"iron ", "copper ", "mercury ", "cobalt ", "manganese ", "chromium ",
        "gold ", "tin ", "lead "}) {
    for (std::size_t at = text.find(metal); at != std::string::npos;
         at = text.find(metal, at + 1)) {
      const bool alone = at == 0 || text[at - 1] == ' ';
      if (alone && text.compare(at + std::strlen(metal), 5, "metal") != 0) {
        return true;
      }
    }
  }
  return (all + text).find("sulph") != std::string::npos;
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
    EXPECT_TRUE(all.find(" series (") != std::string::npos ||
                all.find("The activity series") != std::string::npos ||
                all.find("stays dissolved") != std::string::npos ||
                all.find("do not break down") != std::string::npos)
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
      for (const Term& term : *side) EXPECT_FALSE(isFalse(term, type)) << key;
    }
  }
  for (const auto& [asked, start] : neverAsked) {
    EXPECT_FALSE(type == asked && t.question.rfind(start, 0) == 0) << key;
  }
  const std::set<std::string> nitrides = {"Li3N",  "Mg3N2", "Ca3N2",
                                          "Be3N2", "Ba3N2", "AlN"};
  EXPECT_TRUE(type != 5 || t.question.find("nitrogen") == std::string::npos ||
              nitrides.count(e.formula.products[0].formula) == 1)
      << key;
  expectReasonsForEveryDecision(reaction, e);
  EXPECT_FALSE(posesFalsely(type, e.formula)) << key;
  EXPECT_FALSE(contradictsItself(t, reasons(reaction))) << key;
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

}  // namespace
