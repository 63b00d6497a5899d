#include "neutralisation.h"

#include <utility>

#include "words.h"

namespace {

// The net ionic equation in words. What dissolves is written as ions and
// spectators are left out; what does not dissolve is written whole.
std::string ionicWords(const Ion& an, const Ion& rp, const Ion& rn,
                       std::string_view rest) {
  const bool saltsol = isSolubleChar(rp, an) == soluble;
  const bool basesol = isSolubleChar(rp, rn) == soluble;
  words::Side reactants;
  reactants.add("hydrogen ions");
  if (!saltsol) reactants.add(words::ions(an));
  if (basesol) {
    if (!saltsol) reactants.add(words::ions(rp));
    reactants.add(words::ions(rn));
  } else {
    reactants.add(words::compound(rp, rn));
  }
  words::Side formed;
  if (!saltsol) {
    formed.add(words::compound(rp, an));
  } else if (!basesol) {
    formed.add(words::ions(rp));
  }
  formed.add(rest);
  return words::equation(reactants.text(), formed.text());
}

}  // namespace

QuestionTexts neutralisationTexts(const Reactants& r, std::string caption,
                                  std::string_view rest) {
  const Ion& an = r.ions[0];
  const Ion& rp = r.ions[1];
  const Ion& rn = r.ions[2];
  QuestionTexts t;
  t.qtype = std::move(caption);
  t.question = words::acid(an) + " + " + words::compound(rp, rn);
  t.products = words::compound(rp, an) + " + " + std::string(rest);
  t.ionic = ionicWords(an, rp, rn, rest);
  return t;
}
