// Equations as a matrix of whole numbers, one row per element and one for
// the charge, read from the terms' formulas: what balancing works on.
// Internal to the reactions library.
#ifndef REACTION_DRILL_EQUATIONS_EQUATION_MATRIX_H_
#define REACTION_DRILL_EQUATIONS_EQUATION_MATRIX_H_

#include <array>
#include <cstddef>
#include <cstdint>

#include "equation.h"

namespace equation_detail {

// Fixed sizes keep balancing free of allocation. The drill's largest
// equation has five terms and five elements.
constexpr std::size_t maxTerms = 12;
constexpr std::size_t maxRows = 12;  // the charge, then up to 11 elements

// Matrix entries and coefficients are kept at most this large, so that the
// products and sums of elimination stay well inside 64 bits.
constexpr std::int64_t largest = std::int64_t{1} << 28;

using Row = std::array<std::int64_t, maxTerms>;

// One row per element and one for the charge, one column per term; a
// reactant counts positive and a product negative, so the coefficients
// balance the equation exactly when the matrix maps them to zero.
struct Matrix {
  std::array<Row, maxRows> rows{};
  std::array<int, maxRows> elements{};  // row 0 is the charge
  std::size_t height = 1;
  std::size_t width = 0;
};

// The matrix of `e`; false when a formula cannot be read or the equation is
// too large.
bool buildMatrix(const Equation& e, Matrix& m);

}  // namespace equation_detail

#endif  // REACTION_DRILL_EQUATIONS_EQUATION_MATRIX_H_
