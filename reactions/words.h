// The phrases of word equations that several reaction types write: a
// compound is cation name, blank, anion name; dissolved ions are a name
// followed by " ions"; terms are joined by " + " and the two sides by
// " -> ".
#ifndef REACTION_DRILL_REACTIONS_WORDS_H_
#define REACTION_DRILL_REACTIONS_WORDS_H_

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "ion.h"
#include "reaction_types.h"

namespace words {

// One term of a word equation, written out only once it is known to stay:
// the ions of one ion ("sodium ions"), a compound, an acid, a metal or a
// fixed phrase. The same dissolved ions on both sides are spectators.
struct WordTerm {
  enum class Shape { ions, compound, acid, metal, phrase };
  Shape shape = Shape::phrase;
  const Ion* first = nullptr;   // the ion, the cation, the acid's anion or
                                // the metal
  const Ion* second = nullptr;  // a compound's anion
  std::string_view phrase;      // a fixed phrase: "water + carbon dioxide"
};

// The terms of one side of a word equation, before its spectators leave.
// The ions named must outlive it.
class WordSide {
 public:
  // An acid: a strong one as hydrogen ions and its anion's ions, a weak one
  // whole.
  WordSide& acid(const Ion& anion);
  // A compound: its ions where it dissolves into them, else the compound
  // whole, as the weak base is.
  WordSide& compound(const Ion& cation, const Ion& anion);
  WordSide& metal(const Ion& i) { return add(WordTerm::Shape::metal, &i); }
  WordSide& phrase(std::string_view text) {
    return add(WordTerm::Shape::phrase, nullptr, nullptr, text);
  }

  // The word equation of `reactants` and `products` without its spectators,
  // each cancelled once against its twin on the other side.
  friend std::string netIonic(WordSide reactants, WordSide products);
  // The spectators that netIonic leaves out: "sodium ions".
  friend std::vector<std::string> spectators(WordSide reactants,
                                             WordSide products);

 private:
  WordSide& add(WordTerm::Shape shape, const Ion* first,
                const Ion* second = nullptr, std::string_view phrase = {});
  void cancelAgainst(WordSide& other);
  [[nodiscard]] std::string text() const;

  // No word equation has more than five terms a side.
  std::array<WordTerm, 6> terms_{};
  std::array<bool, 6> cancelled_{};
  std::size_t size_ = 0;
};

std::string netIonic(WordSide reactants, WordSide products);
std::vector<std::string> spectators(WordSide reactants, WordSide products);

// "sodium chloride".
std::string compound(const Ion& cation, const Ion& anion);
// "sodium ions".
std::string ions(const Ion& i);
// "zinc metal".
std::string metal(const Ion& i);
// "hydrochloric acid".
std::string acid(const Ion& anion);
// "reactants -> products".
std::string equation(std::string_view reactants, std::string_view products);

// A reaction that does not take place: the caption says why and the
// reactants stay as they were.
void noReaction(QuestionTexts& t, std::string caption);

}  // namespace words

#endif  // REACTION_DRILL_REACTIONS_WORDS_H_
