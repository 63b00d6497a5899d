// Marking typed answers: a formula, a compound formula, or whether a
// compound dissolves. Each check writes exactly one verdict line and
// returns true only for an answer that is fully right.
#ifndef REACTION_DRILL_SHARED_ION_MARKING_H_
#define REACTION_DRILL_SHARED_ION_MARKING_H_

#include <iostream>
#include <string>
#include <string_view>

#include "ion_catalogue.h"
#include "ion_formulas.h"
#include "ion_solubility.h"

namespace ion_detail {

// Exact is right; right apart from letter case is close; anything else is
// wrong. Blanks count: an answer with a trailing blank is wrong.
inline bool markFormula(const std::string& expected, std::string_view input,
                        std::ostream& out) {
  if (input == expected) {
    out << "Correct.\n";
    return true;
  }
  if (ucase(input) == ucase(expected)) {
    out << "Close; correct answer is " << expected << '\n';
  } else {
    out << "Incorrect; correct answer is " << expected << '\n';
  }
  return false;
}

}  // namespace ion_detail

inline bool Ion::getResponse(std::string_view input, std::ostream& out) const {
  return ion_detail::markFormula(makeFormula(), input, out);
}

// Marks `input` as the formula of the compound of `rp` and `rn`.
inline bool getResponse(const Ion& rp, const Ion& rn, std::string_view input,
                        std::ostream& out = std::cout) {
  return ion_detail::markFormula(makeFormula(rp, rn), input, out);
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
inline bool getSolResponse(const Ion& rp, const Ion& rn, std::string_view input,
                           std::ostream& out = std::cout) {
  const char charnswer = isSolubleChar(rp, rn);
  // A pair the rules cannot tell has no right answer.
  const bool right = charnswer != noRule && !input.empty() &&
                     ucase(input.front()) == ucase(charnswer);
  if (right) {
    out << "Correct.\n";
    return true;
  }
  out << "Incorrect; " << makeFormula(rp, rn) << " is "
      << isSolubleWord(charnswer) << '\n';
  return false;
}

#endif  // REACTION_DRILL_SHARED_ION_MARKING_H_
