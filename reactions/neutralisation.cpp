#include "neutralisation.h"

#include <utility>

#include "words.h"

QuestionTexts neutralisationTexts(const Reactants& r, std::string caption,
                                  std::string_view rest) {
  const Ion& an = r.ions[0];
  const Ion& rp = r.ions[1];
  const Ion& rn = r.ions[2];
  QuestionTexts t;
  t.qtype = std::move(caption);
  t.question = words::acid(an) + " + " + words::compound(rp, rn);
  t.products = words::compound(rp, an) + " + " + std::string(rest);
  t.ionic = netIonic(words::WordSide().acid(an).compound(rp, rn),
                     words::WordSide().compound(rp, an).phrase(rest));
  return t;
}
