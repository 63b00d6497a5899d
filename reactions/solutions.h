// The salt solutions that types 6 and 7 draw.
#ifndef REACTION_DRILL_REACTIONS_SOLUTIONS_H_
#define REACTION_DRILL_REACTIONS_SOLUTIONS_H_

#include "ion.h"

// Whether the salt of `cation` and `anion` is drawn as a solution: any that
// is not insoluble, so a pair the rules cannot tell passes.
inline bool isDrawnDissolved(const Ion& cation, const Ion& anion) {
  return isSolubleChar(cation, anion) != insoluble;
}

#endif  // REACTION_DRILL_REACTIONS_SOLUTIONS_H_
