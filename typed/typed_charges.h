// The charges of typed formulas, in every form the reader takes
// (typed_reader.h lists them).
#ifndef REACTION_DRILL_TYPED_TYPED_CHARGES_H_
#define REACTION_DRILL_TYPED_TYPED_CHARGES_H_

#include <cstddef>

#include "typed_notation.h"
#include "typed_reader.h"

// Reads the charge that may follow `t.formula` right where `line` stands
// into `t.charge`, taking a charge's size from the last `plainDigits` of
// the formula where the sign alone follows it. True with no charge too;
// false for a charge begun and not finished.
bool readCharge(LineCursor& line, TypedTerm& t, std::size_t plainDigits);

// The same after blanks, where a bare sign stands between two terms and
// is left unread.
bool readSpacedCharge(LineCursor& line, TypedTerm& t);

#endif  // REACTION_DRILL_TYPED_TYPED_CHARGES_H_
