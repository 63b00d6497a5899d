// typed/: equations and formulas as students type them, read into terms. It
// includes shared/, equations/ and base/.
//
// Equations as students type them, read into terms. Accepted notation:
//   arrows        ->  -->  =>  ==>  =  →  ⟶  ⇒  ➝, —> and –> (a phone's
//                 "-->" and "->"), and the two-way <-> <=> ⇌ (the drill's
//                 reactions go one way, and no verdict depends on it); the
//                 longest arrow wins: "O2-->" is O2
//   coefficients  2HCl or 2 HCl
//   subscripts    H2O, H₂O, H_2O, H_{2}O
//   charges       Zn2+, Zn^2+, Zn^{2+}, Zn{2+}, Zn^+2, Zn²⁺, Cl-, Cl−, H^+;
//                 Zn+2 where the term ends after the digits; SO4 2- with a
//                 blank, where nothing else can be meant
//   states        (s) (l) (g) (aq) (ppt), in any letter case, or a trailing
//                 ↓ for (s) and ↑ for (g), after the formula or the charge,
//                 with or without blanks
//   electrons     e-, e^-, e⁻, with a coefficient: 2e-
//   no reaction   "no reaction" or "NR", alone or after the reactants
//   \ce{...}      around the whole equation, as LaTeX writes it, dropped
// A + or - right after a formula or its charge digits is a charge sign when
// the end, a blank, "(", another sign or an arrow follows it, and between
// terms otherwise: "Na++Cl- ->NaCl" and "2H2O+2Na->H2+2NaOH" read as meant.
// Plain digits right before such a sign are read as the catalogue's ion
// where one reading is one ("CO32-" is carbonate, "Fe3+" iron(III)), and as
// subscripts with a charge of 1 otherwise ("MnO4-"); a larger charge of such
// a species needs ^ or braces. A formula's brackets must close.
#ifndef REACTION_DRILL_TYPED_TYPED_READER_H_
#define REACTION_DRILL_TYPED_TYPED_READER_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "equation.h"

struct TypedTerm {
  int coefficient = 1;  // 1 where none is written, at most 999999
  std::string formula;  // without the charge, in ASCII: "H₂O" is "H2O"
  int charge = 0;
  std::optional<State> state;  // none where none is written
  std::string written;         // formula and charge as typed: "Zn^2+"
};

struct TypedEquation {
  std::vector<TypedTerm> left;
  std::vector<TypedTerm> right;
  bool noReaction = false;
};

// Reads `line` into `typed` in one pass, looking ahead by a few characters
// and over blanks only. Returns false when it cannot be read, with
// `failedAt` at the byte where reading stopped.
bool readTypedEquation(std::string_view line, TypedEquation& typed,
                       std::size_t& failedAt);

// Reads `answer` into `t` where it is one formula, with or without a charge
// in any notation above, blanks around it aside; false otherwise.
bool readTypedFormula(std::string_view answer, TypedTerm& t);
// Reads `text`, one term with its coefficient, charge and state in any
// notation above and blanks around it, into `t`; false for anything else.
bool readTypedTerm(std::string_view text, TypedTerm& t);

// Whether `line`, which readTypedEquation cannot read, is an equation but
// for its arrow: its terms read, on one side or on two with only blanks
// between them.
bool lacksOnlyAnArrow(std::string_view line);

// `answer` as the quiz writes a formula ("Fe3+", "Al2(SO4)3"), letter case
// as typed, where it is one formula with or without a charge in any
// notation above, blanks around it aside; otherwise `answer` without the
// blanks around it.
std::string plainFormula(std::string_view answer);

#endif  // REACTION_DRILL_TYPED_TYPED_READER_H_
