#include "neutralisation.h"

#include <utility>

#include "reasons.h"
#include "words.h"

namespace {

words::WordSide reactantsOf(const Reactants& r) {
  return words::WordSide().acid(r.ions[0]).compound(r.ions[1], r.ions[2]);
}

words::WordSide productsOf(const Reactants& r, std::string_view rest) {
  return words::WordSide().compound(r.ions[1], r.ions[0]).phrase(rest);
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
  t.ionic = netIonic(reactantsOf(r), productsOf(r, rest));
  return t;
}

std::vector<std::string> neutralisationReasons(const Reactants& r,
                                               std::string_view rest) {
  const Ion& an = r.ions[0];
  const Ion& rp = r.ions[1];
  const Ion& rn = r.ions[2];
  std::vector<std::string> lines;
  if (isWeakAcid(an)) lines.push_back(weakAcidReason(an));
  why::addWeakBase(lines, rp, rn);
  for (const Ion* anion : {&rn, &an}) {
    if (isSolubleChar(rp, *anion) != soluble) {
      lines.push_back(why::solubility(rp, *anion));
    }
  }
  why::addSpectators(lines, reactantsOf(r), productsOf(r, rest));
  lines.push_back(formulaReason(rp, an));
  return lines;
}
