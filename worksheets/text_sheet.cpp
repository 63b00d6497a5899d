#include "formats.h"

namespace {

std::string textHead(const Sheet& sheet) {
  return sheet.title + "\n" + sheetHead(sheet) +
         "\nOn the page: " + sheet.address +
         "\nTo make it again: " + sheet.remake + "\n\n";
}

std::string textQuestions(const Sheet& sheet) {
  std::string out = nameLine() + "\n\n";
  for (std::size_t k = 0; k < sheet.entries.size(); ++k) {
    const SheetEntry& e = sheet.entries[k];
    out += entryNumber(k) + e.question.text + "\n";
    if (e.prompt) out += "   " + e.prompt->text + "\n";
    for (unsigned l = 0; l < e.lines; ++l) out += ruledLine() + "\n";
    out += "\n";
  }
  return out;
}

std::string textKey(const Sheet& sheet) {
  std::string out = "Answer key\n\n";
  for (std::size_t k = 0; k < sheet.entries.size(); ++k) {
    const SheetEntry& e = sheet.entries[k];
    out += entryNumber(k) + e.question.text + "\n";
    for (const SheetLine& line : e.key) {
      out += std::string(3 + static_cast<std::size_t>(line.indent), ' ') +
             line.content.text + "\n";
    }
    out += "\n";
  }
  return out;
}

}  // namespace

std::string textSheet(const Sheet& sheet) {
  std::string out = textHead(sheet);
  if (hasQuestions(sheet)) out += textQuestions(sheet);
  if (hasKey(sheet)) out += textKey(sheet);
  return out;
}
