// ranges/: the menus' counts and entries, written for the scripts and the
// manual pages. It includes drill/, quiz/ and what they include.
//
// session_ranges FOLDER: what the build's scripts, the manual pages and the
// shell tests, none of which can include C++, need to know of the two
// menus, written from their tables: the number of types of each, and each
// type's entry in its manual page. It writes FOLDER/session_ranges.cmake
// (set(DRILL_TYPES 8) ..., and the lists of entries in troff) and
// FOLDER/session_ranges.sh (DRILL_TYPES=8 ...). The web build runs it in
// node, so that its scripts find the same file beside the page.
#include <cstddef>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "quiz_types.h"
#include "reaction_types.h"
#include "require.h"
#include "typed_characters.h"

namespace {

// The character outside ASCII that starts at `text[at]`, by its troff name
// (\[u00B3]); moves `at` to its last byte. REQUIRES: valid UTF-8, as every
// summary is.
std::string troffGlyph(std::string_view text, std::size_t& at) {
  const Decoded c = decodeUtf8(text, at);
  require(c.size > 1, "a summary holds valid UTF-8");
  at += c.size - 1;
  char name[16];
  std::snprintf(name, sizeof name, "\\[u%04X]", static_cast<unsigned>(c.point));
  return name;
}

// `summary` as troff text: `words` in bold, a minus as \-, other characters
// outside ASCII by name, and each sentence on an input line of its own, for
// troff spaces sentences by where input lines end.
std::string troffText(std::string_view summary) {
  std::string text;
  bool bold = false;
  for (std::size_t at = 0; at < summary.size(); ++at) {
    const char c = summary[at];
    if (c == '`') {
      bold = !bold;
      text += bold ? "\\fB" : "\\fR";
    } else if (c == '-' || c == '\\') {
      text += c == '-' ? "\\-" : "\\e";
    } else if (static_cast<unsigned char>(c) >= 0x80) {
      text += troffGlyph(summary, at);
    } else if (c == ' ' && at > 0 && summary[at - 1] == '.') {
      text += '\n';
    } else {
      // A line that starts with a period or an apostrophe is a request.
      if ((c == '.' || c == '\'') && (text.empty() || text.back() == '\n')) {
        text += "\\&";
      }
      text += c;
    }
  }
  require(!bold, "a summary closes every backquote it opens");
  return text;
}

// The entries of a manual page's list of types, numbered from 1, each a
// tagged paragraph; no line break after the last.
std::string troffList(const std::vector<std::string_view>& summaries) {
  std::string list;
  for (std::size_t k = 0; k < summaries.size(); ++k) {
    if (k > 0) list += '\n';
    list += ".TP\n.B " + std::to_string(k + 1) + '\n' + troffText(summaries[k]);
  }
  return list;
}

std::vector<std::string_view> drillSummaries() {
  std::vector<std::string_view> all;
  for (const ReactionType* t : reactionTypeTable) all.push_back(t->summary);
  return all;
}

std::vector<std::string_view> quizSummaries() {
  std::vector<std::string_view> all;
  for (const QuizType& t : quizTypes) all.emplace_back(t.summary);
  return all;
}

// A CMake variable set to `value` as it stands, in a bracket argument.
std::string cmakeSet(std::string_view name, const std::string& value) {
  require(value.find("]==]") == std::string::npos,
          "no summary closes a bracket argument");
  return "set(" + std::string(name) + " [==[\n" + value + "]==])\n";
}

std::string cmakeRanges() {
  return "# The menus of both programs, as their tables hold them; written by\n"
         "# session_ranges at build time.\n"
         "set(DRILL_TYPES " +
         std::to_string(reactionTypes) + ")\nset(QUIZ_TYPES " +
         std::to_string(questionTypes) + ")\n" +
         cmakeSet("DRILL_TYPE_LIST", troffList(drillSummaries())) +
         cmakeSet("QUIZ_TYPE_LIST", troffList(quizSummaries()));
}

std::string shellRanges() {
  return "# The number of types of each program's menu, as its table holds "
         "it;\n# written by session_ranges at build time.\nDRILL_TYPES=" +
         std::to_string(reactionTypes) +
         "\nQUIZ_TYPES=" + std::to_string(questionTypes) + '\n';
}

// Writes `text` to `path`; false if it could not.
bool writeFile(const std::string& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary);
  file << text;
  return static_cast<bool>(file.flush());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: session_ranges FOLDER\n";
    return 2;
  }
  const std::string folder = argv[1];
  for (const auto& [name, text] :
       {std::pair{"/session_ranges.cmake", cmakeRanges()},
        std::pair{"/session_ranges.sh", shellRanges()}}) {
    if (!writeFile(folder + name, text)) {
      std::cerr << "session_ranges: cannot write " << folder + name << '\n';
      return 1;
    }
  }
  return 0;
}
