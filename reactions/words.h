// The phrases of word equations that several reaction types write: a
// compound is cation name, blank, anion name; dissolved ions are a name
// followed by " ions"; terms are joined by " + " and the two sides by
// " -> ".
#ifndef REACTION_DRILL_REACTIONS_WORDS_H_
#define REACTION_DRILL_REACTIONS_WORDS_H_

#include <string>
#include <string_view>

#include "ion.h"
#include "reaction_types.h"

namespace words {

// The terms of one side of a word equation, joined by " + ".
class Side {
 public:
  Side& add(std::string_view term) {
    if (!text_.empty()) text_ += " + ";
    text_ += term;
    return *this;
  }
  [[nodiscard]] const std::string& text() const { return text_; }

 private:
  std::string text_;
};

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
