// Typed equations: the verdicts, over tables and over many seeded
// questions.
#include <gtest/gtest.h>

#include <algorithm>
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

struct Expected {
  std::string answer;
  std::string verdict;  // up to "; correct answer is"
};

void expectVerdicts(const AskedEquation& asked,
                    const std::vector<Expected>& table) {
  for (const Expected& v : table) {
    const Verdict marked = markTypedEquation(asked, v.answer);
    EXPECT_EQ(marked.grade == Grade::right, v.verdict == "Correct.")
        << v.answer;
    const std::string tail = v.verdict == "Correct."
                                 ? ""
                                 : "; correct answer is " + ascii(asked.right);
    EXPECT_EQ(verdictText(marked), v.verdict + tail) << v.answer;
  }
}

AskedEquation asFormula(const FormulaEquations& e) {
  return {e.formula, EquationForm::formula};
}
AskedEquation asNetIonic(const FormulaEquations& e) {
  return {e.net ? *e.net : e.formula, EquationForm::netIonic};
}

TEST(TypedEquation, NamesWhatIsWrong) {
  const FormulaEquations zinc = formulaEquations(
      Reaction{2, {{named("nitrate"), named("zinc"), named("carbonate")}, {}}});
  expectVerdicts(
      asFormula(zinc),
      {{"ZnCO3+2HNO3=CO2+H2O+Zn(NO3)2", "Correct."},
       {"2HNO3 + ZnCO3 -> Zn(NO3)2 + H2O",
        "Incorrect; CO2 is missing on the right"},
       {"2HNO3 + ZnCO3 -> Zn(NO3)2 + H2O + CO2 + O2",
        "Incorrect; O2 should not be on the right"},
       {"2HNO3 -> Zn(NO3)2 + H2O + CO2 + ZnCO3",
        "Incorrect; ZnCO3 is missing on the left"},
       {"HNO3 + ZnCO3 -> Zn(NO3)2 + H2O + CO2",
        "Incorrect; H is not balanced (1 on the left, 2 on the right)"},
       {"2hno3 + ZnCO3 -> Zn(NO3)2 + H2O + CO2",
        "Close; check the letter case of hno3"},
       {"2HNO3 + ZnCO3 -> Zn(NO3)2 + H2O + Co2",
        "Close; check the letter case of Co2"},
       {"HNO3 + ZnCO3 + HNO3 -> Zn(NO3)2 + H2O + CO2",
        "Close; write HNO3 once, as 2HNO3"},
       {"4HNO3 + 2ZnCO3 -> 2Zn(NO3)2 + 2H2O + 2CO2",
        "Close; the coefficients can be divided by 2"},
       {"2HNO3 + ZnCO3(aq) -> Zn(NO3)2 + H2O + CO2",
        "Close; ZnCO3 is (s) here"},
       {"no reaction", "Incorrect; this reaction does take place"},
       {"2HNO3 + ZnCO3 -> NR", "Incorrect; this reaction does take place"},
       {"2HNO3 + ZnCO3 -> Zn(NO3)2 + H2O + CO2 \x01 ->",
        "Incorrect; cannot read \"H2O + CO2 ? ->\""},
       {"2HNO3 + ZnCO3 -> Zn(NO3)2 + H₂O + CO₂ ☃",
        "Incorrect; cannot read \"H₂O + CO₂ ☃\""},
       {"2HNO3 + ZnCO3 Zn(NO3)2 + H2O + CO2",
        "Incorrect; the arrow is missing"},
       {"ZnCO3", "Incorrect; the arrow is missing"},
       {"zinc", "Incorrect; cannot read \"zinc\""},
       {"2HNO3 + ZnCO3 —> Zn(NO3)2 + H2O + CO2", "Correct."}});
  expectVerdicts(
      asNetIonic(zinc),
      {{"2H^+ +ZnCO3(s)\xE2\x86\x92Zn^2+(aq)+H2O+CO2", "Correct."},
       {"2H+ + ZnCO3 -> Zn2+ + H2O + CO2 + 2NO3-",
        "Incorrect; NO3- should not be on the right"},
       {"2H+ + ZnCO3 -> Zn + H2O + CO2",
        "Incorrect; Zn2+ is missing on the right"},
       {"2H+ + ZnCO3 -> Zn2+(s) + H2O + CO2",
        "Incorrect; Zn2+ is (aq) here: it dissolves"},
       {"2H+ + ZnCO3 -> Zn2+ + H2O(g) + CO2", "Close; H2O is (l) here"}});
  const FormulaEquations silver = formulaEquations(Reaction{
      6,
      {{named("silver"), named("nitrate"), named("sodium"), named("chloride")},
       {}}});
  expectVerdicts(
      asNetIonic(silver),
      {{"Ag+ + Cl- -> AgCl", "Correct."},
       {"Ag+ + 2Cl- -> AgCl",
        "Incorrect; Cl is not balanced (2 on the left, "
        "1 on the right)"},
       {"Ag2+ + Cl- -> AgCl", "Incorrect; Ag+ is missing on the left"},
       {"Ag+ + Cl- -> AgCl(aq)",
        "Incorrect; AgCl is (s) here: it precipitates"},
       {"Ag+(s) + Cl- -> AgCl(ppt)", "Close; Ag+ is (aq) here"}});
  expectVerdicts(asFormula(silver), {{"AgNO3 + NaCl -> AgCl(aq) + NaNO3",
                                      "Close; AgCl is (s) here"}});
  const FormulaEquations copper = formulaEquations(Reaction{
      7, {{named("copper(II)"), named("silver"), named("nitrate")}, {}}});
  expectVerdicts(asNetIonic(copper),
                 {{"Cu + Ag+ -> Cu2+ + Ag",
                   "Incorrect; the charge is not balanced (+1 on the left, "
                   "+2 on the right)"}});
  const FormulaEquations carbonic = formulaEquations(Reaction{
      2, {{named("carbonate"), named("zinc"), named("carbonate")}, {}}});
  expectVerdicts(asFormula(carbonic),
                 {{"H2CO3 + 2ZnCO3 -> 2ZnCO3 + H2O + CO2",
                   "Close; balanced, but not the smallest set"}});
  // Steam from a combustion may be written as the liquid too.
  expectVerdicts(asFormula(formulaEquations(burning("C2H6"))),
                 {{"2C2H6 + 7O2 -> 4CO2 + 6H2O(l)", "Correct."},
                  {"2C2H6 + 7O2 -> 4CO2 + 6H2O(s)", "Close; H2O is (g) here"}});
  const FormulaEquations none =
      formulaEquations(Reaction{3, {{named("chloride"), named("copper")}, {}}});
  expectVerdicts(
      asFormula(none),
      {{"NR", "Correct."},
       {"HCl(aq) + Cu -> no reaction", "Correct."},
       {"HCl + Cu(aq) -> NR", "Close; Cu is (s) here"},
       {"H+ + Cu -> NR", "Incorrect; HCl is missing on the left"},
       {"2HCl + Cu -> CuCl2 + H2", "Incorrect; nothing reacts here"}});
  // Asked in ions, a no reaction may name a reactant by its ions.
  expectVerdicts(
      asNetIonic(none),
      {{"H+ + Cu -> NR", "Correct."},
       {"H+ + Cl- + Cu -> no reaction", "Correct."},
       {"HCl + Cu -> NR", "Correct."},
       {"Cl- -> NR", "Incorrect; Cu is missing on the left"},
       {"H+ + NO3- + Cu -> NR", "Incorrect; NO3- should not be on the left"},
       {"h+ + Cu -> NR", "Close; check the letter case of h"},
       {"H+(l) + Cu -> NR", "Close; H+ is (aq) here"},
       {"H+ + Cu -> H2 + Cu2+", "Incorrect; nothing reacts here"}});
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

// The right answer with every subscript in Unicode, every charge in braces
// and a Unicode arrow, inside \ce{}.
std::string inUnicode(const Equation& e) {
  const auto side = [](const std::vector<Term>& terms) {
    std::string text;
    for (const Term& t : terms) {
      text += (text.empty() ? "" : " + ") + std::to_string(t.coefficient);
      for (const char c : t.formula) {
        text += c >= '0' && c <= '9' ? std::string("\xE2\x82") +
                                           static_cast<char>(0x80 + c - '0')
                                     : std::string(1, c);
      }
      if (t.charge != 0) text += "^{" + chargeText(t.charge) + "}";
    }
    return text;
  };
  return "\\ce{" + side(e.reactants) + " ⟶ " +
         (e.noReaction ? "NR" : side(e.products)) + "}";
}

TEST(TypedEquation, RightAnswersOfManyQuestions) {
  seedChance(12);
  for (int k = 0; k < 4000; ++k) {
    FormulaEquations all = formulaEquations(drawAnyReaction());
    const bool ionic = k % 2 == 1 && splitsIntoIons(all.formula);
    const AskedEquation asked{
        ionic && all.net ? std::move(*all.net) : std::move(all.formula),
        ionic ? EquationForm::netIonic : EquationForm::formula};
    const Equation& right = asked.right;
    std::vector<std::string> typings = {ascii(right), retyped(right, true, 1),
                                        inUnicode(right)};
    if (ionic && right.noReaction)
      typings.push_back(ascii(completeIonic(right)));
    for (const std::string& typed : typings) {
      const Verdict v = markTypedEquation(asked, typed);
      ASSERT_EQ(v.grade, Grade::right) << typed << "\n" << verdictText(v);
    }
    if (right.noReaction) continue;
    const std::string close =
        verdictText(markTypedEquation(asked, retyped(right, false, 2)));
    ASSERT_EQ(close.substr(0, 44),
              "Close; the coefficients can be divided by 2;")
        << close;
  }
}

// Where a typed equation does not balance, the atoms on each side of it as
// typed, letter case aside; no table for any other verdict.
TEST(TypedEquation, AtomTableWhereItDoesNotBalance) {
  const AskedEquation zinc = asNetIonic(
      formulaEquations(Reaction{3, {{named("chloride"), named("zinc")}, {}}}));
  const struct {
    std::string typed;
    std::vector<std::string> table;
  } rows[] = {
      {"H+ + Zn -> Zn2+ + H2",
       {"Atoms    left  right", "H           1      2   <- differs",
        "Zn          1      1", "charge     +1     +2   <- differs"}},
      {"2h+ + zn -> Zn2+ + 2H2",
       {"Atoms    left  right", "H           2      4   <- differs",
        "Zn          1      1", "charge     +2     +2"}},
      {"2H+ + Zn -> Zn^2+ + H2", {}},
      {"2H+ + Zn -> Zn2+", {}},
  };
  for (const auto& row : rows) {
    const Verdict v = markTypedEquation(zinc, row.typed);
    EXPECT_EQ(atomTable(v), row.table) << row.typed;
    EXPECT_EQ(atomTableHtml(v).empty(), row.table.empty()) << row.typed;
  }
  EXPECT_NE(atomTableHtml(markTypedEquation(zinc, "H+ + Zn -> Zn2+ + H2"))
                .find("<tr class=\"differs\"><th scope=\"row\">H</th><td>1</td>"
                      "<td>2</td>"),
            std::string::npos);
}

}  // namespace
