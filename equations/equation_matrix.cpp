#include "equation_matrix.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "text.h"

namespace equation_detail {

namespace {

// The count written at `at`, which moves past it; none written means 1. A
// count past `largest` reads as largest + 1, which no caller accepts.
std::int64_t readCount(std::string_view f, std::size_t& at) {
  if (at >= f.size() || !isDigit(f[at])) return 1;
  std::int64_t n = 0;
  while (at < f.size() && isDigit(f[at])) {
    n = std::min(n * 10 + (f[at++] - '0'), largest + 1);
  }
  return n;
}

// The row of an element, added if new; maxRows if the matrix is full.
std::size_t rowOf(Matrix& m, int element) {
  for (std::size_t r = 1; r < m.height; ++r) {
    if (m.elements[r] == element) return r;
  }
  if (m.height == maxRows) return maxRows;
  m.elements[m.height] = element;
  return m.height++;
}

// The position of the bracket closing the one at `open`, or npos.
std::size_t closingBracket(std::string_view f, std::size_t open) {
  int depth = 0;
  for (std::size_t at = open; at < f.size(); ++at) {
    if (f[at] == '(') ++depth;
    if (f[at] == ')' && --depth == 0) return at;
  }
  return std::string_view::npos;
}

bool addAtoms(Matrix& m, std::string_view f, std::int64_t times,
              std::size_t column);

// Adds the bracketed group at `at` and its count; moves `at` past both.
bool addGroup(Matrix& m, std::string_view f, std::size_t& at,
              std::int64_t times, std::size_t column) {
  const std::size_t close = closingBracket(f, at);
  if (close == std::string_view::npos) return false;
  const std::string_view inside = f.substr(at + 1, close - at - 1);
  at = close + 1;
  const std::int64_t count = times * readCount(f, at);
  return std::abs(count) <= largest && addAtoms(m, inside, count, column);
}

// Adds the element symbol at `at` and its count; moves `at` past both.
bool addElement(Matrix& m, std::string_view f, std::size_t& at,
                std::int64_t times, std::size_t column) {
  int element = f[at++] * 128;
  if (at < f.size() && isLower(f[at])) element += f[at++];
  const std::size_t row = rowOf(m, element);
  if (row == maxRows) return false;
  std::int64_t& entry = m.rows[row][column];
  entry += times * readCount(f, at);
  return entry >= -largest && entry <= largest;
}

// Adds `times` the atoms of the charge-less formula `f` to `column`: an
// element is an upper-case letter and an optional lower-case one, and
// brackets may nest. False for anything else.
bool addAtoms(Matrix& m, std::string_view f, std::int64_t times,
              std::size_t column) {
  std::size_t at = 0;
  bool read = true;
  while (read && at < f.size()) {
    if (f[at] == '(') {
      read = addGroup(m, f, at, times, column);
    } else {
      read = isUpper(f[at]) && addElement(m, f, at, times, column);
    }
  }
  return read;
}

bool addTerms(Matrix& m, const std::vector<Term>& side, std::int64_t sign) {
  for (const Term& t : side) {
    if (m.width == maxTerms) return false;
    m.rows[0][m.width] = sign * t.charge;
    const bool atoms = isElectron(t) || addAtoms(m, t.formula, sign, m.width);
    ++m.width;
    if (!atoms) return false;
  }
  return true;
}

}  // namespace

bool buildMatrix(const Equation& e, Matrix& m) {
  return addTerms(m, e.reactants, 1) && addTerms(m, e.products, -1);
}

}  // namespace equation_detail

// The tallies are the matrix's rows, read back with the coefficients.
std::vector<Tally> tallies(const Equation& e) {
  equation_detail::Matrix m;
  if (!equation_detail::buildMatrix(e, m)) return {};
  std::vector<Tally> all;
  for (std::size_t r = 1; r <= m.height; ++r) {
    const std::size_t row = r % m.height;  // the charge, row 0, comes last
    Tally t;
    if (row != 0) {
      t.element = static_cast<char>(m.elements[row] / 128);
      if (m.elements[row] % 128 != 0)
        t.element += static_cast<char>(m.elements[row] % 128);
    }
    for (std::size_t c = 0; c < e.reactants.size(); ++c) {
      t.left += m.rows[row][c] * e.reactants[c].coefficient;
    }
    for (std::size_t c = 0; c < e.products.size(); ++c) {
      t.right -=
          m.rows[row][e.reactants.size() + c] * e.products[c].coefficient;
    }
    all.push_back(t);
  }
  return all;
}
