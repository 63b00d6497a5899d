// How to type an equation, in short: one example of each form the quiz's
// reader takes (typed_reader.h) where a keyboard has no key for the
// symbol. The browser page's "How to type" note and the README's list are
// these rows, in this order.
#ifndef REACTION_DRILL_TYPED_TYPING_NOTES_H_
#define REACTION_DRILL_TYPED_TYPING_NOTES_H_

#include <string_view>

struct TypingNote {
  std::string_view what;     // "a charge, after its formula"
  std::string_view example;  // as typed: "Zn2+"
};

// clang-format off
inline constexpr TypingNote typingNotes[] = {
    // what                                      example
    {"an arrow",                                 "->"},
    {"a coefficient, before its formula",        "2HCl"},
    {"a charge, after its formula",              "Zn2+"},
    {"a state, after the formula or its charge", "Zn2+(aq)"},
    {"no reaction",                              "NR"},
};
// clang-format on

#endif  // REACTION_DRILL_TYPED_TYPING_NOTES_H_
