// Formula, complete ionic and net ionic equations: worked examples of every
// reaction type, and properties over every question the types can draw.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "catalogue.h"
#include "equation_text.h"
#include "formula_speech.h"
#include "reaction_types.h"

namespace {

using Names = std::vector<std::string>;

// Terms written "MnO4-": the trailing signs are the charge.
std::vector<Term> terms(const Names& written) {
  std::vector<Term> all;
  for (const std::string& w : written) {
    const std::size_t end = w.find_last_not_of("+-") + 1;
    const int size = static_cast<int>(w.size() - end);
    all.push_back({1, w.substr(0, end), w.back() == '-' ? -size : size,
                   State::aqueous, std::nullopt});
  }
  return all;
}

TEST(Balance, FindsTheOneSmallestWholeSetOrSaysWhyNot) {
  const struct {
    Names reactants, products;
    Balance want;
    std::string balanced;
  } cases[] = {
      {{"MnO4-", "Fe++", "H+"},
       {"Mn++", "Fe+++", "H2O"},
       Balance::unique,
       "MnO4-(aq) + 5Fe2+(aq) + 8H+(aq) -> Mn2+(aq) + 5Fe3+(aq) + 4H2O(aq)"},
      {{"K4Fe(CN)6", "KMnO4", "H2SO4"},
       {"KHSO4", "Fe2(SO4)3", "MnSO4", "HNO3", "CO2", "H2O"},
       Balance::unique,
       "10K4Fe(CN)6(aq) + 122KMnO4(aq) + 299H2SO4(aq) -> 162KHSO4(aq) + "
       "5Fe2(SO4)3(aq) + 122MnSO4(aq) + 60HNO3(aq) + 60CO2(aq) + "
       "188H2O(aq)"},
      {{"N2", "NO2"}, {"N2O", "NO3"}, Balance::ambiguous, ""},
      {{"H2O"}, {"H2"}, Balance::none, ""},
      {{"Na"}, {"Na+"}, Balance::none, ""},
      {{"H2", "O2", "H2O2"}, {"H2O", "He"}, Balance::none, ""},
      {{"Mg(OH"}, {"MgO", "H2O"}, Balance::unsupported, ""},
      {{"H99999999999999999999"}, {"H2"}, Balance::unsupported, ""},
  };
  for (const auto& c : cases) {
    Equation e{terms(c.reactants), terms(c.products), false};
    EXPECT_EQ(balance(e), c.want) << ascii(e);
    if (c.want == Balance::unique) {
      EXPECT_EQ(ascii(e), c.balanced);
    }
  }
}

// The equations of a question of `type` whose ions are named in order.
FormulaEquations of(unsigned type, const Names& names) {
  Reaction r{type, {}};
  for (const std::string& name : names) r.reactants.ions.push_back(named(name));
  return formulaEquations(r);
}

std::string written(const std::optional<Equation>& e) {
  return e ? ascii(*e) : "";
}

TEST(FormulaEquations, WorkedExamples) {
  const struct {
    FormulaEquations got;
    std::string formula, complete, net;  // "" for no ionic lines
  } examples[] = {
      {of(1, {"chloride", "sodium", "hydroxide"}),
       "HCl(aq) + NaOH(aq) -> NaCl(aq) + H2O(l)",
       "H+(aq) + Cl-(aq) + Na+(aq) + OH-(aq) -> Na+(aq) + Cl-(aq) + H2O(l)",
       "H+(aq) + OH-(aq) -> H2O(l)"},
      {of(1, {"sulfate", "lead(II)", "oxide"}),
       "H2SO4(aq) + PbO(s) -> PbSO4(s) + H2O(l)",
       "2H+(aq) + SO42-(aq) + PbO(s) -> PbSO4(s) + H2O(l)",
       "2H+(aq) + SO42-(aq) + PbO(s) -> PbSO4(s) + H2O(l)"},
      {of(2, {"nitrate", "zinc", "carbonate"}),
       "2HNO3(aq) + ZnCO3(s) -> Zn(NO3)2(aq) + H2O(l) + CO2(g)",
       "2H+(aq) + 2NO3-(aq) + ZnCO3(s) -> Zn2+(aq) + 2NO3-(aq) + H2O(l) + "
       "CO2(g)",
       "2H+(aq) + ZnCO3(s) -> Zn2+(aq) + H2O(l) + CO2(g)"},
      {of(2, {"chloride", "sodium", "bicarbonate"}),
       "HCl(aq) + NaHCO3(aq) -> NaCl(aq) + H2O(l) + CO2(g)",
       "H+(aq) + Cl-(aq) + Na+(aq) + HCO3-(aq) -> Na+(aq) + Cl-(aq) + H2O(l) + "
       "CO2(g)",
       "H+(aq) + HCO3-(aq) -> H2O(l) + CO2(g)"},
      {of(3, {"chloride", "zinc"}), "2HCl(aq) + Zn(s) -> H2(g) + ZnCl2(aq)",
       "2H+(aq) + 2Cl-(aq) + Zn(s) -> H2(g) + Zn2+(aq) + 2Cl-(aq)",
       "2H+(aq) + Zn(s) -> H2(g) + Zn2+(aq)"},
      // A weak acid stays a molecule: here nothing splits into ions.
      {of(3, {"phosphate", "magnesium"}),
       "2H3PO4(aq) + 3Mg(s) -> 3H2(g) + Mg3(PO4)2(s)", "", ""},
      {of(3, {"chloride", "copper"}), "HCl(aq) + Cu(s) -> no reaction", "", ""},
      {of(3, {"sulfate", "mercury"}), "H2SO4(aq) + Hg(l) -> no reaction", "",
       ""},
      {of(4, {"sodium"}), "2H2O(l) + 2Na(s) -> H2(g) + 2NaOH(aq)",
       "2H2O(l) + 2Na(s) -> H2(g) + 2Na+(aq) + 2OH-(aq)",
       "2H2O(l) + 2Na(s) -> H2(g) + 2Na+(aq) + 2OH-(aq)"},
      {of(4, {"zinc"}), "H2O(l) + Zn(s) -> no reaction", "", ""},
      {of(5, {"sodium", "sulfide"}), "2Na(s) + S(s) -> Na2S(s)", "", ""},
      {of(5, {"magnesium", "phosphide"}), "3Mg(s) + 2P(s) -> Mg3P2(s)", "", ""},
      {of(5, {"iron", "oxide"}), "4Fe(s) + 3O2(g) -> 2Fe2O3(s)", "", ""},
      {of(6, {"lead(II)", "nitrate", "potassium", "iodide"}),
       "Pb(NO3)2(aq) + 2KI(aq) -> PbI2(s) + 2KNO3(aq)",
       "Pb2+(aq) + 2NO3-(aq) + 2K+(aq) + 2I-(aq) -> PbI2(s) + 2K+(aq) + "
       "2NO3-(aq)",
       "Pb2+(aq) + 2I-(aq) -> PbI2(s)"},
      {of(6, {"sodium", "chloride", "potassium", "nitrate"}),
       "NaCl(aq) + KNO3(aq) -> no reaction", "", ""},
      {of(7, {"aluminium", "copper", "sulfate"}),
       "2Al(s) + 3CuSO4(aq) -> 3Cu(s) + Al2(SO4)3(aq)",
       "2Al(s) + 3Cu2+(aq) + 3SO42-(aq) -> 3Cu(s) + 2Al3+(aq) + 3SO42-(aq)",
       "2Al(s) + 3Cu2+(aq) -> 3Cu(s) + 2Al3+(aq)"},
      {of(7, {"copper", "zinc", "sulfate"}), "Cu(s) + ZnSO4(aq) -> no reaction",
       "", ""},
      // Ammonium hydroxide is a weak base: it stays whole.
      {of(6, {"iron(II)", "chloride", "ammonium", "hydroxide"}),
       "FeCl2(aq) + 2NH4OH(aq) -> Fe(OH)2(s) + 2NH4Cl(aq)",
       "Fe2+(aq) + 2Cl-(aq) + 2NH4OH(aq) -> Fe(OH)2(s) + 2NH4+(aq) + "
       "2Cl-(aq)",
       "Fe2+(aq) + 2NH4OH(aq) -> Fe(OH)2(s) + 2NH4+(aq)"},
      {formulaEquations(burning("C2H6O")),
       "C2H6O(l) + 3O2(g) -> 2CO2(g) + 3H2O(g)", "", ""},
  };
  for (const auto& e : examples) {
    EXPECT_EQ(ascii(e.got.formula), e.formula);
    EXPECT_EQ(written(e.got.complete), e.complete) << e.formula;
    EXPECT_EQ(written(e.got.net), e.net) << e.formula;
  }
}

void expectLowestWholeBalance(const Equation& e) {
  EXPECT_TRUE(isBalanced(e)) << ascii(e);
  int common = 0;
  for (const auto* side : {&e.reactants, &e.products}) {
    for (const Term& t : *side) {
      EXPECT_GE(t.coefficient, 1) << ascii(e);
      common = std::gcd(common, t.coefficient);
    }
  }
  EXPECT_EQ(common, 1) << ascii(e);
}

// Every line conserves atoms and charge in lowest whole terms, the net line
// keeps no spectator, and the balancer finds no other answer.
void expectSound(const FormulaEquations& got) {
  const std::string line = ascii(got.formula);
  EXPECT_EQ(got.complete.has_value(), got.net.has_value()) << line;
  if (got.formula.noReaction) {
    EXPECT_FALSE(got.complete) << line;
    return;
  }
  Equation again = got.formula;
  for (auto* side : {&again.reactants, &again.products}) {
    for (Term& t : *side) t.coefficient = 1;
  }
  ASSERT_EQ(balance(again), Balance::unique) << line;
  EXPECT_EQ(ascii(again), line);
  expectLowestWholeBalance(got.formula);
  if (!got.net) return;
  expectLowestWholeBalance(*got.complete);
  expectLowestWholeBalance(*got.net);
  for (const Term& r : got.net->reactants) {
    for (const Term& p : got.net->products) {
      EXPECT_FALSE(r.formula == p.formula && r.charge == p.charge &&
                   r.state == p.state)
          << ascii(*got.net);
    }
  }
}

// "2C2H4O + 5O2 -> 4CO2 + 4H2O" from the same line with its states.
std::string withoutStates(std::string line) {
  for (std::size_t open; (open = line.find('(')) != std::string::npos;) {
    line.erase(open, line.find(')', open) - open + 1);
  }
  return line;
}

// Every question of every type is sound; the metal + nonmetal question names
// its element in the state the equation gives it ("bromine liquid" is
// Br2(l)), and the combustion answer is its formula equation.
TEST(FormulaEquations, EveryQuestionEachTypeCanDrawIsSound) {
  for (unsigned type = 1; type <= reactionTypes; ++type) {
    reactionType(type).everyDraw([type](const Reactants& r) {
      const Reaction reaction{type, r};
      const FormulaEquations got = formulaEquations(reaction);
      expectSound(got);
      const std::string question = compose(reaction).question;
      if (type == 5) {
        const char state = question[question.rfind(' ') + 1];
        const std::string& element = got.formula.reactants[1].formula;
        EXPECT_NE(ascii(got.formula).find(element + "(" + state + ")"),
                  std::string::npos);
      }
      if (type == 8) {
        EXPECT_EQ(withoutStates(ascii(got.formula)), compose(reaction).ionic);
      }
    });
  }
}

// A formula read out: what a screen reader says must never be another's.
TEST(FormulaSpeech, ReadsEachSymbolCountChargeAndState) {
  const struct {
    Term term;
    std::string spoken;
  } cases[] = {
      {{1, "SO4", -2, State::aqueous, {}}, "S O 4, 2 minus, aqueous"},
      {{2, "N", -3, State::solid, {}}, "2 N, 3 minus, solid"},
      {{1, "N3", -1, State::aqueous, {}}, "N 3, minus, aqueous"},
      {{3, "Al2(SO4)3", 0, State::solid, {}},
       "3 Al 2 open bracket S O 4 close bracket 3, solid"},
      {{1, "C12H22O11", 0, State::liquid, {}}, "C 12 H 22 O 11, liquid"},
      {{1, "Co", 2, State::gas, {}}, "Co, 2 plus, gas"},
      {{1, "CO", 0, State::gas, {}}, "C O, gas"},
  };
  for (const auto& c : cases) EXPECT_EQ(spokenTerm(c.term, true), c.spoken);
  EXPECT_EQ(spokenTerm({2, "N", -3, State::solid, {}}, false), "2 N, 3 minus");
}

TEST(FormulaSpeech, NoTwoIonsOfTheCatalogueSoundAlike) {
  std::map<std::string, std::string> heard;
  for (const Ion& i : catalogue()) {
    const std::string formula = i.makeFormula();
    const auto [at, fresh] =
        heard.emplace(spokenFormula(i.formula, signedCharge(i)), formula);
    EXPECT_TRUE(fresh || at->second == formula) << formula << " " << at->first;
  }
}

}  // namespace
