// The salt solutions that the reaction types draw.
#ifndef REACTION_DRILL_REACTIONS_SOLUTIONS_H_
#define REACTION_DRILL_REACTIONS_SOLUTIONS_H_

#include "ion.h"

// Whether the salt of `cation` and `anion` is drawn as a solution: any that
// is not insoluble, so a pair the rules cannot tell passes.
inline bool isDrawnDissolved(const Ion& cation, const Ion& anion) {
  return isSolubleChar(cation, anion) != insoluble;
}

// Whether the salt of `cation` and `anion` exists and the rules say it
// dissolves.
inline bool isKnownSolution(const Ion& cation, const Ion& anion) {
  return compoundExists(cation, anion) &&
         isSolubleChar(cation, anion) == soluble;
}

#endif  // REACTION_DRILL_REACTIONS_SOLUTIONS_H_
