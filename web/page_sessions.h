// The two sessions the browser page holds: a drill's and a quiz's, each of
// one seed and type, the quiz's with the question it asked last.
#ifndef REACTION_DRILL_WEB_PAGE_SESSIONS_H_
#define REACTION_DRILL_WEB_PAGE_SESSIONS_H_

#include <emscripten/val.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "drill_session.h"
#include "formula_text.h"
#include "page_values.h"
#include "quiz_session.h"
#include "require.h"
#include "reveal.h"
#include "rich.h"

// [{text, html}] of `lines`, each formula in them written as the page
// writes formulas.
inline emscripten::val formulaTextsOf(const std::vector<std::string>& lines) {
  emscripten::val out = emscripten::val::array();
  for (const std::string& line : lines) {
    out.call<void>("push", richOf(formulaText(line)));
  }
  return out;
}

// linesOf `lines` with each formula written as the page writes formulas.
inline emscripten::val formulaLinesOf(std::vector<SheetLine> lines) {
  for (SheetLine& line : lines) line.content = formulaText(line.content.text);
  return linesOf(lines);
}

// The seed of `text`. REQUIRES: a seed canonicalSeed takes.
inline std::uint64_t seedOf(const std::string& text) {
  std::uint64_t seed = 0;
  require(parseSeed(text, seed), "the page asks only for sessions of a seed");
  return seed;
}

// The drill session of one seed and type, for the page to hold.
// REQUIRES: a seed canonicalSeed takes, and a type from 0 to reactionTypes.
class PageDrill {
 public:
  PageDrill(const std::string& seed, unsigned type)
      : session_(seedOf(seed), type) {}

  // Passes over the next `count` questions, as a kept session resumes.
  void skip(std::uint32_t count) {
    for (std::uint32_t k = 0; k < count; ++k) session_.next();
  }

  // The next question: its reactants, the answer as the drill reveals it,
  // and the formula equations, the reasons and the particle picture apart,
  // so the page can show or hide them.
  emscripten::val next() {
    const Revealed shown = reveal(session_.next(), {true, true, true});
    emscripten::val out = emscripten::val::object();
    out.set("question", richOf(shown.question));
    out.set("answer", linesOf(shown.answer));
    out.set("equations", linesOf(shown.equations));
    out.set("reasons", formulaLinesOf(shown.reasons));
    out.set("picture", shown.picture);
    return out;
  }

 private:
  DrillSession session_;
};

// Reads the question numbers of `text` into `picks` as readQuestionNumbers
// does, an empty text as none; false for a text it cannot read.
[[nodiscard]] inline bool readPicks(const std::string& text,
                                    QuestionNumbers& picks) {
  return text.empty() || readQuestionNumbers(text, picks);
}

// The question numbers of `text`, as readPicks reads them.
// REQUIRES: a text readPicks takes.
inline QuestionNumbers picksOf(const std::string& text) {
  QuestionNumbers picks;
  require(readPicks(text, picks),
          "the page asks only for questions it has read");
  return picks;
}

// The quiz session of one seed and type, of all its questions or those
// `picks` numbers ("3,7,12"), and the question it asked last.
// REQUIRES: a seed canonicalSeed takes, a type from 0 to questionTypes, and
// picks as picksOf takes them.
class PageQuiz {
 public:
  PageQuiz(const std::string& seed, unsigned type, const std::string& picks)
      : session_(seedOf(seed), type, picksOf(picks)) {}

  // Passes over the next `count` questions, as a kept session resumes.
  void skip(std::uint32_t count) {
    for (std::uint32_t k = 0; k < count; ++k) session_.next();
  }

  // The next question: its line in both forms, the prompt, what the
  // answer is written as with the keys that fit it, the question's type
  // and its number in the seed's order.
  emscripten::val next() {
    asked_ = session_.next();
    hintsUsed_ = 0;
    emscripten::val out = emscripten::val::object();
    out.set("hints", static_cast<unsigned>(asked_.hints.size()));
    out.set("question", asked_.line.text);
    out.set("html", asked_.line.html);
    out.set("prompt", std::string(asked_.prompt));
    out.set("form", std::string(asked_.form->name));
    out.set("typingKeys", asked_.form->typingKeys);
    out.set("equationKeys", asked_.form->equationKeys);
    out.set("type", asked_.type);
    out.set("number", static_cast<double>(session_.number()));
    return out;
  }

  // The verdict on `answer` to the question asked last, without its line
  // break, in both forms, and how it counts: "right", "close" or "wrong";
  // and the atoms on each side where an equation does not balance (HTML,
  // or empty); or, for quit, that the quiz ends.
  // A hint typed as the answer gives the next hint, as on the console.
  emscripten::val mark(const std::string& answer) {
    emscripten::val out = emscripten::val::object();
    out.set("quit", isQuit(answer));
    if (isQuit(answer)) return out;
    if (isHint(answer)) {
      out.set("hint", hint());
      return out;
    }
    const Verdict verdict = markAnswer(asked_, answer);
    const bool right = verdict.grade == Grade::right;
    out.set("grade", std::string(gradeName(verdict.grade)));
    out.set("verdict", verdictText(verdict));
    out.set("html", verdictHtml(verdict));
    out.set("afterHint", right && hintsUsed_ > 0);
    out.set("atoms", atomTableHtml(verdict));
    marked_ = asked_.picture;
    out.set("reasons", formulaTextsOf(right ? std::vector<std::string>()
                                            : asked_.reasons));
    return out;
  }

  // The particle picture of the reaction of the answer marked last, in
  // HTML, or empty: drawn only where the page shows it.
  std::string picture() const { return marked_ ? marked_() : std::string(); }

  // The next hint to the question asked last, line by line in both forms,
  // or that no hint is left, or that it has none.
  emscripten::val hint() {
    return formulaTextsOf(nextHint(asked_, hintsUsed_).lines);
  }

 private:
  // The names the page knows the grades by.
  static std::string_view gradeName(Grade g) {
    return g == Grade::right ? "right" : g == Grade::close ? "close" : "wrong";
  }

  QuizSession session_;
  QuizQuestion asked_;
  std::function<std::string()> marked_;  // the picture of the last marked
  std::size_t hintsUsed_ = 0;
};

#endif  // REACTION_DRILL_WEB_PAGE_SESSIONS_H_
