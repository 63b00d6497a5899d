#include "words.h"

#include <utility>

namespace words {

namespace {

void appendCompound(std::string& text, const Ion& cation, const Ion& anion) {
  appendIonName(text, cation);
  text += ' ';
  text += anion.name;
}

void appendIons(std::string& text, const Ion& i) {
  appendIonName(text, i);
  text += " ions";
}

void appendAcid(std::string& text, const Ion& anion) {
  text += anion.acidname;
  text += " acid";
}

void appendMetal(std::string& text, const Ion& i) {
  text += i.name;
  text += " metal";
}

}  // namespace

std::string compound(const Ion& cation, const Ion& anion) {
  std::string text;
  text.reserve(cation.name.size() + anion.name.size() + 6);
  appendCompound(text, cation, anion);
  return text;
}

std::string ions(const Ion& i) {
  std::string text;
  appendIons(text, i);
  return text;
}

std::string metal(const Ion& i) {
  std::string text;
  appendMetal(text, i);
  return text;
}

std::string acid(const Ion& anion) {
  std::string text;
  appendAcid(text, anion);
  return text;
}

std::string equation(std::string_view reactants, std::string_view products) {
  std::string text;
  text.reserve(reactants.size() + products.size() + 4);
  text += reactants;
  text += " -> ";
  text += products;
  return text;
}

WordSide& WordSide::add(WordTerm::Shape shape, const Ion* first,
                        const Ion* second, std::string_view phrase) {
  terms_.at(size_++) = WordTerm{shape, first, second, phrase};
  return *this;
}

WordSide& WordSide::acid(const Ion& anion) {
  if (isWeakAcid(anion)) return add(WordTerm::Shape::acid, &anion);
  add(WordTerm::Shape::ions, &hydrogenIon());
  return add(WordTerm::Shape::ions, &anion);
}

WordSide& WordSide::compound(const Ion& cation, const Ion& anion) {
  if (isSolubleChar(cation, anion) != soluble || isWeakBase(cation, anion)) {
    return add(WordTerm::Shape::compound, &cation, &anion);
  }
  add(WordTerm::Shape::ions, &cation);
  return add(WordTerm::Shape::ions, &anion);
}

void WordSide::cancelAgainst(WordSide& other) {
  const auto isIons = [](const WordTerm& t) {
    return t.shape == WordTerm::Shape::ions;
  };
  for (std::size_t l = 0; l < size_; ++l) {
    for (std::size_t r = 0; r < other.size_; ++r) {
      const WordTerm& a = terms_[l];
      const WordTerm& b = other.terms_[r];
      if (!cancelled_[l] && !other.cancelled_[r] && isIons(a) && isIons(b) &&
          a.first->name == b.first->name) {
        cancelled_[l] = other.cancelled_[r] = true;
      }
    }
  }
}

std::string WordSide::text() const {
  std::string text;
  text.reserve(96);
  for (std::size_t k = 0; k < size_; ++k) {
    if (cancelled_[k]) continue;
    if (!text.empty()) text += " + ";
    const WordTerm& t = terms_[k];
    switch (t.shape) {
      case WordTerm::Shape::ions:
        appendIons(text, *t.first);
        break;
      case WordTerm::Shape::compound:
        appendCompound(text, *t.first, *t.second);
        break;
      case WordTerm::Shape::acid:
        appendAcid(text, *t.first);
        break;
      case WordTerm::Shape::metal:
        appendMetal(text, *t.first);
        break;
      case WordTerm::Shape::phrase:
        text += t.phrase;
        break;
    }
  }
  return text;
}

std::string netIonic(WordSide reactants, WordSide products) {
  reactants.cancelAgainst(products);
  return equation(reactants.text(), products.text());
}

std::vector<std::string> spectators(WordSide reactants, WordSide products) {
  reactants.cancelAgainst(products);
  std::vector<std::string> names;
  for (std::size_t k = 0; k < reactants.size_; ++k) {
    if (reactants.cancelled_[k])
      names.push_back(ions(*reactants.terms_[k].first));
  }
  return names;
}

void noReaction(QuestionTexts& t, std::string caption) {
  t.qtype = std::move(caption);
  t.products = t.question;
  t.ionic = "NO REACTION";
}

}  // namespace words
