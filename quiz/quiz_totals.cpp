#include "quiz_totals.h"

namespace {

std::uint32_t sum(const GradeCounts& counts) {
  return counts[0] + counts[1] + counts[2];
}

TotalsRow rowOf(std::string_view name, const GradeCounts& counts) {
  TotalsRow row{name, counts, {}};
  const std::uint64_t all = sum(counts);
  // Rounded half up, in whole numbers.
  for (std::size_t g = 0; g < counts.size() && all > 0; ++g) {
    const std::uint64_t n = counts[g];
    row.percents[g] = static_cast<std::uint32_t>((200 * n + all) / (2 * all));
  }
  return row;
}

}  // namespace

void QuizTotals::add(unsigned type, std::uint64_t number, Grade grade) {
  GradeCounts one{};
  one[static_cast<std::size_t>(grade)] = 1;
  addCounts(type, one);
  if (grade != Grade::right && missed_.size() < maxPicked &&
      number <= maxQuestionNumber) {
    missed_.push_back(static_cast<std::uint32_t>(number));
  }
}

void QuizTotals::addCounts(unsigned type, const GradeCounts& counts) {
  for (std::size_t g = 0; g < counts.size(); ++g) {
    byType_[type][g] += counts[g];
    byType_[0][g] += counts[g];
  }
}

std::uint32_t QuizTotals::answered() const { return sum(byType_[0]); }

std::vector<TotalsRow> QuizTotals::rows() const {
  std::vector<TotalsRow> rows = {rowOf("All types", byType_[0])};
  const std::vector<std::string_view> names = questionTypeMenu();
  for (unsigned type = 1; type <= questionTypes; ++type) {
    if (sum(byType_[type]) > 0)
      rows.push_back(rowOf(names[type], byType_[type]));
  }
  if (rows.size() == 2) rows.pop_back();
  return rows;
}

std::string totalsLine(const TotalsRow& row) {
  const auto share = [&row](std::size_t g) {
    return std::to_string(row.counts[g]) + " (" +
           std::to_string(row.percents[g]) + "%)";
  };
  return std::string(row.name) + ": right " + std::to_string(row.counts[0]) +
         " of " + std::to_string(sum(row.counts)) + " (" +
         std::to_string(row.percents[0]) + "%), close " + share(1) +
         ", wrong " + share(2);
}

std::string practiseCommand(std::uint64_t seed, unsigned choice,
                            const QuestionNumbers& missed) {
  return "formula-quiz --seed " + std::to_string(seed) + " --type " +
         std::to_string(choice) + " --questions " + questionNumbersText(missed);
}

std::vector<std::string> endLines(const QuizTotals& totals, std::uint64_t seed,
                                  unsigned choice) {
  const std::vector<TotalsRow> rows = totals.rows();
  if (sum(rows.front().counts) == 0) return {};
  std::vector<std::string> lines;
  lines.reserve(rows.size() + 1);
  for (const TotalsRow& row : rows) {
    lines.push_back((lines.empty() ? "" : "  ") + totalsLine(row));
  }
  if (!totals.missed().empty()) {
    lines.push_back("Practise these again: " +
                    practiseCommand(seed, choice, totals.missed()));
  }
  return lines;
}
