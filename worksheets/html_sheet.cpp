#include <algorithm>

#include "formats.h"

namespace {

// The button and the blanks to fill in show on screen only or in print
// only as they are of use there; a formula never breaks across lines.
constexpr std::string_view htmlStyle =
    "body { font-family: Georgia, 'Times New Roman', serif; "
    "max-width: 46em; margin: 2em auto; padding: 0 1em; line-height: 1.45; }\n"
    "h1 { font-size: 1.4em; }\n"
    "h2 { font-size: 1.2em; }\n"
    "li { break-inside: avoid; page-break-inside: avoid; margin: 0 0 1em; }\n"
    "li p { margin: 0; }\n"
    ".f, .arrow { white-space: nowrap; }\n"
    ".name { margin: 1.5em 0; }\n"
    ".blank { display: inline-block; width: 12em; margin-right: 1em; "
    "border-bottom: 1px solid; }\n"
    ".blank.short { width: 6em; }\n"
    ".write { height: 2.2em; margin-left: 2em; border-bottom: 1px solid "
    "#777; }\n"
    ".key { break-before: page; page-break-before: always; }\n"
    ".indent { padding-left: 2em; }\n"
    "code { font-size: 0.9em; }\n"
    "button { font: inherit; padding: .3em 1.2em; }\n"
    "code span { white-space: nowrap; }\n"
    "@media screen { button, a { display: inline-flex; align-items: center; "
    "min-width: 44px; min-height: 44px; overflow-wrap: anywhere; } }\n"
    "@media print { .print { display: none; } }\n"
    "@page { margin: 2cm; }\n";

// The command line, each option with its value kept on one line.
std::string htmlCommand(std::string_view command) {
  std::string html;
  for (std::size_t at = 0; at < command.size();) {
    const std::size_t next = std::min(command.find(" --", at), command.size());
    if (at > 0) html += ' ';
    html += "<span>" + escapeHtml(command.substr(at, next - at)) + "</span>";
    at = next + 1;
  }
  return html;
}

// The page's address, as a link where the sheet can reach it.
std::string htmlAddress(const Sheet& sheet) {
  std::string address = escapeHtml(sheet.address);
  if (!sheet.linked) return address;
  return "<a href=\"" + address + "\">" + address + "</a>";
}

std::string htmlHead(const Sheet& sheet) {
  const std::string title = escapeHtml(sheet.title);
  return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta "
         "charset=\"utf-8\">\n<title>" +
         title + "</title>\n<style>\n" + std::string(htmlStyle) +
         "</style>\n</head>\n<body>\n<h1>" + title + "</h1>\n<p>" +
         escapeHtml(sheetHead(sheet)) +
         "<br>\nOn the page: " + htmlAddress(sheet) +
         "<br>\nTo make it again: <code>" + htmlCommand(sheet.remake) +
         "</code></p>\n<p class=\"print\"><button type=\"button\" "
         "onclick=\"print()\">Print</button></p>\n";
}

std::string htmlAnswer(const SheetEntry& e) {
  std::string out = "<li><p>" + e.question.html + "</p>\n";
  for (const SheetLine& line : e.key) {
    out += line.indent > 0 ? "<p class=\"indent\">" : "<p>";
    out += line.content.html + "</p>\n";
  }
  if (!e.figure.empty()) {
    out += R"(<div class="figure" style="max-width: 36em">)" + e.figure +
           "</div>\n";
  }
  return out + "</li>\n";
}

std::string htmlQuestion(const SheetEntry& e) {
  std::string out = "<li><p>" + e.question.html + "</p>\n";
  if (e.prompt) out += "<p class=\"indent\">" + e.prompt->html + "</p>\n";
  for (unsigned l = 0; l < e.lines; ++l) out += "<div class=\"write\"></div>\n";
  return out + "</li>\n";
}

std::string htmlQuestions(const Sheet& sheet) {
  std::string out =
      "<p class=\"name\">Name: <span class=\"blank\"></span> Class: <span "
      "class=\"blank short\"></span> Date: <span class=\"blank "
      "short\"></span></p>\n<ol>\n";
  for (const SheetEntry& e : sheet.entries) out += htmlQuestion(e);
  return out + "</ol>\n";
}

// The key starts a new page only after the questions.
std::string htmlKey(const Sheet& sheet) {
  std::string out =
      hasQuestions(sheet) ? "<section class=\"key\">\n" : "<section>\n";
  out += "<h2>Answer key</h2>\n<ol>\n";
  for (const SheetEntry& e : sheet.entries) out += htmlAnswer(e);
  return out + "</ol>\n</section>\n";
}

}  // namespace

std::string htmlSheet(const Sheet& sheet) {
  std::string out = htmlHead(sheet);
  if (hasQuestions(sheet)) out += htmlQuestions(sheet);
  if (hasKey(sheet)) out += htmlKey(sheet);
  return out + "</body>\n</html>\n";
}
