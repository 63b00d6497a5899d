// The atoms on each side of an equation that does not balance, for the
// student to find where it fails.
#include <algorithm>
#include <string_view>

#include "rich.h"
#include "verdict.h"

namespace {

constexpr std::string_view chargeRow = "charge";

std::string nameOf(const Tally& t) {
  return t.element.empty() ? std::string(chargeRow) : t.element;
}

// A charge with its sign, as the verdict writes it; a count as it is.
std::string number(const Tally& t, std::int64_t n) {
  return t.element.empty() ? signedNumber(n) : std::to_string(n);
}

std::string padded(std::string_view text, std::size_t width, bool right) {
  const std::string blanks(width > text.size() ? width - text.size() : 0, ' ');
  return right ? blanks + std::string(text) : std::string(text) + blanks;
}

// The width of each column: the longest name, or each side's longest
// number, and the blanks between.
struct Widths {
  std::size_t name = 6;
  std::size_t left = 4;
  std::size_t right = 5;
};

Widths widthsOf(const std::vector<Tally>& rows) {
  Widths w;
  for (const Tally& t : rows) {
    w.name = std::max(w.name, nameOf(t).size());
    w.left = std::max(w.left, number(t, t.left).size());
    w.right = std::max(w.right, number(t, t.right).size());
  }
  return {w.name + 1, w.left + 2, w.right + 2};
}

bool unbalanced(const Verdict& v) {
  return v.finding.what == Finding::What::elementUnbalanced ||
         v.finding.what == Finding::What::chargeUnbalanced;
}

}  // namespace

std::vector<std::string> atomTable(const Verdict& v) {
  if (!unbalanced(v)) return {};
  const std::vector<Tally>& rows = v.finding.atoms;
  const Widths w = widthsOf(rows);
  std::vector<std::string> lines = {padded("Atoms", w.name, false) +
                                    padded("left", w.left, true) +
                                    padded("right", w.right, true)};
  for (const Tally& t : rows) {
    lines.push_back(padded(nameOf(t), w.name, false) +
                    padded(number(t, t.left), w.left, true) +
                    padded(number(t, t.right), w.right, true) +
                    (t.left != t.right ? "   <- differs" : ""));
  }
  return lines;
}

std::string atomTableHtml(const Verdict& v) {
  if (!unbalanced(v)) return {};
  std::string html =
      "<table class=\"atoms\"><thead><tr><th scope=\"col\">Atoms</th><th "
      "scope=\"col\">left</th><th scope=\"col\">right</th><td></td></tr>"
      "</thead><tbody>";
  for (const Tally& t : v.finding.atoms) {
    const bool differs = t.left != t.right;
    html += std::string(differs ? "<tr class=\"differs\">" : "<tr>") +
            "<th scope=\"row\">" + escapeHtml(nameOf(t)) + "</th><td>" +
            number(t, t.left) + "</td><td>" + number(t, t.right) + "</td><td>" +
            (differs ? "differs" : "") + "</td></tr>";
  }
  return html + "</tbody></table>";
}
