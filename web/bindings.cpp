// web/: the browser page. It includes the cores of drill/ and quiz/ and what
// they include.
//
// The core as plain functions and two session classes for the browser page.
// The page runs its own dialogue and only renders what these return: texts
// as data, never chemistry of its own. Seeds cross as decimal text, since a
// JavaScript number holds integers exactly only up to 2^53.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "drill_session.h"
#include "drill_sheet.h"
#include "formats.h"
#include "ion.h"
#include "menu.h"
#include "page_sessions.h"
#include "page_values.h"
#include "quiz_session.h"
#include "quiz_sheet.h"
#include "quiz_totals.h"
#include "reveal.h"
#include "typing_notes.h"

using emscripten::val;

namespace {

// The seed as the console writes it ("42" for "042"), or an empty text for
// one that is no seed.
std::string canonicalSeed(const std::string& text) {
  std::uint64_t seed = 0;
  return parseSeed(text, seed) ? std::to_string(seed) : std::string();
}

std::string freshSeedText() { return std::to_string(freshSeed()); }

val typingNoteList() {
  val list = val::array();
  for (const TypingNote& note : typingNotes) {
    val row = val::object();
    row.set("what", std::string(note.what));
    row.set("example", std::string(note.example));
    list.call<void>("push", row);
  }
  return list;
}

// The words the page takes from the core: those it shares with the console
// programs and the quiz's openings; and its limits.
val texts() {
  val out = val::object();
  out.set("drillIntro", std::string(drillIntro));
  out.set("menuQuestion", std::string(menuQuestion));
  out.set("quizOpenings", namesOf(quizOpenings()));
  out.set("typingNotes", typingNoteList());
  out.set("maxSheetQuestions", maxSheetQuestions);
  out.set("maxCount", std::numeric_limits<std::uint32_t>::max());
  out.set("maxSeed", std::to_string(std::numeric_limits<std::uint64_t>::max()));
  out.set("maxQuestionNumber", maxQuestionNumber);
  return out;
}

// The longest page address a worksheet names; a longer one is no address
// the page was opened at.
constexpr std::size_t maxPage = 2048;

// The question numbers "3,7,12" as the page keeps them ("" for none), or
// an empty text for a list readQuestionNumbers does not take.
std::string canonicalPicks(const std::string& text) {
  QuestionNumbers picks;
  return readQuestionNumbers(text, picks) ? questionNumbersText(picks)
                                          : std::string();
}

// Fills `request` with a worksheet's seed, type, count (or the questions
// `picks` numbers), parts and page, linked to it where `linked`; false for
// a bad one.
bool requestOf(const std::string& seedText, unsigned choice, unsigned types,
               std::uint32_t count, const std::string& parts,
               const std::string& page, const std::string& picks, bool linked,
               SheetRequest& request) {
  std::uint64_t seed = 0;
  const SheetPartName* only = findParts(parts);
  QuestionNumbers numbers;
  if (!parseSeed(seedText, seed) || choice > types || count == 0 ||
      count > maxSheetQuestions || (!parts.empty() && only == nullptr) ||
      page.size() > maxPage || !readPicks(picks, numbers)) {
    return false;
  }
  request = {seed, choice, count, {}, SheetParts::both, findFormat("html"),
             page};
  request.linked = linked;
  if (!numbers.empty()) request.count = numbers.size();
  request.picks = std::move(numbers);
  if (only != nullptr) request.parts = only->parts;
  return true;
}

// The HTML worksheets, as `--worksheet --format html` writes them (the
// drill's with --formulas and --pictures as asked), with `parts` "" for
// both or as --only names them, naming the page at `page` and linking to it
// where `linked`; the quiz's of all questions or those `picks` numbers.
// Empty for a bad seed, type, count, parts, page or picks.
std::string drillSheet(const std::string& seed, unsigned choice,
                       std::uint32_t count, bool formulas, bool pictures,
                       const std::string& parts, const std::string& page,
                       bool linked) {
  SheetRequest request;
  if (!requestOf(seed, choice, reactionTypes, count, parts, page, "", linked,
                 request)) {
    return {};
  }
  return drillWorksheet(request, {formulas, false, pictures});
}

std::string quizSheet(const std::string& seed, unsigned choice,
                      std::uint32_t count, const std::string& parts,
                      const std::string& page, const std::string& picks,
                      bool linked) {
  SheetRequest request;
  if (!requestOf(seed, choice, questionTypes, count, parts, page, picks, linked,
                 request)) {
    return {};
  }
  return quizWorksheet(request);
}

// The page's address at a session, as worksheets write it; empty for a bad
// program, seed, page or picks.
std::string address(const std::string& page, const std::string& program,
                    const std::string& seedText, unsigned type,
                    std::uint32_t count, const std::string& picks) {
  std::uint64_t seed = 0;
  QuestionNumbers numbers;
  if (!parseSeed(seedText, seed) || (program != "drill" && program != "quiz") ||
      page.size() > maxPage || !readPicks(picks, numbers)) {
    return {};
  }
  return pageAddress(page, program, seed, type, count, numbers);
}

// How the quiz of `tally` went, as its end shows it: each row of its
// totals with its counts and shares and its line, the one a screen reader
// reads for the chart. `tally` is an array of [type, right, close, wrong].
// REQUIRES: every type from 1 to questionTypes.
val quizSummary(const val& tally) {
  QuizTotals totals;
  const auto size = tally["length"].as<unsigned>();
  for (unsigned k = 0; k < size; ++k) {
    const val row = tally[k];
    const auto type = row[0].as<unsigned>();
    require(type >= 1 && type <= questionTypes, "a kept type is a quiz type");
    totals.addCounts(type,
                     {row[1].as<std::uint32_t>(), row[2].as<std::uint32_t>(),
                      row[3].as<std::uint32_t>()});
  }
  val rows = val::array();
  for (const TotalsRow& r : totals.rows()) {
    val out = val::object();
    out.set("name", std::string(r.name));
    out.set("counts", val::array(r.counts.begin(), r.counts.end()));
    out.set("percents", val::array(r.percents.begin(), r.percents.end()));
    out.set("line", totalsLine(r));
    rows.call<void>("push", out);
  }
  return rows;
}

// Asks and marks a question of every type once, so that the browser
// compiles their code while the first question is read rather than when a
// later one is asked.
void prepare() {
  for (unsigned type = 1; type <= reactionTypes; ++type) {
    PageDrill("0", type).next();
  }
  for (unsigned type = 1; type <= questionTypes; ++type) {
    PageQuiz quiz("0", type, "");
    quiz.next();
    quiz.mark("x");
    quiz.picture();
  }
}

val reactionTypeList() { return namesOf(reactionTypeMenu()); }
val questionTypeList() { return namesOf(questionTypeMenu()); }

}  // namespace

EMSCRIPTEN_BINDINGS(reaction_drill) {
  emscripten::function("texts", &texts);
  emscripten::function("reactionTypeNames", &reactionTypeList);
  emscripten::function("questionTypeNames", &questionTypeList);
  emscripten::function("freshSeed", &freshSeedText);
  emscripten::function("canonicalSeed", &canonicalSeed);
  emscripten::function("canonicalPicks", &canonicalPicks);
  emscripten::function("quizSummary", &quizSummary);
  emscripten::function("pageAddress", &address);
  emscripten::function("drillWorksheet", &drillSheet);
  emscripten::function("quizWorksheet", &quizSheet);
  emscripten::function("prepare", &prepare);
  emscripten::class_<PageDrill>("DrillSession")
      .constructor<const std::string&, unsigned>()
      .function("skip", &PageDrill::skip)
      .function("next", &PageDrill::next);
  emscripten::class_<PageQuiz>("QuizSession")
      .constructor<const std::string&, unsigned, const std::string&>()
      .function("skip", &PageQuiz::skip)
      .function("next", &PageQuiz::next)
      .function("mark", &PageQuiz::mark)
      .function("hint", &PageQuiz::hint)
      .function("picture", &PageQuiz::picture);
}
