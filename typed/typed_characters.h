// The characters of a typed answer, read from UTF-8: ASCII, and the few
// others that phones and copied text give where ASCII would do (subscript
// and superscript digits and signs, the minus sign, the en dash). Each
// reads as the ASCII character it stands for, with where it sits, so the
// reader takes "H₂O" as it takes "H2O" and "Fe³⁺" as it takes "Fe^3+".
#ifndef REACTION_DRILL_TYPED_TYPED_CHARACTERS_H_
#define REACTION_DRILL_TYPED_TYPED_CHARACTERS_H_

#include <cstddef>
#include <string>
#include <string_view>

enum class Script { plain, subscript, superscript };

struct TypedChar {
  char reads = '\0';  // the ASCII it stands for; '\0' for any other
  Script script = Script::plain;
  std::size_t size = 0;  // its bytes on the line; 0 only at the end
};

// A character decoded from UTF-8: its code point and its bytes, or no bytes
// for a sequence that is no valid UTF-8.
struct Decoded {
  char32_t point = 0;
  std::size_t size = 0;
};

// The character that starts at byte `at` of `line`, decoded.
// REQUIRES: at < line.size().
Decoded decodeUtf8(std::string_view line, std::size_t at);

// The character that starts at byte `at` of `line`: an ASCII byte, a
// character of the table above, or another character, or a byte that is no
// valid UTF-8, which reads as '\0'.
TypedChar typedCharAt(std::string_view line, std::size_t at);

// The character that reads as `reads` in `script`, as UTF-8: `reads`
// itself in plain text, otherwise its stand-in ("₂" for a subscript 2, "⁻"
// for a superscript minus); empty where there is none.
std::string scriptedChar(char reads, Script script);

// At most 20 characters of `line` around byte `at`, ten of them before it,
// as typed: each valid UTF-8 character whole, and a control character or a
// byte that is no valid UTF-8 as "?".
std::string quoteAround(std::string_view line, std::size_t at);

#endif  // REACTION_DRILL_TYPED_TYPED_CHARACTERS_H_
