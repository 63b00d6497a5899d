// Text in two forms, plain ASCII and inline HTML, so that one piece of a
// question or an answer can be written to the console and to a page.
#ifndef REACTION_DRILL_EQUATIONS_RICH_H_
#define REACTION_DRILL_EQUATIONS_RICH_H_

#include <string>
#include <string_view>

// A piece of text as plain ASCII and as an inline HTML fragment, in which
// formulas have real subscripts and superscripts and an accessible name.
struct Rich {
  std::string text;
  std::string html;
};

// The arrow of an equation in HTML: a real arrow that never breaks from
// itself, which a screen reader reads as "yields".
inline constexpr std::string_view htmlArrow =
    "<span class=\"arrow\" role=\"img\" aria-label=\"yields\">&rarr;</span>";

// `text` with &, <, > and " escaped, so HTML shows it as it is.
std::string escapeHtml(std::string_view text);

// Word text in both forms: the HTML escaped, with its arrows as arrows.
Rich richText(std::string_view text);

#endif  // REACTION_DRILL_EQUATIONS_RICH_H_
