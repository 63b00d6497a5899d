// worksheets/: worksheets with their keys, in every format. It includes
// equations/ and base/.
//
// Printable worksheets with an answer key. A program fills a Sheet with its
// questions and answers, each in two forms, and a format (formats.h) lays
// it out; nothing here knows any chemistry.
#ifndef REACTION_DRILL_WORKSHEETS_SHEET_H_
#define REACTION_DRILL_WORKSHEETS_SHEET_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rich.h"

// One line of an answer, set in by `indent` blanks below its heading.
struct SheetLine {
  Rich content;
  int indent = 0;
};

// An answer a learning platform can match as the student types it, the
// credit it earns and what the student is then told.
struct SheetResponse {
  std::string typed;     // "Al2(SO4)3", or "true" or "false"
  unsigned percent = 0;  // 0 to 100
  std::string feedback;  // "Close; correct answer is Al2(SO4)3"
};

// How a learning platform can mark an answer without this program: a
// teacher reads the key; a formula is matched as typed, in every letter
// case that earns credit; a yes or no is a statement called true or false.
enum class SheetMarking { byTeacher, typedExactly, trueOrFalse };

// One question and its entry in the answer key.
struct SheetEntry {
  Rich question;               // "nitric acid + zinc carbonate"
  std::optional<Rich> prompt;  // "Formula:", where the answer goes
  std::vector<SheetLine> key;  // the answer, line by line
  unsigned lines = 1;          // ruled lines to write the answer on
  SheetMarking marking = SheetMarking::byTeacher;
  // typedExactly: the answers that earn credit; trueOrFalse: answering
  // true, then false, and the statement that is true or false.
  std::vector<SheetResponse> responses = {};
  std::optional<Rich> statement = std::nullopt;  // "It dissolves in water."
  // A picture under the answer in the key, as inline SVG: in HTML only,
  // since every other format is text; empty for none.
  std::string figure = {};
};

// The parts of a worksheet that are written: the questions, then the key
// on a page of its own, or either of them alone.
enum class SheetParts { both, questions, key };

struct Sheet {
  std::string title;     // "reaction-drill worksheet: predict the products"
  std::string typeName;  // "random", as the menu names the type
  std::uint64_t seed = 0;
  std::string address;  // the browser page that asks the same questions
  bool linked = true;   // whether an HTML sheet links to it
  std::string remake;   // the command line that makes the sheet again
  // What to do with a question that has no prompt of its own, where it is
  // asked alone: "Determine the products, given the reactants."
  std::string task;
  SheetParts parts = SheetParts::both;
  std::vector<SheetEntry> entries;
};

// "Type: random. Questions: 3. Seed: 42.", the line below the title.
std::string sheetHead(const Sheet& sheet);

// "3. ", the number of the entry at `k`, counted from 0.
std::string entryNumber(std::size_t k);

// Whether `sheet` holds its questions, and its answer key.
inline bool hasQuestions(const Sheet& sheet) {
  return sheet.parts != SheetParts::key;
}
inline bool hasKey(const Sheet& sheet) {
  return sheet.parts != SheetParts::questions;
}

// Where a student writes name, class and date, in underscores for plain
// text: "Name: ______  Class: ______  Date: ______".
std::string nameLine();

// One ruled line to write on, in underscores, set in as an answer is.
std::string ruledLine();

#endif  // REACTION_DRILL_WORKSHEETS_SHEET_H_
