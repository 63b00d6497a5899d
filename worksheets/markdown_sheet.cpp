#include "formats.h"

namespace {

// An answer line inside a list item; a backslash at the end breaks the line.
std::string markdownLine(const SheetLine& line, bool last) {
  std::string indent;
  for (int k = 0; k < line.indent; k += 2) indent += "&emsp;";
  return "   " + indent + line.content.html + (last ? "\n" : "\\\n");
}

std::string markdownHead(const Sheet& sheet) {
  return "# " + escapeHtml(sheet.title) + "\n\n" + sheetHead(sheet) +
         "\\\nOn the page: `" + sheet.address + "`\\\nTo make it again: `" +
         sheet.remake + "`\n\n";
}

// Each ruled line a paragraph of its own in the list item, its first
// underscore escaped: a line of underscores alone would be read as a rule.
std::string markdownRoom(const SheetEntry& e) {
  std::string out;
  const std::string ruled = ruledLine();
  for (unsigned l = 0; l < e.lines; ++l) {
    out += "   \\" + ruled.substr(ruled.find('_') + 1) + "\n\n";
  }
  return out;
}

std::string markdownQuestions(const Sheet& sheet) {
  std::string out = nameLine() + "\n\n";
  for (std::size_t k = 0; k < sheet.entries.size(); ++k) {
    const SheetEntry& e = sheet.entries[k];
    out += entryNumber(k) + e.question.html;
    out += e.prompt ? "\\\n   " + e.prompt->html + "\n\n" : "\n\n";
    out += markdownRoom(e);
  }
  return out;
}

std::string markdownKey(const Sheet& sheet) {
  std::string out = "## Answer key\n\n";
  for (std::size_t k = 0; k < sheet.entries.size(); ++k) {
    const SheetEntry& e = sheet.entries[k];
    out += entryNumber(k) + e.question.html + (e.key.empty() ? "\n" : "\\\n");
    for (std::size_t l = 0; l < e.key.size(); ++l) {
      out += markdownLine(e.key[l], l + 1 == e.key.size());
    }
    out += "\n";
  }
  return out;
}

}  // namespace

std::string markdownSheet(const Sheet& sheet) {
  std::string out = markdownHead(sheet);
  if (hasQuestions(sheet)) out += markdownQuestions(sheet);
  if (hasKey(sheet)) out += markdownKey(sheet);
  return out;
}
