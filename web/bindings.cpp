// The core as plain functions for the browser page. The page runs its own
// dialogue and only renders what these return: texts as data, never
// chemistry of its own. Seeds cross as decimal text, since a JavaScript
// number holds integers exactly only up to 2^53.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "chance.h"
#include "drill_sheet.h"
#include "ion.h"
#include "question.h"
#include "questions.h"
#include "quiz_sheet.h"
#include "reveal.h"

using emscripten::val;

namespace {

// The quiz question awaiting its answer.
Question asked;

// Decimal digits only, as the command line takes them; false for anything
// else, an empty text or a number beyond 64 bits.
bool parseSeed(const std::string& text, std::uint64_t& seed) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, seed);
  return error == std::errc() && stop == end;
}

template <std::size_t N>
val namesOf(const std::string_view (&names)[N]) {
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

// A worksheet reseeds the shared generator; the session it is printed from
// must go on with the questions it would have asked.
class KeepChance {
 public:
  KeepChance() : saved_(chance_detail::generator()) {}
  ~KeepChance() { chance_detail::generator() = saved_; }
  KeepChance(const KeepChance&) = delete;
  KeepChance& operator=(const KeepChance&) = delete;

 private:
  Pcg32 saved_;
};

std::string freshSeedText() { return std::to_string(freshSeed()); }

// Restarts the questions from `seedText` and returns the seed as the
// console writes it ("42" for "042"); for a text that is no seed, changes
// nothing and returns an empty text.
std::string startSession(const std::string& seedText) {
  std::uint64_t seed = 0;
  if (!parseSeed(seedText, seed)) return {};
  seedChance(seed);
  return std::to_string(seed);
}

// The next drill question of type `choice` (0 random): its reactants, the
// answer as the drill reveals it, and the formula equations apart, so the
// page can show or hide them.
val nextReaction(unsigned choice) {
  const Reaction r = drawReaction(nextType(choice, reactionTypes));
  const QuestionTexts t = compose(r);
  val out = val::object();
  out.set("question", richOf(questionLine(r, t)));
  out.set("answer", linesOf(answerLines(r, t)));
  out.set("equations", linesOf(formulaLines(r)));
  return out;
}

// The next quiz question of type `choice` (0 random), kept for marking.
val nextQuizQuestion(unsigned choice) {
  asked = drawQuestion(nextType(choice, std::size(questionTypeNames) - 1));
  val out = val::object();
  out.set("question", questionLine(asked));
  out.set("prompt", std::string(answerPrompt(asked)));
  return out;
}

// The verdict on `answer` to the question asked last, without its line
// break, and whether it was fully right.
val markQuizAnswer(const std::string& answer) {
  std::ostringstream verdict;
  const bool right = markAnswer(asked, answer, verdict);
  std::string text = verdict.str();
  if (!text.empty() && text.back() == '\n') text.pop_back();
  val out = val::object();
  out.set("correct", right);
  out.set("verdict", text);
  return out;
}

// The HTML worksheets, as `--worksheet --format html` writes them; empty
// for a bad seed or type.
std::string drillSheet(const std::string& seedText, unsigned choice,
                       std::uint32_t count, bool formulas) {
  std::uint64_t seed = 0;
  if (!parseSeed(seedText, seed) || choice > reactionTypes) return {};
  const KeepChance keep;
  return drillWorksheet(seed, choice, count, formulas, SheetFormat::html);
}

std::string quizSheet(const std::string& seedText, unsigned choice,
                      std::uint32_t count) {
  std::uint64_t seed = 0;
  if (!parseSeed(seedText, seed) || choice >= std::size(questionTypeNames)) {
    return {};
  }
  const KeepChance keep;
  return quizWorksheet(seed, choice, count, SheetFormat::html);
}

// Asks and marks a question of every type once, so that the browser
// compiles their code while the first question is read rather than when a
// later one is asked; the session's questions stay as they were.
void prepare() {
  const KeepChance keep;
  const Question pending = asked;
  for (unsigned type = 1; type <= reactionTypes; ++type) nextReaction(type);
  for (unsigned type = 1; type < std::size(questionTypeNames); ++type) {
    nextQuizQuestion(type);
    markQuizAnswer(rightAnswer(asked));
    markQuizAnswer("x");
  }
  asked = pending;
}

val reactionTypeList() { return namesOf(reactionTypeNames); }
val questionTypeList() { return namesOf(questionTypeNames); }

}  // namespace

EMSCRIPTEN_BINDINGS(reaction_drill) {
  initIons();
  emscripten::function("reactionTypeNames", &reactionTypeList);
  emscripten::function("questionTypeNames", &questionTypeList);
  emscripten::function("freshSeed", &freshSeedText);
  emscripten::function("startSession", &startSession);
  emscripten::function("nextReaction", &nextReaction);
  emscripten::function("nextQuizQuestion", &nextQuizQuestion);
  emscripten::function("markQuizAnswer", &markQuizAnswer);
  emscripten::function("prepare", &prepare);
  emscripten::function("drillWorksheet", &drillSheet);
  emscripten::function("quizWorksheet", &quizSheet);
}
