// Balancing: exact whole-number elimination on the matrix of an equation,
// then the smallest set of coefficients, each at least 1.
//
// The method, in one pass. Each column of the matrix is a term and each
// row an element or the charge, so the coefficients that balance are the
// whole-number vectors the matrix maps to zero. Elimination (reduce) brings
// the matrix to reduced row echelon form: every pivot column's coefficient
// is then fixed by the free columns' ones (solvePivots). With one free
// column, as in every reaction the drill poses, the smallest whole solution
// is the free coefficient that makes every pivot whole (solveSingle). With
// more, the free coefficients are tried in order of their sum, smallest
// first (firstComposition, nextComposition), keeping the set whose whole
// sum is least; the search stops once no larger free sum can beat it, since
// each pivot adds at least 1 (searchSmallest). Numbers are kept below
// `largest`, so no product overflows.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <numeric>
#include <utility>

#include "equation.h"
#include "equation_matrix.h"

namespace {

using namespace equation_detail;

// The free coefficients of an equation with more than one independent
// solution are searched up to this sum, and at most this many sets of them;
// the drill's equations need a handful.
constexpr std::int64_t maxFreeSum = 64;
constexpr std::int64_t maxCandidates = 100000;

// Rows are brought to lowest terms only once an entry passes this, which
// spares the divisions while the numbers are small.
constexpr std::int64_t reduceAbove = std::int64_t{1} << 12;

using Coefficients = std::array<std::int64_t, maxTerms>;

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

}  // namespace

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
