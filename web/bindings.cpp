// The core as plain functions and two session classes for the browser page.
// The page runs its own dialogue and only renders what these return: texts
// as data, never chemistry of its own. Seeds cross as decimal text, since a
// JavaScript number holds integers exactly only up to 2^53.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "drill_session.h"
#include "drill_sheet.h"
#include "formats.h"
#include "ion.h"
#include "menu.h"
#include "quiz_session.h"
#include "quiz_sheet.h"
#include "reveal.h"

using emscripten::val;

namespace {

// Decimal digits only, as the command line takes them; nothing for
// anything else, an empty text or a number beyond 64 bits.
std::optional<std::uint64_t> parseSeed(const std::string& text) {
  std::uint64_t seed = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, seed);
  if (error != std::errc() || stop != end || text.empty()) return std::nullopt;
  return seed;
}

val namesOf(const std::vector<std::string_view>& names) {
  val list = val::array();
  for (const std::string_view name : names) {
    list.call<void>("push", std::string(name));
  }
  return list;
}

val richOf(const Rich& r) {
  val out = val::object();
  out.set("text", r.text);
  out.set("html", r.html);
  return out;
}

val linesOf(const std::vector<SheetLine>& lines) {
  val out = val::array();
  for (const SheetLine& l : lines) {
    val line = richOf(l.content);
    line.set("indent", l.indent);
    out.call<void>("push", line);
  }
  return out;
}

// The seed as the console writes it ("42" for "042"), or an empty text for
// one that is no seed.
std::string canonicalSeed(const std::string& text) {
  const std::optional<std::uint64_t> seed = parseSeed(text);
  return seed ? std::to_string(*seed) : std::string();
}

std::string freshSeedText() { return std::to_string(freshSeed()); }

// The words the page shares with the console programs.
val texts() {
  val out = val::object();
  out.set("drillIntro", std::string(drillIntro));
  out.set("drillHint", std::string(drillHint));
  out.set("quizIntro", std::string(quizIntro));
  out.set("quizHint", std::string(quizHint));
  out.set("menuQuestion", std::string(menuQuestion));
  out.set("maxSheetQuestions", maxSheetQuestions);
  out.set("maxSeed", std::to_string(std::numeric_limits<std::uint64_t>::max()));
  return out;
}

// The drill session of one seed and type, for the page to hold.
// REQUIRES: a seed canonicalSeed takes, and a type from 0 to reactionTypes.
class PageDrill {
 public:
  PageDrill(const std::string& seed, unsigned type)
      : session_(parseSeed(seed).value_or(0), type) {}

  // The next question: its reactants, the answer as the drill reveals it,
  // and the formula equations apart, so the page can show or hide them.
  val next() {
    const Revealed shown = reveal(session_.next(), true);
    val out = val::object();
    out.set("question", richOf(shown.question));
    out.set("answer", linesOf(shown.answer));
    out.set("equations", linesOf(shown.equations));
    return out;
  }

 private:
  DrillSession session_;
};

// The quiz session of one seed and type, and the question it asked last.
// REQUIRES: a seed canonicalSeed takes, and a type from 0 to questionTypes.
class PageQuiz {
 public:
  PageQuiz(const std::string& seed, unsigned type)
      : session_(parseSeed(seed).value_or(0), type) {}

  val next() {
    asked_ = session_.next();
    val out = val::object();
    out.set("question", asked_.line.text);
    out.set("prompt", std::string(asked_.prompt));
    return out;
  }

  // The verdict on `answer` to the question asked last, without its line
  // break, and whether it was fully right; or, for quit, that the quiz ends.
  val mark(const std::string& answer) {
    val out = val::object();
    out.set("quit", isQuit(answer));
    if (isQuit(answer)) return out;
    std::ostringstream verdict;
    out.set("correct", asked_.mark(answer, verdict));
    std::string text = verdict.str();
    if (!text.empty() && text.back() == '\n') text.pop_back();
    out.set("verdict", text);
    return out;
  }

 private:
  QuizSession session_;
  QuizQuestion asked_;
};

std::string score(std::uint32_t correct, std::uint32_t answered) {
  return scoreLine(correct, answered);
}

// The worksheet of `count` questions, or nothing for a bad seed, type or
// count.
std::optional<SheetRequest> requestOf(const std::string& seedText,
                                      unsigned choice, unsigned types,
                                      std::uint32_t count) {
  const std::optional<std::uint64_t> seed = parseSeed(seedText);
  if (!seed || choice > types || count == 0 || count > maxSheetQuestions) {
    return std::nullopt;
  }
  return SheetRequest{
      *seed, choice, count, SheetParts::both, findFormat("html"), defaultPage};
}

// The HTML worksheets, as `--worksheet --format html` writes them; empty
// for a bad seed, type or count.
std::string drillSheet(const std::string& seed, unsigned choice,
                       std::uint32_t count, bool formulas) {
  const std::optional<SheetRequest> request =
      requestOf(seed, choice, reactionTypes, count);
  return request ? drillWorksheet(*request, formulas) : std::string();
}

std::string quizSheet(const std::string& seed, unsigned choice,
                      std::uint32_t count) {
  const std::optional<SheetRequest> request =
      requestOf(seed, choice, questionTypes, count);
  return request ? quizWorksheet(*request) : std::string();
}

// Asks and marks a question of every type once, so that the browser
// compiles their code while the first question is read rather than when a
// later one is asked.
void prepare() {
  for (unsigned type = 1; type <= reactionTypes; ++type) {
    PageDrill("0", type).next();
  }
  for (unsigned type = 1; type <= questionTypes; ++type) {
    PageQuiz quiz("0", type);
    quiz.next();
    quiz.mark("x");
  }
}

val reactionTypeList() { return namesOf(reactionTypeMenu()); }
val questionTypeList() { return namesOf(questionTypeMenu()); }

}  // namespace

EMSCRIPTEN_BINDINGS(reaction_drill) {
  initIons();
  emscripten::function("texts", &texts);
  emscripten::function("reactionTypeNames", &reactionTypeList);
  emscripten::function("questionTypeNames", &questionTypeList);
  emscripten::function("freshSeed", &freshSeedText);
  emscripten::function("canonicalSeed", &canonicalSeed);
  emscripten::function("scoreLine", &score);
  emscripten::function("drillWorksheet", &drillSheet);
  emscripten::function("quizWorksheet", &quizSheet);
  emscripten::function("prepare", &prepare);
  emscripten::class_<PageDrill>("DrillSession")
      .constructor<const std::string&, unsigned>()
      .function("next", &PageDrill::next);
  emscripten::class_<PageQuiz>("QuizSession")
      .constructor<const std::string&, unsigned>()
      .function("next", &PageQuiz::next)
      .function("mark", &PageQuiz::mark);
}
