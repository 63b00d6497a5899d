// The reasons behind an answer, one short sentence per decision, written
// from the same rules that made the decision, so that an answer and its
// reason can never disagree.
#ifndef REACTION_DRILL_REACTIONS_REASONS_H_
#define REACTION_DRILL_REACTIONS_REASONS_H_

#include <string>
#include <string_view>
#include <vector>

#include "ion.h"
#include "words.h"

namespace why {

// Whether the compound dissolves, and the rule that says so: "silver
// chloride is solid. Chlorides and bromides dissolve, except those of silver
// and lead."
std::string solubility(const Ion& cation, const Ion& anion);

// The spectators of a word equation, if it has any: "sodium ions and
// nitrate ions are spectators: dissolved on both sides, unchanged."
void addSpectators(std::vector<std::string>& reasons,
                   const words::WordSide& reactants,
                   const words::WordSide& products);

// Where `metal` stands against `other` in the activity series, and so what
// happens: "zinc is above hydrogen in the activity series, so it displaces
// hydrogen from the acid."
std::string activity(const Ion& metal, std::string_view other, bool above,
                     std::string_view soWhat);

// "ammonium hydroxide is a weak base: it stays a molecule in water.", where
// the compound of `cation` and `anion` is the weak base.
void addWeakBase(std::vector<std::string>& reasons, const Ion& cation,
                 const Ion& anion);

// "The activity series: K Na Li Mg Al Zn Fe Sn Pb (H) Cu Hg Ag Au."
std::string series();

}  // namespace why

#endif  // REACTION_DRILL_REACTIONS_REASONS_H_
