#include "equation.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <numeric>
#include <string_view>
#include <utility>

namespace {

// Fixed sizes keep balancing free of allocation. The drill's largest
// equation has five terms and five elements.
constexpr std::size_t maxTerms = 12;
constexpr std::size_t maxRows = 12;  // the charge, then up to 11 elements

// The free coefficients of an equation with more than one independent
// solution are searched up to this sum, and at most this many sets of them;
// the drill's equations need a handful.
constexpr std::int64_t maxFreeSum = 64;
constexpr std::int64_t maxCandidates = 100000;

// Matrix entries and coefficients are kept at most this large, so that the
// products and sums of elimination stay well inside 64 bits.
constexpr std::int64_t largest = std::int64_t{1} << 28;

// Rows are brought to lowest terms only once an entry passes this, which
// spares the divisions while the numbers are small.
constexpr std::int64_t reduceAbove = std::int64_t{1} << 12;

using Row = std::array<std::int64_t, maxTerms>;
using Coefficients = std::array<std::int64_t, maxTerms>;

// One row per element and one for the charge, one column per term; a
// reactant counts positive and a product negative, so the coefficients
// balance the equation exactly when the matrix maps them to zero.
struct Matrix {
  std::array<Row, maxRows> rows{};
  std::array<int, maxRows> elements{};  // row 0 is the charge
  std::size_t height = 1;
  std::size_t width = 0;
};

bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool isLower(char c) { return c >= 'a' && c <= 'z'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

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
    if (!addAtoms(m, t.formula, sign, m.width++)) return false;
  }
  return true;
}

// False when a formula cannot be read or the equation is too large.
bool buildMatrix(const Equation& e, Matrix& m) {
  return addTerms(m, e.reactants, 1) && addTerms(m, e.products, -1);
}

// The largest magnitude among the first `width` entries.
std::int64_t magnitude(const Row& row, std::size_t width) {
  std::int64_t size = 0;
  for (std::size_t c = 0; c < width; ++c) {
    size = std::max(size, row[c] < 0 ? -row[c] : row[c]);
  }
  return size;
}

// Brings a row whose entries have grown to lowest terms; false if they stay
// too large to eliminate with.
bool keepSmall(Row& row, std::size_t width) {
  if (magnitude(row, width) <= reduceAbove) return true;
  std::int64_t g = 0;
  for (std::size_t c = 0; c < width; ++c) g = std::gcd(g, row[c]);
  for (std::size_t c = 0; c < width; ++c) row[c] /= g;
  return magnitude(row, width) <= largest;
}

// The reduced row echelon form, in whole numbers: each pivot is the only
// non-zero entry of its column.
struct Echelon {
  std::array<std::size_t, maxRows> pivotColumn{};
  std::size_t rank = 0;
  std::array<std::size_t, maxTerms> freeColumns{};
  std::size_t freeCount = 0;
  bool fits = true;  // false once an entry grew too large
};

// Clears column `col` in every row but the pivot row `p`; false if an entry
// grows too large.
bool eliminate(Matrix& m, std::size_t p, std::size_t col) {
  const Row& pivot = m.rows[p];
  bool fits = true;
  for (std::size_t r = 0; r < m.height; ++r) {
    const std::int64_t factor = m.rows[r][col];
    if (r == p || factor == 0) continue;
    for (std::size_t c = 0; c < m.width; ++c) {
      m.rows[r][c] = m.rows[r][c] * pivot[col] - pivot[c] * factor;
    }
    fits = keepSmall(m.rows[r], m.width) && fits;
  }
  return fits;
}

// Reduces `m` in place.
Echelon reduce(Matrix& m) {
  Echelon e;
  for (std::size_t col = 0; col < m.width; ++col) {
    std::size_t r = e.rank;
    while (r < m.height && m.rows[r][col] == 0) ++r;
    if (r == m.height) {
      e.freeColumns[e.freeCount++] = col;
      continue;
    }
    std::swap(m.rows[r], m.rows[e.rank]);
    e.fits = eliminate(m, e.rank, col) && e.fits;
    e.pivotColumn[e.rank++] = col;
  }
  return e;
}

// Completes `x` from the values of its free columns; false unless every
// coefficient comes out whole and at least 1.
bool solvePivots(const Matrix& m, const Echelon& e, Coefficients& x) {
  for (std::size_t p = 0; p < e.rank; ++p) {
    std::int64_t sum = 0;
    for (std::size_t k = 0; k < e.freeCount; ++k) {
      sum -= m.rows[p][e.freeColumns[k]] * x[e.freeColumns[k]];
    }
    const std::int64_t pivot = m.rows[p][e.pivotColumn[p]];
    if (sum % pivot != 0 || sum / pivot < 1) return false;
    x[e.pivotColumn[p]] = sum / pivot;
  }
  return true;
}

// One solution only: the free coefficient is the smallest that makes every
// other one whole, if all come out positive.
Balance solveSingle(const Matrix& m, const Echelon& e, Coefficients& x) {
  std::int64_t smallest = 1;
  for (std::size_t p = 0; p < e.rank; ++p) {
    const std::int64_t pivot = m.rows[p][e.pivotColumn[p]];
    const std::int64_t rest = m.rows[p][e.freeColumns[0]];
    smallest = std::lcm(smallest, pivot / std::gcd(pivot, rest));
  }
  if (smallest > largest) return Balance::unsupported;
  x[e.freeColumns[0]] = smallest;
  return solvePivots(m, e, x) ? Balance::unique : Balance::none;
}

// The first values of `free` columns summing to `sum`, each at least 1.
void firstComposition(Coefficients& free, std::size_t count, std::int64_t sum) {
  std::fill_n(free.begin(), count, 1);
  free[count - 1] = sum - static_cast<std::int64_t>(count - 1);
}

// The next values with the same sum, each at least 1; false after the last.
bool nextComposition(Coefficients& free, std::size_t count) {
  std::int64_t returned = 0;
  for (std::size_t i = count - 1; i-- > 0;) {
    const std::int64_t last = free[count - 1] - 1 + returned;
    if (last >= 1) {
      ++free[i];
      std::fill(free.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                free.begin() + static_cast<std::ptrdiff_t>(count) - 1, 1);
      free[count - 1] = last;
      return true;
    }
    returned += free[i] - 1;
  }
  return false;
}

// Tries one set of free coefficients against the best found so far.
struct Search {
  Coefficients best{};
  std::int64_t bestSum = std::numeric_limits<std::int64_t>::max();
  int ties = 0;
  std::int64_t tried = 0;

  [[nodiscard]] bool found() const {
    return bestSum != std::numeric_limits<std::int64_t>::max();
  }

  void tryFree(const Matrix& m, const Echelon& e, const Coefficients& free) {
    ++tried;
    Coefficients x{};
    for (std::size_t k = 0; k < e.freeCount; ++k) {
      x[e.freeColumns[k]] = free[k];
    }
    if (!solvePivots(m, e, x)) return;
    const std::int64_t sum = std::accumulate(x.begin(), x.end(), 0LL);
    if (sum == bestSum) ++ties;
    if (sum < bestSum) {
      best = x;
      bestSum = sum;
      ties = 0;
    }
  }
};

// Several independent solutions: the free coefficients are tried in order
// of their sum until no later set can beat the best, since every pivot
// coefficient adds at least 1.
Balance searchSmallest(const Matrix& m, const Echelon& e, Coefficients& x) {
  Search search;
  const auto count = static_cast<std::int64_t>(e.freeCount);
  const auto pivots = static_cast<std::int64_t>(e.rank);
  std::int64_t s = count;
  for (; s <= maxFreeSum && s + pivots <= search.bestSum; ++s) {
    Coefficients free{};
    firstComposition(free, e.freeCount, s);
    do {
      search.tryFree(m, e, free);
    } while (search.tried < maxCandidates &&
             nextComposition(free, e.freeCount));
    if (search.tried == maxCandidates) return Balance::unsupported;
  }
  if (!search.found()) return Balance::none;
  // The bound cut the search short of showing nothing smaller exists.
  if (s + pivots <= search.bestSum) return Balance::unsupported;
  x = search.best;
  return search.ties > 0 ? Balance::ambiguous : Balance::unique;
}

void writeCoefficients(Equation& e, const Coefficients& x) {
  std::size_t column = 0;
  for (Term& t : e.reactants) t.coefficient = static_cast<int>(x[column++]);
  for (Term& t : e.products) t.coefficient = static_cast<int>(x[column++]);
}

bool sameSpecies(const Term& a, const Term& b) {
  return a.charge == b.charge && a.state == b.state && a.formula == b.formula;
}

bool dissolves(const Term& t) {
  return t.state == State::aqueous && t.ions.has_value();
}

// Adds `t` to `side`, or its coefficient to the same species already there.
void addMerged(std::vector<Term>& side, Term t) {
  for (Term& present : side) {
    if (sameSpecies(present, t)) {
      present.coefficient += t.coefficient;
      return;
    }
  }
  side.push_back(std::move(t));
}

std::vector<Term> splitSide(const std::vector<Term>& side) {
  std::vector<Term> split;
  split.reserve(2 * side.size());
  for (const Term& t : side) {
    if (!dissolves(t)) {
      addMerged(split, t);
      continue;
    }
    for (const Constituent& c : *t.ions) {
      addMerged(split, Term{t.coefficient * c.count, c.formula, c.charge,
                            State::aqueous, std::nullopt});
    }
  }
  return split;
}

// What is left of side[i] once the same species on the two sides have
// cancelled pairwise in order, each time by the smaller coefficient: the
// other side's total, less what the same species earlier on this side took.
int uncancelled(const std::vector<Term>& side, std::size_t i,
                const std::vector<Term>& other) {
  int taken = 0;
  for (std::size_t j = 0; j < i; ++j) {
    if (sameSpecies(side[j], side[i])) taken += side[j].coefficient;
  }
  int across = 0;
  for (const Term& t : other) {
    if (sameSpecies(t, side[i])) across += t.coefficient;
  }
  return side[i].coefficient -
         std::clamp(across - taken, 0, side[i].coefficient);
}

// The terms of `side` with what is left of them after cancelling.
std::vector<Term> keptAfterCancelling(const std::vector<Term>& side,
                                      const std::vector<Term>& other) {
  std::vector<Term> kept;
  kept.reserve(side.size());
  for (std::size_t i = 0; i < side.size(); ++i) {
    const int left = uncancelled(side, i, other);
    if (left == 0) continue;
    kept.push_back(side[i]);
    kept.back().coefficient = left;
  }
  return kept;
}

void divideByCommonFactor(Equation& e) {
  int g = 0;
  for (const Term& t : e.reactants) g = std::gcd(g, t.coefficient);
  for (const Term& t : e.products) g = std::gcd(g, t.coefficient);
  if (g <= 1) return;
  for (Term& t : e.reactants) t.coefficient /= g;
  for (Term& t : e.products) t.coefficient /= g;
}

// Collects a line in a buffer on the stack and makes one string of it at
// the end: many small appends to a string cost more than the line itself.
class LineWriter {
 public:
  void put(std::string_view text) {
    if (used_ + text.size() > buffer_.size()) spill();
    if (text.size() > buffer_.size()) {
      line_ += text;
      return;
    }
    std::copy(text.begin(), text.end(), buffer_.begin() + used_);
    used_ += text.size();
  }
  void put(int n) {
    std::array<char, 12> digits{};
    const char* end =
        std::to_chars(digits.data(), digits.data() + digits.size(), n).ptr;
    put(std::string_view(digits.data(),
                         static_cast<std::size_t>(end - digits.data())));
  }
  std::string finish() {
    spill();
    return std::move(line_);
  }

 private:
  void spill() {
    line_.append(buffer_.data(), used_);
    used_ = 0;
  }
  std::array<char, 160> buffer_{};
  std::size_t used_ = 0;
  std::string line_;
};

void putTerm(LineWriter& out, const Term& t, bool withCoefficient) {
  if (withCoefficient && t.coefficient != 1) out.put(t.coefficient);
  out.put(t.formula);
  const int size = std::abs(t.charge);
  if (size > 1) out.put(size);
  if (t.charge != 0) out.put(t.charge < 0 ? "-" : "+");
  out.put(stateSymbol(t.state));
}

void putSide(LineWriter& out, const std::vector<Term>& side,
             bool withCoefficients) {
  for (std::size_t k = 0; k < side.size(); ++k) {
    if (k > 0) out.put(" + ");
    putTerm(out, side[k], withCoefficients);
  }
}

}  // namespace

std::string_view stateSymbol(State s) {
  switch (s) {
    case State::solid:
      return "(s)";
    case State::liquid:
      return "(l)";
    case State::gas:
      return "(g)";
    case State::aqueous:
      break;
  }
  return "(aq)";
}

Balance balance(Equation& e) {
  Matrix m;
  if (!buildMatrix(e, m)) return Balance::unsupported;
  const Echelon echelon = reduce(m);
  if (!echelon.fits) return Balance::unsupported;
  if (echelon.freeCount == 0) return Balance::none;
  Coefficients x{};
  const Balance found = echelon.freeCount == 1 ? solveSingle(m, echelon, x)
                                               : searchSmallest(m, echelon, x);
  if (found != Balance::unique && found != Balance::ambiguous) return found;
  if (magnitude(x, m.width) > largest) return Balance::unsupported;
  writeCoefficients(e, x);
  return found;
}

bool isBalanced(const Equation& e) {
  Matrix m;
  if (!buildMatrix(e, m)) return false;
  Coefficients x{};
  for (std::size_t c = 0; c < e.reactants.size(); ++c) {
    x[c] = e.reactants[c].coefficient;
  }
  for (std::size_t c = 0; c < e.products.size(); ++c) {
    x[e.reactants.size() + c] = e.products[c].coefficient;
  }
  return std::all_of(m.rows.begin(), m.rows.end(), [&](const Row& row) {
    return std::inner_product(row.begin(), row.end(), x.begin(), 0LL) == 0;
  });
}

std::vector<Tally> tallies(const Equation& e) {
  Matrix m;
  if (!buildMatrix(e, m)) return {};
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

bool splitsIntoIons(const Equation& formula) {
  return std::any_of(formula.reactants.begin(), formula.reactants.end(),
                     dissolves) ||
         std::any_of(formula.products.begin(), formula.products.end(),
                     dissolves);
}

Equation completeIonic(const Equation& formula) {
  return Equation{splitSide(formula.reactants), splitSide(formula.products),
                  formula.noReaction};
}

Equation netIonic(const Equation& complete) {
  Equation net{keptAfterCancelling(complete.reactants, complete.products),
               keptAfterCancelling(complete.products, complete.reactants),
               complete.noReaction};
  divideByCommonFactor(net);
  return net;
}

std::string ascii(const Equation& e) {
  LineWriter out;
  putSide(out, e.reactants, !e.noReaction);
  out.put(" -> ");
  if (e.noReaction) {
    out.put("no reaction");
  } else {
    putSide(out, e.products, true);
  }
  return out.finish();
}
