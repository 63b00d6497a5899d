#include "reveal.h"

#include <string_view>
#include <utility>

#include "equation_html.h"
#include "equation_text.h"

namespace {

// Hands `line` each answer line as its indent, a fixed prefix, one of the
// four texts and a fixed suffix. The prefixes and suffixes hold nothing that
// HTML would change.
template <typename Line>
void forEachAnswerLine(const QuestionTexts& t, Line line) {
  line(0, "(", t.qtype, ")");
  line(0, "Products, including spectators:  ", t.products, "");
  line(0, "Answer, ionic:", "", "");
  line(2, "", t.ionic, "");
}

// Hands `line` each heading and its equation.
template <typename Line>
void forEachEquation(const FormulaEquations& e, Line line) {
  line("Formula equation:", e.formula);
  if (e.complete && e.net) {
    line("Complete ionic:", *e.complete);
    line("Net ionic:", *e.net);
  }
}

// Hands `line` the heading "Why:" and each reason.
template <typename Line>
void forEachReason(const Reaction& r, Line line) {
  line(0, "Why:");
  for (const std::string& reason : reasons(r)) line(2, reason);
}

// The four texts in HTML: words escaped, with real arrows, and formulas
// from their terms where the type writes any.
QuestionTexts htmlTexts(const DrillQuestion& q) {
  const QuestionTexts& t = q.texts;
  QuestionTexts html{words(t.question).html, words(t.qtype).html,
                     words(t.products).html, words(t.ionic).html};
  const ReactionKind& kind = *reactionType(q.reaction.type).kind;
  if (kind.html != nullptr) {
    FormulaHtml formulas = kind.html(q.reaction.reactants);
    html.question = std::move(formulas.question);
    html.ionic = std::move(formulas.ionic);
  }
  return html;
}

std::string joined(std::string_view a, std::string_view b, std::string_view c) {
  std::string line;
  line.reserve(a.size() + b.size() + c.size());
  line += a;
  line += b;
  line += c;
  return line;
}

}  // namespace

Revealed reveal(const DrillQuestion& q, Extras extras) {
  const QuestionTexts html = htmlTexts(q);
  Revealed shown{{q.texts.question, html.question}, {}, {}, {}};
  forEachAnswerLine(q.texts, [&](int indent, std::string_view prefix,
                                 std::string_view text, std::string_view end) {
    shown.answer.push_back({{joined(prefix, text, end), ""}, indent});
  });
  std::size_t k = 0;
  forEachAnswerLine(html, [&](int /*indent*/, std::string_view prefix,
                              std::string_view text, std::string_view end) {
    shown.answer[k++].content.html = joined(prefix, text, end);
  });
  if (extras.formulas) {
    forEachEquation(formulaEquations(q.reaction), [&](std::string_view heading,
                                                      const Equation& e) {
      shown.equations.push_back({words(heading), 0});
      shown.equations.push_back({{ascii(e), htmlEquation(e)}, 2});
    });
  }
  if (extras.reasons) {
    forEachReason(q.reaction, [&](int indent, std::string_view reason) {
      shown.reasons.push_back({words(reason), indent});
    });
  }
  return shown;
}

std::string revealedText(const DrillQuestion& q, Extras extras) {
  std::string text;
  text.reserve(extras.formulas || extras.reasons ? 768 : 256);
  forEachAnswerLine(q.texts, [&](int indent, std::string_view prefix,
                                 std::string_view line, std::string_view end) {
    text.append(static_cast<std::size_t>(indent), ' ');
    text += prefix;
    text += line;
    text += end;
    text += '\n';
  });
  if (extras.formulas) {
    forEachEquation(formulaEquations(q.reaction),
                    [&](std::string_view heading, const Equation& e) {
                      text += heading;
                      text += "\n  ";
                      appendAscii(text, e);
                      text += '\n';
                    });
  }
  if (extras.reasons) {
    forEachReason(q.reaction, [&](int indent, std::string_view reason) {
      text.append(static_cast<std::size_t>(indent), ' ');
      text += reason;
      text += '\n';
    });
  }
  text += "\n\n";
  return text;
}
