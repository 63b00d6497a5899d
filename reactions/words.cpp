#include "words.h"

#include <utility>

namespace words {

std::string compound(const Ion& cation, const Ion& anion) {
  return cation.name + " " + anion.name;
}

std::string ions(const Ion& i) { return i.name + " ions"; }

std::string metal(const Ion& i) { return i.name + " metal"; }

std::string acid(const Ion& anion) { return anion.acidname + " acid"; }

std::string equation(std::string_view reactants, std::string_view products) {
  std::string text;
  text.reserve(reactants.size() + products.size() + 4);
  text += reactants;
  text += " -> ";
  text += products;
  return text;
}

void noReaction(QuestionTexts& t, std::string caption) {
  t.qtype = std::move(caption);
  t.products = t.question;
  t.ionic = "NO REACTION";
}

}  // namespace words
