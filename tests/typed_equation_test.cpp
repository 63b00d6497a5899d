// Typed equations: the notation read, and the verdicts, over tables and over
// many seeded questions.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue.h"
#include "chance.h"
#include "equation_marking.h"
#include "equation_question.h"
#include "equation_text.h"
#include "reaction_types.h"
#include "typed_reader.h"

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
  initIons();
  const std::vector<std::pair<std::string, std::string>> table = {
      {"2H2O+2Na->H2+2NaOH", "2H2O^0 + 2Na^0 -> H2^0 + 2NaOH^0"},
      {"Na+ + Cl- -> NaCl", "Na^1 + Cl^-1 -> NaCl^0"},
      {"Na++Cl-->NaCl", "Na^1 + Cl^-1 -> NaCl^0"},
      {" 2 HCl(AQ)+Zn(s)  =>H2(g) + ZnCl2(aq) ",
       "2HCl^0(3) + Zn^0(0) -> H2^0(2) + ZnCl2^0(3)"},
      {"Zn^2+ + H^+ = X", "Zn^2 + H^1 -> X^0"},
      {"Ba(OH)2(s) \xE2\x86\x92 Ba2+(aq) + 2OH-(l)",
       "Ba(OH)2^0(0) -> Ba^2(3) + 2OH^-1(1)"},
      // Digits before a charge are read as the catalogue's ion.
      {"CO32- + SO42- + PO43- -> N3- + NO3- + Fe3+ + Hg2+",
       "CO3^-2 + SO4^-2 + PO4^-3 -> N^-3 + NO3^-1 + Fe^3 + Hg^2"},
      {"co32- -> Xy2+", "co3^-2 -> Xy^2"},
      {"NR", " -> NR"},
      {"  no   Reaction ", " -> NR"},
      {"HCl + Cu -> NO REACTION", "HCl^0 + Cu^0 -> NR"},
      {"Zn+2 -> Zn", "unreadable at 5"},
      {"HCl + -> H2", "unreadable at 6"},
      {"HCl -> H2 -> H2", "unreadable at 10"},
      {"HCl", "unreadable at 3"},
      {"", "unreadable at 0"},
      {"0H2 -> H2", "unreadable at 1"},
      {"Cl^0- -> Cl", "unreadable at 4"},
      {"(aq) -> H2", "unreadable at 0"},
      {"HCl - Zn -> H2", "unreadable at 4"},
  };
  for (const auto& [line, expected] : table) {
    EXPECT_EQ(readBack(line), expected) << line;
  }
}

struct Verdict {
  std::string answer;
  std::string verdict;  // up to "; correct answer is"
};

void expectVerdicts(const Equation& right, const std::vector<Verdict>& table) {
  for (const Verdict& v : table) {
    std::ostringstream out;
    EXPECT_EQ(markTypedEquation(right, v.answer, out), v.verdict == "Correct.")
        << v.answer;
    const std::string tail = v.verdict == "Correct."
                                 ? "\n"
                                 : "; correct answer is " + ascii(right) + "\n";
    EXPECT_EQ(out.str(), v.verdict + tail) << v.answer;
  }
}

TEST(TypedEquation, NamesWhatIsWrong) {
  initIons();
  const FormulaEquations zinc = formulaEquations(
      Reaction{2, {{named("nitrate"), named("zinc"), named("carbonate")}, {}}});
  expectVerdicts(
      zinc.formula,
      {{"ZnCO3+2HNO3=CO2+H2O+Zn(NO3)2", "Correct."},
       {"2HNO3 + ZnCO3 -> Zn(NO3)2 + H2O", "Incorrect; CO2 is missing"},
       {"2HNO3 + ZnCO3 -> Zn(NO3)2 + H2O + CO2 + O2",
        "Incorrect; O2 should not be there"},
       {"Zn(NO3)2 + H2O + CO2 -> 2HNO3 + ZnCO3", "Incorrect; HNO3 is missing"},
       {"HNO3 + ZnCO3 -> Zn(NO3)2 + H2O + CO2",
        "Incorrect; H is not balanced (1 on the left, 2 on the right)"},
       {"2hno3 + ZnCO3 -> Zn(NO3)2 + H2O + CO2",
        "Close; check the letter case of hno3"},
       {"4HNO3 + 2ZnCO3 -> 2Zn(NO3)2 + 2H2O + 2CO2",
        "Close; the coefficients can be divided by 2"},
       {"2HNO3 + ZnCO3(aq) -> Zn(NO3)2 + H2O + CO2",
        "Close; ZnCO3 is (s) here"},
       {"no reaction", "Incorrect; Zn(NO3)2 is missing"},
       {"2HNO3 + ZnCO3 -> Zn(NO3)2 + H2O + CO2 \x01 ->",
        "Incorrect; cannot read \"H2O + CO2 ? ->\""}});
  expectVerdicts(
      *zinc.net,
      {{"2H^+ +ZnCO3(s)\xE2\x86\x92Zn^2+(aq)+H2O+CO2", "Correct."},
       {"2H+ + ZnCO3 -> Zn2+ + H2O + CO2 + 2NO3-",
        "Incorrect; NO3- should not be there"},
       {"2H+ + ZnCO3 -> Zn + H2O + CO2", "Incorrect; Zn2+ is missing"},
       {"2H+ + ZnCO3 -> Zn3+ + H2O + CO2", "Incorrect; Zn2+ is missing"}});
  const FormulaEquations silver = formulaEquations(Reaction{
      6,
      {{named("silver"), named("nitrate"), named("sodium"), named("chloride")},
       {}}});
  expectVerdicts(*silver.net,
                 {{"Ag+ + Cl- -> AgCl", "Correct."},
                  {"Ag+ + 2Cl- -> AgCl",
                   "Incorrect; Cl is not balanced (2 on the left, "
                   "1 on the right)"},
                  {"Ag2+ + Cl- -> AgCl", "Incorrect; Ag+ is missing"}});
  const FormulaEquations carbonic = formulaEquations(Reaction{
      2, {{named("carbonate"), named("zinc"), named("carbonate")}, {}}});
  expectVerdicts(carbonic.formula,
                 {{"H2CO3 + 2ZnCO3 -> 2ZnCO3 + H2O + CO2",
                   "Close; balanced, but not the smallest set"}});
  // Steam from a combustion may be written as the liquid too.
  expectVerdicts(formulaEquations(Reaction{8, {{}, {2, 0, 6}}}).formula,
                 {{"2C2H6 + 7O2 -> 4CO2 + 6H2O(l)", "Correct."},
                  {"2C2H6 + 7O2 -> 4CO2 + 6H2O(s)", "Close; H2O is (g) here"}});
  const FormulaEquations none =
      formulaEquations(Reaction{3, {{named("chloride"), named("copper")}, {}}});
  expectVerdicts(none.formula, {{"NR", "Correct."},
                                {"HCl(aq) + Cu -> no reaction", "Correct."},
                                {"HCl + Cu(aq) -> NR", "Close; Cu is (s) here"},
                                {"2HCl + Cu -> CuCl2 + H2",
                                 "Incorrect; CuCl2 should not be there"}});
}

// The right answer without its states and with each side reversed, or with
// every coefficient multiplied by `factor`.
std::string retyped(const Equation& e, bool reversed, int factor) {
  const auto side = [&](std::vector<Term> terms) {
    if (reversed) std::reverse(terms.begin(), terms.end());
    std::string text;
    for (const Term& t : terms) {
      Term bare = t;
      bare.coefficient *= factor;
      const std::string one = ascii(Equation{{bare}, {}, false});
      text += (text.empty() ? "" : " + ") + one.substr(0, one.rfind('('));
    }
    return text;
  };
  return side(e.reactants) + " -> " +
         (e.noReaction ? "no reaction" : side(e.products));
}

TEST(TypedEquation, RightAnswersOfManyQuestions) {
  initIons();
  seedChance(12);
  for (int k = 0; k < 4000; ++k) {
    FormulaEquations all = formulaEquations(drawAnyReaction());
    const Equation right =
        k % 2 == 1 && all.net ? std::move(*all.net) : std::move(all.formula);
    std::ostringstream out;
    ASSERT_TRUE(markTypedEquation(right, ascii(right), out)) << out.str();
    ASSERT_TRUE(markTypedEquation(right, retyped(right, true, 1), out))
        << retyped(right, true, 1) << "\n"
        << out.str();
    if (right.noReaction) continue;
    out.str("");
    markTypedEquation(right, retyped(right, false, 2), out);
    ASSERT_EQ(out.str().substr(0, 44),
              "Close; the coefficients can be divided by 2;")
        << out.str();
  }
}

}  // namespace
