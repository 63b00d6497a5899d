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
#include "typing_notes.h"

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

val textsOf(const std::vector<std::string>& texts) {
  val list = val::array();
  for (const std::string& text : texts) list.call<void>("push", text);
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

// The words the page shares with the console programs, and its limits.
val texts() {
  val out = val::object();
  out.set("drillIntro", std::string(drillIntro));
  out.set("menuQuestion", std::string(menuQuestion));
  out.set("typingNotes", typingNoteList());
  out.set("maxSheetQuestions", maxSheetQuestions);
  out.set("maxCount", std::numeric_limits<std::uint32_t>::max());
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
  // Passes over the next `count` questions, as a kept session resumes.
  void skip(std::uint32_t count) {
    for (std::uint32_t k = 0; k < count; ++k) session_.next();
  }

  val next() {
    const Revealed shown = reveal(session_.next(), {true, true});
    val out = val::object();
    out.set("question", richOf(shown.question));
    out.set("answer", linesOf(shown.answer));
    out.set("equations", linesOf(shown.equations));
    out.set("reasons", linesOf(shown.reasons));
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

  void skip(std::uint32_t count) {
    for (std::uint32_t k = 0; k < count; ++k) session_.next();
  }

  // The next question: its line in both forms, the prompt, what the
  // answer is written as and the question's type.
  val next() {
    asked_ = session_.next();
    hintsUsed_ = 0;
    val out = val::object();
    out.set("hints", static_cast<unsigned>(asked_.hints.size()));
    out.set("question", asked_.line.text);
    out.set("html", asked_.line.html);
    out.set("prompt", std::string(asked_.prompt));
    out.set("form", std::string(formName(asked_.form)));
    out.set("kind", asked_.kind);
    return out;
  }

  // The verdict on `answer` to the question asked last, without its line
  // break, in both forms, and how it counts: "right", "close" or "wrong";
  // or, for quit, that the quiz ends.
  // A hint typed as the answer gives the next hint, as on the console.
  val mark(const std::string& answer) {
    val out = val::object();
    out.set("quit", isQuit(answer));
    if (isQuit(answer)) return out;
    if (isHint(answer) && !asked_.hints.empty()) {
      out.set("hint", hint());
      return out;
    }
    std::ostringstream verdict;
    const bool right = asked_.mark(answer, verdict);
    std::string text = verdict.str();
    if (!text.empty() && text.back() == '\n') text.pop_back();
    out.set("kind", std::string(verdictName(verdictOf(right, text))));
    out.set("verdict", text);
    out.set("html", verdictHtml(text));
    out.set("afterHint", right && hintsUsed_ > 0);
    out.set("reasons", right ? val::array() : textsOf(asked_.reasons));
    return out;
  }

  // The next hint to the question asked last, line by line, or that no
  // hint is left.
  val hint() {
    const std::vector<std::string> lines =
        hintsUsed_ < asked_.hints.size()
            ? asked_.hints[hintsUsed_]
            : std::vector<std::string>{std::string(noHintLeft)};
    ++hintsUsed_;
    return textsOf(lines);
  }

 private:
  // The names the page knows the forms and verdicts by, in the order of
  // their enums.
  static std::string_view formName(AnswerForm form) {
    constexpr std::string_view names[] = {"formula", "yesNo", "equation"};
    return names[static_cast<std::size_t>(form)];
  }

  static std::string_view verdictName(Verdict v) {
    constexpr std::string_view names[] = {"right", "close", "wrong"};
    return names[static_cast<std::size_t>(v)];
  }

  // Every verdict but "Correct." ends with the right answer: that end in
  // its HTML form, with the formulas' accessible names.
  std::string verdictHtml(const std::string& text) const {
    const std::string& right = asked_.answer.text;
    const bool endsWithAnswer =
        text.size() >= right.size() &&
        text.compare(text.size() - right.size(), right.size(), right) == 0;
    if (!endsWithAnswer) return escapeHtml(text);
    return escapeHtml(text.substr(0, text.size() - right.size())) +
           asked_.answer.html;
  }

  QuizSession session_;
  QuizQuestion asked_;
  std::size_t hintsUsed_ = 0;
};

// The longest page address a worksheet names; a longer one is no address
// the page was opened at.
constexpr std::size_t maxPage = 2048;

std::optional<SheetRequest> requestOf(const std::string& seedText,
                                      unsigned choice, unsigned types,
                                      std::uint32_t count,
                                      const std::string& parts,
                                      const std::string& page) {
  const std::optional<std::uint64_t> seed = parseSeed(seedText);
  const SheetPartName* only = findParts(parts);
  if (!seed || choice > types || count == 0 || count > maxSheetQuestions ||
      (!parts.empty() && only == nullptr) || page.size() > maxPage) {
    return std::nullopt;
  }
  SheetRequest request{
      *seed, choice, count, SheetParts::both, findFormat("html"), page};
  if (only != nullptr) request.parts = only->parts;
  return request;
}

// The HTML worksheets, as `--worksheet --format html` writes them, with
// `parts` "" for both or as --only names them, naming the page at `page`;
// empty for a bad seed, type, count, parts or page.
std::string drillSheet(const std::string& seed, unsigned choice,
                       std::uint32_t count, bool formulas,
                       const std::string& parts, const std::string& page) {
  const std::optional<SheetRequest> request =
      requestOf(seed, choice, reactionTypes, count, parts, page);
  return request ? drillWorksheet(*request, {formulas, false}) : std::string();
}

std::string quizSheet(const std::string& seed, unsigned choice,
                      std::uint32_t count, const std::string& parts,
                      const std::string& page) {
  const std::optional<SheetRequest> request =
      requestOf(seed, choice, questionTypes, count, parts, page);
  return request ? quizWorksheet(*request) : std::string();
}

// The page's address at a session, as worksheets write it; empty for a bad
// program, seed or page.
std::string address(const std::string& page, const std::string& program,
                    const std::string& seedText, unsigned type,
                    std::uint32_t count) {
  const std::optional<std::uint64_t> seed = parseSeed(seedText);
  if (!seed || (program != "drill" && program != "quiz") ||
      page.size() > maxPage) {
    return {};
  }
  return pageAddress(page, program, *seed, type, count);
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
  emscripten::function("pageAddress", &address);
  emscripten::function("drillWorksheet", &drillSheet);
  emscripten::function("quizWorksheet", &quizSheet);
  emscripten::function("prepare", &prepare);
  emscripten::class_<PageDrill>("DrillSession")
      .constructor<const std::string&, unsigned>()
      .function("skip", &PageDrill::skip)
      .function("next", &PageDrill::next);
  emscripten::class_<PageQuiz>("QuizSession")
      .constructor<const std::string&, unsigned>()
      .function("skip", &PageQuiz::skip)
      .function("next", &PageQuiz::next)
      .function("mark", &PageQuiz::mark)
      .function("hint", &PageQuiz::hint);
}
