#include "formula_text.h"

#include <string>

#include "equation_html.h"
#include "text.h"
#include "typed_reader.h"

namespace {

// Whether `formula` is made of element symbols, digits and brackets.
bool madeOfSymbols(std::string_view formula) {
  for (std::size_t k = 0; k < formula.size(); ++k) {
    if (isLower(formula[k]) && (k == 0 || !isUpper(formula[k - 1]))) {
      return false;
    }
  }
  return true;
}

// Whether `t` is a formula rather than a word: made of symbols, and with a
// digit, two symbols, a charge or a state.
bool isFormula(const TypedTerm& t) {
  std::size_t symbols = 0;
  bool digit = false;
  for (const char c : t.formula) {
    symbols += isUpper(c) ? 1 : 0;
    digit = digit || isDigit(c);
  }
  return symbols > 0 && madeOfSymbols(t.formula) &&
         (digit || symbols > 1 || t.charge != 0 || t.state.has_value());
}

std::string termHtml(const TypedTerm& t) {
  Term term;
  term.coefficient = t.coefficient;
  term.formula = t.formula;
  term.charge = t.charge;
  term.state = t.state.value_or(State::aqueous);
  return htmlTerm(term, t.state.has_value());
}

bool isPunctuation(char c) {
  return c == '.' || c == ',' || c == ':' || c == ';';
}

std::string_view withoutPunctuation(std::string_view word) {
  while (!word.empty() && isPunctuation(word.back())) word.remove_suffix(1);
  return word;
}

// A charge set apart from the formula before it, as reasons write one after
// a formula that ends in a digit: "2-" or, before punctuation or at the end
// of the line, a bare sign ("HCO3 -:"), which elsewhere joins two terms.
bool isApartCharge(std::string_view word, bool ends) {
  if (word.empty() || (word.back() != '+' && word.back() != '-')) return false;
  if (word.size() == 2) return isDigit(word.front());
  return word.size() == 1 && ends;
}

class Writer {
 public:
  explicit Writer(std::string_view line) : line_(line) {}
  std::string html();

 private:
  std::string_view wordFrom(std::size_t& at) const;
  void write(std::string_view word, std::size_t& at);

  std::string_view line_;
  std::string html_;
};

// The word from `at` up to a blank, with `at` moved past it.
std::string_view Writer::wordFrom(std::size_t& at) const {
  const std::size_t start = at;
  while (at < line_.size() && !isBlank(line_[at])) ++at;
  return line_.substr(start, at - start);
}

// Writes `word`, which ends at `at`, with a charge set apart after it that
// belongs to it, and then moves `at` past that charge.
void Writer::write(std::string_view word, std::size_t& at) {
  std::string text(withoutPunctuation(word));
  std::string_view tail = word.substr(text.size());
  std::size_t after = at + 1;
  bool tookCharge = false;
  if (tail.empty() && !text.empty() && isDigit(text.back()) &&
      at < line_.size() && line_[at] == ' ') {
    const std::string_view next = wordFrom(after);
    const std::string_view charge = withoutPunctuation(next);
    if (isApartCharge(charge,
                      charge.size() < next.size() || after == line_.size())) {
      text += charge;
      tail = next.substr(charge.size());
      tookCharge = true;
    }
  }
  TypedTerm t;
  if (text.empty() || !readTypedTerm(text, t) || !isFormula(t)) {
    html_ += word == "->" ? std::string(htmlArrow) : escapeHtml(word);
    return;
  }
  html_ += termHtml(t) + escapeHtml(tail);
  if (tookCharge) at = after;
}

std::string Writer::html() {
  for (std::size_t at = 0; at < line_.size();) {
    if (isBlank(line_[at])) {
      html_ += line_[at++];
    } else {
      const std::string_view word = wordFrom(at);
      write(word, at);
    }
  }
  return html_;
}

}  // namespace

Rich formulaText(std::string_view line) {
  return {std::string(line), Writer(line).html()};
}
