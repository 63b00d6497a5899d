#include "rich.h"

std::string escapeHtml(std::string_view text) {
  std::string html;
  html.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        html += "&amp;";
        break;
      case '<':
        html += "&lt;";
        break;
      case '>':
        html += "&gt;";
        break;
      case '"':
        html += "&quot;";
        break;
      default:
        html += c;
    }
  }
  return html;
}

Rich richText(std::string_view text) {
  std::string html = escapeHtml(text);
  const std::string arrow = " -&gt; ";
  for (std::size_t at = html.find(arrow); at != std::string::npos;
       at = html.find(arrow, at)) {
    const std::string replacement = " " + std::string(htmlArrow) + " ";
    html.replace(at, arrow.size(), replacement);
    at += replacement.size();
  }
  return {std::string(text), html};
}
