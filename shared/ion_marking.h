// Marking typed answers: a formula, a compound formula, or whether a
// compound dissolves. Each check gives its verdict as data (verdict.h);
// the stream forms write it as one line and return true only for an answer
// that is fully right.
#ifndef REACTION_DRILL_SHARED_ION_MARKING_H_
#define REACTION_DRILL_SHARED_ION_MARKING_H_

#include <iostream>
#include <string>
#include <string_view>
#include <utility>

#include "equation_html.h"
#include "ion_catalogue.h"
#include "ion_formulas.h"
#include "ion_solubility.h"
#include "verdict.h"

// The formula of `i` with its charge, in both forms: "SO42-".
inline Rich richFormula(const Ion& i) {
  return {i.makeFormula(), htmlFormula(i.formula, signedCharge(i))};
}

// The formula of the compound of `rp` and `rn`, in both forms.
inline Rich richFormula(const Ion& rp, const Ion& rn) {
  const std::string formula = makeFormula(rp, rn);
  return {formula, htmlFormula(formula)};
}

namespace ion_detail {

// Exact is right; right apart from letter case is close; anything else is
// wrong. Blanks count: an answer with a trailing blank is wrong.
inline Verdict markFormula(Rich expected, std::string_view input) {
  Finding f;
  if (input != expected.text) {
    f.what = ucase(input) == ucase(expected.text) ? Finding::What::letterCase
                                                  : Finding::What::wrongFormula;
  }
  return judge(std::move(f), std::move(expected));
}

// Writes `v` as one line to `out`; returns whether it is right.
inline bool written(const Verdict& v, std::ostream& out) {
  out << verdictText(v) << '\n';
  return v.grade == Grade::right;
}

}  // namespace ion_detail

// Marks `input` as the formula of `i` with its charge.
inline Verdict markIonFormula(const Ion& i, std::string_view input) {
  return ion_detail::markFormula(richFormula(i), input);
}

// Marks `input` as the formula of the compound of `rp` and `rn`.
inline Verdict markCompoundFormula(const Ion& rp, const Ion& rn,
                                   std::string_view input) {
  return ion_detail::markFormula(richFormula(rp, rn), input);
}

// The marks above written as a line, for the tests and the fuzzer, which
// read marking as text; the quizzes keep their verdicts as data.
inline bool Ion::getResponse(std::string_view input, std::ostream& out) const {
  return ion_detail::written(markIonFormula(*this, input), out);
}

inline bool getResponse(const Ion& rp, const Ion& rn, std::string_view input,
                        std::ostream& out = std::cout) {
  return ion_detail::written(markCompoundFormula(rp, rn, input), out);
}

// "soluble" for 'Y' or 'y', "insoluble" for 'N' or 'n', otherwise
// "<an error occurred>".
inline std::string isSolubleWord(char src) {
  switch (ucase(src)) {
    case soluble:
      return "soluble";
    case insoluble:
      return "insoluble";
    default:
      return "<an error occurred>";
  }
}

// Marks `input` as whether the compound of `rp` and `rn` dissolves: only its
// first letter counts, y or n in either case.
inline Verdict markSolubility(const Ion& rp, const Ion& rn,
                              std::string_view input) {
  const char charnswer = isSolubleChar(rp, rn);
  // A pair the rules cannot tell has no right answer.
  const bool right = charnswer != noRule && !input.empty() &&
                     ucase(input.front()) == ucase(charnswer);
  Finding f;
  if (!right) {
    f.what = Finding::What::solubility;
    f.term.formula = makeFormula(rp, rn);
  }
  return judge(std::move(f), richText(isSolubleWord(charnswer)));
}

inline bool getSolResponse(const Ion& rp, const Ion& rn, std::string_view input,
                           std::ostream& out = std::cout) {
  return ion_detail::written(markSolubility(rp, rn, input), out);
}

#endif  // REACTION_DRILL_SHARED_ION_MARKING_H_
