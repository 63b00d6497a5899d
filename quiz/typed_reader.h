// Equations as students type them, read into terms. Accepted notation:
//   arrows        ->  =>  =  →
//   coefficients  2HCl or 2 HCl
//   charges       Zn2+, Zn^2+, Cl-, H^+ (never sign first: Zn+2)
//   states        (s) (l) (g) (aq), in any letter case, right after
//   no reaction   "no reaction" or "NR", alone or after the reactants
// A + or - right after a formula or its charge digits is a charge sign when
// the end, a blank, "(", another sign or the arrow follows it, and between
// terms otherwise: "Na++Cl-->NaCl" and "2H2O+2Na->H2+2NaOH" read as meant.
// Digits before a charge sign that could be read two ways ("CO32-") are
// read as the catalogue's ion, or H+.
#ifndef REACTION_DRILL_QUIZ_TYPED_READER_H_
#define REACTION_DRILL_QUIZ_TYPED_READER_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "equation.h"

struct TypedTerm {
  int coefficient = 1;  // 1 where none is written, at most 999999
  std::string formula;  // as typed, without the charge
  int charge = 0;
  std::optional<State> state;  // none where none is written
  std::string written;         // formula and charge as typed: "Zn^2+"
};

struct TypedEquation {
  std::vector<TypedTerm> left;
  std::vector<TypedTerm> right;
  bool noReaction = false;
};

// Reads `line` into `typed`. Returns false when it cannot be read, with
// `failedAt` at the byte where reading stopped.
// REQUIRES: the ion catalogue is filled (initIons), for reading charges.
bool readTypedEquation(std::string_view line, TypedEquation& typed,
                       std::size_t& failedAt);

#endif  // REACTION_DRILL_QUIZ_TYPED_READER_H_
