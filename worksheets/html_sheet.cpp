#include "formats.h"

namespace {

constexpr std::string_view htmlStyle =
    "body { font-family: Georgia, 'Times New Roman', serif; "
    "max-width: 46em; margin: 2em auto; padding: 0 1em; line-height: 1.45; }\n"
    "h1 { font-size: 1.4em; }\n"
    "h2 { font-size: 1.2em; }\n"
    "li { break-inside: avoid; page-break-inside: avoid; margin: 0 0 1em; }\n"
    "li p { margin: 0; }\n"
    ".room { height: 6em; }\n"
    ".key { break-before: page; page-break-before: always; }\n"
    ".indent { padding-left: 2em; }\n"
    "code { font-size: 0.9em; }\n"
    "@page { margin: 2cm; }\n";

std::string htmlAnswer(const SheetEntry& e) {
  std::string out = "<li><p>" + e.question.html + "</p>\n";
  for (const SheetLine& line : e.key) {
    out += line.indent > 0 ? "<p class=\"indent\">" : "<p>";
    out += line.content.html + "</p>\n";
  }
  return out + "</li>\n";
}

std::string htmlQuestion(const SheetEntry& e) {
  std::string out = "<li><p>" + e.question.html + "</p>\n";
  if (e.prompt) out += "<p class=\"indent\">" + e.prompt->html + "</p>\n";
  if (e.roomToWrite) out += "<div class=\"room\"></div>\n";
  return out + "</li>\n";
}

}  // namespace

std::string htmlSheet(const Sheet& sheet) {
  const std::string title = escapeHtml(sheet.title);
  std::string out =
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<title>" +
      title + "</title>\n<style>\n" + std::string(htmlStyle) +
      "</style>\n</head>\n<body>\n<h1>" + title + "</h1>\n<p>" +
      escapeHtml(sheetHead(sheet)) + "<br>\nTo make it again: <code>" +
      escapeHtml(sheet.remake) + "</code></p>\n<ol>\n";
  for (const SheetEntry& e : sheet.entries) out += htmlQuestion(e);
  out += "</ol>\n<section class=\"key\">\n<h2>Answer key</h2>\n<ol>\n";
  for (const SheetEntry& e : sheet.entries) out += htmlAnswer(e);
  return out + "</ol>\n</section>\n</body>\n</html>\n";
}
