#include "reveal.h"

#include <string_view>
#include <utility>

#include "equation_html.h"
#include "equation_text.h"
#include "sight.h"

namespace {

// Hands `line` each answer line as its indent, a fixed prefix, one of the
// texts and a fixed suffix. `Text` is plain or rich text; the prefixes and
// suffixes hold nothing that HTML would change, so each serves both forms.
template <typename Text, typename Line>
void forEachAnswerLine(const Text& qtype, const Text& products,
                       const Text& ionic, Line line) {
  line(0, "(", qtype, ")");
  line(0, "Products, including spectators:  ", products, "");
  line(0, "Answer, ionic:", Text{}, "");  // a heading alone
  line(2, "", ionic, "");
}

// Hands `line` each heading and its equation.
template <typename Line>
void forEachEquation(const FormulaEquations& e, Line line) {
  if (e.cathode && e.anode) {
    line("At the cathode:", *e.cathode);
    line("At the anode:", *e.anode);
    return;
  }
  line("Formula equation:", e.formula);
  if (e.complete && e.net) {
    line("Complete ionic:", *e.complete);
    line("Net ionic:", *e.net);
  }
}

// Hands `line` the heading "Why:" and each reason, `e` the formula
// equations of `r`.
template <typename Line>
void forEachReason(const Reaction& r, const FormulaEquations& e, Line line) {
  line(0, "Why:");
  for (const std::string& reason : reasons(r, e)) line(2, reason);
}

// The four texts in both forms: in HTML the words escaped, with real
// arrows, and formulas from their terms where the type writes any.
struct RichTexts {
  Rich question, qtype, products, ionic;
};

RichTexts richTexts(const DrillQuestion& q) {
  const QuestionTexts& t = q.texts;
  const ReactionType& type = reactionType(q.reaction.type);
  if (type.html == nullptr) {
    return {richText(t.question), richText(t.qtype), richText(t.products),
            richText(t.ionic)};
  }
  QuestionTexts html = type.html(q.reaction.reactants);
  return {{t.question, std::move(html.question)},
          {t.qtype, std::move(html.qtype)},
          {t.products, std::move(html.products)},
          {t.ionic, std::move(html.ionic)}};
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
  RichTexts rich = richTexts(q);
  Revealed shown{std::move(rich.question), {}, {}, {}, {}};
  forEachAnswerLine(rich.qtype, rich.products, rich.ionic,
                    [&](int indent, std::string_view prefix, const Rich& text,
                        std::string_view end) {
                      shown.answer.push_back({{joined(prefix, text.text, end),
                                               joined(prefix, text.html, end)},
                                              indent});
                    });
  if (!extras.formulas && !extras.reasons && !extras.pictures) return shown;
  // Balanced once, for every extra that shows them.
  const FormulaEquations all = formulaEquations(q.reaction);
  if (extras.formulas) {
    forEachEquation(all, [&](std::string_view heading, const Equation& e) {
      shown.equations.push_back({richText(heading), 0});
      shown.equations.push_back({richEquation(e), 2});
    });
  }
  if (extras.reasons) {
    forEachReason(q.reaction, all, [&](int indent, std::string_view reason) {
      shown.reasons.push_back({richText(reason), indent});
    });
  }
  if (extras.pictures) shown.picture = reactionPicture(all);
  return shown;
}

std::string revealedText(const DrillQuestion& q, Extras extras) {
  std::string text;
  text.reserve(extras.formulas || extras.reasons ? 768 : 256);
  forEachAnswerLine(q.texts.qtype, q.texts.products, q.texts.ionic,
                    [&](int indent, std::string_view prefix,
                        std::string_view line, std::string_view end) {
                      text.append(static_cast<std::size_t>(indent), ' ');
                      text += prefix;
                      text += line;
                      text += end;
                      text += '\n';
                    });
  if (!extras.formulas && !extras.reasons) return text + "\n\n";
  const FormulaEquations all = formulaEquations(q.reaction);
  if (extras.formulas) {
    forEachEquation(all, [&](std::string_view heading, const Equation& e) {
      text += heading;
      text += "\n  ";
      appendAscii(text, e);
      text += '\n';
    });
  }
  if (extras.reasons) {
    forEachReason(q.reaction, all, [&](int indent, std::string_view reason) {
      text.append(static_cast<std::size_t>(indent), ' ');
      text += reason;
      text += '\n';
    });
  }
  text += "\n\n";
  return text;
}
