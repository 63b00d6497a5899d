// Typed equations and formulas: the notation read, over tables.
#include "typed_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue.h"
#include "typed_forms.h"

namespace {

// The terms as read, in a form that shows every reading: "2HCl^0(aq)".
std::string shown(const std::vector<TypedTerm>& side) {
  std::string text;
  for (const TypedTerm& t : side) {
    if (!text.empty()) text += " + ";
    if (t.coefficient != 1) text += std::to_string(t.coefficient);
    text += t.formula + "^" + std::to_string(t.charge);
    if (t.state) text += "(" + std::to_string(static_cast<int>(*t.state)) + ")";
  }
  return text;
}

std::string readBack(const std::string& line) {
  TypedEquation e;
  std::size_t at = 0;
  if (!readTypedEquation(line, e, at))
    return "unreadable at " + std::to_string(at);
  if (e.noReaction) return shown(e.left) + " -> NR";
  return shown(e.left) + " -> " + shown(e.right);
}

TEST(TypedEquation, ReadsEveryNotation) {
  const std::vector<std::pair<std::string, std::string>> table = {
      {"2H2O+2Na->H2+2NaOH", "2H2O^0 + 2Na^0 -> H2^0 + 2NaOH^0"},
      {"Na+ + Cl- -> NaCl", "Na^1 + Cl^-1 -> NaCl^0"},
      // Electrons, in each way a half-equation writes them.
      {"Cu2+ + 2e- -> Cu", "Cu^2 + 2e^-1 -> Cu^0"},
      {"2Cl- -> Cl2 + 2e^- + e⁻", "2Cl^-1 -> Cl2^0 + 2e^-1 + e^-1"},
      {"Na++Cl- ->NaCl", "Na^1 + Cl^-1 -> NaCl^0"},
      {" 2 HCl(AQ)+Zn(s)  =>H2(g) + ZnCl2(aq) ",
       "2HCl^0(3) + Zn^0(0) -> H2^0(2) + ZnCl2^0(3)"},
      {"Zn^2+ + H^+ = X", "Zn^2 + H^1 -> X^0"},
      {"Ba(OH)2(s) → Ba2+(aq) + 2OH-(l)",
       "Ba(OH)2^0(0) -> Ba^2(3) + 2OH^-1(1)"},
      // Digits before a charge are read as the catalogue's ion, and as
      // subscripts of any other species.
      {"CO32- + SO42- + PO43- -> N3- + NO3- + Fe3+ + Hg2+",
       "CO3^-2 + SO4^-2 + PO4^-3 -> N^-3 + NO3^-1 + Fe^3 + Hg^2"},
      {"MnO4- + ClO4- + NO2- + HSO4- -> C6H6+ + co32- + Xy2+ + Fe03+",
       "MnO4^-1 + ClO4^-1 + NO2^-1 + HSO4^-1 -> C6H6^1 + co3^-2 + Xy2^1 + "
       "Fe03^1"},
      {"MnO4^2- + SO₄2- + SO_4- -> O2-", "MnO4^-2 + SO4^-2 + SO4^-1 -> O^-2"},
      {"H₂O + SO₄²⁻ + Fe³⁺ + H⁺ + Fe³+ + Fe⁺³ + Cl− + Cl– ⟶ X",
       "H2O^0 + SO4^-2 + Fe^3 + H^1 + Fe^3 + Fe^3 + Cl^-1 + Cl^-1 -> X^0"},
      {"Cu^{2+} + SO4^{2-} + Fe{3+} + Fe^+3 + Fe^3+ + Na^{+} -> Cl^{-}",
       "Cu^2 + SO4^-2 + Fe^3 + Fe^3 + Fe^3 + Na^1 -> Cl^-1"},
      // Sign first only where the term ends after the digits.
      {"Fe+3(aq) + Fe+3 + Zn-2 -> Fe+3", "Fe^3(3) + Fe^3 + Zn^-2 -> Fe^3"},
      {"2Fe+3Cl2 ⇒ 2Fe+3 Cl2", "2Fe^0 + 3Cl2^0 -> 2Fe^0 + 3Cl2^0"},
      {"O_2 + H_2O + P_2O_5 ➝ H_{2}O + C_{12}H_{22}O_{11}",
       "O2^0 + H2O^0 + P2O5^0 -> H2O^0 + C12H22O11^0"},
      {"O2-->H2O", "O2^0 -> H2O^0"},
      {"Na++Cl-->NaCl", "Na^1 + Cl^0 -> NaCl^0"},
      {"A==>B", "A^0 -> B^0"},
      {"A <-> B", "A^0 -> B^0"},
      {"Cl-<=>B", "Cl^-1 -> B^0"},
      {"A ⇌ B", "A^0 -> B^0"},
      {"Cl-—>B + A", "Cl^-1 -> B^0 + A^0"},
      {"A –> C", "A^0 -> C^0"},
      {"H2O (l) + SO4 2- + Fe ³⁺ -> SO4 2-(aq) + Fe ^3+ (aq)",
       "H2O^0(1) + SO4^-2 + Fe^3 -> SO4^-2(3) + Fe^3(3)"},
      {"BaSO4(PPT) + AgCl↓ -> CO2↑ + CO2 ↑",
       "BaSO4^0(0) + AgCl^0(0) -> "
       "CO2^0(2) + CO2^0(2)"},
      {"\\ce{2H2 + O2 -> 2H2O}", "2H2^0 + O2^0 -> 2H2O^0"},
      {" \\ce{ Cu^{2+} + Zn -> NR } ", "Cu^2 + Zn^0 -> NR"},
      {"NR", " -> NR"},
      {"  no   Reaction ", " -> NR"},
      {"HCl + Cu -> NO REACTION", "HCl^0 + Cu^0 -> NR"},
      {"HCl + -> H2", "unreadable at 6"},
      {"HCl -> H2 -> H2", "unreadable at 10"},
      {"HCl", "unreadable at 3"},
      {"", "unreadable at 0"},
      {"0H2 -> H2", "unreadable at 1"},
      {"Cl^0- -> Cl", "unreadable at 4"},
      {"Fe^{3+ -> Fe", "unreadable at 6"},
      {"Fe^300+ -> Fe", "unreadable at 5"},
      {"(aq) -> H2", "unreadable at 0"},
      {"HCl - Zn -> H2", "unreadable at 4"},
      {"Ba(OH2 -> X", "unreadable at 6"},
      {"Ba(OH)2) -> X", "unreadable at 7"},
      {"H_ -> H", "unreadable at 2"},
      {"H₂O ☃ -> X", "unreadable at 6"},
      {"SO4 2 -> X", "unreadable at 4"},
      {"\\ce{H2 -> H2", "unreadable at 12"},
  };
  for (const auto& [line, expected] : table) {
    EXPECT_EQ(readBack(line), expected) << line;
  }
}

// A single formula in any notation is the formula as the quiz writes it.
TEST(TypedEquation, ReadsSingleFormulas) {
  const std::vector<std::pair<std::string, std::string>> table = {
      {" Al3+ ", "Al3+"}, {"Fe^3+", "Fe3+"},
      {"Fe³⁺", "Fe3+"},   {"Fe+3", "Fe3+"},
      {"fe{3+}", "fe3+"}, {"SO4^{2-}", "SO42-"},
      {"Na^+ ", "Na+"},   {"Al₂(SO₄)₃", "Al2(SO4)3"},
      {"2Na+", "2Na+"},   {" Fe3+(aq)", "Fe3+(aq)"},
  };
  for (const auto& [answer, plain] : table) {
    EXPECT_EQ(plainFormula(answer), plain) << answer;
  }
}

// Every notation written for a formula of the catalogue, an ion or a
// compound of two, reads as that formula: eight for a charge of more than
// 1, five for one of 1, two with digits and no charge.
TEST(TypedForms, ReadAsTheFormulaTheyWrite) {
  std::vector<std::string> formulas;
  for (const Ion& i : catalogue()) {
    formulas.push_back(i.makeFormula());
    for (const Ion& j : catalogue()) {
      if (!i.isAnion() && j.isAnion()) formulas.push_back(makeFormula(i, j));
    }
  }
  for (const std::string& formula : formulas) {
    TypedTerm t;
    ASSERT_TRUE(readTypedFormula(formula, t)) << formula;
    const std::size_t size =
        t.charge < -1 || t.charge > 1                              ? 8
        : t.charge != 0                                            ? 5
        : formula.find_first_of("0123456789") != std::string::npos ? 2
                                                                   : 1;
    const std::vector<std::string> forms = typedForms(formula);
    EXPECT_EQ(forms.size(), size) << formula;
    for (const std::string& form : forms) {
      EXPECT_EQ(plainFormula(form), formula) << form;
    }
  }
}

}  // namespace
